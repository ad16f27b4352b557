// The one message box: sizes, buttons, what its answers do, and a worker that waits for it.

#include <thread>

#include "tests/app/app_fixture.h"
#include "tests/app/spy_pages.h"

#include "app/message_box_layout.h"
#include "common/addresses.h"

class MessageBox : public AppTest {
protected:
    PageFactory pages() override { return spies.factory(); }

    void open(int purpose, bool with_cancel = true, int size = 0)
    {
        app().openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
            "Question?", false, with_cancel ? std::optional<std::string>("NO") : std::nullopt, "YES", size, purpose);
    }
    MessageBoxSheet& box() { return *window().sheetMessageBox; }

    SpyPages spies;
};

TEST(MessageBoxLayout, SizesByCodeAndTheFirstBoxOfARun)
{
    struct Case {
        int code, width, height;
    };
    for (const Case c : {Case{0, 420, 115}, Case{1, 420, 135}, Case{2, 520, 175}, Case{3, 520, 205}, Case{4, 520, 235},
                         Case{5, 530, 355}, Case{6, 520, 265}, Case{7, 840, 240}, Case{8, 720, 180}, Case{9, 0, 0},
                         Case{42, 530, 355}, Case{-1, 530, 355}}) {
        EXPECT_EQ(message_box_size(c.code, false), QSize(c.width, c.height)) << c.code;
        EXPECT_EQ(message_box_size(c.code, true), QSize(c.width, c.height + 20)) << c.code;
    }
}

TEST_F(MessageBox, OkOnlyBoxHidesCancelAndShowsTheWarning)
{
    app().openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat("Careful", true, std::nullopt, "OK",
                                                                                   1, kBoxStatus);
    EXPECT_TRUE(box().isVisible());
    EXPECT_EQ(box().messageText().toStdString(), "Careful");
    EXPECT_TRUE(box().warningShown());
    EXPECT_FALSE(box().cancelButton()->isVisible());
    EXPECT_FALSE(box().cancelButton()->isEnabled());
    EXPECT_EQ(box().okButton()->text().toStdString(), "OK");
    EXPECT_EQ(app().messageBoxStatus(), kBoxStatus);
    box().okButton()->click();
    EXPECT_FALSE(box().isVisible());
    EXPECT_EQ(app().messageBoxStatus(), 0);
}

TEST_F(MessageBox, AnswersActByPurpose)
{
    app().setDeviceTarget(0x3142);
    app().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0);
    open(kBoxToHome);
    box().cancelButton()->click();
    EXPECT_EQ(app().mode(), kModeRecognition) << "cancel only closes";
    open(kBoxToHome);
    box().okButton()->click();
    EXPECT_EQ(app().mode(), kModeHome);

    open(kBoxSupportMail);
    box().cancelButton()->click();
    open(kBoxRecognitionHelp);
    box().cancelButton()->click();
    open(kBoxRecognitionHelp);
    box().okButton()->click();
    ASSERT_EQ(openedAddresses().size(), 2u);
    EXPECT_EQ(openedAddresses()[0], kivo::addresses::kSupportMail);
    EXPECT_EQ(openedAddresses()[1].rfind(kivo::addresses::kGlobalServerBase, 0), 0u);

    recognize(0x3142);
    app().setDeviceSettingsWithStatus(true);
    open(kBoxSaveSettings);
    box().okButton()->click();
    EXPECT_EQ(spies.settings[0]->saves, 1);

    open(kBoxCameraUpdateDone);
    box().okButton()->click();
    EXPECT_EQ(spies.restore->cameraDone, 1) << "outside the update page, the restore page ends it";
}

TEST_F(MessageBox, RestartToRecoverRemembersTheModeAndQuits)
{
    bool quit = false;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { quit = true; });
    recognize(0x3142);
    app().setFirmwareUpdateWithStatus(true);
    open(kBoxRestartToRecover);
    box().okButton()->click();
    EXPECT_TRUE(app().restartToRecover());
    EXPECT_EQ(app().modeRestartToRecover(), kModeUpdate);
    EXPECT_TRUE(quit);
}

TEST_F(MessageBox, WorkerWaitsForTheAnswerFromTheMainThread)
{
    SpyUpdatePage* update = spies.update;
    std::atomic<bool> went_on{false};
    std::thread worker([&] {
        update->setOpenedMessageBox(true);
        app().openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
            "Skip the backup file?", true, "NO", "YES", 2, kBoxSkipRestoreBackup);
        update->answer.waitUntilAnswered();
        went_on = true;
    });
    // The test's own thread asks for the box: a wait on the program's runs would not see it coming.
    run_events_until_unbounded([&] { return box().isVisible(); });
    EXPECT_EQ(box().messageText().toStdString(), "Skip the backup file?");
    EXPECT_FALSE(went_on);
    box().okButton()->click();
    worker.join();
    EXPECT_TRUE(went_on);
    EXPECT_TRUE(app().skipRestoreBackupFile());
}

// A worker's box that waits to be shown does not take over the box still on screen: the answer to
// that one goes where its own purpose says, and the worker's box then gets its answer.
TEST_F(MessageBox, WorkersBoxWaitingToBeShownKeepsItsOwnPurpose)
{
    recognize(0x3142);
    app().setFirmwareUpdateWithStatus(true);
    SpyUpdatePage* update = spies.update;
    open(kBoxCameraUpdateDone, false);
    update->setOpenedMessageBox(true);
    std::thread worker([&] {
        app().openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
            "Skip the backup file?", true, "NO", "YES", 2, kBoxSkipRestoreBackup);
    });
    worker.join(); // asked for, not shown yet: the main thread has not run its events
    EXPECT_EQ(box().messageText().toStdString(), "Question?");
    box().okButton()->click();
    EXPECT_EQ(update->cameraDone, 1) << "the box on screen was the camera's";
    EXPECT_FALSE(app().skipRestoreBackupFile());

    run_events_until([&] { return box().isVisible(); });
    EXPECT_EQ(box().messageText().toStdString(), "Skip the backup file?");
    EXPECT_EQ(app().messageBoxStatus(), kBoxSkipRestoreBackup);
    box().okButton()->click();
    EXPECT_TRUE(app().skipRestoreBackupFile());
    EXPECT_FALSE(update->answer.isOpen()) << "the waiting worker may go on";
}

// A worker closes the box it opened by its number: from the worker the sheet goes once the main
// thread runs; a late close, after a newer box took the screen, leaves that box alone.
TEST_F(MessageBox, WorkerClosesOnlyItsOwnBox)
{
    int own = 0;
    std::thread opener([&] {
        own = app().openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
            "Press the button", true, std::nullopt, std::nullopt, 0, kBoxStatus);
    });
    opener.join();
    run_events_until([&] { return box().isVisible(); });
    int kept = -1;
    std::thread closer([&] { kept = app().closeMessageBox(own); });
    closer.join();
    EXPECT_EQ(kept, kBoxStatus);
    run_events_until([&] { return !box().isVisible(); });
    EXPECT_EQ(app().messageBoxStatus(), 0);

    std::thread second([&] {
        own = app().openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
            "Press the button", true, std::nullopt, std::nullopt, 0, kBoxStatus);
    });
    second.join();
    run_events_until([&] { return box().isVisible(); });
    open(kBoxToHome);
    std::thread late([&] { kept = app().closeMessageBox(own); });
    late.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(kept, 0);
    EXPECT_TRUE(box().isVisible());
    EXPECT_EQ(box().messageText().toStdString(), "Question?");
    EXPECT_EQ(app().messageBoxStatus(), kBoxToHome);
}
