#pragma once
// The update and restore page (one class, modes 5 and 6): the starter of an update or restore run
// on the page's worker with its one-second timer, and the page's small operations. Until its own
// view is built it shows the placeholder view with the update page's navigation.

#include <memory>
#include <optional>
#include <string>

#include "app/box_answer_wait.h"
#include "app/page_bases.h"
#include "app/placeholder_pages.h"
#include "app/worker_run.h"
#include "update/engine/run.h"
#include "update/engine/shared_block.h"
#include "update/page/page_update_host.h"

class UpdateViewController : public UpdatePageBase {
    Q_OBJECT
public:
    UpdateViewController(kivo::PageHost& host, int mode);
    ~UpdateViewController() override;

    QWidget* view() override { return view_.widget; }
    void initializeObjectWithDefaultStatus(bool status) override;
    void readLatest() override { setControls(); }
    bool restorePossible() const override { return false; }
    void setControlsFirmwareRestore() override { }
    int tabCount() const override { return 0; }
    int tabAt(int) const override { return 0; }
    int tabIndexSelected() const override { return tabIndexSelected_; }
    void setTabIndexSelected(int index) override { tabIndexSelected_ = index; }
    QPushButton* btnNext() override { return view_.ui.btnNext; }
    QPushButton* btnBack() override { return view_.ui.btnBack; }
    void moveToNext(QObject*) override { goToNextPage(); }
    void moveToBack(QObject*) override { goBackToRecognition(); }
    void endLumoraUpdate() override { }
    void setOpenedMessageBox(bool opened) override { openedMessageBox_.setOpen(opened); }
    bool openedMessageBox() const { return openedMessageBox_.isOpen(); }
    void setControls() override;
    void setShortcuts() override;
    void routeMessageBoxes() override;

    // Starts an update (mode 5) or restore (mode 6) of the firmware file on the page's worker,
    // with the timer beside it. Everything the worker reads is copied here, on the main thread.
    void startUpdateRun(const std::string& firmware_file);
    // The opener of the runs started from now on (hid_open_device unless changed).
    void setOpener(kivo::HidOpener opener) { opener_ = std::move(opener); }
    // The timer's tick, on the main thread.
    void timerMethodUpdate();
    // The shared block of the last run started; nullptr before the first.
    const kivo::UpdateShared* runShared() const { return shared_.get(); }
    bool runActive() const { return worker_.active(); }

protected:
    // The worker's half: one run over its inputs; tests stand a fake worker in.
    virtual void runUpdate(kivo::UpdateInputs inputs, kivo::UpdateShared& shared, kivo::UpdateHost& host);

private:
    kivo::UpdateInputs inputsFromController(const std::string& firmware_file) const;

    PlaceholderView view_;
    int tabIndexSelected_ = 0;
    BoxAnswerWait openedMessageBox_;
    PageUpdateHost engineHost_;
    kivo::HidOpener opener_;
    // The run going, or the last one.
    std::shared_ptr<kivo::UpdateShared> shared_;
    kivo::UpdateInputs runInputs_;
    kivo::WorkerRun worker_;
};
