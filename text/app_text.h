#pragma once
// The application's localized texts. Every function takes the interface language (`in`) and
// gives English for 0 and any value outside 1 to 12. Only constant tables are read, so worker
// threads call these directly to build their status texts.
//
// Statuses a mode has no text for come back empty.

#include <optional>
#include <string>
#include <string_view>

#include "text/localized.h"

namespace kivo {

class AppText {
public:
    // Language names.
    // The name of language `index` written in language `in`; outside 1 to 20, `in`'s word for English.
    static std::string tavk_string_language_in(LanguageNameIndex index, ManagerLanguage in);
    // The English name, the form the configuration stores.
    static std::string tavk_language_manager(LanguageNameIndex index);
    // The index whose English name equals `name` regardless of case. No name (nullopt) gives 0;
    // a name in no table gives 0 with with_default, else -1.
    static LanguageNameIndex tavk_language_manager_index_with_default(std::optional<std::string_view> name,
                                                                      bool with_default);
    // The language named `english_name` written in `in`; a name in no table comes back unchanged.
    static std::string tavk_language_manager_from_language_in(std::string_view english_name, ManagerLanguage in);
    static std::string tavk_string_language_manager_in(ManagerLanguage in);
    // The language sheet's check box.
    static std::string stringApplyToFirmwareLanguage(ManagerLanguage in);

    // Button words and device-button names.
    static std::string tavk_string_ok_in(ManagerLanguage in);
    static std::string tavk_string_sendemail_in(ManagerLanguage in);
    static std::string tavk_string_cancel_in(ManagerLanguage in);
    static std::string tavk_string_yes_in(ManagerLanguage in);
    static std::string tavk_string_no_in(ManagerLanguage in);
    static std::string tavk_string_update_in(ManagerLanguage in);
    static std::string tavk_string_back_in(ManagerLanguage in);
    static std::string tavk_string_next_in(ManagerLanguage in);
    static std::string tavk_string_new_device_in(ManagerLanguage in);
    // The page-title tab that opens the list of further settings tabs.
    static std::string stringMore(ManagerLanguage in);
    // The stand-in of a page still to come, and the About sheet's notice.
    static std::string stringPageNotAvailable(ManagerLanguage in);
    static std::string stringAboutNotice(ManagerLanguage in);
    static std::string tavk_string_jog_dial_in(ManagerLanguage in);
    static std::string tavk_string_phone_button_in(ManagerLanguage in);
    static std::string tavk_string_center_button_in(ManagerLanguage in);
    static std::string tavk_string_plus_button_in(ManagerLanguage in);
    static std::string tavk_string_minus_button_in(ManagerLanguage in);
    static std::string tavk_string_left_button_in(ManagerLanguage in);
    static std::string tavk_string_right_button_in(ManagerLanguage in);
    static std::string tavk_string_ptt_button_in(ManagerLanguage in);
    static std::string tavk_string_pairing_button_in(ManagerLanguage in);
    static std::string tavk_string_kivo_product_in(ManagerLanguage in);
    static std::string tavk_string_oem_product_in(ManagerLanguage in);

    // Messages, values and formats.
    static std::string tavk_string_cannot_open_usb_in(ManagerLanguage in);
    static std::string tavk_string_firmware_management_mode_in(ManagerLanguage in);
    static std::string tavk_string_not_recognized_device_in(ManagerLanguage in);
    static std::string tavk_string_cannot_make_backup_firmware_in(ManagerLanguage in);
    static std::string tavk_string_try_again_in(ManagerLanguage in);
    static std::string tavk_string_camera_update_fail_in(ManagerLanguage in);
    static std::string tavk_string_check_sd_card_in(ManagerLanguage in);
    static std::string tavk_cannot_update_briskoevo(ManagerLanguage in);
    static std::string tavk_string_recognized_device_not_selected_in(ManagerLanguage in);
    // A date pattern in the MM/dd/yyyy HH:mm:ss notation.
    static std::string tavk_string_date_format_in(ManagerLanguage in);
    static std::string tavk_string_enable_in(ManagerLanguage in);
    static std::string tavk_string_disable_in(ManagerLanguage in);
    static std::string tavk_string_enabled_in(ManagerLanguage in);
    static std::string tavk_string_disabled_in(ManagerLanguage in);
    static std::string tavk_string_seconds_in(ManagerLanguage in);
    static std::string tavk_string_version_in(ManagerLanguage in);
    static std::string tavk_string_firmware_in(ManagerLanguage in);

    // Texts by page mode (2 manager update ... 9 speed dial).
    // The page title; "MODE NOT AVAILABLE" outside 2 to 9.
    static std::string tavk_string_mode_in(int mode, ManagerLanguage in);
    // "continue the firmware update" for mode 5, "... restore" for any other mode.
    static std::string tavk_string_continue_the_firmware_update_or_restore_in(int mode, ManagerLanguage in);
    // "Ready for <title>" (with why no backup can be made when usb_status shows the
    // firmware-management loader on the update and restore pages), or "Press NEXT to proceed."
    // on the home page; empty outside 2 to 9.
    static std::string tavk_status_default_usb_in(int mode, int usb_status, ManagerLanguage in);
    // These ignore usb_status. Success texts of modes 3 and 4 are formats for the caller to fill;
    // mode 3 has no failure text.
    static std::string tavk_status_processing_usb_in(int mode, int usb_status, ManagerLanguage in);
    static std::string tavk_status_success_usb_in(int mode, int usb_status, ManagerLanguage in);
    static std::string tavk_status_failure_usb_in(int mode, int usb_status, ManagerLanguage in);

    // Menu items, in the controller's current language. `title` is the application's title.
    static std::string stringMenuHelp(ManagerLanguage in);
    static std::string stringMenuItemAbout(ManagerLanguage in, std::string_view title);
    static std::string stringMenuItemHideThis(ManagerLanguage in, std::string_view title);
    static std::string stringMenuItemHideOthers(ManagerLanguage in);
    static std::string stringMenuItemShowAll(ManagerLanguage in);
    static std::string stringMenuItemQuit(ManagerLanguage in, std::string_view title);
    static std::string stringMenuItemOnlineHelp(ManagerLanguage in);
    static std::string stringMenuItemManagerLanguage(ManagerLanguage in);
    static std::string stringMenuItemDiagnosticLog(ManagerLanguage in);
    // "Show Keyboard Shortcut" while the shortcut labels are hidden, "Hide ..." while shown.
    static std::string stringMenuItemKeyboradShortcuts(ManagerLanguage in, bool show_shortcuts);
    static std::string stringMenuItemShowPrecaution(ManagerLanguage in);
    // Asked by the settings pages before they are left with unsaved changes.
    static std::string stringPromptSave(ManagerLanguage in);

    // The manager-update offer: the product title, the latest version (its secondary number as
    // a ".N" suffix when 1 or more) against the running 1.2, and the YES and NO button words.
    static std::string stringManagerUpdateInstruction(ManagerLanguage in, int latest_major, int latest_minor,
                                                      int latest_secondary);
};

} // namespace kivo
