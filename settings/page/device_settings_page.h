#pragma once
// The device settings page (mode 7): the fixed panel of the device's most used settings, placed,
// filled, shown and enabled for its product and firmware, over a working copy of the recognized
// record; Default and Cancel put the factory defaults or the device's values back; products of the
// all-settings table families get the More Settings button and the table's sheet instead.

#include <memory>

#include "app/page_bases.h"
#include "device/device_data.h"
#include "settings/page/panel_outlets.h"
#include "ui_device_settings_view.h"

class DeviceSettingsViewController : public SettingsPageBase {
    Q_OBJECT
public:
    explicit DeviceSettingsViewController(kivo::PageHost& host);
    ~DeviceSettingsViewController() override;

    QWidget* view() override { return view_; }

    // ---- Life cycle ----------------------------------------------------------------------------
    // Each entry with a recognized device: hints off, fresh working and defaults copies of the
    // recognized record, the settings tab selected, the table and the panel refreshed.
    void initializeObject() override;
    // Shows, hides and enables the panel's rows and buttons by product, firmware, language and the
    // busy flag, and refreshes the texts that follow the language.
    void setControls() override;
    // Titles the buttons, labels and cells, or their keyboard hints while hints are shown.
    void setShortcuts() override;
    // Moves the panel's controls where the product's layout puts them and shows the working copy.
    void setControlsWithData();
    // Every row of the panel hidden or shown, its information button and control enabled or not.
    void enableOldControlsEnable_hidden(bool enable, bool hidden);
    // The all-settings table rebuilds its rows (after a language change, a revert, the defaults).
    void callTableviewReloadDataForOutsideClass() override;
    void displayNoteApply(QObject* sender);

    // ---- Records -------------------------------------------------------------------------------
    // The working copy every control edits and a save writes.
    const KIVOBluetoothDeviceData& dataCurrent() const { return dataCurrent_; }
    // The factory defaults of the recognized product and firmware.
    const KIVOBluetoothDeviceData& dataDefault() const { return dataDefault_; }
    // The working copy differs from the device in a value the product's save writes.
    bool isSettingsChanged() const;

    // ---- Page buttons --------------------------------------------------------------------------
    void changeToOriginal(QObject* sender);
    void changeToDefault(QObject* sender);
    void moveToFirmwareUpdate(QObject* sender) override;
    void moveToDeviceSelection(QObject* sender) override;

    // ---- Leaving the page ----------------------------------------------------------------------
    int modeToGo() const { return modeToGo_; }
    void setModeToGo(int mode) override { modeToGo_ = mode; }
    bool checkNeedToSave() override { return false; }
    void save(QObject*) override { }
    void moveToModeToGo() override;
    QWidget* sheetDeviceAllSettings() override { return ui_.sheetDeviceAllSettings; }

    QPushButton* btnBack() override { return ui_.btnBack; }
    QPushButton* btnNewDevice() override { return ui_.btnNewDevice; }
    const Ui::DeviceSettingsView& ui() const { return ui_; }
    PanelOutlets& outlets() { return *outlets_; }

    // The texts of the page in the interface language.
    std::string stringNoteEDR() const;
    std::string stringNoteApply() const;
    std::string stringACTUnit() const;

private:
    void connectControls();
    void addKeys();
    // The working copy replaced as a whole: the table, the values and the enabling follow it.
    void refreshFromWorkingCopy();
    // Texts too long for their frames get a smaller font.
    void fitTexts();
    // What the apply note's label has left of its width beside the note's button.
    int noteApplyWidth() const;
    // The scrolled area grows to hold the rows shown below the page's own area.
    void fitPanelToShownRows();

    QWidget* view_;
    Ui::DeviceSettingsView ui_;
    std::unique_ptr<PanelOutlets> outlets_;
    KIVOBluetoothDeviceData dataCurrent_;
    KIVOBluetoothDeviceData dataDefault_;
    int modeToGo_ = 0;
};
