#include "app/manager_update_page.h"

#include <QShortcut>

#include <cstdio>
#include <cstdlib>

#include "app/address_opener.h"
#include "app/server_choice.h"
#include "app/shortcut_labels.h"
#include "common/addresses.h"
#include "text/app_text.h"

using kivo::AppText;

ManagerUpdateViewController::ManagerUpdateViewController(kivo::PageHost& host)
    : DetailViewController(host)
    , view_(new QWidget)
{
    ui_.setupUi(view_);
    connect(ui_.btnYes, &QPushButton::clicked, this, [this] { okUpdate(ui_.btnYes); });
    connect(ui_.btnNo, &QPushButton::clicked, this, [this] { cancelUpdate(ui_.btnNo); });
    connect(ui_.btnReleaseNotes, &QPushButton::clicked, this, [this] { releaseNotes(ui_.btnReleaseNotes); });
    // The buttons' shortcut labels: [ENTER] and [ESC], while the page is shown.
    for (auto [key, button] : {std::pair{Qt::Key_Return, ui_.btnYes}, std::pair{Qt::Key_Enter, ui_.btnYes},
                               std::pair{Qt::Key_Escape, ui_.btnNo}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), view_);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    }
}

void ManagerUpdateViewController::initializeObject()
{
    host().setShowShortcuts(false);
    host().reflectShortcuts();
    setControls();
}

void ManagerUpdateViewController::setControls()
{
    setShortcuts();
    ui_.tfInstruction->setText(QString::fromStdString(stringInstruction()));
}

void ManagerUpdateViewController::setShortcuts()
{
    const int language = host().languageManager();
    if (host().showShortcuts()) {
        ui_.btnYes->setText(QString::fromUtf8(kivo::shortcuts::kEnter));
        ui_.btnNo->setText(QString::fromUtf8(kivo::shortcuts::kEscape));
        ui_.btnReleaseNotes->setText(QStringLiteral("[C]-[ENTER]"));
    } else {
        ui_.btnYes->setText(QString::fromStdString(AppText::tavk_string_yes_in(language)));
        ui_.btnNo->setText(QString::fromStdString(AppText::tavk_string_no_in(language)));
        ui_.btnReleaseNotes->setText(QStringLiteral("Release Notes"));
    }
    ui_.btnReleaseNotes->hide();
    ui_.btnReleaseNotes->setEnabled(false);
}

std::string ManagerUpdateViewController::stringInstruction() const
{
    const kivo::LatestManagerVersion latest = host().managerLatest();
    return AppText::stringManagerUpdateInstruction(host().languageManager(), latest.major, latest.minor,
                                                   latest.secondary);
}

void ManagerUpdateViewController::okUpdate(QObject*)
{
    kivo::open_address(host().managerLatest().downloadAddress);
    std::fflush(nullptr);
    std::_Exit(0);
}

void ManagerUpdateViewController::cancelUpdate(QObject*) { host().setDeviceSelection(); }

void ManagerUpdateViewController::releaseNotes(QObject*)
{
    kivo::open_address(kivo::firmware_server_base() + kivo::addresses::kHelpReleaseNotesPath);
}
