#pragma once
// Wire constants and small helpers shared by the peer's files.

#include <cstdint>
#include <cstdio>
#include <string>

#include "tests/flasher/boot_peer.h"

namespace flasher_test {

inline constexpr uint8_t kAck = 0x79;
inline constexpr uint8_t kNack = 0x1F;
inline constexpr uint8_t kBusy = 0x76;
inline constexpr size_t kRamProgramSize = 24;

inline const uint8_t kResetPrograms[2][16] = {
    {0x01, 0x49, 0x02, 0x4A, 0x0A, 0x60, 0xFE, 0xE7, 0x0C, 0xED, 0x00, 0xE0, 0x04, 0x00, 0xFA, 0x05},
    {0x01, 0x49, 0x02, 0x4A, 0x0A, 0x60, 0xFE, 0xE7, 0x10, 0x20, 0x02, 0x40, 0x00, 0x20, 0x00, 0x00},
};
inline const char* const kResetProgramNames[2] = {"system reset", "option-byte reload"};

inline uint8_t xor_of(const Bytes& bytes)
{
    uint8_t x = 0;
    for (const uint8_t b : bytes)
        x ^= b;
    return x;
}

inline uint32_t be32(const Bytes& frame)
{
    return uint32_t{frame[0]} << 24 | uint32_t{frame[1]} << 16 | uint32_t{frame[2]} << 8 | frame[3];
}

inline void put_le32(Bytes& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline std::string hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", value);
    return text;
}

inline std::string code_text(uint8_t code)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", code);
    return text;
}

inline const ChipDescriptor& chip_of(uint16_t product_id)
{
    const ChipDescriptor* chip = stm32_chip_find(product_id);
    if (chip == nullptr) // an unknown id still answers GET ID; the memory is that of a small chip
        chip = stm32_chip_find(0x410);
    return *chip;
}

} // namespace flasher_test
