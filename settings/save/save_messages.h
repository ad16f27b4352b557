#pragma once
// What the end of a settings save tells the user: the status line in every interface language, and
// whether the edits still belong to the device that is connected.

#include <optional>

#include "settings/save/save_run.h"
#include "text/status_text_set.h"

namespace kivo::settings {

// The persistent-store key whose write failed, for the codes that name one.
std::optional<int> failed_key_of(SettingsSaveResult result);

// Success: the page mode's success text alone. Failure: "<the mode's failure text>. <reason>".
StatusTextSet save_status_set(SettingsSaveResult result, int mode, int usb_status);

// The device could not be reached, runs its loader or is another one: the edits are thrown away.
bool save_missed_the_device(SettingsSaveResult result);

} // namespace kivo::settings
