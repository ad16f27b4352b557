// The FM radio page's rules as tables: the decimal entry of the edit sheet, the check-box rule,
// a region change, what a preset shows, and change detection field by field.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "settings/fm_radio.h"

namespace {

using Record = KIVOBluetoothDeviceData;
using namespace kivo::settings;

constexpr int kTenPresets = 0x3142;
constexpr int kSixPresets = 0x6010;

Record with_presets(int region, std::initializer_list<int> presets)
{
    Record record;
    record.setFmRadioRegion(region);
    int i = 0;
    for (int p : presets)
        record.setFmRadioPresetsAt_with(i++, p);
    return record;
}

} // namespace

TEST(FmRadio, TheEditSheetReadsADecimalNumberNeverABinaryFloat)
{
    struct Case {
        const char* text;
        int region;
        int value;
        bool accepted;
    };
    const Case cases[] =
        {
            {"87.54", 0, 8750, true},     {"87.55", 0, 8760, true}, // 87.55 as a float truncates to 8754
            {"87,55", 0, 8760, true},     {" 88.0 ", 0, 8800, true},
            {"88.0", 1, 8800, false}, // off the 200 kHz grid of the Americas
            {"108", 0, 10800, true},      {"108.1", 0, 10810, false},
            {"87.549", 0, 8750, true}, // the third decimal is dropped, not rounded
            {"87.", 0, 8700, false},      {"abc", 0, 0, false},
            {"87.5.1", 0, 0, false},      {"1e3", 0, 0, false},
            {"99999999999", 0, 0, false}, {"-87.5", 0, 0, false},
            {"+87.5", 0, 0, false},       {"", 0, 0, false},
            {".", 0, 0, false},           {"87 .5", 0, 0, false},
            {"95.0", 5, 9500, true},      {"95.1", 5, 9510, false},
        };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" in region " + std::to_string(c.region));
        const int value = fm_preset_entry(c.text);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(fm_preset_accepted(c.region, value), c.accepted);
    }
}

TEST(FmRadio, ACheckedBoxTakesTheNearestStation)
{
    struct Case {
        const char* name;
        Record record;
        int index;
        int shown;
        int value;
    };
    const Case cases[] = {
        {"all empty: the region's lowest", with_presets(0, {}), 0, 10, 8750},
        {"preset 2 at 90.1, 3 empty: 4 takes 90.1", with_presets(0, {0, 9010, 0, 0}), 3, 10, 9010},
        {"the nearest earlier wins over a later one", with_presets(0, {8800, 9010, 0, 10000}), 2, 10, 9010},
        {"only a later preset", with_presets(0, {0, 0, 0, 0, 0, 9990}), 1, 10, 9990},
        {"a later preset beyond the shown ones is not taken", with_presets(0, {0, 0, 0, 0, 0, 0, 9990}), 1, 6, 8750},
        {"a neighbour the region rejects shows Empty and is passed over", with_presets(5, {9990, 9200}), 2, 10, 9200},
        {"in the Americas the lowest is on its grid", with_presets(1, {}), 4, 10, 8750},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fm_checked_preset_value(c.record, c.index, c.shown), c.value);
        Record checked = c.record;
        fm_check_preset(checked, c.index, true, c.shown);
        EXPECT_EQ(checked.fmRadioPresetsAt(c.index), c.value);
        EXPECT_TRUE(fm_preset_view(checked.fmRadioRegion(), c.value, "Empty").checked);
        fm_check_preset(checked, c.index, false, c.shown);
        EXPECT_EQ(checked.fmRadioPresetsAt(c.index), 0);
    }
}

