#pragma once
// The version a firmware file's name carries, for a headset that refuses firmware below a floor:
// the name's last component without its first ".img", without a short suffix such as "_01" (the
// last three characters, when they hold "_" or "-"), then the text after its first "v", split at
// ".". Each part is read from its leading digits, so no name can make the read fail.

#include <optional>
#include <string_view>

namespace kivo {

struct FirmwareNameVersion {
    int major = 0;
    int minor = 0;
    int third = 0;

    bool operator==(const FirmwareNameVersion&) const = default;
};

// Two parts give (major, minor, 0), three (major, minor, third), any other count (0, 0, 0). None
// when the name holds no "v" or nothing after it.
std::optional<FirmwareNameVersion> firmware_name_version(std::string_view path);

} // namespace kivo
