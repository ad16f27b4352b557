// Quitting with unsaved edits on a settings page, in the whole application offscreen with the real
// pages and saves on the simulated bus: Ctrl+Q, the power button and the window's close button ask
// the page's save question, as leaving the page does; NO quits without saving, YES saves and quits
// once the save has ended, a failed save keeps the manager open with its message, and the quit
// stays refused while the save runs.

#include <QAction>
#include <QPushButton>

#include <functional>
#include <string>
#include <vector>

#include "app/message_box_sheet.h"
#include "recognition/usb_ps_keys.h"
#include "settings/page/device_settings_page.h"
#include "settings/page/device_settings_second_page.h"
#include "settings/page/device_settings_speed_dial_page.h"
#include "tests/settings/page/page_test_support.h"
#include "tests/sim/usb_headsets.h"

namespace {

constexpr char kPrompt[] = "Would you like to save DEVICE SETTING changes?";

// One settings page: the device it is shown for, an edit, and what the device holds of that edit.
struct PageCase {
    const char* name;
    int mode;
    int purpose;
    // Plugs the device (its writes failing when asked) and shows the page for it.
    std::function<void(bool failing_writes)> show;
    std::function<void()> edit;
    // The edit is in the shared record and on the device.
    std::function<bool()> saved;
};

} // namespace

class QuitWithEdits : public SettingsScreensTest {
protected:
    void SetUp() override
    {
        SettingsScreensTest::SetUp();
        QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [this] { ++quits; });
    }

    DeviceSettingsViewController& settingsPage()
    {
        return *static_cast<DeviceSettingsViewController*>(app().deviceSettingsViewController());
    }
    DeviceSettingsSecondViewController& fmPage()
    {
        return *static_cast<DeviceSettingsSecondViewController*>(app().deviceSettingsSecondViewController());
    }
    DeviceSettingsSpeedDialViewController& speedDialPage()
    {
        return *static_cast<DeviceSettingsSpeedDialViewController*>(app().deviceSettingsSpeedDialViewController());
    }

    std::vector<PageCase> pageCases()
    {
        return {
            {"settings page", kModeSettings, kBoxSaveSettings,
             [this](bool) {
                 sim::bus().reset();
                 usbHeadset = sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x5040, "Aldero")));
                 recognizeFor(0x5040, kModeSettings);
                 sidetone = 1 - app().data().sidetone();
             },
             [this] {
                 const Ui::DeviceSettingsView& ui = settingsPage().ui();
                 (sidetone == 1 ? ui.enableSidetone : ui.disableSidetone)->click();
             },
             [this] {
                 const auto& word = usbHeadset->usb.ps_store->keys.at(kivo::ps_key::kBasicSettings);
                 return app().data().sidetone() == sidetone && ((word[0] >> 8) & 1) == sidetone;
             }},
            {"FM radio page", kModeSecondSettings, kBoxSaveSecondSettings,
             [this](bool failing_writes) {
                 sim::bus().reset();
                 sim::HeadsetPersona persona = sim::oem_headset();
                 if (failing_writes)
                     persona.failingWrites = {0x15};
                 hidHeadset = sim::plug_headset(persona);
                 recognizeFor(0x3142, kModeSecondSettings);
             },
             [this] { fmPage().ui().disableFMRadioRDS->click(); },
             [this] { return app().data().fmRadioRDS() == 0 && hidHeadset.record(0x15).at(13) == 0; }},
            {"speed-dial page", kModeSpeedDial, kBoxSaveSpeedDial,
             [this](bool failing_writes) {
                 sim::bus().reset();
                 sim::HeadsetPersona persona;
                 persona.product_id = 0x5440;
                 persona.name = "Trail Rider";
                 sim::keep_speed_dials(persona, {"0123456789", "+4930123456", "112"});
                 if (failing_writes)
                     persona.failingWrites = {0x37};
                 hidHeadset = sim::plug_headset(persona);
                 recognizeFor(0x5440, kModeSpeedDial);
             },
             [this] {
                 speedDialPage().ui().btnSpeedDial01->click();
                 speedDialPage().sheetUi().tfSpeedDialEdit->setText("999");
                 speedDialPage().sheetUi().btnSpeedDialEditOK->click();
             },
             [this] {
                 return app().data().speedDialAt(0) == "999" &&
                     hidHeadset.record(0x37) == std::vector<uint16_t>{'9', '9', '9'};
             }},
        };
    }

    // The three ways of quitting.
    struct Trigger {
        const char* name;
        std::function<void()> quit;
    };
    std::vector<Trigger> triggers()
    {
        return {{"Ctrl+Q", [this] { ui().menuItemQuit->trigger(); }},
                {"the power button", [this] { ui().btnClose->click(); }},
                {"the window's close button", [this] { window().close(); }}};
    }

    void expectThePrompt(const PageCase& page)
    {
        ASSERT_TRUE(box().isVisible());
        EXPECT_EQ(app().messageBoxStatus(), page.purpose);
        EXPECT_EQ(box().messageText().toStdString(), kPrompt);
        EXPECT_EQ(box().cancelButton()->text().toStdString(), "NO");
        EXPECT_EQ(box().okButton()->text().toStdString(), "YES");
        EXPECT_EQ(quits, 0) << "nothing ends before the answer";
    }

    // The page shown with an edit, Ctrl+Q, and YES to the question.
    void answerYesToTheQuitsPrompt(const PageCase& page, bool failing_writes)
    {
        page.show(failing_writes);
        page.edit();
        ui().menuItemQuit->trigger();
        expectThePrompt(page);
        box().okButton()->click();
    }

    int quits = 0;
    int sidetone = 0;
    std::shared_ptr<sim::Device> usbHeadset;
    sim::PluggedHeadset hidHeadset;
};

