// A change in a row of the all-settings table: it reaches the row's handler, the couplings between
// overlay and HD settings and between the camera's recording sources follow, and every row of every
// layout shows again what was sent to it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "settings/table/layout_table.h"
#include "tests/settings/table/table_device.h"

using namespace kivo::settings;
using K = SettingKey;
using Record = KIVOBluetoothDeviceData;

namespace {

// One device, with the settings of its working copy read and written by key.
struct Device : TableDevice {
    using TableDevice::TableDevice;
    AccessContext access() const { return access_context(context()); }
    int get(SettingKey key) const { return read(key, current, access()); }
    Device& with(SettingKey key, int value)
    {
        write(key, current, value, access());
        return *this;
    }
    // Column 0 Enable, 1 Disable of the kind's row; true when every row must be rebuilt.
    bool set(TableKind kind, int column) { return change_on_off(change(), row_of(kind), column); }
};

constexpr int kEnable = 0;
constexpr int kDisable = 1;

} // namespace

TEST(TableRowActions, OverlayAndHdSettingsExcludeEachOtherAndTheLastRecordingSourceStopsTheMaster)
{
    using T = TableKind;
    struct Step {
        T kind;
        int column;
        std::vector<std::pair<SettingKey, int>> after;
        bool rebuild;
    };
    struct Case {
        int product;
        std::vector<std::pair<SettingKey, int>> start;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        // In the set: overlay on turns both HD settings off; off changes nothing else; both rebuild.
        {0x3212,
         {{K::VantorHDIntercom, 1}, {K::HeronyxHDVoice, 1}},
         {{T::BluetoothIntercomAudioMultitasking,
           kEnable,
           {{K::VantorAudioOverlay, 1}, {K::VantorHDIntercom, 0}, {K::HeronyxHDVoice, 0}},
           true},
          {T::BluetoothIntercomAudioMultitasking,
           kDisable,
           {{K::VantorAudioOverlay, 0}, {K::VantorHDIntercom, 0}, {K::HeronyxHDVoice, 0}},
           true},
          {T::HDVoice, kEnable, {{K::HeronyxHDVoice, 1}, {K::VantorAudioOverlay, 0}}, true}}},
        // In the set without an overlay row: HD intercom on still turns the overlay field off.
        {0x3260,
         {{K::VantorAudioOverlay, 1}},
         {{T::HDIntercom, kEnable, {{K::VantorHDIntercom, 1}, {K::VantorAudioOverlay, 0}}, true},
          {T::HDIntercom, kDisable, {{K::VantorHDIntercom, 0}, {K::VantorAudioOverlay, 0}}, true}}},
        // Outside the set: nothing coupled, nothing rebuilt; its overlay row only rebuilds.
        {0x3110,
         {{K::VantorAudioOverlay, 1}},
         {{T::HDIntercom, kEnable, {{K::VantorHDIntercom, 1}, {K::VantorAudioOverlay, 1}}, false},
          {T::BluetoothIntercomAudioMultitasking,
           kEnable,
           {{K::VantorAudioOverlay, 1}, {K::VantorHDIntercom, 1}},
           true}}},
        // The camera's master with no source on gets three sources, either way; the last of them off
        // turns the master off and rebuilds, the others rebuild nothing.
        {0x5510,
         {},
         {{T::SpeakerSoundRecording,
           kEnable,
           {{K::WispenCameraSpeakerSoundRecording, 1},
            {K::WispenCameraSpeakerSoundRecordingMusic, 1},
            {K::WispenCameraSpeakerSoundRecordingFMRadio, 1},
            {K::WispenCameraSpeakerSoundRecordingIntercom, 1},
            {K::WispenCameraSpeakerSoundRecordingPhone, 0}},
           true},
          {T::SpeakerSoundRecordingMusic, kDisable, {{K::WispenCameraSpeakerSoundRecording, 1}}, false},
          {T::SpeakerSoundRecordingFMRadio, kDisable, {{K::WispenCameraSpeakerSoundRecording, 1}}, false},
          {T::SpeakerSoundRecordingIntercom,
           kDisable,
           {{K::WispenCameraSpeakerSoundRecording, 0}, {K::WispenCameraSpeakerSoundRecordingIntercom, 0}},
           true},
          {T::SpeakerSoundRecording,
           kDisable,
           {{K::WispenCameraSpeakerSoundRecording, 0},
            {K::WispenCameraSpeakerSoundRecordingMusic, 1},
            {K::WispenCameraSpeakerSoundRecordingFMRadio, 1},
            {K::WispenCameraSpeakerSoundRecordingIntercom, 1}},
           true},
          {T::SpeakerSoundRecordingPhone, kEnable, {{K::WispenCameraSpeakerSoundRecordingPhone, 1}}, false}}},
    };
    for (const Case& c : cases) {
        Device device(c.product, {3, 0, 0, 0});
        for (const auto& [key, value] : c.start)
            device.with(key, value);
        int step_number = 0;
        for (const Step& step : c.steps) {
            SCOPED_TRACE(hex(c.product) + " step " + std::to_string(step_number++));
            ASSERT_GE(device.row_of(step.kind), 0) << table_kind(step.kind).name;
            EXPECT_EQ(device.set(step.kind, step.column), step.rebuild);
            for (const auto& [key, value] : step.after)
                EXPECT_EQ(device.get(key), value) << setting(key).name;
        }
    }
}

