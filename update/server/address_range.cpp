#include "update/server/address_range.h"

#include "device/products/torvik_address.h"

namespace kivo {
namespace {

constexpr size_t kAddressDigits = 6;

int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

uint32_t leading_hex_value(std::string_view text)
{
    uint32_t value = 0;
    for (char c : text.substr(0, kAddressDigits)) {
        const int digit = hex_digit(c);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

bool change_pskey_torvik(int device_target, std::string_view address)
{
    if (device_target != kTorvikAddressProduct)
        return false;
    const uint32_t v = leading_hex_value(address);
    return v >= kTorvikAddressFirst && v <= kTorvikAddressLast;
}

} // namespace kivo
