// Every table, every translation: coverage as the table's shape says, placeholders as in English.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/text/translation_check.h"
#include "text/tables/language_names_table.h"
#include "text/tables/manager_update_table.h"
#include "text/tables/menu_table.h"
#include "text/tables/messages_table.h"
#include "text/tables/modes_table.h"
#include "text/tables/recognition_table.h"
#include "text/tables/words_table.h"

using namespace kivo;
using namespace kivo::text_tables;

namespace {

// The languages a table translates into, as a 12-character mask from French to Polish.
constexpr const char* kAll = "111111111111";
constexpr const char* kKoreanOnly = "000010000000";
constexpr const char* kFrenchToFinnish = "111111111100";
constexpr const char* kItalianToPolish = "001111111111";

struct Table {
    std::string name;
    const Translated* text;
    const char* covers = kAll;
};

std::vector<Table> all_tables()
{
    std::vector<Table> tables = {
        {"manager software language", &kManagerSoftwareLanguage},
        {"apply to firmware language", &kApplyToFirmwareLanguage},
        {"manager update offer", &kManagerUpdateOffer},
        {"ok", &kOk, kKoreanOnly},
        {"send email", &kSendEmail},
        {"cancel", &kCancel},
        {"yes", &kYes},
        {"no", &kNo},
        {"update", &kUpdate},
        {"back", &kBack},
        {"next", &kNext},
        {"new device", &kNewDevice},
        {"more", &kMore},
        {"page not available", &kPageNotAvailable},
        {"about notice", &kAboutNotice},
        {"jog dial", &kJogDial},
        {"phone button", &kPhoneButton},
        {"center button", &kCenterButton},
        {"plus button", &kPlusButton},
        {"minus button", &kMinusButton},
        {"left button", &kLeftButton},
        {"right button", &kRightButton},
        {"ptt button", &kPttButton},
        {"pairing button", &kPairingButton},
        {"standard products", &kKivoProduct, kFrenchToFinnish},
        {"oem products", &kOemProduct, kFrenchToFinnish},
        {"cannot open usb", &kCannotOpenUsb},
        {"firmware management mode", &kFirmwareManagementMode},
        {"not the recognized device", &kNotRecognizedDevice},
        {"cannot make backup firmware", &kCannotMakeBackupFirmware},
        {"try again", &kTryAgain},
        {"camera update fail", &kCameraUpdateFail},
        {"check sd card", &kCheckSdCard},
        {"cannot update brisko evo", &kCannotUpdateBriskoEvo},
        {"recognized device not selected", &kRecognizedDeviceNotSelected},
        {"date format", &kDateFormat},
        {"enable", &kEnable},
        {"disable", &kDisable},
        {"enabled", &kEnabled},
        {"disabled", &kDisabled},
        {"seconds", &kSeconds},
        {"version", &kVersion, kItalianToPolish},
        {"firmware", &kFirmware},
        {"continue the firmware", &kContinueTheFirmware},
        {"continue word update", &kContinueWordUpdate},
        {"continue word restore", &kContinueWordRestore},
        {"ready for", &kReadyFor},
        {"ready for with reason", &kReadyForWithReason},
        {"press to proceed", &kPressToProceed},
        {"menu help", &kMenuHelp},
        {"menu about", &kMenuAbout},
        {"menu hide this", &kMenuHideThis},
        {"menu quit", &kMenuQuit},
        {"menu hide others", &kMenuHideOthers},
        {"menu show all", &kMenuShowAll},
        {"menu online help", &kMenuOnlineHelp},
        {"menu diagnostic log", &kMenuDiagnosticLog},
        {"menu keyboard shortcut", &kMenuKeyboardShortcut},
        {"menu shortcut show", &kMenuShortcutShow},
        {"menu shortcut hide", &kMenuShortcutHide},
        {"menu show precaution", &kMenuShowPrecaution},
        {"prompt save", &kPromptSave},
        {"connection step", &kConnectionStep},
        {"press next button at", &kPressNextButtonAt},
        {"device other than", &kDeviceOtherThan},
        {"restarting manager", &kRestartingManager, kFrenchToFinnish},
        {"cannot restore", &kCannotRestore, kFrenchToFinnish},
        {"device recognized successfully", &kDeviceRecognizedSuccessfully},
    };
    for (std::size_t i = 0; i < kLanguageNames.size(); ++i)
        tables.push_back({"language name " + std::to_string(i), &kLanguageNames[i]});
    for (const ByMode* by_mode : {&kModeTitles, &kProcessing, &kSuccess, &kFailure})
        for (std::size_t i = 0; i < by_mode->size(); ++i)
            if ((*by_mode)[i])
                tables.push_back(
                    {"mode " + std::to_string(i + kFirstMode) + " " + (*by_mode)[i]->english, (*by_mode)[i]});
    return tables;
}

} // namespace

TEST(TextTables, EachTableCoversExactlyTheLanguagesOfItsShape)
{
    for (const Table& table : all_tables()) {
        std::string covered;
        for (const char* translation : table.text->translations)
            covered += translation ? '1' : '0';
        EXPECT_EQ(covered, table.covers) << table.name;
    }
}

TEST(TextTables, EveryTranslationKeepsTheEnglishPlaceholdersInOrder)
{
    for (const Table& table : all_tables())
        text_check::expect_translations_fit(table.name, *table.text);
}
