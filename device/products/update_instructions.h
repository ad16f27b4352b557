#pragma once
// Single-image Qualcomm headsets whose update needs the user to act on the headset, before the
// loader restart and after the update, guided by instruction boxes while the worker polls.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kUpdateInstructionProducts = {0x4D16, 0x4D06, 0x4D76, 0x4D86};

constexpr bool update_needs_instructions(int product_id) { return product_in(kUpdateInstructionProducts, product_id); }

} // namespace kivo
