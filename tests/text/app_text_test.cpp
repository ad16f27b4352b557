#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "text/app_text.h"

using kivo::AppText;
using kivo::ManagerLanguage;

namespace {

using TextIn = std::function<std::string(ManagerLanguage)>;

const ManagerLanguage kOutOfRange[] = {-1, 0, 13, INT_MIN, INT_MAX};

} // namespace

TEST(AppText, EachMethodGivesItsEnglishText)
{
    struct Case {
        TextIn text;
        const char* english;
    };
    const Case cases[] = {
        {AppText::tavk_string_ok_in, "OK"},
        {AppText::tavk_string_sendemail_in, "SEND Email"},
        {AppText::tavk_string_cancel_in, "CANCEL"},
        {AppText::tavk_string_yes_in, "YES"},
        {AppText::tavk_string_no_in, "NO"},
        {AppText::tavk_string_update_in, "UPDATE"},
        {AppText::tavk_string_back_in, "BACK"},
        {AppText::tavk_string_next_in, "NEXT"},
        {AppText::tavk_string_new_device_in, "NEW DEVICE"},
        {AppText::tavk_string_jog_dial_in, "Jog Dial"},
        {AppText::tavk_string_phone_button_in, "Phone Button"},
        {AppText::tavk_string_center_button_in, "Center Button"},
        {AppText::tavk_string_plus_button_in, "[+] Button"},
        {AppText::tavk_string_minus_button_in, "[-] Button"},
        {AppText::tavk_string_left_button_in, "[L] Button"},
        {AppText::tavk_string_right_button_in, "[R] Button"},
        {AppText::tavk_string_ptt_button_in, "PTT Button"},
        {AppText::tavk_string_pairing_button_in, "Pairing Button"},
        {AppText::tavk_string_kivo_product_in, "Kivo Standard Products"},
        {AppText::tavk_string_oem_product_in, "Kivo OEM Products"},
        {AppText::tavk_string_cannot_open_usb_in, "Cannot open USB"},
        {AppText::tavk_string_firmware_management_mode_in, "Firmware management mode"},
        {AppText::tavk_string_not_recognized_device_in, "Not the recognized device"},
        {AppText::tavk_string_cannot_make_backup_firmware_in, "Cannot make backup firmware"},
        {AppText::tavk_string_try_again_in, "Try again"},
        {AppText::tavk_string_camera_update_fail_in, "Camera firmware update failed"},
        {AppText::tavk_string_check_sd_card_in, "Check your SD Card"},
        {AppText::tavk_cannot_update_briskoevo,
         "Firmware version is not supported by the Brisko EVO. Update to the latest version of Brisko EVO firmware."},
        {AppText::tavk_string_recognized_device_not_selected_in,
         "Recognized device is not connected or is not the same as the connected device.\nSelect appropriate device."},
        {AppText::tavk_string_date_format_in, "MM/dd/yyyy HH:mm:ss"},
        {AppText::tavk_string_enable_in, "Enable"},
        {AppText::tavk_string_disable_in, "Disable"},
        {AppText::tavk_string_enabled_in, "Enabled"},
        {AppText::tavk_string_disabled_in, "Disabled"},
        {AppText::tavk_string_seconds_in, "seconds"},
        {AppText::tavk_string_version_in, "Version"},
        {AppText::tavk_string_firmware_in, "firmware"},
        {AppText::tavk_string_language_manager_in, "Manager Software Language"},
        {AppText::stringMenuHelp, "Help"},
        {AppText::stringMenuItemHideOthers, "Hide Others"},
        {AppText::stringMenuItemShowAll, "Show All"},
        {AppText::stringMenuItemOnlineHelp, "Online Help"},
        {AppText::stringMenuItemManagerLanguage, "Manager Software Language"},
        {AppText::stringMenuItemDiagnosticLog, "Diagnostic Log"},
        {AppText::stringMenuItemShowPrecaution, "Show Precaution"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.text(0), c.english);
        EXPECT_NE(c.text(kivo::kRussian), "");
    }
}

