#pragma once
// What the second basic settings word carries: the start-recording switch, or the auto-off and
// simple-interface switches with the unit language (the Grennik headsets, over HID settings group
// G3).

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kAutoStartRecordingProducts = {0x5576};
inline constexpr std::array kGrennikProducts = {0x6038, 0x6039};

} // namespace kivo
