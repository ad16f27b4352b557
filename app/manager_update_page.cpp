#include "app/manager_update_page.h"

#include "app/app_controller.h"
#include "app/shortcut_labels.h"
#include "app/text/app_text.h"

using kivo::AppText;

ManagerUpdateViewController::ManagerUpdateViewController(KIVOBluetoothManagerAppController* controller)
    : DetailViewController(controller), view_(new QWidget)
{
    ui_.setupUi(view_);
    connect(ui_.btnNo, &QPushButton::clicked, this, [this] { cancelUpdate(ui_.btnNo); });
}

void ManagerUpdateViewController::initializeObject()
{
    appController()->setShowShortcuts(false);
    appController()->reflectShortcuts();
    setControls();
}

void ManagerUpdateViewController::setControls() { setShortcuts(); }

void ManagerUpdateViewController::setShortcuts()
{
    const int language = appController()->languageManager();
    if (appController()->showShortcuts()) {
        ui_.btnYes->setText(QString::fromUtf8(kivo::shortcuts::kEnter));
        ui_.btnNo->setText(QString::fromUtf8(kivo::shortcuts::kEscape));
    } else {
        ui_.btnYes->setText(QString::fromStdString(AppText::tavk_string_yes_in(language)));
        ui_.btnNo->setText(QString::fromStdString(AppText::tavk_string_no_in(language)));
    }
    ui_.btnReleaseNotes->hide();
    ui_.btnReleaseNotes->setEnabled(false);
}

void ManagerUpdateViewController::cancelUpdate(QObject*) { appController()->setDeviceSelection(); }
