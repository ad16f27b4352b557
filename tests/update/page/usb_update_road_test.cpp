// The roads of plain-USB headsets' updates through the window, offscreen, against the demo firmware:
// a headset at 5.1 in its normal firmware (a detach run, UPDATE again and the box that returns
// home, recognition finding it in its loader, and the run that writes it), the two devices of the
// two-device product in their loader, a file made for another product, and a device pulled off the
// bus in the middle of its download; each against both DFU modes of the simulated devices.

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "link/dfu_file.h"
#include "tests/sim/usb_headsets.h"
#include "tests/update/page/page_shots.h"
#include "tests/update/page/road_fixture.h"
#include "text/product_names.h"
#include "text/update_texts.h"

namespace {

// The DFU requests that change a device: DETACH, DNLOAD and request 7 (class, interface, out).
bool changes_the_device(const sim::ControlRecord& record)
{
    constexpr uint8_t kDfuOut = 0x21;
    const uint8_t request = record.setup.request;
    return record.setup.request_type == kDfuOut && (request == 0 || request == 1 || request == 7);
}

// The image a device holds once it took the whole DFU file: the file without its suffix.
fwfile::Bytes image_of(const fwfile::Bytes& file) { return {file.begin(), file.end() - DfuFileSuffix::kSize}; }

std::string mode_name(const testing::TestParamInfo<sim::DfuMode>& info) { return sim::dfu_mode_name(info.param); }

} // namespace

// Against both DFU modes of the simulated devices.
class UsbUpdateRoad : public RoadTest, public testing::WithParamInterface<sim::DfuMode> {
protected:
    void SetUp() override
    {
        mode_.emplace(GetParam());
        RoadTest::SetUp();
    }
    void TearDown() override
    {
        RoadTest::TearDown();
        mode_.reset();
    }

    // The offer taken into a file of that name; the run has ended.
    void updateThroughTheOffer(const std::string& name)
    {
        runToItsEnd(update(), [&] { acceptTheOffer(chosen.path() / name); });
    }

    int restoreError() { return update().runShared()->progress().updateRestoreError; }

    // Takes device off the bus once it has taken `blocks` download blocks: a bus event that looks
    // again every virtual millisecond until then.
    void pullAfterBlocks(std::shared_ptr<sim::Device> device, size_t blocks)
    {
        sim::bus().schedule(std::chrono::milliseconds(1), [this, device, blocks] {
            if (device->usb.dfu->downloads.size() >= blocks)
                sim::bus().unplug(*device);
            else
                pullAfterBlocks(device, blocks);
        });
    }

private:
    std::optional<sim::DfuModeScope> mode_;
};

// The configuration's last product: the plain-USB headset, found in its normal firmware.
class NormalModeRoad : public UsbUpdateRoad {
protected:
    void configure(KIVOBluetoothManagerAppController& c) override { c.setDeviceTarget(0x4D10); }
};
INSTANTIATE_TEST_SUITE_P(DfuModes, NormalModeRoad, testing::Values(sim::DfuMode::Strict, sim::DfuMode::Lenient),
                         mode_name);

