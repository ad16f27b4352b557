#pragma once
// Reading a device's Bluetooth address and settings over HID into the shared record: the records
// of the device's group in their order. A failed read is never reported: it leaves fixed values.

#include "device/device_data.h"

namespace kivo {

// Reads the device in slot 0 into data.
void read_hid_settings(int product_id, KIVOBluetoothDeviceData& data);

} // namespace kivo
