#pragma once
// Bluetooth-address range tests on the record's address text.

#include <cstdint>
#include <string_view>

namespace kivo {

// The value of the leading hexadecimal digits of the first six characters of text; 0 when there
// are none (a shorter text counts with what it has).
uint32_t leading_hex_value(std::string_view text);

// Whether the device is a unit of the partner-branded headset whose address lies in its range.
bool change_pskey_torvik(int device_target, std::string_view address);

} // namespace kivo
