// The settings page's save and its end, offscreen in the whole application: what each result shows
// and does, the busy flag that holds every action from Save until the device has been read again,
// and the prompt that asks before unsaved edits are left.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/message_box_layout.h"
#include "app/message_box_sheet.h"
#include "recognition/usb_ps_keys.h"
#include "settings/save/save_messages.h"
#include "tests/settings/page/settings_page_fixture.h"
#include "tests/sim/hid_headsets.h"
#include "tests/sim/usb_headsets.h"

using namespace kivo::settings;

namespace {

constexpr char kOtherDeviceMessage[] =
    "Recognized device is not connected or is not the same as the connected device.\nSelect appropriate device.";
constexpr char kPrompt[] = "Would you like to save DEVICE SETTING changes?";

} // namespace

class SettingsSave : public SettingsPageTest {
protected:
    RecognitionPageBase& recognition() { return *app().deviceRecognitionViewController(); }
    void waitForSaveEnd()
    {
        run_events_until([&] { return page().rcThreadSave() != kSaveRunning; });
    }

    // The sidetone cell that is not checked now.
    QAbstractButton* otherSidetoneCell()
    {
        return ui().radioSidetone->checkedId() == 0 ? ui().disableSidetone : ui().enableSidetone;
    }
};

TEST_F(SettingsSave, EachResultShowsItsTextAndKeepsOrRevertsTheEdits)
{
    struct Case {
        SettingsSaveResult code;
        const char* english;
        const char* german;
        bool otherDevice; // reverted, with the box
    };
    const Case cases[] = {
        {kSaveUsbOpenFailed, "Failed to save device setting. Cannot open USB",
         "Geräteeinstellung konnte nicht gespeichert werden. USB kann nicht geöffnet werden", true},
        {kSaveManagementMode, "Failed to save device setting. Firmware management mode",
         "Geräteeinstellung konnte nicht gespeichert werden. Firmware-Verwaltungsmodus", true},
        {kSaveIntercomVoxKeyFailed, "Failed to save device setting. Cannot save VOX Intercom",
         "Geräteeinstellung konnte nicht gespeichert werden. VOX-Sprechanlage kann nicht gespeichert werden", false},
        {kSavePhoneVoxKeyFailed, "Failed to save device setting. Cannot save VOX Phone",
         "Geräteeinstellung konnte nicht gespeichert werden. VOX-Telefon kann nicht gespeichert werden", false},
        {kSaveFeaturesKeyFailed, "Failed to save device setting. Cannot save EDR",
         "Geräteeinstellung konnte nicht gespeichert werden. EDR kann nicht gespeichert werden", false},
        {kSaveRadioGainKeyFailed, "Failed to save device setting. Cannot save Radio Transmit Gain",
         "Geräteeinstellung konnte nicht gespeichert werden. Radio-Übertragungsr. kann nicht gespeichert werden",
         false},
        {kSaveChannelTimeoutKeyFailed, "Failed to save device setting. Cannot save Audio Channel Timeout",
         "Geräteeinstellung konnte nicht gespeichert werden. Audiokanal Time-out kann nicht gespeichert werden", false},
        {kSaveWriteFailed, "Failed to save device setting. Cannot save Device Setting",
         "Geräteeinstellung konnte nicht gespeichert werden. Geräteeinstellung kann nicht gespeichert werden", false},
        {kSaveNotRecognized, "Failed to save device setting. Not the recognized device",
         "Geräteeinstellung konnte nicht gespeichert werden. Nicht das erkannte Gerät", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.english);
        app().data().setSidetone(1);
        enter(0x4D10, 5, 1);
        ui().disableSidetone->click();
        counting().saveScript = [code = c.code] { return code; };
        // As the prompt's YES leaves it: the move waits for a save that succeeds.
        page().setModeToGo(kModeSpeedDial);

        ui().btnSave->click();
        EXPECT_TRUE(app().onProcessing());
        EXPECT_EQ(page().rcThreadSave(), kSaveRunning);
        EXPECT_EQ(statusLine(), "On saving device setting.");
        EXPECT_FALSE(app().statusWithWarning());
        EXPECT_FALSE(ui().btnSave->isEnabled());
        waitForSaveEnd();

        EXPECT_FALSE(app().onProcessing());
        EXPECT_EQ(app().mode(), kModeSettings);
        EXPECT_EQ(statusLine(), c.english);
        EXPECT_TRUE(app().statusWithWarning());
        EXPECT_EQ(app().data().sidetone(), 1) << "the recognized record keeps what the device holds";
        EXPECT_EQ(page().dataCurrent().sidetone(), c.otherDevice ? 1 : 0);
        EXPECT_EQ(ui().radioSidetone->checkedId(), c.otherDevice ? 0 : 1);
        EXPECT_EQ(ui().btnSave->isEnabled(), !c.otherDevice) << "kept edits can be saved again";
        EXPECT_EQ(page().modeToGo(), 0);
        app().setLanguageManager(kivo::kGerman);
        app().updateStatusInManagerLanguage();
        EXPECT_EQ(statusLine(), c.german);
        app().setLanguageManager(kivo::kEnglish);
        app().updateStatusInManagerLanguage();

        if (!c.otherDevice) {
            EXPECT_EQ(app().messageBoxStatus(), kBoxNone);
            continue;
        }
        ASSERT_EQ(app().messageBoxStatus(), kBoxToHome);
        EXPECT_EQ(box().messageText().toStdString(), kOtherDeviceMessage);
        EXPECT_TRUE(box().warningShown());
        EXPECT_FALSE(box().cancelButton()->isVisible());
        EXPECT_EQ(box().okButton()->text().toStdString(), "OK");
        EXPECT_EQ(box().width(), message_box_size(1, false).width());
        box().okButton()->click();
        EXPECT_EQ(app().mode(), kModeHome) << "the box's OK leads home, without a prompt";
    }
}

