// The once-per-run manager check: the server's list read against a real local server, the newer
// rule, the server choice, the home page around the check and the offer page.

#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/manager_update_page.h"
#include "app/manager_version_list.h"
#include "common/addresses.h"
#include "tests/app/app_fixture.h"
#include "tests/app/file_text.h"

using namespace std::chrono_literals;
using testnet::LocalHttpServer;
using testnet::Reply;

namespace {

constexpr char kListPath[] = "/kivobluetoothmanager/Software";
const std::string kKey = kivo::kManagerProductKey;

struct Expected {
    int major, minor, secondary;
    const char* path; // download path below the base; "" for none
};

} // namespace

TEST(ManagerVersionList, ListsReadFromTheServer)
{
    LocalHttpServer server;
    const std::string k = kKey;
    struct Case {
        const char* what;
        std::string body;
        std::optional<Expected> expected; // none: the list is not used
    };
    const Case cases[] = {
        {"CR LF, secondary on the next line", "Other:v9.9:x\r\n" + k + ":v1.3:dl/M-1.3.zip\r\n" + k + ":1\r\n",
         Expected{1, 3, 1, "dl/M-1.3.zip"}},
        {"LF only", "Other:v9.9:x\n" + k + ":v1.3:dl/M-1.3.zip\n" + k + ":1\n", Expected{1, 3, 1, "dl/M-1.3.zip"}},
        {"secondary before the version line", k + ":4\n" + k + ":v1.2:a\n", Expected{1, 2, 4, "a"}},
        {"second matching line ends the scan", k + ":v1.3:a\n" + k + ":v9.0:b\n" + k + ":5\n", Expected{1, 3, 0, "a"}},
        {"other line after the match ends the scan", k + ":v2.0:a\nOther:1\n" + k + ":5\n", Expected{2, 0, 0, "a"}},
        {"three-part version", k + ":v1.3.1:a\n", Expected{0, 0, 0, "a"}},
        {"version not a number", k + ":v1.x:a\n", Expected{0, 0, 0, "a"}},
        {"version beyond int", k + ":v1.99999999999:a\n", Expected{0, 0, 0, "a"}},
        {"key differs in case", "vargozeltradevicemanagerformac:v9.0:a\n", Expected{1, 2, 0, ""}},
        {"empty body", "", Expected{1, 2, 0, ""}},
        {"absolute address as path (four fields)", k + ":v9.0:https://elsewhere.example.net/x\n",
         Expected{1, 2, 0, ""}},
        {"secondary not a number", k + ":v1.3:a\n" + k + ":1x\n", std::nullopt},
        {"negative secondary", k + ":-1\n", std::nullopt},
        {"path leaving the base", k + ":v9.0:../../other/x\n", std::nullopt},
        {"path from the root", k + ":v9.0:/other/x\n", std::nullopt},
        {"encoded dots", k + ":v9.0:%2e%2e/x\n", std::nullopt},
        {"non-ASCII", k + ":v9.0:a\n\xC3\xA9\n", std::nullopt},
        {"line over 1 KiB", k + ":v9.0:a\n" + std::string(1025, 'x') + "\n", std::nullopt},
        {"body over 64 KiB", k + ":v9.0:a\n" + std::string(70 * 1024, '\n'), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.serve(kListPath, Reply{200, c.body});
        const auto latest = kivo::read_manager_version_list(server.base(), 5s);
        ASSERT_EQ(latest.has_value(), c.expected.has_value());
        if (!latest)
            continue;
        EXPECT_EQ(latest->major, c.expected->major);
        EXPECT_EQ(latest->minor, c.expected->minor);
        EXPECT_EQ(latest->secondary, c.expected->secondary);
        const std::string path = c.expected->path;
        EXPECT_EQ(latest->downloadAddress, path.empty() ? "" : server.base() + path);
    }
}

TEST(ManagerVersionList, NoListWithoutAGoodAnswer)
{
    LocalHttpServer server;
    const std::string list = kKey + ":v9.0:a\n";
    server.serve(kListPath, Reply{404, list});
    EXPECT_FALSE(kivo::read_manager_version_list(server.base(), 5s)) << "an error page is not a list";
    server.serve(kListPath, Reply{500, list});
    EXPECT_FALSE(kivo::read_manager_version_list(server.base(), 5s));
    server.serve(kListPath, Reply{200, list, true});
    testing::internal::CaptureStderr();
    EXPECT_FALSE(kivo::read_manager_version_list(server.base(), 1s)) << "a server that never answers";
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("manager version list: Timeout was reached\n"), std::string::npos)
        << "its time-out ends the read: " << log;
    EXPECT_FALSE(kivo::read_manager_version_list(testnet::closed_local_base(), 1s));
}

