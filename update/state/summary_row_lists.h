#pragma once
// The summary's groups as data: for each, what the selected tab shows, its FM page and its
// settings rows by the backup's firmware. backup_summary_rows.cpp renders them.

#include <span>

#include "device/device_data.h"
#include "device/products/backup_summary_groups.h"
#include "text/localized.h"

namespace kivo::summary {

// How a row shows its getter's value.
enum class ValueForm {
    Normal, // 0 Disabled, anything else Enabled
    Inverted, // 0 Enabled, anything else Disabled
    OneIsEnabled, // 1 Enabled, anything else Disabled
    Motion, // 1 "Disable", 2 Low, 3 High, anything else the number
    Overlay, // 11 minus the value
    Gain, // the gain's level label
    Seconds, // the number and the word seconds
};

using Getter = int (KIVOBluetoothDeviceData::*)() const;

struct RowEntry {
    int row; // 1 to 6
    // The label's title; none writes the value field again and leaves the label.
    const Translated* title;
    Getter getter;
    ValueForm form;
};

// The settings rows from a backup version on, up to the next entry's version.
struct RowsFrom {
    int major;
    int minor;
    std::span<const RowEntry> rows;
};

// What the selected tab shows.
enum class TabHandling {
    EveryTab, // the settings rows whatever the tab
    SettingsOnly, // tab 1 the settings rows, any other nothing
    Standard, // tab 1 the settings rows, 2 the speed dial, any other nothing
    FmOnThree, // as Standard, and tab 3 the FM page
    FmOnOther, // as Standard, and any tab but 1 and 2 the FM page
};

struct FmPage {
    int presets; // the first presets shown, two a row
    const char* regionLabelFormat;
};

struct GroupRows {
    SummaryGroup group;
    TabHandling tabs;
    FmPage fm;
    // Ascending; the first entry holds whatever the version.
    std::span<const RowsFrom> settings;
};

const GroupRows& group_rows(SummaryGroup group);

} // namespace kivo::summary
