#pragma once
// The window's content view: a click anywhere closes the open tab list before it goes on.

#include <QWidget>

class KIVOBluetoothManagerAppController;

class KIVOBluetoothManagerView : public QWidget {
    Q_OBJECT
public:
    explicit KIVOBluetoothManagerView(QWidget* parent = nullptr)
        : QWidget(parent)
    { }
    void setAppController(KIVOBluetoothManagerAppController* controller) { appController_ = controller; }
    KIVOBluetoothManagerAppController* appController() const { return appController_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    KIVOBluetoothManagerAppController* appController_ = nullptr;
};
