#include "update/engine/steps.h"

#include <system_error>
#include <utility>

#include "common/clock.h"
#include "common/system_log.h"
#include "device/backup_archive.h"
#include "link/firmware_container.h"
#include "link/hid_discovery.h"
#include "link/hid_protocol.h"
#include "link/hid_slots.h"
#include "recognition/hid_requests.h"
#include "text/app_text.h"
#include "text/instruction_texts.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/backup_file.h"
#include "update/engine/device_identity.h"
#include "update/engine/run.h"

namespace kivo {
namespace {

constexpr int kBoxSizeBackupQuestion = 3;
constexpr int kSuccessPauseMs = 1000;

std::string processing(const UpdateRun& run, ManagerLanguage language)
{
    return AppText::tavk_status_processing_usb_in(run.mode(), run.usbStatus(), language);
}

std::string failure(const UpdateRun& run, ManagerLanguage language)
{
    return AppText::tavk_status_failure_usb_in(run.mode(), run.usbStatus(), language);
}

// The loader's message in a language; a message the texts do not know stands as it is.
std::string loader_message(const UpdateRun& run, std::string_view message, ManagerLanguage language)
{
    return UpdateTexts::tavk_string_message_for_in(message, run.in.data.deviceRecognized(), language)
        .value_or(std::string(message));
}

// The backup file of the run's product: none when the product has no internal name.
std::filesystem::path backup_file(const UpdateRun& run)
{
    return backup_archive_file(run.in.archiveFolder, run.deviceTarget());
}

bool write_backup(const UpdateRun& run)
{
    KIVOBluetoothDeviceData record;
    record.configureWithSource(run.in.data);
    // The data folder may not exist yet on a fresh machine; an existing folder is fine.
    std::error_code ignored;
    std::filesystem::create_directories(run.in.archiveFolder, ignored);
    const std::filesystem::path file = backup_file(run);
    if (file.empty()) {
        system_logf("backup: product %04X has no internal name", static_cast<unsigned>(run.deviceTarget()));
        return false;
    }
    std::string error;
    if (!write_backup_archive(record, file, &error)) {
        system_logf("backup: %s", error.c_str());
        return false;
    }
    return true;
}

} // namespace

void status_processing_step(UpdateRun& run, LanguageText step)
{
    run.shared.setUpdateStatus(status_in_every_language([&](int i) {
        return fill_format("%@ %@", {processing(run, i), step(i)});
    }));
}

void status_processing(UpdateRun& run)
{
    run.shared.setUpdateStatus(status_in_every_language([&](int i) { return processing(run, i); }));
}

void status_failure(UpdateRun& run, LanguageText reason, std::string_view tag)
{
    run.shared.setUpdateStatus(status_in_every_language([&](int i) {
        return fill_format("%@. %@", {failure(run, i), reason(i)}) + std::string(tag);
    }));
}

void status_loader_message(UpdateRun& run, std::string_view message, std::string_view tag)
{
    run.shared.setUpdateStatus(status_in_every_language([&](int i) {
        return fill_format("%@. %@", {failure(run, i), loader_message(run, message, i)}) + std::string(tag);
    }));
}

void status_failure_try_again(UpdateRun& run, LanguageText reason, std::string_view tag)
{
    run.shared.setUpdateStatus(status_in_every_language([&](int i) {
        return fill_format("%@. %@. %@.", {failure(run, i), reason(i), AppText::tavk_string_try_again_in(i)}) +
            std::string(tag);
    }));
}

void status_failure_tagged_try_again(UpdateRun& run, LanguageText reason, std::string_view tag)
{
    run.shared.setUpdateStatus(status_in_every_language([&](int i) {
        return fill_format("%@. %@ %@. %@.",
                           {failure(run, i), reason(i), std::string(tag), AppText::tavk_string_try_again_in(i)});
    }));
}

void status_message(UpdateRun& run, LanguageText message)
{
    run.shared.setUpdateStatus(status_in_every_language([&](int i) { return fill_format("%@", {message(i)}); }));
}

void fail_loading(UpdateRun& run, std::string_view message)
{
    run.shared.setUpdateRestoreError(3);
    status_loader_message(run, message);
}

void status_failure_alone(UpdateRun& run)
{
    run.shared.setUpdateStatus(status_in_every_language([&](int i) { return failure(run, i); }));
}

bool open_recognized_device(UpdateRun& run, bool close_first)
{
    if (close_first)
        hid_close_devices();
    uint32_t product_id = 0;
    std::array<char, 256> text{};
    const bool opened = run.in.opener && run.in.opener(product_id, text, {}) == 0;
    if (opened && static_cast<int>(product_id) == run.usbStatus())
        return true;
    system_logf("update: %s device %04X, recognized as %04X", opened ? "another" : "no",
                static_cast<unsigned>(product_id), static_cast<unsigned>(run.usbStatus()));
    run.shared.setUpdateRestoreError(2);
    status_failure(run, AppText::tavk_string_not_recognized_device_in);
    return false;
}

bool reopen_recognized_device(UpdateRun& run, std::string_view tag)
{
    hid_close_devices();
    if (open_sought(updated_headset(run)))
        return true;
    system_logf("update: headset %04X not found again", static_cast<unsigned>(run.usbStatus()));
    run.shared.setUpdateRestoreError(2);
    status_failure(run, AppText::tavk_string_not_recognized_device_in, tag);
    return false;
}

bool check_version_identity(UpdateRun& run) { return check_version_identity(run, 0, run.in.data.deviceVersion01()); }

bool check_version_identity(UpdateRun& run, int slot, const FirmwareQuad& recorded)
{
    using Record = KIVOBluetoothDeviceData;
    FirmwareQuad headset{1, 0, 0, 0};
    HidStatusReport answer{};
    if (hid_command(slot, hid_request(COMMAND_GET_VERSION), answer) == 1)
        headset = {answer[3], answer[4], answer[5], answer[6]};
    if (Record::
            compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
                headset.major, headset.minor, headset.secondaryType, headset.secondary, recorded.major, recorded.minor,
                recorded.secondaryType, recorded.secondary) == 0)
        return true;
    system_logf("update: slot %d version %d.%d.%d.%d, recognized as %d.%d.%d.%d", slot, headset.major, headset.minor,
                headset.secondaryType, headset.secondary, recorded.major, recorded.minor, recorded.secondaryType,
                recorded.secondary);
    run.shared.setUpdateRestoreError(2);
    status_failure(run, AppText::tavk_string_not_recognized_device_in);
    return false;
}

