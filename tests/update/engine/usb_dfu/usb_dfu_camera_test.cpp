// The helmet camera over USB DFU once it is in its loader: its Bluetooth image written, its camera
// image moved onto its memory card, the devices let go, and the box whose OK ends the run left up
// for the page; without a card, or when the image does not reach it, the camera is still let go
// and the run ends with the failure line, the camera image kept for the next run. Against both DFU
// modes of the simulated camera.

#include <algorithm>
#include <filesystem>

#include "common/page_ids.h"
#include "tests/sim/camera_card.h"
#include "tests/update/engine/usb_dfu_fixture.h"
#include "text/instruction_texts.h"
#include "update/engine/camera/card_files.h"

namespace {

constexpr char kCardImage[] = "vtq37_100.bin";
constexpr char kArchivedImage[] = "__lumora_firmware__.bin";

// Neither a rename nor a copy reaches the card.
class UnwritableCard : public kivo::CardFiles {
public:
    bool move(const std::string&, const std::string&) override { return false; }
    bool copy(const std::string&, const std::string&) override { return false; }
};

} // namespace

class UsbDfuCamera : public UsbDfuModeTest {
protected:
    // The camera in its loader and its firmware file: the DFU image and the camera image.
    std::shared_ptr<sim::Device> plugCameraInItsLoader()
    {
        const auto camera = plugHeadsetInItsLoader(0x3020);
        dfuFile = fwfile::make_dfu_image(model(0x3020, 0x3020), 3000, 0x3020);
        cameraImage = fwfile::pattern(70'000, 30);
        useFirmware({dfuFile, cameraImage});
        return camera;
    }
    int request7s(const sim::Device& device) const
    {
        const std::vector<int> requests = dfuRequests(device);
        return static_cast<int>(std::count(requests.begin(), requests.end(), kRequest7));
    }

    fwfile::Bytes dfuFile;
    fwfile::Bytes cameraImage;
};

INSTANTIATE_TEST_SUITE_P(DfuModes, UsbDfuCamera, kBothDfuModes, dfu_mode_name);

TEST_P(UsbDfuCamera, ImagesWrittenThenTheBoxWhoseOkEndsTheRunStaysUp)
{
    sim::CameraCard card(0x3020);
    card.insert();
    const auto camera = plugCameraInItsLoader();
    // Back in its loader after the reset, until request 7 sends it to its firmware.
    camera->usb.dfu->leaves_only_on_request7 = true;
    run();
    EXPECT_EQ(camera->usb.dfu->image(), imageOf(dfuFile));
    EXPECT_EQ(card.read(kCardImage), cameraImage);
    EXPECT_FALSE(std::filesystem::exists(inputs.archiveFolder / kArchivedImage));
    EXPECT_EQ(request7s(*camera), 1);
    EXPECT_EQ(camera->product_id, 0x3020) << "running its new firmware";

    ASSERT_EQ(host.boxes.size(), 1u);
    const FakeUpdateHost::Box& box = host.boxes[0];
    EXPECT_EQ(box.message, kivo::InstructionTexts::getMessageBoxSecondButton(0x3020, 0));
    EXPECT_TRUE(box.warning);
    EXPECT_EQ(box.cancel, std::nullopt);
    EXPECT_EQ(box.ok, "OK");
    EXPECT_EQ(box.size, 3);
    EXPECT_EQ(box.purpose, kBoxCameraUpdateDone);
    EXPECT_TRUE(host.closes.empty()) << "the ending leaves the box up";
    EXPECT_FALSE(host.openedMessageBox()) << "not the worker's box: nothing waits for it";
    EXPECT_FALSE(shared.updateFinished()) << "the box's OK ends the run";
    EXPECT_EQ(status(), "On updating firmware.");
}

TEST_P(UsbDfuCamera, ImageThatDoesNotReachTheCardEndsTheRunWithTheDeviceLetGo)
{
    enum class Card { Out, ReadOnly, Unwritable };
    struct Case {
        const char* what;
        Card card;
        const char* line;
    };
    for (const Case c :
         {Case{"no card", Card::Out, "Failed to update firmware. Check your SD Card"},
          Case{"a read-only card", Card::ReadOnly, "Failed to update firmware. Check your SD Card"},
          Case{"the move fails", Card::Unwritable, "Failed to update firmware. Camera firmware update failed"}}) {
        SCOPED_TRACE(c.what);
        bus().reset();
        host.reset();
        sim::CameraCard card(0x3020);
        if (c.card != Card::Out)
            card.insert(c.card == Card::ReadOnly ? sim::CameraCard::Mount::ReadOnly : sim::CameraCard::Mount::Writable);
        UnwritableCard unwritable;
        if (c.card == Card::Unwritable)
            kivo::install_card_files(&unwritable);
        const auto camera = plugCameraInItsLoader();
        camera->usb.dfu->leaves_only_on_request7 = true;
        run();
        kivo::install_card_files(nullptr);

        EXPECT_EQ(camera->usb.dfu->image(), imageOf(dfuFile));
        EXPECT_EQ(request7s(*camera), 1) << "let go all the same";
        EXPECT_EQ(camera->product_id, 0x3020);
        EXPECT_EQ(bus().open_usb_handles(), 0);
        EXPECT_FALSE(card.holds(kCardImage));
        EXPECT_EQ(read_bytes(inputs.archiveFolder / kArchivedImage), cameraImage) << "the camera image is kept";
        EXPECT_TRUE(host.boxes.empty());
        EXPECT_EQ(status(), c.line);
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_LT(progress().updateProcessed, 100);
        EXPECT_TRUE(shared.updateFinished());
    }
}
