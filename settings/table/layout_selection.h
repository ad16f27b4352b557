#pragma once
// Which rows the all-settings table shows: the product, its firmware and four show/hide codes select
// one layout line. The selection is made afresh on every call, so the table's operations always
// agree on what row N is; it holds nothing between calls.

#include <optional>
#include <span>

#include "device/device_data.h"
#include "device/device_session.h"
#include "settings/table/flag_condition.h"
#include "settings/table/table_kind.h"

namespace kivo::settings {

struct LayoutKey {
    int product = 0;
    FirmwareQuad version;
    FlagCodes codes;
};

// The key of the selected device: the session's product and codes, the record's firmware.
LayoutKey layout_key(const DeviceSession& session, const KIVOBluetoothDeviceData& record);

struct LayoutSelection {
    int count = 0; // rows shown
    int line = 0; // index into layout_lines()
    std::span<const TableKind> list;
    std::span<const TableKind> heldBack;
    int fullLength() const { return static_cast<int>(list.size() + heldBack.size()); }
};

// None for a product in no line.
std::optional<LayoutSelection> select_layout(const LayoutKey& key);

// The kind of row `row` of the full list (the list, then the rows held back); none below 0, past
// the full list, or without a selection.
std::optional<TableKind> row_kind(const std::optional<LayoutSelection>& selection, int row);

} // namespace kivo::settings
