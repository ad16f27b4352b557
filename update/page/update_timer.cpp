// The page's timer while an update or restore runs: the pacing of the bar, whose percentage it
// takes into the page's state, the end of the run with its message and hand-over, and the status
// line. The ends of the firmware index reads are in index_read.cpp.

#include "device/products/plain_update_status.h"
#include "device/products/update_run_endings.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/pacing.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::ProductNames;
using kivo::UpdateTexts;

namespace {

constexpr int kBoxSizeShort = 1;
constexpr int kBoxSizeMedium = 2;

// Why a run ended short of 100 %.
constexpr int kEndedFailed = 1;
constexpr int kEndedOtherDevice = 2;
constexpr int kEndedFileRejected = 3;
constexpr int kEndedRestartToRecover = 4;

} // namespace

void UpdateViewController::timerMethodUpdate()
{
    // A read of the index ends through its outcome (index_read.cpp); the ticks here are a run's.
    if (state() != kStateUpdateRunning && state() != kStateRestoreRunning)
        return;
    // The worker resets the backup answer once it has read it; the controller's flag follows.
    host().session().skipRestoreBackupFile = engineHost_.skipRestoreBackupFile();
    if (shared_->updateFinished()) {
        finishRun();
    } else {
        const kivo::PacingGroup group = kivo::pacing_group(runInputs_.session.deviceTarget);
        const bool box_open = openedMessageBox_.isOpen();
        shared_->change([&](kivo::UpdateProgress& fields) {
            kivo::pace_progress(fields, group, box_open, kivo::process_pacing_counters());
        });
        state_.updateProcessed = shared_->progress().updateProcessed;
    }
    showRunStatus();
}

void UpdateViewController::finishRun()
{
    // The worker has closed everything and published updateFinished last: the join is short, and
    // nothing of the run overlaps the recognition that follows.
    worker_.finish();
    kivo::DeviceSession& session = host().session();
    // The id the run found the device under, for the texts from now on (the download-mode products).
    if (const int found = shared_->usbStatusFound(); found != 0)
        session.usbStatus = runInputs_.session.usbStatus = found;
    session.strRestartDFUFirmwareFile.clear();
    session.indexRestartDFUFirmwareLanguage = -1;
    session.deviceVersionRestartDFU = {};
    setState(kStateIdle);
    const kivo::UpdateProgress ended = shared_->progress();
    state_.updateProcessed = ended.updateProcessed;
    setBusy(false);
    session.deviceUpdatedOrRestored = runInputs_.session.deviceTarget;
    shared_->change([](kivo::UpdateProgress& p) {
        p.updateTimerProcessTime = 0;
        p.updateTimerPercentToProcess = 0;
        p.updateTimerProcessed = 0;
        p.addUpdateProcessed = 0;
    });
    if (ended.updateProcessed == 100)
        endSucceededRun();
    else
        endShortRun(ended.updateRestoreError);
}

void UpdateViewController::endSucceededRun()
{
    const int target = runInputs_.session.deviceTarget;
    const int mode = runInputs_.mode;
    const int usb_status = runInputs_.session.usbStatus;
    shared_->setUpdateStatus(kivo::status_in_every_language(
        [&](int language) { return AppText::tavk_status_success_usb_in(mode, usb_status, language); }));
    const std::optional<KIVOBluetoothDeviceData> record = mode == kModeUpdate ? std::nullopt : state_.dataToUnarchive;
    const int language = host().languageManager();
    if (kivo::reconfigure_after_update(target)) {
        openEndingBox(UpdateTexts::stringMessageReconfigure(language), true, kBoxSizeMedium, kBoxStatus);
    } else if (kivo::power_cycle_after_update(target)) {
        openEndingBox(kivo::fill_format(UpdateTexts::stringMessagePowerOnPowerOff(language),
                                        {shared_->updateStatus()[static_cast<size_t>(language)],
                                         ProductNames::tavk_product_name_for_internal(target, true)}),
                      false, kBoxSizeMedium, kBoxStatus);
    }
    host().setDeviceRecognitionWithStatus_info_from(false, record, mode);
}

void UpdateViewController::endShortRun(int error)
{
    const int target = runInputs_.session.deviceTarget;
    const int language = host().languageManager();
    switch (error) {
    case kEndedFailed:
        if (kivo::power_cycle_after_update(target))
            openEndingBox(kivo::fill_format(UpdateTexts::stringMessageSWitchOnSwitchOff(language),
                                            {ProductNames::tavk_product_name_for_internal(target, true)}),
                          true, kBoxSizeShort, kBoxStatus);
        break;
    case kEndedOtherDevice:
        openEndingBox(AppText::tavk_string_recognized_device_not_selected_in(language), true, kBoxSizeShort,
                      kBoxToHome);
        break;
    case kEndedFileRejected:
        openEndingBox(kivo::fill_format(UpdateTexts::stringMessageManagerRestart(language),
                                        {shared_->updateStatus()[static_cast<size_t>(language)],
                                         ProductNames::tavk_title_in(0, language)}),
                      true, kBoxSizeMedium, kBoxQuit);
        break;
    case kEndedRestartToRecover: {
        kivo::DeviceSession& session = host().session();
        session.restartToRecover = true;
        session.modeRestartToRecover = runInputs_.mode;
        session.strRestartDFUFirmwareFile = runInputs_.firmwareFile;
        session.indexRestartDFUFirmwareLanguage = indexOfSelectedLanguageFirmware();
        session.deviceVersionRestartDFU = runInputs_.data.deviceVersion();
        host().stopManager();
        break;
    }
    default: break;
    }
}

void UpdateViewController::openEndingBox(const std::string& message, bool warning, int size, int purpose)
{
    host().openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        message, warning, std::nullopt, AppText::tavk_string_ok_in(host().languageManager()), size, purpose);
}

void UpdateViewController::showRunStatus()
{
    host().setStrStatusAll(shared_->updateStatus());
    const bool warning = !kivo::update_status_plain(runInputs_.session.deviceTarget) && shared_->updateFinished() &&
        shared_->progress().updateProcessed < 100;
    host().setStatus_withWarning(host().getStrStatus(), warning);
    setControls();
}
