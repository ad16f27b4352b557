#include "app/password/url_encode.h"

namespace {

bool stays(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
        c == '_';
}

} // namespace

size_t url_percent_encode(const char* text, std::span<char> out)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    if (out.empty())
        return 0;
    size_t length = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        const size_t needed = stays(*c) ? 1 : 3;
        if (length + needed >= out.size())
            break;
        if (needed == 1) {
            out[length++] = *c;
        } else {
            const auto byte = static_cast<unsigned char>(*c);
            out[length++] = '%';
            out[length++] = kHex[byte >> 4];
            out[length++] = kHex[byte & 0x0F];
        }
    }
    out[length] = '\0';
    return length;
}
