#pragma once
// Units of one partner-branded headset that are told apart by their Bluetooth address: the first
// six hexadecimal digits of the address in one range (bounds inclusive).

#include <cstdint>

namespace kivo {

inline constexpr int kTorvikAddressProduct = 0x5060;
inline constexpr uint32_t kTorvikAddressFirst = 0x3323F1;
inline constexpr uint32_t kTorvikAddressLast = 0x333584;

} // namespace kivo
