// The page's timer at the end of a run, in the whole application offscreen, with a fake worker
// that leaves its results in the shared block as a real run would: the closing boxes, the
// hand-over to recognition, the status line and its colour.

#include <QObject>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "app/message_box_sheet.h"
#include "device/backup_archive.h"
#include "tests/app/app_fixture.h"
#include "tests/app/spy_pages.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/backup_file.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::UpdateTexts;

namespace {

// A worker that runs a script over the shared block, then says it has finished; or, as the camera's
// run does, leaves up the box whose OK ends the run and returns without a word.
class FakeWorkerPage : public UpdateViewController {
public:
    using UpdateViewController::UpdateViewController;
    std::function<void(kivo::UpdateShared&)> script;
    bool boxEndsRun = false;

protected:
    void runUpdate(kivo::UpdateInputs, kivo::UpdateShared& shared, kivo::UpdateHost& host) override
    {
        shared.change([](kivo::UpdateProgress& p) { p.updateRestoreError = 1; });
        if (script)
            script(shared);
        if (boxEndsRun) {
            host.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
                "Switch the camera off and on", true, std::nullopt, "OK", 3, kBoxCameraUpdateDone);
            return;
        }
        shared.setUpdateFinished(true);
    }
};

// What a worker leaves when it ends.
std::function<void(kivo::UpdateShared&)> ends_at(int shown, int error, const std::string& status = "")
{
    return [=](kivo::UpdateShared& shared) {
        shared.change([&](kivo::UpdateProgress& p) {
            p.updateProcessed = shown;
            p.updateRestoreError = error;
        });
        shared.setUpdateStatus(kivo::status_in_every_language([&](int) { return status; }));
    };
}

} // namespace

class UpdateTimer : public AppTest {
protected:
    PageFactory pages() override
    {
        PageFactory factory = spies.factory();
        factory.update = [this](kivo::PageHost& host, int mode) {
            auto page = std::make_unique<FakeWorkerPage>(host, mode);
            (mode == kModeUpdate ? update : restore) = page.get();
            return page;
        };
        return factory;
    }

    // Starts a run on the page of mode for the product and lets it end.
    void runOn(int product, std::function<void(kivo::UpdateShared&)> script, int mode = kModeUpdate)
    {
        recognize(product, 2, 3);
        app().setUsbStatus(product);
        app().data().setDeviceSecondaryVersionType(1);
        app().data().setDeviceSecondaryVersion(4);
        if (mode == kModeUpdate)
            app().setFirmwareUpdateWithStatus(true);
        else
            app().setFirmwareRestoreWithStatus(true);
        FakeWorkerPage* page = mode == kModeUpdate ? update : restore;
        page->script = std::move(script);
        page->startUpdateRun("/tmp/firmware-v2.4.img");
        EXPECT_EQ(page->state(), mode == kModeUpdate ? kStateUpdateRunning : kStateRestoreRunning);
        EXPECT_TRUE(app().onProcessing());
        run_events_until([&] { return !page->runActive(); });
    }

    MessageBoxSheet& box() { return *window().sheetMessageBox; }
    std::string boxText() { return box().messageText().toStdString(); }

    SpyPages spies;
    FakeWorkerPage* update = nullptr;
    FakeWorkerPage* restore = nullptr;
};

TEST_F(UpdateTimer, SuccessHandsTheDeviceToRecognition)
{
    runOn(0x4D10, ends_at(100, 0));
    EXPECT_EQ(update->state(), kStateIdle);
    EXPECT_FALSE(app().onProcessing());
    EXPECT_TRUE(box().isVisible());
    EXPECT_EQ(boxText(), UpdateTexts::stringMessageReconfigure(0));
    EXPECT_EQ(app().messageBoxStatus(), kBoxStatus);
    EXPECT_EQ(box().okButton()->text().toStdString(), "OK");
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_EQ(spies.recognition->recognitions, 1);
    EXPECT_EQ(spies.recognition->lastCaller, kModeUpdate);
    EXPECT_FALSE(spies.recognition->lastInfo.has_value()) << "an update writes no settings back";
    EXPECT_EQ(statusLine(), AppText::tavk_status_success_usb_in(kModeUpdate, 0x4D10, 0));
    EXPECT_FALSE(app().statusWithWarning());
    EXPECT_EQ(app().deviceUpdatedOrRestored(), 0x4D10);
    EXPECT_EQ(app().indexRestartDFUFirmwareLanguage(), -1);
    box().okButton()->click();

    // The restore page loads the backup at every refresh; the run hands that record over.
    KIVOBluetoothDeviceData backup;
    backup.setDeviceName("Backed up");
    backup.setManagerVersionMajor(1);
    std::filesystem::create_directories(archiveFolder());
    ASSERT_TRUE(kivo::write_backup_archive(backup, kivo::backup_archive_file(archiveFolder(), 0x4D10)));
    runOn(0x4D10, ends_at(100, 0), kModeRestore);
    EXPECT_EQ(spies.recognition->recognitions, 2);
    EXPECT_EQ(spies.recognition->lastCaller, kModeRestore);
    ASSERT_TRUE(spies.recognition->lastInfo.has_value());
    EXPECT_EQ(spies.recognition->lastInfo->deviceName(), "Backed up");
}

