// The settings page's controls at work, offscreen: a change goes into the working copy through its
// handler (never while busy, after an open tab list closes, followed by a refresh), the transmit
// gain's cells, the channel timeout's field and stepper with their check, and the information
// buttons' boxes.

#include "app/manager_window.h"
#include "app/message_box_sheet.h"
#include "settings/page/stepper.h"
#include "settings/page/text_fit.h"
#include "settings/timeout_field.h"
#include "tests/settings/page/settings_page_fixture.h"

using kivo::settings::HandlerId;

namespace {

constexpr char kTimeoutMessage[] = "Audio Channel Timeout should be between 3 and 60. Enter valid value again.";

} // namespace

using SettingsPageActions = SettingsPageTest;

TEST_F(SettingsPageActions, AChangeStoresThroughItsHandlerUnlessBusy)
{
    app().data().setSidetone(1);
    enter(0x4D10, 5, 1);
    ASSERT_EQ(ui().radioSidetone->checkedId(), 0);
    EXPECT_FALSE(ui().btnSave->isEnabled());

    // Busy: nothing stored, the tab list stays open, no refresh.
    app().setOnProcessing(true);
    app().setListTabsOpened(true);
    int refreshes = counting().refreshes;
    ui().disableSidetone->setChecked(true);
    page().changeSidetone(ui().radioSidetone);
    EXPECT_EQ(page().dataCurrent().sidetone(), 1);
    EXPECT_TRUE(app().listTabsOpened());
    EXPECT_EQ(counting().refreshes, refreshes);
    app().setOnProcessing(false);

    // A click on a cell closes the open list, stores, refreshes: Save follows the change.
    ui().disableSidetone->click();
    EXPECT_FALSE(app().listTabsOpened());
    EXPECT_EQ(page().dataCurrent().sidetone(), 0);
    EXPECT_EQ(counting().refreshes, refreshes + 1);
    EXPECT_TRUE(ui().btnSave->isEnabled());
    ui().enableSidetone->click();
    EXPECT_EQ(page().dataCurrent().sidetone(), 1);
    EXPECT_FALSE(ui().btnSave->isEnabled()) << "set back: no change";

    // A control of no known kind stores nothing but still refreshes.
    refreshes = counting().refreshes;
    page().changeSidetone(ui().lblSidetone);
    EXPECT_EQ(page().dataCurrent().sidetone(), 1);
    EXPECT_EQ(counting().refreshes, refreshes + 1);
}

TEST_F(SettingsPageActions, PopUpsAndGainCellsStoreTheirValues)
{
    enter(0x6600, 1, 0);
    QComboBox* motion = ui().popUpMotionSensorSensitivity;
    motion->setCurrentIndex(1);
    emit motion->activated(1);
    EXPECT_EQ(page().dataCurrent().getBasicSettingBriskoMotionSensorSensitivity(), 2);
    motion->setCurrentIndex(-1);
    page().changeMotionSensorSensitivity(motion);
    EXPECT_EQ(page().dataCurrent().getBasicSettingBriskoMotionSensorSensitivity(), 2) << "no selection, no store";
    QComboBox* overlay = ui().popUpAudioMultitaskingSensitivity;
    overlay->setCurrentIndex(0);
    emit overlay->activated(0);
    EXPECT_EQ(page().dataCurrent().getBasicSettingBriskoAudioMultitaskingSensitivity(), 10);

    enter(0x5210, 1, 0);
    for (const auto& [cell, gain] :
         {std::pair{ui().lowRTG, 12}, std::pair{ui().mediumRTG, 15}, std::pair{ui().highRTG, 17}}) {
        cell->click();
        EXPECT_EQ(page().dataCurrent().radioTransmitGain(), gain);
    }
}

TEST_F(SettingsPageActions, TimeoutFieldTakesThreeToSixtyAndRefusesTheRest)
{
    app().data().setAudioChannelTimeout(30);
    enter(0x5210, 1, 0);
    for (const char* accepted : {"3", "60", " 12x"}) {
        ui().tfACT->setText(accepted);
        emit ui().tfACT->returnPressed();
        EXPECT_EQ(app().messageBoxStatus(), 0) << accepted;
        EXPECT_EQ(page().dataCurrent().audioChannelTimeout(), kivo::settings::timeout_field_value(accepted));
        EXPECT_DOUBLE_EQ(ui().stepperACT->value(), kivo::settings::timeout_field_value(accepted));
    }
    for (const char* refused : {"61", "2", "0", "-5", "abc", "99999999999"}) {
        ui().tfACT->setText(refused);
        emit ui().tfACT->returnPressed();
        EXPECT_EQ(box().messageText().toStdString(), kTimeoutMessage) << refused;
        EXPECT_TRUE(box().warningShown());
        EXPECT_FALSE(box().cancelButton()->isVisible());
        EXPECT_EQ(ui().tfACT->text().toStdString(), "12") << "the stepper's value again";
        EXPECT_EQ(ui().tfACT->selectedText().toStdString(), "12");
        EXPECT_EQ(page().dataCurrent().audioChannelTimeout(), 12) << refused;
        closeBox();
    }

    // The stepper's value is truncated.
    ui().stepperACT->setValue(7.9);
    page().changeACT(ui().stepperACT);
    EXPECT_EQ(page().dataCurrent().audioChannelTimeout(), 7);
    EXPECT_EQ(ui().tfACT->text().toStdString(), "7");
    ui().stepperACT->stepUp();
    EXPECT_EQ(page().dataCurrent().audioChannelTimeout(), 8);
}

