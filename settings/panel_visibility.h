#pragma once
// Which rows of the settings page's fixed panel show, by product and by the firmware of the
// recognized record. Products of the all-settings table families show none (they edit their
// settings in the table); a product outside every set shows every row and the EDR note.

#include <bitset>
#include <vector>

#include "device/device_data.h"
#include "settings/panel_rows.h"

namespace kivo::settings {

using ClassicRows = std::bitset<kClassicRowCount>;

constexpr std::size_t row_bit(ClassicRow row) { return static_cast<std::size_t>(row); }

// The rows shown for the product at the firmware the device was recognized with.
ClassicRows classic_visibility(int product, const KIVOBluetoothDeviceData& recognized);

// The rows of the set, in ClassicRow order.
std::vector<ClassicRow> rows_of(const ClassicRows& rows);

} // namespace kivo::settings
