#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

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

// Inputs longer than one block and one read, across the points where the padding and the length
// move to another block (55/56, 63/64/65) and around 4 KiB. Byte i of each is (7 i + i / 256) mod
// 256; the digests were computed once, outside the project, with Python's hashlib.md5 over the same
// bytes (and the million "a" of the usual long test vector), and are copied here as they came.
std::vector<uint8_t> generated(size_t length)
{
    std::vector<uint8_t> bytes(length);
    for (size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
    return bytes;
}

const struct {
    size_t length;
    const char* digest;
} kGeneratedSuite[] = {
    {55, "8d24280288a696559fd8d5aa1b6d8c6e"},      {56, "ef2c72b7254c92459e498eddd4ace573"},
    {63, "c4c8c6d513f4e1604eb18508a1769364"},      {64, "a2fcb39a253b9b785b1f97518fa37683"},
    {65, "e49fe82d0bb12967a196c85de313e446"},      {4095, "f95038568f1a9e387a345a9172d704d3"},
    {4096, "32696fd7d176a4abe51ef096a885fa89"},    {4097, "031005cd8d3ab11c5bec3a19fa756a7f"},
    {3145745, "4befad5842d7e5d7a2f74b0f872d2345"}, // 3 MiB and 17 bytes
};

// Feeds data in calls of uneven sizes, from one byte to past a MiB, none a multiple of the block.
std::string digest_in_uneven_calls(std::span<const uint8_t> data)
{
    static constexpr size_t kCalls[] = {1, 63, 4097, 65, 1048579, 7, 200003};
    Md5Context context;
    md5_init(context);
    for (size_t at = 0, call = 0; at < data.size(); ++call) {
        const size_t size = std::min(kCalls[call % std::size(kCalls)], data.size() - at);
        md5_update(context, data.subspan(at, size));
        at += size;
    }
    Md5Digest digest;
    md5_final(digest, context);
    return hex(digest);
}

TEST(Md5, LongInputsMatchAnIndependentReference)
{
    const std::vector<uint8_t> million_a(1000000, 'a');
    EXPECT_EQ(hex(md5_digest(million_a)), "7707d6ae4e027c70eea2a935c2296f21");
    EXPECT_EQ(digest_in_uneven_calls(million_a), "7707d6ae4e027c70eea2a935c2296f21");
    for (const auto& c : kGeneratedSuite) {
        SCOPED_TRACE(c.length);
        const std::vector<uint8_t> data = generated(c.length);
        EXPECT_EQ(hex(md5_digest(data)), c.digest) << "in one call";
        EXPECT_EQ(digest_in_uneven_calls(data), c.digest) << "in uneven calls";
    }
}

} // namespace
