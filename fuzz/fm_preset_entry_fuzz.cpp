// The FM radio page's edit sheet against any text the user can type or paste: the decimal reader
// that turns it into a preset frequency.
//
// Input: the text, as typed.
//
// Beside the sanitizers, it checks that the reading is 0 or a whole number of 100 kHz steps below
// a million MHz, that blanks around the text change nothing, and that a ',' reads as a '.'.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/fm_radio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int value = kivo::settings::fm_preset_entry(text);
    if (value < 0 || value % 10 != 0 || value > 100'000'000)
        std::abort();
    if (kivo::settings::fm_preset_entry(" " + text + "\t") != value)
        std::abort();
    std::string comma = text;
    std::replace(comma.begin(), comma.end(), '.', ',');
    if (kivo::settings::fm_preset_entry(comma) != value)
        std::abort();
    return 0;
}
