#pragma once
// Which headsets with a QCC mesh module are asked whether they are ready (COMMAND_READY_STATE,
// ready when answer byte 3 is 0) before they are switched into mesh DFU; the rest of their family
// is switched at once.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kMeshDfuReadyStateProducts = {0x6510, 0x6500};

constexpr bool asks_ready_before_mesh_dfu(int product_id) { return product_in(kMeshDfuReadyStateProducts, product_id); }

} // namespace kivo
