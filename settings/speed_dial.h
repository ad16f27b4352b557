#pragma once
// The speed-dial page's rules, free of Qt: which texts a number may be, what typing may leave in
// the edit sheet's field, what OK does with the field, and whether the working copy's numbers
// differ from the device's. Characters are counted as characters, never as bytes.

#include <string>
#include <string_view>

#include "device/device_data.h"

namespace kivo::settings {

inline constexpr size_t kSpeedDialMaxCharacters = 20;
inline constexpr std::string_view kSpeedDialCharacters = "0123456789+*#";

// At most 20 characters, each one of "0123456789+*#"; the empty text too.
bool is_speed_dial_number(std::string_view text);

// Typing or pasting: the text the edit would leave may stand in the field (else the field stays as
// it was).
bool isPartialStringValid(std::string_view partial);

// What OK does with the field's text.
struct SpeedDialEntry {
    bool stored = false; // the text is a number (the empty one clears it): store it, end the sheet
    std::string field; // else the field's text from now on, selected: cut to 20 characters when longer
};

SpeedDialEntry speed_dial_entry(std::string_view text);

// A number of the working copy differs from the device's (exact, case-sensitive compare).
bool speed_dials_changed(const KIVOBluetoothDeviceData& device, const KIVOBluetoothDeviceData& current);

} // namespace kivo::settings
