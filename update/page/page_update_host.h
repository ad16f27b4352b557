#pragma once
// The update engine's way to the application, over the page host: the message box (which any
// thread may open and close), the page's box wait, the page's spinner (posted, never waited for),
// and the answer of the backup question, kept here for the worker to read (the controller's own
// flag is set and reset on the main thread).

#include <atomic>

#include "app/box_answer_wait.h"
#include "app/page_host.h"
#include "update/engine/update_host.h"
#include "update/page/processing_spinner.h"

class PageUpdateHost : public kivo::UpdateHost {
public:
    PageUpdateHost(kivo::PageHost& host, BoxAnswerWait& openedMessageBox)
        : host_(host)
        , openedMessageBox_(openedMessageBox)
    { }

    int openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        const std::string& message, bool warning, const std::optional<std::string>& cancel,
        const std::optional<std::string>& ok, int size, int purpose) override
    {
        return host_.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(message, warning, cancel,
                                                                                              ok, size, purpose);
    }
    int closeMessageBox(int box) override { return host_.closeMessageBox(box); }
    void setOpenedMessageBox(bool opened) override { openedMessageBox_.setOpen(opened); }
    bool openedMessageBox() const override { return openedMessageBox_.isOpen(); }
    void waitUntilAnswered() override { openedMessageBox_.waitUntilAnswered(); }
    // The page's spinner, set once on the main thread before any run starts.
    void setSpinner(ProcessingSpinner* spinner) { spinner_ = spinner; }
    void startProcessingAnimation() override
    {
        if (spinner_ != nullptr)
            spinner_->postAnimation(true);
    }
    void stopProcessingAnimation() override
    {
        if (spinner_ != nullptr)
            spinner_->postAnimation(false);
    }
    bool skipRestoreBackupFile() const override { return skipRestoreBackupFile_.load(); }
    void setSkipRestoreBackupFile(bool skip) override { skipRestoreBackupFile_.store(skip); }

private:
    kivo::PageHost& host_;
    BoxAnswerWait& openedMessageBox_;
    ProcessingSpinner* spinner_ = nullptr;
    std::atomic<bool> skipRestoreBackupFile_{false};
};
