#pragma once
// Base64 of RFC 4648: the standard alphabet with "=" padding.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

// Writes the Base64 text of data, padded, into a new NUL-terminated buffer of
// 4 * ceil(length / 3) + 1 bytes and returns that size (1 for no data).
size_t base64_encode_alloc(std::span<const uint8_t> data, std::unique_ptr<char[]>& result);

// Decodes a NUL-terminated Base64 text, skipping every character outside the alphabet ("=" and
// line breaks included), and writes at most out.size() bytes; returns the number written.
size_t base64_decode(const char* text, std::span<uint8_t> out);
