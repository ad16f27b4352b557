#pragma once
// The voice-prompt language a headset is told after its firmware is written: the codes of the
// language names and of the language token of an image file name, and the write of a code into
// the device's unit-language record (settings group 4) over the open HID link. Worker thread only.

#include <cstdint>
#include <string_view>

namespace kivo {

class VoicePromptLanguage {
public:
    // The unit-language code of an English language name (exact, case-sensitive); 0 for others.
    static int UnitLanguageCodeFromString(std::string_view name);
    // The same with the further voice-prompt languages of one family, which reuse codes 1 to 9.
    static int UnitLanguageCodeFromStringForKelpor(std::string_view name);
    // The index (1 to 10) of an image file name's two-letter language token; 0 for others.
    static int GetLanguageCodeFromIMGFileNmae(std::string_view token);
    // The code byte of the raw language command for such an index; 0 outside 1 to 10.
    static int LanguageCodeFromString(int index);

    // Reads group 4 on the slot, puts the low five bits of code into it and writes it back. A
    // record of 2 words is written as 4. False on a failed read, a word count of 0, 1 or 3 (then
    // nothing is written), or a failed write.
    static bool bt_set_unit_language_with(int slot, int code);
    static bool bt_set_unit_language_kelpor_with(int slot, int code);
};

} // namespace kivo
