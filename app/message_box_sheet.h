#pragma once
// The controller's one message box: a window-modal sheet on the main window. Any thread may ask
// for it; the widget work always runs on the main thread.

#include <QDialog>

#include <atomic>
#include <optional>
#include <string>

#include "app/message_box_layout.h"

namespace Ui {
class MessageBoxSheet;
}

class MessageBoxSheet : public QDialog {
    Q_OBJECT
public:
    explicit MessageBoxSheet(QWidget* window);
    ~MessageBoxSheet() override;

    // Fills and shows the sheet (main thread only). A button without a title is hidden and
    // disabled. The first box of the run is 20 points higher.
    void present(const std::string& message, bool warning, const std::optional<std::string>& cancel,
                 const std::optional<std::string>& ok, int size_code);
    // Ends the sheet (main thread only).
    void dismiss();

    QPushButton* okButton() const;
    QPushButton* cancelButton() const;
    QString messageText() const;
    bool warningShown() const;

signals:
    void okClicked();
    void cancelClicked();
    // A worker asks the main thread to show the box waiting for it; the signal carries no data.
    void wakeRequested();

protected:
    // Escape and the window's close button answer like Cancel when there is one, else like OK.
    void reject() override;

private:
    Ui::MessageBoxSheet* ui_;
    bool warning_ = false;
    static std::atomic<bool> opened_in_this_run_;
};
