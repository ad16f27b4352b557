// What a row of the all-settings table shows: how a value selects a cell or an item, when a row may
// be changed, and rows built from real layouts, working copies and languages.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "settings/table/row_model.h"

using namespace kivo::settings;
using kivo::DeviceSession;
using Record = KIVOBluetoothDeviceData;

namespace {

// One device: the session, the recognized record and a working copy, all zero unless set.
struct Device {
    DeviceSession session;
    Record data;
    Record current;
    kivo::ManagerLanguage language = kivo::kEnglish;

    Device(int product, FirmwareQuad version, int speaker = 0, int info = 0)
    {
        session.deviceTarget = product;
        session.deviceEgranoSpeakerType = speaker;
        session.deviceInfoStatus = info;
        data.setDeviceVersion(version);
    }
    TableContext context() const { return {session, data, current, language}; }
    // Stores `value` through the setting's own setter, in the working copy.
    Device& with(SettingKey key, int value)
    {
        write(key, current, value, access_context(context()));
        return *this;
    }
    // The row of the n-th `kind` in the full list; -1 when there is none.
    int row_of(TableKind kind, int occurrence = 0) const
    {
        for (int row = 0;; ++row) {
            const std::optional<ResolvedRow> resolved = resolve_row(context(), row);
            if (!resolved)
                return -1;
            if (resolved->kind == kind && resolved->occurrence == occurrence)
                return row;
        }
    }
    RowState row(TableKind kind, int occurrence = 0) const
    {
        const int index = row_of(kind, occurrence);
        EXPECT_GE(index, 0) << table_kind(kind).name << " is not in the layout";
        const std::optional<RowState> state = build_row(context(), index);
        EXPECT_TRUE(state.has_value()) << table_kind(kind).name << " was not built";
        return state.value_or(RowState{});
    }
};

std::string selected_text(const RowState& state)
{
    return state.selected >= 0 && state.selected < static_cast<int>(state.items.size())
        ? state.items[static_cast<std::size_t>(state.selected)]
        : "(none)";
}

// The Egrano speaker select and microphone select store value + 8; these give the stored code.
constexpr int code(int stored) { return stored - 8; }

} // namespace

TEST(TableRows, MappingsAndIndexRulesSelectTheirCellOrItem)
{
    const struct {
        OnOffMapping mapping;
        int value;
        int column;
    } on_off[] = {
        {OnOffMapping::Direct, 0, 1},   {OnOffMapping::Direct, 2, 0}, {OnOffMapping::Inverted, 0, 0},
        {OnOffMapping::Inverted, 1, 1}, {OnOffMapping::Code8, 8, 1},  {OnOffMapping::Code8, 0, 0},
        {OnOffMapping::Code8, 9, 0},
    };
    for (const auto& c : on_off)
        EXPECT_EQ(selected_column(c.mapping, c.value), c.column) << mapping_name(c.mapping) << " " << c.value;

    const struct {
        IndexRule rule;
        int value;
        int items;
        int index;
    } choice[] = {
        {IndexRule::ReversedTen, 10, 10, 0}, {IndexRule::ReversedTen, 1, 10, 9},
        {IndexRule::OneBased, 1, 5, 0},      {IndexRule::OneBased, 0, 5, -1},
        {IndexRule::SpeakerEight, 9, 2, 1},  {IndexRule::SpeakerEight, 7, 2, -1},
        {IndexRule::EssStatus, 0, 4, 0},     {IndexRule::EssStatus, 3, 4, 3},
        {IndexRule::EssStatus, 4, 4, 0},     {IndexRule::EssLevel, 0, 3, 1},
        {IndexRule::EssLevel, 2, 3, 1},      {IndexRule::EssLevel, 7, 3, 1},
        {IndexRule::Direct, 5, 5, -1},       {IndexRule::ReversedTen, INT_MIN, 10, -1},
    };
    for (const auto& c : choice)
        EXPECT_EQ(selected_item(c.rule, c.value, c.items), c.index) << index_rule_name(c.rule) << " " << c.value;
}

