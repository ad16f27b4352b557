#include "app/app_controller.h"

#include <QApplication>
#include <QButtonGroup>
#include <QShortcut>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <utility>

#include "app/address_opener.h"
#include "app/camera_card/camera_card_finder.h"
#include "app/data_folders.h"
#include "app/home_page.h"
#include "app/manager_update_page.h"
#include "app/manager_view.h"
#include "app/manager_window.h"
#include "app/message_box_host.h"
#include "app/resource_images.h"
#include "app/status_line.h"
#include "app/window_frame.h"
#include "common/addresses.h"
#include "common/system_log.h"
#include "device/products/restore_without_settings.h"
#include "device/products/settings_tabs.h"
#include "device/products/without_settings_pages.h"
#include "link/usb_link.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/status_sets.h"

using kivo::AppText;

KIVOBluetoothManagerAppController::KIVOBluetoothManagerAppController(PageFactory pages, QObject* parent)
    : QObject(parent)
{
    usb_link_start();

    window_ = std::make_unique<ManagerWindow>();
    statusLine_ = std::make_unique<kivo::StatusLine>(*window_->ui.tfStatus);
    messageBox_ = std::make_unique<kivo::MessageBoxHost>(*window_->sheetMessageBox);
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

    frame_ = std::make_unique<kivo::WindowFrame>(*window_);
    connectWindow();
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
    statusLine_->clear();
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
        messageBox_->routes().dropRoutesOf(shownPage_);
        shownPage_ = page;
    }
    page->routeMessageBoxes();
}

// ---- The manager, files and the recognized product ------------------------------------------

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

std::string KIVOBluetoothManagerAppController::getImageFileName() const { return kivo::getImageFileName(data_); }

std::string KIVOBluetoothManagerAppController::getCameraDiskPath() const
{
    return kivo::getCameraDiskPath(deviceTarget());
}
