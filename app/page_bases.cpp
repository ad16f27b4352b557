#include "app/page_bases.h"

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

void SettingsPageBase::routeMessageBoxes()
{
    const MessageBoxPurpose save_prompt = pageMode() == kModeSecondSettings ? MessageBoxPurpose::SaveSecondSettings
        : pageMode() == kModeSpeedDial                                      ? MessageBoxPurpose::SaveSpeedDial
                                                                            : MessageBoxPurpose::SaveSettings;
    host().routeMessageBox(save_prompt, this, {[this] { save(nullptr); }, [this] { moveToModeToGo(); }});
    if (pageMode() != kModeSettings)
        return;
    auto close_sheet = [this] {
        if (QWidget* sheet = sheetDeviceAllSettings())
            sheet->hide();
    };
    host().routeMessageBox(MessageBoxPurpose::AllSettingsSave, this,
                           {[this, close_sheet] {
                                close_sheet();
                                save(nullptr);
                            },
                            [this, close_sheet] {
                                close_sheet();
                                moveToSettingToSetting();
                            }});
}
