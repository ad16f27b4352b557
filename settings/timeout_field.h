#pragma once
// The audio channel timeout as the user types it: the field is read like the integer value of its
// text, and only 3 to 60 seconds are accepted.

#include <string_view>

namespace kivo::settings {

inline constexpr int kTimeoutLowest = 3;
inline constexpr int kTimeoutHighest = 60;

// Leading blanks, an optional sign, then the digits up to the first other character ("7.9" reads
// 7, " 12x" 12); no digit reads 0; a number beyond the int range saturates.
int timeout_field_value(std::string_view text);

constexpr bool timeout_acceptable(int seconds) { return seconds >= kTimeoutLowest && seconds <= kTimeoutHighest; }

} // namespace kivo::settings
