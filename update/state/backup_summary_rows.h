#pragma once
// The rows of the restore page's summary of a settings backup, below its version and date: what
// the summary writes into the date row and the six data rows for the selected product, the
// selected list tab and the backup. The product's group (device/products/backup_summary_groups.h)
// decides: its settings rows (by the backup's firmware for some), the FM page (region, presets,
// RDS), the three speed-dial numbers, or nothing. A field the summary does not write keeps its
// text on the page; whether a row shows is the family rule's (restore_summary_families.h).

#include <array>
#include <optional>
#include <string>

#include "device/device_data.h"
#include "text/localized.h"

namespace kivo {

// A label field and its value field; none for a field this refresh leaves as it was.
struct SummaryRowTexts {
    std::optional<std::string> label;
    std::optional<std::string> value;

    bool operator==(const SummaryRowTexts&) const = default;
};

struct BackupSummaryRows {
    // The FM page writes the region into the date row.
    SummaryRowTexts date;
    std::array<SummaryRowTexts, 6> data;
    // Label fields 1 to 5 are left-aligned on the FM page, right-aligned otherwise.
    bool labelsLeftAligned = false;

    bool operator==(const BackupSummaryRows&) const = default;
};

// The rows for product_id with the loaded backup on the selected tab (1 settings, 2 speed dial, 3
// the second settings page, anything else other) in the interface language (English outside 0 to
// 12). Backup texts are shown as stored, never read as formats.
BackupSummaryRows backup_summary_rows(const KIVOBluetoothDeviceData& backup, int product_id, int tab,
                                      ManagerLanguage language);

} // namespace kivo
