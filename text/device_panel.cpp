#include "text/device_panel.h"

#include <algorithm>
#include <span>

#include "device/device_session.h"
#include "device/products/helmet_camera.h"
#include "device/products/panel_module_versions.h"
#include "device/products/panel_names.h"
#include "text/product_names.h"
#include "text/tables/device_panel_table.h"
#include "text/text_format.h"

namespace kivo {

using namespace text_tables;

namespace {

// The secondary type whose version shows a third number.
constexpr int kThreeNumberType = 2;
constexpr int kReleaseCandidateType = 1;

// The camera writes its version with the secondary pair first.
std::string camera_version(const FirmwareQuad& q)
{
    return fill_format("v%d.%d.%d.%d", {q.secondaryType, q.secondary, q.major, q.minor});
}

// A version by its secondary type: a third number for type 2, "rc" for a release candidate.
std::string typed_version(const FirmwareQuad& q)
{
    if (q.secondaryType == kThreeNumberType)
        return q.secondary != 0 ? fill_format("v%d.%d.%d", {q.major, q.minor, q.secondary})
                                : fill_format("v%d.%d", {q.major, q.minor});
    if (q.secondaryType == kReleaseCandidateType)
        return q.secondary != 0 ? fill_format("v%d.%drc%d", {q.major, q.minor, q.secondary})
                                : fill_format("v%d.%drc", {q.major, q.minor});
    return fill_format("v%d.%d", {q.major, q.minor});
}

std::string version_of(int product_id, const FirmwareQuad& q)
{
    if (product_id == kCameraProductId)
        return camera_version(q);
    if (product_id == kThreeNumberProduct)
        return fill_format("v%d.%d.%d", {q.major, q.minor, q.secondary});
    return typed_version(q);
}

int compare_quads(const FirmwareQuad& a, const FirmwareQuad& b)
{
    return KIVOBluetoothDeviceData::
        compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
            a.major, a.minor, a.secondaryType, a.secondary, b.major, b.minor, b.secondaryType, b.secondary);
}

// The second module's version, when it differs from the first module's.
std::string second_module_suffix(int product_id, const FirmwareQuad& first, FirmwareQuad second)
{
    if (product_id == kThreeNumberProduct) {
        FirmwareQuad first_as_three = first;
        first_as_three.secondaryType = kThreeNumberType;
        second.secondaryType = kThreeNumberType;
        if (compare_quads(first_as_three, second) == 0)
            return {};
        return " / " + fill_format("v%d.%d.%d", {second.major, second.minor, second.secondary});
    }
    if (compare_quads(first, second) == 0)
        return {};
    return " / " + typed_version(second);
}

// Device names with a version in them ("Name 1.2") lose their last word.
std::string shown_name(const std::string& name)
{
    if (name.find('.') == std::string::npos)
        return name;
    const std::size_t last_space = name.rfind(' ');
    return last_space == std::string::npos ? name : name.substr(0, last_space);
}

} // namespace

std::string getImageFileName(const KIVOBluetoothDeviceData& data)
{
    return product_picture(data.deviceRecognized(), data.divisionBriskoevoValue());
}

DevicePanel recognized_device_panel(const DevicePanelState& state, const KIVOBluetoothDeviceData& data)
{
    const ManagerLanguage in = state.languageManager;
    if (!state.recognized)
        return {std::string(kEmblemPicture), label_in(kNoDeviceNameLine, in), label_in(kNoDeviceVersionLine, in)};

    const int product = data.deviceRecognized();
    if (usb_status_in_management_mode(state.usbStatus)) {
        if (!state.isRestartDFU)
            return {std::string(kLockPicture), label_in(kManagementNameLine, in), label_in(kManagementVersionLine, in)};
        if (product == kCameraProductId) {
            const FirmwareQuad restart{state.deviceVersionMajorRestartDFU, state.deviceVersionMinorRestartDFU,
                                       state.deviceSecondaryVersionTypeRestartDFU,
                                       state.deviceSecondaryVersionRestartDFU};
            return {getImageFileName(data), ProductNames::tavk_product_name(kCameraProductId), camera_version(restart)};
        }
        return {getImageFileName(data), std::nullopt, {}};
    }

    const FirmwareQuad shown =
        product_in(kFirstModuleVersionProducts, product) ? data.deviceVersion01() : data.deviceVersion();
    std::string name =
        product == kRemoteWithFixedName ? ProductNames::tavk_product_name(product) : shown_name(data.deviceName());
    std::string version = version_of(product, shown);
    if (product_in(kSecondModuleProducts, product))
        version += second_module_suffix(product, data.deviceVersion01(), data.deviceVersion02());
    return {getImageFileName(data), std::move(name), std::move(version)};
}

} // namespace kivo
