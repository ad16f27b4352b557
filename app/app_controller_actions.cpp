// The controller's actions: what the main buttons, menus, sheets and keys of the window do, and
// their wiring. Each action is refused while a worker runs and first closes an open tab list.

#include <QButtonGroup>
#include <QDialog>
#include <QShortcut>

#include "app/address_opener.h"
#include "app/app_controller.h"
#include "app/command_keys.h"
#include "app/home_page.h"
#include "app/manager_window.h"
#include "app/message_box_host.h"
#include "app/page_bases.h"
#include "app/resource_images.h"
#include "app/server_choice.h"
#include "app/window_frame.h"
#include "common/addresses.h"
#include "common/manager_version.h"
#include "device/products/settings_tabs.h"
#include "device/products/speed_dial_first.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/text_format.h"

using kivo::AppText;
using kivo::ProductNames;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

} // namespace

void KIVOBluetoothManagerAppController::connectWindow()
{
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
    std::vector<QKeySequence> over_text_fields;
    for (const auto& [sequence, action] : keys) {
        auto* shortcut = new QShortcut(sequence, window_.get());
        connect(shortcut, &QShortcut::activated, this, action);
        if (sequence != QKeySequence(Qt::CTRL | Qt::Key_Right) && sequence != QKeySequence(Qt::CTRL | Qt::Key_Left))
            over_text_fields.push_back(sequence);
    }
    new CommandKeys(window_.get(), std::move(over_text_fields));
    for (int i = 0; i < 3; ++i)
        connect(frame_->listTabShortcut(i), &QShortcut::activated, this, [this, i] {
            if (listTabsOpened())
                changeSelectionListTabs(i);
        });
}

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
    // NEXT on the home page goes on while the manager check runs, as the page's own button does.
    if (mode_ == kModeHome && !listTabsOpened() && home_->managerCheckRunning()) {
        home_->targetDeviceSet(home_->btnNext());
        return;
    }
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
    ui.tfAbout->setText(qtext(line + "\n\n" + AppText::stringAboutNotice(language)));
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
        message, statusWithWarning(), std::nullopt, AppText::tavk_string_ok_in(languageManager_), 1, kBoxStatus);
}

bool KIVOBluetoothManagerAppController::stopWorkForQuit()
{
    // Work that writes nothing that cannot be redone (a recognition, the manager check) is stopped;
    // an update, a restore or a save keeps the quit refused: stopping it could brick the device.
    if (onProcessing()) {
        DetailViewController* page = currentDetailViewController();
        if (page == nullptr || !page->stopWorkForQuit())
            return false;
        page->setBusy(false);
    }
    closeListTabs();
    return true;
}

bool KIVOBluetoothManagerAppController::quitManager()
{
    if (!stopWorkForQuit())
        return false;
    // Unsaved settings are asked about as when the page is left; the answer ends the application.
    if (!leaveSettingsPageFor(kivo::kQuitAfterSavePrompt, true))
        emit quitRequested();
    return true;
}

void KIVOBluetoothManagerAppController::stopManager() { quitManager(); }

void KIVOBluetoothManagerAppController::quitAfterSavePrompt()
{
    if (stopWorkForQuit())
        emit quitRequested();
}

void KIVOBluetoothManagerAppController::restartManager()
{
    relaunchAtQuit_ = true;
    if (!quitManager())
        relaunchAtQuit_ = false;
}

// The purposes any page may open: they lead home, quit (and restart), or to help, whichever page
// is shown.
void KIVOBluetoothManagerAppController::routeShellMessageBoxes()
{
    using kivo::MessageBoxPurpose;
    const kivo::BoxRoute to_home{[this] { setDeviceSelection(); }, {}};
    messageBox_->routes().add(MessageBoxPurpose::ToHome, nullptr, to_home);
    messageBox_->routes().add(MessageBoxPurpose::ToHomeAfterUpdate, nullptr, to_home);
    messageBox_->routes().add(MessageBoxPurpose::RestartToRecover, nullptr,
                              {[this] {
                                   setRestartToRecover(true);
                                   setModeRestartToRecover(mode_);
                                   stopManager();
                               },
                               {}});
    messageBox_->routes().add(MessageBoxPurpose::Quit, nullptr, {[this] { restartManager(); }, {}});
    messageBox_->routes().add(MessageBoxPurpose::SupportMail, nullptr,
                              {{}, [] { kivo::open_address(kivo::addresses::kSupportMail); }});
    messageBox_->routes().add(MessageBoxPurpose::RecognitionHelp, nullptr,
                              {{}, [] {
                                   kivo::open_address(std::string(kivo::addresses::kGlobalServerBase) +
                                                      kivo::addresses::kHelpRecognitionFailurePath);
                               }});
}
