#pragma once
// The four families that speak the 62-byte report protocol: name, version, language pack and
// address over it; the last three read their settings over it too (HID settings groups G11 to G14).

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kProtocolBSettingsProducts = {0x6800, 0x6804, 0x6805, 0x6808, 0x6810, 0x6811, 0x6812,
                                                          0x6815, 0x6817, 0x6821, 0x6822, 0x6825, 0x683A};
inline constexpr std::array kProtocolBNoSpeedDialProducts = {0x6801, 0x6802, 0x6803, 0x6814, 0x6816, 0x6824, 0x6831};
inline constexpr std::array kProtocolBFmBlockProducts = {0x6806};
inline constexpr std::array kProtocolBBasicWordProducts = {0x6829, 0x6841, 0x6845, 0x6846, 0x6847, 0x6848};

constexpr bool speaks_protocol_b(int product_id)
{
    return product_in(kProtocolBSettingsProducts, product_id) ||
        product_in(kProtocolBNoSpeedDialProducts, product_id) || product_in(kProtocolBFmBlockProducts, product_id) ||
        product_in(kProtocolBBasicWordProducts, product_id);
}

} // namespace kivo
