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

// True when the version is at the bound or above it; always true for no bound.
bool at_or_above(const FirmwareQuad& version, const VersionBound& bound);
bool in_range(const FirmwareQuad& version, const FirmwareRange& range);

} // namespace kivo::settings
