#pragma once
// Writing a saved settings record back to an older plain-USB headset after its firmware was
// updated or restored. Which keys are written depends on the device target.

#include <cstdint>
#include <optional>

#include "device/device_data.h"

namespace kivo {

// Writes the saved record's settings to the selected device, key after key. Stops at the first
// write the device refuses and returns that key; none when every write went through (or the
// target has nothing to write back).
std::optional<uint16_t> write_back_usb_settings(int device_target, const KIVOBluetoothDeviceData& saved);

} // namespace kivo
