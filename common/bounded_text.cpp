#include "common/bounded_text.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace kivo {

void copy_text(std::span<char> out, std::string_view text)
{
    if (out.empty())
        return;
    const size_t n = std::min(text.size(), out.size() - 1);
    std::memcpy(out.data(), text.data(), n);
    out[n] = '\0';
}

void format_text(std::span<char> out, const char* format, ...)
{
    if (out.empty())
        return;
    va_list args;
    va_start(args, format);
    std::vsnprintf(out.data(), out.size(), format, args);
    va_end(args);
}

} // namespace kivo
