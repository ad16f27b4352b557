#pragma once
// The voice-prompt language pop-up of the update and restore pages: a plain combo box that says
// when its menu is about to open, so the page can close the window's list of tabs first.

#include <QComboBox>

class LanguagePopUp : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        emit menuWillOpen();
        QComboBox::showPopup();
    }

signals:
    void menuWillOpen();
};
