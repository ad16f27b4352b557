#include "update/server/new_update.h"

#include "common/system_log.h"
#include "device/products/new_update_rules.h"
#include "device/products/version_forms.h"
#include "text/text_format.h"
#include "update/server/address_range.h"

namespace kivo {
namespace {

constexpr int kPreRelease = 1;
constexpr int kWithSecondary = 2;

// c: the device's major.minor against the latest (negative: the device is older); t and s: the
// device's secondary type and number; latest_secondary: the server's secondary number. The
// versions are numbers the parse saturated, and the compare subtracts in 64 bits.
bool default_rule(int c, int t, int s, int latest_secondary)
{
    if (t == kPreRelease)
        return c <= 0; // a pre-release is superseded by the release of its major.minor
    if (c != 0)
        return c < 0;
    return s < latest_secondary;
}

bool secondary_group_rule(int c, int t, int s, int latest_secondary)
{
    if (t == kPreRelease || t == kWithSecondary)
        return default_rule(c, t, s, latest_secondary);
    if (c != 0)
        return c < 0;
    return latest_secondary > 0; // the device's own number is not consulted
}

std::string suffix_unless_zero(const char* format, int number)
{
    return number != 0 ? fill_format(format, {number}) : std::string();
}

} // namespace

bool haveNewUpdate(const FirmwareQuad& latest, int device_target, const KIVOBluetoothDeviceData& data)
{
    const int c = data.compareVersionUpToMinorWithMajor_Minor(latest.major, latest.minor);
    const int t = data.deviceSecondaryVersionType();
    const int s = data.deviceSecondaryVersion();
    switch (new_update_rule(device_target)) {
    case NewUpdateRule::WholeVersion:
        return data.compareVersionWithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
                   latest.major, latest.minor, latest.secondaryType, latest.secondary) < 0;
    case NewUpdateRule::AddressRange:
        system_log(fill_format("Have New Update BD=[%@]", {data.lastSixBDAddress()}));
        if (change_pskey_torvik(device_target, data.lastSixBDAddress()))
            return true;
        return default_rule(c, t, s, latest.secondary);
    case NewUpdateRule::SecondaryGroup: return secondary_group_rule(c, t, s, latest.secondary);
    case NewUpdateRule::Default: break;
    }
    return default_rule(c, t, s, latest.secondary);
}

NewUpdateVersionTexts new_update_version_texts(int device_target, const FirmwareQuad& latest,
                                               const KIVOBluetoothDeviceData& data)
{
    const FirmwareQuad device = data.deviceVersion();
    if (version_has_four_parts(device_target)) {
        auto four = [](const FirmwareQuad& v) {
            return fill_format("v%d.%d.%d.%d", {v.secondaryType, v.secondary, v.major, v.minor});
        };
        return {four(device), four(latest)};
    }
    if (version_has_three_parts(device_target)) {
        auto three = [](const FirmwareQuad& v) { return fill_format("v%d.%d.%d", {v.major, v.minor, v.secondary}); };
        return {three(device), three(latest)};
    }
    std::string current_suffix;
    if (device.secondaryType == kPreRelease)
        current_suffix = "rc" + suffix_unless_zero("%d", device.secondary);
    else if (device.secondaryType == kWithSecondary)
        current_suffix = suffix_unless_zero(".%d", device.secondary);
    return {fill_format("v%d.%d%@", {device.major, device.minor, current_suffix}),
            fill_format("v%d.%d%@", {latest.major, latest.minor, suffix_unless_zero(".%d", latest.secondary)})};
}

} // namespace kivo
