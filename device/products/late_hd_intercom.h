#pragma once
// Products that take HD intercom into the basic settings word only from firmware 1.1.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kLateHdIntercomProducts = {0x5510, 0x5520, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621};

} // namespace kivo
