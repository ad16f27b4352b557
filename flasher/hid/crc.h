#pragma once
// The CRC functions of the HID firmware download.
//
// CRC-32: the reflected CRC of polynomial 0xEDB88320 kept as its raw register, a running value
// that these functions neither invert on the way in nor on the way out (the value a DFU file
// suffix stores when the register starts at 0xFFFFFFFF).
//
// CRC-16/CCITT: polynomial 0x1021, most significant bit first, no final inversion; crc16_ccitt
// starts at 0 (the CRC-16/XMODEM parameters).

#include <cstddef>
#include <cstdint>

// A running CRC-32 register, owned by whoever runs it over its data.
struct Crc32Register {
    uint32_t value = 0xFFFFFFFF;
};

// Sets the register.
void crc32_set(Crc32Register& crc, uint32_t value);
// Runs the register over length bytes and returns it; length 0 returns it unchanged.
uint32_t crc32_update(Crc32Register& crc, const void* data, size_t length);

// A length below 1 gives 0.
uint16_t crc16_ccitt(const uint8_t* data, int length);
// Continues from crc: a negative length gives 0, a length of 0 crc's low 16 bits.
uint16_t crc16_ccitt_update(uint32_t crc, const uint8_t* data, int length);