TEST(TableRows, EnablingRulesReadTheWorkingCopyTheFirmwareAndTheInformationCode)
{
    const struct {
        const EnablingRule& rule;
        FirmwareQuad version;
        int info;
        SettingKey key;
        int value; // stored through the key's setter
        bool enabled;
    } cases[] = {
        {kE1, {1, 0}, 0, SettingKey::BriskoAudioMultitasking, 1, true},
        {kE1, {1, 0}, 0, SettingKey::BriskoAudioMultitasking, 0, false},
        {kE2, {1, 4}, 0, SettingKey::EgranoSpeakerAccessorySelect, code(8), false},
        {kE3, {1, 3}, 0, SettingKey::EgranoSpeakerAccessorySelect, code(8), false},
        {kE3, {1, 4}, 0, SettingKey::EgranoSpeakerAccessorySelect, code(8), true},
        {kE3, {1, 3}, 0, SettingKey::EgranoSpeakerAccessorySelect, code(9), true},
        {kE9, {1, 0}, 0, SettingKey::AudioOverlay, 1, false},
        {kE9, {1, 0}, 0, SettingKey::AudioOverlay, 0, true},
        {kE10, {1, 0}, 0, SettingKey::VantorAudioOverlay, 1, false},
        {kE10, {1, 0}, 0, SettingKey::VantorAudioOverlay, 0, true},
        {kE11, {1, 0}, 0, SettingKey::AudioOverlay, 0, true},
        {kE11, {1, 0}, 2, SettingKey::AudioOverlay, 0, false},
        {kE12, {1, 0}, 0, SettingKey::AudioOverlay, 0, true},
        {kE12, {1, 0}, 2, SettingKey::AudioOverlay, 0, false},
        {kE12, {1, 0}, 7, SettingKey::AudioOverlay, 0, false},
        {kE12, {1, 0}, 5, SettingKey::AudioOverlay, 0, true},
        {kE13, {1, 0}, 0, SettingKey::WispenCameraSpeakerSoundRecording, 0, false},
        {kE13, {1, 0}, 0, SettingKey::WispenCameraSpeakerSoundRecording, 1, true},
    };
    for (const auto& c : cases) {
        Device device(0x3132, c.version, 0, c.info);
        device.with(c.key, c.value);
        EXPECT_EQ(enabled_by(c.rule, {device.current, device.data, c.info, {}}), c.enabled)
            << rule_name(c.rule) << " at " << c.version.major << "." << c.version.minor << " info " << c.info << " "
            << setting(c.key).name << " " << c.value;
    }
}

TEST(TableRows, ARowsRuleFollowsProductFirmwareCodesAndItsPlaceInTheList)
{
    // 0x3132 from 1.3 with a speaker type of 0 to 7 lists audio boost twice: only the second is
    // greyed by the speaker choice.
    Device hidden(0x3132, {1, 3}, 0);
    hidden.with(SettingKey::EgranoSpeakerAccessorySelect, code(8));
    EXPECT_TRUE(hidden.row(TableKind::AudioBoost, 0).enabled);
    EXPECT_FALSE(hidden.row(TableKind::AudioBoost, 1).enabled);
    // With the speaker rows shown the one row follows the firmware (E3).
    Device shown(0x3132, {1, 3}, -1);
    shown.with(SettingKey::EgranoSpeakerAccessorySelect, code(8));
    EXPECT_EQ(shown.row_of(TableKind::AudioBoost, 1), -1);
    EXPECT_FALSE(shown.row(TableKind::AudioBoost).enabled);
    Device later(0x3132, {1, 4}, -1);
    later.with(SettingKey::EgranoSpeakerAccessorySelect, code(8));
    EXPECT_TRUE(later.row(TableKind::AudioBoost).enabled);
    // Below 1.3 the layout holds the second row back; it keeps the rule of every other product, E0.
    for (const auto& [version, rule] : {std::pair{FirmwareQuad{1, 2}, &kE0}, std::pair{FirmwareQuad{1, 3}, &kE2}}) {
        const Device device(0x3132, version, 0);
        const std::optional<ResolvedRow> second =
            resolve_row(device.context(), device.row_of(TableKind::AudioBoost, 1));
        ASSERT_TRUE(second.has_value()) << version.minor;
        EXPECT_EQ(second->rule, rule) << rule_name(*second->rule) << " at 1." << version.minor;
    }

    // 0x3112: the HD speaker accessory greys audio boost from 3.1, the Duvane speakers from 3.3.
    for (const auto& [version, key, greyed] :
         {std::tuple{FirmwareQuad{3, 0}, SettingKey::VantorHDSpeakerAccessory, false},
          std::tuple{FirmwareQuad{3, 1}, SettingKey::VantorHDSpeakerAccessory, true},
          std::tuple{FirmwareQuad{3, 3}, SettingKey::VantorHDSpeakerAccessory, false},
          std::tuple{FirmwareQuad{3, 3}, SettingKey::DuvaneSpeakerAccessorySelect, true}}) {
        Device device(0x3112, version);
        device.with(key, 1);
        EXPECT_EQ(device.row(TableKind::AudioBoost).enabled, !greyed) << version.major << "." << version.minor;
    }
}

