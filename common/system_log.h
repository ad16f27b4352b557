#pragma once
// Developer trace lines meant for the system log: on this platform they go to standard error.

#include <string_view>

namespace kivo {

// Writes one line (a newline is added when missing).
void system_log(std::string_view line);
// printf-style; the format is always one of our own constants.
void system_logf(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace kivo
