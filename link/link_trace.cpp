#include "link/link_trace.h"

#include <cstdarg>
#include <cstdio>

namespace kivo {

void link_trace(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fflush(stdout);
}

} // namespace kivo
