// The FM radio page in the whole application, offscreen, with the real controller, recognition
// and save on the simulated bus: a product without an FM block, Save only after a change, the edit
// sheet and its warning, the save's results through its timer, the busy flag during the save and
// the recognition after it, and the save prompt on leaving.

#include <tuple>

#include "app/message_box_sheet.h"
#include "settings/fm_radio.h"
#include "settings/page/device_settings_second_page.h"
#include "settings/page/stepper.h"
#include "tests/link/test_opener.h"
#include "tests/settings/page/page_test_support.h"
#include "text/localized.h"

namespace {

constexpr uint16_t kOemHeadset = 0x3142;
constexpr uint16_t kNoFmBlock = 0x4050; // has the FM tab, keeps no FM block

} // namespace

class FmRadioPage : public SettingsScreensTest {
protected:
    DeviceSettingsSecondViewController& page()
    {
        return *static_cast<DeviceSettingsSecondViewController*>(app().deviceSettingsSecondViewController());
    }
    const Ui::DeviceSettingsSecondView& ui() { return page().ui(); }
    const Ui::FmRadioPresetEditSheet& sheet() { return page().sheetUi(); }

    // The OEM headset recognized and its FM page shown, as recognition hands back to it.
    sim::PluggedHeadset showOemHeadset(sim::HeadsetPersona persona = sim::oem_headset())
    {
        sim::bus().reset();
        const sim::PluggedHeadset headset = sim::plug_headset(persona);
        recognizeFor(kOemHeadset, kModeSecondSettings);
        return headset;
    }

    void editPreset(int row, const QString& text)
    {
        page().openFMRadioPresetEdit(presetButton(row));
        ASSERT_TRUE(page().sheetFMRadioPresetEdit()->isVisible());
        sheet().tfFMRadioPresetEdit->setText(text);
        sheet().btnFMRadioPresetEditOK->click();
    }

    QPushButton* presetButton(int row)
    {
        return page().view()->findChild<QPushButton*>(numbered("btnFMRadioPreset", row));
    }
    QCheckBox* presetBox(int row) { return page().view()->findChild<QCheckBox*>(numbered("cbFMRadioPreset", row)); }
    static QString numbered(const char* outlet, int row)
    {
        return QString("%1%2").arg(outlet).arg(row + 1, 2, 10, QChar('0'));
    }
};

TEST_F(FmRadioPage, AProductWithoutAnFmBlockShowsItsRecordOnceWithNothingToEdit)
{
    recognize(kNoFmBlock);
    app().data().setFmRadioRegion(4);
    app().data().setFmRadioPresetsAt_with(0, 9010);
    app().setDeviceSettingsSecondWithStatus(true);

    EXPECT_EQ(app().mode(), kModeSecondSettings);
    EXPECT_EQ(ui().popUpFMRadioRegion->currentIndex(), 4);
    EXPECT_EQ(presetButton(0)->text().toStdString(), "90.1");
    for (QWidget* edit : {static_cast<QWidget*>(ui().popUpFMRadioRegion), static_cast<QWidget*>(presetBox(0)),
                          static_cast<QWidget*>(presetButton(0)), static_cast<QWidget*>(ui().radioFMRadioRDS),
                          static_cast<QWidget*>(ui().btnDefault), static_cast<QWidget*>(ui().btnCancel),
                          static_cast<QWidget*>(ui().btnSave)})
        EXPECT_FALSE(edit->isEnabled()) << edit->objectName().toStdString();
    EXPECT_TRUE(ui().btnBack->isEnabled());
    EXPECT_TRUE(ui().btnNewDevice->isEnabled());
    EXPECT_FALSE(page().checkNeedToSave());
    ui().btnNewDevice->click();
    EXPECT_EQ(app().mode(), kModeHome);
}

TEST_F(FmRadioPage, OneProductHidesTheRegionAndSixPresetProductsShowSixRows)
{
    for (const auto& [product, region_shown, rows] :
         {std::tuple{0x3128, false, 10}, std::tuple{0x6010, true, 6}, std::tuple{0x3142, true, 10}}) {
        SCOPED_TRACE(testing::Message() << std::hex << product);
        recognize(product);
        app().setDeviceSettingsSecondWithStatus(true);
        ASSERT_EQ(app().mode(), kModeSecondSettings);
        EXPECT_EQ(ui().popUpFMRadioRegion->isVisible(), region_shown);
        EXPECT_EQ(ui().lblFMRadioRegion->isVisible(), region_shown);
        for (int row = 0; row < 10; ++row)
            EXPECT_EQ(presetBox(row)->isVisible(), row < rows) << "row " << row + 1;
        app().setDeviceSelection();
    }
}

