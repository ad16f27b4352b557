// Firmware version compares and the lenient version-text parsers.

#include <array>
#include <climits>
#include <cstdint>

#include "device/device_data.h"
#include "device/leading_int.h"
#include "device/products/helmet_camera.h"

namespace {

using kivo::leading_int;

// Callers test only the sign, but the difference is returned raw (3.0 against 1.5 gives 2). It is
// taken in 64 bits so that extreme parts cannot overflow, and clamped only when it does not fit.
int difference(int a, int b)
{
    const int64_t d = int64_t{a} - int64_t{b};
    if (d > INT_MAX)
        return INT_MAX;
    if (d < INT_MIN)
        return INT_MIN;
    return static_cast<int>(d);
}

int pair_rule(int majorA, int minorA, int majorB, int minorB)
{
    return majorA != majorB ? difference(majorA, majorB) : difference(minorA, minorB);
}

int sign_of_compare(int a, int b) { return a > b ? 1 : (a < b ? -1 : 0); }

// A release candidate (type 1) ranks below every other secondary type.
int ranked_type(int type) { return type == 1 ? -1 : type; }

// Splits text at every "." into exactly N parts; false when the count differs.
template <size_t N> bool split_exact(std::string_view text, std::array<std::string_view, N>& parts)
{
    size_t count = 0;
    size_t start = 0;
    while (true) {
        const size_t dot = text.find('.', start);
        if (count == N)
            return false;
        parts[count++] = text.substr(start, dot == std::string_view::npos ? dot : dot - start);
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    return count == N;
}

} // namespace

int KIVOBluetoothDeviceData::compareVersionUpToMinorMajor_Minor_WithMajor_Minor(int majorA, int minorA, int majorB,
                                                                                int minorB)
{
    return pair_rule(majorA, minorA, majorB, minorB);
}

int KIVOBluetoothDeviceData::compareVersionUpToMinorMajor_Minor_Minor2nd_WithMajor_Minor_Minor2nd(
    int majorA, int minorA, int minor2ndA, int majorB, int minorB, int minor2ndB)
{
    const int upToMinor = pair_rule(majorA, minorA, majorB, minorB);
    return upToMinor != 0 ? upToMinor : difference(minor2ndA, minor2ndB);
}

int KIVOBluetoothDeviceData::
    compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_ForLumora(
        int majorA, int minorA, int typeA, int secondaryA, int majorB, int minorB, int typeB, int secondaryB,
        bool forLumora)
{
    if (forLumora) {
        // The camera's version text leads with its secondary pair, its most significant part.
        const int secondaryPair = pair_rule(typeA, secondaryA, typeB, secondaryB);
        return secondaryPair != 0 ? secondaryPair : pair_rule(majorA, minorA, majorB, minorB);
    }
    const int upToMinor = pair_rule(majorA, minorA, majorB, minorB);
    if (upToMinor != 0)
        return upToMinor;
    if (typeA != typeB) {
        const int byType = sign_of_compare(ranked_type(typeA), ranked_type(typeB));
        if (byType != 0)
            return byType;
    }
    return sign_of_compare(secondaryA, secondaryB);
}

int KIVOBluetoothDeviceData::
    compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
        int majorA, int minorA, int typeA, int secondaryA, int majorB, int minorB, int typeB, int secondaryB)
{
    return compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_ForLumora(
        majorA, minorA, typeA, secondaryA, majorB, minorB, typeB, secondaryB, false);
}

int KIVOBluetoothDeviceData::
    downGradeBriskoEVOCompareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
        int majorA, int minorA, int /*typeA*/, int secondaryA, int majorB, int minorB, int /*typeB*/, int secondaryB)
{
    const int upToMinor = pair_rule(majorA, minorA, majorB, minorB);
    return upToMinor != 0 ? upToMinor : difference(secondaryA, secondaryB);
}

int KIVOBluetoothDeviceData::compareVersionWithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
    int major, int minor, int secondaryType, int secondary) const
{
    return compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_ForLumora(
        deviceVersion_.major, deviceVersion_.minor, deviceVersion_.secondaryType, deviceVersion_.secondary, major,
        minor, secondaryType, secondary, deviceRecognized_ == kivo::kCameraProductId);
}

int KIVOBluetoothDeviceData::compareVersionUpToMinor2ndWithMajor2nd_Minor_Minor2nd(int major, int minor,
                                                                                   int minor2nd) const
{
    return compareVersionUpToMinorMajor_Minor_Minor2nd_WithMajor_Minor_Minor2nd(
        deviceVersion_.major, deviceVersion_.minor, deviceVersion_.secondary, major, minor, minor2nd);
}

int KIVOBluetoothDeviceData::compareVersionUpToMinorWithMajor_Minor(int major, int minor) const
{
    return pair_rule(deviceVersion_.major, deviceVersion_.minor, major, minor);
}

bool KIVOBluetoothDeviceData::getVersionFromString_ToMajor_Minor(std::string_view text, int& major, int& minor)
{
    std::array<std::string_view, 2> parts;
    if (!split_exact(text, parts))
        return false;
    major = leading_int(parts[0]);
    minor = leading_int(parts[1]);
    return true;
}

int KIVOBluetoothDeviceData::versionPartFromString(std::string_view part) { return leading_int(part); }

bool KIVOBluetoothDeviceData::getVersionFromString_ToSecondaryType_Secondary_Major_Minor(std::string_view text,
                                                                                         int& secondaryType,
                                                                                         int& secondary, int& major,
                                                                                         int& minor)
{
    std::array<std::string_view, 4> parts;
    if (!split_exact(text, parts))
        return false;
    secondaryType = leading_int(parts[0]);
    secondary = leading_int(parts[1]);
    major = leading_int(parts[2]);
    minor = leading_int(parts[3]);
    return true;
}
