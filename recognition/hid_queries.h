#pragma once
// The two questions a device over HID answers before it is read or written: is it ready, and which
// firmware does it run. Both go to one slot as 1023/67-byte reports without parameters.

#include <optional>

#include "device/device_data.h"

namespace kivo {

// The readiness value (answer byte 3), written to the system log as "rV = [%d]"; none when the
// exchange fails.
std::optional<int> query_readiness(int slot = 0);
// The firmware version (answer bytes 3 to 6); none when the exchange fails.
std::optional<FirmwareQuad> query_version(int slot = 0);

} // namespace kivo