TEST_F(FmRadioPage, AStepperIsASmallPairOfArrowsThatStepsByTheRegionsSpacing)
{
    showOemHeadset();
    auto* stepper = page().view()->findChild<Stepper*>("stepperFMRadioPreset01");
    ASSERT_NE(stepper, nullptr);
    QCoreApplication::processEvents();
    EXPECT_LE(stepper->width(), 20);
    EXPECT_LE(stepper->height(), presetButton(0)->height() + 4);
    for (const auto& [region, spacing] : {std::pair{0, 10}, std::pair{1, 20}}) {
        SCOPED_TRACE(region);
        ui().popUpFMRadioRegion->setCurrentIndex(region);
        page().changeFMRadioRegion(ui().popUpFMRadioRegion);
        const int before = page().dataCurrent().fmRadioPresetsAt(0);
        stepper->stepUp();
        EXPECT_EQ(page().dataCurrent().fmRadioPresetsAt(0), before + spacing);
        EXPECT_EQ(presetButton(0)->text().toStdString(), kivo::settings::fm_mhz_text(before + spacing));
        stepper->stepDown();
        EXPECT_EQ(page().dataCurrent().fmRadioPresetsAt(0), before);
    }
}

TEST_F(FmRadioPage, SaveIsOfferedOnlyForAChangeAndTheSheetWarnsOfAFrequencyTheRegionRejects)
{
    showOemHeadset();
    EXPECT_EQ(presetButton(1)->text().toStdString(), "95.1");
    EXPECT_FALSE(ui().btnSave->isEnabled());
    EXPECT_FALSE(presetButton(3)->isEnabled()) << "an empty preset is edited through its box";

    // The Americas take every other 100 kHz step from 87.5 MHz.
    ui().popUpFMRadioRegion->setCurrentIndex(1);
    page().changeFMRadioRegion(ui().popUpFMRadioRegion);
    EXPECT_TRUE(ui().btnSave->isEnabled());
    EXPECT_EQ(presetButton(1)->text().toStdString(), "95.1");
    editPreset(0, "88.0");
    EXPECT_TRUE(page().sheetFMRadioPresetEdit()->isVisible()) << "the warning stays";
    EXPECT_TRUE(sheet().btnFMRAdioPresetEditWarning->isVisible());
    EXPECT_FALSE(sheet().tfFMRadioPresetEdit->isVisible());
    EXPECT_FALSE(sheet().btnFMRadioPresetEditOK->isEnabled());
    EXPECT_EQ(sheet().btnFMRAdioPresetEditWarning->text().toStdString(),
              " FM Radio preset should be between 87.5\n MHz and 107.9 MHz. Enter valid value\n again.");
    EXPECT_EQ(page().dataCurrent().fmRadioPresetsAt(0), 8750) << "nothing stored";

    sheet().btnFMRAdioPresetEditWarning->click();
    EXPECT_TRUE(sheet().tfFMRadioPresetEdit->isVisible());
    EXPECT_EQ(sheet().lblFMRadioPresetEditRange->text().toStdString(), "(87.5 MHz ~ 107.9 MHz)");
    sheet().tfFMRadioPresetEdit->setText("88.1");
    sheet().btnFMRadioPresetEditOK->click();
    EXPECT_FALSE(page().sheetFMRadioPresetEdit()->isVisible());
    EXPECT_EQ(page().dataCurrent().fmRadioPresetsAt(0), 8810);
    EXPECT_EQ(presetButton(0)->text().toStdString(), "88.1");

    ui().btnFMRadioRDS->click();
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(app().messageBoxStatus(), kBoxStatus);
    EXPECT_TRUE(box().messageText().startsWith("[RDS (Radio Data System) AF (Alternative Frequencies)]\n"));
    box().okButton()->click();

    // Cancel brings the device's values back, and nothing is left to save.
    ui().btnCancel->click();
    EXPECT_EQ(page().dataCurrent().fmRadioPresetsAt(0), 8750);
    EXPECT_FALSE(ui().btnSave->isEnabled());
    // Default is the factory block: another magic code and no presets.
    ui().btnDefault->click();
    EXPECT_EQ(presetButton(0)->text().toStdString(), "Empty");
    EXPECT_TRUE(ui().btnSave->isEnabled());
}

