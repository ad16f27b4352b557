#pragma once
// The one rule for a path the firmware server names (a download address of the manager, a firmware
// file): appended to the base as it stands, it may only name a file below the base.

#include <string_view>

namespace kivo {

// Plain characters only (letters, digits, "-", ".", "_", "~", "+", "/"), no empty, "." or ".."
// segment, nothing a server or browser would decode into one.
bool stays_below_base(std::string_view path);

} // namespace kivo
