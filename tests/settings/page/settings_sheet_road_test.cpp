// The all-settings sheet end to end through the window of the whole application, offscreen on the
// simulated bus: the OEM headset chosen on the home page and recognized, its settings page, MORE
// SETTINGS, a row changed, the row's information, Close and YES: the save, the read that follows,
// and the device holding the change.

#include "app/message_box_layout.h"
#include "app/message_box_sheet.h"
#include "settings/page/device_settings_page.h"
#include "settings/save/save_run.h"
#include "tests/settings/page/page_test_support.h"

namespace {

// Long enough for a recognition, a save and a read under the sanitizers; the device's own waits
// are virtual.
constexpr int kRoadLimitMs = 120000;

// The OEM headset's flags record and its smartphone-connection bit.
constexpr uint8_t kFlagsRecord = 0x09;
constexpr uint16_t kSmartphoneBit = 0x0200;

} // namespace

class SettingsSheetRoad : public SettingsScreensTest {
protected:
    void SetUp() override
    {
        SettingsScreensTest::SetUp();
        headset = sim::plug_headset(sim::oem_headset_with_settings());
    }

    DeviceSettingsViewController& page()
    {
        return *static_cast<DeviceSettingsViewController*>(app().deviceSettingsViewController());
    }
    AllSettingsSheet& sheet() { return *page().sheetDeviceAllSettings(); }
    DeviceSettingsTableView& table() { return *page().ui().tableViewDeviceAllSettingsBasic; }

    // The row whose title is title, or -1.
    int rowTitled(const char* title)
    {
        for (int index = 0; index < table().numberOfRows(); ++index)
            if (DeviceSettingsTableCellView* row = table().viewAtRow(index);
                row != nullptr && row->textField()->text() == QString::fromUtf8(title))
                return index;
        return -1;
    }

    void openMoreSettings()
    {
        page().ui().btnAllSettings->click();
        QCoreApplication::processEvents();
        ASSERT_TRUE(sheet().isVisible());
        EXPECT_EQ(sheet().size(), QSize(550, 400));
        EXPECT_EQ(table().numberOfRows(), 7);
    }

    sim::PluggedHeadset headset;
};

TEST_F(SettingsSheetRoad, SmartphoneConnectionSwitchedOffInTheSheetReachesTheHeadset)
{
    const uint16_t flags_before = headset.record(kFlagsRecord).at(0);
    ASSERT_NE(flags_before & kSmartphoneBit, 0);

    // Home (the headset preselected), NEXT, recognition's NEXT: the update page; its NEXT: the
    // settings page.
    app().deviceSelectionViewController()->btnNext()->click();
    ASSERT_EQ(app().mode(), kModeRecognition);
    app().deviceRecognitionViewController()->btnNext()->click();
    UpdatePageBase& update = *app().updateViewController();
    run_events_until(
        [&] { return app().mode() == kModeUpdate && !app().onProcessing() && update.btnNext()->isEnabled(); });
    update.btnNext()->click();
    ASSERT_EQ(app().mode(), kModeSettings);

    openMoreSettings();
    savePicture(&sheet(), "all-settings-sheet-oem-headset");
    const int smartphone = rowTitled("Smartphone Connection");
    ASSERT_GE(smartphone, 0);
    DeviceSettingsTableCellView* row = table().viewAtRow(smartphone);
    EXPECT_EQ(row->radioGroup()->checkedId(), 0);
    row->disablebtn()->click();
    EXPECT_EQ(page().dataCurrent().VARGOSmartphoneConnet(), 0);

    row->infoOnOffBtn()->click();
    ASSERT_EQ(app().messageBoxStatus(), kBoxAllSettingsInformation);
    EXPECT_TRUE(box().messageText().startsWith("[Smartphone Connection]\n")) << box().messageText().toStdString();
    EXPECT_EQ(box().size().width(), message_box_size(4, false).width());
    EXPECT_TRUE(box().size() == message_box_size(4, false) || box().size() == message_box_size(4, true)) << "size 4";
    closeBox();

    page().ui().btnDeviceAllSettingsBasicClose->click();
    ASSERT_EQ(app().messageBoxStatus(), kBoxAllSettingsSave);
    box().okButton()->click();
    EXPECT_FALSE(sheet().isVisible());
    EXPECT_TRUE(app().onProcessing()) << "the save runs";
    run_events_until([&] { return page().rcThreadSave() != kivo::settings::kSaveRunning; });
    EXPECT_EQ(page().rcThreadSave(), kivo::settings::kSaveSucceeded);
    EXPECT_EQ(app().mode(), kModeRecognition) << "the device is read again";
    run_events_until([&] { return !app().onProcessing(); });
    ASSERT_EQ(app().mode(), kModeSettings);
    EXPECT_EQ(statusLine(), "Device setting saved successfully");

    EXPECT_EQ(app().data().VARGOSmartphoneConnet(), 0);
    openMoreSettings();
    EXPECT_EQ(table().viewAtRow(rowTitled("Smartphone Connection"))->radioGroup()->checkedId(), 1) << "Disable";
    const uint16_t flags_after = headset.record(kFlagsRecord).at(0);
    EXPECT_EQ(flags_after, flags_before & ~kSmartphoneBit) << "only the smartphone bit changed";
}
