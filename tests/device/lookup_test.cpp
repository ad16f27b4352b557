#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "device/device_data.h"

namespace {

using R = KIVOBluetoothDeviceData;
using Units = std::array<uint16_t, R::kSpeedDialUnitCount>;

TEST(RadioTransmitGain, CodesMapToLowMediumHighInEveryLanguage)
{
    const std::pair<int, int> indexes[] = {{12, 0}, {13, 1}, {16, 1}, {17, 2}, {0, 1}, {18, 1}, {-12, 1}};
    for (const auto& [code, index] : indexes)
        EXPECT_EQ(R::getIndexFromRTG(code), index) << code;

    EXPECT_EQ(R::getRTGStringFromRTG_In(12, 0), "Low");
    EXPECT_EQ(R::getRTGStringFromRTG_In(14, 2), "Mittel");
    EXPECT_EQ(R::getRTGStringFromRTG_In(17, 8), "высокий");
    EXPECT_EQ(R::getRTGStringFromRTG_In(17, 12), "Wysokie");
    // A language outside the table falls back to English instead of reading past it.
    EXPECT_EQ(R::getRTGStringFromRTG_In(17, 13), "High");
    EXPECT_EQ(R::getRTGStringFromRTG_In(12, -1), "Low");
}

TEST(FmPresetCheck, BandsAndGridsPerRegion)
{
    struct Case {
        int region, frequency, expected;
    };
    const Case cases[] = {
        {1, 8770, 0},
        {1, 8760, 2},
        {1, 10800, 1},
        {1, 10790, 0},
        {1, 8749, 1},
        {0, 8755, 2},
        {0, 10800, 0},
        {0, 10810, 1},
        {5, 9500, 0},
        {5, 9510, 1},
        {3, 8750, 0},
        {3, 8780, 2},
        {9, 10800, 0}, // unknown region:
                       // checked as region 0,
                       // never read past the
                       // tables
        {-1, 8755, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(R::checkFMPresetValidWithRegion_FMRadioPreset(c.region, c.frequency), c.expected)
            << "region " << c.region << " frequency " << c.frequency;
}

TEST(SettingsTabText, NamesLabelsAndShortcutLetters)
{
    const auto basic = R::getTabText_With_In(1, false, 0);
    ASSERT_TRUE(basic);
    EXPECT_EQ(basic->text, "Basic");
    EXPECT_EQ(basic->keyEquivalent, 'B');

    const auto label = R::getTabText_With_In(2, true, 5);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text, "[S][C]-S");
    EXPECT_EQ(label->keyEquivalent, 'S');

    EXPECT_EQ(R::getTabText_With_In(3, false, 10)->text, "Radio");
    EXPECT_EQ(R::getTabText_With_In(3, false, 10)->keyEquivalent, 'F');
    EXPECT_EQ(R::getTabText_With_In(2, false, 4)->text, "Speedダイヤル");

    for (const auto& [tab, language] : {std::pair{0, 0}, {4, 0}, {1, 13}, {1, -1}})
        EXPECT_FALSE(R::getTabText_With_In(tab, false, language)) << tab << "/" << language;
}

TEST(SpeedDialCodec, EncodesTheFirstTwentyBytesAndZeroFillsTheRest)
{
    Units units;
    units.fill(0xABCD);
    EXPECT_EQ(R::getSpeedDialArray_FromString(units, "1234567890123456789012345"), 40);
    for (size_t i = 0; i < units.size(); ++i)
        EXPECT_EQ(units[i], '0' + (i + 1) % 10) << i;

    units.fill(0xABCD);
    EXPECT_EQ(R::getSpeedDialArray_FromString(units, "+49 30"), 12);
    EXPECT_EQ(units[0], '+');
    EXPECT_EQ(units[5], '0');
    EXPECT_EQ(units[6], 0);
    EXPECT_EQ(units[19], 0);

    // Bytes above 0x7F are widened with their sign, as the device form has it.
    EXPECT_EQ(R::getSpeedDialArray_FromString(units, "é"), 4);
    EXPECT_EQ(units[0], 0xFFC3);
    EXPECT_EQ(units[1], 0xFFA9);

    units.fill(0xABCD);
    EXPECT_EQ(R::getSpeedDialArray_FromString(units, ""), 0);
    for (const uint16_t unit : units)
        EXPECT_EQ(unit, 0xABCD); // untouched
}

TEST(SpeedDialCodec, DecodesLowBytesUpToTheFirstZeroAndCountsUtf16Units)
{
    std::string text = "stale";
    Units zeros{};
    EXPECT_EQ(R::getSpeedDialString_FromArray(text, zeros), 0);
    EXPECT_EQ(text, "");

    struct Case {
        std::string number;
        int length;
    };
    for (const Case& c : {Case{"+4917012345", 11}, Case{"é1", 2}, Case{"\xF0\x9F\x93\x9E", 2}}) {
        Units units{};
        R::getSpeedDialArray_FromString(units, c.number);
        EXPECT_EQ(R::getSpeedDialString_FromArray(text, units), c.length) << c.number;
        EXPECT_EQ(text, c.number);
    }

    // Only the low byte counts; the text ends at the first zero byte.
    Units units{};
    units[0] = 0x3131;
    units[1] = 0x0032;
    units[3] = '9';
    EXPECT_EQ(R::getSpeedDialString_FromArray(text, units), 2);
    EXPECT_EQ(text, "12");

    // Bytes that are not UTF-8 give none: a stray byte, a character cut at the 20-byte limit, an
    // overlong form, a surrogate.
    for (const std::string bad : {"\xFF", "1234567890123456789\xC3", "\xC0\xAF", "\xED\xA0\x80"}) {
        Units raw{};
        for (size_t i = 0; i < bad.size() && i < raw.size(); ++i)
            raw[i] = static_cast<uint8_t>(bad[i]);
        text = "stale";
        EXPECT_EQ(R::getSpeedDialString_FromArray(text, raw), 0);
        EXPECT_EQ(text, "");
    }
}

} // namespace
