#pragma once
// The texts of the update and restore pages, their timer and the update worker. Every function
// takes the interface language (`in`) and gives English for 0 and any value outside 1 to 12.
// Only constant tables are read, so the update worker builds its status texts here directly.

#include <optional>
#include <string>
#include <string_view>

#include "text/localized.h"

namespace kivo {

class UpdateTexts {
public:
    // Status texts of the worker, the loaders and the downloads.
    static std::string tavk_string_no_backup_firmware_in(ManagerLanguage in);
    static std::string tavk_string_checking_firmware_in(ManagerLanguage in);
    static std::string tavk_string_checking_backup_firmware_in(ManagerLanguage in);
    static std::string tavk_string_cannot_access_firmware_in(ManagerLanguage in);
    static std::string tavk_string_cannot_allocate_file_buffer_in(ManagerLanguage in);
    static std::string tavk_string_cannot_open_firmware_in(ManagerLanguage in);
    static std::string tavk_string_cannot_load_firmware_in(ManagerLanguage in);
    static std::string tavk_string_firmware_corrupted_in(ManagerLanguage in);
    static std::string tavk_string_finished_checking_firmware_in(ManagerLanguage in);
    static std::string tavk_string_without_backup_firmware_in(ManagerLanguage in);
    static std::string tavk_string_about_to_make_backup_firmware_in(ManagerLanguage in);
    static std::string tavk_string_cannot_get_device_in(ManagerLanguage in);
    static std::string tavk_string_cannot_open_device_in(ManagerLanguage in);
    static std::string tavk_string_cannot_claim_device_in(ManagerLanguage in);
    static std::string tavk_string_cannot_get_status_in(ManagerLanguage in);
    static std::string tavk_string_cannot_clear_status_in(ManagerLanguage in);
    static std::string tavk_string_cannot_abort_previous_action_in(ManagerLanguage in);
    static std::string tavk_string_cannot_detach_device_in(ManagerLanguage in);
    static std::string tavk_string_cannot_identify_device_in(ManagerLanguage in);
    static std::string tavk_string_cannot_use_device_in(ManagerLanguage in);
    static std::string tavk_string_aborting_in(ManagerLanguage in);
    static std::string tavk_string_cannot_update_next_block_in(ManagerLanguage in);
    static std::string tavk_string_cannot_send_final_block_in(ManagerLanguage in);
    static std::string tavk_string_cannot_connect_to_the_server_in(ManagerLanguage in);
    static std::string tavk_string_failed_to_download_latest_firmware_in(ManagerLanguage in);
    static std::string tavk_string_cannot_create_file_in(ManagerLanguage in);
    static std::string tavk_string_cannot_get_backup_firmware_in(ManagerLanguage in);
    static std::string tavk_string_cannot_open_file_in(ManagerLanguage in);
    static std::string tavk_string_about_to_download_latest_firmware_in(ManagerLanguage in);
    static std::string tavk_string_about_to_download_backup_firmware_in(ManagerLanguage in);
    static std::string tavk_string_about_to_restore_in(ManagerLanguage in);
    static std::string tavk_string_cannot_download_firmware_in(ManagerLanguage in);
    static std::string tavk_string_cannot_download_backup_firmware_in(ManagerLanguage in);

    // The RESTORE button word (the UPDATE word is AppText::tavk_string_update_in).
    static std::string tavk_string_restore_in(ManagerLanguage in);
    // "Press the [%@] button", unfilled.
    static std::string tavk_string_press_x_button_in(ManagerLanguage in);

    // Composed texts.
    // "Firmware not for <display name of product_id>".
    static std::string tavk_string_firmware_not_for_in(int product_id, ManagerLanguage in);
    // "Cannot detach device(not idle)".
    static std::string tavk_string_cannot_detach_device_not_idle_in(ManagerLanguage in);
    // "Cannot detach device. Try again." (the same punctuation in every language).
    static std::string tavk_string_cannot_detach_device_try_again_in(ManagerLanguage in);
    // "Press the [RESTORE] button", "... after selecting voice prompt language", "Press the [UPDATE] button".
    static std::string tavk_string_press_restore_button_in(ManagerLanguage in);
    static std::string tavk_string_press_restore_button_after_selecting_in(ManagerLanguage in);
    static std::string tavk_string_press_update_button_in(ManagerLanguage in);

    // A firmware loader's message (link/firmware_file.h, link/dfu_file.h) in the language; a
    // "Firmware not for ..." message names product_id. None for a message the loaders do not
    // write: the caller then shows the message as it stands.
    static std::optional<std::string> tavk_string_message_for_in(std::string_view message, int product_id,
                                                                 ManagerLanguage in);

    // The pages' button titles and labels.
    static std::string stringUPDATE(ManagerLanguage in);
    static std::string stringRESTORE(ManagerLanguage in);
    static std::string stringBrowse(ManagerLanguage in);
    static std::string stringDownload(ManagerLanguage in);
    static std::string stringLatestVersion(ManagerLanguage in);
    static std::string stringFirmwareToUpdate(ManagerLanguage in);
    static std::string stringBackupFirmwareInformation(ManagerLanguage in);
    static std::string stringVoicePromptInformation(ManagerLanguage in);
    // The caption of the voice-prompt language pop-up (update page, restore page, new-update sheet).
    static std::string voice_prompt_label_in(ManagerLanguage in);
    // The label of the backup summary's date row.
    static std::string date_label_in(ManagerLanguage in);

    // The new-update sheet: its question and the captions of the two versions.
    static std::string stringNewUpdateFoundInformation(ManagerLanguage in);
    static std::string stringNewUpdateFoundCurrentVersion(ManagerLanguage in);
    static std::string stringNewUpdateFoundNewVersion(ManagerLanguage in);

    // Messages at the end of a run; the formats are filled by the caller.
    static std::string stringMessageReconfigure(ManagerLanguage in);
    // "[%@]\nPower off and power on %@ ...": the run's status text, then the product's name.
    static std::string stringMessagePowerOnPowerOff(ManagerLanguage in);
    // "After switching off %@ ...": the product's name.
    static std::string stringMessageSWitchOnSwitchOff(ManagerLanguage in);
    // "[%@]\n%@ will restart. ...": the run's status text, then the application's title.
    static std::string stringMessageManagerRestart(ManagerLanguage in);
    static std::string stringMessageElmoraToTorvikForDuvane(ManagerLanguage in);
};

} // namespace kivo