TEST_F(FmRadioPage, AGoodSaveTakesTheEditsAndHandsOverToRecognitionWhichBringsThePageBack)
{
    const sim::PluggedHeadset headset = showOemHeadset();
    ui().popUpFMRadioRegion->setCurrentIndex(4);
    page().changeFMRadioRegion(ui().popUpFMRadioRegion);
    editPreset(0, "99.9");
    presetBox(3)->click(); // takes 101.7 MHz of preset 3
    ui().disableFMRadioRDS->click();
    // The read that follows the save is held at its first settings question, so that the page
    // is seen while the device is read again, however fast the read would end.
    headset.headset->gate.hold(sim::hid_command(COMMAND_READ_SETTINGS));
    ui().btnSave->click();
    EXPECT_EQ(page().rcThreadSave(), -1);
    EXPECT_TRUE(app().onProcessing());
    EXPECT_EQ(statusLine(), "On saving device setting.");

    run_events_until([&] { return headset.headset->gate.held(); });
    EXPECT_EQ(page().rcThreadSave(), 0);
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_EQ(recognitionCaller(), kModeSecondSettings);
    EXPECT_TRUE(app().onProcessing()) << "the re-recognition holds the busy flag";
    page().changeToDefault(ui().btnDefault);
    page().save(ui().btnSave);
    EXPECT_EQ(page().rcThreadSave(), 0) << "nothing is accepted while the device is read again";

    headset.headset->gate.release();
    waitUntilIdle();
    EXPECT_EQ(app().mode(), kModeSecondSettings);
    EXPECT_EQ(statusLine(), "Device setting saved successfully");
    EXPECT_EQ(headset.record(0x15),
              (std::vector<uint16_t>{0x66E9, 9510, 2, 9990, 9510, 10170, 10170, 0, 0, 0, 0, 0, 0, 0, 4}));
    EXPECT_EQ(presetButton(0)->text().toStdString(), "99.9");
    EXPECT_EQ(presetButton(3)->text().toStdString(), "101.7");
    EXPECT_EQ(ui().popUpFMRadioRegion->currentText().toStdString(), "Europe");
    EXPECT_TRUE(ui().disableFMRadioRDS->isChecked());
    EXPECT_FALSE(ui().btnSave->isEnabled());
}

TEST_F(FmRadioPage, AFailedWriteKeepsTheEditsAndAnotherDeviceRevertsThemWithTheBox)
{
    sim::HeadsetPersona refusing = sim::oem_headset();
    refusing.failingWrites = {0x15};
    showOemHeadset(refusing);
    editPreset(0, "99.9");
    ui().btnSave->click();
    waitUntilIdle();
    EXPECT_EQ(page().rcThreadSave(), 3);
    EXPECT_EQ(app().mode(), kModeSecondSettings);
    EXPECT_EQ(statusLine(), "Failed to save device setting. Cannot save FM Radio Setting");
    EXPECT_TRUE(app().statusWithWarning());
    EXPECT_EQ(page().dataCurrent().fmRadioPresetsAt(0), 9990) << "the edits stay for another try";
    EXPECT_EQ(app().data().fmRadioPresetsAt(0), 8750);
    EXPECT_TRUE(ui().btnSave->isEnabled());
    EXPECT_FALSE(box().isVisible());

    // The headset gone: not the recognized device.
    sim::bus().reset();
    ui().btnSave->click();
    waitUntilIdle();
    EXPECT_EQ(page().rcThreadSave(), 4);
    EXPECT_EQ(statusLine(), "Failed to save device setting. Not the recognized device");
    EXPECT_EQ(page().dataCurrent().fmRadioPresetsAt(0), 8750) << "reverted to the device's values";
    EXPECT_EQ(presetButton(0)->text().toStdString(), "87.5");
    EXPECT_TRUE(box().isVisible());
    EXPECT_EQ(app().messageBoxStatus(), kBoxToHome);
    EXPECT_EQ(box().messageText().toStdString(),
              "Recognized device is not connected or is not the same as the connected device.\nSelect appropriate "
              "device.");
    box().okButton()->click();
    EXPECT_EQ(app().mode(), kModeHome);
}

