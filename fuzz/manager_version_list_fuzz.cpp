// libFuzzer entry point: the manager version list on arbitrary server text. Beyond not crashing: a
// list that is taken names versions that are not negative and a download address that is the
// server's base followed by a plain path below it (no empty, "." or ".." segment, nothing a browser
// would decode).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/manager_version_list.h"

namespace {

constexpr std::string_view kBase = "https://firmware.example.com/kivobluetoothmanager/";

bool plain_path(std::string_view path)
{
    auto plain = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
            c == '_' || c == '~' || c == '+' || c == '/';
    };
    if (path.empty() || !std::all_of(path.begin(), path.end(), plain) || path.front() == '/' || path.back() == '/' ||
        path.find("//") != std::string_view::npos)
        return false;
    const std::string slashed = "/" + std::string(path) + "/";
    return slashed.find("/./") == std::string::npos && slashed.find("/../") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const auto latest = kivo::parse_manager_version_list(body, kBase);
    if (!latest)
        return 0;
    if (latest->major < 0 || latest->minor < 0 || latest->secondary < 0)
        std::abort();
    const std::string& address = latest->downloadAddress;
    if (!address.empty() &&
        (!address.starts_with(kBase) || !plain_path(std::string_view(address).substr(kBase.size()))))
        std::abort();
    return 0;
}
