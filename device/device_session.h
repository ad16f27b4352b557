#pragma once
// What the application knows of the selected device besides its record: one plain value. The
// controller holds one; a worker takes a copy as its input and hands a changed copy back in its
// outcome, which the main thread applies after the join. Nothing in it is shared across threads.

#include <string>

#include "common/management_mode.h"
#include "device/device_data.h"
#include "device/products/settings_tabs.h"

namespace kivo {

struct DeviceSession {
    // The selected product id (0: none).
    int deviceTarget = 0;
    bool recognized = false;
    // The recognized device's id on the bus; at or above MANAGEMENT_MODE_BIT while it runs its
    // firmware loader, 0 when nothing is recognized.
    int usbStatus = 0;
    // The device's settings tabs and the selected one.
    SettingsTabs tabs;

    // Device answers recognition records.
    int fmRadioShowAndHide = 0;
    int motionSensorShowAndHide = 0;
    int deviceInfoStatus = 0;
    int deviceEgranoSpeakerType = 0;

    // Restart to recover an interrupted update or restore (the mode it was in), and the firmware
    // file and version a restart into the loader writes.
    bool restartToRecover = false;
    int modeRestartToRecover = 0;
    std::string strRestartDFUFirmwareFile;
    int indexRestartDFUFirmwareLanguage = 0;
    FirmwareQuad deviceVersionRestartDFU;

    // The product the last update or restore was for, and whether the user chose to go on without
    // the backup file.
    int deviceUpdatedOrRestored = 0;
    bool skipRestoreBackupFile = false;

    bool isRestartDFU() const { return !strRestartDFUFirmwareFile.empty(); }
};

// A recognition's usbStatus records the management mode as a value at or above the bit; a status
// of -1 (nothing opened) counts as below, so the comparison is signed.
constexpr bool usb_status_in_management_mode(int usb_status)
{
    return usb_status >= static_cast<int>(MANAGEMENT_MODE_BIT);
}

} // namespace kivo
