// The update page's control states, titles and frames, offscreen in the whole application, as
// tables over the page's state: the latest-version line, the progress area, the buttons, the
// shortcut hints, and every fixed frame in widget coordinates.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "tests/app/app_fixture.h"
#include "tests/update/page/page_shots.h"
#include "text/app_text.h"
#include "text/update_texts.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::UpdateTexts;

class UpdateLayout : public AppTest {
protected:
    PageFactory pages() override
    {
        PageFactory factory = placeholder_page_factory();
        factory.update = [](kivo::PageHost& host, int mode) {
            return std::make_unique<UpdateViewController>(host, mode);
        };
        return factory;
    }

    // The update page of a recognized product, entered, with the server's answer given.
    void enter(int product, int major = 2, int minor = 1)
    {
        recognize(product, major, minor);
        app().setFirmwareUpdateWithStatus(true);
        ASSERT_EQ(app().mode(), kModeUpdate);
        // The firmware server is a closed port: the read ends at once, offering nothing.
        run_events_until([&] { return !page().readActive(); });
    }

    void offer(FirmwareQuad latest, int languages, const std::string& file = "Zeltra-v2.1.img")
    {
        page().setLatestVersion(latest);
        page().setFileNameLatestVersion(file);
        ui().popUpLanguageFirmware->clear();
        const char* names[] = {"English", "French", "German", "Italian"};
        for (int i = 0; i < languages; ++i)
            ui().popUpLanguageFirmware->addItem(names[i]);
        page().setControls();
    }

    UpdateViewController& page() { return *static_cast<UpdateViewController*>(app().updateViewController()); }
    Ui::UpdateView& ui() { return page().updateUi(); }
    std::string text(const QLabel* label) { return label->text().toStdString(); }
    std::string text(const QAbstractButton* button) { return button->text().toStdString(); }
};

TEST_F(UpdateLayout, LatestVersionLineByWhatTheServerOffered)
{
    const std::string cannot = UpdateTexts::tavk_string_cannot_connect_to_the_server_in(0);
    struct Case {
        const char* what;
        int product;
        FirmwareQuad latest;
        int languages;
        std::string line;
        bool download;
        QRect downloadFrame;
        bool popUp;
    };
    const QRect single(400, 57, 115, 19);
    const QRect lower(400, 80, 115, 19);
    const Case cases[] = {
        {"no version from the server", 0x3142, {}, 0, cannot, false, single, false},
        {"none, even with languages", 0x3142, {}, 3, cannot, false, single, false},
        {"one file for every language",
         0x3142,
         {2, 1, 0, 0},
         0,
         "Latest Version: v2.1 (Zeltra-v2.1.img)",
         true,
         single,
         false},
        {"one language", 0x3142, {2, 1, 0, 0}, 1, "Latest Version: v2.1 (Zeltra-v2.1.img)", true, single, false},
        {"secondary 3", 0x3142, {2, 1, 2, 3}, 1, "Latest Version: v2.1.3 (Zeltra-v2.1.img)", true, single, false},
        {"three languages", 0x3142, {2, 1, 0, 0}, 3, "Latest Version: v2.1", true, lower, true},
        {"three languages, secondary 3", 0x3142, {2, 1, 0, 3}, 3, "Latest Version: v2.1.3", true, lower, true},
        {"camera, four parts in stored order",
         0x3020,
         {2, 5, 1, 3},
         1,
         "Latest Version: v1.3.2.5 (Zeltra-v2.1.img)",
         true,
         single,
         false},
        {"camera with languages", 0x3020, {2, 5, 1, 0}, 2, "Latest Version: v1.0.2.5", true, lower, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        enter(c.product);
        offer(c.latest, c.languages);
        EXPECT_EQ(text(ui().tfLatestVersion), c.line);
        EXPECT_EQ(ui().btnDownload->isEnabled(), c.download);
        EXPECT_EQ(ui().btnDownload->geometry(), c.downloadFrame);
        EXPECT_EQ(ui().popUpLanguageFirmware->isVisibleTo(ui().frameArea), c.popUp);
        EXPECT_EQ(ui().lblUpdateLanguageVoicePrompt->isVisibleTo(ui().frameArea), c.popUp);
        EXPECT_EQ(ui().lblUpdateVoicePromptInformation->isVisibleTo(ui().frameArea), c.popUp);
        if (c.popUp) {
            EXPECT_EQ(text(ui().lblUpdateVoicePromptInformation), UpdateTexts::stringVoicePromptInformation(0));
        }
        EXPECT_EQ(ui().tfLatestVersion->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
}

TEST_F(UpdateLayout, TheVersionLineWaitsForTheEndOfTheRead)
{
    const std::string cannot = UpdateTexts::tavk_string_cannot_connect_to_the_server_in(0);
    recognize(0x3142, 2, 1);
    app().setFirmwareUpdateWithStatus(true);
    ASSERT_TRUE(page().readActive()) << "the read ends at a tick, which has not come yet";
    EXPECT_EQ(text(ui().tfLatestVersion), "");
    run_events_until([&] { return !page().readActive(); });
    EXPECT_EQ(text(ui().tfLatestVersion), cannot) << "a read that ended without a version says so";

    struct Case {
        int state;
        bool processing;
        std::string line;
    };
    const Case cases[] = {
        {kStateReadingIndex, true, ""},
        {kStateReadingIndex, false, cannot},
        {kStateDownloadingFirmware, true, cannot},
        {kStateIdle, false, cannot},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << c.state << " processing " << c.processing);
        page().setState(c.state);
        app().setOnProcessing(c.processing);
        offer({}, 0);
        EXPECT_EQ(text(ui().tfLatestVersion), c.line);
        EXPECT_FALSE(ui().btnDownload->isEnabled());
    }
    page().setState(kStateIdle);
    app().setOnProcessing(false);
}

TEST_F(UpdateLayout, ServerTextsAreShownAsPlainText)
{
    enter(0x3142);
    offer({2, 1, 0, 0}, 1, "<b>bold</b>.img");
    EXPECT_EQ(ui().tfLatestVersion->textFormat(), Qt::PlainText);
    EXPECT_EQ(text(ui().tfLatestVersion), "Latest Version: v2.1 (<b>bold</b>.img)");
}

TEST_F(UpdateLayout, ProgressAreaByState)
{
    struct Case {
        int state;
        bool processing;
        int percent;
        bool spinning;
        double spinnerValue;
        bool bar;
        int barValue;
        bool instructions;
    };
    const Case cases[] = {
        {kStateReadingIndex, true, -1, true, 50, false, 0, true},
        {kStateReadingIndex, false, -1, false, 0, false, 0, true},
        {kStateDownloadingFirmware, true, 20, true, 50, false, 0, true},
        {kStateUpdateRunning, true, 37, false, 0, true, 37, false},
        {kStateIdle, false, -1, false, 0, false, 0, true},
        {kStateIdle, false, 0, false, 0, true, 0, false},
        {kStateIdle, false, 100, false, 0, true, 100, false},
    };
    enter(0x3142);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << c.state << " processing " << c.processing << " at "
                                        << c.percent);
        page().setState(c.state);
        page().setUpdateProcessed(c.percent);
        app().setOnProcessing(c.processing);
        offer({2, 1, 0, 0}, 3);
        EXPECT_EQ(ui().piProcessingCircular->isAnimating(), c.spinning);
        EXPECT_EQ(ui().piProcessingCircular->doubleValue(), c.spinnerValue);
        EXPECT_EQ(ui().piProcessing->isVisibleTo(ui().frameArea), c.bar);
        EXPECT_EQ(ui().piProcessing->value(), c.barValue);
        EXPECT_EQ(ui().tfProcessing->isVisibleTo(ui().frameArea), c.bar);
        EXPECT_EQ(ui().tfPercent->isVisibleTo(ui().frameArea), c.bar);
        if (c.bar) {
            EXPECT_EQ(text(ui().tfProcessing), std::to_string(c.percent));
        }
        EXPECT_EQ(ui().lblUpdateVoicePromptInformation->isVisibleTo(ui().frameArea), c.instructions);
    }
    app().setOnProcessing(false);
}

