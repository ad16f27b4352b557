// The settings page's save and its end, and what happens to unsaved edits when the page is left.

#include "app/text/app_text.h"
#include "settings/page/device_settings_page.h"
#include "settings/save/save_messages.h"

using kivo::AppText;
using namespace kivo::settings;

namespace {

// The box that says the edits were thrown away: a warning that only closes, then the home page.
constexpr int kOtherDeviceBoxSize = 1;
// The save prompt: the smallest box.
constexpr int kPromptBoxSize = 0;

} // namespace

void DeviceSettingsViewController::save(QObject*)
{
    kivo::PageHost& app = host();
    if (app.onProcessing())
        return;
    app.closeListTabs();
    if (!checkACT())
        return;
    startSave();
}

void DeviceSettingsViewController::startSave()
{
    kivo::PageHost& app = host();
    app.setStatus_withWarning(app.getStatusProcessing(), false);
    app.setOnProcessing(true);
    app.setControls();
    setControls();
    rcThreadSave_ = kSaveRunning;
    // The worker writes from its own copies; the page's records stay the main thread's.
    saveInput_ = settings_save_input(app.session(), app.data(), dataCurrent_);
    saveWorker_.start<SettingsSaveOutcome>([this, input = saveInput_] { return runSave(input); },
                                           [this](SettingsSaveOutcome outcome) { timerMethodSave(outcome); });
}

SettingsSaveOutcome DeviceSettingsViewController::runSave(SettingsSaveInput input) const
{
    return threadMethodSave(std::move(input));
}

void DeviceSettingsViewController::timerMethodSave(SettingsSaveOutcome outcome)
{
    kivo::PageHost& app = host();
    const SettingsSaveResult result = outcome.result;
    rcThreadSave_ = result;
    const kivo::StatusTextSet status = save_status_set(result, app.mode(), app.session().usbStatus);

    if (save_missed_the_device(result)) {
        // Still busy: the edits revert to what the recognized device holds before anything is enabled.
        app.closeListTabs();
        dataCurrent_.copyWithSource_version(app.data(), 0);
        refreshFromWorkingCopy();
        const int language = app.languageManager();
        app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
            AppText::tavk_string_recognized_device_not_selected_in(language), true, std::nullopt,
            AppText::tavk_string_ok_in(language), kOtherDeviceBoxSize, kBoxToHome);
    } else if (result == kSaveSucceeded) {
        // What the worker wrote; the page's working copy is the same, as no edit is taken while busy.
        app.data().copyWithSource_version(saveInput_.dataCurrent, 0);
        enableOldControlsEnable_hidden(true, false);
    }
    // The move the save was asked for on the way out is only made after a save that succeeded; a
    // later Save pressed on this page must keep the page.
    const int handBackTo = modeToGo_;
    if (result != kSaveSucceeded)
        modeToGo_ = 0;

    app.setStrStatusAll(status);
    app.setStatus_withWarning(app.getStrStatus(), result != kSaveSucceeded);
    app.setOnProcessing(false);
    app.setControls();
    setControls();

    // Last, so that nothing is accepted between this save and the read that follows: recognition
    // raises the busy flag for its own run.
    if (result == kSaveSucceeded)
        app.setDeviceRecognitionWithStatus_info_from(
            false, std::nullopt, handBackTo == 0 ? app.mode() : kivo::caller_handing_back_to(handBackTo));
}

// ---- Leaving the page ----------------------------------------------------------------------------

bool DeviceSettingsViewController::checkNeedToSave()
{
    if (!isSettingsChanged())
        return false;
    kivo::PageHost& app = host();
    const int language = app.languageManager();
    app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        AppText::stringPromptSave(language), false, AppText::tavk_string_no_in(language),
        AppText::tavk_string_yes_in(language), kPromptBoxSize, kBoxSaveSettings);
    return true;
}

void DeviceSettingsViewController::moveToModeToGo()
{
    kivo::PageHost& app = host();
    dataCurrent_.copyWithSource_version(app.data(), 0);
    // The page being left is no longer the settings page: the switch does not ask again.
    app.setMode(modeToGo_);
    app.setDetailViewController(modeToGo_);
}

void DeviceSettingsViewController::moveToSettingToSetting()
{
    dataCurrent_.copyWithSource_version(host().data(), 0);
    // The page stays: its table and panel show the device's values again.
    refreshFromWorkingCopy();
}
