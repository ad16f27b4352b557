#pragma once
// The products whose audio overlay excludes HD intercom and HD voice in the all-settings table:
// switching one of them on there switches the other side off.

#include <array>

#include "device/products/product_set.h"

namespace kivo {

// clang-format off
inline constexpr std::array kOverlayExcludesHdProducts = {
    0x3132, 0x3134, 0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217,
    0x3218, 0x3219, 0x321A, 0x321C, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3900};
// clang-format on
static_assert(kOverlayExcludesHdProducts.size() == 28);

constexpr bool overlay_excludes_hd(int product_id) { return product_in(kOverlayExcludesHdProducts, product_id); }

} // namespace kivo
