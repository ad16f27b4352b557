#pragma once
// CRC-16/XMODEM (polynomial 0x1021, initial 0, most significant bit first, no final exclusive-or).
// The running value is carried: the CRC of one chunk starts from 0, the CRC of a whole image is
// carried over every chunk in turn, and both are this one function.

#include <cstdint>
#include <span>

namespace kivo {

uint16_t crc16_xmodem(std::span<const uint8_t> bytes, uint16_t crc = 0);

} // namespace kivo
