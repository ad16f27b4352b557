#pragma once
// 32-bit byte order. The host is little-endian: the bootloader's frames are big-endian, the words of
// a program run from RAM little-endian.

#include <bit>
#include <cstdint>

static_assert(std::endian::native == std::endian::little, "the flasher assumes a little-endian host");

constexpr int host_is_little_endian() { return 1; }
constexpr uint32_t to_big_endian32(uint32_t value) { return __builtin_bswap32(value); }
constexpr uint32_t to_little_endian32(uint32_t value) { return value; }
