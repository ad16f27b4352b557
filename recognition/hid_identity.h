#pragma once
// What identifies a device found over HID: its FM radio and accessory classification, its name,
// its firmware version (with language pack where the family has one) and its module's version.

#include "recognition/recognition_run.h"

namespace kivo {

// The name a device gets when it does not tell its own: the product's display name, or none for
// the few products without a default name.
std::string default_device_name(int product_id);

// Reads the identity of the opened, ready device in slot 0 into the run's device session and
// the record. false: the headset did not come back after its module was read, so the run goes on
// as if it had never been opened (nothing is left open then).
bool identify_hid_device(RecognitionRun& run, OpenedDevice& device, KIVOBluetoothDeviceData& data);

} // namespace kivo
