#include "app/password/tdes.h"

#include <algorithm>

#include <mbedtls/platform_util.h>

TdesContext::TdesContext()
{
    mbedtls_des3_init(&encrypt);
    mbedtls_des3_init(&decrypt);
}

TdesContext::~TdesContext()
{
    mbedtls_des3_free(&encrypt);
    mbedtls_des3_free(&decrypt);
}

int tdes_set3key(TdesContext& context, DesKey k1, DesKey k2, DesKey k3)
{
    uint8_t keys[3 * kDesBlockSize];
    std::copy(k1.begin(), k1.end(), keys);
    std::copy(k2.begin(), k2.end(), keys + kDesBlockSize);
    std::copy(k3.begin(), k3.end(), keys + 2 * kDesBlockSize);
    mbedtls_des3_set3key_enc(&context.encrypt, keys);
    mbedtls_des3_set3key_dec(&context.decrypt, keys);
    mbedtls_platform_zeroize(keys, sizeof keys);
    return 0;
}

void tdes_encrypt_block(TdesContext& context, std::span<const uint8_t, kDesBlockSize> in,
                        std::span<uint8_t, kDesBlockSize> out)
{
    mbedtls_des3_crypt_ecb(&context.encrypt, in.data(), out.data());
}

void tdes_decrypt_block(TdesContext& context, std::span<const uint8_t, kDesBlockSize> in,
                        std::span<uint8_t, kDesBlockSize> out)
{
    mbedtls_des3_crypt_ecb(&context.decrypt, in.data(), out.data());
}
