#pragma once
// Starting and ending the manager around its controller: what the program's entry, kivo-sim-app
// and the flow tests share.

#include <QObject>

#include <memory>

#include "app/app_controller.h"

// Owns the controller for the run and does the end-of-run work when the application quits.
class KIVOBluetoothManagerAppDelegate : public QObject {
    Q_OBJECT
public:
    explicit KIVOBluetoothManagerAppDelegate(PageFactory pages);
    ~KIVOBluetoothManagerAppDelegate() override;

    KIVOBluetoothManagerAppController& appController() { return *controller_; }
    // Shows the window and its first page.
    void start();
    // The end-of-run work: the USB libraries end.
    void applicationWillTerminate();

private:
    std::unique_ptr<KIVOBluetoothManagerAppController> controller_;
    bool terminated_ = false;
};

namespace kivo {

// Names the application for its data folders. Call before anything asks for a folder.
void name_application();
// True when a window can be shown; otherwise says why on standard error.
bool display_available(const char* program);

} // namespace kivo
