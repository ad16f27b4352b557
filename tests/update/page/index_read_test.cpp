// The pages' read of the firmware index in the whole application, against a local firmware server:
// what each page asks for, what it shows of the answer, the restore page's status at the end of
// its read, and answers that offer nothing. The restart-to-recover branches reach the actions.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "device/backup_archive.h"
#include "device/products/settings_tabs.h"
#include "tests/app/app_fixture.h"
#include "tests/update/page/page_shots.h"
#include "text/app_text.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/backup_file.h"
#include "update/page/update_page.h"

using namespace std::chrono_literals;
using kivo::AppText;
using kivo::UpdateTexts;
using testnet::Reply;

namespace {

constexpr char kFirmware[] = "/kivobluetoothmanager/Firmware";
constexpr char kRevisions[] = "/kivobluetoothmanager/Revisions";

// Counts the actions the end of a read sends, and starts nothing.
class ActionCountingPage : public UpdateViewController {
public:
    using UpdateViewController::UpdateViewController;
    void updateFirmware(QObject*) override { ++updates; }
    void restoreFirmware(QObject*) override { ++restores; }
    int updates = 0;
    int restores = 0;
};

} // namespace

class IndexRead : public AppTest {
protected:
    PageFactory pages() override
    {
        PageFactory factory = placeholder_page_factory();
        factory.update = [](kivo::PageHost& host, int mode) {
            return std::make_unique<ActionCountingPage>(host, mode);
        };
        return factory;
    }
    std::string serverBase() override { return server.base(); }

    ActionCountingPage& update() { return *static_cast<ActionCountingPage*>(app().updateViewController()); }
    ActionCountingPage& restore() { return *static_cast<ActionCountingPage*>(app().restoreViewController()); }
    void readEnds(UpdateViewController& page)
    {
        run_events_until([&] { return !page.readActive(); });
    }

    void enterUpdate(int language = 0)
    {
        recognize(0x3142, 2, 1);
        app().setUsbStatus(0x3142);
        app().setLanguageManager(language);
        app().setFirmwareUpdateWithStatus(true);
    }

    void backUp(int major, int minor)
    {
        KIVOBluetoothDeviceData record;
        record.setDeviceRecognized(0x3142);
        record.setDeviceVersionMajor(major);
        record.setDeviceVersionMinor(minor);
        record.setManagerVersionMajor(3);
        std::filesystem::create_directories(archiveFolder());
        ASSERT_TRUE(kivo::write_backup_archive(record, kivo::backup_archive_file(archiveFolder(), 0x3142)));
    }

    void enterRestore()
    {
        recognize(0x3142, 2, 2);
        app().setUsbStatus(0x3142);
        app().setFirmwareRestoreWithStatus(true);
    }

    std::vector<std::string> items(const QComboBox* pop_up)
    {
        std::vector<std::string> titles;
        for (int i = 0; i < pop_up->count(); ++i)
            titles.push_back(pop_up->itemText(i).toStdString());
        return titles;
    }

    std::string cannotConnect()
    {
        return kivo::fill_format("%@. %@",
                                 {AppText::tavk_status_failure_usb_in(kModeRestore, 0x3142, 0),
                                  UpdateTexts::tavk_string_cannot_connect_to_the_server_in(0)});
    }

    testnet::LocalHttpServer server;
};

