#pragma once
// The speed-dial page (mode 9): the device's three numbers, each edited in a small sheet whose field
// takes only what a number may hold, kept in a working copy and saved to the device over the path of
// its family.

#include <QDialog>

#include <array>

#include "settings/page/device_save_page.h"
#include "ui_device_settings_speed_dial_view.h"
#include "ui_speed_dial_edit_sheet.h"

class DeviceSettingsSpeedDialViewController : public DeviceSavePage {
    Q_OBJECT
public:
    static constexpr int kNumbers = KIVOBluetoothDeviceData::kSpeedDialCount;

    explicit DeviceSettingsSpeedDialViewController(kivo::PageHost& host);

    QWidget* view() override { return view_; }
    QPushButton* btnNewDevice() override { return ui_.btnNewDevice; }
    QPushButton* btnBack() override { return ui_.btnBack; }
    void setControls() override;
    void setShortcuts() override;
    void setControlsWithData() override;
    bool isSettingsChanged() const override;

    // ---- Actions: the sender is the control ------------------------------------------------------
    // A number's button: the edit sheet with that number.
    void openSpeedDialEdit(QObject* sender);
    void okSpeedDialEdit(QObject* sender);
    void cancelSpeedDialEdit(QObject* sender);
    // Stores the sheet's text when it is a number; else the text (cut to 20 characters when
    // longer) stays selected in the sheet.
    bool isSpeedDialValid();

    int indexSelectedSpeedDialEdit() const { return indexSelectedSpeedDialEdit_; }
    const Ui::DeviceSettingsSpeedDialView& ui() const { return ui_; }
    QDialog* sheetSpeedDialEdit() const { return sheet_; }
    const Ui::SpeedDialEditSheet& sheetUi() const { return sheetUi_; }

protected:
    PageButtons pageButtons() override;
    void resetEditing() override { indexSelectedSpeedDialEdit_ = -1; }
    SaveWork saveWork() const override;
    SaveResultMeaning meaningOf(int result) const override;

private:
    void connectControls();

    QWidget* view_;
    Ui::DeviceSettingsSpeedDialView ui_;
    QDialog* sheet_;
    Ui::SpeedDialEditSheet sheetUi_;
    std::array<QPushButton*, kNumbers> btnSpeedDials_{};
    std::array<QLabel*, kNumbers> lblSpeedDials_{};
    int indexSelectedSpeedDialEdit_ = -1;
};
