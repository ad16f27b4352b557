#pragma once
// The plain-USB road of a recognition, taken when no usable device was found over HID.

#include "recognition/recognition_run.h"

namespace kivo {

inline constexpr int kUsbOpenTries = 20;
inline constexpr int kUsbModeNormal = 0;
inline constexpr int kUsbModeManagementProbe = 1;

// Opens the USB devices (first, while the run's isFirst is set, probing for a device in
// firmware-management mode) and identifies them. Every way out closes what it opened and returns
// the run's result.
int recognize_over_usb(RecognitionRun& run, KIVOBluetoothDeviceData& data);

} // namespace kivo
