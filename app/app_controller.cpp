#include "app/app_controller.h"

#include <QApplication>
#include <QButtonGroup>
#include <QMetaObject>
#include <QShortcut>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <utility>

#include "app/address_opener.h"
#include "app/camera_card/camera_card_finder.h"
#include "app/data_folders.h"
#include "app/home_page.h"
#include "app/main_button.h"
#include "app/manager_update_page.h"
#include "app/manager_version_list.h"
#include "app/manager_window.h"
#include "app/page_bases.h"
#include "app/resource_images.h"
#include "app/server_choice.h"
#include "app/shortcut_labels.h"
#include "app/text/app_text.h"
#include "app/text/device_panel.h"
#include "app/text/product_names.h"
#include "app/text/text_format.h"
#include "app/window_colors.h"
#include "common/addresses.h"
#include "common/manager_version.h"
#include "common/system_log.h"
#include "device/products/restore_without_settings.h"
#include "device/products/settings_tabs.h"
#include "device/products/speed_dial_first.h"
#include "device/products/without_settings_pages.h"
#include "link/usb_link.h"

using kivo::AppText;
using kivo::ProductNames;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

} // namespace

KIVOBluetoothManagerAppController::KIVOBluetoothManagerAppController(PageFactory pages, QObject* parent)
    : QObject(parent)
{
    usb_link_start();

    window_ = std::make_unique<ManagerWindow>();
    managerUpdate_ = std::make_unique<ManagerUpdateViewController>(*this);
    home_ = std::make_unique<DeviceSelectionViewController>(*this);
    recognition_ = pages.recognition(*this);
    update_ = pages.update(*this, kModeUpdate);
    restore_ = pages.update(*this, kModeRestore);
    settings_ = pages.settings(*this, kModeSettings);
    settingsSecond_ = pages.settings(*this, kModeSecondSettings);
    settingsSpeedDial_ = pages.settings(*this, kModeSpeedDial);
    routeShellMessageBoxes();
    for (DetailViewController* page : std::initializer_list<DetailViewController*>{
             managerUpdate_.get(), home_.get(), recognition_.get(), update_.get(), restore_.get(), settings_.get(),
             settingsSecond_.get(), settingsSpeedDial_.get()}) {
        window_->ui.boxDetail->addWidget(page->view());
        page->routeMessageBoxes();
    }

    Ui::KIVOBluetoothManagerWindow& ui = window_->ui;
    connect(ui.btnDeviceSelection, &QPushButton::clicked, this, [this] { deviceSelection(); });
    connect(ui.btnDeviceRecognition, &QPushButton::clicked, this, [this] { deviceRecognition(); });
    connect(ui.btnFirmwareUpdate, &QPushButton::clicked, this, [this] { firmwareUpdate(); });
    connect(ui.btnFirmwareRestore, &QPushButton::clicked, this, [this] { firmwareRestore(); });
    connect(ui.btnDeviceSettings, &QPushButton::clicked, this, [this] { deviceSettings(); });
    connect(ui.btnDetailTitlePagesFirst, &QPushButton::clicked, this, [this] { moveToFirstPage(); });
    connect(ui.btnDetailTitlePagesSecond, &QPushButton::clicked, this, [this] { moveToSecondPage(); });
    connect(ui.btnAbout, &QPushButton::clicked, this, [this] { about(); });
    connect(ui.btnClose, &QPushButton::clicked, this, [this] { stopManager(); });
    connect(ui.btnStatus, &QPushButton::clicked, this, [this] { showStatus(); });
    connect(ui.menuItemAbout, &QAction::triggered, this, [this] { about(); });
    connect(ui.menuItemQuit, &QAction::triggered, this, [this] { stopManager(); });
    connect(ui.menuItemOnlineHelp, &QAction::triggered, this, [this] { showOnlineHelp(); });
    connect(ui.menuItemKeyboradShortcuts, &QAction::triggered, this, [this] { changeShortcuts(); });
    connect(ui.menuItemDiagnosticLog, &QAction::triggered, this, [this] { logStatus(); });
    connect(ui.menuItemManagerLanguage, &QAction::triggered, this, [this] { openLanguageManager(); });
    connect(ui.btnLanguageManager, &QPushButton::clicked, this, [this] { openLanguageManager(); });
    LanguageSheet* sheet = window_->sheetLanguageManager;
    connect(sheet->radioLanguageManager, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton* cell) { changeLanguageManager(cell); });
    for (QPushButton* name : sheet->languageButtons)
        connect(name, &QPushButton::clicked, this, [this, name] { changeLanguageManager(name); });
    connect(sheet->ui.btnLanguageManagerOK, &QPushButton::clicked, this, [this] { languageManagerOK(); });
    connect(sheet->ui.btnLanguageManagerCancel, &QPushButton::clicked, this, [this] { languageManagerCancel(); });
    for (int i = 0; i < 3; ++i)
        connect(window_->btnListTabs[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { changeSelectionListTabs(i); });
    connect(window_->aboutUi.btnAboutOK, &QPushButton::clicked, this, [this] { aboutOK(); });
    connect(window_->sheetMessageBox, &MessageBoxSheet::okClicked, this, [this] { messageBoxOK(); });
    connect(window_->sheetMessageBox, &MessageBoxSheet::cancelClicked, this, [this] { messageBoxCancel(); });
    window_->closeRequested = [this] {
        stopManager();
        return false; // the application ends through stopManager, or not at all
    };

    // Command keys of the original are Ctrl here; the labels show them as [C].
    const std::pair<QKeySequence, void (KIVOBluetoothManagerAppController::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_S), &KIVOBluetoothManagerAppController::deviceSelection},
        {QKeySequence(Qt::CTRL | Qt::Key_R), &KIVOBluetoothManagerAppController::deviceRecognition},
        {QKeySequence(Qt::CTRL | Qt::Key_U), &KIVOBluetoothManagerAppController::firmwareUpdate},
        {QKeySequence(Qt::CTRL | Qt::Key_E), &KIVOBluetoothManagerAppController::firmwareRestore},
        {QKeySequence(Qt::CTRL | Qt::Key_T), &KIVOBluetoothManagerAppController::deviceSettings},
        {QKeySequence(Qt::CTRL | Qt::Key_Right), &KIVOBluetoothManagerAppController::goNext},
        {QKeySequence(Qt::CTRL | Qt::Key_Left), &KIVOBluetoothManagerAppController::goBack},
        {QKeySequence(Qt::CTRL | Qt::Key_1), &KIVOBluetoothManagerAppController::moveToFirstPage},
        {QKeySequence(Qt::CTRL | Qt::Key_2), &KIVOBluetoothManagerAppController::moveToSecondPage},
        {QKeySequence(Qt::CTRL | Qt::Key_I), &KIVOBluetoothManagerAppController::about},
        {QKeySequence(Qt::CTRL | Qt::Key_K), &KIVOBluetoothManagerAppController::changeShortcuts},
        {QKeySequence(Qt::CTRL | Qt::Key_L), &KIVOBluetoothManagerAppController::openLanguageManager},
    };
    for (const auto& [sequence, action] : keys) {
        auto* shortcut = new QShortcut(sequence, window_.get());
        connect(shortcut, &QShortcut::activated, this, action);
    }
    for (int i = 0; i < 3; ++i) {
        auto* shortcut = new QShortcut(window_.get());
        shortcut->setEnabled(false);
        connect(shortcut, &QShortcut::activated, this, [this, i] {
            if (listTabsOpened())
                changeSelectionListTabs(i);
        });
        listTabShortcuts_[static_cast<size_t>(i)] = shortcut;
    }

    deleteTampFile();
}

