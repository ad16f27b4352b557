#pragma once
// The layouts of the restore table, as a constant table: for each line of products
// (device/products/restore_row_lines.h), per FM code and firmware range of the backup, the kinds of
// the rows shown in order and the blank rows after them. The first layout of the line whose
// condition and range hold is the product's.

#include <array>
#include <optional>
#include <span>

#include "device/device_data.h"
#include "settings/table/firmware_range.h"
#include "settings/table/flag_condition.h"
#include "settings/table/restore_rows.h"

namespace kivo::settings {

// The most cells one layout shows.
inline constexpr int kMaxRestoreCells = 25;

struct RestoreCells {
    std::array<RestoreKind, kMaxRestoreCells> kinds{};
    int count = 0;
    constexpr std::span<const RestoreKind> list() const
    {
        return std::span<const RestoreKind>(kinds).first(static_cast<std::size_t>(count));
    }
};

struct RestoreLayout {
    int line; // the first product of its line
    const FlagCondition* fm; // nullptr: any FM code
    FirmwareRange firmware; // of the backup, major.minor bounds
    RestoreCells cells;
    int blank = 0; // empty rows after the cells
    constexpr int rowCount() const { return cells.count + blank; }
};

// In table order: each line's layouts together.
std::span<const RestoreLayout> restore_layouts();

// The layout the product shows for the backup and the FM code; nullptr for a product in no line.
// Without a backup every firmware bound counts as reached: the newest range is taken.
const RestoreLayout* select_restore_layout(int product, const std::optional<KIVOBluetoothDeviceData>& backup, int fm);

} // namespace kivo::settings
