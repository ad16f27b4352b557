#pragma once
// How a run reaches the application while it goes, from its worker thread: the one message box,
// the wait for the user's answer, the page's spinner, and the answer of the backup question. The update page gives
// the real one; engine tests give a fake.

#include <optional>
#include <string>

namespace kivo {

class UpdateHost {
public:
    virtual ~UpdateHost() = default;

    // Shows the message box (a nullopt title hides its button) and returns the number that names
    // this box to closeMessageBox.
    virtual int openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        const std::string& message, bool warning, const std::optional<std::string>& cancel,
        const std::optional<std::string>& ok, int size, int purpose) = 0;
    // Closes box unless a newer box has taken its place; returns the purpose it was kept for.
    virtual int closeMessageBox(int box) = 0;

    // openedMessageBox: set by the worker before it opens a box it waits for, cleared by the
    // answer (or by the worker when it closes the box itself).
    virtual void setOpenedMessageBox(bool opened) = 0;
    virtual bool openedMessageBox() const = 0;
    // Blocks until openedMessageBox is clear.
    virtual void waitUntilAnswered() = 0;

    // The page's busy spinner while a device re-enumerates: posted to the main thread, never
    // waited for.
    virtual void startProcessingAnimation() = 0;
    virtual void stopProcessingAnimation() = 0;

    // The user's choice to go on without a settings backup; the worker resets it once read.
    virtual bool skipRestoreBackupFile() const = 0;
    virtual void setSkipRestoreBackupFile(bool skip) = 0;
};

} // namespace kivo
