#pragma once
// The lenient read of one part of a version text: leading white space, an optional sign, then the
// digits up to the first non-digit; no digits read as 0. A long digit run saturates to the int
// range instead of throwing or wrapping, so a text from a device or a card is always safe to read.

#include <climits>
#include <cstdint>
#include <string_view>

namespace kivo {

constexpr int leading_int(std::string_view part)
{
    const auto is_space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    size_t i = 0;
    while (i < part.size() && is_space(part[i]))
        ++i;
    bool negative = false;
    if (i < part.size() && (part[i] == '+' || part[i] == '-'))
        negative = part[i++] == '-';
    int64_t value = 0;
    for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i) {
        value = value * 10 + (part[i] - '0');
        if (value > int64_t{INT_MAX} + 1) // past both limits: no need to read on
            break;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace kivo
