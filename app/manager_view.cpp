#include "app/manager_view.h"

#include "app/app_controller.h"

void KIVOBluetoothManagerView::mousePressEvent(QMouseEvent* event)
{
    if (appController_ != nullptr && appController_->listTabsOpened()) {
        appController_->setListTabsOpened(false);
        appController_->enableListTabsTo(false);
    }
    QWidget::mousePressEvent(event);
}