TEST_F(QuitWithEdits, EveryWayOfQuittingAsksAndNoQuitsWithoutSaving)
{
    for (const PageCase& page : pageCases()) {
        SCOPED_TRACE(page.name);
        page.show(false);
        ui().menuItemQuit->trigger();
        EXPECT_EQ(quits, 1) << "no edit: the quit is at once";
        EXPECT_EQ(app().messageBoxStatus(), kBoxNone);
        quits = 0;

        const KIVOBluetoothDeviceData held = app().data();
        for (const Trigger& trigger : triggers()) {
            SCOPED_TRACE(trigger.name);
            app().setDetailViewController(page.mode); // the page afresh, as the last answer left it
            page.edit();
            trigger.quit();
            expectThePrompt(page);
            box().cancelButton()->click();
            EXPECT_EQ(quits, 1);
            EXPECT_EQ(app().messageBoxStatus(), kBoxNone) << "no second question";
            EXPECT_FALSE(app().onProcessing()) << "nothing saved";
            quits = 0;
        }
        EXPECT_FALSE(page.saved());
        EXPECT_EQ(app().data().sidetone(), held.sidetone());
        EXPECT_EQ(app().data().fmRadioRDS(), held.fmRadioRDS());
        EXPECT_EQ(app().data().speedDialAt(0), held.speedDialAt(0));
    }
}

TEST_F(QuitWithEdits, YesSavesAndQuitsOnceTheSaveHasEnded)
{
    for (const PageCase& page : pageCases()) {
        SCOPED_TRACE(page.name);
        answerYesToTheQuitsPrompt(page, false);
        EXPECT_TRUE(app().onProcessing());
        for (const Trigger& trigger : triggers())
            trigger.quit();
        EXPECT_EQ(quits, 0) << "the quit waits for the save";
        EXPECT_EQ(app().messageBoxStatus(), kBoxNone);

        run_events_until([&] { return quits != 0; });
        EXPECT_EQ(quits, 1);
        EXPECT_TRUE(page.saved());
        EXPECT_EQ(app().mode(), page.mode) << "no read of the device after the save";
        EXPECT_FALSE(app().onProcessing());
        quits = 0;
    }
}

TEST_F(QuitWithEdits, AFailedSaveKeepsTheManagerOpenWithItsMessage)
{
    for (const PageCase& page : pageCases()) {
        if (page.mode == kModeSettings)
            continue; // its save fails only by the device's absence, tested with the page
        SCOPED_TRACE(page.name);
        answerYesToTheQuitsPrompt(page, true);
        waitUntilIdle();
        EXPECT_EQ(quits, 0);
        EXPECT_EQ(app().mode(), page.mode);
        EXPECT_TRUE(app().statusWithWarning());
        EXPECT_EQ(statusLine().rfind("Failed to save device setting. Cannot save ", 0), 0u) << statusLine();
        EXPECT_FALSE(page.saved());

        // The edits stay: the next quit asks again.
        ui().menuItemQuit->trigger();
        expectThePrompt(page);
        box().cancelButton()->click();
        EXPECT_EQ(quits, 1);
        quits = 0;
    }
}
