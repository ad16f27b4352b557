// Opening plain-USB devices: the libusb-1.0 walk (mode 0), the firmware-management probe over
// libusb-0.1 (mode 1), the retry wrapper, selection, and starting and ending the libraries.

#include <cstring>
#include <vector>

#include "tests/link/usb_fixture.h"

using namespace std::chrono_literals;

namespace {

struct PlugSpec {
    uint16_t product_id;
    uint16_t vendor_id = 0x092B;
};

} // namespace

class UsbOpen : public UsbLinkTest {
protected:
    void plug_all(const std::vector<PlugSpec>& devices)
    {
        for (const PlugSpec& d : devices)
            plug(sim::make_bccmd_device(d.product_id, {}, d.vendor_id));
    }
};

TEST_F(UsbOpen, NormalModeTakesTableDevicesInListOrder)
{
    struct Case {
        const char* what;
        std::vector<PlugSpec> devices;
        int result;
        const char* text;
        int count;
        std::array<uint32_t, 2> ids;
    };
    const Case cases[] = {
        {"empty bus", {}, kUsbNoDevice, "Device not available", 0, {0, 0}},
        {"foreign vendor", {{0x4D10, 0x1234}}, kUsbNoDevice, "Device not available", 0, {0, 0}},
        {"not in the table", {{0x3142}, {0xE021}}, kUsbNoDevice, "Device not available", 0, {0, 0}},
        {"one 0x5310", {{0x5310}}, 0, "Device recognized successfully", 1, {0x5310, 0}},
        {"two of another family: first only",
         {{0x4D10}, {0x4D30}},
         0,
         "Device recognized successfully",
         1,
         {0x4D10, 0}},
        {"skips what is not in the table", {{0x3142}, {0x6021}}, 0, "Device recognized successfully", 1, {0x6021, 0}},
        {"management mode", {{0xCD10}}, 0, "Firmware management mode", 1, {0xCD10, 0}},
        {"odd management pair", {{0xE020}}, 0, "Firmware management mode", 1, {0xE020, 0}},
        {"0x5310 pair", {{0x5310}, {0x5310}}, 0, "Device recognized successfully", 2, {0x5310, 0x5310}},
        {"0x5310 pair, second in management mode",
         {{0x5310}, {0xD310}},
         0,
         "Firmware management mode",
         2,
         {0x5310, 0xD310}},
        {"0x5310 then another product",
         {{0x5310}, {0x4D10}},
         kUsbSecondMismatch,
         "USB interface 2 Not Match USB interface 1",
         0,
         {0x5310, 0x4D10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        plug_all(c.devices);
        EXPECT_EQ(open(0), c.result);
        EXPECT_EQ(text(), c.text);
        EXPECT_EQ(usb_device_count(), c.count);
        EXPECT_EQ(ids(), c.ids);
        EXPECT_EQ(bus().open_usb_handles(), c.count);
        EXPECT_EQ(bus().claimed_usb_interfaces(), c.count);
        usb_close_devices();
        EXPECT_EQ(bus().open_usb_handles(), 0);
        EXPECT_EQ(usb_device_count(), 0);
    }
}

TEST_F(UsbOpen, NormalModeFailuresLeaveNothingOpen)
{
    struct Case {
        const char* what;
        std::vector<PlugSpec> devices;
        int faulty; // index of the device given the fault
        void (*arm)(sim::UsbFaults&, sim::Bus&);
        int result;
        const char* text;
    };
    const Case cases[] = {
        {"device list fails",
         {{0x4D10}},
         0,
         [](sim::UsbFaults&, sim::Bus& b) { b.usb_library_faults.fail_device_list = 1; },
         kUsbNoDevice,
         "Device not available"},
        {"descriptor read fails: the walk ends",
         {{0x4D10}},
         0,
         [](sim::UsbFaults& f, sim::Bus&) { f.fail_descriptor = 1; },
         kUsbNoDevice,
         "Device not available"},
        {"open fails: the walk ends",
         {{0x4D10}, {0x4D30}},
         0,
         [](sim::UsbFaults& f, sim::Bus&) { f.fail_open = 1; },
         kUsbNoDevice,
         "Device not available"},
        {"first claim fails",
         {{0x5310}, {0x5310}},
         0,
         [](sim::UsbFaults& f, sim::Bus&) {
             f.fail_claim = 1;
             f.claim_errno = EBUSY;
         },
         kUsbClaimFailed,
         "Cannot claim interface: No such device or address (-6)"},
        {"second claim fails",
         {{0x5310}, {0x5310}},
         1,
         [](sim::UsbFaults& f, sim::Bus&) {
             f.fail_claim = 1;
             f.claim_errno = EACCES;
         },
         kUsbSecondClaimFailed,
         "Cannot claim interface 2: No such process (-3)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        plug_all(c.devices);
        c.arm(bus().devices()[static_cast<size_t>(c.faulty)]->usb.faults, bus());
        EXPECT_EQ(open(0), c.result);
        EXPECT_EQ(text(), c.text);
        EXPECT_EQ(usb_device_count(), 0);
        EXPECT_EQ(bus().open_usb_handles(), 0);
        EXPECT_EQ(bus().claimed_usb_interfaces(), 0);
    }
}

TEST_F(UsbOpen, NormalModeClaimsPastTheBluetoothDriverAndGivesItBack)
{
    auto device = plug(sim::make_bccmd_device(0x4D10));
    ASSERT_TRUE(device->usb.kernel_driver_active(0));
    ASSERT_EQ(open(0), 0);
    EXPECT_FALSE(device->usb.kernel_driver_active(0));
    EXPECT_EQ(device->usb.claimed().count(0), 1u);
    usb_close_devices();
    EXPECT_TRUE(device->usb.kernel_driver_active(0));
}

TEST_F(UsbOpen, OpeningAgainClosesWhatWasOpen)
{
    plug(sim::make_bccmd_device(0x4D10));
    ASSERT_EQ(open(0), 0);
    ASSERT_EQ(open(0), 0);
    EXPECT_EQ(bus().open_usb_handles(), 1);
    ASSERT_EQ(open(1), 0);
    ASSERT_EQ(open(1), 0);
    EXPECT_EQ(bus().open_usb_handles(), 2);
}

TEST_F(UsbOpen, ManagementProbeFindsItsSetInEitherMode)
{
    struct Case {
        const char* what;
        std::shared_ptr<sim::Device> device;
        int result;
        const char* text;
        uint32_t id;
    };
    auto hub = sim::make_dfu_device(0xCD10);
    hub->usb.layout.device_class = sim::kUsbClassHub;
    const Case cases[] = {
        {"normal id of the set", sim::make_bccmd_device(0x4D10), 0, "Firmware management mode", 0x4D10},
        {"management id of the set", sim::make_dfu_device(0xCD10), 0, "Firmware management mode", 0xCD10},
        {"not in the set", sim::make_dfu_device(0xA010), kUsbProbeNoDevice, "Device not available", 0},
        {"foreign vendor", sim::make_dfu_device(0xCD10, 0x1234), kUsbProbeNoDevice, "Device not available", 0},
        {"hub", hub, kUsbProbeNoDevice, "Device not available", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        plug(c.device);
        EXPECT_EQ(open(1), c.result);
        EXPECT_EQ(text(), c.text);
        EXPECT_EQ(ids()[0], c.id);
        EXPECT_EQ(bus().open_usb_handles(), c.result == 0 ? 1 : 0);
        dfu_close_device();
        EXPECT_EQ(bus().open_usb_handles(), 0);
        EXPECT_EQ(bus().claimed_usb_interfaces(), 0);
    }
}

TEST_F(UsbOpen, ManagementProbeWalksInterfacesUntilItGivesUp)
{
    struct Case {
        const char* what;
        int failing_claims;
        int claim_errno;
        std::vector<int> claims;
        int result;
        const char* text;
    };
    const Case cases[] = {
        {"busy once, then no interface 1: back to 0", 1, EBUSY, {0, 1, 0}, 0, "Firmware management mode"},
        {"always busy: interfaces 0 to 11",
         -1,
         EBUSY,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         kUsbProbeClaimFailed,
         "Cannot claim interface: Device or resource busy (16)"},
        {"always missing: 0 twice",
         -1,
         ENOENT,
         {0, 0},
         kUsbProbeClaimFailed,
         "Cannot claim interface: No such file or directory (2)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        auto device = plug(sim::make_dfu_device(0xCD10));
        device->usb.faults.fail_claim = c.failing_claims;
        device->usb.faults.claim_errno = c.claim_errno;
        EXPECT_EQ(open(1), c.result);
        EXPECT_EQ(text(), c.text);
        EXPECT_EQ(device->usb.claim_attempts(), c.claims);
        EXPECT_EQ(device->usb.open_handles(), c.result == 0 ? 1 : 0);
        dfu_close_device();
    }
}

TEST_F(UsbOpen, ManagementProbeDetachesTheBluetoothDriver)
{
    auto device = plug(sim::make_bccmd_device(0x4D10));
    ASSERT_EQ(open(1), 0);
    EXPECT_EQ(device->usb.claim_attempts(), std::vector<int>{0});
}

TEST_F(UsbOpen, ManagementProbeReportsAFailedOpen)
{
    auto device = plug(sim::make_dfu_device(0xCD10));
    device->usb.faults.fail_open = 1;
    device->usb.faults.open_errno = EACCES;
    EXPECT_EQ(open(1), kUsbProbeOpenFailed);
    EXPECT_EQ(text(), "Cannot open device: Permission denied (13)");
}

TEST_F(UsbOpen, TextsStayInsideShortBuffers)
{
    auto device = plug(sim::make_dfu_device(0xCD10));
    device->usb.faults.fail_claim = -1;
    std::array<uint32_t, 2> product_ids{};
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(usb_open_devices(product_ids, std::span(buffer).first(10), 1), kUsbProbeClaimFailed);
    EXPECT_STREQ(buffer, "Cannot cl");
    EXPECT_EQ(buffer[10], '#');
}

TEST_F(UsbOpen, RetryCountsTriesAndPausesBetweenThem)
{
    struct Case {
        const char* what;
        int tries;
        int mode;
        bool device_fails_open;
        int result;
        long long virtual_ms;
    };
    const Case cases[] = {
        {"nothing found: 20 calls, 19 pauses", 20, 1, false, kUsbProbeNoDevice, 19'000},
        {"open fails: two tries per call", 20, 1, true, kUsbProbeOpenFailed, 9'000},
        {"odd tries round up the last call", 5, 1, true, kUsbProbeOpenFailed, 2'000},
        {"one try, no pause", 1, 1, false, kUsbProbeNoDevice, 0},
        {"mode 0 failures return at once", 20, 0, false, kUsbNoDevice, 0},
        {"no tries: not available, nothing tried", 0, 1, false, kUsbProbeNoDevice, 0},
        {"no tries in mode 0", -3, 0, false, kUsbNoDevice, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        std::shared_ptr<sim::Device> device;
        if (c.device_fails_open) {
            device = plug(sim::make_dfu_device(0xCD10));
            device->usb.faults.fail_open = -1;
        }
        EXPECT_EQ(open_retry(c.tries, c.mode), c.result);
        EXPECT_EQ(virtual_ms(), c.virtual_ms);
        if (c.tries < 1) {
            EXPECT_EQ(text(), "Device not available");
        }
    }
}

TEST_F(UsbOpen, RetryOpensADeviceThatArrivesLate)
{
    bus().schedule(4500ms, [this] { plug(sim::make_dfu_device(0xCD10)); });
    EXPECT_EQ(open_retry(20, 1), 0);
    EXPECT_EQ(virtual_ms(), 5'000);
    EXPECT_EQ(ids()[0], 0xCD10u);
}

TEST_F(UsbOpen, SelectionTakesOnlyIndexZeroOrOne)
{
    EXPECT_EQ(usb_select_device(1), 1);
    EXPECT_EQ(usb_select_device(2), 0);
    EXPECT_EQ(usb_select_device(-1), 0);
    EXPECT_EQ(usb_select_device(0), 1);
}

TEST_F(UsbOpen, StartAndStopRunTheLibrariesOnce)
{
    ASSERT_EQ(usb_link_start(), 0);
    ASSERT_EQ(usb_link_start(), 0);
    plug(sim::make_bccmd_device(0x4D10));
    plug(sim::make_dfu_device(0xCD10));
    ASSERT_EQ(open(0), 0);
    ASSERT_EQ(open(1), 0);
    usb_link_stop();
    EXPECT_EQ(bus().open_usb_handles(), 0);
    const sim::Bus::UsbLibraryCalls calls = bus().usb_library_calls();
    EXPECT_EQ(calls.usb_init, 1);
    EXPECT_EQ(calls.libusb_init, 1);
    EXPECT_EQ(calls.libusb_exit, 1);
    usb_link_stop();
    EXPECT_EQ(bus().usb_library_calls().libusb_exit, 1);
}

TEST_F(UsbOpen, AFailedStartIsLoggedAndTriedAgain)
{
    bus().usb_library_faults.fail_libusb_init = 1;
    ::testing::internal::CaptureStderr();
    EXPECT_LT(usb_link_start(), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "usb_init initialization failed!\n");
    EXPECT_EQ(usb_link_start(), 0);
    usb_link_stop();
    EXPECT_EQ(bus().usb_library_calls().libusb_init, 2);
    EXPECT_EQ(bus().usb_library_calls().libusb_exit, 1);
}
