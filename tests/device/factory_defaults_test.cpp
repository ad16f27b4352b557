// Factory defaults of a few products around their firmware thresholds. Every case compares the
// whole defaults record, so a row that writes too much (or forgets the FM block or the speed
// dials) fails as surely as one that writes too little.

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "device/device_data.h"
#include "tests/device/record_fixture.h"

namespace {

using R = KIVOBluetoothDeviceData;

struct Firmware {
    int major, minor, type = 0, secondary = 0;
};

R source_at(int product, Firmware fw)
{
    R source = populated_record(product);
    source.setDeviceVersionMajor_Minor(fw.major, fw.minor);
    source.setDeviceSecondaryVersionType(fw.type);
    source.setDeviceSecondaryVersion(fw.secondary);
    return source;
}

// What every product gets: a working copy with all eighteen words and the speed dials empty.
R cleared_copy(const R& source)
{
    R r;
    r.copyWithSource_version(source, 1);
    for (int i = 0; i < R::kBriskoWordCount; ++i)
        r.setBasicSettingBriskoAt_with(i, 0);
    for (int i = 0; i < R::kPintraWordCount; ++i)
        r.setBasicSettingPintraVOXSensitivity_with(i, 0);
    for (int i = 0; i < R::kTavelWordCount; ++i)
        r.setBasicSettingTavelSmartVolumeControl_with(i, 0);
    for (int i = 0; i < R::kCameraWordCount; ++i)
        r.setBasicSettingWispenCamera_with(i, 0);
    for (int i = 0; i < R::kSpeedDialCount; ++i)
        r.setSpeedDialAt_with(i, "");
    return r;
}

void words(R& r, int w0, int w1, int w2 = 0, int w3 = 0)
{
    r.setBasicSettingBriskoAt_with(0, w0);
    r.setBasicSettingBriskoAt_with(1, w1);
    r.setBasicSettingBriskoAt_with(2, w2);
    r.setBasicSettingBriskoAt_with(3, w3);
}

void fm_cleared(R& r, int region, int presets = R::kFmPresetCount, int rds = 0)
{
    r.setFmRadioRegion(region);
    r.setFmRadioMagicCode(0x56E9);
    r.setFmRadioCurrentFrequency(0);
    r.setFmRadioCurrentPreset(0);
    for (int i = 0; i < presets; ++i)
        r.setFmRadioPresetsAt_with(i, 0);
    r.setFmRadioRDS(rds);
}

using NamedSetter = void (R::*)(int);
void set_named(R& r, int value, std::initializer_list<NamedSetter> setters)
{
    for (const NamedSetter set : setters)
        (r.*set)(value);
}

struct Case {
    int product;
    Firmware firmware;
    std::function<void(R&)> defaults; // applied to the cleared copy
};

void check(const Case& c)
{
    const R source = source_at(c.product, c.firmware);
    const R defaults = R::makeDefaultDataWithSource(source);
    R expected = cleared_copy(source);
    c.defaults(expected);
    EXPECT_TRUE(defaults == expected) << std::hex << c.product << std::dec << " at " << c.firmware.major << "."
                                      << c.firmware.minor << " type " << c.firmware.type << " number "
                                      << c.firmware.secondary;
    EXPECT_TRUE(source == source_at(c.product, c.firmware)) << "the source was changed";
}

TEST(FactoryDefaults, WordsAndFmRegionByFirmwareRange)
{
    const Case cases[] = {
        {0x4210,
         {1, 0},
         [](R& r) {
             words(r, 0x0005, 0x0003, 0xEC00);
             fm_cleared(r, 0);
         }},
        {0x4210,
         {1, 1},
         [](R& r) {
             words(r, 0x0005, 0x0003, 0xEC00, 0x0003);
             fm_cleared(r, 1);
         }},
        {0x4210,
         {1, 4},
         [](R& r) {
             words(r, 0x0005, 0x0003, 0xED80, 0x0003);
             fm_cleared(r, 1);
         }},
        {0x4210,
         {1, 6},
         [](R& r) {
             words(r, 0x0005, 0x0003, 0xED20, 0x0002);
             fm_cleared(r, 1);
         }},
        {0x4210,
         {9, 0},
         [](R& r) {
             words(r, 0x0005, 0x0003, 0xED20, 0x0002);
             fm_cleared(r, 1);
         }},
        // Six-preset products clear presets 0 to 5 only and switch RDS on.
        {0x6030,
         {1, 0},
         [](R& r) {
             set_named(
                 r, 1,
                 {&R::setHandsfreeVOX, &R::setBitpoolRate, &R::setAudioBoost, &R::setHdIntercom, &R::setAutoOnOff});
             set_named(r, 0,
                       {&R::setIntercomVOX, &R::setVoicePrompt, &R::setSidetone, &R::setAdvancedNoiseControl,
                        &R::setAudioOverlay, &R::setSmartNaviSystem});
             r.setBasicSettingPintraVOXSensitivity_with(0, 2);
             r.setBasicSettingBriskoAt_with(2, 0x006B);
             fm_cleared(r, 0, 6, 1);
         }},
        {0x6806,
         {1, 0},
         [](R& r) {
             words(r, 0x0003, 0x2200);
             r.setFmRadioRDS(0);
         }},
        {0x3142,
         {1, 0},
         [](R& r) {
             words(r, 0x1D21, 0x0183);
             fm_cleared(r, 0);
         }},
        {0x5210,
         {1, 0},
         [](R& r) {
             r.setAudioChannelTimeout(5);
             r.setRadioTransmitGain(15);
         }},
        {0x6461,
         {1, 0},
         [](R& r) {
             set_named(
                 r, 1,
                 {&R::setHandsfreeVOX, &R::setAudioBoost, &R::setHdIntercom, &R::setFmStationGuide, &R::setHdVoice});
             set_named(r, 0,
                       {&R::setIntercomVOX, &R::setVoicePrompt, &R::setSidetone, &R::setAdvancedNoiseControl,
                        &R::setAudioSourcePriority, &R::setAudioOverlay});
             r.setBackgroundVolume(4);
         }},
        // Unknown products, product 0 included, only lose their words and speed dials.
        {0x1234, {1, 0}, [](R&) {}},
        {0x0000, {1, 0}, [](R&) {}},
    };
    for (const Case& c : cases)
        check(c);
}

// The three-part thresholds read the record's own firmware: 1.4.3 by its secondary number alone
// (a release candidate counts), 1.0.1 and 1.0.3 as a release with a third number (plain 1.0 and
// every 1.0 release candidate are below).
TEST(FactoryDefaults, ThreePartThresholds)
{
    const auto w0_only = [](R& r) { words(r, 0x0001, 0); };
    const auto all_three = [](R& r) { words(r, 0x0001, 0x000A, 0x000A); };
    const auto plain_5520 = [](R& r) {
        r.setHandsfreeVOX(1);
        r.setBitpoolRate(1);
        set_named(
            r, 0,
            {&R::setIntercomVOX, &R::setVoicePrompt, &R::setSidetone, &R::setAdvancedNoiseControl, &R::setAudioBoost});
        r.setBasicSettingPintraVOXSensitivity_with(0, 3);
        fm_cleared(r, 0);
    };
    const auto boosted_5520 = [plain_5520](R& r) {
        plain_5520(r);
        r.setAudioBoost(1);
    };
    const auto w0_w1_3560 = [](R& r) { words(r, 0x0001, 0x000A); };

    const Case cases[] = {
        {0x3570, {1, 4, 2, 2}, w0_only},
        {0x3570, {1, 4, 2, 3}, all_three},
        {0x3570, {1, 4, 1, 3}, all_three},
        {0x3570, {1, 5, 0, 0}, all_three},
        {0x3570, {1, 3, 2, 9}, w0_only},
        {0x3560, {1, 4, 0, 2}, w0_w1_3560},
        {0x3560, {1, 4, 0, 3}, all_three},
        {0x5520, {1, 0, 0, 0}, plain_5520},
        {0x5520, {1, 0, 1, 9}, plain_5520},
        {0x5520, {1, 0, 2, 1}, boosted_5520},
        {0x5520, {1, 0, 2, 0}, plain_5520},
        {0x5510,
         {1, 0, 2, 2},
         [](R& r) {
             r.setHandsfreeVOX(1);
             r.setBitpoolRate(1);
             set_named(r, 0,
                       {&R::setIntercomVOX, &R::setVoicePrompt, &R::setSidetone, &R::setAdvancedNoiseControl,
                        &R::setAudioBoost});
             r.setBasicSettingWispenCamera_with(0, 0x07C0);
             fm_cleared(r, 0);
         }},
        {0x5510,
         {1, 0, 2, 3},
         [](R& r) {
             r.setHandsfreeVOX(1);
             r.setBitpoolRate(1);
             r.setAudioBoost(1);
             set_named(r, 0, {&R::setIntercomVOX, &R::setVoicePrompt, &R::setSidetone, &R::setAdvancedNoiseControl});
             r.setBasicSettingWispenCamera_with(0, 0x07C0);
             fm_cleared(r, 0);
         }},
    };
    for (const Case& c : cases)
        check(c);
}

// A later range that stops naming a setting leaves it at the source's value.
TEST(FactoryDefaults, SettingsARangeDoesNotNameKeepTheSourceValue)
{
    const auto at = [](int product, Firmware fw) { return R::makeDefaultDataWithSource(source_at(product, fw)); };
    const R source = populated_record(0x4D10);

    EXPECT_EQ(at(0x4D10, {3, 9}).handsfreeVOX(), 0);
    EXPECT_EQ(at(0x4D10, {3, 9}).plc(), source.plc());
    EXPECT_EQ(at(0x4D10, {4, 0}).handsfreeVOX(), 1);
    EXPECT_EQ(at(0x4D10, {4, 0}).plc(), 1);
    EXPECT_EQ(at(0x4D10, {4, 1}).microphoneBoost(), 1);
    EXPECT_EQ(at(0x4D10, {4, 2}).plc(), source.plc());
    EXPECT_EQ(at(0x4D10, {5, 0}).sidetone(), 0);
    EXPECT_EQ(at(0x4D10, {4, 9}).sidetone(), source.sidetone());

    EXPECT_EQ(at(0x5510, {2, 9}).bitpoolRate(), 1);
    EXPECT_EQ(at(0x5510, {3, 0}).bitpoolRate(), source.bitpoolRate());
    EXPECT_EQ(at(0x5510, {2, 0}).basicSettingWispenCameraAt(2), 0x0014);
    EXPECT_EQ(at(0x5510, {2, 1}).fmStationGuide(), source.fmStationGuide());
    EXPECT_EQ(at(0x5510, {2, 2}).fmStationGuide(), 1);

    EXPECT_EQ(at(0x2010, {1, 0}).audioBoost(), source.audioBoost());
    EXPECT_EQ(at(0x2020, {1, 0}).advancedNoiseControl(), source.advancedNoiseControl());
    EXPECT_EQ(at(0x2020, {1, 1}).advancedNoiseControl(), 0);
}

// The controller clears its shared record with product 0: identity, versions, named settings and
// the FM block stay, the words and speed dials go.
TEST(FactoryDefaults, ProductZeroInPlaceClearsOnlyWordsAndSpeedDials)
{
    const R source = populated_record(0x6030);
    R r = source;
    r.initializeObjectWithDevice_VersionMajor_Minor(0, 0, 0);
    R expected = source;
    for (int i = 0; i < R::kBriskoWordCount; ++i)
        expected.setBasicSettingBriskoAt_with(i, 0);
    for (int i = 0; i < R::kPintraWordCount; ++i)
        expected.setBasicSettingPintraVOXSensitivity_with(i, 0);
    for (int i = 0; i < R::kTavelWordCount; ++i)
        expected.setBasicSettingTavelSmartVolumeControl_with(i, 0);
    for (int i = 0; i < R::kCameraWordCount; ++i)
        expected.setBasicSettingWispenCamera_with(i, 0);
    for (int i = 0; i < R::kSpeedDialCount; ++i)
        expected.setSpeedDialAt_with(i, "");
    EXPECT_TRUE(r == expected);

    // In place, a six-preset product keeps the presets it does not clear.
    r = source;
    r.initializeObjectWithDevice_VersionMajor_Minor(0x6030, 1, 0);
    for (int i = 0; i < R::kFmPresetCount; ++i)
        EXPECT_EQ(r.fmRadioPresetsAt(i), i < 6 ? 0 : source.fmRadioPresetsAt(i)) << i;
    EXPECT_EQ(r.fmRadioRDS(), 1);
}

TEST(FactoryDefaults, OneProductTracesItsWords)
{
    testing::internal::CaptureStderr();
    (void)R::makeDefaultDataWithSource(source_at(0x3112, {1, 0}));
    (void)R::makeDefaultDataWithSource(source_at(0x3110, {1, 0}));
    const std::string log = testing::internal::GetCapturedStderr();
    const size_t line = log.find("ARGGG");
    ASSERT_NE(line, std::string::npos) << log;
    EXPECT_EQ(log.substr(line), "ARGGG 1C21 583 0 0\n") << "one line, for 0x3110 only";
}

} // namespace
