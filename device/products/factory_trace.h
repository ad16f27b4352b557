#pragma once
// The one product whose factory settings words are written to the system log when they are set.

namespace kivo {

inline constexpr int kFactoryTracedProduct = 0x3110;

} // namespace kivo
