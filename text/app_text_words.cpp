#include "text/app_text.h"
#include "text/tables/messages_table.h"
#include "text/tables/words_table.h"

namespace kivo {

using namespace text_tables;

std::string AppText::tavk_string_ok_in(ManagerLanguage in) { return localized(kOk, in); }
std::string AppText::tavk_string_sendemail_in(ManagerLanguage in) { return localized(kSendEmail, in); }
std::string AppText::tavk_string_cancel_in(ManagerLanguage in) { return localized(kCancel, in); }
std::string AppText::tavk_string_yes_in(ManagerLanguage in) { return localized(kYes, in); }
std::string AppText::tavk_string_no_in(ManagerLanguage in) { return localized(kNo, in); }
std::string AppText::tavk_string_update_in(ManagerLanguage in) { return localized(kUpdate, in); }
std::string AppText::tavk_string_back_in(ManagerLanguage in) { return localized(kBack, in); }
std::string AppText::tavk_string_next_in(ManagerLanguage in) { return localized(kNext, in); }
std::string AppText::tavk_string_new_device_in(ManagerLanguage in) { return localized(kNewDevice, in); }
std::string AppText::stringMore(ManagerLanguage in) { return localized(kMore, in); }
std::string AppText::stringPageNotAvailable(ManagerLanguage in) { return localized(kPageNotAvailable, in); }
std::string AppText::stringAboutNotice(ManagerLanguage in) { return localized(kAboutNotice, in); }
std::string AppText::tavk_string_jog_dial_in(ManagerLanguage in) { return localized(kJogDial, in); }
std::string AppText::tavk_string_phone_button_in(ManagerLanguage in) { return localized(kPhoneButton, in); }
std::string AppText::tavk_string_center_button_in(ManagerLanguage in) { return localized(kCenterButton, in); }
std::string AppText::tavk_string_plus_button_in(ManagerLanguage in) { return localized(kPlusButton, in); }
std::string AppText::tavk_string_minus_button_in(ManagerLanguage in) { return localized(kMinusButton, in); }
std::string AppText::tavk_string_left_button_in(ManagerLanguage in) { return localized(kLeftButton, in); }
std::string AppText::tavk_string_right_button_in(ManagerLanguage in) { return localized(kRightButton, in); }
std::string AppText::tavk_string_ptt_button_in(ManagerLanguage in) { return localized(kPttButton, in); }
std::string AppText::tavk_string_pairing_button_in(ManagerLanguage in) { return localized(kPairingButton, in); }
std::string AppText::tavk_string_kivo_product_in(ManagerLanguage in) { return localized(kKivoProduct, in); }
std::string AppText::tavk_string_oem_product_in(ManagerLanguage in) { return localized(kOemProduct, in); }

std::string AppText::tavk_string_cannot_open_usb_in(ManagerLanguage in) { return localized(kCannotOpenUsb, in); }
std::string AppText::tavk_string_firmware_management_mode_in(ManagerLanguage in)
{
    return localized(kFirmwareManagementMode, in);
}
std::string AppText::tavk_string_not_recognized_device_in(ManagerLanguage in)
{
    return localized(kNotRecognizedDevice, in);
}
std::string AppText::tavk_string_cannot_make_backup_firmware_in(ManagerLanguage in)
{
    return localized(kCannotMakeBackupFirmware, in);
}
std::string AppText::tavk_string_try_again_in(ManagerLanguage in) { return localized(kTryAgain, in); }
std::string AppText::tavk_string_camera_update_fail_in(ManagerLanguage in) { return localized(kCameraUpdateFail, in); }
std::string AppText::tavk_string_check_sd_card_in(ManagerLanguage in) { return localized(kCheckSdCard, in); }
std::string AppText::tavk_cannot_update_briskoevo(ManagerLanguage in) { return localized(kCannotUpdateBriskoEvo, in); }
std::string AppText::tavk_string_recognized_device_not_selected_in(ManagerLanguage in)
{
    return localized(kRecognizedDeviceNotSelected, in);
}
std::string AppText::tavk_string_date_format_in(ManagerLanguage in) { return localized(kDateFormat, in); }
std::string AppText::tavk_string_enable_in(ManagerLanguage in) { return localized(kEnable, in); }
std::string AppText::tavk_string_disable_in(ManagerLanguage in) { return localized(kDisable, in); }
std::string AppText::tavk_string_enabled_in(ManagerLanguage in) { return localized(kEnabled, in); }
std::string AppText::tavk_string_disabled_in(ManagerLanguage in) { return localized(kDisabled, in); }
std::string AppText::tavk_string_seconds_in(ManagerLanguage in) { return localized(kSeconds, in); }
std::string AppText::tavk_string_version_in(ManagerLanguage in) { return localized(kVersion, in); }
std::string AppText::tavk_string_firmware_in(ManagerLanguage in) { return localized(kFirmware, in); }

} // namespace kivo
