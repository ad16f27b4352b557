#pragma once
// The base of every page: a view shown in the window's detail box and a back-pointer to the
// application controller.

#include <QObject>
#include <QWidget>

class KIVOBluetoothManagerAppController;

class DetailViewController : public QObject {
    Q_OBJECT
public:
    explicit DetailViewController(KIVOBluetoothManagerAppController* controller)
        : appController_(controller)
    { }

    KIVOBluetoothManagerAppController* appController() const { return appController_; }
    // The page's view; the controller puts it into the detail box.
    virtual QWidget* view() = 0;
    virtual void setControls() { }
    virtual void setShortcuts() { }

private:
    KIVOBluetoothManagerAppController* appController_;
};
