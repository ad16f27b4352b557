// Page switching: the first page, the fall-backs, the save prompt of settings pages, the refusal
// of every action while a worker runs.

#include "tests/app/app_fixture.h"
#include "tests/app/spy_pages.h"

#include "app/home_page.h"
#include "app/page_bases.h"
#include "text/app_text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

class Navigation : public AppTest {
protected:
    PageFactory pages() override { return spies.factory(); }
    SpyPages spies;
};

TEST_F(Navigation, StartsOnTheHomePageReadyToProceed)
{
    EXPECT_EQ(app().mode(), kModeHome);
    EXPECT_EQ(ui().lblDetailTitle->text().toStdString(), "WELCOME");
    EXPECT_EQ(statusLine(), "Press NEXT to proceed.");
    EXPECT_TRUE(ui().btnDeviceSelection->isChecked());
    EXPECT_FALSE(ui().btnFirmwareUpdate->isEnabled());
    EXPECT_EQ(app().deviceSelectionViewController()->deviceTargetSelected(), 0x3142) << "the OEM headset";
    EXPECT_EQ(window().windowTitle().toStdString(), "KIVO Bluetooth Manager");
}

TEST_F(Navigation, HomeButtonHandsTheProductToRecognition)
{
    app().deviceSelectionViewController()->btnNext()->click();
    EXPECT_EQ(app().deviceTarget(), 0x3142);
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_EQ(spies.recognition->recognitions, 0) << "caller 0 does not start by itself";
}

TEST_F(Navigation, PagesFallBackWithoutADeviceOrARecognition)
{
    app().setDeviceTarget(0);
    for (int mode = kModeUpdate; mode <= kModeSpeedDial; ++mode) {
        app().setDetailViewController(mode);
        EXPECT_EQ(app().mode(), kModeHome) << "no device: home, from mode " << mode;
    }
    app().setDeviceTarget(0x3142);
    for (int mode = kModeUpdate; mode <= kModeSpeedDial; ++mode) {
        app().setDetailViewController(mode);
        EXPECT_EQ(app().mode(), kModeRecognition) << "not recognized: recognition, from mode " << mode;
        EXPECT_EQ(spies.recognition->callerMode(), 0);
    }
    EXPECT_EQ(spies.recognition->recognitions, 0);
}

TEST_F(Navigation, RecognitionAskedByAPageStartsAndTitlesItself)
{
    app().setDeviceTarget(0x3142);
    KIVOBluetoothDeviceData saved;
    saved.setDeviceName("Saved");
    app().setDeviceRecognitionWithStatus_info_from(true, saved, kModeRestore);
    EXPECT_EQ(spies.recognition->recognitions, 1);
    ASSERT_TRUE(spies.recognition->lastInfo.has_value());
    EXPECT_EQ(spies.recognition->lastInfo->deviceName(), "Saved");
    EXPECT_EQ(ui().lblDetailTitle->text().toStdString(), "FIRMWARE RESTORE > DEVICE RECOGNITION");
    EXPECT_EQ(statusLine(), "Firmware restored successfully. Ready for DEVICE RECOGNITION");
}

TEST_F(Navigation, UnsavedSettingsKeepThePageUntilThePromptIsAnswered)
{
    recognize(0x3142);
    app().setDeviceSettingsWithStatus(true);
    ASSERT_EQ(app().mode(), kModeSettings);
    SpySettingsPage* page = spies.settings[0];
    page->unsaved = true;

    app().deviceSelection();
    EXPECT_EQ(app().mode(), kModeSettings);
    EXPECT_EQ(page->prompts, 1);
    EXPECT_EQ(page->modeToGo(), kModeHome);

    // Declining the save moves on to where the user was going.
    page->moveToModeToGo();
    EXPECT_EQ(app().mode(), kModeHome);
}

