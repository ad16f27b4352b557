#include "update/engine/mesh/crc16.h"

#include <array>

namespace kivo {
namespace {

constexpr uint16_t kPolynomial = 0x1021;

constexpr std::array<uint16_t, 256> make_table()
{
    std::array<uint16_t, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        auto crc = static_cast<uint16_t>(byte << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<uint16_t>((crc & 0x8000) != 0 ? (crc << 1) ^ kPolynomial : crc << 1);
        table[byte] = crc;
    }
    return table;
}

constexpr std::array<uint16_t, 256> kTable = make_table();

} // namespace

uint16_t crc16_xmodem(std::span<const uint8_t> bytes, uint16_t crc)
{
    for (uint8_t b : bytes)
        crc = static_cast<uint16_t>((crc << 8) ^ kTable[((crc >> 8) ^ b) & 0xFF]);
    return crc;
}

} // namespace kivo
