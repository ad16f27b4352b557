// The information a row of the all-settings table shows: the text of its kind for the device's
// family, firmware, speaker code and the speaker select of the working copy, the box size, and
// formats filled with the table's titles in every language.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "settings/table/layout_table.h"
#include "settings/table/row_information.h"
#include "settings/table/titles.h"
#include "tests/settings/table/table_device.h"

using namespace kivo::settings;
using K = SettingKey;
using Record = KIVOBluetoothDeviceData;

namespace {

// One device at a firmware with a speaker code.
struct Device : TableDevice {
    Device(int product, FirmwareQuad version, int speaker = 0)
        : TableDevice(product, version, {.speaker = speaker})
    { }
    std::optional<RowInformation> information(TableKind kind) const { return row_information(context(), row_of(kind)); }
};

// The Egrano speaker select stores value + 8: the value that reads back as `code`.
constexpr int egrano(int code) { return code - 8; }

int count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

} // namespace

TEST(TableRowInformation, TextAndSizeFollowFamilyFirmwareSpeakerCodeAndSelect)
{
    struct Case {
        int product;
        FirmwareQuad version;
        int speaker;
        TableKind kind;
        std::vector<std::pair<SettingKey, int>> selects;
        InfoText text;
        int size;
    };
    const Case cases[] = {
        {0x3132,
         {1, 4, 0, 0},
         -1,
         TableKind::AudioBoost,
         {{K::EgranoSpeakerAccessorySelect, egrano(1)}},
         InfoText::AudioBoost2_old,
         2},
        {0x3132,
         {1, 4, 0, 0},
         -1,
         TableKind::AudioBoost,
         {{K::EgranoSpeakerAccessorySelect, egrano(0)}},
         InfoText::AudioBoost2,
         2},
        {0x3132,
         {1, 3, 0, 0},
         -1,
         TableKind::AudioBoost,
         {{K::EgranoSpeakerAccessorySelect, egrano(0)}},
         InfoText::AudioBoost2_old,
         2},
        {0x3211, {1, 0, 0, 0}, 0, TableKind::AudioBoost, {}, InfoText::AudioBoost2, 2},
        {0x3112,
         {3, 3, 0, 0},
         0,
         TableKind::AudioEqualizer,
         {{K::DuvaneSpeakerAccessorySelect, 1}},
         InfoText::AudioEqualizerMerrow,
         6},
        {0x3112,
         {3, 3, 0, 0},
         0,
         TableKind::AudioEqualizer,
         {{K::DuvaneSpeakerAccessorySelect, 0}},
         InfoText::AudioEqualizer,
         6},
        {0x3212,
         {1, 4, 0, 0},
         0,
         TableKind::AudioEqualizer,
         {{K::EgranoSpeakerAccessorySelect, egrano(1)}},
         InfoText::AudioEqualizerMerrow,
         6},
        {0x3212,
         {1, 4, 0, 0},
         -1,
         TableKind::AudioEqualizer,
         {{K::EgranoSpeakerAccessorySelect, egrano(1)}},
         InfoText::AudioEqualizer,
         6},
        {0x3212,
         {1, 4, 0, 0},
         -1,
         TableKind::AudioEqualizer,
         {{K::EgranoSpeakerAccessorySelect, egrano(9)}},
         InfoText::AudioEqualizerMerrow,
         6},
        {0x3210,
         {1, 0, 0, 0},
         0,
         TableKind::AudioEqualizer,
         {{K::EgranoSpeakerAccessorySelect, egrano(1)}},
         InfoText::AudioEqualizer,
         4},
        {0x3240, {1, 0, 0, 0}, 0, TableKind::AudioEqualizer, {}, InfoText::AudioEqualizerQuarn, 6},
        {0x5510, {1, 5, 0, 0}, 0, TableKind::VideoMode, {}, InfoText::VideoMode, 2},
        {0x5510, {2, 0, 0, 0}, 0, TableKind::VideoMode, {}, InfoText::VideoMode, 4},
        {0x5510, {3, 0, 0, 0}, 0, TableKind::AutoCameraSleep, {}, InfoText::AutoCameraSleep, 4},
        {0x3214, {1, 0, 0, 0}, 0, TableKind::HeadsetLanguage, {}, InfoText::HeadsetUnitLanguage, 2},
        {0x3214, {1, 0, 0, 0}, -1, TableKind::HeadsetLanguage, {}, InfoText::UnitLanguage, 2},
        {0x6808,
         {1, 0, 0, 0},
         0,
         TableKind::AudioOverlayVolumeManagement,
         {},
         InfoText::AudioOverlayVolumeManagementNoFMGPS,
         3},
        {0x4310,
         {1, 0, 0, 0},
         0,
         TableKind::AudioOverlayVolumeManagement,
         {},
         InfoText::AudioOverlayVolumeManagement,
         4},
        {0x3161, {1, 0, 0, 0}, 0, TableKind::ChannelSelect, {}, InfoText::MeshPublicChannel, 2},
        {0x5630,
         {1, 0, 0, 0},
         0,
         TableKind::IntercomAudioOverlaySensitivity,
         {},
         InfoText::IntercomAudioOverlaySesitivityVantor,
         4},
        {0x6030,
         {1, 0, 0, 0},
         0,
         TableKind::AudioMultitaskingForOrlet,
         {},
         InfoText::AudioMultitaskingOneModuleForOrlet,
         2},
        {0x4023, {2, 3, 0, 0}, 0, TableKind::AudioMultitasking, {}, InfoText::AudioMultitaskingWithQCC, 6},
    };
    for (const Case& c : cases) {
        Device device(c.product, c.version, c.speaker);
        for (const auto& [key, value] : c.selects)
            write(key, device.current, value, access_context(device.context()));
        const std::string what = hex(c.product) + " " + std::string(table_kind(c.kind).name) + " at " +
            std::to_string(c.version.major) + "." + std::to_string(c.version.minor) + " speaker " +
            std::to_string(c.speaker);
        const int row = device.row_of(c.kind);
        ASSERT_GE(row, 0) << what;
        const std::optional<InfoShown> entry = row_information_entry(device.context(), row);
        ASSERT_TRUE(entry.has_value()) << what;
        EXPECT_EQ(info_text_name(entry->text), info_text_name(c.text)) << what;
        EXPECT_EQ(entry->size, c.size) << what;
        const std::optional<RowInformation> shown = row_information(device.context(), row);
        EXPECT_EQ(shown->size, c.size) << what;
    }

    // From 2.0 the video mode's text names loop recording too.
    EXPECT_EQ(Device(0x5510, {1, 5, 0, 0}).information(TableKind::VideoMode)->text.find("loop"), std::string::npos);
    EXPECT_NE(Device(0x5510, {2, 0, 0, 0}).information(TableKind::VideoMode)->text.find("loop"), std::string::npos);
}

