#pragma once
// Change detection of the settings page: whether the working copy differs from the device's record
// in a value the product's save writes. A product compares the stored values of its row, in order;
// an edit set back to the device's value is no change, and a product in no row never changes.

#include <vector>

#include "device/device_data.h"
#include "settings/table/stored_values.h"

namespace kivo::settings {

// The stored values the product's save writes, in the order they are compared; some rows depend on
// the device's firmware. Empty for a product in no row.
std::vector<StoredValue> compared_values(int product, const KIVOBluetoothDeviceData& device);

// True at the first compared value that differs between the device's record and the working copy.
bool settings_changed(int product, const KIVOBluetoothDeviceData& device, const KIVOBluetoothDeviceData& current);

} // namespace kivo::settings