TEST(FmRadio, ARegionChangeEmptiesThePresetsTheNewRegionRejects)
{
    Record record = with_presets(0, {8750, 9500, 9510, 10800, 9000, 9990, 8760, 9020, 10000, 9490});
    fm_change_region(record, 5, 10);
    EXPECT_EQ(record.fmRadioRegion(), 5);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(record.fmRadioPresetsAt(i), (std::vector<int>{8750, 9500, 0, 0, 9000, 0, 8760, 9020, 0, 9490})[i])
            << "preset " << i + 1;

    // A six-preset product never touches presets 7 to 10.
    Record six = with_presets(0, {8750, 9990, 9990, 9990, 9990, 9990, 9990, 9990, 9990, 9990});
    fm_change_region(six, 5, fm_shown_presets(kSixPresets));
    EXPECT_EQ(six.fmRadioPresetsAt(1), 0);
    EXPECT_EQ(six.fmRadioPresetsAt(6), 9990);
    EXPECT_EQ(six.fmRadioPresetsAt(9), 9990);

    // An index outside 0 to 5 is region 0, as the record stores it.
    fm_change_region(record, 9, 10);
    EXPECT_EQ(record.fmRadioRegion(), 0);
}

TEST(FmRadio, APresetShowsItsFrequencyOrTheEmptyWord)
{
    struct Case {
        int region;
        int frequency;
        bool checked;
        const char* title;
    };
    const Case cases[] = {
        {0, 8750, true, "87.5"},  {0, 10800, true, "108.0"},
        {0, 0, false, "Vide"},    {5, 9990, false, "Vide"}, // stored, but outside Japan's band
        {1, 8760, false, "Vide"}, // off the Americas' grid
        {1, 8770, true, "87.7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.frequency << " in region " << c.region);
        const FmPresetView view = fm_preset_view(c.region, c.frequency, "Vide");
        EXPECT_EQ(view.checked, c.checked);
        EXPECT_EQ(view.stepperValue, c.checked ? c.frequency : 0);
        EXPECT_EQ(view.title, c.title);
    }
    EXPECT_EQ(fm_mhz_text(8755), "87.6");
    EXPECT_EQ(fm_mhz_text(9500), "95.0");
    EXPECT_EQ(fm_shown_presets(kSixPresets), 6);
    EXPECT_EQ(fm_shown_presets(kTenPresets), 10);
}

TEST(FmRadio, ChangeDetectionComparesTheBlockTheSaveWrites)
{
    struct Case {
        const char* name;
        int product;
        std::function<void(Record&)> edit;
        bool changed;
    };
    const Case cases[] = {
        {"nothing", kTenPresets, [](Record&) {}, false},
        {"region", kTenPresets, [](Record& r) { r.setFmRadioRegion(4); }, true},
        {"magic code", kTenPresets, [](Record& r) { r.setFmRadioMagicCode(0x56E9); }, true},
        {"current frequency", kTenPresets, [](Record& r) { r.setFmRadioCurrentFrequency(9000); }, true},
        {"current preset", kTenPresets, [](Record& r) { r.setFmRadioCurrentPreset(3); }, true},
        {"preset 1", kTenPresets, [](Record& r) { r.setFmRadioPresetsAt_with(0, 8800); }, true},
        {"preset 10", kTenPresets, [](Record& r) { r.setFmRadioPresetsAt_with(9, 8800); }, true},
        {"RDS", kTenPresets, [](Record& r) { r.setFmRadioRDS(1); }, true},
        {"six presets: preset 6", kSixPresets, [](Record& r) { r.setFmRadioPresetsAt_with(5, 8800); }, true},
        {"six presets: preset 7 is not saved", kSixPresets, [](Record& r) { r.setFmRadioPresetsAt_with(6, 8800); },
         false},
        {"a product without an FM block", 0x4050, [](Record& r) { r.setFmRadioRegion(4); }, false},
        {"a setting outside the block", kTenPresets, [](Record& r) { r.setVoicePrompt(1); }, false},
    };
    const Record device = with_presets(0, {8750, 9010});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Record current = device;
        c.edit(current);
        EXPECT_EQ(fm_settings_changed(c.product, device, current), c.changed);
    }
}
