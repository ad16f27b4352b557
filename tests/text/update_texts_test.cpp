// The update and restore texts: the lookup rule, each method's own text, the composed texts, the
// loader-message mapper and every translation.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/dfu_file.h"
#include "link/firmware_file.h"
#include "tests/text/translation_check.h"
#include "text/app_text.h"
#include "text/tables/update_table.h"
#include "text/update_texts.h"

using kivo::ManagerLanguage;
using kivo::UpdateTexts;

namespace {
using TextIn = std::function<std::string(ManagerLanguage)>;
} // namespace

TEST(UpdateTexts, LanguagesOutsideOneToTwelveGiveEnglish)
{
    struct Case {
        ManagerLanguage in;
        const char* text;
        const char* label;
        const char* date;
    };
    const Case cases[] = {
        {-1, "NO backup firmware", "Voice Prompt", "Date"},
        {0, "NO backup firmware", "Voice Prompt", "Date"},
        {1, "PAS de micrologiciel de sauvegarde", "Instructions vocales", "Date"},
        {10, "EI laiteohjelmiston varmuuskopiota", "Äänikomento", "Päivämäärä"},
        {12, "BRAK kopii zapasowej oprogramowania układowego", "Komunikat głosowy", "Data"},
        {13, "NO backup firmware", "Voice Prompt", "Date"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UpdateTexts::tavk_string_no_backup_firmware_in(c.in), c.text) << c.in;
        EXPECT_EQ(UpdateTexts::voice_prompt_label_in(c.in), c.label) << c.in;
        EXPECT_EQ(UpdateTexts::date_label_in(c.in), c.date) << c.in;
    }
    EXPECT_EQ(UpdateTexts::voice_prompt_label_in(kivo::kJapanese), "音声プロンプト");
}

TEST(UpdateTexts, EachMethodGivesItsEnglishText)
{
    struct Case {
        TextIn text;
        const char* english;
    };
    const Case cases[] = {
        {UpdateTexts::tavk_string_checking_firmware_in, "Checking firmware"},
        {UpdateTexts::tavk_string_checking_backup_firmware_in, "Checking backup firmware"},
        {UpdateTexts::tavk_string_cannot_access_firmware_in, "Cannot access firmware"},
        {UpdateTexts::tavk_string_cannot_allocate_file_buffer_in, "Cannot allocate file buffer"},
        {UpdateTexts::tavk_string_cannot_open_firmware_in, "Cannot open firmware"},
        {UpdateTexts::tavk_string_cannot_load_firmware_in, "Cannot load firmware"},
        {UpdateTexts::tavk_string_firmware_corrupted_in, "Firmware corrupted"},
        {UpdateTexts::tavk_string_finished_checking_firmware_in, "Finished checking firmware"},
        {UpdateTexts::tavk_string_without_backup_firmware_in, "without backup firmware"},
        {UpdateTexts::tavk_string_about_to_make_backup_firmware_in, "about to make backup firmware"},
        {UpdateTexts::tavk_string_cannot_get_device_in, "Cannot get device"},
        {UpdateTexts::tavk_string_cannot_open_device_in, "Cannot open device"},
        {UpdateTexts::tavk_string_cannot_claim_device_in, "Cannot claim device"},
        {UpdateTexts::tavk_string_cannot_get_status_in, "Cannot get status"},
        {UpdateTexts::tavk_string_cannot_clear_status_in, "Cannot clear status"},
        {UpdateTexts::tavk_string_cannot_abort_previous_action_in, "Cannot abort previous action"},
        {UpdateTexts::tavk_string_cannot_detach_device_in, "Cannot detach device"},
        {UpdateTexts::tavk_string_cannot_identify_device_in, "Cannot identify device"},
        {UpdateTexts::tavk_string_cannot_use_device_in, "Cannot use device"},
        {UpdateTexts::tavk_string_aborting_in, "aborting"},
        {UpdateTexts::tavk_string_cannot_update_next_block_in, "Cannot update next block"},
        {UpdateTexts::tavk_string_cannot_send_final_block_in, "Cannot send final block"},
        {UpdateTexts::tavk_string_cannot_connect_to_the_server_in, "Cannot connect to the server"},
        {UpdateTexts::tavk_string_restore_in, "RESTORE"},
        {UpdateTexts::tavk_string_press_x_button_in, "Press the [%@] button"},
        {UpdateTexts::tavk_string_failed_to_download_latest_firmware_in, "Failed to download latest firmware"},
        {UpdateTexts::tavk_string_cannot_create_file_in, "Cannot create file"},
        {UpdateTexts::tavk_string_cannot_get_backup_firmware_in, "Cannot get backup firmware"},
        {UpdateTexts::tavk_string_cannot_open_file_in, "Cannot open file"},
        {UpdateTexts::tavk_string_about_to_download_latest_firmware_in, "about to download latest firmware"},
        {UpdateTexts::tavk_string_about_to_download_backup_firmware_in, "about to download backup firmware"},
        {UpdateTexts::tavk_string_about_to_restore_in, "about to restore"},
        {UpdateTexts::tavk_string_cannot_download_firmware_in, "Cannot download firmware"},
        {UpdateTexts::tavk_string_cannot_download_backup_firmware_in, "Cannot download backup firmware"},
        {UpdateTexts::stringUPDATE, "UPDATE"},
        {UpdateTexts::stringRESTORE, "RESTORE"},
        {UpdateTexts::stringBrowse, "Browse..."},
        {UpdateTexts::stringDownload, "Download..."},
        {UpdateTexts::stringMessageReconfigure,
         "It is strongly recommended to clear the existing pairing information from the phone and to perform a "
         "Bluetooth pairing again. You need to reconfigure the device setting again according to your original "
         "setting."},
        {UpdateTexts::stringMessagePowerOnPowerOff, "[%@]\nPower off and power on %@ to apply new firmware.\n"},
        {UpdateTexts::stringMessageSWitchOnSwitchOff, "After switching off %@ and switching on again, try once more."},
        {UpdateTexts::stringMessageManagerRestart, "[%@]\n%@ will restart.\nChoose appropriate firmware.\n"},
        {UpdateTexts::stringLatestVersion, "Latest Version"},
        {UpdateTexts::stringFirmwareToUpdate, "Firmware To Update"},
        {UpdateTexts::stringBackupFirmwareInformation, "Backup Firmware Information"},
        {UpdateTexts::stringNewUpdateFoundInformation,
         "New firmware is now available.\nWould you like to download it from the server and update onto it?"},
        {UpdateTexts::stringNewUpdateFoundCurrentVersion, "Current version"},
        {UpdateTexts::stringNewUpdateFoundNewVersion, "New version"},
        {UpdateTexts::stringMessageElmoraToTorvikForDuvane,
         "This current version of the Elmora firmware is not supported by this Device Manager. Please update only "
         "this firmware using the Zorrel Audio Device Manager for Windows."},
        {UpdateTexts::stringVoicePromptInformation,
         "1. To change the language of the voice prompt, click on the drop down menu to\n    select your desired "
         "voice prompt language.\n2. Press [DOWNLOAD] to download the firmware for your desired voice prompt\n    "
         "language to your computer.\n3. Press [UPDATE] to proceed with the firmware update."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.text(kivo::kEnglish), c.english);
        // Each text has a translation of its own, so a method wired to English only shows up.
        EXPECT_NE(c.text(kivo::kRussian), c.english);
    }
}

