#pragma once
// Texts handed back to callers go into buffers of a stated size: always NUL-terminated, truncated
// when they do not fit, never overrun.

#include <span>
#include <string_view>

namespace kivo {

// Copies text into out (an empty span is left alone).
void copy_text(std::span<char> out, std::string_view text);
// printf-style into out; the format is always one of our own constants.
void format_text(std::span<char> out, const char* format, ...) __attribute__((format(printf, 2, 3)));

} // namespace kivo