TEST(TableRows, ChoiceRowsShowTheirItemsAndSelection)
{
    // Brisko overlay sensitivity counts down, and waits for audio multitasking.
    Device brisko(0x4310, {1, 0});
    brisko.with(SettingKey::BriskoAudioMultitaskingSensitivity, 10);
    EXPECT_EQ(selected_text(brisko.row(TableKind::IntercomAudioOverlaySensitivity)), "1");
    EXPECT_FALSE(brisko.row(TableKind::IntercomAudioOverlaySensitivity).enabled);
    brisko.with(SettingKey::BriskoAudioMultitaskingSensitivity, 1).with(SettingKey::BriskoAudioMultitasking, 1);
    EXPECT_EQ(selected_text(brisko.row(TableKind::IntercomAudioOverlaySensitivity)), "10");
    EXPECT_TRUE(brisko.row(TableKind::IntercomAudioOverlaySensitivity).enabled);

    // The same stored 1 is the first item on one family and the second on another.
    Device vantor(0x3110, {3, 4});
    vantor.with(SettingKey::VantorVoxSensitivity, 1);
    EXPECT_EQ(selected_text(vantor.row(TableKind::VOXSensitivity)), "1");
    Device airoha(0x6800, {1, 0});
    airoha.with(SettingKey::AirohaVoxSensitivity, 1);
    EXPECT_EQ(selected_text(airoha.row(TableKind::VOXSensitivity)), "2");

    const RowState volume = Device(0x3110, {3, 4}).row(TableKind::SmartVolumeControl);
    EXPECT_EQ(volume.items, (std::vector<std::string>{"Disable", "Low", "Medium", "High"}));
    EXPECT_EQ(volume.selected, 0);

    // The mesh accessory's volume runs from 8.
    Device linkbay(0x3500, {1, 0});
    EXPECT_EQ(linkbay.row(TableKind::Volume).selected, -1);
    linkbay.with(SettingKey::LinkbayVolume, 12);
    EXPECT_EQ(selected_text(linkbay.row(TableKind::Volume)), "5");
    EXPECT_EQ(linkbay.row(TableKind::Channel).items.front(), "Channel 1");
}

TEST(TableRows, SpeakerSelectsPickTheSpeakersAndTheEqualizerSet)
{
    const std::string set_a = "Off";
    const std::string set_b = "Music Balance";
    // Layouts with the speaker rows: set B goes with the Merrow speakers (select 9).
    Device shown(0x3212, {1, 2}, -1);
    shown.with(SettingKey::EgranoSpeakerAccessorySelect, code(8));
    EXPECT_EQ(selected_text(shown.row(TableKind::Speakers)), "Kivo HD Speakers");
    EXPECT_EQ(shown.row(TableKind::AudioEqualizer).items.front(), set_a);
    shown.with(SettingKey::EgranoSpeakerAccessorySelect, code(9));
    EXPECT_EQ(selected_text(shown.row(TableKind::Speakers)), "Merrow Speakers");
    EXPECT_EQ(shown.row(TableKind::AudioEqualizer).items.front(), set_b);
    // Layouts without them: set B goes with select 1.
    Device hidden(0x3212, {1, 2}, 0);
    hidden.with(SettingKey::EgranoSpeakerAccessorySelect, code(9));
    EXPECT_EQ(hidden.row(TableKind::AudioEqualizer).items.front(), set_a);
    hidden.with(SettingKey::EgranoSpeakerAccessorySelect, code(1));
    EXPECT_EQ(hidden.row(TableKind::AudioEqualizer).items.front(), set_b);
    // 0x3112 with its speaker row: nothing to tune for the basic speakers.
    Device duvane(0x3112, {3, 3});
    EXPECT_FALSE(duvane.row(TableKind::AudioEqualizer).enabled);
    duvane.with(SettingKey::DuvaneSpeakerAccessorySelect, 1);
    EXPECT_TRUE(duvane.row(TableKind::AudioEqualizer).enabled);
    EXPECT_EQ(duvane.row(TableKind::AudioEqualizer).items.front(), set_b);
}