KIVOBluetoothManagerAppController::~KIVOBluetoothManagerAppController()
{
    // Pages go first: a page joins its worker before anything its outcome would reach is gone.
    settingsSpeedDial_.reset();
    settingsSecond_.reset();
    settings_.reset();
    restore_.reset();
    update_.reset();
    recognition_.reset();
}

void KIVOBluetoothManagerAppController::initializeObject()
{
    strManagerVersion_.clear();
    strLanguageManager_.clear();
    strLanguageFirmware_.clear();
    applyToLanguageFirmware_ = true;
    setDeviceTarget(0);
    languageManager_ = kivo::kEnglish;
    setDeviceUpdatedOrRestored(0);
    showShortcuts_ = false;
    strStatus_.clear();
    statusWithWarning_ = false;
    setSkipRestoreBackupFile(false);
    static_cast<KIVOBluetoothManagerView*>(window_->ui.centralwidget)->setAppController(this);

    window_->ui.imgManagerImg->setPixmap(kivo::images::brand());

    strManagerVersion_ = "v1.0";
    strLanguageManager_ = AppText::tavk_language_manager(kivo::kEnglish);
    strLanguageFirmware_ = AppText::tavk_language_manager(kivo::kEnglish);
    if (configurationReader_)
        configurationReader_(*this);
    languageManager_ = AppText::tavk_language_manager_index_with_default(strLanguageManager_, true);
    // A voice-prompt-only language cannot be the interface's.
    if (languageManager_ >= kivo::kStatusLanguageCount || languageManager_ < 0)
        languageManager_ = kivo::kEnglish;

    setControlsFont();
    setOnProcessing(false);

    if (!restartToRecover()) {
        setDeviceSelectionOnStartUp(true);
    } else {
        const int from = modeRestartToRecover();
        setDeviceRecognitionWithStatus_info_from(false, std::nullopt, from);
        const bool started_itself = from != 0 && !isRestartDFU();
        // Recognition starts exactly once, and only on its own page.
        if (!started_itself && mode_ == kModeRecognition)
            recognition_->recognize(recognition_->btnNext());
    }
    setRestartToRecover(false);
    setModeRestartToRecover(0);
}

DetailViewController* KIVOBluetoothManagerAppController::currentDetailViewController() const
{
    switch (mode_) {
    case kModeManagerUpdate: return managerUpdate_.get();
    case kModeHome: return home_.get();
    case kModeRecognition: return recognition_.get();
    case kModeUpdate: return update_.get();
    case kModeRestore: return restore_.get();
    case kModeSettings: return settings_.get();
    case kModeSecondSettings: return settingsSecond_.get();
    case kModeSpeedDial: return settingsSpeedDial_.get();
    default: return nullptr;
    }
}

// ---- Page switching ----------------------------------------------------------------------------

void KIVOBluetoothManagerAppController::setDetailViewController(int mode)
{
    switch (mode) {
    case kModeManagerUpdate: setManagerUpdate(); break;
    case kModeHome: setDeviceSelection(); break;
    case kModeRecognition: setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0); break;
    case kModeUpdate: setFirmwareUpdateWithStatus(true); break;
    case kModeRestore: setFirmwareRestoreWithStatus(true); break;
    case kModeSettings: setDeviceSettingsWithStatus(true); break;
    case kModeSecondSettings: setDeviceSettingsSecondWithStatus(true); break;
    case kModeSpeedDial: setDeviceSettingsSpeedDialWithStatus(true); break;
    default: break;
    }
}

// A settings page being left may hold unsaved changes: it then opens its save prompt, whose answer
// decides the move, and the switch stops here (true).
bool KIVOBluetoothManagerAppController::leaveSettingsPageFor(int target, bool check_act)
{
    if (mode_ == kModeSettings) {
        if (check_act && !settings_->checkACT()) {
            setControls();
            return true;
        }
        if (target != kModeSettings) {
            settings_->setModeToGo(target);
            if (settings_->checkNeedToSave())
                return true;
        }
    } else if ((mode_ == kModeSecondSettings || mode_ == kModeSpeedDial) && target != mode_) {
        auto* page = static_cast<SettingsPageBase*>(currentDetailViewController());
        page->setModeToGo(target);
        if (page->checkNeedToSave())
            return true;
    }
    return false;
}

// Back to "no device": the factory rule for product 0 clears every settings word and speed dial.
void KIVOBluetoothManagerAppController::resetDataToNoDevice()
{
    data_.initializeObjectWithDevice_VersionMajor_Minor(0, 0, 0);
}

