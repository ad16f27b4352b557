#include "app/pop_up_button.h"

void PopUpButton::showPopup()
{
    emit menuWillOpen();
    QComboBox::showPopup();
}
