#pragma once
// The settings page's Default rule applied to its defaults copy: for the product's row, the words
// carried from the record as recognition read it, then the settings forced, in the row's order.
// The change stays in the defaults copy; the recognized record is never written.

#include "device/device_data.h"

namespace kivo::settings {

// product: the selected product id; recognized: the record recognition read (its firmware decides
// a row's threshold); defaults: the page's defaults copy.
void apply_default_rule(int product, const KIVOBluetoothDeviceData& recognized, KIVOBluetoothDeviceData& defaults);

} // namespace kivo::settings
