#pragma once
// A pop-up button that says when its menu is about to open: the pages close the window's list of
// tabs first, so the two never stand open together.

#include <QComboBox>

class PopUpButton : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override;

signals:
    // Sent each time, before the menu opens.
    void menuWillOpen();
};
