#pragma once
// Mesh headsets that are told their voice-prompt language (the unit-language record) after their
// firmware is written: some always, one only from firmware 2.1 on.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kUnitLanguageWriteProducts = {0x3116, 0x3118, 0x3136, 0x3800, 0x3124,
                                                          0x3144, 0x3152, 0x3126, 0x3140};
inline constexpr int kUnitLanguageWriteFrom2_1Product = 0x3110;

constexpr bool unit_language_written(int product_id) { return product_in(kUnitLanguageWriteProducts, product_id); }

} // namespace kivo