TEST(TableRowInformation, RowsWithoutInformationAndPressesOutsideTheListShowNothing)
{
    const Device tressel(0x3161, {1, 0, 0, 0});
    EXPECT_EQ(tressel.information(TableKind::RemoteUIRTT), std::nullopt);
    EXPECT_FALSE(build_row(tressel.context(), tressel.row_of(TableKind::RemoteUIRTT))->informationShown);
    EXPECT_TRUE(build_row(tressel.context(), tressel.row_of(TableKind::ChannelSelect))->informationShown);
    const Device camera(0x5510, {3, 0, 0, 0});
    EXPECT_EQ(camera.information(TableKind::SpeakerSoundRecordingPhone), std::nullopt);
    EXPECT_EQ(row_information(camera.context(), -1), std::nullopt);
    EXPECT_EQ(row_information(camera.context(), row_count(camera.context())), std::nullopt);
    EXPECT_EQ(row_information(Device(0x1234, {1, 0, 0, 0}).context(), 0), std::nullopt);
}

TEST(TableRowInformation, FormatsTakeTheTablesTitlesInTheInterfaceLanguage)
{
    Device brisko(0x4210, {2, 5, 0, 0}, 0);
    brisko.session.deviceInfoStatus = 1;
    brisko.language = kivo::kFrench;
    const std::string french_title = localized(titles::kEightWayIntercom, kivo::kFrench);
    const std::string eight_way = brisko.information(TableKind::EightWayIntercom)->text;
    EXPECT_EQ(count(eight_way.substr(eight_way.find('\n')), french_title), 2) << eight_way;

    // The Finnish navigation text holds one placeholder for two names: it takes the first.
    brisko.language = kivo::kFinnish;
    const std::string navigation = brisko.information(TableKind::NavigationAppSupport)->text;
    EXPECT_EQ(count(navigation, "Audio Multitasking"), 1) << navigation;
    EXPECT_EQ(navigation.find("%@"), std::string::npos) << navigation;

    // Advanced noise control: no placeholder in English, the title filled in Japanese.
    Device camera(0x5510, {3, 0, 0, 0});
    const std::string english = camera.information(TableKind::AdvancedNoiseControl)->text;
    EXPECT_EQ(english, info_text(InfoText::AdvancedNoiseControl, kivo::kEnglish));
    EXPECT_TRUE(english.starts_with("[Advanced Noise Control]\n")) << english;
    camera.language = kivo::kJapanese;
    const std::string japanese = camera.information(TableKind::AdvancedNoiseControl)->text;
    EXPECT_NE(info_text(InfoText::AdvancedNoiseControl, kivo::kJapanese).find("%@"), std::string::npos);
    EXPECT_EQ(japanese.find("%@"), std::string::npos) << japanese;
    EXPECT_EQ(count(japanese, "Advanced Noise Control"),
              count(info_text(InfoText::AdvancedNoiseControl, kivo::kJapanese), "Advanced Noise Control") + 1)
        << japanese;
}

// Every row with information, of every product at the lower bound of each of its lines, in every
// language: a whole text, no placeholder left, a known box size.
TEST(TableRowInformation, EveryTextIsWholeInEveryLanguage)
{
    std::set<std::pair<int, InfoText>> seen;
    for (const LayoutLine& line : layout_lines())
        for (int product : line.products) {
            if (product == 0)
                continue;
            const VersionBound& from = line.firmware.from;
            Device device(product, {from.major, from.minor, from.secondaryType, from.secondary});
            for (int row = 0; row < row_count(device.context()); ++row)
                for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
                    device.language = language;
                    const std::optional<RowInformation> shown = row_information(device.context(), row);
                    if (!shown)
                        continue;
                    const InfoShown entry = *row_information_entry(device.context(), row);
                    seen.insert({product, entry.text});
                    EXPECT_TRUE(shown->size == 2 || shown->size == 3 || shown->size == 4 || shown->size == 6);
                    EXPECT_TRUE(shown->text.starts_with("[")) << hex(product) << " row " << row << " " << language;
                    EXPECT_EQ(shown->text.find("%@"), std::string::npos)
                        << hex(product) << " row " << row << " in " << language << ": " << shown->text;
                }
        }
    EXPECT_GT(seen.size(), 100u);
}
