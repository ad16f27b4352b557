#include "app/window_frame.h"

#include <QApplication>
#include <QShortcut>

#include <algorithm>
#include <initializer_list>

#include "app/main_button.h"
#include "app/manager_window.h"
#include "app/resource_images.h"
#include "app/shortcut_labels.h"
#include "app/window_colors.h"
#include "device/device_session.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/text_format.h"

namespace kivo {
namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

QString tab_text(int tab, bool label, int language)
{
    const auto text = KIVOBluetoothDeviceData::getTabText_With_In(tab, label, language);
    return text ? qtext(text->text) : QString();
}

int tab_at(const SettingsTabs& tabs, int index) { return tabs.tabs[static_cast<size_t>(std::clamp(index, 0, 2))]; }

} // namespace

WindowFrame::WindowFrame(ManagerWindow& window)
    : window_(window)
{
    for (QShortcut*& shortcut : listTabShortcuts_) {
        shortcut = new QShortcut(&window_);
        shortcut->setEnabled(false);
    }
}

void WindowFrame::setControls(const FrameState& state, const KIVOBluetoothDeviceData& data)
{
    Ui::KIVOBluetoothManagerWindow& ui = window_.ui;
    const int mode = state.mode;
    setTitle(state.language);
    setDetailTitle(state);

    ui.btnDeviceSelection->setChecked(mode == kModeHome);
    ui.btnDeviceRecognition->setChecked(mode == kModeRecognition);
    ui.btnFirmwareUpdate->setChecked(mode == kModeUpdate);
    ui.btnFirmwareRestore->setChecked(mode == kModeRestore);
    ui.btnDeviceSettings->setChecked(is_settings_mode(mode));
    // The restore button stays hidden; the settings button takes its place in the column.
    ui.btnFirmwareRestore->hide();

    const std::initializer_list<QWidget*> main_buttons = {ui.btnDeviceSelection, ui.btnDeviceRecognition,
                                                          ui.btnFirmwareUpdate, ui.btnFirmwareRestore,
                                                          ui.btnDeviceSettings};
    for (QWidget* w : {ui.btnAbout, ui.btnClose, ui.btnLanguageManager})
        w->setEnabled(true);
    for (QWidget* w : main_buttons)
        w->setEnabled(true);
    ui.btnStatus->setEnabled(false);
    ui.btnStatus->hide();
    for (QWidget* w : {static_cast<QWidget*>(ui.lblDetailTitlePagesBottomLine),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesFirstBackground),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesFirstForeground),
                       static_cast<QWidget*>(ui.btnDetailTitlePagesFirst),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesSecondBackground),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesSecondForeground),
                       static_cast<QWidget*>(ui.btnDetailTitlePagesSecond)}) {
        w->setEnabled(false);
        w->hide();
    }
    enableListTabsTo(state.listTabsOpened, state);

    if (state.onProcessing) {
        for (QWidget* w : {ui.btnAbout, ui.btnClose, ui.btnStatus, ui.btnLanguageManager})
            w->setEnabled(false);
        for (QWidget* w : main_buttons)
            w->setEnabled(false);
        for (QPushButton* b : window_.btnListTabs)
            b->setEnabled(false);
    } else {
        setInformationDeviceRecognized(state.panel, data);
        switch (mode) {
        case kModeNone:
        case kModeManagerUpdate:
        case kModeHome:
            for (QWidget* w :
                 {ui.btnDeviceRecognition, ui.btnFirmwareUpdate, ui.btnFirmwareRestore, ui.btnDeviceSettings})
                w->setEnabled(false);
            break;
        case kModeRecognition:
            for (QWidget* w : {ui.btnFirmwareUpdate, ui.btnFirmwareRestore, ui.btnDeviceSettings})
                w->setEnabled(state.panel.recognized);
            if (state.panel.recognized && state.settingsExcluded)
                ui.btnDeviceSettings->setEnabled(false);
            break;
        case kModeUpdate:
        case kModeRestore:
            if (usb_status_in_management_mode(state.panel.usbStatus) || state.settingsExcluded)
                ui.btnDeviceSettings->setEnabled(false);
            if (mode == kModeRestore && state.restorePossible && state.tabs.count >= 2)
                layOutPageTitleTabs(state.tabs.selected, state.tabs.count);
            if (mode == kModeRestore && state.restoreWithoutSettings)
                ui.btnDeviceSettings->setEnabled(false);
            break;
        case kModeSettings:
        case kModeSecondSettings:
        case kModeSpeedDial:
            if (state.tabs.count >= 2)
                layOutPageTitleTabs(state.tabs.selected, state.tabs.count);
            break;
        default: break;
        }
    }

    setMenuTitles(state.language, state.showShortcuts);
    ui.btnLanguageManager->setIcon(QIcon(images::language_flag(state.language)));
    setShortcuts(state);
}

