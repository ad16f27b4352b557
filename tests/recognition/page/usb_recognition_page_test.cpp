// Plain-USB headsets recognized in the whole application, offscreen: from the home page through the
// recognition page to the update page and the recognized-device panel.

#include "app/home_page.h"
#include "main/page_factory.h"
#include "recognition/page/recognition_page.h"
#include "tests/app/app_fixture.h"
#include "tests/sim/usb_headsets.h"

class UsbRecognitionPage : public AppTest {
protected:
    PageFactory pages() override { return application_pages(); }

    // The home page's Next, then the recognition page's Next, until the recognition has ended.
    void recognizeFromTheHomePage()
    {
        app().deviceSelectionViewController()->btnNext()->click();
        ASSERT_EQ(app().mode(), kModeRecognition);
        app().deviceRecognitionViewController()->btnNext()->click();
        run_events_until([&] { return !app().onProcessing(); });
    }
};

TEST_F(UsbRecognitionPage, HeadsetReachesTheUpdatePageWithItsPanel)
{
    sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x4D10, "Aldero")));
    recognizeFromTheHomePage();

    EXPECT_EQ(app().mode(), kModeUpdate);
    EXPECT_EQ(app().deviceTarget(), 0x4D10);
    EXPECT_EQ(app().usbStatus(), 0x4D10);
    EXPECT_EQ(statusLine(), "Device recognized successfully. Ready for FIRMWARE UPDATE");
    EXPECT_FALSE(app().statusWithWarning());
    EXPECT_EQ(ui().lblProduct->text().toStdString(), "Aldero");
    EXPECT_EQ(ui().lblVersion->text().toStdString(), "v5.1");
    EXPECT_EQ(sim::bus().open_usb_handles(), 0);
    EXPECT_FALSE(static_cast<DeviceRecognitionViewController*>(app().deviceRecognitionViewController())->isFirst());
}

TEST_F(UsbRecognitionPage, DeviceInManagementModeIsHandedOverWithAWarning)
{
    sim::bus().plug(sim::make_dfu_device(0xCD10));
    recognizeFromTheHomePage();

    EXPECT_EQ(app().mode(), kModeUpdate);
    EXPECT_EQ(app().deviceTarget(), 0x4D10);
    EXPECT_EQ(app().usbStatus(), 0xCD10);
    EXPECT_EQ(statusLine(), "Firmware management mode. Ready for FIRMWARE UPDATE");
    EXPECT_TRUE(app().statusWithWarning());
}
