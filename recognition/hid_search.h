#pragma once
// Finding the connected device on the HID link and making sure it is ready to be asked.

#include "recognition/recognition_run.h"

namespace kivo {

inline constexpr int kHidOpenTries = 3;
inline constexpr int kHidOpenPauseMs = 1000;

// Opens the connected device into slot 0, trying three times with a pause after each failure.
bool open_hid_device(OpenedDevice& device);
// Products of the readiness groups must say they are ready; every other product passes.
bool hid_device_ready(int product_id);

} // namespace kivo
