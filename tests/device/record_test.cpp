#include <gtest/gtest.h>

#include <chrono>

#include "device/device_data.h"
#include "tests/device/record_fixture.h"

namespace {

using R = KIVOBluetoothDeviceData;

TEST(DeviceRecord, StartsEmptyAndKeepsSlotsAndRegionInRange)
{
    R r;
    EXPECT_EQ(r, R{});
    EXPECT_EQ(r.deviceRecognized(), 0);
    EXPECT_EQ(r.deviceName(), "");
    EXPECT_FALSE(r.dateArchived());
    EXPECT_EQ(r.basicSettingBrisko(9), 0);
    EXPECT_EQ(r.speedDialAt(2), "");

    for (const int region : {6, -1, 100}) {
        r.setFmRadioRegion(3);
        r.setFmRadioRegion(region);
        EXPECT_EQ(r.fmRadioRegion(), 0) << region;
    }
    r.setFmRadioRegion(5);
    EXPECT_EQ(r.fmRadioRegion(), 5);

    // The mesh accessory's words are settings words 0 to 2.
    r.setBasicSettingLinkbayVolume_with(1, 0x0405);
    EXPECT_EQ(r.basicSettingBrisko(1), 0x0405);
    EXPECT_EQ(r.basicSettingLinkbayMicrophoneAt(1), 0x0405);

    // An index past a slot array reads 0 and writes nothing, instead of touching other fields.
    const R before = r;
    r.setBasicSettingBriskoAt_with(10, 7);
    r.setBasicSettingWispenCamera_with(4, 7);
    r.setBasicSettingPintraVOXSensitivity_with(-1, 7);
    r.setFmRadioPresetsAt_with(10, 7);
    r.setSpeedDialAt_with(3, "7");
    EXPECT_EQ(r, before);
    EXPECT_EQ(r.basicSettingTavelSmartVolumeControlAt(2), 0);
    EXPECT_EQ(r.speedDialAt(-1), "");
}

// Fields copyWithSource_version leaves alone, whatever the source holds.
void expect_copied_except_kept(const R& copy, const R& source, const R& kept)
{
    R expected = source;
    expected.setVoiceAssistant(kept.voiceAssistant());
    expected.setDeviceBdAddress(kept.deviceBdAddress());
    EXPECT_EQ(copy, expected);
}

TEST(DeviceRecordCopy, WorkingCopyTakesEverythingButVoiceAssistantAndDeviceAddress)
{
    const R source = populated_record(0x6461); // ten presets, has background volume
    R copy;
    copy.setVoiceAssistant(1);
    copy.setDeviceBdAddress("kept");
    const R kept = copy;
    copy.copyWithSource_version(source, 1);
    expect_copied_except_kept(copy, source, kept);
}

TEST(DeviceRecordCopy, VersionFlagZeroKeepsTheReceiversFirmwareVersions)
{
    const R source = populated_record(0x6461);
    R copy;
    copy.setDeviceVersionMajor_Minor(3, 1);
    copy.setDeviceVersion01Major_Minor(5, 5);
    copy.setDeviceSecondaryVersion02(9);
    copy.copyWithSource_version(source, 0);
    EXPECT_EQ(copy.deviceVersionMajor(), 3);
    EXPECT_EQ(copy.deviceVersionMinor(), 1);
    EXPECT_EQ(copy.deviceSecondaryVersionType(), 0);
    EXPECT_EQ(copy.deviceVersionMajor01(), 5);
    EXPECT_EQ(copy.deviceSecondaryVersion02(), 9);
    EXPECT_EQ(copy.devicelanguagePackType(), source.devicelanguagePackType());
    EXPECT_EQ(copy.basicSettingBrisko(9), source.basicSettingBrisko(9));
}

// The product id is copied first; the background volume and the FM presets go by the copied id,
// not by what the receiver was before.
TEST(DeviceRecordCopy, ProductRulesFollowTheJustCopiedProductId)
{
    struct Case {
        int receiverProduct, sourceProduct;
        bool backgroundCopied;
        int presetsCopied;
    };
    const Case cases[] = {
        {0x6461, 0x4210, false, 10}, {0x4210, 0x6620, true, 10}, {0x4210, 0x6030, false, 6},
        {0x6030, 0x4210, false, 10}, {0x6010, 0x6036, false, 6},
    };
    for (const auto& c : cases) {
        const R source = populated_record(c.sourceProduct);
        R copy;
        copy.setDeviceRecognized(c.receiverProduct);
        copy.setBackgroundVolume(-5);
        for (int i = 0; i < R::kFmPresetCount; ++i)
            copy.setFmRadioPresetsAt_with(i, -i);

        copy.copyWithSource_version(source, 1);
        EXPECT_EQ(copy.backgroundVolume(), c.backgroundCopied ? source.backgroundVolume() : -5)
            << std::hex << c.receiverProduct << " <- " << c.sourceProduct;
        for (int i = 0; i < R::kFmPresetCount; ++i)
            EXPECT_EQ(copy.fmRadioPresetsAt(i), i < c.presetsCopied ? source.fmRadioPresetsAt(i) : -i)
                << std::hex << c.sourceProduct << " preset " << std::dec << i;
    }
}

TEST(DeviceRecordCopy, BackupCopyStampsManagerVersionAndDateAndDropsModuleAndOemFields)
{
    const R source = populated_record(0x6030);
    R backup;
    for (int i = 0; i < R::kFmPresetCount; ++i)
        backup.setFmRadioPresetsAt_with(i, -i);

    const auto before = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    backup.configureWithSource(source);
    const auto after = std::chrono::system_clock::now();

    ASSERT_TRUE(backup.dateArchived());
    EXPECT_GE(*backup.dateArchived(), before);
    EXPECT_LE(*backup.dateArchived(), after);

    R expected = source;
    expected.setManagerVersionMajor(1);
    expected.setManagerVersionMinor(2);
    expected.setDateArchived(backup.dateArchived());
    expected.setDeviceVersionMajor01(0);
    expected.setDeviceVersionMinor01(0);
    expected.setDeviceSecondaryVersionType01(0);
    expected.setDeviceSecondaryVersion01(0);
    expected.setDeviceVersionMajor02(0);
    expected.setDeviceVersionMinor02(0);
    expected.setDeviceSecondaryVersionType02(0);
    expected.setDeviceSecondaryVersion02(0);
    expected.setVARGOFMRadio(0);
    expected.setVARGOSmartphoneConnet(0);
    expected.setBackgroundVolume(0);
    expected.setVoiceAssistant(0);
    expected.setDeviceBdAddress("");
    for (int i = 6; i < R::kFmPresetCount; ++i) // a six-preset product
        expected.setFmRadioPresetsAt_with(i, -i);
    EXPECT_EQ(backup, expected);

    // Even from a product that has it, the backup never carries the background volume.
    R other;
    other.configureWithSource(populated_record(0x6461));
    EXPECT_EQ(other.backgroundVolume(), 0);
    EXPECT_EQ(other.fmRadioPresetsAt(9), populated_record(0x6461).fmRadioPresetsAt(9));
}

} // namespace