// The lookup rule for every shape of table: English outside 1 to 12 and for languages a short
// table leaves out.
TEST(AppText, LookupRuleAcrossTableShapes)
{
    struct Case {
        const char* shape;
        TextIn text;
        std::string english;
        std::map<ManagerLanguage, std::string> in; // languages 1 to 12 worth pinning
    };
    // Label tables are indexed directly, English first; a language past the end gets English too.
    const kivo::LabelTable label = {"Region", "Région", "Region", "Regione", "地域",   "지역", "Región",
                                    "Regio",  "Регион", "地区",   "Alue",    "Oblast", nullptr};
    const Case cases[] = {
        {"full table", AppText::tavk_string_cancel_in, "CANCEL", {{1, "ANNULER"}, {5, "취소"}, {12, "ANULUJ"}}},
        {"Korean only", AppText::tavk_string_ok_in, "OK", {{1, "OK"}, {4, "OK"}, {5, "확인"}, {6, "OK"}, {12, "OK"}}},
        {"French to Finnish",
         AppText::tavk_string_kivo_product_in,
         "Kivo Standard Products",
         {{1, "Produits standard Kivo"},
          {10, "Kivon vakiotuotteet"},
          {11, "Kivo Standard Products"},
          {12, "Kivo Standard Products"}}},
        {"Italian to Polish",
         AppText::tavk_string_version_in,
         "Version",
         {{1, "Version"}, {2, "Version"}, {3, "Versione"}, {12, "Wersja"}}},
        {"language names",
         [](ManagerLanguage in) { return AppText::tavk_string_language_in(kivo::kGerman, in); },
         "German",
         {{1, "Allemand"}, {2, "Deutsch"}, {12, "Niemiecki"}}},
        {"mode titles",
         [](ManagerLanguage in) { return AppText::tavk_string_mode_in(5, in); },
         "FIRMWARE UPDATE",
         {{1, "MISE À JOUR DU FIRMWARE"}, {12, "AKTUALIZACJA FIRMWARE"}}},
        {"status by mode",
         [](ManagerLanguage in) { return AppText::tavk_status_failure_usb_in(6, 0, in); },
         "Failed to restore firmware",
         {{1, "Échec de la restauration du firmware"}, {12, "Nie udało się przywrócić firmware"}}},
        {"menu text",
         [](ManagerLanguage in) { return AppText::stringMenuItemQuit(in, "Kivo"); },
         "Quit Kivo",
         {{1, "Quitter Kivo"}, {12, "Zakończ Kivo"}}},
        {"label table",
         [&](ManagerLanguage in) { return std::string(kivo::label_in(label, in)); },
         "Region",
         {{1, "Région"}, {11, "Oblast"}, {12, "Region"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        for (ManagerLanguage language : kOutOfRange)
            EXPECT_EQ(c.text(language), c.english) << language;
        for (const auto& [language, expected] : c.in)
            EXPECT_EQ(c.text(language), expected) << language;
    }
}

TEST(AppText, ModeTextsInEnglish)
{
    struct Row {
        int mode;
        const char* title;
        const char* processing;
        const char* success;
        const char* failure;
    };
    const Row rows[] = {
        {2, "MANAGER UPDATE", "On updating manager.", "Manager not updated", "Failed to update manager"},
        {3, "WELCOME", "On selecting device.", "%@ selected. %@", ""},
        {4, "DEVICE RECOGNITION", "On recognizing device.", "%@. %@", "Failed to recognize device"},
        {5, "FIRMWARE UPDATE", "On updating firmware.", "Firmware updated successfully", "Failed to update firmware"},
        {6, "FIRMWARE RESTORE", "On restoring firmware.", "Firmware restored successfully",
         "Failed to restore firmware"},
        {7, "DEVICE SETTING", "On saving device setting.", "Device setting saved successfully",
         "Failed to save device setting"},
        {8, "DEVICE SETTING", "On saving device setting.", "Device setting saved successfully",
         "Failed to save device setting"},
        {9, "DEVICE SETTING", "On saving device setting.", "Device setting saved successfully",
         "Failed to save device setting"},
        {1, "MODE NOT AVAILABLE", "", "", ""},
        {10, "MODE NOT AVAILABLE", "", "", ""},
        {-1, "MODE NOT AVAILABLE", "", "", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.mode);
        EXPECT_EQ(AppText::tavk_string_mode_in(r.mode, 0), r.title);
        EXPECT_EQ(AppText::tavk_status_processing_usb_in(r.mode, 0x3142, 0), r.processing);
        EXPECT_EQ(AppText::tavk_status_success_usb_in(r.mode, 0x8000, 0), r.success);
        EXPECT_EQ(AppText::tavk_status_failure_usb_in(r.mode, 0, 0), r.failure);
    }
}

TEST(AppText, ModesOutsideTheTablesGiveTheSameAnswerInEveryLanguage)
{
    for (ManagerLanguage language = -1; language <= 13; ++language) {
        EXPECT_EQ(AppText::tavk_string_mode_in(10, language), "MODE NOT AVAILABLE");
        EXPECT_EQ(AppText::tavk_status_failure_usb_in(3, 0x3142, language), "");
        EXPECT_EQ(AppText::tavk_status_processing_usb_in(1, 0, language), "");
        EXPECT_EQ(AppText::tavk_status_default_usb_in(0, 0, language), "");
    }
}

TEST(AppText, DefaultStatus)
{
    struct Case {
        int mode;
        int usb;
        std::string expected;
    };
    const Case cases[] = {
        {5, 0x8000, "Ready for FIRMWARE UPDATE. Cannot make backup firmware"},
        {6, 0xC142, "Ready for FIRMWARE RESTORE. Cannot make backup firmware"},
        {5, 0x7FFF, "Ready for FIRMWARE UPDATE"},
        {5, -1, "Ready for FIRMWARE UPDATE"},
        {4, 0x8000, "Ready for DEVICE RECOGNITION"},
        {2, 0, "Ready for MANAGER UPDATE"},
        {7, 0x8000, "Ready for DEVICE SETTING"},
        {9, 0, "Ready for DEVICE SETTING"},
        {3, 0x8000, "Press NEXT to proceed."},
        {1, 0, ""},
        {0, 0x8000, ""},
        {10, 0, ""},
        {-5, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AppText::tavk_status_default_usb_in(c.mode, c.usb, 0), c.expected) << c.mode << " " << c.usb;
}

TEST(AppText, TwoStepDefaultStatusComesOutWholeInEveryLanguage)
{
    for (ManagerLanguage language = 0; language <= 12; ++language) {
        SCOPED_TRACE(language);
        std::string status = AppText::tavk_status_default_usb_in(6, 0x8000, language);
        std::string title = AppText::tavk_string_mode_in(6, language);
        std::string reason = AppText::tavk_string_cannot_make_backup_firmware_in(language);
        EXPECT_NE(status.find(title), std::string::npos) << status;
        EXPECT_NE(status.find(reason), std::string::npos) << status;
        EXPECT_LT(status.find(title), status.find(reason)) << status;
        EXPECT_EQ(status.find('%'), std::string::npos) << status;
        EXPECT_NE(AppText::tavk_status_default_usb_in(3, 0, language).find(AppText::tavk_string_next_in(language)),
                  std::string::npos);
    }
    EXPECT_EQ(AppText::tavk_status_default_usb_in(5, 0x8000, kivo::kGerman),
              "Bereit für FIRMWARE-AKTUALISIERUNG. Firmware-Sicherung nicht möglich");
}

TEST(AppText, ContinueTheFirmwareNamesUpdateOnlyForTheUpdatePage)
{
    EXPECT_EQ(AppText::tavk_string_continue_the_firmware_update_or_restore_in(5, 0), "continue the firmware update");
    EXPECT_EQ(AppText::tavk_string_continue_the_firmware_update_or_restore_in(6, 0), "continue the firmware restore");
    EXPECT_EQ(AppText::tavk_string_continue_the_firmware_update_or_restore_in(4, 13), "continue the firmware restore");
    EXPECT_EQ(AppText::tavk_string_continue_the_firmware_update_or_restore_in(5, kivo::kFrench),
              "continuez la mise à jour du firmware");
    for (ManagerLanguage language = 1; language <= 12; ++language)
        EXPECT_NE(AppText::tavk_string_continue_the_firmware_update_or_restore_in(5, language),
                  AppText::tavk_string_continue_the_firmware_update_or_restore_in(6, language))
            << language;
}

TEST(AppText, MenuTextsAreFilled)
{
    EXPECT_EQ(AppText::stringMenuItemAbout(0, "Kivo Manager"), "About Kivo Manager");
    EXPECT_EQ(AppText::stringMenuItemHideThis(kivo::kGerman, "Kivo Manager"), "Kivo Manager ausblenden");
    EXPECT_EQ(AppText::stringMenuItemKeyboradShortcuts(0, false), "Show Keyboard Shortcut");
    EXPECT_EQ(AppText::stringMenuItemKeyboradShortcuts(0, true), "Hide Keyboard Shortcut");
    EXPECT_EQ(AppText::stringMenuItemKeyboradShortcuts(kivo::kDutch, true), "Sneltoetsen verbergen");
    EXPECT_EQ(AppText::stringPromptSave(0), "Would you like to save DEVICE SETTING changes?");
    EXPECT_EQ(AppText::stringPromptSave(kivo::kSpanish), "¿Desea guardar los cambios de AJUSTES DEL DISPOSITIVO?");
    EXPECT_EQ(AppText::stringMenuItemManagerLanguage(kivo::kItalian), "Lingua del software");
}

TEST(AppText, LanguageNames)
{
    EXPECT_EQ(AppText::tavk_string_language_in(0, kivo::kGerman), "Englisch");
    EXPECT_EQ(AppText::tavk_string_language_in(21, 0), "English");
    EXPECT_EQ(AppText::tavk_string_language_in(-1, kivo::kFrench), "Anglais");
    EXPECT_EQ(AppText::tavk_string_language_in(20, 0), "Greek");
    EXPECT_EQ(AppText::tavk_string_language_in(kivo::kHebrew, kivo::kJapanese), "ヘブライ語");
    EXPECT_EQ(AppText::tavk_string_language_in(kivo::kGreek, 13), "Greek");
    EXPECT_EQ(AppText::tavk_language_manager(kivo::kPolish), "Polish");
    EXPECT_EQ(AppText::tavk_language_manager(99), "English");
}

TEST(AppText, LanguageIndexFromEnglishName)
{
    struct Case {
        std::optional<std::string_view> name;
        bool with_default;
        kivo::LanguageNameIndex expected;
    };
    const Case cases[] = {
        {"FRENCH", false, 1},    {"french", false, 1},    {"Greek", false, 20},   {"gReEk", true, 20},
        {"English", false, 0},   {"Klingon", false, -1},  {"Klingon", true, 0},   {"", false, -1},
        {"", true, 0},           {"Français", false, -1}, {"French ", false, -1}, {std::nullopt, false, 0},
        {std::nullopt, true, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AppText::tavk_language_manager_index_with_default(c.name, c.with_default), c.expected)
            << (c.name ? std::string(*c.name) : "(none)") << " " << c.with_default;

    // Every English name leads back to its own index, so no two names collide.
    for (kivo::LanguageNameIndex index = 0; index < kivo::kLanguageNameCount; ++index)
        EXPECT_EQ(AppText::tavk_language_manager_index_with_default(AppText::tavk_language_manager(index), false),
                  index);
}

TEST(AppText, LanguageNameFromEnglishName)
{
    EXPECT_EQ(AppText::tavk_language_manager_from_language_in("German", kivo::kGerman), "Deutsch");
    EXPECT_EQ(AppText::tavk_language_manager_from_language_in("french", 0), "French");
    EXPECT_EQ(AppText::tavk_language_manager_from_language_in("SWEDISH", kivo::kKorean), "스웨덴어");
    EXPECT_EQ(AppText::tavk_language_manager_from_language_in("english", kivo::kChinese), "英语");
    EXPECT_EQ(AppText::tavk_language_manager_from_language_in("Klingon", kivo::kFrench), "Klingon");
    EXPECT_EQ(AppText::tavk_language_manager_from_language_in("", kivo::kFrench), "");
}

TEST(AppText, ManagerUpdateOfferNamesBothVersions)
{
    EXPECT_EQ(AppText::stringManagerUpdateInstruction(kivo::kEnglish, 1, 3, 1),
              "Newer version of KIVO Bluetooth Manager is available. Would you like to update KIVO Bluetooth "
              "Manager to v1.3.1?\n\nPressing the [YES] button will close this program and start downloading the "
              "update. Install the update after downloading.\nPressing the [NO] button will start KIVO Bluetooth "
              "Manager v1.2 without updating.");
    const std::string german = AppText::stringManagerUpdateInstruction(kivo::kGerman, 2, 0, 0);
    EXPECT_NE(german.find("auf v2.0 aktualisieren"), std::string::npos) << "no suffix for secondary 0: " << german;
    EXPECT_NE(german.find("[JA]"), std::string::npos) << german;
}