TEST_F(SettingsSave, SuccessHandsTheSavedCopyToRecognitionForThePageAfterIt)
{
    EXPECT_EQ(save_status_set(kSaveSucceeded, kModeSettings, 0x4D10)[kivo::kEnglish],
              "Device setting saved successfully");
    EXPECT_EQ(save_status_set(kSaveSucceeded, kModeSettings, 0x4D10)[kivo::kGerman],
              "Geräteeinstellung erfolgreich gespeichert");
    for (const auto& [modeToGo, caller] : {std::pair{0, kModeSettings}, std::pair{kModeSpeedDial, 109}}) {
        SCOPED_TRACE(modeToGo);
        app().data().setSidetone(1);
        enter(0x4D10, 5, 1);
        ui().disableSidetone->click();
        counting().saveScript = [] { return kSaveSucceeded; };
        page().setModeToGo(modeToGo);
        ui().btnSave->click();
        waitForSaveEnd();
        // Recognition runs now and holds the busy flag; its page says so.
        EXPECT_EQ(app().mode(), kModeRecognition);
        EXPECT_EQ(recognition().callerMode(), caller);
        EXPECT_TRUE(app().onProcessing());
        EXPECT_EQ(statusLine(), "On recognizing device.");
        waitUntilIdle();
    }
}

