#include "settings/page/device_save_page.h"

#include <QShortcut>

#include "app/shortcut_labels.h"
#include "settings/texts/save_texts.h"
#include "text/app_text.h"

using kivo::AppText;
using kivo::settings::SaveTexts;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

// The message box size codes of the save prompt and of the box after a save that missed the device.
constexpr int kBoxSizeQuestion = 0;
constexpr int kBoxSizeWarning = 1;

// The purpose of each page's save prompt, whose answers the page's routes take.
kivo::MessageBoxPurpose save_prompt_purpose(int mode)
{
    switch (mode) {
    case kModeSecondSettings: return kivo::MessageBoxPurpose::SaveSecondSettings;
    case kModeSpeedDial: return kivo::MessageBoxPurpose::SaveSpeedDial;
    default: return kivo::MessageBoxPurpose::SaveSettings;
    }
}

} // namespace

DeviceSavePage::DeviceSavePage(kivo::PageHost& host, int mode)
    : SettingsPageBase(host, mode)
    , opener_(hid_open_device)
{ }

DeviceSavePage::~DeviceSavePage() { worker_.finish(); }

void DeviceSavePage::takeRecognizedRecord()
{
    kivo::PageHost& app = host();
    app.setShowShortcuts(false);
    app.reflectShortcuts();
    dataCurrent_ = KIVOBluetoothDeviceData();
    dataCurrent_.copyWithSource_version(app.data(), 1);
    dataDefault_ = KIVOBluetoothDeviceData::makeDefaultDataWithSource(dataCurrent_);
    kivo::SettingsTabs& tabs = app.session().tabs;
    tabs.selected = kivo::tab_index_of_mode(tabs, pageMode());
}

void DeviceSavePage::initializeObject()
{
    resetEditing();
    takeRecognizedRecord();
    dataDefault_.setVoicePrompt(dataCurrent_.voicePrompt());
    refreshFromWorkingCopy();
}

void DeviceSavePage::refreshFromWorkingCopy()
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

// ---- Default and Cancel ------------------------------------------------------------------------

void DeviceSavePage::changeToDefault(QObject*)
{
    if (refuseAction())
        return;
    applyDefaultRule();
    takeWorkingCopyFrom(dataDefault_);
}

void DeviceSavePage::changeToOriginal(QObject*)
{
    if (!refuseAction())
        takeWorkingCopyFrom(host().data());
}

void DeviceSavePage::takeWorkingCopyFrom(const KIVOBluetoothDeviceData& source)
{
    dataCurrent_.copyWithSource_version(source, 0);
    refreshFromWorkingCopy();
}

// ---- Leaving the page --------------------------------------------------------------------------

bool DeviceSavePage::checkNeedToSave()
{
    if (!isSettingsChanged())
        return false;
    openSavePrompt(save_prompt_purpose(pageMode()));
    return true;
}

void DeviceSavePage::openSavePrompt(kivo::MessageBoxPurpose purpose)
{
    kivo::PageHost& app = host();
    const int language = app.languageManager();
    app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        AppText::stringPromptSave(language), false, AppText::tavk_string_no_in(language),
        AppText::tavk_string_yes_in(language), kBoxSizeQuestion, kivo::purpose_number(purpose));
}

void DeviceSavePage::moveToModeToGo()
{
    dataCurrent_.copyWithSource_version(host().data(), 0);
    moveOnWithoutSaving(modeToGo_);
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

// ---- Saving ----------------------------------------------------------------------------------------

void DeviceSavePage::save(QObject*)
{
    if (refuseAction())
        return;
    if (!checkACT())
        return;
    startSave();
}

void DeviceSavePage::startSave()
{
    kivo::PageHost& app = host();
    app.setStatus_withWarning(app.getStatusProcessing(), false);
    setBusy(true);
    rcThreadSave_ = kivo::settings::kSaveRunning;
    // The worker gets copies; the recognized record and the working copy stay the main thread's.
    kivo::settings::SettingsSaveInput input =
        kivo::settings::settings_save_input(app.session(), app.data(), dataCurrent_);
    input.opener = opener_;
    worker_.start<int>([work = saveWork(), input = std::move(input)] { return work(input); },
                       [this](int result) { timerMethodSave(result); });
}

DeviceSavePage::SaveWork
DeviceSavePage::pageSaveWork(kivo::settings::PageSaveOutcome (*worker)(kivo::settings::SettingsSaveInput))
{
    return
        [worker](kivo::settings::SettingsSaveInput input) { return static_cast<int>(worker(std::move(input)).result); };
}

DeviceSavePage::SaveResultMeaning DeviceSavePage::pageSaveMeaning(int result, int saved_key) const
{
    const auto code = static_cast<kivo::settings::PageSaveResult>(result);
    return {kivo::settings::page_save_status_set(code, host().mode(), host().session().usbStatus, saved_key),
            kivo::settings::page_save_missed_the_device(code)};
}

void DeviceSavePage::revertAfterMissedSave() { takeWorkingCopyFrom(host().data()); }

// The page finishes its own work before it asks for recognition, which raises the busy flag for its
// own run: nothing is accepted between this save and the read that follows.
void DeviceSavePage::timerMethodSave(int result)
{
    kivo::PageHost& app = host();
    rcThreadSave_ = result;
    const bool saved = result == kivo::settings::kSaveSucceeded;
    const SaveResultMeaning meaning = meaningOf(result);
    if (saved) {
        // What the worker wrote: no edit is taken while busy.
        app.data().copyWithSource_version(dataCurrent_, 0);
        afterSuccessfulSave();
    } else if (meaning.missedTheDevice) {
        // Still busy: the edits go before anything is enabled.
        revertAfterMissedSave();
        const int language = app.languageManager();
        app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
            AppText::tavk_string_recognized_device_not_selected_in(language), true, std::nullopt,
            AppText::tavk_string_ok_in(language), kBoxSizeWarning, kBoxToHome);
    }
    // The move the save was asked for on the way out is made only after a save that succeeded; a
    // later Save pressed on this page must keep the page.
    const int handBackTo = modeToGo_;
    if (!saved)
        modeToGo_ = 0;

    app.setStrStatusAll(meaning.status);
    app.setStatus_withWarning(app.getStrStatus(), !saved);
    setBusy(false);
    if (!saved)
        return;
    // A save asked for by quitting ends the application once the device holds the edits.
    if (handBackTo == kivo::kQuitAfterSavePrompt)
        app.quitAfterSavePrompt();
    else
        app.setDeviceRecognitionWithStatus_info_from(
            false, std::nullopt, handBackTo == 0 ? app.mode() : kivo::caller_handing_back_to(handBackTo));
}

// ---- The page's buttons ---------------------------------------------------------------------------

void DeviceSavePage::titlePageButtons()
{
    const PageButtons buttons = pageButtons();
    const int language = host().languageManager();
    if (host().showShortcuts()) {
        buttons.back->setText(QString::fromUtf8(kivo::shortcuts::kBack));
        buttons.newDevice->setText(QString::fromUtf8(kivo::shortcuts::kNext));
        buttons.save->setText(QString::fromUtf8(kivo::page_keys::kSave));
        buttons.defaults->setText(QString::fromUtf8(kivo::page_keys::kDefault));
        buttons.cancel->setText(QString::fromUtf8(kivo::page_keys::kCancel));
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
