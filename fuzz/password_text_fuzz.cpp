// libFuzzer entry point: Base64 decoding, the password decryption and percent-encoding on arbitrary
// text. Beyond not crashing:
//  - Base64 never writes past its buffer, writes 3 bytes for every 4 characters of the alphabet at
//    most, and what it encodes decodes back whole;
//  - decryption gives a NUL-terminated buffer of the decoded length, and a text encrypted decrypts
//    back to itself followed by zero padding;
//  - percent-encoding keeps inside its buffer, always ends its text, writes only characters that
//    stay and "%XX", and decodes back to the start of the input it had room for.

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/password/base64.h"
#include "app/password/password_crypt.h"
#include "app/password/url_encode.h"

namespace {

bool in_alphabet(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

void check_base64(const std::string& text, const uint8_t* data, size_t size)
{
    // A guard byte after the room the decoder is given must stay untouched.
    const size_t room = size % 64;
    std::vector<uint8_t> out(room + 1, 0xA5);
    const size_t written = base64_decode(text.c_str(), std::span(out).first(room));
    const size_t symbols = static_cast<size_t>(std::count_if(text.begin(), text.end(), in_alphabet));
    if (written > room || written > symbols * 3 / 4 || out[room] != 0xA5)
        std::abort();

    std::unique_ptr<char[]> encoded;
    const size_t encoded_size = base64_encode_alloc({data, size}, encoded);
    if (encoded_size != 4 * ((size + 2) / 3) + 1 || std::strlen(encoded.get()) + 1 != encoded_size)
        std::abort();
    std::vector<uint8_t> back(size);
    if (base64_decode(encoded.get(), back) != size || !std::equal(back.begin(), back.end(), data))
        std::abort();
}

void check_decrypt(const std::string& text)
{
    std::unique_ptr<char[]> plain;
    const size_t decoded = crypt_decrypt_string(text.c_str(), plain);
    if (decoded > text.size() || plain[decoded] != '\0')
        std::abort();

    std::unique_ptr<char[]> cipher;
    crypt_encrypt_string(text.c_str(), cipher);
    std::unique_ptr<char[]> back;
    const size_t length = std::strlen(text.c_str());
    const size_t back_size = crypt_decrypt_string(cipher.get(), back);
    if (back_size != (length + 7) / 8 * 8 || std::memcmp(back.get(), text.c_str(), length) != 0 ||
        std::any_of(back.get() + length, back.get() + back_size, [](char c) { return c != '\0'; }))
        std::abort();
}

int hex_value(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

void check_percent(const std::string& text, size_t room)
{
    std::vector<char> out(room + 1, '#');
    const size_t length = url_percent_encode(text.c_str(), std::span(out).first(room));
    if (room == 0) {
        if (length != 0 || out[0] != '#')
            std::abort();
        return;
    }
    if (length >= room || out[length] != '\0' || out[room] != '#')
        std::abort();
    std::string decoded;
    for (size_t i = 0; i < length; ++i) {
        const char c = out[i];
        if (c == '%') {
            if (i + 2 >= length || !std::isxdigit(static_cast<unsigned char>(out[i + 1])) ||
                !std::isxdigit(static_cast<unsigned char>(out[i + 2])))
                std::abort();
            decoded += static_cast<char>(hex_value(out[i + 1]) * 16 + hex_value(out[i + 2]));
            i += 2;
        } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == '_') {
            decoded += c;
        } else {
            std::abort();
        }
    }
    if (std::strncmp(decoded.c_str(), text.c_str(), decoded.size()) != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The functions read NUL-terminated texts: the input up to its first NUL.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string c_text = text.c_str();
    check_base64(c_text, data, size);
    check_decrypt(c_text);
    check_percent(c_text, size % 97);
    return 0;
}
