#pragma once
// Devices that keep six FM presets instead of ten.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kSixPresetProducts = {0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026,
                                                  0x6028, 0x6030, 0x6032, 0x6034, 0x6036};

constexpr bool keeps_six_fm_presets(int product_id) { return product_in(kSixPresetProducts, product_id); }

} // namespace kivo
