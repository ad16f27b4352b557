#pragma once
// An independent CRC for the checks: CRC-32/MPEG-2 byte by byte, over the bytes with each group of
// four reversed, which is what the chip's CRC unit computes from little-endian words.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace flasher_test {

inline uint32_t crc32_mpeg2(const uint8_t* data, size_t length, uint32_t crc = 0xFFFFFFFF)
{
    for (size_t i = 0; i < length; ++i) {
        crc ^= uint32_t{data[i]} << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) != 0 ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

inline uint32_t stm32_crc_reference(const std::vector<uint8_t>& bytes)
{
    std::vector<uint8_t> swapped(bytes);
    for (size_t i = 0; i + 3 < swapped.size(); i += 4) {
        std::swap(swapped[i], swapped[i + 3]);
        std::swap(swapped[i + 1], swapped[i + 2]);
    }
    return crc32_mpeg2(swapped.data(), swapped.size());
}

} // namespace flasher_test