TEST_F(SettingsSave, EveryActionWaitsWhileTheSaveAndTheReadAfterItRun)
{
    const auto device = sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x4D10, "Aldero")));
    sim::GateRelease release(device->gate);
    readAndEnter(0x4D10);
    QAbstractButton* cell = otherSidetoneCell();
    const int edited = 1 - page().dataCurrent().sidetone();
    cell->click();
    ASSERT_TRUE(ui().btnSave->isEnabled());

    int quits = 0;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { ++quits; });
    const std::vector<std::pair<const char*, std::function<void()>>> actions = {
        {"Save", [&] { page().save(ui().btnSave); }},
        {"Default", [&] { page().changeToDefault(ui().btnDefault); }},
        {"Cancel", [&] { page().changeToOriginal(ui().btnCancel); }},
        {"Back", [&] { page().moveToFirmwareUpdate(ui().btnBack); }},
        {"New Device", [&] { page().moveToDeviceSelection(ui().btnNewDevice); }},
        {"a change handler",
         [&] {
             ui().enableSidetone->setChecked(edited == 0);
             page().changeSidetone(ui().radioSidetone);
         }},
        {"the first tab", [&] { app().moveToFirstPage(); }},
        {"the second tab", [&] { app().moveToSecondPage(); }},
        {"a tab of the list", [&] { app().changeSelectionListTabs(1); }},
        {"the window's Next", [&] { app().goNext(); }},
        {"the window's Back", [&] { app().goBack(); }},
        {"the home key", [&] { app().deviceSelection(); }},
    };
    auto expect_all_refused = [&](int mode, const std::string& status) {
        for (const auto& [name, act] : actions) {
            SCOPED_TRACE(name);
            act();
            EXPECT_EQ(app().mode(), mode);
            EXPECT_TRUE(app().onProcessing());
            EXPECT_EQ(page().dataCurrent().sidetone(), edited);
            EXPECT_EQ(app().messageBoxStatus(), kBoxNone);
            EXPECT_EQ(statusLine(), status);
        }
    };

    // The save is held at its first write to the chip.
    device->gate.hold(sim::ps_key_write());
    ui().btnSave->click();
    run_events_until([&] { return device->gate.held(); });
    expect_all_refused(kModeSettings, "On saving device setting.");
    app().stopManager();
    EXPECT_EQ(quits, 0) << "quitting is refused while a save writes";
    EXPECT_EQ(page().rcThreadSave(), kSaveRunning);

    // The read that follows is held at its first question to the chip.
    device->gate.hold(sim::ps_key_read(0x02A3));
    device->gate.release();
    run_events_until([&] { return device->gate.held(); });
    EXPECT_EQ(page().rcThreadSave(), kSaveSucceeded);
    expect_all_refused(kModeRecognition, "On recognizing device.");

    device->gate.release();
    waitUntilIdle();
    EXPECT_EQ(app().mode(), kModeSettings);
    EXPECT_EQ(statusLine(), "Device setting saved successfully");
    EXPECT_EQ(app().data().sidetone(), edited) << "read from the device";
    EXPECT_EQ(ui().radioSidetone->checkedId(), edited == 1 ? 0 : 1);
    EXPECT_FALSE(ui().btnSave->isEnabled());

    // Everything answers again.
    otherSidetoneCell()->click();
    EXPECT_EQ(page().dataCurrent().sidetone(), 1 - edited);
    page().changeToOriginal(ui().btnCancel);
    EXPECT_EQ(page().dataCurrent().sidetone(), edited);
    app().goNext();
    EXPECT_EQ(app().mode(), kModeHome);
}

