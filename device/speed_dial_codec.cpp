// Speed-dial numbers between text and the device form: 20 16-bit units, one text byte in the low
// (first) byte of each.

#include <algorithm>
#include <cstdint>
#include <optional>

#include "device/device_data.h"

namespace {

// The number of UTF-16 units of a well-formed UTF-8 text, or none when it is not well formed
// (stray continuation bytes, overlong forms, surrogates, code points past U+10FFFF, cut sequences).
std::optional<int> utf16_length(std::string_view text)
{
    int units = 0;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t extra = 0;
        uint32_t code = 0;
        if (lead < 0x80) {
            code = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            code = lead & 0x07u;
        } else {
            return std::nullopt;
        }
        if (text.size() - i <= extra)
            return std::nullopt;
        for (size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u)
                return std::nullopt;
            code = (code << 6) | (next & 0x3Fu);
        }
        const bool overlong = (extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000);
        if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return std::nullopt;
        units += code >= 0x10000 ? 2 : 1;
        i += extra + 1;
    }
    return units;
}

} // namespace

int KIVOBluetoothDeviceData::getSpeedDialString_FromArray(
    std::string& text, std::span<const uint16_t, kSpeedDialUnitCount> units)
{
    std::string bytes;
    for (const uint16_t unit : units) {
        const auto byte = static_cast<char>(unit & 0xFFu);
        if (byte == '\0')
            break;
        bytes.push_back(byte);
    }
    const std::optional<int> length = utf16_length(bytes);
    if (!length) {
        text.clear();
        return 0;
    }
    text = std::move(bytes);
    return *length;
}

int KIVOBluetoothDeviceData::getSpeedDialArray_FromString(
    std::span<uint16_t, kSpeedDialUnitCount> units, std::string_view text)
{
    if (text.empty())
        return 0;
    const size_t taken = std::min(text.size(), kSpeedDialUnitCount);
    for (size_t i = 0; i < kSpeedDialUnitCount; ++i) {
        // Each byte widened with its sign, as the device form has always been written.
        const int16_t widened = i < taken ? static_cast<int8_t>(text[i]) : int16_t{0};
        units[i] = static_cast<uint16_t>(widened);
    }
    return static_cast<int>(2 * taken);
}
