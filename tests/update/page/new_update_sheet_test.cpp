// The new-update offer at the end of the update page's read from page entry, against a local
// firmware server: the sheet filled and shown, the partner-branded headset's message instead of
// it, the sheet's answers, and the sheet in every interface language.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "app/message_box_sheet.h"
#include "main/page_factory.h"
#include "tests/app/app_fixture.h"
#include "tests/update/page/page_shots.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/update_texts.h"
#include "update/page/new_update_sheet.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::UpdateTexts;
using testnet::Reply;

namespace {

constexpr char kFirmware[] = "/kivobluetoothmanager/Firmware";
constexpr char kLanguages[] =
    "VARGO_Zeltra:v2.2:English:en.img\r\nVARGO_Zeltra:v2.2:French:fr.img\r\nVARGO_Zeltra:v2.2:German:de.img\r\n"
    "VARGO_Zeltra:3\r\n";

} // namespace

class NewUpdateOffer : public AppTest {
protected:
    PageFactory pages() override { return application_pages(); }
    std::string serverBase() override { return server.base(); }

    UpdateViewController& page() { return *static_cast<UpdateViewController*>(app().updateViewController()); }
    NewUpdateSheet& sheet() { return *page().sheetNewUpdateFound(); }
    Ui::NewUpdateSheet& sheetUi() { return sheet().ui; }

    // Page entry with the device at 2.1 until the read has ended.
    void enterUpdate(int product = 0x3142, const std::string& address = "")
    {
        recognize(product, 2, 1);
        app().data().setLastSixBDAddress(address);
        app().setUsbStatus(product);
        app().setFirmwareUpdateWithStatus(true);
        run_events_until([&] { return !page().readActive(); });
    }

    std::vector<std::string> items(const QComboBox* pop_up)
    {
        std::vector<std::string> titles;
        for (int i = 0; i < pop_up->count(); ++i)
            titles.push_back(pop_up->itemText(i).toStdString());
        return titles;
    }

    testnet::LocalHttpServer server;
};

TEST_F(NewUpdateOffer, SheetShowsBothVersionsAndThePagesLanguages)
{
    server.serve(kFirmware, Reply{200, kLanguages});
    app().setStrLanguageFirmware("French");
    app().setApplyToLanguageFirmware(false);
    enterUpdate();

    EXPECT_TRUE(page().newUpdateFound());
    EXPECT_FALSE(app().onProcessing());
    ASSERT_TRUE(sheet().isVisible());
    EXPECT_EQ(sheet().windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheetUi().tfCurrentVersion->text().toStdString(), "v2.1");
    EXPECT_EQ(sheetUi().tfNewVersion->text().toStdString(), "v2.2.3");
    EXPECT_EQ(sheetUi().lblCurrentVersion->text().toStdString(), "Current version:");
    EXPECT_EQ(sheetUi().lblNewVersion->text().toStdString(), "New version:");
    EXPECT_EQ(sheetUi().lblNewUpdateInformation->text().toStdString(), UpdateTexts::stringNewUpdateFoundInformation(0));
    EXPECT_EQ(sheetUi().btnYes->text().toStdString(), "YES");
    EXPECT_EQ(sheetUi().btnNo->text().toStdString(), "NO");
    EXPECT_FALSE(sheetUi().imgNewUpdate->pixmap().isNull());
    EXPECT_EQ(items(sheetUi().popUpLanguageFirmwareSheet), items(page().updateUi().popUpLanguageFirmware));
    EXPECT_EQ(sheetUi().popUpLanguageFirmwareSheet->currentIndex(), 1);
    EXPECT_TRUE(sheetUi().popUpLanguageFirmwareSheet->isVisibleTo(&sheet()));
    EXPECT_TRUE(sheetUi().popUpLanguageFirmwareSheet->isEnabled());
    EXPECT_EQ(sheetUi().lblNewUpdateFoundLanguageVoicePrompt->text().toStdString(), "Voice Prompt");

    // YES takes the sheet's language into the page and the remembered choice.
    sheetUi().popUpLanguageFirmwareSheet->setCurrentIndex(2);
    sheetUi().btnYes->click();
    EXPECT_FALSE(sheet().isVisible());
    EXPECT_EQ(page().updateUi().popUpLanguageFirmware->currentIndex(), 2);
    EXPECT_EQ(app().strLanguageFirmware(), "German");
    EXPECT_TRUE(page().newUpdateFound()) << "the offer stands for the download";

    // A re-read after a language change leaves the decision as it was, and the offer that
    // stands comes again in the new language.
    app().setLanguageManager(kivo::kGerman);
    page().readLatest();
    run_events_until([&] { return !page().readActive(); });
    EXPECT_TRUE(page().newUpdateFound());
    EXPECT_TRUE(sheet().isVisible());
    EXPECT_EQ(sheetUi().btnYes->text().toStdString(), AppText::tavk_string_yes_in(kivo::kGerman));
    sheetUi().btnNo->click();
    page().readLatest();
    run_events_until([&] { return !page().readActive(); });
    EXPECT_FALSE(sheet().isVisible()) << "declined, and a re-read does not decide again";
    app().setLanguageManager(0);
}

