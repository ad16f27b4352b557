#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "link/md5.h"

namespace {

std::string hex(const Md5Digest& digest)
{
    std::string text;
    for (uint8_t b : digest) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", b);
        text += pair;
    }
    return text;
}

std::span<const uint8_t> bytes(std::string_view text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// The test suite of RFC 1321, appendix A.5.
const struct {
    const char* message;
    const char* digest;
} kRfc1321Suite[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"},
};

TEST(Md5, MatchesTheRfc1321Suite)
{
    for (const auto& c : kRfc1321Suite)
        EXPECT_EQ(hex(md5_digest(bytes(c.message))), c.digest) << '"' << c.message << '"';
}

TEST(Md5, FeedingInChunksAcrossBlocksGivesTheSameDigest)
{
    for (const auto& c : kRfc1321Suite) {
        const std::string_view message = c.message;
        Md5Context context;
        md5_init(context);
        for (size_t at = 0, chunk = 1; at < message.size(); at += chunk, chunk = chunk % 13 + 1)
            md5_update(context, bytes(message.substr(at, chunk)));
        Md5Digest digest;
        md5_final(digest, context);
        EXPECT_EQ(hex(digest), c.digest) << '"' << c.message << '"';
    }
}

} // namespace
