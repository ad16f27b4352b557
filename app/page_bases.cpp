#include "app/page_bases.h"

#include "device/products/speed_dial_first.h"
#include "device/products/without_settings_pages.h"

using kivo::MessageBoxPurpose;

void UpdatePageBase::routeMessageBoxes()
{
    host().routeMessageBox(MessageBoxPurpose::CameraUpdateDone, this, {[this] { endLumoraUpdate(); }, {}});
    if (pageMode() != kModeUpdate)
        return;
    host().routeMessageBox(MessageBoxPurpose::SkipRestoreBackup, this,
                           {[this] {
                                host().session().skipRestoreBackupFile = true;
                                setOpenedMessageBox(false);
                            },
                            [this] { setOpenedMessageBox(false); }});
}

bool UpdatePageBase::nextIsNewDevice() const
{
    const kivo::PageHost& app = host();
    return kivo::usb_status_in_management_mode(app.session().usbStatus) ||
        kivo::settings_excluded(app.session().deviceTarget, app.data().deviceVersionMajor(),
                                app.data().deviceVersionMinor());
}

void UpdatePageBase::goToNextPage()
{
    kivo::PageHost& app = host();
    if (nextIsNewDevice()) {
        app.setDeviceSelection();
        return;
    }
    if (kivo::update_next_opens_speed_dial(app.session().deviceTarget, app.data().deviceVersionMajor(),
                                           app.data().deviceVersionMinor()))
        app.setDeviceSettingsSpeedDialWithStatus(true);
    else
        app.setDeviceSettingsWithStatus(true);
}

void UpdatePageBase::goBackToRecognition() { host().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0); }

void SettingsPageBase::routeMessageBoxes()
{
    const MessageBoxPurpose save_prompt = pageMode() == kModeSecondSettings ? MessageBoxPurpose::SaveSecondSettings
        : pageMode() == kModeSpeedDial                                      ? MessageBoxPurpose::SaveSpeedDial
                                                                            : MessageBoxPurpose::SaveSettings;
    host().routeMessageBox(save_prompt, this, {[this] { save(nullptr); }, [this] { moveToModeToGo(); }});
}

void SettingsPageBase::moveOnWithoutSaving(int mode_to_go)
{
    if (mode_to_go == kivo::kQuitAfterSavePrompt) {
        host().quitAfterSavePrompt();
        return;
    }
    // The page being left is no longer the current one: the switch does not ask again.
    host().setMode(mode_to_go);
    host().setDetailViewController(kivo::caller_hands_back(mode_to_go) ? kivo::mode_handed_back_to(mode_to_go)
                                                                       : mode_to_go);
}
