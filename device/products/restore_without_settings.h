#pragma once
// Devices whose settings button stays off on the restore page: their backup is restored without
// offering their settings afterwards.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kRestoreWithoutSettingsProducts = {0x6816, 0x6831, 0x6839, 0x6840, 0x6A01, 0x6A02, 0x6A04};

constexpr bool restore_without_settings(int product_id)
{
    return product_in(kRestoreWithoutSettingsProducts, product_id);
}

} // namespace kivo