TEST(TableRowActions, ARowReachesItsFamilysHandlerAndNothingElseActs)
{
    // "Audio Multitasking" is the Brisko switch on its family, the overlay elsewhere, a kind of its
    // own on the Orlet family; each rebuilds the rows.
    const struct {
        int product;
        TableKind kind;
        HandlerId handler;
    } dispatch[] = {
        {0x4210, TableKind::AudioMultitasking, HandlerId::changeAudioMultitasking},
        {0x4023, TableKind::AudioMultitasking, HandlerId::changeAudioOverlay},
        {0x6030, TableKind::AudioMultitaskingForOrlet, HandlerId::changeAudioOverlay},
    };
    for (const auto& d : dispatch) {
        Device device(d.product, {3, 0, 0, 0});
        const std::optional<ResolvedAction> action = row_action(device.context(), device.row_of(d.kind));
        ASSERT_TRUE(action.has_value()) << hex(d.product);
        EXPECT_EQ(action->kind, d.kind) << hex(d.product);
        EXPECT_EQ(action->handler, d.handler) << hex(d.product);
        EXPECT_TRUE(device.set(d.kind, kEnable)) << hex(d.product);
        EXPECT_EQ(device.get(d.handler == HandlerId::changeAudioOverlay ? K::AudioOverlay : K::BriskoAudioMultitasking),
                  1)
            << hex(d.product);
    }
    // The Brisko family's overlay volume row stores what it reads, through the navigation handler.
    Device brisko(0x4310, {1, 0, 0, 0});
    brisko.with(K::BriskoAudioMultitasking, 1);
    EXPECT_FALSE(brisko.set(TableKind::AudioOverlayVolumeManagement, kEnable));
    EXPECT_EQ(brisko.get(K::BriskoNavigationAppOverlay), 1);

    // A choice value at an on/off row, an on/off column at a choice row, no row, a row past the
    // full list and a product without a layout store nothing.
    Device oem(0x3142);
    const Record untouched = oem.current;
    const int fm_radio = oem.row_of(TableKind::FMRadio);
    const int unit_language = oem.row_of(TableKind::UnitLanguage);
    EXPECT_FALSE(change_choice(oem.change(), fm_radio, 0));
    EXPECT_FALSE(change_on_off(oem.change(), unit_language, 3));
    EXPECT_FALSE(change_on_off(oem.change(), -1, 0));
    EXPECT_FALSE(change_on_off(oem.change(), row_count(oem.context()), 0));
    EXPECT_EQ(oem.current, untouched);
    Device unknown(0x1234);
    const Record empty = unknown.current;
    EXPECT_FALSE(change_on_off(unknown.change(), 0, 0));
    EXPECT_EQ(unknown.current, empty);
    // A pop-up with no selection stores nothing.
    EXPECT_FALSE(change_choice(oem.change(), unit_language, -1));
    EXPECT_EQ(oem.current, untouched);
    // The choice row itself takes its index.
    EXPECT_FALSE(change_choice(oem.change(), unit_language, 3));
    EXPECT_EQ(oem.get(K::VantorUnitLanguage), 3);

    // "Speakers" rebuilds every row, "Helmet" none.
    Device speakers(0x3212, {1, 4, 0, 0}, {.speaker = -1});
    EXPECT_TRUE(change_choice(speakers.change(), speakers.row_of(TableKind::Speakers), 1));
    Device helmet(0x321A, {1, 2, 0, 0});
    EXPECT_FALSE(change_choice(helmet.change(), helmet.row_of(TableKind::Helmet), 1));
}

