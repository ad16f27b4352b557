#pragma once
// The FM radio page's save: the working copy's FM block written to the connected device over the
// path of its family, after making sure the device is still the one recognition read. Plain C++
// over the device link and recognition's record functions, run on the page's worker thread: it
// takes its inputs by value and returns its outcome once every device it opened is closed. It
// changes no record; on success the page copies the working copy into the recognized record.

#include "settings/save/page_save.h"

namespace kivo::settings::fm_radio {

PageSaveOutcome threadMethodSave(SettingsSaveInput input);

} // namespace kivo::settings::fm_radio