TEST_F(FmRadioPage, EveryActionIsRefusedWhileBusy)
{
    showOemHeadset();
    app().setListTabsOpened(true);
    app().setOnProcessing(true);
    page().setControls();
    const KIVOBluetoothDeviceData before = page().dataCurrent();
    ui().popUpFMRadioRegion->setCurrentIndex(5);
    page().changeFMRadioRegion(ui().popUpFMRadioRegion);
    page().checkFMRadioPreset(presetBox(4));
    page().changeToDefault(ui().btnDefault);
    page().openFMRadioPresetEdit(presetButton(0));
    page().displayInformation(ui().btnFMRadioRDS);
    page().save(ui().btnSave);
    page().moveToDeviceSelection(ui().btnNewDevice);
    EXPECT_FALSE(kivo::settings::fm_settings_changed(kOemHeadset, before, page().dataCurrent()));
    EXPECT_FALSE(page().sheetFMRadioPresetEdit()->isVisible());
    EXPECT_FALSE(box().isVisible());
    EXPECT_EQ(app().mode(), kModeSecondSettings);
    EXPECT_TRUE(app().listTabsOpened()) << "a refused action leaves the list of tabs alone";
    EXPECT_FALSE(ui().btnBack->isEnabled());
    EXPECT_FALSE(presetBox(0)->isEnabled());

    // The region's menu closes the list of tabs, busy or not.
    page().menuWillOpen();
    EXPECT_FALSE(app().listTabsOpened());
    app().setOnProcessing(false);
}

TEST_F(FmRadioPage, LeavingWithAChangeAsksAndEachAnswerActs)
{
    showOemHeadset();
    ui().btnNewDevice->click();
    EXPECT_EQ(app().mode(), kModeHome) << "nothing changed: no prompt";

    showOemHeadset();
    ui().disableFMRadioRDS->click();
    ui().btnNewDevice->click();
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(app().messageBoxStatus(), kBoxSaveSecondSettings);
    EXPECT_EQ(box().messageText().toStdString(), "Would you like to save DEVICE SETTING changes?");
    EXPECT_EQ(box().cancelButton()->text().toStdString(), "NO");
    box().cancelButton()->click();
    EXPECT_EQ(app().mode(), kModeHome);

    showOemHeadset();
    ui().disableFMRadioRDS->click();
    ui().btnBack->click();
    ASSERT_TRUE(box().isVisible());
    box().okButton()->click();
    run_events_until([&] { return page().rcThreadSave() >= 0; });
    EXPECT_EQ(recognitionCaller(), 100 + kModeUpdate);
    waitUntilIdle();
    EXPECT_EQ(app().mode(), kModeUpdate);
    EXPECT_EQ(app().data().fmRadioRDS(), 0);
}

TEST_F(FmRadioPage, AFailedSaveFromThePromptDropsTheMoveSoALaterSaveKeepsThePage)
{
    sim::HeadsetPersona refusing = sim::oem_headset();
    refusing.failingWrites = {0x15};
    showOemHeadset(refusing);
    ui().disableFMRadioRDS->click();
    ui().btnBack->click();
    box().okButton()->click();
    waitUntilIdle();
    EXPECT_EQ(page().rcThreadSave(), 3);
    EXPECT_EQ(app().mode(), kModeSecondSettings);
    EXPECT_EQ(page().modeToGo(), 0);

    // The headset takes the block now: Save on the page comes back to the page.
    sim::bus().reset();
    sim::plug_headset(sim::oem_headset());
    ui().btnSave->click();
    run_events_until([&] { return page().rcThreadSave() >= 0; });
    EXPECT_EQ(recognitionCaller(), kModeSecondSettings);
    waitUntilIdle();
    EXPECT_EQ(app().mode(), kModeSecondSettings);
}

TEST_F(FmRadioPage, EveryTextIsWholeInEveryLanguage)
{
    showOemHeadset();
    for (bool shortcuts : {false, true}) {
        for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
            const std::string where = "language " + std::to_string(language) + (shortcuts ? " with shortcuts" : "");
            switchLanguage(language, shortcuts);
            expectTextsWhole(page().view(), where + ", page");
            savePicture(&window(), "fm_radio_page_" + std::to_string(language) + (shortcuts ? "_keys" : ""));

            page().openFMRadioPresetEdit(presetButton(0));
            expectTextsWhole(page().sheetFMRadioPresetEdit(), where + ", sheet");
            savePicture(page().sheetFMRadioPresetEdit(), "fm_radio_sheet_" + std::to_string(language));
            sheet().tfFMRadioPresetEdit->setText("abc");
            sheet().btnFMRadioPresetEditOK->click();
            expectTextsWhole(page().sheetFMRadioPresetEdit(), where + ", warning");
            savePicture(page().sheetFMRadioPresetEdit(), "fm_radio_warning_" + std::to_string(language));
            sheet().btnFMRAdioPresetEditWarning->click();
            sheet().btnFMRadioPresetEditCancel->click();
        }
    }
}