TEST(UpdateTexts, ComposedTextsFillTheLanguagesOwnFormats)
{
    struct Case {
        TextIn text;
        const char* english;
        const char* french;
    };
    const Case cases[] = {
        {[](ManagerLanguage in) { return UpdateTexts::tavk_string_firmware_not_for_in(0x3142, in); },
         "Firmware not for VARGO Zeltra", "Firmware non destiné à VARGO Zeltra"},
        {UpdateTexts::tavk_string_cannot_detach_device_not_idle_in, "Cannot detach device(not idle)",
         "Impossible de détacher l'appareil (pas au repos)"},
        {UpdateTexts::tavk_string_cannot_detach_device_try_again_in, "Cannot detach device. Try again.",
         "Impossible de détacher l'appareil. Réessayez."},
        {UpdateTexts::tavk_string_press_restore_button_in, "Press the [RESTORE] button",
         "Appuyez sur le bouton [RESTAURER]"},
        {UpdateTexts::tavk_string_press_restore_button_after_selecting_in,
         "Press the [RESTORE] button after selecting voice prompt language",
         "Appuyez sur le bouton [RESTAURER] après avoir sélectionné la langue des instructions vocales"},
        {UpdateTexts::tavk_string_press_update_button_in, "Press the [UPDATE] button",
         "Appuyez sur le bouton [METTRE À JOUR]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.text(kivo::kEnglish), c.english);
        EXPECT_EQ(c.text(kivo::kFrench), c.french);
    }
    // A language whose format puts the filled text last.
    EXPECT_EQ(UpdateTexts::tavk_string_press_restore_button_after_selecting_in(kivo::kJapanese),
              "音声プロンプトの言語を選択してから、[復元]ボタンを押してください");
}

TEST(UpdateTexts, LoaderMessagesMapToTheirTextsAndNothingElseDoes)
{
    struct Case {
        std::string message;
        std::optional<std::string> german;
    };
    const Case cases[] = {
        {kFirmwareCannotAccess, "Kein Zugriff auf die Firmware"},
        {kFirmwareCannotAllocate, "Dateipuffer kann nicht reserviert werden"},
        {kFirmwareCannotOpen, "Firmware kann nicht geöffnet werden"},
        {kFirmwareCannotLoad, "Firmware kann nicht geladen werden"},
        {kFirmwareCorrupted, "Firmware beschädigt"},
        {kDfuChecked, "Firmware-Prüfung abgeschlossen"},
        // The name the loader wrote is not used: the text names the product given to the mapper.
        {"Firmware not for Rimble", "Firmware nicht für Egrano"},
        {"Firmware not for", "Firmware nicht für Egrano"},
        {"Cannot access firmware.", std::nullopt},
        {"cannot access firmware", std::nullopt},
        {"Firmware not fo", std::nullopt},
        {"Firmware not", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UpdateTexts::tavk_string_message_for_in(c.message, 0x3210, kivo::kGerman), c.german) << c.message;
    EXPECT_EQ(UpdateTexts::tavk_string_message_for_in("Firmware not for Rimble", 0x3210, kivo::kEnglish),
              "Firmware not for Egrano");
}

TEST(UpdateTexts, VoicePromptStepsNameTheLanguagesUpdateButton)
{
    for (ManagerLanguage in = 0; in < kivo::kInterfaceLanguageCount; ++in)
        EXPECT_NE(UpdateTexts::stringVoicePromptInformation(in).find("[" + UpdateTexts::stringUPDATE(in) + "]"),
                  std::string::npos)
            << in;
}

TEST(UpdateTexts, EveryTranslationIsWholeAndKeepsTheEnglishPlaceholders)
{
    using namespace kivo::text_tables;
    const std::vector<std::pair<const char*, const kivo::Translated*>> tables = {
        {"no backup firmware", &kNoBackupFirmware},
        {"checking firmware", &kCheckingFirmware},
        {"checking backup firmware", &kCheckingBackupFirmware},
        {"cannot access firmware", &kCannotAccessFirmware},
        {"cannot allocate file buffer", &kCannotAllocateFileBuffer},
        {"cannot open firmware", &kCannotOpenFirmware},
        {"cannot load firmware", &kCannotLoadFirmware},
        {"firmware corrupted", &kCorruptedFirmware},
        {"finished checking firmware", &kFinishedCheckingFirmware},
        {"without backup firmware", &kWithoutBackupFirmware},
        {"about to make backup firmware", &kAboutToMakeBackupFirmware},
        {"cannot get device", &kCannotGetDevice},
        {"cannot open device", &kCannotOpenDevice},
        {"cannot claim device", &kCannotClaimDevice},
        {"cannot get status", &kCannotGetStatus},
        {"cannot clear status", &kCannotClearStatus},
        {"cannot abort previous action", &kCannotAbortPreviousAction},
        {"cannot detach device", &kCannotDetachDevice},
        {"cannot identify device", &kCannotIdentifyDevice},
        {"cannot use device", &kCannotUseDevice},
        {"aborting", &kAborting},
        {"cannot update next block", &kCannotUpdateNextBlock},
        {"cannot send final block", &kCannotSendFinalBlock},
        {"cannot connect to the server", &kCannotConnectToTheServer},
        {"failed to download latest firmware", &kFailedToDownloadLatestFirmware},
        {"cannot create file", &kCannotCreateFile},
        {"cannot get backup firmware", &kCannotGetBackupFirmware},
        {"cannot open file", &kCannotOpenFile},
        {"about to download latest firmware", &kAboutToDownloadLatestFirmware},
        {"about to download backup firmware", &kAboutToDownloadBackupFirmware},
        {"about to restore", &kAboutToRestore},
        {"cannot download firmware", &kCannotDownloadFirmware},
        {"cannot download backup firmware", &kCannotDownloadBackupFirmware},
        {"restore word", &kRestoreWord},
        {"browse", &kBrowse},
        {"download", &kDownload},
        {"press x button", &kPressXButton},
        {"after selecting voice prompt language", &kAfterSelectingVoicePromptLanguage},
        {"firmware not for", &kFirmwareNotFor},
        {"not idle", &kNotIdle},
        {"latest version", &kLatestVersion},
        {"firmware to update", &kFirmwareToUpdate},
        {"backup firmware information", &kBackupFirmwareInformation},
        {"new update current version", &kNewUpdateFoundCurrentVersion},
        {"new update new version", &kNewUpdateFoundNewVersion},
        {"new update information", &kNewUpdateFoundInformation},
        {"reconfigure", &kMessageReconfigure},
        {"power on power off", &kMessagePowerOnPowerOff},
        {"switch on switch off", &kMessageSwitchOnSwitchOff},
        {"manager restart", &kMessageManagerRestart},
        {"partner firmware", &kMessageElmoraToTorvikForDuvane},
        {"voice prompt information", &kVoicePromptInformation},
    };
    for (const auto& [name, text] : tables) {
        text_check::expect_translations_fit(name, *text);
        for (const char* translation : text->translations)
            EXPECT_NE(translation, nullptr) << name;
    }
    for (const char* label : kVoicePromptLabel) {
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(text_check::valid_utf8(label)) << label;
    }
}