TEST_F(UpdateLayout, ButtonsFollowTheBusyFlagAndTheFileField)
{
    enter(0x3142);
    offer({2, 1, 0, 0}, 3);
    QWidget* const followers[] = {ui().btnBrowse, ui().btnDownload, ui().btnNext, ui().btnBack,
                                  ui().popUpLanguageFirmware};
    for (QWidget* control : followers)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_FALSE(ui().btnUpdate->isEnabled()) << "no file to update with";
    EXPECT_FALSE(ui().btnRestore->isVisibleTo(ui().frameArea)) << "never on the update page";

    ui().tfFirmwareFile->setText("/tmp/Zeltra-v2.1.img");
    page().setControls();
    EXPECT_TRUE(ui().btnUpdate->isEnabled());

    app().setOnProcessing(true);
    page().setControls();
    for (QWidget* control : followers)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_FALSE(ui().btnUpdate->isEnabled());
    app().setOnProcessing(false);
}

TEST_F(UpdateLayout, NextButtonByProductAndVersion)
{
    struct Case {
        int product;
        int major;
        int minor;
        bool shown;
        std::string title;
    };
    const std::string next = AppText::tavk_string_next_in(0);
    const std::string new_device = AppText::tavk_string_new_device_in(0);
    const Case cases[] = {
        {0x6A01, 1, 0, false, next},      {0x6A02, 1, 0, false, next}, {0x6A04, 1, 0, false, next},
        {0x6816, 1, 0, false, next},      {0x6831, 1, 0, false, next}, {0x6839, 1, 0, false, next},
        {0x6840, 1, 0, false, next},      {0x3142, 1, 0, true, next},  {0x6A03, 1, 0, true, next},
        {0x3500, 2, 1, true, new_device}, {0x3500, 2, 2, true, next},  {0x3020, 1, 0, true, new_device},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product << " " << c.major << "." << c.minor);
        enter(c.product, c.major, c.minor);
        EXPECT_EQ(ui().btnNext->isVisibleTo(ui().frameArea), c.shown);
        EXPECT_EQ(text(ui().btnNext), c.title);
        EXPECT_EQ(text(ui().btnBack), AppText::tavk_string_back_in(0));
    }
}

