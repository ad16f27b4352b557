#pragma once
// Devices whose update page shows no Next button: there is no page to go on to from their update.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kUpdateNextHiddenProducts = {0x6A02, 0x6831, 0x6839, 0x6840, 0x6816, 0x6A04, 0x6A01};

constexpr bool update_next_hidden(int product_id) { return product_in(kUpdateNextHiddenProducts, product_id); }

} // namespace kivo
