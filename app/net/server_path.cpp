#include "app/net/server_path.h"

#include <algorithm>

namespace kivo {

bool stays_below_base(std::string_view path)
{
    auto plain = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
            c == '_' || c == '~' || c == '+' || c == '/';
    };
    if (path.empty() || !std::all_of(path.begin(), path.end(), plain))
        return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = path.find('/', start);
        const std::string_view segment = path.substr(start, slash == std::string_view::npos ? slash : slash - start);
        if (segment.empty() || segment == "." || segment == "..")
            return false;
        if (slash == std::string_view::npos)
            return true;
        start = slash + 1;
    }
}

} // namespace kivo
