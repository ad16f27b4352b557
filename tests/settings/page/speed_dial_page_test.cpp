// The speed-dial page in the whole application, offscreen, with the real controller, recognition
// and save on the simulated bus: the numbers and the empty word, the edit sheet and what its field
// takes, Default and Cancel, the labels, the hand-over of the save prompt's No, the save's results
// through its timer and the busy flag during the recognition after it.

#include "app/message_box_sheet.h"
#include "settings/page/device_settings_speed_dial_page.h"
#include "tests/settings/page/page_test_support.h"
#include "text/localized.h"

namespace {

constexpr uint16_t kHeadset = 0x5440; // records 0x37 to 0x39, opened by the application's own opener

} // namespace

class SpeedDialPage : public SettingsScreensTest {
protected:
    DeviceSettingsSpeedDialViewController& page()
    {
        return *static_cast<DeviceSettingsSpeedDialViewController*>(app().deviceSettingsSpeedDialViewController());
    }
    const Ui::DeviceSettingsSpeedDialView& ui() { return page().ui(); }
    const Ui::SpeedDialEditSheet& sheet() { return page().sheetUi(); }
    QPushButton* numberButton(int i)
    {
        return std::array{ui().btnSpeedDial01, ui().btnSpeedDial02, ui().btnSpeedDial03}[i];
    }

    // The headset with its numbers recognized, and its speed-dial page shown.
    sim::PluggedHeadset showHeadset(const std::array<std::string, 3>& numbers = {"0123456789", "+4930123456", "112"},
                                    const std::function<void(sim::HeadsetPersona&)>& arrange = {})
    {
        sim::bus().reset();
        sim::HeadsetPersona persona;
        persona.product_id = kHeadset;
        persona.name = "Trail Rider";
        sim::keep_speed_dials(persona, numbers);
        if (arrange)
            arrange(persona);
        const sim::PluggedHeadset headset = sim::plug_headset(persona);
        recognizeFor(kHeadset, kModeSpeedDial);
        return headset;
    }

    void editNumber(int i, const QString& text)
    {
        numberButton(i)->click();
        EXPECT_TRUE(page().sheetSpeedDialEdit()->isVisible());
        sheet().tfSpeedDialEdit->setText(text);
        sheet().btnSpeedDialEditOK->click();
    }
};

TEST_F(SpeedDialPage, TheSheetTakesOnlyWhatANumberMayHold)
{
    showHeadset({"0123456789", "", "112"});
    EXPECT_EQ(numberButton(0)->text().toStdString(), "0123456789");
    EXPECT_EQ(numberButton(1)->text().toStdString(), "Empty");
    EXPECT_EQ(ui().lblSpeedDial02->text().toStdString(), "Speed Dial 2");
    EXPECT_FALSE(ui().btnSave->isEnabled());

    numberButton(1)->click();
    ASSERT_TRUE(page().sheetSpeedDialEdit()->isVisible());
    EXPECT_EQ(sheet().lblSpeedDialEditNumber->text().toStdString(), "2");
    EXPECT_TRUE(sheet().tfSpeedDialEdit->text().isEmpty()) << "the empty word is no number";
    QLineEdit* field = sheet().tfSpeedDialEdit;
    field->insert("12345678901234567890");
    field->insert("1");
    EXPECT_EQ(field->text().size(), 20) << "a 21st character is refused";
    field->setText("123");
    field->insert("a");
    field->insert(" ");
    EXPECT_EQ(field->text().toStdString(), "123");
    field->insert("+*#");
    EXPECT_EQ(field->text().toStdString(), "123+*#");

    // A text that reaches OK another way: cut to 20 and kept in the sheet, or kept as it is.
    field->setText("1234567890123456789012345");
    sheet().btnSpeedDialEditOK->click();
    EXPECT_TRUE(page().sheetSpeedDialEdit()->isVisible());
    EXPECT_EQ(field->text().toStdString(), "12345678901234567890");
    EXPECT_EQ(field->selectedText(), field->text());
    field->setText("12a");
    sheet().btnSpeedDialEditOK->click();
    EXPECT_TRUE(page().sheetSpeedDialEdit()->isVisible());
    EXPECT_EQ(field->text().toStdString(), "12a");
    EXPECT_EQ(page().dataCurrent().speedDialAt(1), "");
    sheet().btnSpeedDialEditCancel->click();
    EXPECT_FALSE(page().sheetSpeedDialEdit()->isVisible());

    // An empty field clears a number the device held: something to save.
    editNumber(0, "");
    EXPECT_FALSE(page().sheetSpeedDialEdit()->isVisible());
    EXPECT_EQ(numberButton(0)->text().toStdString(), "Empty");
    EXPECT_TRUE(ui().btnSave->isEnabled());
    ui().btnCancel->click();
    EXPECT_EQ(numberButton(0)->text().toStdString(), "0123456789");
    EXPECT_FALSE(ui().btnSave->isEnabled());
}

TEST_F(SpeedDialPage, DefaultEmptiesTheNumbersAndSaveFollowsTheDevice)
{
    showHeadset({"", "", ""});
    editNumber(2, "5551234");
    EXPECT_TRUE(ui().btnSave->isEnabled());
    ui().btnDefault->click();
    EXPECT_EQ(numberButton(2)->text().toStdString(), "Empty");
    EXPECT_FALSE(ui().btnSave->isEnabled()) << "the defaults equal the device's numbers";

    showHeadset();
    ui().btnDefault->click();
    EXPECT_TRUE(ui().btnSave->isEnabled());
}

