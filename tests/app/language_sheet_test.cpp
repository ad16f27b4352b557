// The language sheet: its row and language maps, the preview, and what OK and Cancel change.

#include "tests/app/app_fixture.h"
#include "tests/app/spy_pages.h"
#include "text/app_text.h"

using kivo::AppText;
using Controller = KIVOBluetoothManagerAppController;

TEST(LanguageSheetMaps, RowsAndLanguagesMapBothWays)
{
    // Row r shows: English, French, Spanish, Italian, German, Dutch, Russian, Chinese, Korean,
    // Japanese, Finnish, Czech, Polish.
    const int row_language[] = {kivo::kEnglish, kivo::kFrench,  kivo::kSpanish, kivo::kItalian, kivo::kGerman,
                                kivo::kDutch,   kivo::kRussian, kivo::kChinese, kivo::kKorean,  kivo::kJapanese,
                                kivo::kFinnish, kivo::kCzech,   kivo::kPolish};
    for (int row = 0; row < 13; ++row) {
        EXPECT_EQ(Controller::languageManagerFromButtonCellIndex(row), row_language[row]) << "row " << row;
        EXPECT_EQ(Controller::buttonCellIndexFromLanguageManager(row_language[row]), row);
    }
    for (int outside : {-1, 13, 20})
        EXPECT_EQ(Controller::languageManagerFromButtonCellIndex(outside), kivo::kEnglish);
    for (int outside : {-1, 13, 20})
        EXPECT_EQ(Controller::buttonCellIndexFromLanguageManager(outside), 0);
}

class LanguageSheetTest : public AppTest {
protected:
    PageFactory pages() override { return spies.factory(); }
    LanguageSheet& sheet() { return *window().sheetLanguageManager; }
    std::string text(QAbstractButton* b) { return b->text().toStdString(); }
    SpyPages spies;
};

TEST_F(LanguageSheetTest, OpensOnTheCurrentLanguageAndPreviewsTheChosenOne)
{
    app().setLanguageManager(kivo::kKorean);
    app().setApplyToLanguageFirmware(false);
    ui().btnLanguageManager->click();
    ASSERT_TRUE(sheet().isVisible());
    EXPECT_EQ(sheet().windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet().selectedRow(), 8);
    EXPECT_FALSE(sheet().ui.btnApplyToLanguageFirmware->isChecked());
    EXPECT_EQ(text(sheet().ui.btnLanguageManagerOK), AppText::tavk_string_ok_in(kivo::kKorean));

    sheet().languageButtons[2]->click(); // the Spanish name selects its row
    EXPECT_EQ(sheet().selectedRow(), 2);
    EXPECT_EQ(sheet().ui.boxLanguageManager->title().toStdString(),
              AppText::tavk_string_language_manager_in(kivo::kSpanish));
    EXPECT_EQ(sheet().windowTitle(), sheet().ui.boxLanguageManager->title());
    EXPECT_EQ(text(sheet().languageButtons[0]), " Inglés");
    EXPECT_EQ(text(sheet().languageButtons[8]), " " + AppText::tavk_string_language_in(kivo::kKorean, kivo::kSpanish));
    EXPECT_EQ(text(sheet().ui.btnLanguageManagerCancel), AppText::tavk_string_cancel_in(kivo::kSpanish));
    EXPECT_EQ(text(sheet().ui.btnApplyToLanguageFirmware), AppText::stringApplyToFirmwareLanguage(kivo::kSpanish));

    sheet().buttonCells[0]->click(); // a radio cell previews too
    EXPECT_EQ(text(sheet().ui.btnApplyToLanguageFirmware), "Apply To Firmware Language");

    sheet().ui.btnLanguageManagerCancel->click();
    EXPECT_FALSE(sheet().isVisible());
    EXPECT_EQ(app().languageManager(), kivo::kKorean);
    app().openLanguageManager();
    EXPECT_EQ(sheet().selectedRow(), 8) << "each opening starts from the current language";
    sheet().ui.btnLanguageManagerCancel->click();
}

TEST_F(LanguageSheetTest, OkWithoutAChangeChangesNothing)
{
    recognize(0x3142);
    app().setDeviceSettingsWithStatus(true);
    SpySettingsPage* page = spies.settings[0];
    const int refreshes = page->controlsSet;
    app().openLanguageManager();
    sheet().ui.btnLanguageManagerOK->click();
    EXPECT_FALSE(sheet().isVisible());
    EXPECT_EQ(page->controlsSet, refreshes);
    EXPECT_EQ(page->tableReloads, 0);
}

TEST_F(LanguageSheetTest, OkRendersTheNewLanguageAndRefreshesThePageByMode)
{
    recognize(0x3142);
    app().setDeviceSettingsWithStatus(true);
    app().openLanguageManager();
    sheet().languageButtons[4]->click(); // German
    sheet().ui.btnLanguageManagerOK->click();
    EXPECT_EQ(app().languageManager(), kivo::kGerman);
    EXPECT_EQ(app().strLanguageManager(), "German");
    EXPECT_EQ(statusLine(), AppText::tavk_status_default_usb_in(kModeSettings, 0, kivo::kGerman));
    EXPECT_EQ(ui().lblDetailTitle->text().toStdString(), AppText::tavk_string_mode_in(kModeSettings, kivo::kGerman));
    EXPECT_EQ(spies.settings[0]->tableReloads, 1);

    app().setFirmwareUpdateWithStatus(true);
    spies.update->calls.clear();
    app().openLanguageManager();
    sheet().ui.btnApplyToLanguageFirmware->click(); // only the check box changes
    sheet().ui.btnLanguageManagerOK->click();
    EXPECT_FALSE(app().applyToLanguageFirmware());
    EXPECT_EQ(spies.update->calls, std::vector<std::string>{"readLatest"});

    app().setFirmwareRestoreWithStatus(true);
    spies.restore->calls.clear();
    app().openLanguageManager();
    sheet().languageButtons[9]->click(); // Japanese
    sheet().ui.btnLanguageManagerOK->click();
    EXPECT_EQ(app().languageManager(), kivo::kJapanese);
    EXPECT_EQ(spies.restore->calls,
              (std::vector<std::string>{"initializeObjectWithDefaultStatus YES", "setControlsFirmwareRestore",
                                        "readLatest"}));
}

TEST_F(LanguageSheetTest, MenuOpensItAndABusyManagerRefuses)
{
    ui().menuItemManagerLanguage->trigger();
    EXPECT_TRUE(sheet().isVisible());
    sheet().ui.btnLanguageManagerCancel->click();
    app().setOnProcessing(true);
    ui().menuItemManagerLanguage->trigger();
    EXPECT_FALSE(sheet().isVisible());
    app().setOnProcessing(false);
}
