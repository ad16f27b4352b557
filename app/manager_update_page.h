#pragma once
// The manager-update page: offers a newer version of the manager.

#include "app/detail_view_controller.h"
#include "ui_manager_update_view.h"

class ManagerUpdateViewController : public DetailViewController {
    Q_OBJECT
public:
    explicit ManagerUpdateViewController(KIVOBluetoothManagerAppController* controller);

    QWidget* view() override { return view_; }
    void initializeObject();
    void setControls() override;
    void setShortcuts() override;
    void cancelUpdate(QObject* sender);

private:
    QWidget* view_;
    Ui::ManagerUpdateView ui_;
};
