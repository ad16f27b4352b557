#pragma once
// Products whose update or restore ends with a message of their own: the ones that must be set up
// again after a successful update, and the two-device product that must be switched off and on
// (after a success, and to try once more after a failure).

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kReconfigureAfterUpdateProducts = {0x4D10, 0x4D30, 0x4D40, 0x5010, 0x5011,
                                                               0x5020, 0x5060, 0x5061, 0x5070};
inline constexpr int kPowerCycleAfterUpdateProduct = 0x5310;

constexpr bool reconfigure_after_update(int product_id)
{
    return product_in(kReconfigureAfterUpdateProducts, product_id);
}
constexpr bool power_cycle_after_update(int product_id) { return product_id == kPowerCycleAfterUpdateProduct; }

} // namespace kivo
