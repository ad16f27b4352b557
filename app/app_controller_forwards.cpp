// The controller's imposed names for the frame, the status line, the message box and the settings
// tabs: forwards to the classes that do the work (WindowFrame, StatusLine, MessageBoxHost, the tab
// rules), and the frame state they are drawn from.

#include <algorithm>

#include "app/app_controller.h"
#include "app/manager_window.h"
#include "app/message_box_host.h"
#include "app/status_line.h"
#include "app/window_frame.h"
#include "device/products/restore_without_settings.h"
#include "device/products/settings_tabs.h"
#include "device/products/without_settings_pages.h"
#include "text/app_text.h"
#include "text/status_sets.h"

using kivo::AppText;

// ---- Frame -------------------------------------------------------------------------------------

kivo::DevicePanelState KIVOBluetoothManagerAppController::panelState() const
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
    return state;
}

kivo::FrameState KIVOBluetoothManagerAppController::frameState() const
{
    kivo::FrameState state;
    state.mode = mode_;
    state.onProcessing = onProcessing_;
    state.language = languageManager_;
    state.showShortcuts = showShortcuts_;
    state.panel = panelState();
    state.settingsExcluded = settingsExcluded();
    state.restoreWithoutSettings = kivo::restore_without_settings(deviceTarget());
    state.restorePossible = restore_->restorePossible();
    if (mode_ == kModeRestore) {
        // The restore page has tabs of its own: the backup's settings pages.
        state.tabs.count = restore_->tabCount();
        for (int i = 0; i < std::min(state.tabs.count, 3); ++i)
            state.tabs.tabs[static_cast<size_t>(i)] = restore_->tabAt(i);
        state.tabs.selected = restore_->tabIndexSelected();
    } else {
        state.tabs = session_.tabs;
    }
    state.listTabsOpened = listTabsOpened_;
    state.recognitionCaller = recognition_->callerMode();
    return state;
}

bool KIVOBluetoothManagerAppController::settingsExcluded() const
{
    return kivo::settings_excluded(deviceTarget(), data_.deviceVersionMajor(), data_.deviceVersionMinor());
}

void KIVOBluetoothManagerAppController::setControls() { frame_->setControls(frameState(), data_); }

void KIVOBluetoothManagerAppController::setShortcuts() { frame_->setShortcuts(frameState()); }

void KIVOBluetoothManagerAppController::reflectShortcuts()
{
    enableListTabsTo(listTabsOpened_);
    window_->ui.menuItemKeyboradShortcuts->setText(
        QString::fromStdString(AppText::stringMenuItemKeyboradShortcuts(languageManager_, showShortcuts_)));
    setShortcuts();
    if (DetailViewController* page = currentDetailViewController())
        page->setShortcuts();
}

void KIVOBluetoothManagerAppController::setMainButtonTitleColor() { frame_->setMainButtonTitleColor(); }

void KIVOBluetoothManagerAppController::setControlsFont() { frame_->setControlsFont(languageManager_); }

void KIVOBluetoothManagerAppController::setDetailTitle() { frame_->setDetailTitle(frameState()); }

void KIVOBluetoothManagerAppController::enableListTabsTo(bool open) { frame_->enableListTabsTo(open, frameState()); }

void KIVOBluetoothManagerAppController::setTitle() { frame_->setTitle(languageManager_); }

void KIVOBluetoothManagerAppController::setInformationDeviceRecognized()
{
    frame_->setInformationDeviceRecognized(panelState(), data_);
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
    session_.tabs = {count, tabs, selected};
    listTabsOpened_ = false;
    enableListTabsTo(false);
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
    session_.tabs = kivo::settings_tabs_for(product_id, major, minor, fm_radio);
}

int KIVOBluetoothManagerAppController::GetTabIndexWith(int mode) const
{
    return kivo::tab_index_of_mode(session_.tabs, mode);
}

// ---- Status line -------------------------------------------------------------------------------

std::string KIVOBluetoothManagerAppController::getStrStatus() const { return statusLine_->text(languageManager_); }

void KIVOBluetoothManagerAppController::setStrStatus_In(const std::string& text, int language)
{
    statusLine_->setText(text, language);
}

void KIVOBluetoothManagerAppController::setStrStatusAll(const kivo::StatusTextSet& texts)
{
    statusLine_->take(texts, languageManager_);
}

kivo::StatusTextSet KIVOBluetoothManagerAppController::strStatus() const { return statusLine_->texts(); }

bool KIVOBluetoothManagerAppController::statusWithWarning() const { return statusLine_->warning(); }

std::string KIVOBluetoothManagerAppController::getStatusDefault()
{
    return statusLine_->take(kivo::default_status_set(mode_, usbStatus()), languageManager_);
}

std::string KIVOBluetoothManagerAppController::getStatusProcessing()
{
    return statusLine_->take(kivo::processing_status_set(mode_, usbStatus()), languageManager_);
}

std::string KIVOBluetoothManagerAppController::getStatusSuccess()
{
    return statusLine_->take(kivo::success_status_set(mode_, usbStatus()), languageManager_);
}

std::string KIVOBluetoothManagerAppController::getStatusFailure()
{
    return statusLine_->take(kivo::failure_status_set(mode_, usbStatus()), languageManager_);
}

void KIVOBluetoothManagerAppController::setStatus_withWarning(const std::string& text, bool warning)
{
    statusLine_->show(text, warning);
}

void KIVOBluetoothManagerAppController::setStatusLookPlain() { statusLine_->showPlain(); }

void KIVOBluetoothManagerAppController::setStatusWithDefault()
{
    const int caller = recognition_->callerMode();
    if (mode_ == kModeRecognition && caller != 0)
        setStatus_withWarning(
            statusLine_->take(kivo::recognition_for_caller_status_set(caller, usbStatus()), languageManager_), false);
    else
        setStatus_withWarning(getStatusDefault(), false);
}

void KIVOBluetoothManagerAppController::updateStatusInManagerLanguage()
{
    setStatus_withWarning(getStrStatus(), statusLine_->warning());
}

// ---- Message box -------------------------------------------------------------------------------

int KIVOBluetoothManagerAppController::openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
    const std::string& message, bool warning, const std::optional<std::string>& cancel,
    const std::optional<std::string>& ok, int size, int purpose)
{
    return messageBox_->open(message, warning, cancel, ok, size, purpose);
}

int KIVOBluetoothManagerAppController::closeMessageBox() { return messageBox_->close(); }

int KIVOBluetoothManagerAppController::closeMessageBox(int box) { return messageBox_->close(box); }

int KIVOBluetoothManagerAppController::messageBoxStatus() const { return messageBox_->purpose(); }

void KIVOBluetoothManagerAppController::messageBoxOK() { messageBox_->answer(true); }

void KIVOBluetoothManagerAppController::messageBoxCancel() { messageBox_->answer(false); }

void KIVOBluetoothManagerAppController::routeMessageBox(kivo::MessageBoxPurpose purpose, const void* page,
                                                        kivo::BoxRoute route)
{
    messageBox_->routes().add(purpose, page, std::move(route));
}
