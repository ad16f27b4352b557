#include "settings/save/hid_identity_check.h"

#include <array>
#include <optional>

#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "recognition/hid_queries.h"

namespace kivo::settings {
namespace {

using Record = KIVOBluetoothDeviceData;
using enum SettingsSaveFamily;

const FirmwareQuad& version_of(const Record& data, RecordVersion version)
{
    switch (version) {
    case RecordVersion::FirstModule: return data.deviceVersion01();
    case RecordVersion::SecondModule: return data.deviceVersion02();
    case RecordVersion::Device: break;
    }
    return data.deviceVersion();
}

bool same_version(const FirmwareQuad& a, const FirmwareQuad& b)
{
    return Record::
               compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
                   a.major, a.minor, a.secondaryType, a.secondary, b.major, b.minor, b.secondaryType, b.secondary) == 0;
}

// An unanswered version question is not taken for any version: a device that does not answer
// cannot show that it runs the recognized firmware.
bool runs_recognized_version(const SlotVersionCheck& check, const Record& data)
{
    const std::optional<FirmwareQuad> version = query_version(check.slot);
    if (!version) {
        system_logf("save: slot %d did not tell its version", check.slot);
        return false;
    }
    return same_version(*version, version_of(data, check.version));
}

} // namespace

HidIdentityCheck hid_identity_check_of(SettingsSaveFamily family, int product_id)
{
    HidIdentityCheck check;
    check.closesFirst = family >= F3 && family <= F8;
    check.asksReadiness =
        (family >= F5 && family <= F8) || (family == F4 && product_in(kSaveF4ReadinessProducts, product_id));
    switch (family) {
    case F1: check.versions = {{0, RecordVersion::FirstModule}, {1, RecordVersion::SecondModule}}; break;
    case F2:
    case F10: check.versions = {{0, RecordVersion::FirstModule}}; break;
    case F9:
    case F11: check.versions = {{0, RecordVersion::Device}}; break;
    default: break;
    }
    return check;
}

HidIdentity confirm_hid_device(const HidIdentityCheck& check, const HidOpener& opener, int usb_status,
                               const Record& data)
{
    if (check.closesFirst)
        hid_close_devices();
    uint32_t product_id = 0;
    std::array<char, 256> text{};
    if (!opener || opener(product_id, text, {}) != 0)
        return HidIdentity::NotRecognized;
    if (static_cast<int>(product_id) != usb_status) {
        system_logf("save: found %X, recognized %X", product_id, static_cast<unsigned>(usb_status));
        return HidIdentity::NotRecognized;
    }
    if (check.asksReadiness) {
        const std::optional<int> readiness = query_readiness();
        if (!readiness || *readiness != 0)
            return HidIdentity::NotReady;
    }
    for (const SlotVersionCheck& version : check.versions)
        if (!runs_recognized_version(version, data))
            return HidIdentity::NotRecognized;
    return HidIdentity::Confirmed;
}

} // namespace kivo::settings
