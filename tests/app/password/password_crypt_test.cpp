#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/password/password_crypt.h"

namespace {

// Expected strings made with a standard crypto command-line tool: the text zero-padded to whole
// blocks, des-ede3 in ECB without padding under kPasswordKey, then Base64.
const struct {
    const char* text;
    const char* encrypted;
} kVectors[] = {
    {"", ""},
    {"password", "sJHcAbZcToU="},
    {"hunter2", "QCKa/fI4qVY="},
    {"Tr0ub4dor&3 horse", "Igx+LxAxhWPenEcZi5KzyNKp0arJIKoP"},
    {"\xC3\x85ngstr\xC3\xB6mPass!", "lheLR/RXI+bSTs7f2eo/Mg=="},
};

TEST(PasswordCrypt, EncryptsToTheKnownStringsAndBack)
{
    for (const auto& c : kVectors) {
        SCOPED_TRACE(c.text);
        std::unique_ptr<char[]> encrypted;
        EXPECT_EQ(crypt_encrypt_string(c.text, encrypted), std::strlen(c.encrypted) + 1);
        EXPECT_STREQ(encrypted.get(), c.encrypted);

        std::unique_ptr<char[]> decrypted;
        const size_t decoded = crypt_decrypt_string(encrypted.get(), decrypted);
        const size_t padded = (std::strlen(c.text) + 7) / 8 * 8;
        EXPECT_EQ(decoded, padded);
        EXPECT_STREQ(decrypted.get(), c.text);
        for (size_t i = std::strlen(c.text); i <= padded; ++i)
            EXPECT_EQ(decrypted[i], '\0') << "zero padding and the NUL at " << i;
    }
}

TEST(PasswordCrypt, DecryptsOnlyWholeBlocksOfMalformedInput)
{
    // "hunter2" with two more bytes after its block, and junk around it.
    std::unique_ptr<char[]> decrypted;
    EXPECT_EQ(crypt_decrypt_string("QCKa/fI4qVY=\n!!AAA", decrypted), 10u);
    EXPECT_STREQ(decrypted.get(), "hunter2");
    for (size_t i = 7; i <= 10; ++i)
        EXPECT_EQ(decrypted[i], '\0');

    EXPECT_EQ(crypt_decrypt_string("QCKa/f", decrypted), 4u);
    EXPECT_EQ(std::string(decrypted.get(), 5), std::string(5, '\0'));
}

} // namespace
