// The speed-dial page's edit sheet against any text that can reach it: typed, pasted, or a number
// a device held.
//
// Input: the text.
//
// Beside the sanitizers, it checks that typing and OK agree on what a number is, that OK stores a
// number as it stands, and that a text it cuts is a prefix of at most 20 characters which, when the
// text was well-formed UTF-8, still is: no character is split.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/utf8_text.h"
#include "settings/speed_dial.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const kivo::settings::SpeedDialEntry entry = kivo::settings::speed_dial_entry(text);
    if (entry.stored != kivo::settings::isPartialStringValid(text))
        std::abort();
    if (entry.stored && entry.field != text)
        std::abort();
    if (text.compare(0, entry.field.size(), entry.field) != 0)
        std::abort();
    if (kivo::is_utf8(text) && !kivo::is_utf8(entry.field))
        std::abort();
    size_t characters = 0;
    for (char byte : entry.field)
        characters += (static_cast<unsigned char>(byte) & 0xC0) == 0x80 ? 0 : 1;
    if (entry.field.size() < text.size() && characters > 20)
        std::abort();
    return 0;
}