TEST_F(NewUpdateOffer, OneLanguageShowsNoLanguageChoice)
{
    server.serve(kFirmware, Reply{200, "VARGO_Zeltra:v2.2:z.img\r\n"});
    app().setStrLanguageFirmware("French");
    enterUpdate();
    ASSERT_TRUE(sheet().isVisible());
    EXPECT_EQ(sheetUi().tfNewVersion->text().toStdString(), "v2.2");
    EXPECT_FALSE(sheetUi().popUpLanguageFirmwareSheet->isVisibleTo(&sheet()));
    EXPECT_FALSE(sheetUi().popUpLanguageFirmwareSheet->isEnabled());
    EXPECT_FALSE(sheetUi().lblNewUpdateFoundLanguageVoicePrompt->isVisibleTo(&sheet()));

    // YES with an empty pop-up leaves the remembered language as it was.
    sheetUi().btnYes->click();
    EXPECT_EQ(app().strLanguageFirmware(), "French");
    EXPECT_FALSE(sheet().isVisible());
}

TEST_F(NewUpdateOffer, NoAndEscapeDeclineTheOffer)
{
    server.serve(kFirmware, Reply{200, kLanguages});
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "escape" : "no");
        enterUpdate();
        ASSERT_TRUE(sheet().isVisible());
        if (escape)
            sheet().reject();
        else
            sheetUi().btnNo->click();
        EXPECT_FALSE(sheet().isVisible());
        EXPECT_FALSE(page().newUpdateFound());
        EXPECT_FALSE(app().onProcessing());
    }
}

TEST_F(NewUpdateOffer, NothingNewerOffersNothing)
{
    server.serve(kFirmware, Reply{200, "VARGO_Zeltra:v2.1:z.img\r\n"});
    enterUpdate();
    EXPECT_FALSE(page().newUpdateFound());
    EXPECT_FALSE(sheet().isVisible());
}

TEST_F(NewUpdateOffer, PartnerUnitsInTheirRangeGetTheMessageInstead)
{
    const std::string name = kivo::ProductNames::tavk_product_name_for_internal(0x5060, true);
    server.serve(kFirmware, Reply{200, name + ":v2.0:z.img\r\n"});
    enterUpdate(0x5060, "3323F1A0B0C0");
    EXPECT_TRUE(page().newUpdateFound()) << "whatever the versions";
    EXPECT_FALSE(sheet().isVisible());
    MessageBoxSheet& box = *window().sheetMessageBox;
    ASSERT_TRUE(box.isVisible());
    EXPECT_EQ(box.messageText().toStdString(), UpdateTexts::stringMessageElmoraToTorvikForDuvane(0));
    EXPECT_EQ(app().messageBoxStatus(), kBoxNone);
    EXPECT_FALSE(app().onProcessing());
    box.okButton()->click();

    // Outside the range the versions decide: 2.0 is not newer than 2.1.
    enterUpdate(0x5060, "333585000000");
    EXPECT_FALSE(page().newUpdateFound());
    EXPECT_FALSE(box.isVisible());
    EXPECT_FALSE(sheet().isVisible());
}

TEST_F(NewUpdateOffer, SheetInEveryLanguageShowsEveryTextWhole)
{
    server.serve(kFirmware, Reply{200, kLanguages});
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
        SCOPED_TRACE(language);
        app().setLanguageManager(language);
        enterUpdate();
        ASSERT_TRUE(sheet().isVisible());
        EXPECT_EQ(sheetUi().btnYes->text().toStdString(), AppText::tavk_string_yes_in(language));
        EXPECT_EQ(sheetUi().lblNewUpdateFoundLanguageVoicePrompt->text().toStdString(),
                  UpdateTexts::voice_prompt_label_in(language));
        const std::vector<std::string> clipped = clipped_texts(sheet());
        EXPECT_TRUE(clipped.empty()) << clipped.front();
        grab_page(sheet(), "new-update-sheet-" + std::to_string(language));
        sheetUi().btnNo->click();
    }
    app().setLanguageManager(0);
}
