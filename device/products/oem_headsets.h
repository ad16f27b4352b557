#pragma once
// The OEM headsets: name and version from records of their own, a module of their own, and their
// own settings group over HID (G4).

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kOemHeadsetProducts = {0x3142, 0x3143};

constexpr bool is_oem_headset(int product_id) { return product_in(kOemHeadsetProducts, product_id); }

} // namespace kivo