TEST_P(NormalModeRoad, DetachRunThenTheHeadsetFoundInItsLoader)
{
    // Another maker's loader first on the bus, where a careless search would take it.
    const auto foreign = sim::bus().plug(sim::make_dfu_device(0xCD10, 0x1234));
    const uint64_t foreign_presence = foreign->generation();
    const auto headset = sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x4D10, "Aldero")));

    reachTheUpdatePage();
    EXPECT_EQ(app().data().deviceVersion(), (FirmwareQuad{5, 1, 0, 0}));
    EXPECT_EQ(sheet().ui.tfCurrentVersion->text().toStdString(), "v5.1");
    EXPECT_EQ(sheet().ui.tfNewVersion->text().toStdString(), "v5.2");
    updateThroughTheOffer(demo_firmware::kPlainUsbImage);
    EXPECT_EQ(statusLine(), "On updating firmware.");
    EXPECT_EQ(update().updateProcessed(), 5);
    EXPECT_EQ(restoreError(), 1);
    EXPECT_EQ(headset->product_id, 0xCD10) << "back in its loader";
    EXPECT_TRUE(headset->usb.dfu->downloads.empty()) << "nothing written by the detach run";

    // The recognized id is no longer on the bus. The box the detach run's worker closed as it ended
    // may still be up for a moment: only this run's end tells.
    runToItsEnd(update(), [&] { update().updateUi().btnUpdate->click(); });
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(statusLine(), "Failed to update firmware. Not the recognized device");
    EXPECT_EQ(restoreError(), 2);
    EXPECT_EQ(app().messageBoxStatus(), kBoxToHome);
    box().okButton()->click();
    EXPECT_EQ(app().mode(), kModeHome);

    // Management mode records no version: 5.2 is offered again.
    reachTheUpdatePage();
    EXPECT_EQ(statusLine(), "Firmware management mode. Ready for FIRMWARE UPDATE");
    EXPECT_EQ(app().usbStatus(), 0xCD10);
    EXPECT_EQ(sheet().ui.tfCurrentVersion->text().toStdString(), "v0.0");
    EXPECT_EQ(sheet().ui.tfNewVersion->text().toStdString(), "v5.2");
    updateThroughTheOffer("again.dfu");
    EXPECT_EQ(headset->usb.dfu->image(), image_of(demo_firmware::dfu_file(0x4D10, "5.2.0.0")));
    EXPECT_EQ(headset->product_id, 0x4D10) << "running its firmware again";
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(box().messageText().toStdString(), kivo::UpdateTexts::stringMessageReconfigure(0));
    run_events_until([&] { return app().mode() == kModeUpdate && !app().onProcessing(); });
    EXPECT_EQ(app().data().deviceVersion(), (FirmwareQuad{5, 2, 0, 0})) << "recognition reads the new version";
    EXPECT_EQ(window().ui.lblVersion->text().toStdString(), "v5.2");
    grab_page(window(), "usb-road-1-reconfigure");
    box().okButton()->click();
    EXPECT_EQ(app().mode(), kModeUpdate);
    EXPECT_EQ(statusLine(), "Firmware updated successfully");
    grab_page(window(), "usb-road-2-updated");

    EXPECT_TRUE(foreign->usb.transcript().empty());
    EXPECT_EQ(foreign->usb.open_count(), 0);
    EXPECT_EQ(foreign->generation(), foreign_presence) << "never reset";
    EXPECT_TRUE(foreign->usb.dfu->downloads.empty());
}

TEST_P(NormalModeRoad, FileForAnotherProductChangesNothing)
{
    const auto headset = sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x4D10, "Aldero")));
    // The server offers 5.2 to the headset, in a file made for the two-device product.
    ASSERT_NO_THROW(fwfile::write_file(firmware.path() / demo_firmware::kPlainUsbImage,
                                       demo_firmware::dfu_file(sim::kTwoDeviceProduct, "5.2.0.0")));

    reachTheUpdatePage();
    const size_t transfers = headset->usb.transcript().size();
    const size_t store_writes = sim::ps_writes(*headset).size();
    const uint64_t presence = headset->generation();
    // Downloaded, it is refused before it becomes the user's file.
    acceptTheOffer(chosen.path() / demo_firmware::kPlainUsbImage);
    settled(update());
    EXPECT_EQ(statusLine(), "Failed to download latest firmware. Cannot download firmware");
    EXPECT_TRUE(std::filesystem::is_empty(chosen.path()));
    EXPECT_EQ(headset->usb.transcript().size(), transfers) << "no update started";

    // Picked by the user, the update's loader refuses it.
    runToItsEnd(update(), [&] { updateWithAPickedFile(firmware.path() / demo_firmware::kPlainUsbImage); });
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(statusLine(), "Failed to update firmware. Firmware not for Aldero");
    EXPECT_EQ(restoreError(), 3);
    EXPECT_EQ(app().messageBoxStatus(), kBoxQuit) << "the manager restarts";
    EXPECT_NE(box().messageText().toStdString().find("will restart"), std::string::npos);

    const std::vector<sim::ControlRecord> transcript = headset->usb.transcript();
    for (size_t i = transfers; i < transcript.size(); ++i)
        EXPECT_FALSE(changes_the_device(transcript[i])) << "request " << int(transcript[i].setup.request);
    EXPECT_EQ(sim::ps_writes(*headset).size(), store_writes) << "the store is not cleared either";
    EXPECT_EQ(headset->generation(), presence) << "never reset";
    EXPECT_EQ(headset->product_id, 0x4D10);
}

