#pragma once
// Percent-encoding for a URL: letters, digits, "-", "." and "_" stay, every other byte becomes "%XX".

#include <cstddef>
#include <span>

// Encodes a NUL-terminated text into out (3 * length + 1 bytes hold any text) and returns the
// output length. A shorter out ends the text before the first byte that does not fit, always
// NUL-terminated.
size_t url_percent_encode(const char* text, std::span<char> out);
