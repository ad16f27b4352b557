#include "settings/speed_dial.h"

namespace kivo::settings {
namespace {

bool continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The characters of a UTF-8 text: the bytes that do not continue a sequence.
size_t characters(std::string_view text)
{
    size_t count = 0;
    for (char byte : text)
        count += continuation(byte) ? 0 : 1;
    return count;
}

// The first `count` characters, never a part of one.
std::string_view first_characters(std::string_view text, size_t count)
{
    size_t end = 0, taken = 0;
    while (end < text.size() && taken < count) {
        ++end;
        while (end < text.size() && continuation(text[end]))
            ++end;
        ++taken;
    }
    return text.substr(0, end);
}

} // namespace

bool is_speed_dial_number(std::string_view text)
{
    return characters(text) <= kSpeedDialMaxCharacters &&
        text.find_first_not_of(kSpeedDialCharacters) == std::string_view::npos;
}

bool isPartialStringValid(std::string_view partial) { return is_speed_dial_number(partial); }

SpeedDialEntry speed_dial_entry(std::string_view text)
{
    if (is_speed_dial_number(text))
        return {true, std::string(text)};
    if (characters(text) > kSpeedDialMaxCharacters)
        return {false, std::string(first_characters(text, kSpeedDialMaxCharacters))};
    return {false, std::string(text)};
}

bool speed_dials_changed(const KIVOBluetoothDeviceData& device, const KIVOBluetoothDeviceData& current)
{
    for (int i = 0; i < KIVOBluetoothDeviceData::kSpeedDialCount; ++i)
        if (current.speedDialAt(i) != device.speedDialAt(i))
            return true;
    return false;
}

} // namespace kivo::settings