TEST_F(UpdateTimer, TwoDeviceProductIsToldToPowerCycle)
{
    runOn(0x5310, ends_at(100, 0));
    const std::string success = AppText::tavk_status_success_usb_in(kModeUpdate, 0x5310, 0);
    EXPECT_EQ(boxText(),
              kivo::fill_format(UpdateTexts::stringMessagePowerOnPowerOff(0),
                                {success, kivo::ProductNames::tavk_product_name_for_internal(0x5310, true)}));
    EXPECT_FALSE(box().warningShown());
    box().okButton()->click();

    runOn(0x5310, ends_at(57, 1, "Failed"));
    EXPECT_EQ(boxText(),
              kivo::fill_format(UpdateTexts::stringMessageSWitchOnSwitchOff(0),
                                {kivo::ProductNames::tavk_product_name_for_internal(0x5310, true)}));
    EXPECT_TRUE(box().warningShown());
    EXPECT_EQ(app().messageBoxStatus(), kBoxStatus);
    EXPECT_EQ(statusLine(), "Failed");
    EXPECT_EQ(app().mode(), kModeUpdate) << "no hand-over after a failure";
}

TEST_F(UpdateTimer, FailureEndingsByTheirCode)
{
    runOn(0x4D10, ends_at(57, 1, "Failed, code 1"));
    EXPECT_FALSE(box().isVisible());
    EXPECT_EQ(statusLine(), "Failed, code 1");
    EXPECT_TRUE(app().statusWithWarning());

    runOn(0x4D10, ends_at(0, 2, "Not the recognized device"));
    EXPECT_EQ(boxText(), AppText::tavk_string_recognized_device_not_selected_in(0));
    EXPECT_EQ(app().messageBoxStatus(), kBoxToHome);
    box().okButton()->click();
    EXPECT_EQ(app().mode(), kModeHome);

    bool quit = false;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { quit = true; });
    runOn(0x4D10, ends_at(0, 3, "Firmware corrupted"));
    EXPECT_EQ(boxText(),
              kivo::fill_format(UpdateTexts::stringMessageManagerRestart(0),
                                {"Firmware corrupted", kivo::ProductNames::tavk_title_in(0, 0)}));
    EXPECT_EQ(app().messageBoxStatus(), kBoxQuit);
    EXPECT_FALSE(quit);
    box().okButton()->click();
    EXPECT_TRUE(quit);
}

TEST_F(UpdateTimer, IdTheRunFoundTheDeviceUnderIsTheSessionsOnceTheRunHasEnded)
{
    runOn(0x6020, [](kivo::UpdateShared& shared) {
        shared.setUsbStatusFound(0x6021);
        ends_at(3, 1)(shared);
    });
    EXPECT_EQ(app().usbStatus(), 0x6021);
    runOn(0x6020, ends_at(3, 1));
    EXPECT_EQ(app().usbStatus(), 0x6020);
}

TEST_F(UpdateTimer, RestartToRecoverRemembersTheRunAndQuits)
{
    bool quit = false;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { quit = true; });
    runOn(0x4D10, ends_at(30, 4));
    EXPECT_TRUE(quit);
    EXPECT_TRUE(app().restartToRecover());
    EXPECT_EQ(app().modeRestartToRecover(), kModeUpdate);
    EXPECT_EQ(app().strRestartDFUFirmwareFile(), "/tmp/firmware-v2.4.img");
    EXPECT_EQ(app().indexRestartDFUFirmwareLanguage(), -1);
    EXPECT_EQ(app().session().deviceVersionRestartDFU, (FirmwareQuad{2, 3, 1, 4}));
}

TEST_F(UpdateTimer, PlainStatusProductsAreNeverShownAsWarning)
{
    runOn(0x3142, ends_at(57, 1, "Failed"));
    EXPECT_FALSE(app().statusWithWarning());
    runOn(0x5590, ends_at(57, 1, "Failed"));
    EXPECT_TRUE(app().statusWithWarning());
}