void KIVOBluetoothManagerAppController::showPage(DetailViewController* page)
{
    switchDetailViewWithViewController(page);
}

void KIVOBluetoothManagerAppController::setManagerUpdate()
{
    mode_ = kModeManagerUpdate;
    setRecognized(false);
    initTabData();
    setUsbStatus(0);
    showPage(managerUpdate_.get());
    managerUpdate_->initializeObject();
    setStatusWithDefault();
    setControls();
}

void KIVOBluetoothManagerAppController::setDeviceSelection()
{
    if (!leaveSettingsPageFor(kModeHome, true))
        showHomePage(false);
}

void KIVOBluetoothManagerAppController::setDeviceSelectionOnStartUp(bool onStartUp)
{
    if (!leaveSettingsPageFor(kModeHome, false))
        showHomePage(onStartUp);
}

void KIVOBluetoothManagerAppController::showHomePage(bool onStartUp)
{
    mode_ = kModeHome;
    setRecognized(false);
    initTabData();
    setUsbStatus(0);
    resetDataToNoDevice();
    showPage(home_.get());
    home_->initializeObjectOnStartUp(onStartUp);
    setStatusWithDefault();
    setControls();
}

void KIVOBluetoothManagerAppController::setDeviceRecognitionWithStatus_info_from(
    bool status, std::optional<KIVOBluetoothDeviceData> info, int from)
{
    if (leaveSettingsPageFor(kModeRecognition, true))
        return;
    mode_ = kModeRecognition;
    setRecognized(false);
    initTabData();
    setUsbStatus(0);
    resetDataToNoDevice();
    if (deviceTarget() == 0) {
        setDeviceSelection();
        return;
    }
    showPage(recognition_.get());
    recognition_->setCallerMode(from);
    recognition_->initializeObject();
    if (status)
        setStatusWithDefault();
    setControls();
    if (recognition_->callerMode() != 0 && !isRestartDFU())
        recognition_->doRecognize(std::move(info));
}

void KIVOBluetoothManagerAppController::setFirmwareUpdateWithStatus(bool status)
{
    showUpdatePage(kModeUpdate, update_.get(), status);
}

void KIVOBluetoothManagerAppController::setFirmwareRestoreWithStatus(bool status)
{
    showUpdatePage(kModeRestore, restore_.get(), status);
}

// The update and restore pages need a selected, recognized device; otherwise the home page or the
// recognition page stands in.
bool KIVOBluetoothManagerAppController::fallBackWithoutRecognizedDevice()
{
    if (deviceTarget() == 0) {
        setDeviceSelection();
        return true;
    }
    if (!recognized()) {
        setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0);
        return true;
    }
    return false;
}

void KIVOBluetoothManagerAppController::showUpdatePage(int mode, UpdatePageBase* page, bool status)
{
    if (leaveSettingsPageFor(mode, true))
        return;
    mode_ = mode;
    if (fallBackWithoutRecognizedDevice())
        return;
    showPage(page);
    page->initializeObjectWithDefaultStatus(status);
    // The restore page writes its default status only when it holds a usable backup.
    if (status && (mode == kModeUpdate || page->restorePossible()))
        setStatusWithDefault();
    setControls();
}

void KIVOBluetoothManagerAppController::showSettingsPage(int mode, SettingsPageBase* page, bool status)
{
    if (leaveSettingsPageFor(mode, true))
        return;
    mode_ = mode;
    page->setModeToGo(0);
    if (fallBackWithoutRecognizedDevice())
        return;
    showPage(page);
    page->initializeObject();
    if (status)
        setStatusWithDefault();
    setControls();
}

void KIVOBluetoothManagerAppController::setDeviceSettingsWithStatus(bool status)
{
    showSettingsPage(kModeSettings, settings_.get(), status);
}

void KIVOBluetoothManagerAppController::setDeviceSettingsSecondWithStatus(bool status)
{
    showSettingsPage(kModeSecondSettings, settingsSecond_.get(), status);
}

void KIVOBluetoothManagerAppController::setDeviceSettingsSpeedDialWithStatus(bool status)
{
    showSettingsPage(kModeSpeedDial, settingsSpeedDial_.get(), status);
}

void KIVOBluetoothManagerAppController::switchDetailViewWithViewController(DetailViewController* page)
{
    // An editor that refuses to give up the focus keeps its page.
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && window_->isAncestorOf(focus)) {
        focus->clearFocus();
        if (focus->hasFocus()) {
            QApplication::beep();
            return;
        }
    }
    window_->ui.boxDetail->setCurrentWidget(page->view());
    if (page != shownPage_) {
        boxRoutes_.dropRoutesOf(shownPage_);
        shownPage_ = page;
    }
    page->routeMessageBoxes();
}

// ---- Frame -------------------------------------------------------------------------------------

bool KIVOBluetoothManagerAppController::settingsExcluded() const
{
    return kivo::settings_excluded(deviceTarget(), data_.deviceVersionMajor(), data_.deviceVersionMinor());
}