TEST(TableRowActions, EveryVariantHasAHandlerForItsCellAndInformationUnlessItsKindHasNone)
{
    const std::set<TableKind> without_information = {TableKind::SpeakerSoundRecordingMusic,
                                                     TableKind::SpeakerSoundRecordingFMRadio,
                                                     TableKind::SpeakerSoundRecordingIntercom,
                                                     TableKind::SpeakerSoundRecordingPhone,
                                                     TableKind::Channel,
                                                     TableKind::Volume,
                                                     TableKind::LinkbayMicrophoneSensitivity,
                                                     TableKind::RemoteUIRTT};
    for (const KindVariant& variant : kind_variants()) {
        const TableKindInfo& kind = table_kind(variant.kind);
        ASSERT_TRUE(variant.action.handler.has_value()) << kind.name;
        const HandlerControl control = handler(*variant.action.handler).control;
        EXPECT_EQ(control, kind.cell == CellKind::OnOff ? HandlerControl::OnOff : HandlerControl::PopUp) << kind.name;
        EXPECT_EQ(kind.information == nullptr, without_information.count(variant.kind) == 1) << kind.name;
    }
}

namespace {

// The keys that select each layout line a product reaches: versions at and just below every bound
// of its lines, and the show/hide codes its lines test.
FirmwareQuad at(const VersionBound& b) { return {b.major, b.minor, b.secondaryType, b.secondary}; }

FirmwareQuad just_below(const VersionBound& b)
{
    if (b.kind == BoundKind::Full || b.kind == BoundKind::Secondary)
        return b.secondary > 0 ? FirmwareQuad{b.major, b.minor, b.secondaryType, b.secondary - 1}
                               : FirmwareQuad{b.major, b.minor - 1, 0, 99};
    return b.minor > 0 ? FirmwareQuad{b.major, b.minor - 1, 0, 0} : FirmwareQuad{b.major - 1, 99, 0, 0};
}

std::vector<LayoutKey> keys_of_every_line()
{
    std::map<int, std::set<std::tuple<int, int, int, int>>> versions;
    for (const LayoutLine& line : layout_lines())
        for (int product : line.products) {
            if (product == 0)
                continue;
            auto& set = versions[product];
            set.insert({0, 0, 0, 0});
            for (const VersionBound& bound : {line.firmware.from, line.firmware.below})
                if (bound.kind != BoundKind::None)
                    for (const FirmwareQuad& v : {at(bound), just_below(bound)})
                        set.insert({v.major, v.minor, v.secondaryType, v.secondary});
        }
    std::vector<LayoutKey> keys;
    std::set<std::tuple<int, int, std::tuple<int, int, int, int>>> seen; // product, line, version
    for (const auto& [product, product_versions] : versions)
        for (const auto& v : product_versions)
            for (int fm : {0, 3, 4})
                for (int motion : {0, 5, 6})
                    for (int speaker : {-1, 0, 8})
                        for (int info : {0, 1, 7}) {
                            const auto& [major, minor, type, number] = v;
                            const LayoutKey key{product, {major, minor, type, number}, {fm, motion, speaker, info}};
                            const std::optional<LayoutSelection> selection = select_layout(key);
                            if (selection && seen.insert({product, selection->line, v}).second)
                                keys.push_back(key);
                        }
    return keys;
}

// Rows whose shown value cannot follow what is sent, with the reason: the handler stores nothing
// for the product, or the setter keeps fewer values than the row offers.
struct Known {
    int product;
    TableKind kind;
    bool nothingStored;
    const char* reason;
};

} // namespace