TEST_F(UpdateTimer, BarIsPacedWhileTheWorkerRuns)
{
    std::atomic<int> seen{0};
    runOn(0x5590, [&](kivo::UpdateShared& shared) {
        shared.setAddUpdateProcessed(90);
        // The timer's ticks pace the bar; a pacing that never comes is a hang for the test's time-out.
        while (shared.progress().updateProcessed < 2)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        seen = shared.progress().updateProcessed;
        ends_at(100, 0)(shared);
    });
    EXPECT_GE(seen.load(), 2);
}

TEST_F(UpdateTimer, ManyShortRunsEachSucceedAndHandOverOnce)
{
    constexpr int kRuns = 30;
    for (int i = 0; i < kRuns; ++i) {
        runOn(0x5590, [](kivo::UpdateShared& shared) {
            for (int p = 1; p <= 100; p += 33)
                shared.setUpdateProcessed(std::min(p, 100));
            shared.change([](kivo::UpdateProgress& p) {
                p.addUpdateProcessed = 99;
                p.updateRestoreError = 0;
                p.updateProcessed = 100;
            });
        });
        EXPECT_EQ(statusLine(), AppText::tavk_status_success_usb_in(kModeUpdate, 0x5590, 0)) << i;
    }
    EXPECT_EQ(spies.recognition->recognitions, kRuns);
}

TEST_F(UpdateTimer, LatestVersionTextsAndTheirForms)
{
    recognize(0x4D10);
    app().setFirmwareUpdateWithStatus(true);
    EXPECT_TRUE(update->getLatestVersionFromString("2.10"));
    EXPECT_EQ(update->latestVersionMajor(), 2);
    EXPECT_EQ(update->latestVersionMinor(), 10);
    for (const char* malformed : {"2.1.3", "2", ""}) {
        EXPECT_FALSE(update->getLatestVersionFromString(malformed)) << malformed;
        EXPECT_EQ(update->latestVersionMinor(), 10) << "left as it was";
    }
    EXPECT_TRUE(update->getLatestVersionFromString("3.x"));
    EXPECT_EQ(update->latestVersionMinor(), 0);
    EXPECT_TRUE(update->getLumoraLatestVersionFromString("1.0.2.5"));
    EXPECT_EQ(update->latestVersionSecondaryType(), 1);
    EXPECT_EQ(update->latestVersionSecondary(), 0);
    EXPECT_EQ(update->latestVersionMajor(), 2);
    EXPECT_EQ(update->latestVersionMinor(), 5);
    EXPECT_FALSE(update->getLumoraLatestVersionFromString("1.0.2"));

    recognize(0x5060);
    EXPECT_TRUE(update->changePSKeyTorvikWith("3323F1"));
    EXPECT_FALSE(update->changePSKeyTorvikWith("333585"));
}

TEST_F(UpdateTimer, CameraConfirmationEndsTheRunAsASuccess)
{
    std::atomic<bool> release{false};
    recognize(0x4D10);
    app().setUsbStatus(0x4D10);
    app().setFirmwareUpdateWithStatus(true);
    update->script = [&](kivo::UpdateShared&) {
        while (!release)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    update->startUpdateRun("/tmp/camera.img");
    app().openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat("Done?", false, std::nullopt, "OK",
                                                                                   3, kBoxCameraUpdateDone);
    release = true;
    box().okButton()->click();
    EXPECT_TRUE(update->checkLumoraUpdateComplete());
    run_events_until([&] { return !update->runActive(); });
    EXPECT_EQ(spies.recognition->recognitions, 1);
}

TEST_F(UpdateTimer, CameraRunWhoseWorkerHasReturnedWaitsBusyForItsBoxOk)
{
    recognize(0x3020);
    app().setUsbStatus(0xB020);
    app().setFirmwareUpdateWithStatus(true);
    update->boxEndsRun = true;
    update->script = ends_at(40, 1, "On updating firmware.");
    update->startUpdateRun("/tmp/camera.img");
    run_events_until([&] { return box().isVisible(); });
    // Ticks go by: the run stays up, the page busy, the quit refused.
    run_events_for(200);
    EXPECT_TRUE(update->runActive());
    EXPECT_EQ(update->state(), kStateUpdateRunning);
    EXPECT_TRUE(app().onProcessing());
    bool quit = false;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { quit = true; });
    app().stopManager();
    EXPECT_FALSE(quit);
    EXPECT_TRUE(box().isVisible());
    EXPECT_EQ(app().messageBoxStatus(), kBoxCameraUpdateDone);

    box().okButton()->click();
    run_events_until([&] { return !update->runActive(); });
    EXPECT_FALSE(app().onProcessing());
    EXPECT_EQ(statusLine(), AppText::tavk_status_success_usb_in(kModeUpdate, 0xB020, 0));
    EXPECT_FALSE(box().isVisible()) << "no ending box for the camera";
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_EQ(spies.recognition->recognitions, 1);
}
