#pragma once
// Firmware ranges of the layout tables: half open, the lower bound included and the upper one
// excluded. A bound is a major.minor version, a major.minor version with its secondary number, or
// a full version (major, minor, secondary type and number); each is tested with the record's own
// compare of that form. No bound means no limit on that side.

#include <cstdint>

#include "device/device_data.h"

namespace kivo::settings {

enum class BoundKind : std::uint8_t { None, MajorMinor, Secondary, Full };

struct VersionBound {
    BoundKind kind = BoundKind::None;
    int major = 0;
    int minor = 0;
    int secondaryType = 0; // Full only
    int secondary = 0; // Secondary and Full
};

struct FirmwareRange {
    VersionBound from;
    VersionBound below;
};

// What the tables write their ranges with.
namespace range_parts {
constexpr VersionBound version(int major, int minor) { return {BoundKind::MajorMinor, major, minor}; }
constexpr VersionBound secondary(int major, int minor, int number)
{
    return {BoundKind::Secondary, major, minor, 0, number};
}
constexpr VersionBound full(int major, int minor, int type, int number)
{
    return {BoundKind::Full, major, minor, type, number};
}
inline constexpr FirmwareRange kAnyFirmware{};
constexpr FirmwareRange from(VersionBound bound) { return {bound, {}}; }
constexpr FirmwareRange below(VersionBound bound) { return {{}, bound}; }
constexpr FirmwareRange between(VersionBound lowest, VersionBound below) { return {lowest, below}; }
constexpr FirmwareRange from(int major, int minor) { return from(version(major, minor)); }
constexpr FirmwareRange below(int major, int minor) { return below(version(major, minor)); }
constexpr FirmwareRange between(int major, int minor, int below_major, int below_minor)
{
    return between(version(major, minor), version(below_major, below_minor));
}
} // namespace range_parts

// True when the version is at the bound or above it; always true for no bound.
bool at_or_above(const FirmwareQuad& version, const VersionBound& bound);
bool in_range(const FirmwareQuad& version, const FirmwareRange& range);

} // namespace kivo::settings
