// The recognition page in the whole application, offscreen: a simulated headset recognized end to
// end, the hand-over to the page that asked, what the timer makes of each result, the
// instructions and their links.

#include <QUrl>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "app/address_opener.h"
#include "app/home_page.h"
#include "app/message_box_layout.h"
#include "app/message_box_sheet.h"
#include "app/resource_images.h"
#include "common/clock.h"
#include "main/page_factory.h"
#include "recognition/page/recognition_page.h"
#include "tests/app/app_fixture.h"
#include "tests/sim/hid_headsets.h"
#include "text/localized.h"
#include "update/page/update_page.h"

namespace {

constexpr uint16_t kOemHeadset = 0x3142;

// A page whose device work is a script: it fills the run and returns a chosen result.
class ScriptedRecognitionPage : public DeviceRecognitionViewController {
public:
    using DeviceRecognitionViewController::DeviceRecognitionViewController;
    std::function<int(kivo::RecognitionRun&)> script;
    // When set, the script's run also works on its copy of the record.
    std::function<void(KIVOBluetoothDeviceData&)> recordScript;

protected:
    int recognizeDevice(kivo::RecognitionRun& run, KIVOBluetoothDeviceData& data) const override
    {
        if (recordScript)
            recordScript(data);
        return script(run);
    }
};

// An update page that notes the run to recover its read's end asks for, and starts none: the
// status under test is recognition's.
class RecoveryNotingPage : public UpdateViewController {
public:
    using UpdateViewController::UpdateViewController;
    void updateFirmware(QObject*) override { ++recoveries; }
    int recoveries = 0;
};

} // namespace

class RecognitionPage : public AppTest {
protected:
    PageFactory pages() override { return application_pages(); }

    DeviceRecognitionViewController& page()
    {
        return *static_cast<DeviceRecognitionViewController*>(app().deviceRecognitionViewController());
    }

    void waitUntilDone()
    {
        run_events_until([&] { return !app().onProcessing(); });
    }

    // Recognition asked for by a page, as the update page asks after an update.
    void recognizeFor(int caller)
    {
        app().setDeviceTarget(kOemHeadset);
        app().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, caller);
        waitUntilDone();
    }
};

TEST_F(RecognitionPage, OemHeadsetIsRecognizedFromTheHomePageToThePanel)
{
    sim::plug_headset(sim::oem_headset());
    app().deviceSelectionViewController()->btnNext()->click();
    ASSERT_EQ(app().mode(), kModeRecognition);
    EXPECT_EQ(ui().lblDetailTitle->text().toStdString(), "DEVICE RECOGNITION");
    EXPECT_TRUE(
        page().ui().tvInstruction->toPlainText().contains("connect it to your computer using the supplied USB"));
    EXPECT_TRUE(page().ui().tvInstruction->toPlainText().contains("2. Press the [NEXT >] button."));

    page().btnNext()->click();
    EXPECT_TRUE(app().onProcessing());
    EXPECT_FALSE(page().btnNext()->isEnabled());
    EXPECT_EQ(statusLine(), "On recognizing device.");
    waitUntilDone();

    EXPECT_EQ(app().mode(), kModeUpdate);
    EXPECT_TRUE(app().recognized());
    EXPECT_EQ(statusLine(), "Device recognized successfully. Ready for FIRMWARE UPDATE");
    EXPECT_EQ(ui().lblProduct->text().toStdString(), "VARGO Zeltra");
    EXPECT_EQ(ui().lblVersion->text().toStdString(), "v2.1");
    EXPECT_EQ(app().getImageFileName(), "vargo_zeltra");
    const QImage shown = ui().imgProduct->pixmap().toImage();
    EXPECT_EQ(shown, kivo::images::product_picture("vargo_zeltra", ui().imgProduct->size()).toImage());
    EXPECT_EQ(sim::bus().open_hid_handles(), 0);

    // The worker's texts stay the status of every language.
    app().setLanguageManager(kivo::kGerman);
    app().updateStatusInManagerLanguage();
    EXPECT_EQ(statusLine(), "Gerät erfolgreich erkannt. Bereit für FIRMWARE-AKTUALISIERUNG");
}

