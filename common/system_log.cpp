#include "common/system_log.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <string>

namespace kivo {
namespace {
std::mutex log_mutex;
}

void system_log(std::string_view line)
{
    std::string text(line);
    if (text.empty() || text.back() != '\n')
        text.push_back('\n');
    std::lock_guard lock(log_mutex);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

void system_logf(const char* format, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    system_log(buffer);
}

} // namespace kivo
