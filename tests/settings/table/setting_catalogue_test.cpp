// The setting catalogue against the record: every row's getter gives back what its setter stored,
// and footprints (hence aliases) follow the record's bits.

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/table/setting_catalogue.h"

using namespace kivo::settings;

namespace {

// A record at firmware 2.0 whose words and named settings all hold a pattern, so a getter that
// reads the wrong bits, or a setter that spills into its neighbours, shows.
Record patterned()
{
    Record record;
    record.setDeviceVersionMajor(2);
    for (int i = 0; i < Record::kBriskoWordCount; ++i)
        record.setBasicSettingBriskoAt_with(i,
                                            static_cast<int>(0x5A3C96E1u ^ (0x01010101u * static_cast<unsigned>(i))));
    for (int i = 0; i < 2; ++i) {
        record.setBasicSettingPintraVOXSensitivity_with(i, 0x2D + i);
        record.setBasicSettingTavelSmartVolumeControl_with(i, 0x4B + i);
    }
    for (int i = 0; i < Record::kCameraWordCount; ++i)
        record.setBasicSettingWispenCamera_with(i, static_cast<int>(0xA5C3E187u >> i));
    record.setGrennikLanguage(5);
    return record;
}

int expected_read(StorageSense sense, int written)
{
    switch (sense) {
    case StorageSense::SetterStoresInverse:
    case StorageSense::GetterReturnsInverse: return written == 0 ? 1 : 0;
    case StorageSense::SetterAddsEight: return written + 8;
    case StorageSense::Plain:
    case StorageSense::GetterReadsReport: break;
    }
    return written;
}

} // namespace

TEST(SettingCatalogue, EachRowReadsBackWhatItWroteOverItsDomain)
{
    // No product; products whose language codes shift for the short pack; the pack type read back
    // both ways.
    const AccessContext contexts[] = {{0, 1}, {0x3310, 0}, {0x3340, 0}, {0x6811, 0}};
    for (const AccessContext& context : contexts)
        for (const Setting& row : catalogue()) {
            if (row.sense == StorageSense::GetterReadsReport)
                continue;
            for (int value : domain_values(row.domain)) {
                Record record = patterned();
                write(row.key, record, value, context);
                EXPECT_EQ(read(row.key, record, context), expected_read(row.sense, value))
                    << row.name << " = " << value << " for product " << std::hex << context.product << " pack "
                    << context.packType;
            }
        }

    // Below firmware 2.0 the camera's video mode is a switch.
    Record early = patterned();
    early.setDeviceVersionMajor(1);
    for (int value : {1, 0}) {
        write(SettingKey::WispenCameraVideoMode, early, value, {});
        EXPECT_EQ(read(SettingKey::WispenCameraVideoMode, early, {}), value);
    }
}

TEST(SettingCatalogue, OnlyTheUlmeckLanguageReadsWhatItDidNotWrite)
{
    for (const Setting& row : catalogue())
        EXPECT_EQ(row.sense == StorageSense::GetterReadsReport, row.key == SettingKey::UlmeckUnitLanguage) << row.name;
    // What it writes is the language the Grennik row reads.
    EXPECT_TRUE(same_setting(SettingKey::UlmeckUnitLanguage, SettingKey::GrennikLanguage, {0x6038, 0}));
}

TEST(SettingCatalogue, FootprintsAreTheRecordsBits)
{
    const struct {
        SettingKey key;
        const char* footprint;
    } cases[] = {
        {SettingKey::VantorSidetone, "W0:0x100"},
        {SettingKey::BriskoSidetone, "W2:0x1000"},
        {SettingKey::AirohaSidetone, "W0:0x4"},
        {SettingKey::Sidetone, "sidetone"},
        {SettingKey::MeshReachOut, "W4:0x200"},
        {SettingKey::VantorEqualizer, "W3:0x3800"},
        {SettingKey::EgranoEqualizer, "W3:0x7800"}, // takes bit 14 into its field
        {SettingKey::JUNOVAVOXSensitivity, "W1:0xE80"},
        {SettingKey::BriskoSmartVolumeControl, "W2:0x1E"},
        {SettingKey::AirohaUnitLanguage, "W2:0xFFFF"},
        {SettingKey::MicGain, "W2:0xE0"},
        {SettingKey::WispenCameraVideoMode, "camera0:0x2 camera2:0xC0"},
        {SettingKey::LinkbayVolume, "W1:0xFFFFFFFF"},
        {SettingKey::PintraVOXSensitivity, "pintra0:0xFFFFFFFF"},
        {SettingKey::TavelSmartVolumeControl, "tavel0:0xFFFFFFFF"},
        {SettingKey::UlmeckUnitLanguage, "GrennikLanguage"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(footprint_text(footprint(c.key, {})), c.footprint) << setting(c.key).name;

    // Every key writes somewhere, and only where the probes look.
    for (const Setting& row : catalogue()) {
        const std::string text = footprint_text(footprint(row.key, {0x3310, 0}));
        EXPECT_NE(text, "-") << row.name;
        EXPECT_EQ(text.find("elsewhere"), std::string::npos) << row.name;
    }
}

TEST(SettingCatalogue, KeysOfOneSettingAreAliases)
{
    const std::pair<SettingKey, SettingKey> same[] = {
        {SettingKey::VantorSidetone, SettingKey::FMRadioOnVargo},
        {SettingKey::VantorAdvancedNoiseControl, SettingKey::PhoneOnVargo},
        {SettingKey::BriskoHDSpeakerAccessory, SettingKey::BriskoLEDControl},
        {SettingKey::HeronyxHDVoice, SettingKey::VantorHDSpeakerAccessory},
    };
    const auto& pairs = aliases();
    for (const auto& [a, b] : same) {
        EXPECT_TRUE(same_setting(a, b, {})) << setting(a).name << " / " << setting(b).name;
        EXPECT_NE(std::find(pairs.begin(), pairs.end(), std::pair{a, b}), pairs.end()) << setting(a).name;
    }
    // Overlapping bits are not one setting.
    EXPECT_FALSE(same_setting(SettingKey::VantorEqualizer, SettingKey::EgranoEqualizer, {}));
    EXPECT_FALSE(same_setting(SettingKey::VantorMeshReachOut, SettingKey::DuvaneSpeakerAccessorySelect, {}));
    EXPECT_FALSE(same_setting(SettingKey::Sidetone, SettingKey::VantorSidetone, {}));
}
