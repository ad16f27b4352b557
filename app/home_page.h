#pragma once
// The home page: the OEM headset is preselected; its button hands the product id to the controller
// and goes on to device recognition.

#include "app/detail_view_controller.h"
#include "ui_device_selection_view.h"

class QPushButton;

class DeviceSelectionViewController : public DetailViewController {
    Q_OBJECT
public:
    explicit DeviceSelectionViewController(KIVOBluetoothManagerAppController* controller);

    QWidget* view() override { return view_; }
    // Prepares the page each time it is shown; onStartUp only for the first page of a start.
    void initializeObjectOnStartUp(bool onStartUp);
    void setControls() override;
    void setShortcuts() override;
    void btnHomeClick(QObject* sender);
    void targetDeviceSet(QObject* sender);
    QPushButton* btnNext() const { return ui_.btnNext; }
    int deviceTargetSelected() const { return deviceTargetSelected_; }

private:
    QWidget* view_;
    Ui::DeviceSelectionView ui_;
    int deviceTargetSelected_ = 0;
};
