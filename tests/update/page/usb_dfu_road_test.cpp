// The road of a plain-USB headset's update through the window, offscreen: the headset at 5.1 is
// offered 5.2 from the demo firmware; the run detaches it into its loader and ends at 5 % with the
// processing text; UPDATE again finds another id on the bus and its box returns home; recognition
// then finds the headset in its loader, and its update writes the image: the timer's success, the
// reconfigure box, and recognition reading 5.2 from the headset back in its firmware.

#include "link/dfu_file.h"
#include "tests/sim/usb_headsets.h"
#include "tests/update/page/road_fixture.h"
#include "text/update_texts.h"

class UsbDfuRoad : public RoadTest {
protected:
    // The configuration's last product: the plain-USB headset.
    void configure(KIVOBluetoothManagerAppController& c) override { c.setDeviceTarget(0x4D10); }

    void SetUp() override
    {
        RoadTest::SetUp();
        headset = sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x4D10, "Aldero")));
    }

    // The offer taken into a file of that name; the run has ended.
    void updateThroughTheOffer(const std::string& name)
    {
        acceptTheOffer(chosen.path() / name);
        ASSERT_TRUE(run_events_until([&] { return update().runActive(); }, kRoadLimitMs));
        ASSERT_TRUE(settled(update()));
    }

    std::shared_ptr<sim::Device> headset;
};

TEST_F(UsbDfuRoad, DetachRunThenTheHeadsetFoundInItsLoader)
{
    reachTheUpdatePage();
    EXPECT_EQ(sheet().ui.tfCurrentVersion->text().toStdString(), "v5.1");
    EXPECT_EQ(sheet().ui.tfNewVersion->text().toStdString(), "v5.2");
    updateThroughTheOffer(demo_firmware::kPlainUsbImage);
    EXPECT_EQ(statusLine(), "On updating firmware.");
    EXPECT_EQ(update().updateProcessed(), 5);
    EXPECT_EQ(headset->product_id, 0xCD10);

    // The recognized id is no longer on the bus.
    update().updateUi().btnUpdate->click();
    ASSERT_TRUE(run_events_until([&] { return box().isVisible(); }, kRoadLimitMs));
    EXPECT_EQ(statusLine(), "Failed to update firmware. Not the recognized device");
    box().okButton()->click();
    EXPECT_EQ(app().mode(), kModeHome);

    reachTheUpdatePage();
    EXPECT_EQ(statusLine(), "Firmware management mode. Ready for FIRMWARE UPDATE");
    updateThroughTheOffer("again.dfu");
    const fwfile::Bytes file = demo_firmware::dfu_file(0x4D10, "5.2.0.0");
    EXPECT_EQ(headset->usb.dfu->image(), fwfile::Bytes(file.begin(), file.end() - DfuFileSuffix::kSize));
    EXPECT_EQ(headset->product_id, 0x4D10) << "running its firmware again";
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(box().messageText().toStdString(), kivo::UpdateTexts::stringMessageReconfigure(0));
    ASSERT_TRUE(run_events_until([&] { return app().mode() == kModeUpdate && !app().onProcessing(); }, kRoadLimitMs));
    EXPECT_EQ(app().data().deviceVersion(), (FirmwareQuad{5, 2, 0, 0})) << "recognition reads the new version";
    EXPECT_EQ(window().ui.lblVersion->text().toStdString(), "v5.2");
    box().okButton()->click();
    EXPECT_EQ(app().mode(), kModeUpdate);
}
