#pragma once
// MD5 of RFC 1321: start a context, feed it, take the 16-byte digest. Used to check the sections of
// a firmware container and to compare a copied file with its source.

#include <array>
#include <cstdint>
#include <span>

#include <mbedtls/md5.h>

inline constexpr size_t kMd5DigestSize = 16;
using Md5Digest = std::array<uint8_t, kMd5DigestSize>;

struct Md5Context {
    mbedtls_md5_context state;
};

void md5_init(Md5Context& context);
void md5_update(Md5Context& context, std::span<const uint8_t> data);
// Writes the digest and clears the context; md5_init starts it again.
void md5_final(std::span<uint8_t, kMd5DigestSize> digest, Md5Context& context);

// The digest of one buffer.
Md5Digest md5_digest(std::span<const uint8_t> data);
