#include "app/password/password_crypt.h"

#include <cstring>
#include <span>
#include <vector>

#include <mbedtls/platform_util.h>

#include "app/password/base64.h"
#include "app/password/tdes.h"

namespace {

void set_password_key(TdesContext& context)
{
    const std::span<const uint8_t, 24> key = kPasswordKey;
    tdes_set3key(context, key.subspan<0, 8>(), key.subspan<8, 8>(), key.subspan<16, 8>());
}

} // namespace

size_t crypt_encrypt_string(const char* text, std::unique_ptr<char[]>& result)
{
    const size_t length = std::strlen(text);
    const size_t padded = (length + kDesBlockSize - 1) / kDesBlockSize * kDesBlockSize;
    std::vector<uint8_t> plain(padded + 1, 0);
    std::memcpy(plain.data(), text, length);

    TdesContext context;
    set_password_key(context);
    std::vector<uint8_t> cipher(padded);
    for (size_t at = 0; at < padded; at += kDesBlockSize)
        tdes_encrypt_block(context, std::span(plain).subspan(at).first<kDesBlockSize>(),
                           std::span(cipher).subspan(at).first<kDesBlockSize>());
    mbedtls_platform_zeroize(plain.data(), plain.size());
    return base64_encode_alloc(cipher, result);
}

size_t crypt_decrypt_string(const char* base64, std::unique_ptr<char[]>& result)
{
    std::vector<uint8_t> cipher(std::strlen(base64));
    const size_t decoded = base64_decode(base64, cipher);

    TdesContext context;
    set_password_key(context);
    result = std::make_unique<char[]>(decoded + 1); // zero-filled
    const std::span<uint8_t> plain(reinterpret_cast<uint8_t*>(result.get()), decoded);
    for (size_t at = 0; at + kDesBlockSize <= decoded; at += kDesBlockSize)
        tdes_decrypt_block(context, std::span(cipher).subspan(at).first<kDesBlockSize>(),
                           plain.subspan(at).first<kDesBlockSize>());
    return decoded;
}