void KIVOBluetoothManagerAppController::setControls()
{
    Ui::KIVOBluetoothManagerWindow& ui = window_->ui;
    setTitle();
    setDetailTitle();

    ui.btnDeviceSelection->setChecked(mode_ == kModeHome);
    ui.btnDeviceRecognition->setChecked(mode_ == kModeRecognition);
    ui.btnFirmwareUpdate->setChecked(mode_ == kModeUpdate);
    ui.btnFirmwareRestore->setChecked(mode_ == kModeRestore);
    ui.btnDeviceSettings->setChecked(kivo::is_settings_mode(mode_));
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
    enableListTabsTo(listTabsOpened_);

    if (onProcessing()) {
        for (QWidget* w : {ui.btnAbout, ui.btnClose, ui.btnStatus, ui.btnLanguageManager})
            w->setEnabled(false);
        for (QWidget* w : main_buttons)
            w->setEnabled(false);
        for (QPushButton* b : window_->btnListTabs)
            b->setEnabled(false);
    } else {
        setInformationDeviceRecognized();
        switch (mode_) {
        case kModeNone:
        case kModeManagerUpdate:
        case kModeHome:
            for (QWidget* w :
                 {ui.btnDeviceRecognition, ui.btnFirmwareUpdate, ui.btnFirmwareRestore, ui.btnDeviceSettings})
                w->setEnabled(false);
            break;
        case kModeRecognition:
            for (QWidget* w : {ui.btnFirmwareUpdate, ui.btnFirmwareRestore, ui.btnDeviceSettings})
                w->setEnabled(recognized());
            if (recognized() && settingsExcluded())
                ui.btnDeviceSettings->setEnabled(false);
            break;
        case kModeUpdate:
        case kModeRestore:
            if (kivo::usb_status_in_management_mode(usbStatus()) || settingsExcluded())
                ui.btnDeviceSettings->setEnabled(false);
            if (mode_ == kModeRestore && restore_->restorePossible() && restore_->tabCount() >= 2)
                layOutPageTitleTabs(restore_->tabIndexSelected());
            if (mode_ == kModeRestore && kivo::restore_without_settings(deviceTarget()))
                ui.btnDeviceSettings->setEnabled(false);
            break;
        case kModeSettings:
        case kModeSecondSettings:
        case kModeSpeedDial:
            if (tabCount() >= 2)
                layOutPageTitleTabs(tabIndexSelected());
            break;
        default: break;
        }
    }

    setMenuTitles();
    ui.btnLanguageManager->setIcon(QIcon(kivo::images::language_flag(languageManager_)));
    setShortcuts();
}

// The two page-title tabs over the page: the selected one in the window's colour, the other in the
// title bar's colour, whose button leads to it.
void KIVOBluetoothManagerAppController::layOutPageTitleTabs(int selected)
{
    Ui::KIVOBluetoothManagerWindow& ui = window_->ui;
    for (QWidget* w : {static_cast<QWidget*>(ui.lblDetailTitlePagesBottomLine),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesFirstBackground),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesFirstForeground),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesSecondBackground),
                       static_cast<QWidget*>(ui.lblDetailTitlePagesSecondForeground)}) {
        w->setEnabled(true);
        w->show();
    }
    const bool first_selected = selected == 0;
    auto paint = [](QLabel* label, bool is_selected, int x, int y) {
        label->setGeometry(x + (is_selected ? 2 : 2), y, is_selected ? 362 : 365, is_selected ? 18 : 15);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, is_selected ? kivo::colors::kWindowBackground : kivo::colors::kBrandOrange);
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setAutoFillBackground(true);
        label->setPalette(palette);
    };
    paint(ui.lblDetailTitlePagesFirstForeground, first_selected, 0, first_selected ? 2 : 5);
    paint(ui.lblDetailTitlePagesSecondForeground, !first_selected, 370, !first_selected ? 2 : 5);
    const int count = mode_ == kModeRestore ? restore_->tabCount() : tabCount();
    QPushButton* other = (!first_selected && count < 3) ? ui.btnDetailTitlePagesFirst : ui.btnDetailTitlePagesSecond;
    other->setEnabled(true);
    other->show();
    other->raise();
}

void KIVOBluetoothManagerAppController::setMenuTitles()
{
    Ui::KIVOBluetoothManagerWindow& ui = window_->ui;
    const int language = languageManager_;
    const std::string title = ProductNames::tavk_title_in(0, language);
    ui.menuApplication->setTitle(qtext(title));
    ui.menuHelp->setTitle(qtext(AppText::stringMenuHelp(language)));
    ui.menuItemAbout->setText(qtext(AppText::stringMenuItemAbout(language, title)));
    ui.menuItemQuit->setText(qtext(AppText::stringMenuItemQuit(language, title)));
    ui.menuItemOnlineHelp->setText(qtext(AppText::stringMenuItemOnlineHelp(language)));
    ui.menuItemManagerLanguage->setText(qtext(AppText::stringMenuItemManagerLanguage(language)));
    ui.menuItemDiagnosticLog->setText(qtext(AppText::stringMenuItemDiagnosticLog(language)));
    ui.menuItemKeyboradShortcuts->setText(qtext(AppText::stringMenuItemKeyboradShortcuts(language, showShortcuts_)));
    ui.menuItemShowPrecaution->setText(qtext(AppText::stringMenuItemShowPrecaution(language)));
    for (QAction* hidden : {ui.menuItemOnlineHelp, ui.menuItemShowPrecaution, ui.menuItemBluetoothKext}) {
        hidden->setVisible(false);
        hidden->setEnabled(false);
    }
    // Without the online help there is nothing left in the help menu.
    ui.menuHelp->menuAction()->setVisible(false);
}

