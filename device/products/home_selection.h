#pragma once
// The products of the home page: the one preselected, an old id that now selects its newer one,
// and the model buttons of earlier releases (kept hidden), in the page's button order.

#include <array>

namespace kivo {

// Selected unless the configuration holds another product: the OEM headset.
inline constexpr int kPreselectedProduct = 0x3142;

// An older id of the same product, and the id it selects now.
inline constexpr int kRenamedProduct = 0x4010;
inline constexpr int kRenamedProductNow = 0x4D10;

inline constexpr std::array kLegacyModelProducts = {0x4D10, 0x4D20, 0x2020, 0x4D05, 0x4D15, 0x4020,
                                                    0x2010, 0x4030, 0x4010, 0x5010, 0x5020, 0x5030,
                                                    0x5040, 0x4110, 0x5210, 0x5310, 0x3010, 0x4120};

} // namespace kivo