TEST_F(SpeedDialPage, LabelsWithShortcuts)
{
    showHeadset();
    app().setShowShortcuts(true);
    page().setControls();
    EXPECT_EQ(ui().lblSpeedDial01->text().toStdString(), "[O]-1");
    EXPECT_EQ(ui().lblSpeedDial03->text().toStdString(), "[O]-3");
    EXPECT_EQ(ui().btnSave->text().toStdString(), "[O][C]-S");
    EXPECT_EQ(ui().btnBack->text().toStdString(), "[C]-\u25C0");
    app().setShowShortcuts(false);
    app().setLanguageManager(kivo::kGerman);
    page().setControls();
    EXPECT_EQ(ui().lblSpeedDial01->text().toStdString(), "Kurzwahl 1");
}

TEST_F(SpeedDialPage, TheNoOfThePromptGoesWhereTheUserWasGoing)
{
    showHeadset();
    editNumber(0, "999");
    page().setModeToGo(103);
    page().moveToModeToGo();
    EXPECT_EQ(app().mode(), kModeHome);

    showHeadset();
    editNumber(0, "999");
    ui().btnBack->click();
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(app().messageBoxStatus(), kBoxSaveSpeedDial);
    box().cancelButton()->click();
    EXPECT_EQ(app().mode(), kModeUpdate);
    EXPECT_EQ(page().dataCurrent().speedDialAt(0), "0123456789") << "the edit is dropped";
}

TEST_F(SpeedDialPage, AGoodSaveWritesTheRecordsAndTheDeviceIsReadAgain)
{
    const sim::PluggedHeadset headset = showHeadset();
    editNumber(1, "+4930123#*");
    editNumber(2, "");
    ui().btnSave->click();
    EXPECT_TRUE(app().onProcessing());
    run_events_until([&] { return page().rcThreadSave() >= 0; });
    EXPECT_EQ(page().rcThreadSave(), 0);
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_EQ(recognitionCaller(), kModeSpeedDial);
    EXPECT_TRUE(app().onProcessing()) << "the re-recognition holds the busy flag";
    page().changeToDefault(ui().btnDefault);
    EXPECT_EQ(page().dataCurrent().speedDialAt(0), "0123456789");

    waitUntilIdle();
    EXPECT_EQ(app().mode(), kModeSpeedDial);
    EXPECT_EQ(statusLine(), "Device setting saved successfully");
    const std::string expected = "+4930123#*";
    EXPECT_EQ(headset.record(0x38), std::vector<uint16_t>(expected.begin(), expected.end()));
    EXPECT_EQ(headset.record(0x39), std::vector<uint16_t>{0});
    EXPECT_EQ(numberButton(1)->text().toStdString(), "+4930123#*");
    EXPECT_EQ(numberButton(2)->text().toStdString(), "Empty");
    EXPECT_FALSE(ui().btnSave->isEnabled());
}

TEST_F(SpeedDialPage, AFailedWriteKeepsTheEditsAndAnotherDeviceRevertsThem)
{
    showHeadset({"0123456789", "+4930123456", "112"}, [](sim::HeadsetPersona& p) { p.failingWrites = {0x37}; });
    editNumber(0, "5551234");
    ui().btnSave->click();
    waitUntilIdle();
    EXPECT_EQ(page().rcThreadSave(), 3);
    EXPECT_EQ(statusLine(), "Failed to save device setting. Cannot save Speed Dial Setting");
    EXPECT_TRUE(app().statusWithWarning());
    EXPECT_EQ(page().dataCurrent().speedDialAt(0), "5551234");
    EXPECT_EQ(app().data().speedDialAt(0), "0123456789");
    EXPECT_TRUE(ui().btnSave->isEnabled());

    sim::bus().reset();
    ui().btnSave->click();
    waitUntilIdle();
    EXPECT_EQ(page().rcThreadSave(), 4);
    EXPECT_EQ(statusLine(), "Failed to save device setting. Not the recognized device");
    EXPECT_EQ(numberButton(0)->text().toStdString(), "0123456789");
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(app().messageBoxStatus(), kBoxToHome);
}

TEST_F(SpeedDialPage, EveryActionButTheMoveOnIsRefusedWhileBusy)
{
    showHeadset();
    editNumber(0, "999");
    app().setOnProcessing(true);
    page().setControls();
    EXPECT_FALSE(numberButton(0)->isEnabled());
    EXPECT_FALSE(ui().btnNewDevice->isEnabled());
    page().openSpeedDialEdit(numberButton(1));
    page().changeToOriginal(ui().btnCancel);
    page().changeToDefault(ui().btnDefault);
    page().save(ui().btnSave);
    page().moveToFirmwareUpdate(ui().btnBack);
    EXPECT_FALSE(page().sheetSpeedDialEdit()->isVisible());
    EXPECT_EQ(page().dataCurrent().speedDialAt(0), "999");
    EXPECT_EQ(app().mode(), kModeSpeedDial);
    app().setOnProcessing(false);
}

TEST_F(SpeedDialPage, EveryTextIsWholeInEveryLanguage)
{
    showHeadset({"0123456789", "", "+4930123456789012345"});
    for (bool shortcuts : {false, true}) {
        for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
            const std::string where = "language " + std::to_string(language) + (shortcuts ? " with shortcuts" : "");
            switchLanguage(language, shortcuts);
            expectTextsWhole(page().view(), where + ", page");
            savePicture(&window(), "speed_dial_page_" + std::to_string(language) + (shortcuts ? "_keys" : ""));
            numberButton(2)->click();
            expectTextsWhole(page().sheetSpeedDialEdit(), where + ", sheet");
            savePicture(page().sheetSpeedDialEdit(), "speed_dial_sheet_" + std::to_string(language));
            sheet().btnSpeedDialEditCancel->click();
        }
    }
}
