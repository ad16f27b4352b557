#pragma once
// The HID write paths F1 to F11: the identity checks of the family, then its plan.

#include "device/products/settings_save_families.h"
#include "settings/save/save_run.h"

namespace kivo::settings {

// Leaves what it opened open; the frame closes both slots.
SettingsSaveResult save_over_hid(SettingsSaveFamily family, const SettingsSaveInput& input);

} // namespace kivo::settings
