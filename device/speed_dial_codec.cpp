// Speed-dial numbers between text and the device form: 20 16-bit units, one text byte in the low
// (first) byte of each.

#include <algorithm>
#include <cstdint>
#include <optional>

#include "common/utf8_text.h"
#include "device/device_data.h"

int KIVOBluetoothDeviceData::getSpeedDialString_FromArray(std::string& text,
                                                          std::span<const uint16_t, kSpeedDialUnitCount> units)
{
    std::string bytes;
    for (const uint16_t unit : units) {
        const auto byte = static_cast<char>(unit & 0xFFu);
        if (byte == '\0')
            break;
        bytes.push_back(byte);
    }
    const std::optional<int> length = kivo::utf16_length(bytes);
    if (!length) {
        text.clear();
        return 0;
    }
    text = std::move(bytes);
    return *length;
}

int KIVOBluetoothDeviceData::getSpeedDialArray_FromString(std::span<uint16_t, kSpeedDialUnitCount> units,
                                                          std::string_view text)
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