void KIVOBluetoothManagerAppController::setShortcuts()
{
    Ui::KIVOBluetoothManagerWindow& ui = window_->ui;
    const int language = languageManager_;
    for (QLabel* label :
         {ui.lblShortcutsKeys, ui.lblShortcutsAbout, ui.lblShortcutsLanguageManager, ui.lblShortcutsClose})
        label->setVisible(showShortcuts_);
    if (!showShortcuts_) {
        ui.btnDeviceSelection->setText(qtext(AppText::tavk_string_mode_in(kModeHome, language)));
        ui.btnDeviceRecognition->setText(qtext(AppText::tavk_string_mode_in(kModeRecognition, language)));
        ui.btnFirmwareUpdate->setText(qtext(AppText::tavk_string_mode_in(kModeUpdate, language)));
        ui.btnFirmwareRestore->setText(qtext(AppText::tavk_string_mode_in(kModeRestore, language)));
        ui.btnDeviceSettings->setText(qtext(AppText::tavk_string_mode_in(kModeSettings, language)));
        UpdatePageBase* restore = restore_.get();
        const bool restore_tabs = mode_ == kModeRestore;
        const int count = restore_tabs ? restore->tabCount() : tabCount();
        auto tab_at = [&](int i) { return restore_tabs ? restore->tabAt(i) : tabAt(i); };
        auto tab_text = [&](int tab) {
            auto text = KIVOBluetoothDeviceData::getTabText_With_In(tab, false, language);
            return text ? qtext(text->text) : QString();
        };
        if (count == 2) {
            ui.lblDetailTitlePagesFirstForeground->setText(tab_text(tab_at(0)));
            ui.lblDetailTitlePagesSecondForeground->setText(tab_text(tab_at(1)));
        } else if (count == 3) {
            const int selected = restore_tabs ? restore->tabIndexSelected() : tabIndexSelected();
            ui.lblDetailTitlePagesFirstForeground->setText(tab_text(tab_at(std::clamp(selected, 0, 2))));
            ui.lblDetailTitlePagesSecondForeground->setText(qtext(kivo::AppText::stringMore(language)));
        }
    } else {
        ui.btnDeviceSelection->setText(QString::fromUtf8(kivo::shortcuts::kDeviceSelection));
        ui.btnDeviceRecognition->setText(QString::fromUtf8(kivo::shortcuts::kDeviceRecognition));
        ui.btnFirmwareUpdate->setText(QString::fromUtf8(kivo::shortcuts::kFirmwareUpdate));
        ui.btnFirmwareRestore->setText(QString::fromUtf8(kivo::shortcuts::kFirmwareRestore));
        ui.btnDeviceSettings->setText(QString::fromUtf8(kivo::shortcuts::kDeviceSettings));
        ui.lblDetailTitlePagesFirstForeground->setText(QString::fromUtf8(kivo::shortcuts::kFirstPage));
        ui.lblDetailTitlePagesSecondForeground->setText(QString::fromUtf8(kivo::shortcuts::kSecondPage));
        ui.lblShortcutsKeys->setText(QStringLiteral("[C]-K"));
        ui.lblShortcutsAbout->setText(QStringLiteral("[C]-I"));
        ui.lblShortcutsLanguageManager->setText(QStringLiteral("[C]-L"));
        ui.lblShortcutsClose->setText(QStringLiteral("[C]-Q"));
    }
    setMainButtonTitleColor();
}

void KIVOBluetoothManagerAppController::reflectShortcuts()
{
    enableListTabsTo(listTabsOpened_);
    window_->ui.menuItemKeyboradShortcuts->setText(
        qtext(AppText::stringMenuItemKeyboradShortcuts(languageManager_, showShortcuts_)));
    setShortcuts();
    if (DetailViewController* page = currentDetailViewController())
        page->setShortcuts();
}

void KIVOBluetoothManagerAppController::setMainButtonTitleColor()
{
    Ui::KIVOBluetoothManagerWindow& ui = window_->ui;
    for (KIVOBluetoothMainButton* b : {ui.btnDeviceSelection, ui.btnDeviceRecognition, ui.btnFirmwareUpdate,
                                       ui.btnFirmwareRestore, ui.btnDeviceSettings})
        b->setTitleColor(b->isChecked() ? Qt::white : Qt::black);
}

void KIVOBluetoothManagerAppController::setControlsFont()
{
    Ui::KIVOBluetoothManagerWindow& ui = window_->ui;
    const QFont system = QApplication::font();
    auto sized = [&](QWidget* w, double delta) {
        QFont f = system;
        f.setBold(true);
        f.setPointSizeF(system.pointSizeF() + delta);
        w->setFont(f);
    };
    const bool french = languageManager_ == kivo::kFrench;
    const bool german = languageManager_ == kivo::kGerman;
    sized(ui.btnDeviceRecognition, french ? -1 : 0);
    sized(ui.btnFirmwareRestore, french ? -2 : german ? -1 : 0);
    sized(ui.btnDeviceSettings, german ? -1 : 0);
    const std::string title = ProductNames::tavk_title_in(0, languageManager_);
    ui.btnAbout->setToolTip(qtext(AppText::stringMenuItemAbout(languageManager_, title)));
    ui.btnClose->setToolTip(qtext(AppText::stringMenuItemQuit(languageManager_, title)));
    ui.btnLanguageManager->setToolTip(qtext(AppText::tavk_string_language_manager_in(languageManager_)));
}

void KIVOBluetoothManagerAppController::setDetailTitle()
{
    std::string title;
    const int caller = recognition_->callerMode();
    if (mode_ == kModeRecognition && caller >= kModeUpdate && caller <= kModeSpeedDial)
        title = kivo::fill_format("%@ > %@",
                                  {AppText::tavk_string_mode_in(caller, languageManager_),
                                   AppText::tavk_string_mode_in(kModeRecognition, languageManager_)});
    else
        title = AppText::tavk_string_mode_in(mode_, languageManager_);
    window_->ui.lblDetailTitle->setText(qtext(title));
}

void KIVOBluetoothManagerAppController::enableListTabsTo(bool open)
{
    const bool restore_tabs = mode_ == kModeRestore;
    const int count = restore_tabs ? restore_->tabCount() : tabCount();
    const int selected = restore_tabs ? restore_->tabIndexSelected() : tabIndexSelected();
    window_->boxListTabsBox->setVisible(open);
    if (open)
        window_->boxListTabsBox->raise();
    for (int i = 0; i < 3; ++i) {
        QPushButton* button = window_->btnListTabs[static_cast<size_t>(i)];
        QLabel* label = window_->lblListTabs[static_cast<size_t>(i)];
        QShortcut* shortcut = listTabShortcuts_[static_cast<size_t>(i)];
        const bool shown = open && i < count;
        button->setEnabled(shown);
        button->setVisible(shown);
        label->setVisible(shown);
        shortcut->setEnabled(shown);
        if (!shown)
            continue;
        const int tab = restore_tabs ? restore_->tabAt(i) : tabAt(i);
        const auto text = KIVOBluetoothDeviceData::getTabText_With_In(tab, showShortcuts_, languageManager_);
        button->setText(text ? qtext(text->text) : QString());
        if (text && text->keyEquivalent != 0)
            shortcut->setKey(QKeySequence(QStringLiteral("Ctrl+Shift+") + QChar(text->keyEquivalent).toUpper()));
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window,
                         i == selected ? kivo::colors::kSelectedTab : kivo::colors::kWindowBackground);
        label->setPalette(palette);
    }
}

