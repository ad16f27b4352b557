#pragma once
// The settings page's save: the working copy written to the connected device over the write path
// of its family, after making sure the device is still the one recognition read. Plain C++ over
// the device link and recognition's record functions; it runs on the page's worker thread, takes
// its inputs by value and returns its outcome after it has closed every device it opened. It
// changes neither the device session nor a record: on success the page copies the working copy
// into the recognized record itself.

#include "device/device_data.h"
#include "device/device_session.h"
#include "link/hid_discovery.h"

namespace kivo::settings {

enum SettingsSaveResult : int {
    kSaveRunning = -1, // what the page shows until the outcome arrives
    kSaveSucceeded = 0,
    kSaveUsbOpenFailed = 1,
    kSaveManagementMode = 2, // the device runs its firmware-management loader
    kSaveIntercomVoxKeyFailed = 3, // key 664
    kSavePhoneVoxKeyFailed = 4, // key 665
    kSaveFeaturesKeyFailed = 5, // key 239
    kSaveRadioGainKeyFailed = 6, // key 684
    kSaveChannelTimeoutKeyFailed = 7, // key 682
    kSaveWriteFailed = 8, // key 654, or a HID write, readiness question or 62-byte write
    kSaveNotRecognized = 9, // not the device recognition read, or it cannot be opened
};

// Copied on the main thread when the save starts.
struct SettingsSaveInput {
    int deviceTarget = 0;
    int usbStatus = 0;
    // The record as recognition read it, and the page's working copy.
    KIVOBluetoothDeviceData data;
    KIVOBluetoothDeviceData dataCurrent;
    // Opens the device into HID slot 0; none counts as a device that does not open.
    HidOpener opener;
};

// The application's input: the session's target and USB status, and hid_open_device.
SettingsSaveInput settings_save_input(const DeviceSession& session, const KIVOBluetoothDeviceData& data,
                                      const KIVOBluetoothDeviceData& dataCurrent);

struct SettingsSaveOutcome {
    SettingsSaveResult result = kSaveRunning;
};

// One save from start to end: closes both HID slots, runs the path of the target's family and
// closes what the path opened (the USB devices are left alone only when they failed to open).
SettingsSaveOutcome threadMethodSave(SettingsSaveInput input);

} // namespace kivo::settings