TEST_F(IndexRead, UpdatePageShowsTheLatestVersionItsLanguagesAndTheChosenOne)
{
    server.serve(kFirmware,
                 Reply{200,
                       "Other:v9.9:o.img\r\nVARGO_Zeltra:v2.2:English:en.img\r\nVARGO_Zeltra:v2.2:French:fr.img"
                       "\r\nVARGO_Zeltra:v2.2:<i>Klingon</i>:kl.img\r\nVARGO_Zeltra:3\r\n",
                       false, 200ms});
    app().setStrLanguageFirmware("French");
    app().setApplyToLanguageFirmware(false);
    enterUpdate(kivo::kGerman);
    Ui::UpdateView& ui = update().updateUi();
    EXPECT_EQ(update().state(), kStateReadingIndex);
    EXPECT_TRUE(app().onProcessing());
    EXPECT_TRUE(ui.piProcessingCircular->isAnimating());
    EXPECT_TRUE(ui.tfFirmwareFile->text().isEmpty());
    grab_page(*update().view(), "update-reading");
    readEnds(update());

    EXPECT_EQ(update().state(), kStateIdle);
    EXPECT_FALSE(app().onProcessing());
    EXPECT_FALSE(ui.piProcessingCircular->isAnimating());
    EXPECT_EQ(update().latestVersion(), (FirmwareQuad{2, 2, 0, 3}));
    EXPECT_EQ(update().fileNameLatestVersion(), "fr.img");
    EXPECT_EQ(update().arrFileNamesLatestVersion(), (std::vector<std::string>{"en.img", "fr.img", "kl.img"}));
    EXPECT_EQ(update().arrLanguageFirmware(), (std::vector<std::string>{"English", "French", "<i>Klingon</i>"}));
    EXPECT_EQ(items(ui.popUpLanguageFirmware),
              (std::vector<std::string>{AppText::tavk_language_manager_from_language_in("English", kivo::kGerman),
                                        AppText::tavk_language_manager_from_language_in("French", kivo::kGerman),
                                        "<i>Klingon</i>"}));
    EXPECT_EQ(ui.popUpLanguageFirmware->currentIndex(), 1);
    EXPECT_EQ(ui.tfLatestVersion->text().toStdString(), UpdateTexts::stringLatestVersion(kivo::kGerman) + ": v2.2.3");
    EXPECT_TRUE(ui.popUpLanguageFirmware->isVisibleTo(ui.frameArea));
    EXPECT_TRUE(ui.btnDownload->isEnabled());
    EXPECT_TRUE(update().newUpdateFound()) << "2.2 over the device's 2.1";
    EXPECT_EQ(server.requestCount(kFirmware), 1);
    EXPECT_EQ(server.requestCount(kRevisions), 0);
    EXPECT_EQ(update().updates, 0);
    grab_page(*update().view(), "update-read");

    // Following the interface language selects its item at the end, the file staying.
    app().setApplyToLanguageFirmware(true);
    app().setStrLanguageManager("english");
    update().readLatest();
    readEnds(update());
    EXPECT_EQ(ui.popUpLanguageFirmware->currentIndex(), 0);
    EXPECT_EQ(update().fileNameLatestVersion(), "fr.img");
    app().setLanguageManager(0);
}

TEST_F(IndexRead, RereadAfterALanguageChangeTitlesTheItemsAgain)
{
    server.serve(kFirmware, Reply{200, "VARGO_Zeltra:v2.2:English:en.img\r\nVARGO_Zeltra:v2.2:French:fr.img\r\n"});
    enterUpdate();
    readEnds(update());
    app().setLanguageManager(kivo::kFrench);
    update().readLatest();
    EXPECT_FALSE(update().checkNewUpdate()) << "a re-read leaves the decision out";
    readEnds(update());
    EXPECT_TRUE(update().checkNewUpdate());
    EXPECT_TRUE(update().newUpdateFound()) << "the decision of the entry's read stands";
    EXPECT_EQ(items(update().updateUi().popUpLanguageFirmware)[0],
              AppText::tavk_language_manager_from_language_in("English", kivo::kFrench));
    EXPECT_EQ(server.requestCount(kFirmware), 2);

    server.serve(kFirmware, Reply{200, "VARGO_Zeltra:v2.3:z.img\r\n"});
    update().readLatest();
    readEnds(update());
    update().readLatest();
    EXPECT_FALSE(update().readActive()) << "an empty pop-up only refreshes the page";
    EXPECT_EQ(server.requestCount(kFirmware), 3);
    app().setLanguageManager(0);
}

TEST_F(IndexRead, AnswersThatOfferNothing)
{
    struct Case {
        const char* what;
        Reply reply;
    };
    const Case cases[] = {
        {"not found", Reply{404, "VARGO_Zeltra:v2.1:z.img\r\n"}},
        {"server error", Reply{500, "VARGO_Zeltra:v2.1:z.img\r\n"}},
        {"empty", Reply{200, ""}},
        {"over 4 MiB", Reply{200, "VARGO_Zeltra:v2.1:z.img\r\n" + std::string(kivo::kFirmwareIndexMaxBytes, '\n')}},
    };
    backUp(2, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.serve(kFirmware, c.reply);
        server.serve(kRevisions, c.reply);
        enterUpdate();
        readEnds(update());
        EXPECT_EQ(update().updateUi().tfLatestVersion->text().toStdString(),
                  UpdateTexts::tavk_string_cannot_connect_to_the_server_in(0));
        EXPECT_FALSE(update().updateUi().btnDownload->isEnabled());

        enterRestore();
        readEnds(restore());
        EXPECT_FALSE(restore().restorePossible());
        EXPECT_EQ(statusLine(), cannotConnect());
        EXPECT_TRUE(app().statusWithWarning());
        EXPECT_FALSE(app().onProcessing());
    }
}

