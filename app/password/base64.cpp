#include "app/password/base64.h"

#include <array>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr uint8_t kNotInAlphabet = 0xFF;

constexpr std::array<uint8_t, 256> kDecodeTable = [] {
    std::array<uint8_t, 256> table{};
    table.fill(kNotInAlphabet);
    for (uint8_t value = 0; value < 64; ++value)
        table[static_cast<uint8_t>(kAlphabet[value])] = value;
    return table;
}();

} // namespace

size_t base64_encode_alloc(std::span<const uint8_t> data, std::unique_ptr<char[]>& result)
{
    const size_t size = 4 * ((data.size() + 2) / 3) + 1;
    result = std::make_unique<char[]>(size);
    char* out = result.get();
    for (size_t i = 0; i < data.size(); i += 3) {
        const size_t left = data.size() - i;
        const uint32_t group = uint32_t{data[i]} << 16 | (left > 1 ? uint32_t{data[i + 1]} << 8 : 0) |
            (left > 2 ? uint32_t{data[i + 2]} : 0);
        *out++ = kAlphabet[group >> 18 & 0x3F];
        *out++ = kAlphabet[group >> 12 & 0x3F];
        *out++ = left > 1 ? kAlphabet[group >> 6 & 0x3F] : '=';
        *out++ = left > 2 ? kAlphabet[group & 0x3F] : '=';
    }
    *out = '\0';
    return size;
}

size_t base64_decode(const char* text, std::span<uint8_t> out)
{
    size_t written = 0;
    uint32_t bits = 0;
    int held = 0; // bits waiting in the low end of bits
    for (const char* c = text; *c != '\0' && written < out.size(); ++c) {
        const uint8_t value = kDecodeTable[static_cast<uint8_t>(*c)];
        if (value == kNotInAlphabet)
            continue;
        bits = (bits << 6 | value) & 0xFFFFFF;
        held += 6;
        if (held >= 8) {
            held -= 8;
            out[written++] = static_cast<uint8_t>(bits >> held);
        }
    }
    return written;
}