// The two devices of the two-device product in their loader; the home page keeps the OEM headset
// selected, and recognition takes the product it finds in its loader.
class TwoDeviceRoad : public UsbUpdateRoad {
protected:
    void SetUp() override
    {
        UsbUpdateRoad::SetUp();
        sim::UsbHeadsetPersona persona = sim::usb_headset(sim::kTwoDeviceProduct, name);
        persona.in_loader = true;
        halves = sim::plug_usb_pair(persona);
    }

    const std::string name = kivo::ProductNames::tavk_product_name_for_internal(sim::kTwoDeviceProduct, true);
    std::array<std::shared_ptr<sim::Device>, 2> halves;
};
INSTANTIATE_TEST_SUITE_P(DfuModes, TwoDeviceRoad, testing::Values(sim::DfuMode::Strict, sim::DfuMode::Lenient),
                         mode_name);

TEST_P(TwoDeviceRoad, BothDevicesWrittenFromTheirLoader)
{
    reachTheUpdatePage();
    EXPECT_EQ(app().deviceTarget(), sim::kTwoDeviceProduct);
    EXPECT_EQ(sheet().ui.tfNewVersion->text().toStdString(), "v1.2");
    updateThroughTheOffer(demo_firmware::kTwoDeviceImage);
    const fwfile::Bytes image = image_of(demo_firmware::dfu_file(sim::kTwoDeviceProduct, "1.2.0.0"));
    for (const auto& half : halves) {
        EXPECT_EQ(half->usb.dfu->image(), image);
        EXPECT_EQ(half->product_id, sim::kTwoDeviceProduct) << "running its firmware again";
    }
    ASSERT_TRUE(box().isVisible());
    EXPECT_NE(box().messageText().toStdString().find("Power off and power on " + name + " to apply new firmware."),
              std::string::npos);
    run_events_until([&] { return app().mode() == kModeUpdate && !app().onProcessing(); });
    EXPECT_EQ(app().data().deviceVersion(), (FirmwareQuad{1, 2, 0, 0})) << "recognition reads the new version";
    box().okButton()->click();
    EXPECT_EQ(statusLine(), "Firmware updated successfully");
}

TEST_P(TwoDeviceRoad, DevicePulledDuringItsDownloadLeavesTheOtherToRecognition)
{
    reachTheUpdatePage();
    pullAfterBlocks(halves[0], 20);
    updateThroughTheOffer(demo_firmware::kTwoDeviceImage);
    EXPECT_EQ(statusLine(), "Failed to update firmware. Cannot get status 5 [0]");
    EXPECT_EQ(restoreError(), 1);
    EXPECT_EQ(halves[0]->usb.dfu->downloads.size(), 20u);
    EXPECT_TRUE(halves[1]->usb.dfu->downloads.empty());
    EXPECT_EQ(sim::bus().open_usb_handles(), 0);
    ASSERT_TRUE(box().isVisible());
    EXPECT_NE(box().messageText().toStdString().find("After switching off " + name), std::string::npos);
    box().okButton()->click();

    // What is left on the bus: the other device, still in its loader.
    ui().btnDeviceSelection->click();
    ASSERT_EQ(app().mode(), kModeHome);
    reachTheUpdatePage();
    EXPECT_EQ(statusLine(), "Firmware management mode. Ready for FIRMWARE UPDATE");
    EXPECT_EQ(app().usbStatus(), 0xD310);
    EXPECT_EQ(sim::bus().open_usb_handles(), 0);
}
