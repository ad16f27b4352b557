#pragma once
// A pop-up button that tells before its menu opens (the settings pages close the tab list then).

#include <QComboBox>

#include <functional>

class PopUpButton : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    // Called each time the menu is about to open.
    std::function<void()> menuWillOpen;
    void showPopup() override;
};
