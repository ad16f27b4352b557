#pragma once
// Whether a device found over HID must first say it is ready (COMMAND_READY_STATE, answer byte 3),
// and whether it is asked if it shows the FM radio.

#include "device/products/product_set.h"

namespace kivo {

// Ready when the value is not 0 ...
inline constexpr std::array kReadyWhenNonZeroProducts = {0x4D06, 0x4D16, 0x4D76, 0x4D86};
// ... ready when it is 0; every other product is not asked.
inline constexpr std::array kReadyWhenZeroProducts = {
    0x3052, 0x3072, 0x3082, 0x3085, 0x321B, 0x3340, 0x3341, 0x3350, 0x3360, 0x3370, 0x3380, 0x3400, 0x3410, 0x3420,
    0x3430, 0x3701, 0x4023, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5552, 0x5553, 0x5590, 0x5591,
    0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x5630, 0x5632, 0x6038, 0x6039, 0x6042, 0x6900, 0x6910};
// Of the ready-when-zero products, these two are not asked whether they show the FM radio.
inline constexpr std::array kNoFmQueryProducts = {0x5630, 0x5632};

enum class Readiness { NotAsked, ReadyWhenNonZero, ReadyWhenZero };

constexpr Readiness readiness_rule(int product_id)
{
    if (product_in(kReadyWhenNonZeroProducts, product_id))
        return Readiness::ReadyWhenNonZero;
    if (product_in(kReadyWhenZeroProducts, product_id))
        return Readiness::ReadyWhenZero;
    return Readiness::NotAsked;
}

constexpr bool queries_fm_radio(int product_id)
{
    return product_in(kReadyWhenZeroProducts, product_id) && !product_in(kNoFmQueryProducts, product_id);
}

} // namespace kivo
