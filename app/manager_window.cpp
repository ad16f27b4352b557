#include "app/manager_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>

#include <algorithm>

#include "app/resource_images.h"
#include "app/sheet_frame.h"
#include "app/window_colors.h"

ManagerWindow::ManagerWindow()
{
    ui.setupUi(this);
    setWindowIcon(QIcon());

    boxListTabsBox = new QFrame(ui.centralwidget);
    listTabs.setupUi(boxListTabsBox);
    boxListTabsBox->setAutoFillBackground(true);
    boxListTabsBox->hide();
    btnListTabs = {listTabs.btnListTabs01, listTabs.btnListTabs02, listTabs.btnListTabs03};
    lblListTabs = {listTabs.lblListTabs01, listTabs.lblListTabs02, listTabs.lblListTabs03};
    for (QLabel* label : lblListTabs)
        label->setAutoFillBackground(true);

    sheetAbout = new QDialog(this);
    aboutUi.setupUi(sheetAbout);
    sheetAbout->setWindowModality(Qt::WindowModal);

    sheetMessageBox = new MessageBoxSheet(this);
    sheetLanguageManager = new LanguageSheet(this);
    for (QDialog* sheet :
         {sheetAbout, static_cast<QDialog*>(sheetMessageBox), static_cast<QDialog*>(sheetLanguageManager)})
        kivo::frame_sheet(*sheet);
    ui.btnAbout->setIcon(QIcon(kivo::images::load(QStringLiteral("about.svg"), {24, 24})));
    ui.btnClose->setIcon(QIcon(kivo::images::load(QStringLiteral("close.svg"), {24, 24})));

    QPalette title = ui.lblDetailTitle->palette();
    title.setColor(QPalette::Window, kivo::colors::kBrandOrange);
    title.setColor(QPalette::WindowText, Qt::white);
    ui.lblDetailTitle->setAutoFillBackground(true);
    ui.lblDetailTitle->setPalette(title);
    QFont bold = ui.lblDetailTitle->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 2);
    ui.lblDetailTitle->setFont(bold);
    // The margin keeps the title off the bar's ends only: the text gets the bar's whole height, at
    // least the font's, so that the accents over capitals are not cut.
    ui.lblDetailTitle->setMargin(0);
    ui.lblDetailTitle->setContentsMargins(10, 0, 10, 0);
    ui.lblDetailTitle->setFixedHeight(std::max(ui.lblDetailTitle->maximumHeight(), QFontMetrics(bold).height()));
}

void ManagerWindow::closeEvent(QCloseEvent* event)
{
    if (closeRequested && !closeRequested())
        event->ignore();
    else
        event->accept();
}

void ManagerWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    placeListTabs();
}

void ManagerWindow::placeListTabs()
{
    // Drops down under the second page-title tab, over the page. The tabs may have been shown just
    // now: their place is the one their layout gives them once it has run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QPoint below =
        ui.btnDetailTitlePagesSecond->mapTo(ui.centralwidget, QPoint(0, ui.btnDetailTitlePagesSecond->height()));
    boxListTabsBox->move(below);
    boxListTabsBox->raise();
}
