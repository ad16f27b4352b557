#pragma once
// How a device found over plain USB is identified when its chip does not say.

namespace kivo {

// The product a chip is taken for when its product-id key cannot be read.
inline constexpr int kUnknownChipProduct = 0x4D10;

} // namespace kivo