void KIVOBluetoothManagerAppController::closeListTabs()
{
    if (listTabsOpened_) {
        listTabsOpened_ = false;
        enableListTabsTo(false);
    }
}

void KIVOBluetoothManagerAppController::initTabData()
{
    int count = 0;
    std::array<int, 3> tabs{};
    int selected = 0;
    SetTabDataDefaultInTabCount_tabs_tabIndexSelected(count, tabs, selected);
    setTabCount(count);
    for (int i = 0; i < 3; ++i)
        setTab_At(tabs[static_cast<size_t>(i)], i);
    setTabIndexSelected(selected);
    listTabsOpened_ = false;
    enableListTabsTo(false);
}

bool KIVOBluetoothManagerAppController::haveNewManagerUpdate() const
{
    return kivo::is_newer_manager_version(managerLatest_.major, managerLatest_.minor, managerLatest_.secondary);
}

int KIVOBluetoothManagerAppController::compareOsVersionWithVersionPrimary_VersionSecondary(int primary,
                                                                                           int secondary) const
{
    return (osVersionPrimary_ - primary) * 100 + (osVersionSecondary_ - secondary);
}

void KIVOBluetoothManagerAppController::deleteTampFile()
{
    const std::filesystem::path file = kivo::archive_folder() / "tempfile.kivo";
    kivo::system_logf("local path[%s]", file.c_str());
    std::error_code error;
    if (std::filesystem::remove(file, error) || !error)
        kivo::system_log("Delete ok");
    else
        kivo::system_logf("Delete fail [%s]", error.message().c_str());
}

void KIVOBluetoothManagerAppController::SetTabDataDefaultInTabCount_tabs_tabIndexSelected(int& count,
                                                                                          std::array<int, 3>& tabs,
                                                                                          int& selected)
{
    count = 0;
    tabs = {0, 0, 0};
    selected = 0;
}

void KIVOBluetoothManagerAppController::
    SetTabDataInTabCount_tabs_tabIndexSelected_toDevice_withVerMajor_Minor_fmRadioShowAndHide(
        int& count, std::array<int, 3>& tabs, int& selected, int product_id, int major, int minor, int fm_radio)
{
    const kivo::SettingsTabs result = kivo::settings_tabs_for(product_id, major, minor, fm_radio);
    count = result.count;
    tabs = result.tabs;
    selected = 0;
}

void KIVOBluetoothManagerAppController::setTabsForDevice(int product_id, int major, int minor, int fm_radio)
{
    int count = 0;
    std::array<int, 3> tabs{};
    int selected = 0;
    SetTabDataInTabCount_tabs_tabIndexSelected_toDevice_withVerMajor_Minor_fmRadioShowAndHide(
        count, tabs, selected, product_id, major, minor, fm_radio);
    setTabCount(count);
    for (int i = 0; i < 3; ++i)
        setTab_At(tabs[static_cast<size_t>(i)], i);
    setTabIndexSelected(selected);
}

int KIVOBluetoothManagerAppController::GetTabIndexWith(int mode) const
{
    kivo::SettingsTabs tabs;
    tabs.count = tabCount();
    for (int i = 0; i < 3; ++i)
        tabs.tabs[static_cast<size_t>(i)] = tabAt(i);
    return kivo::tab_index_of_mode(tabs, mode);
}

// ---- Actions -----------------------------------------------------------------------------------

bool KIVOBluetoothManagerAppController::refuseAction()
{
    if (onProcessing())
        return true;
    closeListTabs();
    return false;
}

void KIVOBluetoothManagerAppController::deviceSelection()
{
    if (!refuseAction())
        setDeviceSelection();
}

void KIVOBluetoothManagerAppController::deviceRecognition()
{
    if (!refuseAction())
        setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0);
}

void KIVOBluetoothManagerAppController::firmwareUpdate()
{
    if (!refuseAction())
        setFirmwareUpdateWithStatus(true);
}

void KIVOBluetoothManagerAppController::firmwareRestore()
{
    if (!refuseAction())
        setFirmwareRestoreWithStatus(true);
}

void KIVOBluetoothManagerAppController::deviceSettings()
{
    if (refuseAction())
        return;
    if (kivo::settings_open_on_speed_dial(deviceTarget(), data_.deviceVersionMajor(), data_.deviceVersionMinor()))
        setDeviceSettingsSpeedDialWithStatus(true);
    else if (!settingsExcluded())
        setDeviceSettingsWithStatus(true);
}

void KIVOBluetoothManagerAppController::goNext()
{
    if (refuseAction())
        return;
    switch (mode_) {
    case kModeHome: home_->targetDeviceSet(home_->btnNext()); break;
    case kModeRecognition: recognition_->recognize(recognition_->btnNext()); break;
    case kModeUpdate: update_->moveToNext(update_->btnNext()); break;
    case kModeRestore: restore_->moveToNext(restore_->btnNext()); break;
    case kModeSettings:
    case kModeSecondSettings:
    case kModeSpeedDial:
        if (!settingsExcluded()) {
            auto* page = static_cast<SettingsPageBase*>(currentDetailViewController());
            page->moveToDeviceSelection(page->btnNewDevice());
        }
        break;
    default: break;
    }
}

void KIVOBluetoothManagerAppController::goBack()
{
    if (refuseAction())
        return;
    switch (mode_) {
    case kModeRecognition: recognition_->targetDevice(recognition_->btnBack()); break;
    case kModeUpdate: update_->moveToBack(update_->btnBack()); break;
    case kModeRestore: restore_->moveToBack(restore_->btnBack()); break;
    case kModeSettings:
    case kModeSecondSettings:
    case kModeSpeedDial:
        if (!settingsExcluded()) {
            auto* page = static_cast<SettingsPageBase*>(currentDetailViewController());
            page->moveToFirmwareUpdate(page->btnBack());
        }
        break;
    default: break;
    }
}