TEST_F(Navigation, SettingsButtonFollowsTheProduct)
{
    recognize(0x5310);
    app().setFirmwareUpdateWithStatus(true);
    app().deviceSettings();
    EXPECT_EQ(app().mode(), kModeUpdate) << "0x5310 has no settings";
    EXPECT_FALSE(ui().btnDeviceSettings->isEnabled());

    recognize(0x4111);
    app().deviceSettings();
    EXPECT_EQ(app().mode(), kModeSpeedDial);

    recognize(0x6480, 1, 0);
    app().deviceSettings();
    EXPECT_EQ(app().mode(), kModeSpeedDial) << "below 1.1";
    recognize(0x6480, 1, 1);
    app().deviceSettings();
    EXPECT_EQ(app().mode(), kModeSettings);
}

TEST_F(Navigation, SettingsTabsShowAndSwitchPages)
{
    recognize(0x3142); // tabs: settings, FM radio
    app().setDeviceSettingsWithStatus(true);
    EXPECT_TRUE(ui().lblDetailTitlePagesSecondForeground->isVisible());
    EXPECT_EQ(ui().lblDetailTitlePagesFirstForeground->text().toStdString(), "Basic");
    EXPECT_EQ(ui().lblDetailTitlePagesSecondForeground->text().toStdString(), "FM Radio");
    EXPECT_TRUE(ui().btnDetailTitlePagesSecond->isEnabled());
    app().moveToSecondPage();
    EXPECT_EQ(app().mode(), kModeSecondSettings);
    EXPECT_EQ(app().tabIndexSelected(), 1);
    app().moveToFirstPage();
    EXPECT_EQ(app().mode(), kModeSettings);

    recognize(0x3030); // three tabs: the second opens the list
    app().setDeviceSettingsWithStatus(true);
    EXPECT_EQ(ui().lblDetailTitlePagesSecondForeground->text().toStdString(), "More...");
    app().moveToSecondPage();
    EXPECT_TRUE(app().listTabsOpened());
    EXPECT_TRUE(window().boxListTabsBox->isVisible());
    app().changeSelectionListTabs(1);
    EXPECT_FALSE(app().listTabsOpened());
    EXPECT_EQ(app().mode(), kModeSpeedDial);
}

TEST_F(Navigation, UnknownProductGetsNoTabs)
{
    recognize(0x7777);
    EXPECT_EQ(app().tabCount(), 0);
    EXPECT_EQ(app().GetTabIndexWith(kModeSettings), -1);
    app().setDeviceSettingsWithStatus(true);
    EXPECT_FALSE(ui().lblDetailTitlePagesFirstForeground->isVisible());
}

TEST_F(Navigation, EverythingIsRefusedWhileAWorkerRuns)
{
    recognize(0x3142);
    app().setFirmwareUpdateWithStatus(true);
    app().setOnProcessing(true);
    app().setControls();
    EXPECT_FALSE(ui().btnDeviceSelection->isEnabled());
    EXPECT_FALSE(ui().btnClose->isEnabled());

    bool quit = false;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { quit = true; });
    app().deviceSelection();
    app().goBack();
    app().changeShortcuts();
    app().stopManager();
    window().close();
    EXPECT_EQ(app().mode(), kModeUpdate);
    EXPECT_FALSE(app().showShortcuts());
    EXPECT_FALSE(quit) << "an update must not be cut off half-way";

    app().setOnProcessing(false);
    window().close();
    EXPECT_TRUE(quit);
}

TEST_F(Navigation, ShortcutLabelsReplaceTitles)
{
    app().changeShortcuts();
    EXPECT_EQ(ui().btnDeviceSelection->text().toStdString(), "[C]-S");
    EXPECT_EQ(app().deviceSelectionViewController()->btnNext()->text().toStdString(), "[C]-\u25B6");
    EXPECT_TRUE(ui().lblShortcutsClose->isVisibleTo(&window()));
    app().changeShortcuts();
    EXPECT_EQ(ui().btnDeviceSelection->text().toStdString(), "WELCOME");
}

TEST_F(Navigation, LanguageChangeShowsTheSameStatusInTheNewLanguage)
{
    EXPECT_EQ(statusLine(), "Press NEXT to proceed.");
    app().setLanguageManager(kivo::kGerman);
    app().updateStatusInManagerLanguage();
    EXPECT_EQ(statusLine(), kivo::AppText::tavk_status_default_usb_in(kModeHome, 0, kivo::kGerman));
    EXPECT_NE(statusLine(), "Press NEXT to proceed.");
}

