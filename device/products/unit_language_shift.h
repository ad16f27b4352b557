#pragma once
// Products whose language pack type 0 lacks one language, shifting the unit-language codes from
// index 6 on: the Kelpor family, and the Yarlo and VOSKA families.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kKelporShiftedLanguageProducts = {0x3310, 0x3320, 0x3330};
inline constexpr std::array kYarloShiftedLanguageProducts = {0x3340, 0x3341, 0x3342, 0x3343, 0x3420, 0x3430};

} // namespace kivo
