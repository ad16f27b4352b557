#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "app/password/tdes.h"

namespace {

using Block = std::array<uint8_t, kDesBlockSize>;

std::vector<uint8_t> from_hex(std::string_view hex)
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

// Encrypts and decrypts every block of plain under the 24-byte key given in hex.
void expect_ecb(std::string_view key_hex, std::string_view plain, std::string_view cipher_hex)
{
    const std::vector<uint8_t> key = from_hex(key_hex);
    const std::vector<uint8_t> cipher = from_hex(cipher_hex);
    ASSERT_EQ(plain.size(), cipher.size());
    TdesContext context;
    EXPECT_EQ(tdes_set3key(context, std::span(key).subspan<0, 8>(), std::span(key).subspan<8, 8>(),
                           std::span(key).subspan<16, 8>()),
              0);
    for (size_t at = 0; at < plain.size(); at += kDesBlockSize) {
        Block in, expected, out, back;
        std::copy_n(&plain[at], kDesBlockSize, in.begin());
        std::copy_n(&cipher[at], kDesBlockSize, expected.begin());
        tdes_encrypt_block(context, in, out);
        EXPECT_EQ(out, expected) << "block at " << at;
        tdes_decrypt_block(context, out, back);
        EXPECT_EQ(back, in);
    }
}

TEST(TripleDes, ThreeDistinctKeysMatchTheStandardExample)
{
    // NIST SP 800-67, the TDEA example in ECB mode.
    expect_ecb("0123456789ABCDEF"
               "23456789ABCDEF01"
               "456789ABCDEF0123",
               "The qufck brown fox jump",
               "A826FD8CE53B855F"
               "CCE21C8112256FE6"
               "68D5C05DD9B6B900");
}

TEST(TripleDes, OneKeyThreeTimesIsSingleDes)
{
    // FIPS 81, the ECB example.
    expect_ecb("0123456789ABCDEF"
               "0123456789ABCDEF"
               "0123456789ABCDEF",
               "Now is the time for all ",
               "3FA40E8A984D4815"
               "6A271787AB8883F9"
               "893D51EC4B563B53");
}

} // namespace
