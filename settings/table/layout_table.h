#pragma once
// The layout data of the all-settings table, as constant tables: the row lists, and the lines that
// give a group of products, for a firmware range and a flag condition, the number of rows shown and
// the list they come from. The selection over them is layout_selection.h.

#include <array>
#include <span>

#include "settings/table/firmware_range.h"
#include "settings/table/flag_condition.h"
#include "settings/table/table_kind.h"

namespace kivo::settings {

struct RowList {
    int number;
    std::span<const TableKind> rows;
};

struct LayoutLine {
    std::span<const int> products; // a family of device/products/table_layouts.h
    FirmwareRange firmware;
    const FlagCondition* flags;
    int count; // rows shown
    int list; // the row list's number; 0 for none
    std::span<const TableKind> heldBack; // rows after the list that are never shown
};

// Sorted by number.
std::span<const RowList> row_lists();
// In table order: for each product, the first line whose range and condition hold is its layout.
std::span<const LayoutLine> layout_lines();

// The list of that number; nullptr for none.
const RowList* row_list(int number);

} // namespace kivo::settings
