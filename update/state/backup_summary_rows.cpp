#include "update/state/backup_summary_rows.h"

#include <charconv>
#include <string_view>

#include "common/page_ids.h"
#include "settings/table/titles.h"
#include "text/app_text.h"
#include "text/setting_words.h"
#include "text/text_format.h"
#include "update/state/summary_row_lists.h"

namespace kivo {
namespace {

using summary::GroupRows;
using summary::RowEntry;
using summary::TabHandling;
using summary::ValueForm;

// The radio-transmit-gain codes whose level labels read Low and High.
constexpr int kLowGainCode = 12;
constexpr int kHighGainCode = 17;
// Presets from 100 MHz on have a digit more and no pad.
constexpr int kPaddedBelow = 10000;

std::string on_off(bool enabled, ManagerLanguage language)
{
    return enabled ? AppText::tavk_string_enabled_in(language) : AppText::tavk_string_disabled_in(language);
}

std::string value_text(const KIVOBluetoothDeviceData& backup, const RowEntry& entry, ManagerLanguage language)
{
    const int value = (backup.*entry.getter)();
    switch (entry.form) {
    case ValueForm::Normal: return on_off(value != 0, language);
    case ValueForm::Inverted: return on_off(value == 0, language);
    case ValueForm::OneIsEnabled: return on_off(value == 1, language);
    case ValueForm::Motion:
        if (value == 1)
            return AppText::tavk_string_disable_in(language);
        if (value == 2)
            return KIVOBluetoothDeviceData::getRTGStringFromRTG_In(kLowGainCode, language);
        if (value == 3)
            return KIVOBluetoothDeviceData::getRTGStringFromRTG_In(kHighGainCode, language);
        return fill_format("%d", {value});
    case ValueForm::Overlay: return fill_format("%d", {11LL - value});
    case ValueForm::Gain: return KIVOBluetoothDeviceData::getRTGStringFromRTG_In(value, language);
    case ValueForm::Seconds: return fill_format("%d %@", {value, AppText::tavk_string_seconds_in(language)});
    }
    return {};
}

void write_settings_rows(BackupSummaryRows& out, const KIVOBluetoothDeviceData& backup, const GroupRows& group,
                         ManagerLanguage language)
{
    // The last entry the backup's firmware has reached; a version on an entry's bound is in it.
    std::span<const RowEntry> rows = group.settings.front().rows;
    for (const summary::RowsFrom& from : group.settings.subspan(1)) {
        if (backup.compareVersionUpToMinorWithMajor_Minor(from.major, from.minor) < 0)
            break;
        rows = from.rows;
    }
    for (const RowEntry& entry : rows) {
        SummaryRowTexts& row = out.data[static_cast<std::size_t>(entry.row - 1)];
        if (entry.title)
            row.label = fill_format("%@:", {localized(*entry.title, language)});
        row.value = value_text(backup, entry, language);
    }
}

// A preset in 10 kHz units as MHz with one decimal, as a single-precision division gives it.
std::string preset_value(int preset, ManagerLanguage language)
{
    if (preset == 0)
        return empty_entry_in(language);
    char number[64];
    // Independent of the C locale, which Qt sets from the environment.
    const std::to_chars_result written =
        std::to_chars(number, number + sizeof number, static_cast<float>(preset) / 100.0f, std::chars_format::fixed, 1);
    return fill_format("%@%@ MHz", {preset < kPaddedBelow ? "  " : "", std::string_view(number, written.ptr)});
}

void write_fm_page(BackupSummaryRows& out, const KIVOBluetoothDeviceData& backup, const summary::FmPage& fm,
                   ManagerLanguage language)
{
    out.labelsLeftAligned = true;
    out.date.label = fill_format(fm.regionLabelFormat, {localized(settings::titles::kRadioRegion, language)});
    out.date.value = fm_region_name_in(backup.fmRadioRegion(), language);
    // Two presets a row: the first in the label field, the second in the value field, each with its
    // number, the first set off by blanks from the row's left edge.
    for (int i = 0; i < fm.presets; ++i) {
        const bool first_of_row = i % 2 == 0;
        const std::string text = fill_format("%@%@%d: %@",
                                             {first_of_row ? std::string(20, ' ') : std::string(), i < 9 ? "  " : "",
                                              i + 1, preset_value(backup.fmRadioPresetsAt(i), language)});
        SummaryRowTexts& row = out.data[static_cast<std::size_t>(i / 2)];
        (first_of_row ? row.label : row.value) = text;
    }
    SummaryRowTexts& rds = out.data[5];
    rds.label = fill_format("%@:", {localized(settings::titles::kRDSAF, language)});
    rds.value = on_off(backup.fmRadioRDS() != 0, language);
}

void write_speed_dial(BackupSummaryRows& out, const KIVOBluetoothDeviceData& backup, ManagerLanguage language)
{
    for (int i = 0; i < 3; ++i) {
        SummaryRowTexts& row = out.data[static_cast<std::size_t>(i)];
        row.label = fill_format("%@ %d: ", {speed_dial_label_in(language), i + 1});
        // The number as stored: any characters, never read as a format.
        const std::string& number = backup.speedDialAt(i);
        row.value = number.empty() ? empty_entry_in(language) : number;
    }
}

enum class TabShows { Nothing, SettingsRows, SpeedDial, FmPage };

TabShows what_the_tab_shows(TabHandling handling, int tab)
{
    if (handling == TabHandling::EveryTab || tab == kTabDeviceSettings)
        return TabShows::SettingsRows;
    if (handling == TabHandling::SettingsOnly)
        return TabShows::Nothing;
    if (tab == kTabSpeedDial)
        return TabShows::SpeedDial;
    if (handling == TabHandling::FmOnOther || (handling == TabHandling::FmOnThree && tab == kTabSecondSettings))
        return TabShows::FmPage;
    return TabShows::Nothing;
}

} // namespace

BackupSummaryRows backup_summary_rows(const KIVOBluetoothDeviceData& backup, int product_id, int tab,
                                      ManagerLanguage language)
{
    BackupSummaryRows out;
    const std::optional<SummaryGroup> group = summary_group(product_id);
    if (!group)
        return out;
    const GroupRows& rows = summary::group_rows(*group);
    switch (what_the_tab_shows(rows.tabs, tab)) {
    case TabShows::Nothing: break;
    case TabShows::SettingsRows: write_settings_rows(out, backup, rows, language); break;
    case TabShows::SpeedDial: write_speed_dial(out, backup, language); break;
    case TabShows::FmPage: write_fm_page(out, backup, rows.fm, language); break;
    }
    return out;
}

} // namespace kivo