TEST_F(IndexRead, ARefusedConnectionOffersNothingAtOnce)
{
    const std::string closed = testnet::closed_local_base();
    kivo::set_firmware_server_base(closed);
    backUp(2, 1);
    enterUpdate();
    readEnds(update());
    EXPECT_EQ(update().latestVersion(), FirmwareQuad{});
    enterRestore();
    readEnds(restore());
    EXPECT_EQ(statusLine(), cannotConnect());
}

TEST_F(IndexRead, RestorePageStatusAtTheEndOfItsRead)
{
    backUp(2, 1);
    struct Case {
        const char* what;
        std::string body;
        bool possible;
        std::string status;
        bool warning;
    };
    const Case cases[] = {
        {"one file", "VARGO_Zeltra:v2.0:a.img\r\nVARGO_Zeltra:v2.1:b.img\r\n", true,
         UpdateTexts::tavk_string_press_restore_button_in(0), false},
        {"languages", "VARGO_Zeltra:v2.1:English:en.img\r\nVARGO_Zeltra:v2.1:French:fr.img\r\n", true,
         UpdateTexts::tavk_string_press_restore_button_after_selecting_in(0), false},
        {"not listed", "VARGO_Zeltra:v2.0:a.img\r\n", false, cannotConnect(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.serve(kRevisions, Reply{200, c.body, false, 100ms});
        enterRestore();
        EXPECT_EQ(restore().state(), kStateReadingRevisions);
        EXPECT_TRUE(restore().restoreUi().piProcessingCircular->isAnimating());
        grab_page(*restore().view(), "restore-reading");
        readEnds(restore());
        grab_page(*restore().view(), std::string("restore-read-") + c.what);
        EXPECT_EQ(restore().state(), kStateIdle);
        EXPECT_FALSE(app().onProcessing());
        EXPECT_EQ(restore().restorePossible(), c.possible);
        EXPECT_EQ(restore().restoreUi().btnRestore->isEnabled(), c.possible);
        EXPECT_EQ(statusLine(), c.status);
        EXPECT_EQ(app().statusWithWarning(), c.warning);
    }
    const kivo::SettingsTabs tabs = kivo::settings_tabs_for(0x3142, 2, 1, app().session().fmRadioShowAndHide);
    EXPECT_EQ(restore().tabCount(), tabs.count) << "the backed-up device's tabs, filled last";
    EXPECT_EQ(restore().tabAt(0), tabs.tabs[0]);
    EXPECT_EQ(server.requestCount(kFirmware), 0);
}

TEST_F(IndexRead, RestorePageWithoutABackupReadsNothing)
{
    enterRestore();
    EXPECT_FALSE(restore().readActive());
    EXPECT_EQ(restore().state(), kStateIdle);
    EXPECT_FALSE(app().onProcessing());
    EXPECT_EQ(restore().tabCount(), 0) << "the tabs of an all-zero record";
    EXPECT_EQ(restore().restores, 0);
    EXPECT_EQ(server.requestCount(kRevisions), 0);
}

TEST_F(IndexRead, RestartToRecoverGoesOnWithTheRun)
{
    app().setStrRestartDFUFirmwareFile("/tmp/recover.img");
    enterRestore();
    EXPECT_EQ(restore().restores, 1) << "no backup: the restore goes on at once";

    backUp(2, 1);
    server.serve(kRevisions, Reply{200, "VARGO_Zeltra:v2.1:b.img\r\n"});
    enterRestore();
    readEnds(restore());
    EXPECT_EQ(restore().restores, 2);

    server.serve(kFirmware, Reply{200, "VARGO_Zeltra:v2.2:z.img\r\n"});
    enterUpdate();
    readEnds(update());
    EXPECT_EQ(update().updates, 1);
    EXPECT_FALSE(update().newUpdateFound());
}
