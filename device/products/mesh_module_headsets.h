#pragma once
// Headsets whose mesh-intercom module is read through its own update-mode interface.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kMeshModuleProducts = {0x5552, 0x5553, 0x5630, 0x5632};

constexpr bool has_mesh_module(int product_id) { return product_in(kMeshModuleProducts, product_id); }

} // namespace kivo