TEST(ManagerVersionList, NewerThanTheRunningManager)
{
    const struct {
        int major, minor, secondary;
        bool newer;
    } cases[] = {{1, 2, 0, false},  {1, 2, 1, true},  {1, 3, 0, true}, {2, 0, 0, true},
                 {1, 1, 99, false}, {0, 9, 9, false}, {0, 0, 0, false}};
    for (const auto& c : cases)
        EXPECT_EQ(kivo::is_newer_manager_version(c.major, c.minor, c.secondary), c.newer)
            << c.major << "." << c.minor << "." << c.secondary;
}

// The time zone a test sets, and the one before it back at the end.
class TimeZoneScope {
public:
    TimeZoneScope()
        : saved_(std::getenv("TZ") != nullptr ? std::optional<std::string>(std::getenv("TZ")) : std::nullopt)
    { }
    ~TimeZoneScope()
    {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
    }
    void set(const char* zone) const { setenv("TZ", zone, 1); }

private:
    std::optional<std::string> saved_;
};

TEST(ServerChoice, TimeZoneChoosesTheServer)
{
    const TimeZoneScope zone_scope;
    const struct {
        const char* zone;
        bool regional;
    } cases[] = {{"Asia/Shanghai", true}, {"Asia/Harbin", true},   {"Asia/Chongqing", true},
                 {"Asia/Kashgar", true},  {"Asia/Urumqi", true},   {"Asia/Hong_Kong", false},
                 {"Asia/Taipei", false},  {"Asia/Tokyo", false},   {"Europe/Berlin", false},
                 {"UTC", false},          {":Asia/Shanghai", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        zone_scope.set(c.zone);
        EXPECT_EQ(kivo::is_china_server(), c.regional);
        EXPECT_EQ(kivo::firmware_server_base(),
                  c.regional ? kivo::addresses::kRegionalServerBase : kivo::addresses::kGlobalServerBase);
    }
    kivo::set_firmware_server_base("http://127.0.0.1:1/kivobluetoothmanager/");
    EXPECT_EQ(kivo::firmware_server_base(), "http://127.0.0.1:1/kivobluetoothmanager/");
    kivo::set_firmware_server_base({});
}

TEST(ServerChoice, IntermediateImagesComeFromTheGlobalServerWhateverTheZone)
{
    const TimeZoneScope zone_scope;
    for (const char* zone : {"Asia/Shanghai", "Asia/Urumqi", "Europe/Berlin", "UTC"}) {
        SCOPED_TRACE(zone);
        zone_scope.set(zone);
        EXPECT_EQ(kivo::global_firmware_server_base(), kivo::addresses::kGlobalServerBase);
    }
    kivo::set_firmware_server_base("http://127.0.0.1:1/kivobluetoothmanager/");
    EXPECT_EQ(kivo::global_firmware_server_base(), "http://127.0.0.1:1/kivobluetoothmanager/");
    kivo::set_firmware_server_base({});
}

// ---- The home page and the offer ----------------------------------------------------------------

class HomePage : public AppTest { };

TEST_F(HomePage, PreselectionFollowsTheStoredProduct)
{
    const struct {
        int stored, selected, target;
    } cases[] = {{0, 0x3142, 0}, {0x4010, 0x4D10, 0x4D10}, {0x5010, 0x5010, 0x5010}};
    for (const auto& c : cases) {
        app().setDeviceTarget(c.stored);
        app().setDeviceSelection();
        EXPECT_EQ(app().deviceSelectionViewController()->deviceTargetSelected(), c.selected) << std::hex << c.stored;
        EXPECT_EQ(app().deviceTarget(), c.target) << "the controller keeps its id until the home button is used";
    }
    app().deviceSelectionViewController()->btnNext()->click();
    EXPECT_EQ(app().deviceTarget(), 0x5010);
    EXPECT_EQ(app().mode(), kModeRecognition);
}

TEST_F(HomePage, LegacyModelButtonsStayHiddenButCarryTheirProducts)
{
    DeviceSelectionViewController* home = app().deviceSelectionViewController();
    const auto buttons = home->view()->findChildren<QPushButton*>(QRegularExpression("^btn(?!Home|Next|Back)"));
    EXPECT_EQ(buttons.size(), 18);
    for (QPushButton* button : buttons) {
        EXPECT_FALSE(button->isVisible()) << button->objectName().toStdString();
        EXPECT_FALSE(button->isEnabled());
        EXPECT_FALSE(button->text().isEmpty());
    }
    EXPECT_EQ(home->ui().btnDALVOR->text().toStdString(), "DALVOR");
    home->targetDeviceSelected(home->ui().btnElmoraHFM);
    EXPECT_EQ(home->deviceTargetSelected(), 0x5040);
    home->targetDeviceSelected(home->ui().btnDALVOR);
    EXPECT_EQ(home->deviceTargetSelected(), 0x4D10) << "0x4010 is shown as 0x4D10";
    home->targetDeviceSelected(nullptr);
    EXPECT_EQ(home->deviceTargetSelected(), 0x4D10);
}

// The application started against a local server that lists a newer manager.
class ManagerOffer : public AppTest {
protected:
    std::string serverBase() override
    {
        server.serve(kListPath, Reply{200, list});
        return server.base();
    }
    LocalHttpServer server;
    std::string list = kKey + ":v1.3:downloads/Manager-1.3.zip\r\n" + kKey + ":1\r\n";
};

TEST_F(ManagerOffer, NewerManagerIsOfferedOnceAndDeclinedToHome)
{
    EXPECT_EQ(app().mode(), kModeManagerUpdate);
    EXPECT_FALSE(app().onProcessing());
    EXPECT_EQ(app().urlManagerUpdate(), server.base() + "downloads/Manager-1.3.zip");
    const Ui::ManagerUpdateView& offer = app().managerUpdateViewController()->ui();
    EXPECT_NE(offer.tfInstruction->text().toStdString().find("to v1.3.1?"), std::string::npos);
    EXPECT_EQ(offer.btnYes->text().toStdString(), "YES");
    EXPECT_FALSE(offer.btnReleaseNotes->isVisible());
    app().changeShortcuts();
    EXPECT_EQ(offer.btnYes->text().toStdString(), "[ENTER]");
    EXPECT_EQ(offer.btnNo->text().toStdString(), "[ESC]");

    offer.btnNo->click();
    EXPECT_EQ(app().mode(), kModeHome);
    EXPECT_FALSE(app().onProcessing()) << "no second check";
    app().setDeviceTarget(0x3142);
    app().deviceRecognition();
    app().deviceSelection();
    EXPECT_EQ(app().mode(), kModeHome);
    EXPECT_FALSE(app().onProcessing());
    EXPECT_FALSE(app().deviceSelectionViewController()->managerCheckRunning());
    EXPECT_EQ(server.requestCount(kListPath), 1);
    EXPECT_NE(server.lastRequest().find("Cache-Control: no-cache"), std::string::npos);
}

TEST_F(ManagerOffer, AcceptingOpensTheDownloadAndEndsAtOnceWithoutTheQuitWork)
{
    ASSERT_EQ(app().mode(), kModeManagerUpdate);
    write_text(configurationFile(), "untouched");
    // The child writes the address it opens where the parent can read it.
    kivo::set_address_opener([](const std::string& address) { std::fprintf(stderr, "opened %s\n", address.c_str()); });
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(app().managerUpdateViewController()->ui().btnYes->click(), ::testing::ExitedWithCode(0),
                "opened http://127\\.0\\.0\\.1:[0-9]+/kivobluetoothmanager/downloads/Manager-1\\.3\\.zip");
    EXPECT_EQ(read_text(configurationFile()), "untouched") << "the configuration is not written";
}

class SameManagerListed : public ManagerOffer {
protected:
    std::string serverBase() override
    {
        list = kKey + ":v1.2:downloads/Manager-1.2.zip\n" + kKey + ":0\n";
        return ManagerOffer::serverBase();
    }
};

TEST_F(SameManagerListed, NoOfferAndTheHomePageIsReady)
{
    EXPECT_EQ(app().mode(), kModeHome);
    EXPECT_FALSE(app().onProcessing());
    EXPECT_TRUE(ui().btnDeviceSelection->isEnabled());
    EXPECT_EQ(statusLine(), "Press NEXT to proceed.");
    EXPECT_EQ(server.requestCount(kListPath), 1);
}

// NEXT pressed while the start-up check still waits for the server.
class EarlyNext : public AppTest {
protected:
    std::string serverBase() override
    {
        server->serve(
            kListPath,
            Reply{200, kKey + ":v1.3:downloads/Manager-1.3.zip\n", neverAnswer, std::chrono::milliseconds(delayMs)});
        return server->base();
    }
    bool waitForManagerCheck() override { return false; }
    DeviceSelectionViewController& home() { return *app().deviceSelectionViewController(); }
    void checkEnds()
    {
        run_events_until([&] { return !home().managerCheckRunning(); });
    }
    // The placeholder recognition page's buttons.
    QPushButton* recognitionButton(const char* name)
    {
        return app().deviceRecognitionViewController()->view()->findChild<QPushButton*>(name);
    }
    void expectRecognitionPageReady()
    {
        EXPECT_EQ(app().mode(), kModeRecognition);
        EXPECT_FALSE(app().onProcessing());
        EXPECT_TRUE(recognitionButton("btnNext")->isEnabled());
        EXPECT_TRUE(recognitionButton("btnBack")->isEnabled());
        EXPECT_TRUE(ui().btnDeviceSelection->isEnabled());
    }

    bool neverAnswer = true;
    int delayMs = 0;
    std::unique_ptr<LocalHttpServer> server = std::make_unique<LocalHttpServer>();
};

TEST_F(EarlyNext, TheRecognitionPageIsReadyAndTheChecksEndLeavesItAlone)
{
    ASSERT_TRUE(home().managerCheckRunning());
    EXPECT_TRUE(app().onProcessing());
    EXPECT_TRUE(home().btnNext()->isEnabled());

    home().btnNext()->click();
    expectRecognitionPageReady();

    server.reset(); // the silent server goes away: the check ends without a list
    checkEnds();
    expectRecognitionPageReady();
    app().setDeviceSelection();
    EXPECT_EQ(app().mode(), kModeHome);
    EXPECT_FALSE(app().onProcessing()) << "the home page is not busy either";
}

TEST_F(EarlyNext, QuitDuringTheCheckStopsItsRead)
{
    ASSERT_TRUE(home().managerCheckRunning());
    int quits = 0;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { ++quits; });
    testing::internal::CaptureStderr();
    app().stopManager();
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(home().managerCheckRunning());
    EXPECT_NE(log.find("manager version list: Operation was aborted by an application callback"), std::string::npos)
        << "the quit ended the read, not its time-out: " << log;
}

class LateNewerList : public EarlyNext {
protected:
    std::string serverBase() override
    {
        neverAnswer = false;
        delayMs = 700;
        return EarlyNext::serverBase();
    }
};

TEST_F(LateNewerList, ANewerManagerFoundAfterNextIsRecordedButNotOfferedOverThePageShown)
{
    home().btnNext()->click();
    expectRecognitionPageReady();
    checkEnds();
    expectRecognitionPageReady();
    EXPECT_TRUE(app().haveNewManagerUpdate());
    EXPECT_EQ(app().urlManagerUpdate(), server->base() + "downloads/Manager-1.3.zip");
}
