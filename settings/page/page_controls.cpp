#include "settings/page/page_controls.h"

#include <QLineEdit>

void PopUpButton::showPopup()
{
    if (menuWillOpen)
        menuWillOpen();
    QComboBox::showPopup();
}

Stepper::Stepper(QWidget* parent)
    : QSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    lineEdit()->hide();
    setFixedWidth(20);
}
