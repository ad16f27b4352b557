#pragma once
// Writing a saved record's settings back to a device found over HID (after an update or a
// restore), the records of the device's group in their order. Every write is checked: the first
// that fails ends the write-back, and the recognition ends with the name of what was lost.

#include <optional>

#include "recognition/recognition_run.h"

namespace kivo {

// What a failed write could not restore.
enum class RestoredSetting { DeviceSetting, FmRadioSetting, SpeedDial };

// Writes the saved record's settings to the device in slot 0; none when every write succeeded
// (or the group writes nothing), else what the failed write was for.
std::optional<RestoredSetting> write_back_hid_settings(int product_id, const KIVOBluetoothDeviceData& saved);

// Ends the run after a failed write-back: "Cannot restore ..." in every language, the warning
// flag, no USB status, the devices closed. Returns the run's result.
int end_with_restore_failure(RecognitionRun& run, RestoredSetting setting);

} // namespace kivo