// The two page-title tabs over the page: the selected one in the window's colour, the other in the
// title bar's colour, whose button leads to it.
void WindowFrame::layOutPageTitleTabs(int selected, int count)
{
    Ui::KIVOBluetoothManagerWindow& ui = window_.ui;
    for (QWidget* w : {static_cast<QWidget*>(ui.lblDetailTitlePagesBottomLine),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesFirstBackground),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesFirstForeground),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesSecondBackground),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesSecondForeground)}) {
        w->setEnabled(true);
        w->show();
    }
    // The row under the title is the title bar's own colour: the other tab merges into it and the
    // selected one, in the page's colour, stands out of it as the page's tab. Left unpainted, the
    // selected tab vanished into the page and the other read as the selected one.
    for (QLabel* ground : {ui.lblDetailTitlePagesBottomLine, ui.lblDetailTitlePagesFirstBackground,
                           ui.lblDetailTitlePagesSecondBackground}) {
        QPalette palette = ground->palette();
        palette.setColor(QPalette::Window, colors::kBrandOrange);
        ground->setAutoFillBackground(true);
        ground->setPalette(palette);
    }
    const bool first_selected = selected == 0;
    auto paint = [](QLabel* label, bool is_selected, int x, int y) {
        label->setGeometry(x + 2, y, is_selected ? 362 : 365, is_selected ? 18 : 15);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, is_selected ? colors::kWindowBackground : colors::kBrandOrange);
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setAutoFillBackground(true);
        label->setPalette(palette);
    };
    paint(ui.lblDetailTitlePagesFirstForeground, first_selected, 0, first_selected ? 2 : 5);
    paint(ui.lblDetailTitlePagesSecondForeground, !first_selected, 370, !first_selected ? 2 : 5);
    QPushButton* other = (!first_selected && count < 3) ? ui.btnDetailTitlePagesFirst : ui.btnDetailTitlePagesSecond;
    other->setEnabled(true);
    other->show();
    other->raise();
}

void WindowFrame::setMenuTitles(int language, bool showShortcuts)
{
    Ui::KIVOBluetoothManagerWindow& ui = window_.ui;
    const std::string title = ProductNames::tavk_title_in(0, language);
    ui.menuApplication->setTitle(qtext(title));
    ui.menuHelp->setTitle(qtext(AppText::stringMenuHelp(language)));
    ui.menuItemAbout->setText(qtext(AppText::stringMenuItemAbout(language, title)));
    ui.menuItemQuit->setText(qtext(AppText::stringMenuItemQuit(language, title)));
    ui.menuItemOnlineHelp->setText(qtext(AppText::stringMenuItemOnlineHelp(language)));
    ui.menuItemManagerLanguage->setText(qtext(AppText::stringMenuItemManagerLanguage(language)));
    ui.menuItemDiagnosticLog->setText(qtext(AppText::stringMenuItemDiagnosticLog(language)));
    ui.menuItemKeyboradShortcuts->setText(qtext(AppText::stringMenuItemKeyboradShortcuts(language, showShortcuts)));
    ui.menuItemShowPrecaution->setText(qtext(AppText::stringMenuItemShowPrecaution(language)));
    for (QAction* hidden : {ui.menuItemOnlineHelp, ui.menuItemShowPrecaution, ui.menuItemBluetoothKext}) {
        hidden->setVisible(false);
        hidden->setEnabled(false);
    }
    // Without the online help there is nothing left in the help menu.
    ui.menuHelp->menuAction()->setVisible(false);
}

void WindowFrame::setShortcuts(const FrameState& state)
{
    Ui::KIVOBluetoothManagerWindow& ui = window_.ui;
    const int language = state.language;
    for (QLabel* label :
         {ui.lblShortcutsKeys, ui.lblShortcutsAbout, ui.lblShortcutsLanguageManager, ui.lblShortcutsClose})
        label->setVisible(state.showShortcuts);
    if (!state.showShortcuts) {
        ui.btnDeviceSelection->setText(qtext(AppText::tavk_string_mode_in(kModeHome, language)));
        ui.btnDeviceRecognition->setText(qtext(AppText::tavk_string_mode_in(kModeRecognition, language)));
        ui.btnFirmwareUpdate->setText(qtext(AppText::tavk_string_mode_in(kModeUpdate, language)));
        ui.btnFirmwareRestore->setText(qtext(AppText::tavk_string_mode_in(kModeRestore, language)));
        ui.btnDeviceSettings->setText(qtext(AppText::tavk_string_mode_in(kModeSettings, language)));
        const SettingsTabs& tabs = state.tabs;
        if (tabs.count == 2) {
            ui.lblDetailTitlePagesFirstForeground->setText(tab_text(tab_at(tabs, 0), false, language));
            ui.lblDetailTitlePagesSecondForeground->setText(tab_text(tab_at(tabs, 1), false, language));
        } else if (tabs.count == 3) {
            ui.lblDetailTitlePagesFirstForeground->setText(tab_text(tab_at(tabs, tabs.selected), false, language));
            ui.lblDetailTitlePagesSecondForeground->setText(qtext(AppText::stringMore(language)));
        }
    } else {
        ui.btnDeviceSelection->setText(QString::fromUtf8(shortcuts::kDeviceSelection));
        ui.btnDeviceRecognition->setText(QString::fromUtf8(shortcuts::kDeviceRecognition));
        ui.btnFirmwareUpdate->setText(QString::fromUtf8(shortcuts::kFirmwareUpdate));
        ui.btnFirmwareRestore->setText(QString::fromUtf8(shortcuts::kFirmwareRestore));
        ui.btnDeviceSettings->setText(QString::fromUtf8(shortcuts::kDeviceSettings));
        ui.lblDetailTitlePagesFirstForeground->setText(QString::fromUtf8(shortcuts::kFirstPage));
        ui.lblDetailTitlePagesSecondForeground->setText(QString::fromUtf8(shortcuts::kSecondPage));
        ui.lblShortcutsKeys->setText(QStringLiteral("[C]-K"));
        ui.lblShortcutsAbout->setText(QStringLiteral("[C]-I"));
        ui.lblShortcutsLanguageManager->setText(QStringLiteral("[C]-L"));
        ui.lblShortcutsClose->setText(QStringLiteral("[C]-Q"));
    }
    setMainButtonTitleColor();
}

