#pragma once
// How the name and version of a device found over HID are read, where its product's rule differs
// from the name record followed by the version request.

#include "device/products/product_set.h"

namespace kivo {

// Products that take their version from the name request (with their language pack).
inline constexpr std::array kVersionWithNameRecordProducts = {0x3340, 0x3341, 0x3342, 0x3343, 0x3420, 0x3430};

// Products of the 62-byte-report families that have no default name: a failed name read leaves
// them nameless.
inline constexpr std::array kNoDefaultNameProducts = {0x6814, 0x6824, 0x6831};

constexpr bool reads_version_with_name_record(int product_id)
{
    return product_in(kVersionWithNameRecordProducts, product_id);
}

} // namespace kivo