void KIVOBluetoothManagerAppController::openSettingsTab(int tab)
{
    switch (tab) {
    case kTabDeviceSettings: setDeviceSettingsWithStatus(true); break;
    case kTabSpeedDial: setDeviceSettingsSpeedDialWithStatus(true); break;
    default: setDeviceSettingsSecondWithStatus(true); break;
    }
}

void KIVOBluetoothManagerAppController::moveToFirstPage()
{
    if (refuseAction())
        return;
    if (kivo::is_settings_mode(mode_) && tabCount() == 2 && tabIndexSelected() == 1) {
        setTabIndexSelected(0);
        openSettingsTab(tabAt(0));
    } else if (mode_ == kModeRestore && restore_->tabCount() == 2 && restore_->tabIndexSelected() == 1) {
        restore_->setTabIndexSelected(0);
        setControls();
        restore_->setControls();
    }
}

void KIVOBluetoothManagerAppController::moveToSecondPage()
{
    // Leaves an open list alone: with three tabs this toggles it.
    if (onProcessing())
        return;
    if (kivo::is_settings_mode(mode_)) {
        if (tabCount() == 2) {
            setTabIndexSelected(1);
            setControls();
            openSettingsTab(tabAt(1));
        } else if (tabCount() == 3) {
            listTabsOpened_ = !listTabsOpened_;
            setControls();
        }
    } else if (mode_ == kModeRestore) {
        if (restore_->tabCount() == 2) {
            restore_->setTabIndexSelected(1);
            setControls();
            restore_->setControls();
        } else if (restore_->tabCount() >= 3) {
            listTabsOpened_ = !listTabsOpened_;
            setControls();
        }
    }
}

void KIVOBluetoothManagerAppController::changeSelectionListTabs(int index)
{
    if (onProcessing())
        return;
    listTabsOpened_ = false;
    enableListTabsTo(false);
    if (kivo::is_settings_mode(mode_) && index >= 0 && index < tabCount() && index != tabIndexSelected()) {
        setTabIndexSelected(index);
        openSettingsTab(tabAt(index));
    } else if (mode_ == kModeRestore && index >= 0 && index < restore_->tabCount()) {
        restore_->setTabIndexSelected(index);
        setControls();
        restore_->setControls();
    } else {
        setControls();
    }
}

void KIVOBluetoothManagerAppController::changeShortcuts()
{
    if (refuseAction())
        return;
    showShortcuts_ = !showShortcuts_;
    reflectShortcuts();
}

void KIVOBluetoothManagerAppController::about()
{
    if (refuseAction())
        return;
    const int language = languageManager_;
    const std::string line =
        kivo::fill_format("%@ %@ %d.%d%@",
                          {ProductNames::tavk_title_in(0, language), AppText::tavk_string_version_in(language),
                           kivo::kManagerVersionMajor, kivo::kManagerVersionMinor, ""});
    Ui::AboutSheet& ui = window_->aboutUi;
    ui.imgAboutImg->setPixmap(kivo::images::application());
    ui.btnAboutOK->setText(qtext(AppText::tavk_string_ok_in(language)));
    ui.tfAbout->setText(qtext(line + "\n\nUpdates the firmware and settings of your headsets."));
    window_->sheetAbout->setFixedSize(540, 150);
    ui.tfAbout->setGeometry(105, 57, 430, 51);
    ui.tfAbout->setAlignment(Qt::AlignCenter);
    window_->sheetAbout->open();
}

void KIVOBluetoothManagerAppController::aboutOK() { window_->sheetAbout->done(QDialog::Accepted); }

void KIVOBluetoothManagerAppController::showOnlineHelp()
{
    if (refuseAction())
        return;
    kivo::open_address(kivo::firmware_server_base() + kivo::addresses::kHelpOverviewPath);
}

void KIVOBluetoothManagerAppController::showStatus()
{
    if (refuseAction())
        return;
    const std::string message =
        kivo::fill_format("[%@]\n%@", {AppText::tavk_string_mode_in(mode_, languageManager_), getStrStatus()});
    openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        message, statusWithWarning_, std::nullopt, AppText::tavk_string_ok_in(languageManager_), 1, kBoxStatus);
}

void KIVOBluetoothManagerAppController::stopManager()
{
    if (refuseAction())
        return;
    emit quitRequested();
}

// ---- Status line -------------------------------------------------------------------------------

std::string KIVOBluetoothManagerAppController::getStrStatus() const { return strStatus_.get(languageManager_); }

void KIVOBluetoothManagerAppController::setStrStatus_In(const std::string& text, int language)
{
    strStatus_.set(text, language);
}

void KIVOBluetoothManagerAppController::setStrStatusAll(const kivo::StatusTextSet& texts) { strStatus_.set_all(texts); }

void KIVOBluetoothManagerAppController::fillStatusSet(const std::function<std::string(int language)>& text_of)
{
    strStatus_.set_all(kivo::status_in_every_language(text_of));
}

std::string KIVOBluetoothManagerAppController::getStatusDefault()
{
    const int mode = mode_, usb = usbStatus();
    fillStatusSet([&](int language) { return AppText::tavk_status_default_usb_in(mode, usb, language); });
    return getStrStatus();
}

std::string KIVOBluetoothManagerAppController::getStatusProcessing()
{
    const int mode = mode_, usb = usbStatus();
    fillStatusSet([&](int language) { return AppText::tavk_status_processing_usb_in(mode, usb, language); });
    return getStrStatus();
}

std::string KIVOBluetoothManagerAppController::getStatusSuccess()
{
    const int mode = mode_, usb = usbStatus();
    fillStatusSet([&](int language) { return AppText::tavk_status_success_usb_in(mode, usb, language); });
    return getStrStatus();
}

std::string KIVOBluetoothManagerAppController::getStatusFailure()
{
    const int mode = mode_, usb = usbStatus();
    fillStatusSet([&](int language) { return AppText::tavk_status_failure_usb_in(mode, usb, language); });
    return getStrStatus();
}

