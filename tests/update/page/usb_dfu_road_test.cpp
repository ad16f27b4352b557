// The road of a plain-USB headset's update through the window, offscreen: the headset at 5.1 is
// offered 5.2 from the demo firmware; the run detaches it into its loader and ends at 5 % with the
// processing text; UPDATE again finds another id on the bus and its box returns home; recognition
// then finds the headset in its loader, and its update goes as far as the download.

#include <QFileDialog>
#include <QPushButton>

#include <filesystem>

#include "app/message_box_sheet.h"
#include "main/page_factory.h"
#include "recognition/page/recognition_page.h"
#include "tests/app/app_fixture.h"
#include "tests/app/net/demo_firmware.h"
#include "tests/sim/usb_headsets.h"
#include "update/page/new_update_sheet.h"
#include "update/page/update_page.h"

namespace {
constexpr int kRoadLimitMs = 180000;
}

class UsbDfuRoad : public AppTest {
protected:
    PageFactory pages() override { return application_pages(); }
    std::string serverBase() override { return server.base(); }
    // The configuration's last product: the plain-USB headset.
    void configure(KIVOBluetoothManagerAppController& c) override { c.setDeviceTarget(0x4D10); }

    void SetUp() override
    {
        ASSERT_TRUE(demo_firmware::write_folder(firmware.path()));
        server.serveFolder("/kivobluetoothmanager/", firmware.path());
        headset = sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x4D10, "Aldero")));
        AppTest::SetUp();
    }

    UpdateViewController& update() { return *static_cast<UpdateViewController*>(app().updateViewController()); }
    MessageBoxSheet& box() { return *window().sheetMessageBox; }
    NewUpdateSheet& sheet() { return *update().sheetNewUpdateFound(); }
    bool settled()
    {
        return run_events_until(
            [&] {
                return !app().onProcessing() && !update().readActive() && !update().runActive() &&
                    !update().downloadActive();
            },
            kRoadLimitMs);
    }

    // Home, NEXT, recognition's NEXT: the update page, read.
    void recognize()
    {
        app().deviceSelectionViewController()->btnNext()->click();
        ASSERT_EQ(app().mode(), kModeRecognition);
        app().deviceRecognitionViewController()->btnNext()->click();
        ASSERT_TRUE(run_events_until([&] { return app().mode() == kModeUpdate; }, kRoadLimitMs));
        ASSERT_TRUE(settled());
    }

    // YES on the sheet and a file name: the download, then the run.
    void acceptTheOffer(const std::string& name)
    {
        ASSERT_TRUE(sheet().isVisible());
        sheet().ui.btnYes->click();
        QFileDialog* panel = nullptr;
        for (QFileDialog* dialog : window().findChildren<QFileDialog*>(QStringLiteral("savePanel")))
            if (dialog->isVisible())
                panel = dialog;
        ASSERT_NE(panel, nullptr);
        panel->selectFile(QString::fromStdString((chosen.path() / name).string()));
        QMetaObject::invokeMethod(panel, "accept", Qt::DirectConnection);
        ASSERT_TRUE(run_events_until([&] { return update().runActive(); }, kRoadLimitMs));
        ASSERT_TRUE(settled());
    }

    fwfile::TempFolder firmware;
    fwfile::TempFolder chosen;
    testnet::LocalHttpServer server;
    std::shared_ptr<sim::Device> headset;
};

TEST_F(UsbDfuRoad, DetachRunThenTheHeadsetFoundInItsLoader)
{
    recognize();
    EXPECT_EQ(sheet().ui.tfCurrentVersion->text().toStdString(), "v5.1");
    EXPECT_EQ(sheet().ui.tfNewVersion->text().toStdString(), "v5.2");
    acceptTheOffer(demo_firmware::kPlainUsbImage);
    EXPECT_EQ(statusLine(), "On updating firmware.");
    EXPECT_EQ(update().updateProcessed(), 5);
    EXPECT_EQ(headset->product_id, 0xCD10);

    // The recognized id is no longer on the bus.
    update().updateUi().btnUpdate->click();
    ASSERT_TRUE(run_events_until([&] { return box().isVisible(); }, kRoadLimitMs));
    EXPECT_EQ(statusLine(), "Failed to update firmware. Not the recognized device");
    box().okButton()->click();
    EXPECT_EQ(app().mode(), kModeHome);

    recognize();
    EXPECT_EQ(statusLine(), "Firmware management mode. Ready for FIRMWARE UPDATE");
    acceptTheOffer("again.dfu");
    EXPECT_EQ(statusLine(), "Failed to update firmware") << "the download is the next stage's";
    EXPECT_TRUE(headset->usb.dfu->downloads.empty());
    EXPECT_FALSE(box().isVisible());
}
