#pragma once
// The manager-update page: offers the newer manager the server lists. YES opens its download in
// the browser and ends the program at once; NO goes back home.

#include "app/detail_view_controller.h"
#include "ui_manager_update_view.h"

class ManagerUpdateViewController : public DetailViewController {
    Q_OBJECT
public:
    explicit ManagerUpdateViewController(kivo::PageHost& host);

    QWidget* view() override { return view_; }
    void initializeObject();
    void setControls() override;
    void setShortcuts() override;
    std::string stringInstruction() const;
    // Opens the download and ends the process with status 0, without the end-of-run work: the
    // configuration is not written.
    [[noreturn]] void okUpdate(QObject* sender);
    void cancelUpdate(QObject* sender);
    void releaseNotes(QObject* sender);
    const Ui::ManagerUpdateView& ui() const { return ui_; }

private:
    QWidget* view_;
    Ui::ManagerUpdateView ui_;
};
