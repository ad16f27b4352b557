#include "settings/page/page_controls.h"

void PopUpButton::showPopup()
{
    if (menuWillOpen)
        menuWillOpen();
    QComboBox::showPopup();
}
