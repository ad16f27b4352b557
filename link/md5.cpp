#include "link/md5.h"

void md5_init(Md5Context& context)
{
    mbedtls_md5_init(&context.state);
    mbedtls_md5_starts_ret(&context.state);
}

void md5_update(Md5Context& context, std::span<const uint8_t> data)
{
    mbedtls_md5_update_ret(&context.state, data.data(), data.size());
}

void md5_final(std::span<uint8_t, kMd5DigestSize> digest, Md5Context& context)
{
    mbedtls_md5_finish_ret(&context.state, digest.data());
    mbedtls_md5_free(&context.state); // zeroes the state
}

Md5Digest md5_digest(std::span<const uint8_t> data)
{
    Md5Context context;
    md5_init(context);
    md5_update(context, data);
    Md5Digest digest;
    md5_final(digest, context);
    return digest;
}