void KIVOBluetoothManagerAppController::setStatus_withWarning(const std::string& text, bool warning)
{
    statusWithWarning_ = warning;
    QLineEdit* field = window_->ui.tfStatus;
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, warning ? kivo::colors::kWarning : QColor(Qt::white));
    palette.setColor(QPalette::Text, Qt::black);
    field->setPalette(palette);
    field->setText(qtext(text));
    field->setCursorPosition(0);
}

void KIVOBluetoothManagerAppController::setStatusWithDefault()
{
    const int caller = recognition_->callerMode();
    if (mode_ == kModeRecognition && caller != 0) {
        const int usb = usbStatus();
        fillStatusSet([&](int language) {
            return kivo::fill_format("%@. %@",
                                     {AppText::tavk_status_success_usb_in(caller, usb, language),
                                      AppText::tavk_status_default_usb_in(kModeRecognition, usb, language)});
        });
        setStatus_withWarning(getStrStatus(), false);
    } else {
        setStatus_withWarning(getStatusDefault(), false);
    }
}

void KIVOBluetoothManagerAppController::updateStatusInManagerLanguage()
{
    setStatus_withWarning(getStrStatus(), statusWithWarning_);
}

// ---- Message box -------------------------------------------------------------------------------

void KIVOBluetoothManagerAppController::openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
    const std::string& message, bool warning, const std::optional<std::string>& cancel,
    const std::optional<std::string>& ok, int size, int purpose)
{
    {
        std::lock_guard lock(pendingBoxMutex_);
        messageBoxStatus_ = purpose;
        pendingBox_ = PendingBox{message, warning, cancel, ok, size};
    }
    // Widgets belong to the main thread: a worker only wakes it, the request itself waits above.
    if (std::this_thread::get_id() == mainThread_)
        presentPendingMessageBox();
    else
        QMetaObject::invokeMethod(this, "presentPendingMessageBox", Qt::QueuedConnection);
}

int KIVOBluetoothManagerAppController::messageBoxStatus() const
{
    std::lock_guard lock(pendingBoxMutex_);
    return messageBoxStatus_;
}

void KIVOBluetoothManagerAppController::presentPendingMessageBox()
{
    std::optional<PendingBox> box;
    {
        std::lock_guard lock(pendingBoxMutex_);
        box.swap(pendingBox_);
    }
    if (box)
        window_->sheetMessageBox->present(box->message, box->warning, box->cancel, box->ok, box->size);
}

int KIVOBluetoothManagerAppController::closeMessageBox()
{
    int purpose = 0;
    {
        std::lock_guard lock(pendingBoxMutex_);
        purpose = std::exchange(messageBoxStatus_, 0);
    }
    window_->sheetMessageBox->dismiss();
    return purpose;
}

void KIVOBluetoothManagerAppController::messageBoxOK() { boxRoutes_.answer(closeMessageBox(), true); }

void KIVOBluetoothManagerAppController::messageBoxCancel() { boxRoutes_.answer(closeMessageBox(), false); }

void KIVOBluetoothManagerAppController::routeMessageBox(kivo::MessageBoxPurpose purpose, const void* page,
                                                        kivo::BoxRoute route)
{
    boxRoutes_.add(purpose, page, std::move(route));
}

// The purposes any page may open: they lead home, quit, or to help, whichever page is shown.
void KIVOBluetoothManagerAppController::routeShellMessageBoxes()
{
    using kivo::MessageBoxPurpose;
    const kivo::BoxRoute to_home{[this] { setDeviceSelection(); }, {}};
    boxRoutes_.add(MessageBoxPurpose::ToHome, nullptr, to_home);
    boxRoutes_.add(MessageBoxPurpose::ToHomeAfterUpdate, nullptr, to_home);
    boxRoutes_.add(MessageBoxPurpose::RestartToRecover, nullptr,
                   {[this] {
                        setRestartToRecover(true);
                        setModeRestartToRecover(mode_);
                        stopManager();
                    },
                    {}});
    boxRoutes_.add(MessageBoxPurpose::Quit, nullptr, {[this] { stopManager(); }, {}});
    boxRoutes_.add(MessageBoxPurpose::SupportMail, nullptr,
                   {{}, [] { kivo::open_address(kivo::addresses::kSupportMail); }});
    boxRoutes_.add(MessageBoxPurpose::RecognitionHelp, nullptr,
                   {{}, [] {
                        kivo::open_address(std::string(kivo::addresses::kGlobalServerBase) +
                                           kivo::addresses::kHelpRecognitionFailurePath);
                    }});
}

// ---- Window title and recognized-device panel --------------------------------------------------

void KIVOBluetoothManagerAppController::setTitle()
{
    window_->setWindowTitle(qtext(ProductNames::tavk_title_in(0, languageManager_)));
}

void KIVOBluetoothManagerAppController::setInformationDeviceRecognized()
{
    kivo::DevicePanelState state;
    state.recognized = recognized();
    state.usbStatus = usbStatus();
    state.languageManager = languageManager_;
    state.isRestartDFU = isRestartDFU();
    state.deviceVersionMajorRestartDFU = deviceVersionMajorRestartDFU();
    state.deviceVersionMinorRestartDFU = deviceVersionMinorRestartDFU();
    state.deviceSecondaryVersionTypeRestartDFU = deviceSecondaryVersionTypeRestartDFU();
    state.deviceSecondaryVersionRestartDFU = deviceSecondaryVersionRestartDFU();
    const kivo::DevicePanel panel = kivo::recognized_device_panel(state, data_);

    Ui::KIVOBluetoothManagerWindow& ui = window_->ui;
    ui.imgProduct->setPixmap(kivo::images::product_picture(panel.picture, ui.imgProduct->size()));
    if (panel.nameLine)
        ui.lblProduct->setText(qtext(*panel.nameLine));
    ui.lblVersion->setText(qtext(panel.versionLine));
}

std::string KIVOBluetoothManagerAppController::getImageFileName() const { return kivo::getImageFileName(data_); }

std::string KIVOBluetoothManagerAppController::getCameraDiskPath() const
{
    return kivo::getCameraDiskPath(deviceTarget());
}
