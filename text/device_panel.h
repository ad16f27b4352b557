#pragma once
// What the recognized-device panel shows: a picture, a name line and a version line, worked out
// from the controller's recognition state and the device record. The window only draws it.

#include <optional>
#include <string>

#include "device/device_data.h"
#include "text/localized.h"

namespace kivo {

// The controller state the panel depends on.
struct DevicePanelState {
    bool recognized = false;
    // At or above 0x8000 the device runs its firmware loader.
    int usbStatus = 0;
    ManagerLanguage languageManager = kEnglish;
    // Restarting to recover a device whose update was cut short, with the firmware it gets.
    bool isRestartDFU = false;
    int deviceVersionMajorRestartDFU = 0;
    int deviceVersionMinorRestartDFU = 0;
    int deviceSecondaryVersionTypeRestartDFU = 0;
    int deviceSecondaryVersionRestartDFU = 0;
};

struct DevicePanel {
    // A picture name of the product resources (see picture_resource_path), the emblem and lock included.
    std::string picture;
    // No value: the name line keeps what it shows.
    std::optional<std::string> nameLine;
    std::string versionLine;

    bool operator==(const DevicePanel&) const = default;
};

// The picture of the recognized product; the emblem for a product without one.
std::string getImageFileName(const KIVOBluetoothDeviceData& data);

DevicePanel recognized_device_panel(const DevicePanelState& state, const KIVOBluetoothDeviceData& data);

} // namespace kivo