TEST_F(RecognitionPage, RecognizedDeviceIsHandedToThePageThatAsked)
{
    sim::plug_headset(sim::oem_headset());
    struct Case {
        int caller;
        int mode;
        const char* status;
    };
    for (const Case c : {Case{kModeUpdate, kModeUpdate, "Firmware updated successfully"},
                         Case{kModeRestore, kModeRestore, "Firmware restored successfully"},
                         Case{kModeSettings, kModeSettings, "Device setting saved successfully"},
                         Case{kModeSpeedDial, kModeSpeedDial, "Device setting saved successfully"},
                         Case{100 + kModeSettings, kModeSettings, "Ready for DEVICE SETTING"}}) {
        SCOPED_TRACE(c.caller);
        recognizeFor(c.caller);
        EXPECT_EQ(app().mode(), c.mode);
        EXPECT_EQ(statusLine(), c.status);
        EXPECT_FALSE(app().statusWithWarning());
    }
}

TEST_F(RecognitionPage, RecognitionStartedAgainRightAfterOneEnds)
{
    sim::plug_headset(sim::oem_headset());
    for (int i = 0; i < 3; ++i) {
        recognizeFor(kModeUpdate);
        ASSERT_EQ(app().mode(), kModeUpdate);
        EXPECT_EQ(app().data().deviceName(), "VARGO Zeltra");
    }
    EXPECT_EQ(sim::bus().open_hid_handles(), 0);
}

TEST_F(RecognitionPage, FailureStaysOnThePageWithTheWorkersReason)
{
    recognizeFor(kModeUpdate);
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_FALSE(app().recognized());
    EXPECT_EQ(statusLine(), "Failed to recognize device. Cannot open USB [-1][N]");
    EXPECT_TRUE(app().statusWithWarning());
    EXPECT_TRUE(page().btnNext()->isEnabled());

    app().setLanguageManager(kivo::kGerman);
    app().updateStatusInManagerLanguage();
    EXPECT_EQ(statusLine(), "Gerät konnte nicht erkannt werden. USB kann nicht geöffnet werden [-1][N]");
}

TEST_F(RecognitionPage, RestoredSettingsAreWrittenBackOrTheStatusSaysWhatWasLost)
{
    KIVOBluetoothDeviceData saved;
    saved.setDeviceRecognized(kOemHeadset);
    saved.setBasicSettingBriskoAt_with(0, 0x1D25);
    saved.setFmRadioCurrentFrequency(9710);
    sim::HeadsetPersona persona = sim::oem_headset();
    const sim::PluggedHeadset plugged = sim::plug_headset(persona);
    app().setDeviceTarget(kOemHeadset);
    app().setDeviceRecognitionWithStatus_info_from(true, saved, kModeRestore);
    waitUntilDone();
    EXPECT_EQ(app().mode(), kModeRestore);
    EXPECT_EQ(plugged.record(0x04).at(0), 0x1D25);
    EXPECT_EQ(app().data().basicSettingBrisko(0), 0x1D25) << "the record shows what the device now holds";
    EXPECT_EQ(app().data().fmRadioCurrentFrequency(), 9710);

    sim::bus().reset();
    persona.failingRecords = {0x15};
    sim::plug_headset(persona);
    app().setDeviceTarget(kOemHeadset);
    app().setDeviceRecognitionWithStatus_info_from(true, saved, kModeRestore);
    waitUntilDone();
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_FALSE(app().recognized());
    EXPECT_EQ(statusLine(), "Failed to recognize device. Cannot restore FM Radio Setting[N]");
    EXPECT_TRUE(app().statusWithWarning());
    EXPECT_EQ(sim::bus().open_hid_handles(), 0);
}

