#include "settings/table/firmware_range.h"

namespace kivo::settings {

using Record = KIVOBluetoothDeviceData;

bool at_or_above(const FirmwareQuad& v, const VersionBound& bound)
{
    switch (bound.kind) {
    case BoundKind::None: return true;
    case BoundKind::MajorMinor:
        return Record::compareVersionUpToMinorMajor_Minor_WithMajor_Minor(v.major, v.minor, bound.major, bound.minor) >=
            0;
    case BoundKind::Secondary:
        return Record::compareVersionUpToMinorMajor_Minor_Minor2nd_WithMajor_Minor_Minor2nd(
                   v.major, v.minor, v.secondary, bound.major, bound.minor, bound.secondary) >= 0;
    case BoundKind::Full:
        return Record::
                   compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_ForLumora(
                       v.major, v.minor, v.secondaryType, v.secondary, bound.major, bound.minor, bound.secondaryType,
                       bound.secondary, false) >= 0;
    }
    return true;
}

bool in_range(const FirmwareQuad& version, const FirmwareRange& range)
{
    return at_or_above(version, range.from) &&
        (range.below.kind == BoundKind::None || !at_or_above(version, range.below));
}

} // namespace kivo::settings
