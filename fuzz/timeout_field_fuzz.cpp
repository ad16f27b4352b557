// libFuzzer entry point: the audio channel timeout field's reading of typed text. Beyond not
// crashing, the value is the text's own when it is a plain number, and only 3 to 60 is accepted.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/timeout_field.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int value = kivo::settings::timeout_field_value(text);
    if (kivo::settings::timeout_acceptable(value) && (value < 3 || value > 60))
        std::abort();
    // A short plain number reads as itself.
    if (!text.empty() && text.size() < 9 && text.find_first_not_of("0123456789") == std::string_view::npos &&
        value != std::stoi(std::string(text)))
        std::abort();
    return 0;
}