TEST_F(RecognitionPage, InstructionLinksOpenInTheBrowser)
{
    const QString html = DeviceRecognitionViewController::autoLinkURLs(
        "Help: https://help.example.com/recognize. Or www.example.com <now>");
    EXPECT_TRUE(
        html.contains(R"(<a href="https://help.example.com/recognize">https://help.example.com/recognize</a>.)"))
        << html.toStdString();
    EXPECT_TRUE(html.contains(R"(<a href="http://www.example.com">www.example.com</a> &lt;now&gt;)"))
        << html.toStdString();

    app().deviceSelectionViewController()->btnNext()->click();
    emit page().ui().tvInstruction->anchorClicked(QUrl("https://help.example.com/recognize"));
    ASSERT_EQ(openedAddresses().size(), 1u);
    EXPECT_EQ(openedAddresses()[0], "https://help.example.com/recognize");
}

TEST_F(RecognitionPage, PreparedAfterARestartToRecoverSaysWhatToContinue)
{
    app().setDeviceTarget(kOemHeadset);
    app().setRestartToRecover(true);
    app().setModeRestartToRecover(kModeRestore);
    page().initializeObject();
    EXPECT_EQ(statusLine(), "Ready for DEVICE RECOGNITION. continue the firmware restore");
    EXPECT_TRUE(app().statusWithWarning());
    EXPECT_TRUE(page().isFirst());
}

// A clock at which a wait lasts until the run that waits is stopped. A quit that did not stop the
// run at the wait under way would never end, and the test's ctest time-out would report it.
class WaitsUntilStopped final : public kivo::Clock {
public:
    kivo::Duration now() const override { return {}; }
    void sleep_for(kivo::Duration) override
    {
        waits.fetch_add(1);
        while (!kivo::stop_requested())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::atomic<int> waits{0};
};

// With no device a recognition waits between its open tries: quitting or closing the window stops
// it at the wait under way, closes what it opened and quits at once.
TEST_F(RecognitionPage, QuitOrClosingTheWindowStopsARecognitionAtItsWait)
{
    WaitsUntilStopped clock;
    kivo::install_clock(&clock);
    const struct BusClockAgain {
        ~BusClockAgain() { kivo::install_clock(&sim::bus().clock()); }
    } bus_clock_again;
    int quits = 0;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { ++quits; });
    app().setDeviceTarget(kOemHeadset);
    app().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0);
    for (const std::function<void()>& quit :
         std::initializer_list<std::function<void()>>{[&] { app().stopManager(); }, [&] { window().close(); }}) {
        const int quits_before = quits;
        const int waits_before = clock.waits.load();
        page().btnNext()->click();
        ASSERT_TRUE(app().onProcessing());
        run_events_until([&] { return clock.waits.load() > waits_before; });
        ASSERT_TRUE(app().onProcessing()) << "still trying to open a device";

        quit();
        EXPECT_EQ(quits, quits_before + 1);
        EXPECT_FALSE(app().onProcessing());
        EXPECT_FALSE(app().recognized());
        EXPECT_EQ(sim::bus().open_hid_handles(), 0);
        EXPECT_EQ(sim::bus().open_usb_handles(), 0);
    }
}

// ---- Results the timer acts on, from a scripted device run ----------------------------------------

class ScriptedRecognition : public RecognitionPage {
protected:
    PageFactory pages() override
    {
        PageFactory f = application_pages();
        f.recognition = [this](kivo::PageHost& host) {
            auto page = std::make_unique<ScriptedRecognitionPage>(host);
            scripted = page.get();
            return page;
        };
        f.update = [](kivo::PageHost& host, int mode) { return std::make_unique<RecoveryNotingPage>(host, mode); };
        return f;
    }

    // The device run ends with result, having recognized the OEM headset with usb_status.
    void script(int result, int usb_status = kOemHeadset)
    {
        scripted->script = [result, usb_status](kivo::RecognitionRun& run) {
            run.session.deviceTarget = kOemHeadset;
            run.session.recognized = result == kivo::kRecognitionSucceeded;
            run.session.usbStatus = usb_status;
            for (size_t i = 0; i < run.strStatus.size(); ++i)
                run.strStatus[i] = "worker " + std::to_string(i);
            run.doWarn = true;
            return result;
        };
    }

    void start(int caller)
    {
        app().setDeviceTarget(kOemHeadset);
        app().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0);
        scripted->setCallerMode(caller);
        scripted->doRecognize(std::nullopt);
        waitUntilDone();
    }

    MessageBoxSheet& box() { return *window().sheetMessageBox; }

    ScriptedRecognitionPage* scripted = nullptr;
};

TEST_F(ScriptedRecognition, DeviceInFirmwareManagementModeKeepsTheWorkersText)
{
    struct Case {
        int caller;
        bool restart_dfu;
        int mode;
        const char* status;
        bool warning;
    };
    for (const Case c :
         {Case{0, false, kModeUpdate, "worker 0", true}, Case{kModeUpdate, false, kModeUpdate, "worker 0", true},
          Case{kModeUpdate, true, kModeUpdate, "Firmware updated successfully", false},
          Case{kModeSettings, false, kModeSettings, "worker 0", true},
          Case{100 + kModeSettings, false, kModeSettings, "worker 0", true}}) {
        SCOPED_TRACE(testing::Message() << c.caller << (c.restart_dfu ? " with a restart-DFU pending" : ""));
        app().setStrRestartDFUFirmwareFile(c.restart_dfu ? "pending.dfu" : "");
        script(kivo::kRecognitionSucceeded, 0x8000 | kOemHeadset);
        start(c.caller);
        EXPECT_EQ(app().mode(), c.mode);
        EXPECT_EQ(statusLine(), c.status);
        EXPECT_EQ(app().statusWithWarning(), c.warning);
        if (c.restart_dfu) {
            auto& update = *static_cast<RecoveryNotingPage*>(app().updateViewController());
            run_events_until([&] { return !update.readActive(); });
            EXPECT_EQ(update.recoveries, 1) << "the update page goes on with the run to recover";
        }
    }
}

TEST_F(ScriptedRecognition, OtherDeviceAsksToSelectAgain)
{
    script(kivo::kRecognitionOtherDevice);
    start(0);
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_TRUE(box().isVisible());
    EXPECT_EQ(box().messageText().toStdString(),
              "A device other than the VARGO Zeltra is recognized. Select the appropriate device.");
    EXPECT_FALSE(box().cancelButton()->isVisible());
    box().okButton()->click();
    EXPECT_EQ(app().mode(), kModeHome);
}

TEST_F(ScriptedRecognition, FailureAfterUpdatingAnotherProductOffersARestart)
{
    app().setDeviceUpdatedOrRestored(0x5310);
    script(kivo::kRecognitionFailed);
    start(0);
    EXPECT_TRUE(box().isVisible());
    EXPECT_EQ(box().messageText().toStdString(),
              "Restarting KIVO Bluetooth Manager may fix this problem.\nWould you like to restart KIVO Bluetooth "
              "Manager?\n");
    EXPECT_EQ(box().okButton()->text().toStdString(), "YES");
    EXPECT_EQ(statusLine(), "Failed to recognize device. worker 0") << "no page letter with the question";
    EXPECT_TRUE(app().statusWithWarning());

    int quits = 0;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { ++quits; });
    box().okButton()->click();
    EXPECT_EQ(quits, 1);
}

TEST_F(ScriptedRecognition, UnknownResultOnlyEndsTheRun)
{
    script(9);
    start(0);
    EXPECT_FALSE(app().onProcessing());
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_FALSE(box().isVisible());
    EXPECT_EQ(statusLine(), "On recognizing device.");
    EXPECT_TRUE(page().btnNext()->isEnabled());
}

// The worker works on its own copies: while it runs, the main thread may read and write the
// controller's record and session (ThreadSanitizer watches), and what the run found becomes the
// controller's only when its outcome is applied.
TEST_F(ScriptedRecognition, WorkerLeavesTheControllerAloneUntilItsOutcomeIsApplied)
{
    std::atomic<bool> main_thread_went_on{false};
    scripted->recordScript = [&](KIVOBluetoothDeviceData& data) {
        for (int i = 0; i < 200; ++i)
            data.setDeviceName("worker " + std::to_string(i));
        while (!main_thread_went_on.load())
            std::this_thread::yield();
    };
    script(kivo::kRecognitionSucceeded);
    app().setDeviceTarget(kOemHeadset);
    app().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0);
    scripted->setCallerMode(kModeUpdate);
    scripted->doRecognize(std::nullopt);
    for (int i = 0; i < 200; ++i) {
        app().data().setDeviceName("main " + std::to_string(i));
        app().session().fmRadioShowAndHide = i;
        EXPECT_FALSE(app().recognized());
    }
    main_thread_went_on.store(true);
    waitUntilDone();
    EXPECT_EQ(app().data().deviceName(), "worker 199");
    EXPECT_TRUE(app().recognized());
    EXPECT_EQ(app().mode(), kModeUpdate);
}

// A recognition that writes a saved record back after an update is part of that update: quitting
// stays refused until it ends.
TEST_F(ScriptedRecognition, QuitStaysRefusedWhileARecognitionWritesASavedRecordBack)
{
    std::atomic<bool> written_back{false};
    scripted->recordScript = [&](KIVOBluetoothDeviceData&) {
        while (!written_back.load())
            std::this_thread::yield();
    };
    script(kivo::kRecognitionSucceeded);
    int quits = 0;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { ++quits; });
    app().setDeviceTarget(kOemHeadset);
    app().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0);
    scripted->setCallerMode(kModeUpdate);
    scripted->doRecognize(KIVOBluetoothDeviceData{});
    app().stopManager();
    window().close();
    EXPECT_EQ(quits, 0);
    EXPECT_TRUE(app().onProcessing());
    written_back.store(true);
    waitUntilDone();
    EXPECT_EQ(app().mode(), kModeUpdate);
    app().stopManager();
    EXPECT_EQ(quits, 1);
}
