#include "text/update_texts.h"

#include "link/dfu_file.h"
#include "link/firmware_file.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/tables/update_table.h"
#include "text/text_format.h"

namespace kivo {

using namespace text_tables;

namespace {

// The DFU loader's "Firmware not for <name>" up to its name; only this prefix is compared.
constexpr std::string_view kNotForFormat = kDfuNotForFormat;
constexpr std::string_view kNotForPrefix = kNotForFormat.substr(0, kNotForFormat.rfind(' '));
static_assert(kNotForPrefix == "Firmware not for");

} // namespace

std::string UpdateTexts::tavk_string_no_backup_firmware_in(ManagerLanguage in)
{
    return localized(kNoBackupFirmware, in);
}

std::string UpdateTexts::tavk_string_checking_firmware_in(ManagerLanguage in)
{
    return localized(kCheckingFirmware, in);
}

std::string UpdateTexts::tavk_string_checking_backup_firmware_in(ManagerLanguage in)
{
    return localized(kCheckingBackupFirmware, in);
}

std::string UpdateTexts::tavk_string_cannot_access_firmware_in(ManagerLanguage in)
{
    return localized(kCannotAccessFirmware, in);
}

std::string UpdateTexts::tavk_string_cannot_allocate_file_buffer_in(ManagerLanguage in)
{
    return localized(kCannotAllocateFileBuffer, in);
}

std::string UpdateTexts::tavk_string_cannot_open_firmware_in(ManagerLanguage in)
{
    return localized(kCannotOpenFirmware, in);
}

std::string UpdateTexts::tavk_string_cannot_load_firmware_in(ManagerLanguage in)
{
    return localized(kCannotLoadFirmware, in);
}

std::string UpdateTexts::tavk_string_firmware_corrupted_in(ManagerLanguage in)
{
    return localized(kCorruptedFirmware, in);
}

std::string UpdateTexts::tavk_string_finished_checking_firmware_in(ManagerLanguage in)
{
    return localized(kFinishedCheckingFirmware, in);
}

std::string UpdateTexts::tavk_string_without_backup_firmware_in(ManagerLanguage in)
{
    return localized(kWithoutBackupFirmware, in);
}

std::string UpdateTexts::tavk_string_about_to_make_backup_firmware_in(ManagerLanguage in)
{
    return localized(kAboutToMakeBackupFirmware, in);
}

std::string UpdateTexts::tavk_string_cannot_get_device_in(ManagerLanguage in)
{
    return localized(kCannotGetDevice, in);
}

std::string UpdateTexts::tavk_string_cannot_open_device_in(ManagerLanguage in)
{
    return localized(kCannotOpenDevice, in);
}

std::string UpdateTexts::tavk_string_cannot_claim_device_in(ManagerLanguage in)
{
    return localized(kCannotClaimDevice, in);
}

std::string UpdateTexts::tavk_string_cannot_get_status_in(ManagerLanguage in)
{
    return localized(kCannotGetStatus, in);
}

std::string UpdateTexts::tavk_string_cannot_clear_status_in(ManagerLanguage in)
{
    return localized(kCannotClearStatus, in);
}

std::string UpdateTexts::tavk_string_cannot_abort_previous_action_in(ManagerLanguage in)
{
    return localized(kCannotAbortPreviousAction, in);
}

std::string UpdateTexts::tavk_string_cannot_detach_device_in(ManagerLanguage in)
{
    return localized(kCannotDetachDevice, in);
}

std::string UpdateTexts::tavk_string_cannot_identify_device_in(ManagerLanguage in)
{
    return localized(kCannotIdentifyDevice, in);
}

std::string UpdateTexts::tavk_string_cannot_use_device_in(ManagerLanguage in)
{
    return localized(kCannotUseDevice, in);
}

std::string UpdateTexts::tavk_string_aborting_in(ManagerLanguage in) { return localized(kAborting, in); }

std::string UpdateTexts::tavk_string_cannot_update_next_block_in(ManagerLanguage in)
{
    return localized(kCannotUpdateNextBlock, in);
}

std::string UpdateTexts::tavk_string_cannot_send_final_block_in(ManagerLanguage in)
{
    return localized(kCannotSendFinalBlock, in);
}

std::string UpdateTexts::tavk_string_cannot_connect_to_the_server_in(ManagerLanguage in)
{
    return localized(kCannotConnectToTheServer, in);
}

std::string UpdateTexts::tavk_string_failed_to_download_latest_firmware_in(ManagerLanguage in)
{
    return localized(kFailedToDownloadLatestFirmware, in);
}

std::string UpdateTexts::tavk_string_cannot_create_file_in(ManagerLanguage in)
{
    return localized(kCannotCreateFile, in);
}

std::string UpdateTexts::tavk_string_cannot_get_backup_firmware_in(ManagerLanguage in)
{
    return localized(kCannotGetBackupFirmware, in);
}

std::string UpdateTexts::tavk_string_cannot_open_file_in(ManagerLanguage in) { return localized(kCannotOpenFile, in); }

std::string UpdateTexts::tavk_string_about_to_download_latest_firmware_in(ManagerLanguage in)
{
    return localized(kAboutToDownloadLatestFirmware, in);
}

std::string UpdateTexts::tavk_string_about_to_download_backup_firmware_in(ManagerLanguage in)
{
    return localized(kAboutToDownloadBackupFirmware, in);
}

std::string UpdateTexts::tavk_string_about_to_restore_in(ManagerLanguage in) { return localized(kAboutToRestore, in); }

std::string UpdateTexts::tavk_string_cannot_download_firmware_in(ManagerLanguage in)
{
    return localized(kCannotDownloadFirmware, in);
}

std::string UpdateTexts::tavk_string_cannot_download_backup_firmware_in(ManagerLanguage in)
{
    return localized(kCannotDownloadBackupFirmware, in);
}

std::string UpdateTexts::tavk_string_restore_in(ManagerLanguage in) { return localized(kRestoreWord, in); }

std::string UpdateTexts::tavk_string_press_x_button_in(ManagerLanguage in) { return localized(kPressXButton, in); }

std::string UpdateTexts::stringUPDATE(ManagerLanguage in) { return AppText::tavk_string_update_in(in); }

std::string UpdateTexts::stringRESTORE(ManagerLanguage in) { return tavk_string_restore_in(in); }

std::string UpdateTexts::stringBrowse(ManagerLanguage in) { return localized(kBrowse, in); }

std::string UpdateTexts::stringDownload(ManagerLanguage in) { return localized(kDownload, in); }

std::string UpdateTexts::stringLatestVersion(ManagerLanguage in) { return localized(kLatestVersion, in); }

std::string UpdateTexts::stringFirmwareToUpdate(ManagerLanguage in) { return localized(kFirmwareToUpdate, in); }

std::string UpdateTexts::stringBackupFirmwareInformation(ManagerLanguage in)
{
    return localized(kBackupFirmwareInformation, in);
}

std::string UpdateTexts::stringVoicePromptInformation(ManagerLanguage in)
{
    return localized(kVoicePromptInformation, in);
}

std::string UpdateTexts::voice_prompt_label_in(ManagerLanguage in) { return label_in(kVoicePromptLabel, in); }

std::string UpdateTexts::date_label_in(ManagerLanguage in) { return label_in(kDateLabel, in); }

std::string UpdateTexts::stringNewUpdateFoundInformation(ManagerLanguage in)
{
    return localized(kNewUpdateFoundInformation, in);
}

std::string UpdateTexts::stringNewUpdateFoundCurrentVersion(ManagerLanguage in)
{
    return localized(kNewUpdateFoundCurrentVersion, in);
}

std::string UpdateTexts::stringNewUpdateFoundNewVersion(ManagerLanguage in)
{
    return localized(kNewUpdateFoundNewVersion, in);
}

std::string UpdateTexts::stringMessageReconfigure(ManagerLanguage in) { return localized(kMessageReconfigure, in); }

std::string UpdateTexts::stringMessagePowerOnPowerOff(ManagerLanguage in)
{
    return localized(kMessagePowerOnPowerOff, in);
}

std::string UpdateTexts::stringMessageSWitchOnSwitchOff(ManagerLanguage in)
{
    return localized(kMessageSwitchOnSwitchOff, in);
}

std::string UpdateTexts::stringMessageManagerRestart(ManagerLanguage in)
{
    return localized(kMessageManagerRestart, in);
}

std::string UpdateTexts::stringMessageElmoraToTorvikForDuvane(ManagerLanguage in)
{
    return localized(kMessageElmoraToTorvikForDuvane, in);
}

std::string UpdateTexts::tavk_string_firmware_not_for_in(int product_id, ManagerLanguage in)
{
    return fill_format(localized(kFirmwareNotFor, in), {ProductNames::tavk_product_name(product_id)});
}

std::string UpdateTexts::tavk_string_cannot_detach_device_not_idle_in(ManagerLanguage in)
{
    return fill_format(localized(kNotIdle, in), {tavk_string_cannot_detach_device_in(in)});
}

std::string UpdateTexts::tavk_string_cannot_detach_device_try_again_in(ManagerLanguage in)
{
    return fill_format("%@. %@.", {tavk_string_cannot_detach_device_in(in), AppText::tavk_string_try_again_in(in)});
}

std::string UpdateTexts::tavk_string_press_restore_button_in(ManagerLanguage in)
{
    return fill_format(tavk_string_press_x_button_in(in), {tavk_string_restore_in(in)});
}

std::string UpdateTexts::tavk_string_press_restore_button_after_selecting_in(ManagerLanguage in)
{
    return fill_format(localized(kAfterSelectingVoicePromptLanguage, in), {tavk_string_press_restore_button_in(in)});
}

std::string UpdateTexts::tavk_string_press_update_button_in(ManagerLanguage in)
{
    return fill_format(tavk_string_press_x_button_in(in), {AppText::tavk_string_update_in(in)});
}

std::optional<std::string> UpdateTexts::tavk_string_message_for_in(std::string_view message, int product_id,
                                                                   ManagerLanguage in)
{
    if (message == kFirmwareCannotAccess)
        return tavk_string_cannot_access_firmware_in(in);
    if (message == kFirmwareCannotAllocate)
        return tavk_string_cannot_allocate_file_buffer_in(in);
    if (message == kFirmwareCannotOpen)
        return tavk_string_cannot_open_firmware_in(in);
    if (message == kFirmwareCannotLoad)
        return tavk_string_cannot_load_firmware_in(in);
    if (message == kFirmwareCorrupted)
        return tavk_string_firmware_corrupted_in(in);
    // Only the prefix counts: the text names product_id by its display name, not by the name the
    // loader wrote.
    if (message.starts_with(kNotForPrefix))
        return tavk_string_firmware_not_for_in(product_id, in);
    if (message == kDfuChecked)
        return tavk_string_finished_checking_firmware_in(in);
    return std::nullopt;
}

} // namespace kivo
