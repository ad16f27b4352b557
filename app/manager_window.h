#pragma once
// The main window: the layout of the window's Designer file, the drop-down list of settings tabs,
// the About sheet, the language sheet and the message box.

#include <QMainWindow>

#include <array>
#include <functional>

#include "app/language_sheet.h"
#include "app/message_box_sheet.h"
#include "ui_about_sheet.h"
#include "ui_list_tabs_box.h"
#include "ui_main_window.h"

class QLabel;

class ManagerWindow : public QMainWindow {
    Q_OBJECT
public:
    ManagerWindow();

    Ui::KIVOBluetoothManagerWindow ui;
    Ui::ListTabsBox listTabs;
    Ui::AboutSheet aboutUi;
    QFrame* boxListTabsBox = nullptr;
    QDialog* sheetAbout = nullptr;
    MessageBoxSheet* sheetMessageBox = nullptr;
    LanguageSheet* sheetLanguageManager = nullptr;
    std::array<QPushButton*, 3> btnListTabs{};
    std::array<QLabel*, 3> lblListTabs{};

    // Asked when the user closes the window; the window closes only when it answers true.
    std::function<bool()> closeRequested;
    // Puts the list of tabs under the second page-title tab, where it drops down.
    void placeListTabs();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
