#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/password/base64.h"

namespace {

std::span<const uint8_t> bytes(std::string_view text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::string decode(const char* text, size_t capacity)
{
    std::string out(capacity, '\0');
    out.resize(base64_decode(text, {reinterpret_cast<uint8_t*>(out.data()), out.size()}));
    return out;
}

// RFC 4648, section 10.
const struct {
    const char* data;
    const char* base64;
} kRfc4648[] = {
    {"", ""},
    {"f", "Zg=="},
    {"fo", "Zm8="},
    {"foo", "Zm9v"},
    {"foob", "Zm9vYg=="},
    {"fooba", "Zm9vYmE="},
    {"foobar", "Zm9vYmFy"},
};

TEST(Base64, EncodesTheRfc4648VectorsIntoBuffersOfTheStatedSize)
{
    for (const auto& c : kRfc4648) {
        std::unique_ptr<char[]> text;
        const size_t size = base64_encode_alloc(bytes(c.data), text);
        EXPECT_STREQ(text.get(), c.base64);
        EXPECT_EQ(size, std::strlen(c.base64) + 1);
    }
    std::unique_ptr<char[]> text;
    std::string all_bytes;
    for (int b = 0; b < 256; ++b)
        all_bytes += static_cast<char>(b);
    base64_encode_alloc(bytes(all_bytes), text);
    EXPECT_EQ(decode(text.get(), 256), all_bytes);
}

TEST(Base64, DecodesSkippingEverythingOutsideTheAlphabet)
{
    for (const auto& c : kRfc4648)
        EXPECT_EQ(decode(c.base64, 16), c.data) << c.base64;
    EXPECT_EQ(decode("Zm9v\r\nYmFy\n", 16), "foobar");
    EXPECT_EQ(decode("Zm 9v*Y=g=", 16), "foob");
    EXPECT_EQ(decode("Zm9vYmFy", 4), "foob") << "never more than the capacity";
    EXPECT_EQ(decode("Zm9vY", 16), "foo") << "a lone trailing character makes no byte";
}

} // namespace
