#pragma once
// The last step of the OEM mesh headsets' update: the voice-prompt language, from the firmware
// file's name and from the language the user chose, told to the headset open in HID slot 0.
// Results are only traced: the update has succeeded whatever the headset answers.

#include <string>
#include <string_view>

namespace kivo {

// The language token of a firmware file name: in the last path component, with its first ".img"
// removed, what follows "_" (else "-") in the last three characters; empty when there is none.
std::string image_language_token(std::string_view firmware_file);

// The raw language command with the token's code (once more with 0 when it fails), then, for the
// products that take it, the unit-language record with the code of str_language_firmware.
void set_unit_language_after_update(std::string_view firmware_file, int product_id,
                                    std::string_view str_language_firmware);

} // namespace kivo
