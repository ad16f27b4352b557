#pragma once
// What a change in a row of the all-settings table does. The row's control reaches the handler the
// settings page's own controls reach (apply_change), so a change made in the table and one made on
// the page store the same field; then the row's rule keeps coupled settings consistent and says
// whether every row must be rebuilt. Like every operation of the table, each call selects the
// layout afresh, so it acts on the kind the row builder showed.

#include <optional>

#include "device/device_data.h"
#include "device/device_session.h"
#include "settings/table/row_model.h"

namespace kivo::settings {

// The table's view of the device with write access to the working copy.
struct ChangeContext {
    const DeviceSession& session;
    const KIVOBluetoothDeviceData& data; // the device as recognized
    KIVOBluetoothDeviceData& dataCurrent; // the working copy
};

// The rule as it acts for the product. Audio overlay, HD intercom and HD voice exclude each other
// only on the products that say so; elsewhere the overlay row only refreshes and the HD rows do
// nothing further.
AfterChange after_change_for(AfterChange after, int product);

// The handler of row `row` and its rule for the product. None without a layout, for a row outside
// the full list, or for a row no variant serves.
struct ResolvedAction {
    TableKind kind;
    CellKind cell;
    HandlerId handler;
    AfterChange after;
};
std::optional<ResolvedAction> row_action(const TableContext& context, int row);

// Column 0 (Enable) or 1 (Disable) of an on/off row, an item index of a choice row, stored through
// the row's handler; then the row's rule. A row outside the full list, of the other cell kind or
// without a layout changes nothing. True when every row must be rebuilt.
bool change_on_off(const ChangeContext& context, int row, int column);
bool change_choice(const ChangeContext& context, int row, int index);

} // namespace kivo::settings