void WindowFrame::setMainButtonTitleColor()
{
    Ui::KIVOBluetoothManagerWindow& ui = window_.ui;
    for (KIVOBluetoothMainButton* b : {ui.btnDeviceSelection, ui.btnDeviceRecognition, ui.btnFirmwareUpdate,
                                       ui.btnFirmwareRestore, ui.btnDeviceSettings})
        b->setTitleColor(b->isChecked() ? Qt::white : Qt::black);
}

void WindowFrame::setControlsFont(int language)
{
    Ui::KIVOBluetoothManagerWindow& ui = window_.ui;
    const QFont system = QApplication::font();
    auto sized = [&](QWidget* w, double delta) {
        QFont f = system;
        f.setBold(true);
        f.setPointSizeF(system.pointSizeF() + delta);
        w->setFont(f);
    };
    const bool french = language == kFrench;
    const bool german = language == kGerman;
    sized(ui.btnDeviceRecognition, french ? -1 : 0);
    sized(ui.btnFirmwareRestore, french ? -2 : german ? -1 : 0);
    sized(ui.btnDeviceSettings, german ? -1 : 0);
    const std::string title = ProductNames::tavk_title_in(0, language);
    ui.btnAbout->setToolTip(qtext(AppText::stringMenuItemAbout(language, title)));
    ui.btnClose->setToolTip(qtext(AppText::stringMenuItemQuit(language, title)));
    ui.btnLanguageManager->setToolTip(qtext(AppText::tavk_string_language_manager_in(language)));
}

void WindowFrame::setTitle(int language) { window_.setWindowTitle(qtext(ProductNames::tavk_title_in(0, language))); }

void WindowFrame::setDetailTitle(const FrameState& state)
{
    std::string title;
    const int caller = state.recognitionCaller;
    if (state.mode == kModeRecognition && caller >= kModeUpdate && caller <= kModeSpeedDial)
        title = fill_format("%@ > %@",
                            {AppText::tavk_string_mode_in(caller, state.language),
                             AppText::tavk_string_mode_in(kModeRecognition, state.language)});
    else
        title = AppText::tavk_string_mode_in(state.mode, state.language);
    window_.ui.lblDetailTitle->setText(qtext(title));
}

void WindowFrame::enableListTabsTo(bool open, const FrameState& state)
{
    const SettingsTabs& tabs = state.tabs;
    window_.boxListTabsBox->setVisible(open);
    // Placed as it opens: the tabs it hangs from show only on some pages.
    if (open)
        window_.placeListTabs();
    for (int i = 0; i < 3; ++i) {
        QPushButton* button = window_.btnListTabs[static_cast<size_t>(i)];
        QLabel* label = window_.lblListTabs[static_cast<size_t>(i)];
        QShortcut* shortcut = listTabShortcuts_[static_cast<size_t>(i)];
        const bool shown = open && i < tabs.count;
        button->setEnabled(shown);
        button->setVisible(shown);
        label->setVisible(shown);
        shortcut->setEnabled(shown);
        if (!shown)
            continue;
        const auto text =
            KIVOBluetoothDeviceData::getTabText_With_In(tab_at(tabs, i), state.showShortcuts, state.language);
        button->setText(text ? qtext(text->text) : QString());
        if (text && text->keyEquivalent != 0)
            shortcut->setKey(QKeySequence(QStringLiteral("Ctrl+Shift+") + QChar(text->keyEquivalent).toUpper()));
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, i == tabs.selected ? colors::kSelectedTab : colors::kWindowBackground);
        label->setPalette(palette);
    }
}

void WindowFrame::setInformationDeviceRecognized(const DevicePanelState& panel, const KIVOBluetoothDeviceData& data)
{
    const DevicePanel shown = recognized_device_panel(panel, data);
    Ui::KIVOBluetoothManagerWindow& ui = window_.ui;
    ui.imgProduct->setPixmap(images::product_picture(shown.picture, ui.imgProduct->size()));
    if (shown.nameLine)
        ui.lblProduct->setText(qtext(*shown.nameLine));
    ui.lblVersion->setText(qtext(shown.versionLine));
}

} // namespace kivo
