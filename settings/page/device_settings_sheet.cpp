// The settings page's resets and its all-settings sheet: Default with the product's Default rule,
// the sheet opened over the main window, its Save, Default, Cancel and Close, and the question
// Close asks when the working copy holds changes.

#include "settings/default_rule.h"
#include "settings/page/device_settings_page.h"

namespace {

// The sheet opens at this size whatever size it was left at.
constexpr int kSheetWidth = 550;
constexpr int kSheetHeight = 400;

} // namespace

void DeviceSettingsViewController::connectSheet()
{
    connect(ui_.btnAllSettings, &QPushButton::clicked, this, [this] { moveToAllSettins(ui_.btnAllSettings); });
    connect(ui_.btnDeviceAllSettingsBasicSave, &QPushButton::clicked, this,
            [this] { saveToAllSettins(ui_.btnDeviceAllSettingsBasicSave); });
    connect(ui_.btnDeviceAllSettingsBasicDefault, &QPushButton::clicked, this,
            [this] { changeToDefaultAllSettins(ui_.btnDeviceAllSettingsBasicDefault); });
    connect(ui_.btnDeviceAllSettingsBasicCancel, &QPushButton::clicked, this,
            [this] { ChangeToOtiginalAllSettins(ui_.btnDeviceAllSettingsBasicCancel); });
    connect(ui_.btnDeviceAllSettingsBasicClose, &QPushButton::clicked, this,
            [this] { closeAllSettins(ui_.btnDeviceAllSettingsBasicClose); });
    connect(ui_.sheetDeviceAllSettings, &AllSettingsSheet::closeAsked, this,
            [this] { closeAllSettins(ui_.sheetDeviceAllSettings); });
}

void DeviceSettingsViewController::routeMessageBoxes()
{
    DeviceSavePage::routeMessageBoxes();
    host().routeMessageBox(kivo::MessageBoxPurpose::AllSettingsSave, this,
                           {[this] {
                                endAllSettingsSheet();
                                save(nullptr);
                            },
                            [this] {
                                endAllSettingsSheet();
                                moveToSettingToSetting();
                            }});
}

// ---- Resets ----------------------------------------------------------------------------------------

void DeviceSettingsViewController::applyDefaultRule()
{
    kivo::settings::apply_default_rule(host().session().deviceTarget, host().data(), defaults());
}

void DeviceSettingsViewController::changeToDefaultAllSettins(QObject*)
{
    if (!refuseAction())
        takeWorkingCopyFrom(dataDefault());
}

void DeviceSettingsViewController::ChangeToOtiginalAllSettins(QObject* sender) { changeToOriginal(sender); }

// ---- The sheet -------------------------------------------------------------------------------------

void DeviceSettingsViewController::moveToAllSettins(QObject*)
{
    AllSettingsSheet* sheet = ui_.sheetDeviceAllSettings;
    // A dialog is centred over its window each time it is shown unless it was placed: the first
    // opening is centred, later ones stand where the sheet was left.
    if (sheetPlaced_)
        sheet->move(sheet->pos());
    sheet->resize(kSheetWidth, kSheetHeight);
    sheet->open();
    sheetPlaced_ = true;
    sheet->activateWindow();
    callTableviewReloadDataForOutsideClass();
}

void DeviceSettingsViewController::endAllSettingsSheet() { ui_.sheetDeviceAllSettings->done(QDialog::Rejected); }

void DeviceSettingsViewController::saveToAllSettins(QObject*)
{
    if (refuseAction())
        return;
    endAllSettingsSheet();
    startSave();
}

void DeviceSettingsViewController::closeAllSettins(QObject*)
{
    if (!isSettingsChanged()) {
        endAllSettingsSheet();
        return;
    }
    openSavePrompt(kivo::MessageBoxPurpose::AllSettingsSave);
}
