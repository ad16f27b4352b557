#pragma once
// What the FM radio and speed-dial saves share: their result codes (the settings page's save has
// codes of its own), the HID identity check turned into those codes, and the persistent-store frame
// around a writer of their own. Both take the settings save's input: the product, its USB status,
// copies of the recognized record and of the working copy, and the HID opener.

#include <functional>

#include "settings/save/hid_identity_check.h"
#include "settings/save/save_run.h"
#include "text/status_text_set.h"

namespace kivo::settings {

enum PageSaveResult : int {
    kPageSaveRunning = -1, // what the page shows until the outcome arrives
    kPageSaveSucceeded = 0,
    kPageSaveUsbOpenFailed = 1,
    kPageSaveManagementMode = 2, // the device runs its firmware-management loader
    kPageSaveNotSaved = 3, // a write, a commit or the readiness question failed
    kPageSaveNotRecognized = 4, // not the device recognition read, or it cannot be opened
};

struct PageSaveOutcome {
    PageSaveResult result = kPageSaveRunning;
};

// Opens the device and runs the checks; succeeded when the writes may follow. What was opened
// stays open for them.
PageSaveResult confirm_for_page_save(const HidIdentityCheck& check, const SettingsSaveInput& input);

// The persistent-store path: opens the USB devices, checks each against the record and runs
// write_device on it (which returns a code of its own), then closes them; a failed open closes
// nothing.
PageSaveResult save_page_over_persistent_store(const SettingsSaveInput& input,
                                               const std::function<PageSaveResult()>& write_device);

// The status a finished save shows, in every language: the mode's success text, or its failure
// text and the cause ("Cannot save %@" names the setting under saved_key).
StatusTextSet page_save_status_set(PageSaveResult result, int mode, int usb_status, int saved_key);

// The device could not be reached, runs its loader or is another one: the edits are thrown away.
bool page_save_missed_the_device(PageSaveResult result);

// One save from start to end: both HID slots closed before the path and after it (a HID path),
// the outcome returned once everything is closed, and a trace line naming the save.
PageSaveOutcome run_page_save(const char* name, bool over_hid, const std::function<PageSaveResult()>& path);

} // namespace kivo::settings
