#include "flasher/serial_settings.h"

#include <array>
#include <cstring>

namespace {

constexpr std::array<uint32_t, kBaudTableSize> kBaudRates = {1200,   1800,   2400,    4800,    9600,   19200,  38400,
                                                             57600,  115200, 128000,  230400,  256000, 460800, 500000,
                                                             576000, 921600, 1000000, 1500000, 2000000};

// The character at position, or 0 past the end of the text.
char mode_char(const char* mode, size_t position)
{
    if (mode == nullptr)
        return 0;
    const size_t length = std::strlen(mode);
    return position < length ? mode[position] : 0;
}

} // namespace

uint32_t baud_index_of_rate(uint32_t rate)
{
    for (uint32_t i = 0; i < kBaudTableSize; ++i)
        if (kBaudRates[i] == rate)
            return i;
    return kBaudTableSize;
}

uint32_t baud_rate_of_index(uint32_t index) { return index < kBaudTableSize ? kBaudRates[index] : 0; }

bool serial_accepts_baud_index(uint32_t index) { return index <= 8 || index == 10; }

uint32_t mode_data_bits_index(const char* mode)
{
    const char c = mode_char(mode, 0);
    return c >= '5' && c <= '8' ? static_cast<uint32_t>(c - '5') : 4;
}

uint32_t data_bits_of_index(uint32_t index) { return index < 4 ? index + 5 : 0; }

uint32_t mode_parity_index(const char* mode)
{
    switch (mode_char(mode, 1)) {
    case 'N':
    case 'n': return 0;
    case 'E':
    case 'e': return 1;
    case 'O':
    case 'o': return 2;
    default: return 3;
    }
}

char parity_letter_of_index(uint32_t index)
{
    constexpr std::array<char, 3> kLetters = {'N', 'E', 'O'};
    return index < kLetters.size() ? kLetters[index] : ' ';
}

uint32_t mode_stop_bits_index(const char* mode)
{
    const char c = mode_char(mode, 2);
    return c == '1' ? 0 : c == '2' ? 1 : 2;
}

uint32_t stop_bits_of_index(uint32_t index) { return index < 2 ? index + 1 : 0; }
