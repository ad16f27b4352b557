#pragma once
// Texts that come from a device are byte strings that claim to be UTF-8; they are checked before
// they become a name or a number the rest of the system shows and archives.

#include <optional>
#include <string_view>

namespace kivo {

// The number of UTF-16 units of a well-formed UTF-8 text, or none when it is not well formed
// (stray continuation bytes, overlong forms, surrogates, code points past U+10FFFF, cut sequences).
std::optional<int> utf16_length(std::string_view text);

inline bool is_utf8(std::string_view text) { return utf16_length(text).has_value(); }

} // namespace kivo
