#pragma once
// What the all-settings table shows: how many rows, and what row N shows for the current device,
// working copy and language. Every call selects the layout afresh, as every other operation of the
// table does, reads the working copy and the recognized record, writes nothing and keeps nothing.

#include <optional>
#include <string>
#include <vector>

#include "device/device_data.h"
#include "device/device_session.h"
#include "settings/table/kinds.h"
#include "text/localized.h"

namespace kivo::settings {

struct TableContext {
    const DeviceSession& session;
    const KIVOBluetoothDeviceData& data; // the device as recognized
    const KIVOBluetoothDeviceData& dataCurrent; // the working copy
    ManagerLanguage language;
};

// The product and the recognized device's language-pack type, as the accessors take them.
AccessContext access_context(const TableContext& context);

// The rows the table shows; 0 for a product in no layout.
int row_count(const TableContext& context);

// Row `row` of the selected layout's full list, resolved to its variant and its enabling rule.
struct ResolvedRow {
    TableKind kind;
    int occurrence; // the kind's rows before this one in the list
    const KindVariant* variant; // nullptr: no variant serves the product (a row held back)
    const EnablingRule* rule; // the variant's rule for this row; nullptr without a variant
};

// None without a selection or for a row outside the full list.
std::optional<ResolvedRow> resolve_row(const TableContext& context, int row);

struct RowState {
    TableKind kind;
    CellKind cell;
    std::string title;
    std::string enableTitle; // on/off: column 0
    std::string disableTitle; // on/off: column 1
    std::vector<std::string> items; // choice
    int selected; // on/off: the selected column; choice: the selected item, -1 for none
    bool enabled;
    bool informationShown;
};

// None without a selection, for a row outside the full list, or for a row no variant serves.
std::optional<RowState> build_row(const TableContext& context, int row);

// The items of a choice row's variant as the context shows them.
std::vector<std::string> row_items(const KindVariant& variant, const TableContext& context);

} // namespace kivo::settings