TEST_F(SettingsPageActions, AnInvalidTimeoutHoldsThePage)
{
    enter(0x5210, 1, 0);
    ui().tfACT->setText("61");
    app().setDeviceSelection();
    EXPECT_EQ(app().mode(), kModeSettings);
    EXPECT_EQ(box().messageText().toStdString(), kTimeoutMessage);
    closeBox();
    ui().tfACT->setText("61");
    ui().btnNewDevice->click();
    EXPECT_EQ(app().mode(), kModeSettings);
    closeBox();
    ui().tfACT->setText("20");
    ui().btnNewDevice->click();
    // 20 is taken: an unsaved edit, so the save prompt asks; NO leaves.
    ASSERT_EQ(app().messageBoxStatus(), kBoxSaveSettings);
    box().cancelButton()->click();
    EXPECT_EQ(app().mode(), kModeHome);

    // A product that does not show the field is never held by it.
    enter(0x4D10, 5, 1);
    ASSERT_TRUE(ui().tfACT->isHidden());
    ui().tfACT->setText("61");
    ui().btnNewDevice->click();
    EXPECT_EQ(app().mode(), kModeHome);
}

TEST_F(SettingsPageActions, InformationButtonsOpenTheirBoxes)
{
    enter(0x6600, 1, 0);
    struct Case {
        QPushButton* button;
        const char* heading;
        bool sendEmail;
        int purpose;
    };
    const Case cases[] = {
        {ui().btnPLC, "[Packet Loss Concealment]\n", false, kBoxStatus},
        {ui().btnBitpoolRate, "[High Quality A2DP]\n", false, kBoxStatus},
        {ui().btnAudioMultitasking, "[Audio Multitasking]\nAudio Multitasking enables", false, kBoxStatus},
        {ui().btnRTG, "[Radio Transmit Gain]\n", false, kBoxStatus},
        {ui().btnACT, "[Audio Channel Timeout]\n", false, kBoxStatus},
        {ui().btnEDR, "[Enhanced Data Rate]\n", true, kBoxSupportMail}};
    for (const Case& c : cases) {
        c.button->click();
        const std::string text = box().messageText().toStdString();
        EXPECT_TRUE(text.starts_with(c.heading)) << text;
        EXPECT_EQ(text.find("%@"), std::string::npos) << text;
        EXPECT_FALSE(box().warningShown());
        EXPECT_EQ(box().cancelButton()->isVisible(), c.sendEmail) << c.heading;
        EXPECT_EQ(app().messageBoxStatus(), c.purpose) << c.heading;
        if (!c.sendEmail)
            closeBox();
    }
    EXPECT_NE(box().messageText().toStdString().find("(support@example.com)"), std::string::npos);
    EXPECT_EQ(box().cancelButton()->text().toStdString(), "SEND Email");
    box().cancelButton()->click();
    ASSERT_EQ(openedAddresses().size(), 1u);
    EXPECT_EQ(openedAddresses().front(), "mailto:support@example.com");

    app().setOnProcessing(true);
    page().displayInformationRadioTransmitGain(ui().btnPLC);
    EXPECT_EQ(app().messageBoxStatus(), 0) << "no box while busy";
    app().setOnProcessing(false);
}

TEST_F(SettingsPageActions, EveryInformationBoxHoldsItsWholeTextInEveryLanguage)
{
    for (int language = 0; language <= 12; ++language) {
        enter(0x6600, 1, 0, language);
        for (const PanelRowWidgets& row : page().outlets().rows()) {
            if (row.info == nullptr)
                continue;
            page().displayInformationRadioTransmitGain(row.info);
            run_events_for(30);
            auto* label = box().findChild<QLabel*>("tfMessageBox");
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(text_fits(label))
                << row.outlets->name << " in " << language << ": " << label->width() << "x" << label->height();
            box().dismiss();
        }
    }
}
