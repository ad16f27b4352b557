#pragma once
// The device recognition page: how to connect the device, a recognition started on request (on a
// worker thread, watched by the one-second timer), and the hand-over of a recognized device to the
// page that asked for it.

#include <optional>
#include <string>

#include "app/page_bases.h"
#include "app/worker_run.h"
#include "recognition/recognition_run.h"
#include "text/status_text_set.h"
#include "ui_device_recognition_view.h"

class DeviceRecognitionViewController : public RecognitionPageBase {
    Q_OBJECT
public:
    explicit DeviceRecognitionViewController(kivo::PageHost& host);
    ~DeviceRecognitionViewController() override;

    QWidget* view() override { return view_; }
    int callerMode() const override { return callerMode_; }
    void setCallerMode(int mode) override { callerMode_ = mode; }
    void initializeObject() override;
    void doRecognize(std::optional<KIVOBluetoothDeviceData> info) override;
    void recognize(QObject* sender) override;
    void targetDevice(QObject* sender) override;
    QPushButton* btnNext() override { return ui_.btnNext; }
    QPushButton* btnBack() override { return ui_.btnBack; }
    void setControls() override;
    void setShortcuts() override;
    // A recognition writes nothing that cannot be redone, unless it writes a saved record back:
    // quitting stops every other one.
    bool stopWorkForQuit() override;

    // Hands a recognized device over to the page that asked, with the worker's status text.
    void moveToCaller_withWarning(const std::string& status, bool warning);
    // The instructions in the interface language.
    std::string stringInstruction() const;
    // The text as rich text in which every web or mail address is a link.
    static QString autoLinkURLs(const QString& text);

    bool isFirst() const { return isFirst_; }
    const Ui::DeviceRecognitionView& ui() const { return ui_; }

    // The worker's half: one run over its own copies of the session and the record.
    kivo::RecognitionOutcome threadMethodRecognize(kivo::RecognitionRun run, KIVOBluetoothDeviceData record) const;
    // The timer's half, on the main thread after the join: the outcome becomes the controller's and
    // the page acts on its result.
    void timerMethodRecognize(kivo::RecognitionOutcome outcome);

protected:
    // The device work of one run, on the worker thread, over the run's copies.
    virtual int recognizeDevice(kivo::RecognitionRun& run, KIVOBluetoothDeviceData& data) const;

private:
    kivo::RecognitionRun runFromController(std::optional<KIVOBluetoothDeviceData> info) const;
    void showFailure(const std::string& format, bool with_code_letter);
    void showStatusSet(const kivo::StatusTextSet& texts, bool warning);

    QWidget* view_;
    Ui::DeviceRecognitionView ui_;
    int callerMode_ = 0;
    // Set until the plain-USB management probe first succeeds; a run takes it and hands it back.
    bool isFirst_ = true;
    // The last run's status texts, taken from its outcome on the main thread.
    kivo::StatusTextSet strStatusThreadRecognize_;
    // The running recognition writes no saved record back and may be stopped.
    bool runStoppable_ = false;
    kivo::WorkerRun worker_;
};
