#pragma once
// Link-layer trace lines go to standard output exactly as written.

namespace kivo {
void link_trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
}
