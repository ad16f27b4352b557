#pragma once
// Devices that have the background-volume setting (over HID their own settings group, G9).

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kBackgroundVolumeProducts = {0x6461, 0x6481, 0x6491, 0x6620};

constexpr bool has_background_volume(int product_id) { return product_in(kBackgroundVolumeProducts, product_id); }

} // namespace kivo
