#pragma once
// The home page: the OEM headset is preselected; its button hands the product id to the controller
// and goes on to device recognition. Shown first in a run, it checks once whether the firmware
// server lists a newer manager and then offers it.

#include <QPushButton>

#include <optional>
#include <string>

#include "app/detail_view_controller.h"
#include "app/manager_version_list.h"
#include "app/worker_run.h"
#include "ui_device_selection_view.h"

class DeviceSelectionViewController : public DetailViewController {
    Q_OBJECT
public:
    explicit DeviceSelectionViewController(kivo::PageHost& host);
    ~DeviceSelectionViewController() override;

    QWidget* view() override { return view_; }
    // Prepares the page each time it is shown; onStartUp only for the first page of a start, and
    // only then may the manager check run.
    void initializeObjectOnStartUp(bool onStartUp);
    void setControls() override;
    void setShortcuts() override;
    // The manager check reads and writes nothing of the device: quitting stops it.
    bool stopWorkForQuit() override;
    void btnHomeClick(QObject* sender);
    void targetDeviceSet(QObject* sender);
    // The legacy model buttons' action: their product id becomes the selection.
    void targetDeviceSelected(QObject* sender);
    QPushButton* btnNext() const { return ui_.btnNext; }
    int deviceTargetSelected() const { return deviceTargetSelected_; }
    const Ui::DeviceSelectionView& ui() const { return ui_; }

    // The once-per-run check for a newer manager: a worker reads the server's list, the timer
    // ends the check and switches to the offer when there is one. The window's actions wait from
    // the call on; the worker itself starts once the window has been drawn.
    void checkManagerUpdate();
    // Due or running.
    bool managerCheckRunning() const { return checkDue_ || checkRun_.active(); }

    // The worker's half: reads the list from base (nothing when no usable list came).
    static std::optional<kivo::LatestManagerVersion> threadMethodCheckManagerUpdate(const std::string& base);
    // The timer's half, on the main thread after the join: takes the latest version and offers it
    // when it is newer and has a download address.
    void timerMethodCheckManagerUpdate(const std::optional<kivo::LatestManagerVersion>& latest);

private:
    // The worker of a due check; nothing when the check was stopped before it began.
    void startManagerCheck();

    QWidget* view_;
    Ui::DeviceSelectionView ui_;
    int deviceTargetSelected_ = 0;

    // The page lives for the whole run, so this is once per run.
    bool checkStarted_ = false;
    // Asked for, its worker waiting for the window to be drawn.
    bool checkDue_ = false;
    // The user went on while the check ran: it no longer holds the busy state, and its end only
    // records the version it read.
    bool checkDetached_ = false;
    kivo::WorkerRun checkRun_;
};
