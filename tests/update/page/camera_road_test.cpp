// The helmet camera's update through the window, offscreen, with its memory card in: the camera
// runs its normal firmware, so the first run detaches it and sees it come back in its loader (the
// restart to recover): the run remembers its file and asks to quit. The relaunched manager reads
// that back, recognizes the camera in its loader and starts the update at once with the same
// file: the Bluetooth image written, the camera image on the card, and the box whose OK ends the
// run, after which recognition finds the camera running its new firmware.

#include <filesystem>

#include "common/page_ids.h"
#include "link/dfu_file.h"
#include "link/firmware_container.h"
#include "tests/link/firmware_file_builder.h"
#include "tests/sim/camera_card.h"
#include "tests/sim/usb_headsets.h"
#include "tests/update/page/road_fixture.h"
#include "text/app_text.h"
#include "text/instruction_texts.h"
#include "text/product_names.h"

class CameraRoad : public RoadTest {
protected:
    void configure(KIVOBluetoothManagerAppController& c) override { c.setDeviceTarget(0x3020); }

    void SetUp() override
    {
        RoadTest::SetUp();
        card.insert();
        camera = sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x3020, "Lumora")));
        const std::string model = kivo::ProductNames::tavk_product_name_for_internal(0x3020, true) + "#3020";
        dfuFile = fwfile::make_dfu_image(model, 5000, 0x3020);
        cameraImage = fwfile::pattern(90'000, 11);
        const fwfile::Bytes container =
            fwfile::make_container({"v1.0", 0x3020, fw_uses_extended_table(0x3020), {dfuFile, cameraImage}});
        firmwareFile = chosen.put("camera.img", container);
    }

    sim::CameraCard card{0x3020};
    std::shared_ptr<sim::Device> camera;
    fwfile::Bytes dfuFile;
    fwfile::Bytes cameraImage;
    std::string firmwareFile;
};

TEST_F(CameraRoad, RestartToRecoverThenTheRelaunchWritesTheCamera)
{
    reachTheUpdatePage();
    EXPECT_EQ(app().usbStatus(), 0x3020);
    bool quit = false;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { quit = true; });
    update().updateUi().tfFirmwareFile->setText(QString::fromStdString(firmwareFile));
    update().updateUi().btnUpdate->click();
    run_events_until([&] { return quit; });
    EXPECT_EQ(camera->product_id, 0xB020) << "back in its loader";
    EXPECT_EQ(update().runShared()->progress().updateRestoreError, 4) << "the restart to recover";
    EXPECT_TRUE(app().restartToRecover());
    EXPECT_EQ(app().modeRestartToRecover(), kModeUpdate);
    EXPECT_EQ(app().strRestartDFUFirmwareFile(), firmwareFile);
    EXPECT_TRUE(camera->usb.dfu->image().empty()) << "nothing written before the relaunch";

    startAgain();
    EXPECT_EQ(relaunches(), 1);
    run_events_until([&] { return box().isVisible(); });
    EXPECT_EQ(app().mode(), kModeUpdate);
    EXPECT_EQ(app().messageBoxStatus(), kBoxCameraUpdateDone);
    EXPECT_EQ(box().messageText().toStdString(), kivo::InstructionTexts::getMessageBoxSecondButton(0x3020, 0));
    EXPECT_EQ(box().okButton()->text().toStdString(), "OK");
    EXPECT_EQ(camera->usb.dfu->image(), fwfile::Bytes(dfuFile.begin(), dfuFile.end() - DfuFileSuffix::kSize));
    EXPECT_EQ(card.read("vtq37_100.bin"), cameraImage);
    EXPECT_EQ(camera->product_id, 0x3020) << "running its new firmware";
    EXPECT_TRUE(app().onProcessing()) << "the run waits for the OK";
    EXPECT_EQ(sim::bus().open_usb_handles(), 0);

    box().okButton()->click();
    run_events_until([&] { return app().mode() == kModeUpdate && !app().onProcessing(); });
    EXPECT_EQ(app().usbStatus(), 0x3020) << "recognized running its firmware";
    EXPECT_FALSE(app().session().isRestartDFU()) << "the run's end forgets the file";
}
