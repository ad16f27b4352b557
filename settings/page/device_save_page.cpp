#include "settings/page/device_save_page.h"

#include <QShortcut>

#include "app/shortcut_labels.h"
#include "app/text/app_text.h"
#include "settings/texts/save_texts.h"

using kivo::AppText;
using kivo::settings::PageSaveOutcome;
using kivo::settings::SaveTexts;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

// The message box size codes the pages use.
constexpr int kBoxSizeQuestion = 0;
constexpr int kBoxSizeWarning = 1;

// Key labels of the buttons every settings page has.
constexpr char kSaveKeys[] = "[O][C]-S";
constexpr char kDefaultKeys[] = "[C]-D";
constexpr char kCancelKeys[] = "[C]-C";

// 100 + a mode, as a recognition caller: hand back to that mode without the success status.
constexpr int kCallerWithoutStatus = 100;

} // namespace

int kivo::recognition_caller_after_save(int mode, int mode_to_go)
{
    return mode_to_go == 0 ? mode : mode_to_go + kCallerWithoutStatus;
}

DeviceSavePage::DeviceSavePage(kivo::PageHost& host, int mode)
    : SettingsPageBase(host, mode)
    , opener_(hid_open_device)
{ }

DeviceSavePage::~DeviceSavePage() { worker_.finish(); }

void DeviceSavePage::initializeObject()
{
    kivo::PageHost& app = host();
    resetEditing();
    app.setShowShortcuts(false);
    app.reflectShortcuts();
    dataCurrent_ = KIVOBluetoothDeviceData();
    dataCurrent_.copyWithSource_version(app.data(), 1);
    dataDefault_ = KIVOBluetoothDeviceData::makeDefaultDataWithSource(dataCurrent_);
    dataDefault_.setVoicePrompt(dataCurrent_.voicePrompt());
    kivo::SettingsTabs& tabs = app.session().tabs;
    tabs.selected = kivo::tab_index_of_mode(tabs, pageMode());
    refresh();
}

void DeviceSavePage::refresh()
{
    setControlsWithData();
    setControls();
}

bool DeviceSavePage::refuseAction()
{
    if (host().onProcessing())
        return true;
    host().closeListTabs();
    return false;
}

bool DeviceSavePage::checkNeedToSave()
{
    if (!isSettingsChanged())
        return false;
    kivo::PageHost& app = host();
    const int language = app.languageManager();
    const kivo::MessageBoxPurpose purpose = pageMode() == kModeSpeedDial ? kivo::MessageBoxPurpose::SaveSpeedDial
                                                                         : kivo::MessageBoxPurpose::SaveSecondSettings;
    app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        AppText::stringPromptSave(language), false, AppText::tavk_string_no_in(language),
        AppText::tavk_string_yes_in(language), kBoxSizeQuestion, kivo::purpose_number(purpose));
    return true;
}

void DeviceSavePage::save(QObject*)
{
    if (refuseAction())
        return;
    kivo::PageHost& app = host();
    app.setStatus_withWarning(app.getStatusProcessing(), false);
    app.setOnProcessing(true);
    app.setControls();
    setControls();
    rcThreadSave_ = kivo::settings::kPageSaveRunning;
    // The worker gets copies; the recognized record and the working copy stay the main thread's.
    kivo::settings::SettingsSaveInput input =
        kivo::settings::settings_save_input(app.session(), app.data(), dataCurrent_);
    input.opener = opener_;
    worker_.start<PageSaveOutcome>([worker = saveWorker(), input = std::move(input)] { return worker(input); },
                                   [this](PageSaveOutcome outcome) { timerMethodSave(outcome); });
}