TEST_F(UpdateLayout, TitlesAndShortcutHints)
{
    enter(0x3142);
    offer({2, 1, 0, 0}, 3);
    EXPECT_EQ(text(ui().btnUpdate), UpdateTexts::stringUPDATE(0));
    EXPECT_EQ(text(ui().btnRestore), AppText::tavk_string_mode_in(kModeRestore, 0));
    EXPECT_EQ(text(ui().btnBrowse), UpdateTexts::stringBrowse(0));
    EXPECT_EQ(text(ui().btnDownload), UpdateTexts::stringDownload(0));
    EXPECT_EQ(text(ui().lblUpdateLanguageVoicePrompt), "Voice Prompt");
    EXPECT_EQ(text(ui().lblFirmwareFile), UpdateTexts::stringFirmwareToUpdate(0));

    app().setLanguageManager(kivo::kGerman);
    page().setControls();
    EXPECT_EQ(text(ui().lblUpdateLanguageVoicePrompt), "Sprachansage");
    app().setLanguageManager(13);
    page().setControls();
    EXPECT_EQ(text(ui().lblUpdateLanguageVoicePrompt), "Voice Prompt") << "English outside 0..12";
    app().setLanguageManager(0);

    app().setShowShortcuts(true);
    page().setControls();
    EXPECT_EQ(text(ui().btnUpdate), "[O][C]-U");
    EXPECT_EQ(text(ui().btnRestore), "[C]-E");
    EXPECT_EQ(text(ui().btnBrowse), "[C]-B");
    EXPECT_EQ(text(ui().btnDownload), "[C]-D");
    EXPECT_EQ(text(ui().lblUpdateLanguageVoicePrompt), "[C]-L");
    EXPECT_EQ(text(ui().btnNext), "[C]-\u25B6");
    EXPECT_EQ(text(ui().btnBack), "[C]-\u25C0");
    grab_page(*page().view(), "update-shortcuts");
    app().setShowShortcuts(false);
}

TEST_F(UpdateLayout, FramesInWidgetCoordinates)
{
    enter(0x3142);
    offer({2, 1, 0, 0}, 3);
    EXPECT_EQ(ui().frameArea->geometry(), QRect(0, 0, 525, 270));
    EXPECT_EQ(ui().btnBack->geometry(), QRect(7, 243, 140, 19));
    EXPECT_EQ(ui().btnNext->geometry(), QRect(375, 243, 140, 19));
    EXPECT_EQ(ui().btnUpdate->geometry(), QRect(185, 244, 155, 19));
    EXPECT_EQ(ui().btnRestore->geometry(), QRect(335, 218, 180, 19));
    EXPECT_EQ(ui().popUpLanguageFirmware->geometry(), QRect(398, 54, 120, 26));
    EXPECT_EQ(ui().btnDownload->geometry(), QRect(400, 80, 115, 19));
    offer({2, 1, 0, 0}, 1);
    EXPECT_EQ(ui().btnDownload->geometry(), QRect(400, 57, 115, 19));
}

TEST_F(UpdateLayout, OpeningThePopUpClosesTheListOfTabs)
{
    enter(0x3142);
    offer({2, 1, 0, 0}, 3);
    app().setListTabsOpened(true);
    app().enableListTabsTo(true);
    ui().popUpLanguageFirmware->showPopup();
    EXPECT_FALSE(app().listTabsOpened());
    EXPECT_FALSE(window().boxListTabsBox->isVisible());
    ui().popUpLanguageFirmware->hidePopup();
    ui().popUpLanguageFirmware->showPopup();
    EXPECT_FALSE(app().listTabsOpened()) << "nothing to close: nothing changes";
    ui().popUpLanguageFirmware->hidePopup();
}

TEST_F(UpdateLayout, EveryTextIsWholeInEveryLanguage)
{
    window().show();
    enter(0x3142);
    ui().tfFirmwareFile->setText("/home/user/Zeltra-v2.1-fr.img");
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
        SCOPED_TRACE(testing::Message() << "language " << language);
        app().setLanguageManager(language);
        for (int languages : {1, 3}) {
            offer({2, 1, 0, 3}, languages, "Zeltra-v2.1-en.img");
            EXPECT_EQ(clipped_texts(*ui().frameArea), std::vector<std::string>{});
            grab_page(*page().view(), "update-" + std::to_string(language) + "-" + std::to_string(languages));
        }
        offer({}, 0);
        EXPECT_EQ(clipped_texts(*ui().frameArea), std::vector<std::string>{});
        page().setState(kStateUpdateRunning);
        page().setUpdateProcessed(37);
        page().setControls();
        EXPECT_EQ(clipped_texts(*ui().frameArea), std::vector<std::string>{});
        grab_page(*page().view(), "update-" + std::to_string(language) + "-running");
        page().setState(kStateIdle);
        page().setUpdateProcessed(-1);
    }
    app().setLanguageManager(0);
}
