#pragma once
// The FM radio page (mode 8): the region, up to ten presets (check box, frequency button, stepper)
// with their edit sheet, and RDS AF on or off, edited in a working copy and saved to the device over
// the path of its family. A product without an FM block shows its record with every edit disabled.

#include <QButtonGroup>
#include <QDialog>

#include <array>

#include "settings/page/device_save_page.h"
#include "ui_device_settings_second_view.h"
#include "ui_fm_radio_preset_edit_sheet.h"

class DeviceSettingsSecondViewController : public DeviceSavePage {
    Q_OBJECT
public:
    static constexpr int kPresetRows = KIVOBluetoothDeviceData::kFmPresetCount;

    explicit DeviceSettingsSecondViewController(kivo::PageHost& host);

    QWidget* view() override { return view_; }
    QPushButton* btnNewDevice() override { return ui_.btnNewDevice; }
    QPushButton* btnBack() override { return ui_.btnBack; }
    void initializeObject() override;
    void setControls() override;
    void setShortcuts() override;
    void setControlsWithData() override;
    bool isSettingsChanged() const override;

    // ---- Actions: the sender is the control ------------------------------------------------------
    void changeFMRadioRegion(QObject* sender);
    // A stepper: its preset takes its value.
    void changeFMRadioPreset(QObject* sender);
    // A check box: its preset is emptied, or takes the nearest station.
    void checkFMRadioPreset(QObject* sender);
    void changeFMRadioRDS(QObject* sender);
    void displayInformation(QObject* sender);
    // A preset button: the edit sheet for its preset.
    void openFMRadioPresetEdit(QObject* sender);
    void okFMRadioPresetEdit(QObject* sender);
    void cancelFMRadioPresetEdit(QObject* sender);
    // The warning's button: back to editing.
    void warnFMRadioPresetEdit(QObject* sender);
    // The region's menu is about to open: the list of tabs closes, busy or not.
    void menuWillOpen();
    // Stores the sheet's frequency when the region takes it; else the sheet shows its warning.
    bool isFMRadioPresetValid();

    int indexSelectedForFMRadioEdit() const { return indexSelectedForFMRadioEdit_; }
    const Ui::DeviceSettingsSecondView& ui() const { return ui_; }
    QDialog* sheetFMRadioPresetEdit() const { return sheet_; }
    const Ui::FmRadioPresetEditSheet& sheetUi() const { return sheetUi_; }

protected:
    PageButtons pageButtons() override;
    void resetEditing() override;
    SaveWork saveWork() const override;
    SaveResultMeaning meaningOf(int result) const override;
    void afterSuccessfulSave() override;

private:
    bool fmProduct() const;
    int shownPresets() const;
    template <typename Control> int rowOf(QObject* sender, const std::array<Control*, kPresetRows>& controls) const;
    void showSheetEditing(bool editing);
    void connectControls();
    void addKeys();

    QWidget* view_;
    Ui::DeviceSettingsSecondView ui_;
    QDialog* sheet_;
    Ui::FmRadioPresetEditSheet sheetUi_;
    QButtonGroup* rdsCells_;
    std::array<QCheckBox*, kPresetRows> cbFMRadioPresets_{};
    std::array<QPushButton*, kPresetRows> btnFMRadioPresets_{};
    std::array<Stepper*, kPresetRows> stepperFMRadioPresets_{};
    std::array<QLabel*, kPresetRows> lblFMRadioPresetUnits_{};
    int indexSelectedForFMRadioEdit_ = -1;
};
