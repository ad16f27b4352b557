#pragma once
// The bit of a USB product id (bit 15) that says the device runs its firmware-management (DFU) loader.
// The link opens such devices; the device session records them in usbStatus.

#include <cstdint>

inline constexpr uint32_t MANAGEMENT_MODE_BIT = uint32_t{1} << 15;