bool check_second_module_open(UpdateRun& run)
{
    if (hid_slot(1) != nullptr)
        return true;
    system_log("update: the second module is not open in slot 1");
    run.shared.setUpdateRestoreError(2);
    status_failure(run, AppText::tavk_string_not_recognized_device_in);
    return false;
}

bool load_firmware(UpdateRun& run, std::span<const EntryNeed> entries)
{
    system_logf("fw_image_load [%s]", run.in.firmwareFile.c_str());
    run.message.fill(0);
    FirmwareBuffer file;
    const size_t size =
        fw_image_load(run.in.firmwareFile.c_str(), file, run.message, static_cast<uint32_t>(run.deviceTarget()));
    run.shared.setAddUpdateProcessed(1);
    if (size == 0) {
        fail_loading(run, run.message.data());
        return false;
    }
    if (!run.container.check(std::move(file), size, entries)) {
        system_log("firmware entry missing, outside the file or not matching its digest");
        fail_loading(run, kFirmwareCorrupted);
        return false;
    }
    return true;
}

bool back_up_settings(UpdateRun& run)
{
    if (run.mode() != kModeUpdate)
        return true;
    status_processing_step(run, UpdateTexts::tavk_string_about_to_make_backup_firmware_in);
    if (write_backup(run))
        return true;

    const ManagerLanguage language = run.in.languageManager;
    open_box_and_wait(run, InstructionTexts::getMessageBoxFileCreationFailed(language), true,
                      AppText::tavk_string_yes_in(language), kBoxSizeBackupQuestion, kBoxSkipRestoreBackup);
    if (run.host.skipRestoreBackupFile()) {
        run.host.setSkipRestoreBackupFile(false);
        system_log("backup skipped");
        return true;
    }
    status_failure(run, AppText::tavk_string_cannot_make_backup_firmware_in);
    return false;
}

void begin_transfer(UpdateRun& run, int marker)
{
    run.shared.setAddUpdateProcessed(2);
    status_processing(run);
    run.shared.change([marker](UpdateProgress& p) {
        p.updateTimerProcessTime = 0;
        p.updateTimerPercentToProcess = 0;
        p.updateRestoreError = 1;
        p.addUpdateProcessed = marker;
        p.updateTimerProcessed = 0;
    });
}

void enter_phase(UpdateRun& run, int marker)
{
    run.shared.change([marker](UpdateProgress& p) {
        p.addUpdateProcessed = marker;
        p.updateTimerProcessed = 0;
    });
}

bool run_shared_steps(UpdateRun& run, std::span<const EntryNeed> entries, bool close_first)
{
    if (!open_recognized_device(run, close_first) || !load_firmware(run, entries) || !back_up_settings(run))
        return false;
    begin_transfer(run);
    return true;
}

bool run_shared_steps_checking_version(UpdateRun& run, std::span<const EntryNeed> entries)
{
    if (!open_recognized_device(run) || !check_version_identity(run) || !load_firmware(run, entries) ||
        !back_up_settings(run))
        return false;
    begin_transfer(run);
    return true;
}

void succeed(UpdateRun& run, std::string_view trace_line)
{
    hid_close_devices();
    if (!trace_line.empty())
        system_log(trace_line);
    run.shared.change([](UpdateProgress& p) {
        p.updateRestoreError = 0;
        p.addUpdateProcessed = 99;
    });
    sleep_ms(kSuccessPauseMs);
    run.shared.setUpdateProcessed(100);
}

void open_box_and_wait(UpdateRun& run, const std::string& message, bool warning, const std::string& ok, int size,
                       int purpose)
{
    // Marked before the box opens: a quick answer must find the mark to clear.
    run.host.setOpenedMessageBox(true);
    run.box = run.host.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        message, warning, std::nullopt, ok, size, purpose);
    run.host.waitUntilAnswered();
    run.host.setOpenedMessageBox(false);
}

void open_instruction_box(UpdateRun& run, const std::string& text, int size)
{
    if (run.host.openedMessageBox())
        return;
    run.host.setOpenedMessageBox(true);
    run.box = run.host.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        text, true, std::nullopt, std::nullopt, size, kBoxInstruction);
}

void close_instruction_box(UpdateRun& run)
{
    if (!run.host.openedMessageBox())
        return;
    if (run.box != 0)
        run.host.closeMessageBox(run.box);
    run.box = 0;
    run.host.setOpenedMessageBox(false);
}

void mark_box_without_box(UpdateRun& run)
{
    // A box the worker left up (the second re-plug box of a wait that starts again) would stay on
    // screen: once its number is gone, nothing could close it.
    close_instruction_box(run);
    run.box = 0;
    run.host.setOpenedMessageBox(true);
}

} // namespace kivo
