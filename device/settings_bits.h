#pragma once
// Bit-field helpers of the settings-word codec. A word lives in a 32-bit signed slot; every helper
// reads or changes only the bits it is given and leaves the rest of the word, the bits above the
// device's 16 included, exactly as they were.

#include <cstdint>

namespace kivo::settings_bits {

// Slot indexes of the settings words and the camera words.
enum Word : int { W0 = 0, W1 = 1, W2 = 2, W3 = 3, W4 = 4 };
enum CameraWord : int { C0 = 0, C1 = 1, C2 = 2, C3 = 3 };

constexpr uint32_t field_mask(int shift, int width) { return ((uint32_t{1} << width) - 1) << shift; }

constexpr int field(int word, int shift, int width)
{
    return static_cast<int>((static_cast<uint32_t>(word) & field_mask(shift, width)) >> shift);
}

constexpr int bit(int word, int n) { return field(word, n, 1); }

// Stores the low `width` bits of code; nothing outside the field can change.
constexpr void put_field(int& word, int shift, int width, int code)
{
    const uint32_t mask = field_mask(shift, width);
    word = static_cast<int>((static_cast<uint32_t>(word) & ~mask) | ((static_cast<uint32_t>(code) << shift) & mask));
}

// On/off switch: any non-zero value stores 1.
constexpr void put_flag(int& word, int n, int value) { put_field(word, n, 1, value != 0 ? 1 : 0); }

// Switch the device keeps inverted: 0 stores 1, anything else 0.
constexpr void put_inverted_flag(int& word, int n, int value) { put_field(word, n, 1, value == 0 ? 1 : 0); }

// Coded field: a value outside first..last leaves the word unchanged.
constexpr void put_code(int& word, int shift, int width, int value, int first, int last)
{
    if (value >= first && value <= last)
        put_field(word, shift, width, value);
}

// Coded field read back: a stored code above last reads as fallback.
constexpr int code_or(int word, int shift, int width, int last, int fallback)
{
    const int code = field(word, shift, width);
    return code <= last ? code : fallback;
}

// Language pack type 0 lacks one language, so for the products that have such packs the codes
// from language index 6 on run one higher than the index.
inline constexpr int kShortLanguagePackType = 0;
inline constexpr int kFirstShiftedLanguageIndex = 6;

} // namespace kivo::settings_bits
