#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include <nlohmann/json.hpp>

#include "device/backup_archive.h"
#include "tests/device/record_fixture.h"

namespace {

using R = KIVOBluetoothDeviceData;
using json = nlohmann::ordered_json;
namespace fs = std::filesystem;

// The archive's keys in order, written out by hand from the archive's definition.
std::vector<std::string> expected_keys()
{
    std::vector<std::string> keys = {"$class",
                                     "keyManagerVersionMajor",
                                     "keyManagerVersionMinor",
                                     "keyDeviceRecognized",
                                     "keyDeviceName",
                                     "keyDeviceVersionMajor",
                                     "keyDeviceVersionMinor",
                                     "keyDeviceSecondaryVersionType",
                                     "keyDeviceSecondaryVersion",
                                     "keyDateArchived",
                                     "keyIntercomVOX",
                                     "keyHandsfreeVOX",
                                     "keyEDR",
                                     "keyVoicePrompt",
                                     "keyPLC",
                                     "keyBitpoolRate",
                                     "keyMicrophoneBoost",
                                     "keySidetone",
                                     "keyAdvancedNoiseControl",
                                     "keyAutoGainControl",
                                     "keyAudioBoost",
                                     "keyHDIntercom",
                                     "keyFMStationGuide",
                                     "keyHDVoice",
                                     "keyAudioSourcePriority",
                                     "keyAudioOverlay",
                                     "keyAutoOnOff",
                                     "keyAutoStartRecording",
                                     "keySmartNaviSystem",
                                     "keySmartNaviSystem2",
                                     "keyAutoOff",
                                     "keySimpleUI",
                                     "keyRadioTransmitGain",
                                     "keyAudioChannelTimeout",
                                     "keyBasicSettingBrisko01",
                                     "keyBasicSettingBrisko02",
                                     "keyBasicSettingBrisko03",
                                     "keyBasicSettingBrisko04",
                                     "keyBasicSettingBrisko05",
                                     "keyBasicSettingBrisko06",
                                     "keyBasicSettingBrisko07",
                                     "keyBasicSettingBrisko08",
                                     "keyBasicSettingBrisko09",
                                     "keyBasicSettingBrisko10",
                                     "keyBasicSettingPintraVOXSensitivity01",
                                     "keyBasicSettingPintraVOXSensitivity02",
                                     "keyBasicSettingTavelSmartVolumeControl01",
                                     "keyBasicSettingTavelSmartVolumeControl02",
                                     "keyBasicSettingWispenCamera01",
                                     "keyBasicSettingWispenCamera02",
                                     "keyBasicSettingWispenCamera03",
                                     "keyBasicSettingWispenCamera04",
                                     "keyFMRadioRegion",
                                     "keyFMRadioMagicCode",
                                     "keyFMRadioCurrentFrequency",
                                     "keyFMRadioCurrentPreset"};
    for (int i = 1; i <= 10; ++i)
        keys.push_back((i < 10 ? "keyFMRadioPreset0" : "keyFMRadioPreset") + std::to_string(i));
    keys.insert(keys.end(), {"keyFMRadioRDS", "keySpeedDial01", "keySpeedDial02", "keySpeedDial03"});
    return keys;
}

// The record as it must come back: the populated record without the fields the archive leaves out.
R archived_part_of(R r)
{
    R empty;
    r.setBdAddress("");
    r.setLastSixBDAddress("");
    r.setDivisionBriskoevoValue(0);
    r.setDeviceBdAddress("");
    r.setDeviceVersion01Major_Minor(0, 0);
    r.setDeviceSecondaryVersionType01(0);
    r.setDeviceSecondaryVersion01(0);
    r.setDeviceVersion02Major_Minor(0, 0);
    r.setDeviceSecondaryVersionType02(0);
    r.setDeviceSecondaryVersion02(0);
    r.setDevicelanguagePackType(0);
    r.setDevicelanguagePackTypeVerMajor(0);
    r.setDevicelanguagePackTypeVerMinor(0);
    r.setGrennikLanguage(0);
    r.setVoiceAssistant(0);
    r.setBackgroundVolume(0);
    r.setVARGOFMRadio(0);
    r.setVARGOSmartphoneConnet(0);
    return r;
}

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "kivo-archive-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Runs a body with TZ set, then puts the zone back.
class ZoneScope {
public:
    explicit ZoneScope(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ZoneScope()
    {
        if (old_)
            ::setenv("TZ", old_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> old_;
};

TEST(BackupArchive, WritesExactlyTheKeysInOrderWithTheirTypes)
{
    const ZoneScope zone("KVT-05:30");
    const json archive = json::parse(kivo::archive_device_record(populated_record(0x6461)));

    std::vector<std::string> keys;
    for (const auto& [key, value] : archive.items()) {
        keys.push_back(key);
        const bool text =
            key == "keyDeviceName" || key.starts_with("keySpeedDial") || key == "keyDateArchived" || key == "$class";
        EXPECT_TRUE(text ? value.is_string() : value.is_number_integer()) << key;
    }
    EXPECT_EQ(keys, expected_keys());
    EXPECT_EQ(archive.at("$class"), "KIVOBluetoothDeviceData");
    EXPECT_EQ(archive.at("keyDateArchived"), "2023-07-14T15:11:05+05:30");
    EXPECT_EQ(archive.at("keyBasicSettingWispenCamera03"), populated_record(0).basicSettingWispenCameraAt(2));

    // A record never backed up has no date.
    EXPECT_TRUE(json::parse(kivo::archive_device_record(R{})).at("keyDateArchived").is_null());
}

TEST(BackupArchive, RoundTripKeepsEveryArchivedFieldAndOnlyThose)
{
    for (const int product : {0x6461, 0x3020}) {
        const R original = populated_record(product);
        const R back = kivo::unarchive_device_record(kivo::archive_device_record(original));
        EXPECT_EQ(back, archived_part_of(original)) << std::hex << product;
        // Camera words 2 and 3 carry the camera's settings from firmware 2.0.
        EXPECT_EQ(back.basicSettingWispenCameraAt(3), original.basicSettingWispenCameraAt(3));
    }

    // Texts a device hands over are not always UTF-8; the backup is still written and readable.
    R odd;
    odd.setDeviceName("Trail\xFF");
    EXPECT_EQ(kivo::unarchive_device_record(kivo::archive_device_record(odd)).deviceName(), "Trail\xEF\xBF\xBD");
}

TEST(BackupArchive, ReadsArchivesOfOlderVersionsThroughTheFloatVersionKeys)
{
    const R r = kivo::unarchive_device_record(R"({
        "$class": "KIVOBluetoothDeviceData",
        "keyManagerVersion": 1.1, "keyManagerVersionMinor": 9,
        "keyDeviceRecognized": 16912, "keyDeviceName": null,
        "keyDeviceVersion": 2.3, "keyDeviceVersionMinor": 9,
        "keyDeviceSecondaryVersion": 4,
        "keySidetone": 1,
        "keyBasicSettingWispenCamera01": 5, "keyBasicSettingWispenCamera02": 6,
        "keyFMRadioRegion": 7, "keyFMRadioPreset06": 9010,
        "keySpeedDial02": "555",
        "keyFutureSetting": "ignored"
    })");
    EXPECT_EQ(r.managerVersionMajor(), 1);
    EXPECT_EQ(r.managerVersionMinor(), 1); // the minor key is not read in the fallback
    EXPECT_EQ(r.deviceVersionMajor(), 2);
    EXPECT_EQ(r.deviceVersionMinor(), 3);
    EXPECT_EQ(r.deviceSecondaryVersion(), 4);
    EXPECT_EQ(r.deviceRecognized(), 0x4210);
    EXPECT_EQ(r.deviceName(), "");
    EXPECT_FALSE(r.dateArchived());
    EXPECT_EQ(r.sidetone(), 1);
    EXPECT_EQ(r.basicSettingWispenCameraAt(1), 6);
    EXPECT_EQ(r.basicSettingWispenCameraAt(2), 0); // archives from before camera words 2 and 3
    EXPECT_EQ(r.basicSettingWispenCameraAt(3), 0);
    EXPECT_EQ(r.fmRadioRegion(), 0); // outside 0 to 5
    EXPECT_EQ(r.fmRadioPresetsAt(5), 9010);
    EXPECT_EQ(r.speedDialAt(0), "");
    EXPECT_EQ(r.speedDialAt(1), "555");

    // No version at all reads as 0.0; "%0.1f" decides the rounding of odd floats.
    const char* kHeader = R"({"$class": "KIVOBluetoothDeviceData")";
    const R none = kivo::unarchive_device_record(std::string(kHeader) + "}");
    EXPECT_EQ(none.managerVersionMajor(), 0);
    EXPECT_EQ(none.deviceVersionMinor(), 0);
    const R rounded = kivo::unarchive_device_record(std::string(kHeader) +
                                                    R"(, "keyDeviceVersion": 3.96, "keyManagerVersion": 1e300})");
    EXPECT_EQ(rounded.deviceVersionMajor(), 4);
    EXPECT_EQ(rounded.deviceVersionMinor(), 0);
    EXPECT_EQ(rounded.managerVersionMajor(), INT_MAX);
}

TEST(BackupArchive, MalformedOrForeignContentRaisesArchiveError)
{
    const std::string header = R"({"$class": "KIVOBluetoothDeviceData", )";
    const std::string cases[] = {
        "not json at all",
        R"({"$class": "KIVOBluetoothDeviceData", )", // cut short
        "[1, 2, 3]",
        R"({"keyDeviceRecognized": 1})", // no class: not one of our archives
        R"({"$class": "KIVOBluetoothManagerAppController", "keyDeviceRecognized": 1})",
        R"({"$class": 7})",
        header + R"("keyDeviceRecognized": "0x3142"})",
        // The first integers past an int, as an unsigned reader meets them, and 2^32.
        header + R"("keyDeviceRecognized": 2147483648})",
        header + R"("keyDeviceRecognized": 4294967295})",
        header + R"("keyDeviceRecognized": 4294967296})",
        header + R"("keySidetone": -2147483649})",
        header + R"("keySidetone": 1.5})",
        header + R"("keySidetone": true})",
        header + R"("keyDeviceName": 12})",
        header + R"("keySpeedDial01": ["1"]})",
        header + R"("keyDateArchived": "yesterday"})",
        header + R"("keyDateArchived": "2023-02-30T10:00:00Z"})",
        header + R"("keyDateArchived": 1690000000})",
        header + R"("keyManagerVersion": "1.2"})",
    };
    for (const auto& text : cases)
        EXPECT_THROW(kivo::unarchive_device_record(text), ArchiveError) << text;
}

TEST(BackupArchive, TheEdgesOfAnIntAreTaken)
{
    const std::string header = R"({"$class": "KIVOBluetoothDeviceData", )";
    EXPECT_EQ(kivo::unarchive_device_record(header + R"("keySidetone": 2147483647})").sidetone(), INT_MAX);
    EXPECT_EQ(kivo::unarchive_device_record(header + R"("keySidetone": -2147483648})").sidetone(), INT_MIN);
}

TEST(BackupArchive, DatesReadInAnyZoneAndWriteWithTheLocalOffset)
{
    using namespace std::chrono;
    const sys_seconds noon = sys_days{year{2024} / 5 / 1} + hours{12} + minutes{3} + seconds{9};
    for (const char* text : {"2024-05-01T12:03:09Z", "2024-05-01T14:03:09+02:00", "2024-05-01T14:03:09+0200",
                             "2024-05-01T07:03:09-05", "2024-05-01T12:03:09.750Z"})
        EXPECT_EQ(parse_iso8601(text), noon) << text;
    for (const char* text : {"2024-05-01 12:03:09Z", "2024-05-01T12:03:09", "2024-13-01T12:03:09Z",
                             "2024-05-01T24:00:00Z", "2024-05-01T12:03:09+02:", ""})
        EXPECT_FALSE(parse_iso8601(text)) << text;

    {
        const ZoneScope zone("KVT+03");
        EXPECT_EQ(format_iso8601(noon), "2024-05-01T09:03:09-03:00");
        EXPECT_EQ(parse_iso8601(format_iso8601(noon)), noon);
    }
    {
        const ZoneScope zone("UTC0");
        EXPECT_EQ(format_iso8601(noon), "2024-05-01T12:03:09+00:00");
    }
}

TEST(BackupArchive, DatesStayWithinTheYearsTheWriterCanWriteBack)
{
    using namespace std::chrono;
    const sys_seconds first = sys_days{year{0} / 1 / 1};
    const sys_seconds last = sys_days{year{9999} / 12 / 31} + hours{23} + minutes{59} + seconds{59};
    // A zone offset that moves the instant past either end is an unreadable date, like any other.
    const struct {
        const char* text;
        std::optional<sys_seconds> date;
    } cases[] = {
        {"0000-01-01T00:00:00Z", first},
        {"0000-01-01T05:00:00+05:00", first},
        {"0000-01-01T00:00:00+00:01", std::nullopt},
        {"9999-12-31T23:59:59Z", last},
        {"9999-12-31T18:59:59-05:00", last},
        {"9999-12-31T23:59:59-00:01", std::nullopt},
        {"9999-12-31T23:59:60Z", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse_iso8601(c.text), c.date) << c.text;
    const std::string header = R"({"$class": "KIVOBluetoothDeviceData", "keyDateArchived": )";
    EXPECT_THROW(kivo::unarchive_device_record(header + R"("9999-12-31T23:00:00-23:59"})"), ArchiveError);

    // The writer never writes a year the reader refuses, whatever the local zone and the date.
    for (const char* zone : {"UTC0", "KVT-14", "KVT+12"}) {
        const ZoneScope scope(zone);
        for (const sys_seconds date : {first, last, first - days{400}, last + days{400}}) {
            const std::string text = format_iso8601(date);
            EXPECT_EQ(parse_iso8601(text), std::clamp(date, first, last)) << zone << " " << text;
        }
    }
}

TEST(BackupArchiveFile, WritesAtomicallyAndReadsBack)
{
    const TempFolder folder;
    const fs::path path = folder.path() / "backup_3142.archive";

    EXPECT_FALSE(kivo::read_backup_archive(path)); // missing: no record
    std::ofstream(path).close();
    EXPECT_FALSE(kivo::read_backup_archive(path)); // empty: no record either

    const R first = archived_part_of(populated_record(0x6461));
    ASSERT_TRUE(kivo::write_backup_archive(first, path));
    R second = first;
    second.setDeviceName("Trail 9");
    ASSERT_TRUE(kivo::write_backup_archive(second, path));
    EXPECT_EQ(kivo::read_backup_archive(path), second);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1)
        << "no temporary file left behind";

    // A write that cannot happen reports it and leaves the old archive as it was.
    std::string error;
    EXPECT_FALSE(kivo::write_backup_archive(first, folder.path() / "missing" / "b.archive", &error));
    EXPECT_FALSE(error.empty());
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(folder.path().c_str(), W_OK) != 0) { // root may write anyway
        EXPECT_FALSE(kivo::write_backup_archive(first, path));
        EXPECT_EQ(kivo::read_backup_archive(path), second);
    }
    fs::permissions(folder.path(), fs::perms::owner_all);

    // Something that is not an archive, or not a file, raises.
    std::ofstream(path) << "{\"$class\": \"SomethingElse\"}";
    EXPECT_THROW(kivo::read_backup_archive(path), ArchiveError);
    EXPECT_THROW(kivo::read_backup_archive(folder.path()), ArchiveError);
}

} // namespace