TEST_F(Navigation, SameDeviceUnderAnotherId)
{
    app().setDeviceTarget(0x4D10);
    EXPECT_TRUE(app().isDeviceTargetSameAs(0x4D10));
    EXPECT_TRUE(app().isDeviceTargetSameAs(0x4D30));
    EXPECT_TRUE(app().isDeviceTargetSameAs(0x4D40));
    EXPECT_FALSE(app().isDeviceTargetSameAs(0x4D05));
    app().setDeviceTarget(0x4D30);
    EXPECT_FALSE(app().isDeviceTargetSameAs(0x4D10)) << "the pairs are one-way: connected, then selected";
}

class RelaunchToRecover : public Navigation {
protected:
    void configure(KIVOBluetoothManagerAppController& c) override
    {
        c.setDeviceTarget(0x3142);
        c.setRestartToRecover(true);
        c.setModeRestartToRecover(kModeUpdate);
        c.setStrRestartDFUFirmwareFile(pendingFile);
    }
    std::string pendingFile;
};

TEST_F(RelaunchToRecover, StartsRecognitionOnceWithTheSavedCaller)
{
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_EQ(spies.recognition->recognitions, 1);
    EXPECT_EQ(spies.recognition->lastCaller, kModeUpdate);
    EXPECT_FALSE(app().restartToRecover());
    EXPECT_EQ(app().modeRestartToRecover(), 0);
}

class RelaunchWithPendingFirmware : public RelaunchToRecover {
protected:
    void configure(KIVOBluetoothManagerAppController& c) override
    {
        pendingFile = "/tmp/pending.img";
        RelaunchToRecover::configure(c);
    }
};

TEST_F(RelaunchWithPendingFirmware, StartsRecognitionOnceThroughTheNextButton)
{
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_EQ(spies.recognition->recognitions, 1);
    EXPECT_EQ(spies.recognition->lastCaller, kModeUpdate);
}

TEST_F(Navigation, PanelShowsTheRecognizedDevice)
{
    EXPECT_EQ(ui().lblProduct->text().toStdString(), "No device");
    EXPECT_EQ(ui().lblVersion->text().toStdString(), "recognized");

    recognize(0x3142);
    app().data().setDeviceName("Zeltra 2.0 Kit");
    app().data().setDeviceVersionMajor01(2);
    app().data().setDeviceVersionMinor01(5);
    app().setFirmwareUpdateWithStatus(true);
    EXPECT_EQ(ui().lblProduct->text().toStdString(), "Zeltra 2.0") << "a name with a period loses its last word";
    EXPECT_EQ(ui().lblVersion->text().toStdString(), "v2.5") << "this product shows its module's version";
    EXPECT_FALSE(ui().imgProduct->pixmap().isNull());

    app().setUsbStatus(0x8000);
    app().setControls();
    EXPECT_EQ(ui().lblProduct->text().toStdString(), "Firmware");
    EXPECT_EQ(ui().lblVersion->text().toStdString(), "Management");
}

// A text field as the X11 key bindings make it: it claims every Ctrl key (Ctrl+E end of line, Ctrl+U
// and Ctrl+K delete, Ctrl+Left word movement) before a shortcut may take it.
class GreedyField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ShortcutOverride) {
            e->accept();
            return true;
        }
        return QLineEdit::event(e);
    }
};

TEST_F(Navigation, CommandKeysWinOverATextFieldsOwnKeys)
{
    // Before a key reaches a shortcut, the focused widget is asked whether it wants the key itself.
    auto* field = new GreedyField("text", ui().boxDetail);
    const auto field_takes = [field](Qt::Key key) {
        QKeyEvent asked(QEvent::ShortcutOverride, key, Qt::ControlModifier);
        asked.ignore();
        QApplication::sendEvent(field, &asked);
        return asked.isAccepted();
    };
    for (Qt::Key key : {Qt::Key_E, Qt::Key_U, Qt::Key_K, Qt::Key_S, Qt::Key_1})
        EXPECT_FALSE(field_takes(key)) << key;
    // Arrows keep their meaning in text (word movement).
    EXPECT_TRUE(field_takes(Qt::Key_Left));
    EXPECT_TRUE(field_takes(Qt::Key_Right));
}
