#pragma once
// Products whose diagnostic log lists the versions of both their modules instead of the device's.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kTwoModuleLogProducts = {0x2030, 0x4210, 0x4310, 0x4330, 0x4410,
                                                     0x4430, 0x4510, 0x4530, 0x4610};

constexpr bool logs_two_module_versions(int product_id) { return product_in(kTwoModuleLogProducts, product_id); }

} // namespace kivo