TEST(TableRows, LanguageRowsFollowThePackAndTheInterfaceLanguage)
{
    const struct {
        int pack;
        std::size_t count;
        std::string first;
        std::string second;
    } packs[] = {{0, 11, "English", "French"}, {1, 10, "English", "Danish"}, {2, 10, "Russian", "Danish"}};
    for (const auto& p : packs) {
        Device device(0x3340, {1, 0});
        device.data.setDevicelanguagePackType(p.pack);
        const RowState language = device.row(TableKind::UnitLanguage);
        ASSERT_EQ(language.items.size(), p.count) << "pack " << p.pack;
        EXPECT_EQ(language.items[0], p.first);
        EXPECT_EQ(language.items[1], p.second);
    }

    Device french(0x3110, {3, 4});
    french.language = kivo::kFrench;
    EXPECT_EQ(french.row(TableKind::SmartVolumeControl).items,
              (std::vector<std::string>{"Désactiver", "Faible", "Moyen", "Élevé"}));
    const RowState units = french.row(TableKind::UnitLanguage);
    EXPECT_EQ(std::vector<std::string>(units.items.begin(), units.items.begin() + 3),
              (std::vector<std::string>{"Anglais", "Français", "Espagnol"}));

    Device dialects(0x683A, {1, 0});
    const std::vector<std::string> in_english = dialects.row(TableKind::HeadsetLanguage).items;
    dialects.language = kivo::kJapanese;
    EXPECT_EQ(dialects.row(TableKind::HeadsetLanguage).items, in_english);
    EXPECT_EQ(in_english.front(), "普通话");

    Device tressel(0x3161, {1, 0});
    tressel.language = kivo::kGerman;
    EXPECT_EQ(tressel.row(TableKind::RemoteUIRTT).title, "Remote UI RTT");
    EXPECT_EQ(tressel.row(TableKind::RemoteUIRTT).enableTitle, "Aktivieren");
    tressel.language = 13;
    EXPECT_EQ(tressel.row(TableKind::ChannelSelect).title, "Channel Select");
}

TEST(TableRows, RowsShowTheirInformationButtonAndOnlyRowsWithAVariantAreBuilt)
{
    Device camera(0x5510, {3, 0});
    for (int row = 0; row < row_count(camera.context()); ++row) {
        const std::optional<RowState> state = build_row(camera.context(), row);
        ASSERT_TRUE(state.has_value()) << row;
        const bool source = state->title.rfind("▶ ", 0) == 0;
        EXPECT_EQ(state->informationShown, !source) << state->title;
    }
    // The FM row 0x3211 shows unless the FM code is 4 reads the setting its neighbours read.
    Device fm(0x3211, {1, 3}, -1);
    fm.with(SettingKey::VantorFMStationGuide, 1);
    EXPECT_EQ(fm.row(TableKind::FMStationGuide).selected, 0);

    // The mesh accessory without a microphone holds its microphone row back, with no variant.
    const Device linkbay(0x3500, {1, 0});
    EXPECT_EQ(row_count(linkbay.context()), 1);
    EXPECT_EQ(build_row(linkbay.context(), 2), std::nullopt);
    EXPECT_FALSE(linkbay.row(TableKind::Channel).informationShown);
    EXPECT_EQ(build_row(linkbay.context(), 3), std::nullopt);
    EXPECT_EQ(build_row(Device(0x1234, {1, 0}).context(), 0), std::nullopt);
}

TEST(TableRows, OemAndSpeakerRowsWriteTheirTraces)
{
    Device oem(0x3142, {1, 0});
    oem.data.setVARGOFMRadio(1);
    testing::internal::CaptureStderr();
    oem.row(TableKind::FMRadio);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "appController VARGOFMRadio [1]\ndataCurrent VARGOFMRadio [0]\n");

    Device egrano(0x3212, {1, 2}, -1);
    egrano.with(SettingKey::EgranoSpeakerAccessorySelect, code(9));
    testing::internal::CaptureStderr();
    egrano.row(TableKind::AudioEqualizer);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "speaker value =[0], curr[9]\n");

    Device grennik(0x6038, {1, 0});
    grennik.with(SettingKey::GrennikLanguage, 3);
    testing::internal::CaptureStderr();
    EXPECT_EQ(selected_text(grennik.row(TableKind::Language)), "German");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "PQPQ # 3\n");
}