// The page finishes its own work before it asks for recognition, which raises the busy flag for its
// own run: nothing is accepted while the device is read again.
void DeviceSavePage::timerMethodSave(PageSaveOutcome outcome)
{
    using namespace kivo::settings;
    kivo::PageHost& app = host();
    rcThreadSave_ = outcome.result;
    const kivo::StatusTextSet texts =
        page_save_status_set(outcome.result, app.mode(), app.session().usbStatus, savedSettingKey());
    const int language = app.languageManager();
    switch (outcome.result) {
    case kPageSaveSucceeded:
        app.data().copyWithSource_version(dataCurrent_, 0);
        afterSuccessfulSave();
        break;
    case kPageSaveNotSaved: break; // the edits stay for another try
    default:
        dataCurrent_.copyWithSource_version(app.data(), 0);
        refresh();
        app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
            AppText::tavk_string_recognized_device_not_selected_in(language), true, std::nullopt,
            AppText::tavk_string_ok_in(language), kBoxSizeWarning, kBoxToHome);
        break;
    }
    app.setStrStatusAll(texts);
    app.setStatus_withWarning(app.getStrStatus(), outcome.result != kPageSaveSucceeded);
    app.setOnProcessing(false);
    app.setControls();
    setControls();
    if (outcome.result == kPageSaveSucceeded)
        app.setDeviceRecognitionWithStatus_info_from(false, std::nullopt,
                                                     kivo::recognition_caller_after_save(app.mode(), modeToGo_));
}

void DeviceSavePage::moveToModeToGo()
{
    kivo::PageHost& app = host();
    dataCurrent_.copyWithSource_version(app.data(), 0);
    app.setMode(modeToGo_);
    app.setDetailViewController(modeToGo_ > 100 ? modeToGo_ - 100 : modeToGo_);
}

void DeviceSavePage::moveToDeviceSelection(QObject*)
{
    if (!refuseAction())
        host().setDeviceSelection();
}

void DeviceSavePage::moveToFirmwareUpdate(QObject*)
{
    if (!refuseAction())
        host().setFirmwareUpdateWithStatus(true);
}

void DeviceSavePage::changeToDefault(QObject*)
{
    if (refuseAction())
        return;
    dataCurrent_.copyWithSource_version(dataDefault_, 0);
    refresh();
}

void DeviceSavePage::changeToOriginal(QObject*)
{
    if (refuseAction())
        return;
    dataCurrent_.copyWithSource_version(host().data(), 0);
    refresh();
}

void DeviceSavePage::titlePageButtons()
{
    const PageButtons buttons = pageButtons();
    const int language = host().languageManager();
    if (host().showShortcuts()) {
        buttons.back->setText(QString::fromUtf8(kivo::shortcuts::kBack));
        buttons.newDevice->setText(QString::fromUtf8(kivo::shortcuts::kNext));
        buttons.save->setText(QString::fromUtf8(kSaveKeys));
        buttons.defaults->setText(QString::fromUtf8(kDefaultKeys));
        buttons.cancel->setText(QString::fromUtf8(kCancelKeys));
        return;
    }
    buttons.back->setText(qtext(AppText::tavk_string_back_in(language)));
    buttons.newDevice->setText(qtext(AppText::tavk_string_new_device_in(language)));
    buttons.save->setText(qtext(SaveTexts::tavk_string_save_in(language)));
    buttons.defaults->setText(qtext(SaveTexts::tavk_string_default_in(language)));
    buttons.cancel->setText(qtext(AppText::tavk_string_cancel_in(language)));
}

void DeviceSavePage::enablePageButtons(bool editable)
{
    const PageButtons buttons = pageButtons();
    const bool idle = !host().onProcessing();
    buttons.back->setEnabled(idle);
    buttons.newDevice->setEnabled(idle);
    buttons.defaults->setEnabled(idle && editable);
    buttons.cancel->setEnabled(idle && editable);
    buttons.save->setEnabled(idle && editable && isSettingsChanged());
}

void DeviceSavePage::addKey(const QKeySequence& key, QAbstractButton* button)
{
    auto* shortcut = new QShortcut(key, view());
    connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled() && button->isVisible())
            button->click();
    });
}