TEST_F(SettingsSave, LeavingWithEditsAsksAndNoLeavesWithoutThem)
{
    const auto device = sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x5040, "Aldero")));
    readAndEnter(0x5040);
    const int held = app().data().sidetone();
    const std::vector<uint16_t> basic_word = device->usb.ps_store->keys.at(kivo::ps_key::kBasicSettings);
    struct Leave {
        const char* name;
        std::function<void()> act;
        int mode;
    };
    const Leave leaves[] = {
        {"FM radio page", [&] { app().setDeviceSettingsSecondWithStatus(true); }, kModeSecondSettings},
        {"update page", [&] { ui().btnBack->click(); }, kModeUpdate},
        {"home page", [&] { ui().btnNewDevice->click(); }, kModeHome},
    };
    for (const Leave& leave : leaves) {
        SCOPED_TRACE(leave.name);
        waitUntilIdle();
        app().setDeviceSettingsWithStatus(true);
        ASSERT_EQ(app().mode(), kModeSettings);
        otherSidetoneCell()->click();
        leave.act();
        EXPECT_EQ(app().mode(), kModeSettings);
        ASSERT_EQ(app().messageBoxStatus(), kBoxSaveSettings);
        EXPECT_EQ(box().messageText().toStdString(), kPrompt);
        EXPECT_FALSE(box().warningShown());
        EXPECT_EQ(box().cancelButton()->text().toStdString(), "NO");
        EXPECT_EQ(box().okButton()->text().toStdString(), "YES");
        EXPECT_EQ(box().width(), message_box_size(0, false).width());
        box().cancelButton()->click();
        EXPECT_EQ(app().mode(), leave.mode);
        EXPECT_EQ(app().messageBoxStatus(), kBoxNone) << "no second prompt";
        EXPECT_EQ(page().dataCurrent().sidetone(), held);
    }
    EXPECT_EQ(device->usb.ps_store->keys.at(kivo::ps_key::kBasicSettings), basic_word) << "nothing saved";

    // An edit set back is no edit.
    readAndEnter(0x5040);
    otherSidetoneCell()->click();
    otherSidetoneCell()->click();
    ui().btnNewDevice->click();
    EXPECT_EQ(app().mode(), kModeHome);
    EXPECT_EQ(app().messageBoxStatus(), kBoxNone);
}

TEST_F(SettingsSave, YesSavesAndTheChosenPageFollowsTheRead)
{
    const auto device = sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x5040, "Aldero")));
    readAndEnter(0x5040);
    const int edited = 1 - app().data().sidetone();
    otherSidetoneCell()->click();
    ui().btnBack->click();
    ASSERT_EQ(app().messageBoxStatus(), kBoxSaveSettings);
    box().okButton()->click();
    EXPECT_TRUE(app().onProcessing());
    EXPECT_EQ(statusLine(), "On saving device setting.");
    waitForSaveEnd();
    run_events_until([&] { return !app().onProcessing() && app().mode() == kModeUpdate; });
    EXPECT_EQ(app().data().sidetone(), edited) << "read from the device";
    const auto keys = device->usb.ps_store->keys;
    EXPECT_EQ((keys.at(kivo::ps_key::kBasicSettings)[0] >> 8) & 1, edited);
}

TEST_F(SettingsSave, AnInvalidTimeoutStopsSave)
{
    enter(0x5210, 1, 0);
    ui().tfACT->setText("61");
    page().save(ui().btnSave);
    EXPECT_FALSE(app().onProcessing());
    EXPECT_EQ(page().rcThreadSave(), kSaveSucceeded) << "no save ran";
    ASSERT_EQ(app().messageBoxStatus(), kBoxStatus);
    EXPECT_EQ(box().messageText().toStdString(),
              "Audio Channel Timeout should be between 3 and 60. Enter valid value again.");
}

TEST_F(SettingsSave, TheSheetsPromptAnswersThroughThePagesRoutes)
{
    app().data().setSidetone(1);
    enter(0x4D10, 5, 1);
    ui().disableSidetone->click();
    auto sheetPrompt = [&] {
        app().openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(kPrompt, false, "NO", "YES", 0,
                                                                                       kBoxAllSettingsSave);
    };
    // NO: the edits go, the page stays and shows the device's values.
    sheetPrompt();
    box().cancelButton()->click();
    EXPECT_EQ(app().mode(), kModeSettings);
    EXPECT_EQ(page().dataCurrent().sidetone(), 1);
    EXPECT_EQ(ui().radioSidetone->checkedId(), 0);
    EXPECT_FALSE(ui().btnSave->isEnabled());

    // YES: the save starts.
    ui().disableSidetone->click();
    counting().saveScript = [] { return kSaveWriteFailed; };
    sheetPrompt();
    box().okButton()->click();
    EXPECT_TRUE(app().onProcessing());
    waitForSaveEnd();
    EXPECT_EQ(statusLine(), "Failed to save device setting. Cannot save Device Setting");
}

