#pragma once
// The manager version list "Software" on the firmware server, which names the newest manager and
// where to download it. Lines are "key:vMAJOR.MINOR:download path" and "key:secondary".
// Qt-free: the home page's worker reads it.

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/manager_version.h"

namespace kivo {

inline constexpr char kManagerVersionListName[] = "Software";
// The manager's key in the list; compared exactly.
inline constexpr char kManagerProductKey[] = "VARGOZeltraDeviceManagerForMAC";
inline constexpr std::chrono::milliseconds kManagerCheckTimeout{15000};
// The list is server text: longer lists and lines are not ours.
inline constexpr std::size_t kManagerVersionListMaxBytes = 64 * 1024;
inline constexpr std::size_t kManagerVersionListMaxLineBytes = 1024;

struct LatestManagerVersion {
    int major = kManagerVersionMajor;
    int minor = kManagerVersionMinor;
    int secondary = kManagerSecondaryVersion;
    // base + the listed download path; empty when the list has no line for the manager.
    std::string downloadAddress;
};

// Reads a list fetched from base. The scan stops at the line after the first "key:version:path"
// line; "key:secondary" lines up to there set the secondary version (the last one counts). A
// version field that is not a letter, a number, a dot and a number reads as 0.0.
// No value (the list is not trusted) for a list longer than 64 KiB, a line longer than 1 KiB,
// bytes outside ASCII, a secondary version that is not a decimal number, or a download path that
// would leave the server's base.
std::optional<LatestManagerVersion> parse_manager_version_list(std::string_view body, std::string_view base);

// Fetches base + "Software" and reads it. No value when nothing usable came within timeout (no
// connection, silence, an HTTP error status, an untrusted list).
std::optional<LatestManagerVersion> read_manager_version_list(std::string_view base, std::chrono::milliseconds timeout);

// Above the running manager's 1.2.0.
bool is_newer_manager_version(int major, int minor, int secondary);

} // namespace kivo
