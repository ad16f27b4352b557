#pragma once
// Three-key Triple-DES (DES-EDE3) in ECB mode, one 8-byte block at a time.

#include <cstdint>
#include <span>

#include <mbedtls/des.h>

inline constexpr size_t kDesBlockSize = 8;
using DesKey = std::span<const uint8_t, kDesBlockSize>;

// The encryption and decryption key schedules; cleared when the context ends.
struct TdesContext {
    TdesContext();
    ~TdesContext();
    TdesContext(const TdesContext&) = delete;
    TdesContext& operator=(const TdesContext&) = delete;

    mbedtls_des3_context encrypt;
    mbedtls_des3_context decrypt;
};

// Builds both schedules from K1, K2, K3; result 0.
int tdes_set3key(TdesContext& context, DesKey k1, DesKey k2, DesKey k3);
void tdes_encrypt_block(TdesContext& context, std::span<const uint8_t, kDesBlockSize> in,
                        std::span<uint8_t, kDesBlockSize> out);
void tdes_decrypt_block(TdesContext& context, std::span<const uint8_t, kDesBlockSize> in,
                        std::span<uint8_t, kDesBlockSize> out);
