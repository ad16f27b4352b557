#pragma once
// The bit of a USB product id that says the device runs its firmware-management (DFU) loader.
// The link opens such devices; the device session records them in usbStatus.

#include <cstdint>

inline constexpr uint32_t MANAGEMENT_MODE_BIT = 0x8000;
