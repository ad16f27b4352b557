#pragma once
// Turns a short secret text into a printable string and back: Triple-DES (ECB, zero padding) under
// a fixed key, then Base64.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

// K1, K2 and K3 in this order.
inline constexpr std::array<uint8_t, 24> kPasswordKey = {0x20, 0xC2, 0xEA, 0xA7, 0x54, 0x89, 0x34, 0x5D,
                                                         0xA4, 0xBA, 0x64, 0x32, 0xA1, 0x57, 0x0B, 0x1F,
                                                         0x2A, 0xBA, 0x26, 0x6E, 0x67, 0xC4, 0x58, 0x23};

// Encrypts a NUL-terminated text, zero-padded to whole blocks, into a new NUL-terminated Base64
// string; returns that buffer's size (1 for an empty text).
size_t crypt_encrypt_string(const char* text, std::unique_ptr<char[]>& result);

// Decrypts a Base64 text into a new buffer of the decoded bytes (zero padding kept) and a NUL, so
// that it reads as the text that was encrypted; returns the number of decoded bytes. Bytes after
// the last whole block cannot be decrypted and stay zero.
size_t crypt_decrypt_string(const char* base64, std::unique_ptr<char[]>& result);
