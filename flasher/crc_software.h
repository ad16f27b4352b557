#pragma once
// The CRC of the chip's CRC unit, computed on the host: CRC-32 polynomial 0x04C11DB7, most
// significant bit first, no reflection, no final XOR, fed 32-bit little-endian words.

#include <cstddef>
#include <cstdint>

// Feeds length bytes of data into crc. A length that is not a multiple of 4 writes a message to
// standard error and gives 0.
uint32_t stm32_crc_software(uint32_t crc, const uint8_t* data, size_t length);
