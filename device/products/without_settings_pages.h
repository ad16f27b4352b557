#pragma once
// Devices without settings pages at their firmware (cameras, the smart-helmet controller and a few
// early versions): the settings button and the settings navigation leave them alone, and the
// update page's Next leads back to device selection.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kWithoutSettingsProducts = {0x3010, 0x3020, 0x3550, 0x5310, 0x5320, 0x5330, 0x5345};

struct WithoutSettingsBelow {
    int product;
    int major;
    int minor;
};

// Products without settings pages below a firmware version.
inline constexpr std::array<WithoutSettingsBelow, 3> kWithoutSettingsBelow{{
    {0x3500, 2, 2},
    {0x3560, 1, 1},
    {0x3570, 1, 1},
}};

bool settings_excluded(int product_id, int major, int minor);

} // namespace kivo