TEST_F(SettingsSave, OemHeadsetSavesItsFlagsAndSettingsWords)
{
    const sim::PluggedHeadset headset = sim::plug_headset(sim::oem_headset_with_settings());
    readAndEnter(0x3142);
    ASSERT_EQ(app().data().VARGOFMRadio(), 1);
    const std::vector<uint16_t> words_before = headset.record(0x04);
    const bool sidetone_before = page().dataCurrent().GetBasicSettingVantorSidetone() != 0;

    // The handlers with the columns the all-settings table's rows send: FM radio Disable, the
    // sidetone column not shown now, and the same for the overlay volume management, whose row
    // shows the stored bit inverted.
    QButtonGroup cells;
    auto* enable = new QRadioButton(ui().panel);
    auto* disable = new QRadioButton(ui().panel);
    cells.addButton(enable, 0);
    cells.addButton(disable, 1);
    auto act = [&](HandlerId id, int column) {
        cells.button(column)->setChecked(true);
        page().change(id, &cells);
    };
    act(HandlerId::changeFMRadioOnVargo, 1);
    act(HandlerId::changeSidetone, sidetone_before ? 1 : 0);
    const int management = page().dataCurrent().GetBasicSettingVantorAudioOverlayVolumeManagement();
    act(HandlerId::changeAudioOverlayVolumeManagement, management == 0 ? 1 : 0);
    EXPECT_NE(page().dataCurrent().GetBasicSettingVantorAudioOverlayVolumeManagement(), management)
        << "the edit reaches the record";
    ASSERT_TRUE(page().isSettingsChanged());

    ui().btnSave->click();
    waitForSaveEnd();
    EXPECT_EQ(page().rcThreadSave(), kSaveSucceeded);
    waitUntilIdle();
    EXPECT_EQ(app().mode(), kModeSettings);
    EXPECT_EQ(statusLine(), "Device setting saved successfully");

    EXPECT_EQ(headset.record(0x09), std::vector<uint16_t>{0x0200}) << "FM radio off, smartphone kept";
    const std::vector<uint16_t> words_after = headset.record(0x04);
    ASSERT_EQ(words_after.size(), words_before.size());
    EXPECT_NE(words_after, words_before);
    const KIVOBluetoothDeviceData& read = app().data();
    EXPECT_EQ(read.VARGOFMRadio(), 0);
    EXPECT_EQ(read.VARGOSmartphoneConnet(), 1);
    EXPECT_EQ(read.GetBasicSettingVantorSidetone() != 0, !sidetone_before);
    EXPECT_NE(read.GetBasicSettingVantorAudioOverlayVolumeManagement(), management);
    for (size_t i = 0; i < words_after.size(); ++i)
        EXPECT_EQ(read.basicSettingBrisko(static_cast<int>(i)), words_after[i]) << i;
    EXPECT_FALSE(page().isSettingsChanged());
}

TEST_F(SettingsSave, EveryResultTextIsWholeInTheStatusLineInEveryLanguage)
{
    QLineEdit* field = window().ui.tfStatus;
    const QFontMetrics metrics(field->font());
    // The frame and the field's own text margins.
    constexpr int kMargins = 12;
    for (int code = kSaveSucceeded; code <= kSaveNotRecognized; ++code) {
        const kivo::StatusTextSet texts = save_status_set(static_cast<SettingsSaveResult>(code), kModeSettings, 0x4D10);
        for (int language = 0; language < kivo::kStatusLanguageCount; ++language) {
            const QString text = QString::fromStdString(texts[static_cast<size_t>(language)]);
            EXPECT_LE(metrics.horizontalAdvance(text), field->width() - kMargins) << text.toStdString();
        }
    }
}