// For every product, at every firmware bound and code combination of its lines, every row shows
// what was sent to it: Enable and Disable of an on/off row, each item of a choice row. A handler
// may store another key than the row reads only where the two are one setting.
TEST(TableRowActions, EveryRowOfEveryLayoutShowsWhatWasSentToIt)
{
    constexpr const char* kNoUnitLanguageWriter = "changeUnitLanguage stores nothing for this product";
    const Known known[] = {
        {0x3116, TableKind::UnitLanguage, true, kNoUnitLanguageWriter},
        {0x3118, TableKind::UnitLanguage, true, kNoUnitLanguageWriter},
        {0x3124, TableKind::UnitLanguage, true, kNoUnitLanguageWriter},
        {0x3126, TableKind::UnitLanguage, true, kNoUnitLanguageWriter},
        {0x3136, TableKind::UnitLanguage, true, kNoUnitLanguageWriter},
        {0x3140, TableKind::UnitLanguage, true, kNoUnitLanguageWriter},
        {0x3144, TableKind::UnitLanguage, true, kNoUnitLanguageWriter},
        {0x3152, TableKind::UnitLanguage, true, kNoUnitLanguageWriter},
        {0x3800, TableKind::UnitLanguage, true, kNoUnitLanguageWriter},
        {0x3215, TableKind::HDSpeakerAccessory, true, "changeHDSpeakerAccessory stores nothing for this product"},
        {0x5510, TableKind::VideoMode, false,
         "from 1.1 to below 2.0 the row offers a third mode, but the record keeps the mode as a switch"},
    };
    const auto known_as = [&](int product, TableKind kind) -> const Known* {
        const auto it = std::find_if(std::begin(known), std::end(known),
                                     [&](const Known& k) { return k.product == product && k.kind == kind; });
        return it == std::end(known) ? nullptr : it;
    };
    std::set<std::pair<int, TableKind>> failing;
    int rows_checked = 0;
    for (const LayoutKey& key : keys_of_every_line()) {
        Device device(key.product, key.version, key.codes);
        const TableContext context = device.context();
        const std::optional<LayoutSelection> selection = select_layout(key);
        for (int row = 0; row < selection->count; ++row) {
            const std::optional<ResolvedRow> resolved = resolve_row(context, row);
            ASSERT_TRUE(resolved && resolved->variant);
            const KindVariant& variant = *resolved->variant;
            const TableKindInfo& kind = table_kind(resolved->kind);
            const std::string where = hex(key.product) + " " + std::string(kind.name) + " at " +
                std::to_string(key.version.major) + "." + std::to_string(key.version.minor);

            const Writer& writer = writer_for(*variant.action.handler, key.product);
            if (writer.key && *writer.key != variant.getter) {
                EXPECT_TRUE(same_setting(*writer.key, variant.getter, device.access()))
                    << where << ": the handler stores " << setting(*writer.key).name << ", the row reads "
                    << setting(variant.getter).name;
            }
            bool shows_all = true;
            if (kind.cell == CellKind::OnOff) {
                for (int column : {kEnable, kDisable, kEnable}) {
                    change_on_off(device.change(), row, column);
                    shows_all = shows_all && build_row(context, row)->selected == column;
                }
            } else {
                const int items = static_cast<int>(build_row(context, row)->items.size());
                for (int index = items - 1; index >= 0; --index) {
                    change_choice(device.change(), row, index);
                    shows_all = shows_all && build_row(context, row)->selected == index;
                }
            }
            ++rows_checked;
            if (!shows_all)
                failing.insert({key.product, resolved->kind});
            if (const Known* k = known_as(key.product, resolved->kind)) {
                EXPECT_EQ(!writer.key.has_value(), k->nothingStored) << where << ": " << k->reason;
            } else {
                EXPECT_TRUE(shows_all) << where << " does not show what was sent";
            }
        }
    }
    for (const Known& k : known)
        EXPECT_TRUE(failing.count({k.product, k.kind}))
            << hex(k.product) << " " << table_kind(k.kind).name << " shows what was sent, but is listed: " << k.reason;
    EXPECT_GT(rows_checked, 0);
}
