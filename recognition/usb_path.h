#pragma once
// The plain-USB road of a recognition, taken when no usable device was found over HID: the older
// headsets, whose identity and settings live in their chip's persistent store, and devices running
// their firmware-management loader.

#include "recognition/recognition_run.h"

namespace kivo {

inline constexpr int kUsbOpenTries = 20;
inline constexpr int kUsbModeNormal = 0;
inline constexpr int kUsbModeManagementProbe = 1;

// Status code of a camera found without its memory card.
inline constexpr int kNoCameraCardCode = 1000;
// The name of a device whose name cannot be read.
inline constexpr char kUnreadUsbDeviceName[] = "Aldero";

// Opens the USB devices (first, while the run's isFirst is set, probing for a device in
// firmware-management mode) and identifies each: product, address, name and version, its power
// table, the write-back of the run's saved record, its settings. Fills the record and the run's
// device session and status texts; every way out closes what it opened and returns the run's
// result.
int recognize_over_usb(RecognitionRun& run, KIVOBluetoothDeviceData& data);

} // namespace kivo
