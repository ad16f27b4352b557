// DFU class requests, and finding, listing and opening the maker's DFU devices.

#include <usb.h>

#include <functional>
#include <vector>

#include "tests/link/usb_fixture.h"
#include "tests/sim/usb_headsets.h"

using namespace std::chrono_literals;
using Bytes = sim::Bytes;

namespace {

// Releases and closes handles that dfu_open_devices handed over, as its callers do.
void close_all(std::span<usb_dev_handle*> handles)
{
    for (usb_dev_handle*& h : handles) {
        if (h == nullptr)
            continue;
        usb_release_interface(h, 0);
        usb_close(h);
        h = nullptr;
    }
}

std::vector<uint16_t> product_ids(std::span<struct usb_device*> devices)
{
    std::vector<uint16_t> ids;
    for (const struct usb_device* d : devices)
        ids.push_back(d->descriptor.idProduct);
    return ids;
}

// A device descriptor tree built by hand: configurations of interfaces of alternate settings.
class HandBuiltDevice {
public:
    explicit HandBuiltDevice(const std::vector<sim::UsbConfigDesc>& configs)
    {
        for (const sim::UsbConfigDesc& config : configs) {
            std::vector<std::vector<usb_interface_descriptor>> per_interface;
            for (const sim::UsbInterfaceDesc& iface : config) {
                std::vector<usb_interface_descriptor> alts;
                for (const sim::UsbAltSetting& a : iface)
                    alts.push_back({9, 4, a.number, a.alternate, 0, a.interface_class, a.subclass, a.protocol, 0,
                                    nullptr, nullptr, 0});
                per_interface.push_back(alts);
            }
            alts_.push_back(per_interface);
        }
        for (auto& per_interface : alts_) {
            interfaces_.emplace_back();
            for (auto& alts : per_interface)
                interfaces_.back().push_back({alts.data(), static_cast<int>(alts.size())});
        }
        for (auto& ifaces : interfaces_)
            configs_.push_back(
                {9, 2, 0, static_cast<uint8_t>(ifaces.size()), 1, 0, 0x80, 50, ifaces.data(), nullptr, 0});
        device_.descriptor.bNumConfigurations = static_cast<uint8_t>(configs_.size());
        device_.config = configs_.empty() ? nullptr : configs_.data();
    }
    const struct usb_device* get() const { return &device_; }

private:
    std::vector<std::vector<std::vector<usb_interface_descriptor>>> alts_;
    std::vector<std::vector<usb_interface>> interfaces_;
    std::vector<usb_config_descriptor> configs_;
    struct usb_device device_ { };
};

} // namespace

class Dfu : public UsbLinkTest { };

TEST_F(Dfu, RequestsCarryTheirFields)
{
    auto device = plug(sim::make_dfu_device(0xCD10));
    // The maker's lenient loader, which takes every request wherever it is: the fields are the test.
    device->usb.dfu->mode = sim::DfuMode::Lenient;
    device->usb.dfu->status = {0, 0x030201, sim::kDfuIdle, 0};
    // A block is taken without a busy time: the status read after it says dfuDNLOAD-IDLE.
    device->usb.dfu->busy_answers = 0;
    usb_dev_handle* handles[1] = {};
    ASSERT_EQ(dfu_open_devices(kDfuManagementDevices, handles), 1);
    usb_dev_handle* h = handles[0];
    const Bytes block = {1, 2, 3, 4, 5};
    std::array<uint8_t, kDfuStatusSize> status{};
    std::array<uint8_t, kDfuStatusSize> status_after_block{};

    struct Case {
        const char* what;
        std::function<int()> call;
        uint8_t request_type;
        uint8_t request;
        uint16_t value;
        Bytes data;
        int result;
    };
    const Case cases[] = {
        {"get status", [&] { return dfu_get_status(h, 0, status); }, 0xA1, 3, 0, {0, 0x01, 0x02, 0x03, 2, 0}, 6},
        {"download", [&] { return dfu_download(h, 0, 0x10005, block); }, 0x21, 1, 0x0005, block, 5},
        {"get status after a block",
         [&] { return dfu_get_status(h, 0, status_after_block); },
         0xA1,
         3,
         0,
         {0, 0, 0, 0, 5, 0},
         6},
        {"final block", [&] { return dfu_download(h, 0, 6, {}); }, 0x21, 1, 6, {}, 0},
        {"clear status", [&] { return dfu_clear_status(h, 0); }, 0x21, 4, 0, {}, 0},
        {"abort", [&] { return dfu_abort(h, 0); }, 0x21, 6, 0, {}, 0},
        {"request 7", [&] { return dfu_request7(h, 0); }, 0x21, 7, 0, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.call(), c.result);
        const sim::ControlRecord& r = device->usb.transcript().back();
        EXPECT_EQ(r.api, sim::UsbApi::Libusb01);
        EXPECT_EQ(r.setup.request_type, c.request_type);
        EXPECT_EQ(r.setup.request, c.request);
        EXPECT_EQ(r.setup.value, c.value);
        EXPECT_EQ(r.setup.index, 0);
        EXPECT_EQ(r.setup.length, c.request_type == 0xA1 ? kDfuStatusSize : c.data.size());
        EXPECT_EQ(r.data, c.data);
        EXPECT_EQ(r.timeout_ms, 10000);
    }
    EXPECT_EQ(Bytes(status.begin(), status.end()), (Bytes{0, 0x01, 0x02, 0x03, 2, 0}));
    ASSERT_EQ(device->usb.dfu->downloads.size(), 2u);
    EXPECT_EQ(device->usb.dfu->downloads[0].data, block);

    device->usb.faults.fail_control = 1;
    EXPECT_EQ(dfu_get_status(h, 0, status), -EPIPE) << "a stall comes back as the library's result";
    const size_t before = device->usb.transcript().size();
    std::array<uint8_t, kDfuStatusSize - 1> short_answer{};
    EXPECT_EQ(dfu_get_status(h, 0, short_answer), kDfuNoHandle);
    EXPECT_EQ(dfu_detach(nullptr, 0), kDfuNoHandle);
    EXPECT_EQ(dfu_download(nullptr, 0, 0, block), kDfuNoHandle);
    EXPECT_EQ(dfu_get_status(nullptr, 0, status), kDfuNoHandle);
    EXPECT_EQ(dfu_clear_status(nullptr, 0), kDfuNoHandle);
    EXPECT_EQ(dfu_abort(nullptr, 0), kDfuNoHandle);
    EXPECT_EQ(dfu_request7(nullptr, 0), kDfuNoHandle);
    EXPECT_EQ(device->usb.transcript().size(), before);
    close_all(handles);
}

TEST_F(Dfu, DetachAndResetBringTheDeviceBackInManagementMode)
{
    auto device = plug(sim::make_bccmd_device(0x4D10));
    usb_dev_handle* handles[1] = {};
    ASSERT_EQ(dfu_open_devices(kDfuNormalDevices, handles), 1);
    ASSERT_EQ(dfu_detach(handles[0], 2), 0);
    const sim::ControlRecord& detach = device->usb.transcript().back();
    EXPECT_EQ(detach.setup.request_type, 0x21);
    EXPECT_EQ(detach.setup.request, 0);
    EXPECT_EQ(detach.setup.value, 5000);
    EXPECT_EQ(detach.setup.index, 2);
    EXPECT_EQ(detach.timeout_ms, 10000);
    std::array<uint8_t, kDfuStatusSize> status{};
    ASSERT_EQ(dfu_get_status(handles[0], 2, status), 6);
    EXPECT_EQ(status[4], sim::kDfuAppDetach);

    bus().usb_reset(device);
    close_all(handles);
    kivo::sleep_ms(200);
    std::array<struct usb_device*, 2> listed{};
    ASSERT_EQ(dfu_list_devices(kDfuManagementDevices, listed), 1);
    EXPECT_EQ(listed[0]->descriptor.idProduct, 0xCD10);
    EXPECT_EQ(listed[0]->descriptor.bDeviceClass, 0xFE);
    EXPECT_EQ(dfu_find_interface(listed[0]), 0);

    // Told to leave the loader, it comes back running its normal firmware.
    ASSERT_EQ(dfu_open_devices(kDfuManagementDevices, handles), 1);
    EXPECT_EQ(dfu_request7(handles[0], 0), 0);
    bus().usb_reset(device);
    close_all(handles);
    kivo::sleep_ms(200);
    EXPECT_EQ(dfu_list_devices(kDfuNormalDevices, listed), 1);
    EXPECT_EQ(listed[0]->descriptor.idProduct, 0x4D10);
    EXPECT_EQ(dfu_find_interface(listed[0]), 2);
}

// The maker's lenient loader takes a download with the states of USB DFU 1.1, its busy and
// manifest times running out on the clock alone, and runs the image's version once it leaves (the
// strict device's steps are tests/sim's).
TEST_F(Dfu, LoaderTakesADownloadStateByStateAndRunsItsVersionAfterTheReset)
{
    sim::UsbHeadsetPersona persona = sim::usb_headset(0x4D10, "Aldero");
    persona.in_loader = true;
    auto device = plug(sim::make_usb_headset(persona));
    device->usb.dfu->mode = sim::DfuMode::Lenient;
    usb_dev_handle* handles[1] = {};
    ASSERT_EQ(dfu_open_devices(kDfuManagementDevices, handles), 1);
    usb_dev_handle* h = handles[0];
    const std::string text = "SIMVERSION=5.3.2.7";
    const Bytes marked(text.begin(), text.end());
    std::array<uint8_t, kDfuStatusSize> status{};
    auto read = [&](kivo::Duration after) {
        bus().clock().advance(after);
        EXPECT_EQ(dfu_get_status(h, 0, status), 6);
        const uint32_t poll = status[1] | status[2] << 8 | status[3] << 16;
        return std::array<uint32_t, 3>{status[0], poll, status[4]};
    };
    struct Step {
        const char* what;
        std::function<int()> call;
        int result;
        kivo::Duration before; // virtual time first
        std::array<uint32_t, 3> answer; // of the status read that follows: bStatus, poll, bState
    };
    const Step steps[] = {
        {"block 0", [&] { return dfu_download(h, 0, 0, marked); }, 18, 0ms, {0, 5, sim::kDfuDnBusy}},
        {"a block while busy stalls",
         [&] { return dfu_download(h, 0, 1, marked); },
         -EPIPE,
         0ms,
         {sim::kDfuErrStalledPkt, 0, sim::kDfuError}},
        {"cleared", [&] { return dfu_clear_status(h, 0); }, 0, 0ms, {0, 0, sim::kDfuIdle}},
        {"block 0 again", [&] { return dfu_download(h, 0, 0, marked); }, 18, 0ms, {0, 5, sim::kDfuDnBusy}},
        {"nothing, before the poll time", [] { return 0; }, 0, 4ms, {0, 5, sim::kDfuDnBusy}},
        {"nothing, once it has passed", [] { return 0; }, 0, 1ms, {0, 0, sim::kDfuDnloadIdle}},
        {"the final block", [&] { return dfu_download(h, 0, 1, {}); }, 0, 0ms, {0, 100, sim::kDfuManifest}},
        {"nothing, once the manifest is over", [] { return 0; }, 0, 100ms, {0, 0, sim::kDfuManifestWaitReset}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        EXPECT_EQ(step.call(), step.result);
        EXPECT_EQ(read(step.before), step.answer);
    }
    EXPECT_EQ(device->usb.dfu->image(), marked);

    bus().usb_reset(device);
    close_all(handles);
    kivo::sleep_ms(200);
    std::array<struct usb_device*, 1> listed{};
    ASSERT_EQ(dfu_list_devices(kDfuNormalDevices, listed), 1) << "the final block told it to leave";
    EXPECT_EQ(listed[0]->descriptor.idProduct, 0x4D10);
    EXPECT_EQ(device->usb.ps_store->keys[sim::kKeyFirmwareVersion], (std::vector<uint16_t>{53, 0x0207}));
}

TEST_F(Dfu, FindInterfaceTakesTheFirstDfuAlternateSetting)
{
    const sim::UsbAltSetting hci{0, 0, 0xE0, 1, 1};
    struct Case {
        const char* what;
        std::vector<sim::UsbConfigDesc> configs;
        int expected;
    };
    const Case cases[] = {
        {"no configuration", {}, -1},
        {"no DFU interface", {{{hci}}}, -1},
        {"DFU interface 2", {{{hci}, {{1, 0, 0xE0, 1, 1}}, {{2, 0, 0xFE, 1, 0}}}}, 2},
        {"second alternate setting", {{{hci}, {{1, 0, 0xE0, 1, 1}, {1, 1, 0xFE, 1, 0}}}}, 1},
        {"other protocol or subclass skipped", {{{{0, 0, 0xFE, 1, 2}}, {{1, 0, 0xFE, 2, 0}}, {{3, 0, 0xFE, 1, 0}}}}, 3},
        {"second configuration", {{{hci}}, {{hci}, {{4, 0, 0xFE, 1, 0}}}}, 4},
    };
    for (const Case& c : cases) {
        HandBuiltDevice device(c.configs);
        EXPECT_EQ(dfu_find_interface(device.get()), c.expected) << c.what;
    }
    EXPECT_EQ(dfu_find_interface(nullptr), -1);
}

TEST_F(Dfu, ListingTakesOnlyTheMakersDfuDevicesByMode)
{
    auto hub = sim::make_dfu_device(0xCD30);
    hub->usb.layout.device_class = sim::kUsbClassHub;
    plug(hub);
    plug(sim::make_dfu_device(0xCD10, 0x1234)); // another maker's loader
    plug(sim::make_bccmd_device(0x4D10));
    plug(sim::make_dfu_device(0xCD20));
    bus().plug_hid(0x3142, nullptr); // no DFU interface
    plug(sim::make_bccmd_device(0x4D30));

    struct Case {
        int mode;
        size_t room;
        std::vector<uint16_t> expected;
        // The caller's filter: the one product it looks for (0: any).
        uint16_t only = 0;
    };
    const Case cases[] = {
        {kDfuAllDevices, 8, {0x4D10, 0xCD20, 0x4D30}},
        {kDfuNormalDevices, 8, {0x4D10, 0x4D30}},
        {kDfuManagementDevices, 8, {0xCD20}},
        {kDfuAllDevices, 2, {0x4D10, 0xCD20}},
        {kDfuAllDevices, 0, {}},
        // The others are passed over, and do not take the room of the one looked for.
        {kDfuAllDevices, 1, {0x4D30}, 0x4D30},
        {kDfuManagementDevices, 8, {}, 0x4D30},
    };
    for (const Case& c : cases) {
        std::vector<struct usb_device*> listed(c.room);
        kivo::ProductFilter only;
        if (c.only != 0)
            only = [&c](uint32_t product_id) { return product_id == c.only; };
        const int n = dfu_list_devices(c.mode, listed, only);
        EXPECT_EQ(product_ids(std::span(listed).first(static_cast<size_t>(n))), c.expected)
            << "mode " << c.mode << " room " << c.room;
    }
}

TEST_F(Dfu, ListingStopsAtThirtyDevices)
{
    for (int i = 0; i < 32; ++i)
        plug(sim::make_dfu_device(0xCD10));
    std::vector<struct usb_device*> listed(40);
    EXPECT_EQ(dfu_list_devices(kDfuAllDevices, listed), kDfuMaxListed);
}

TEST_F(Dfu, OpeningLeavesAnotherMakersLoaderAlone)
{
    auto foreign = plug(sim::make_dfu_device(0xCD10, 0x1234));
    auto first = plug(sim::make_dfu_device(0xCD10));
    auto second = plug(sim::make_dfu_device(0xE020));
    usb_dev_handle* handles[2] = {};
    ASSERT_EQ(dfu_open_devices(kDfuManagementDevices, handles), 2);
    EXPECT_EQ(first->usb.claimed().count(0), 1u);
    EXPECT_EQ(second->usb.claimed().count(0), 1u);
    // The end of an update: request 7, release, reset and close for each.
    for (usb_dev_handle* h : handles)
        EXPECT_EQ(dfu_request7(h, 0), 0);
    close_all(handles);
    EXPECT_EQ(foreign->usb.open_count(), 0);
    EXPECT_TRUE(foreign->usb.transcript().empty());
    EXPECT_TRUE(foreign->usb.claim_attempts().empty());
}

TEST_F(Dfu, OpeningStopsAtTheFirstFailure)
{
    struct Case {
        const char* what;
        int room;
        void (*arm)(sim::Device& first, sim::Device& second);
        int opened;
    };
    const Case cases[] = {
        {"room for one", 1, [](sim::Device&, sim::Device&) {}, 1},
        {"second open fails", 2, [](sim::Device&, sim::Device& s) { s.usb.faults.fail_open = 1; }, 1},
        {"second claim fails", 2, [](sim::Device&, sim::Device& s) { s.usb.faults.fail_claim = 1; }, 1},
        {"first open fails", 2, [](sim::Device& f, sim::Device&) { f.usb.faults.fail_open = 1; }, 0},
        {"first probe gives up", 2, [](sim::Device& f, sim::Device&) { f.usb.faults.fail_claim = -1; }, 0},
        {"no room", 0, [](sim::Device&, sim::Device&) {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        auto first = plug(sim::make_dfu_device(0xCD10));
        auto second = plug(sim::make_dfu_device(0xCD20));
        c.arm(*first, *second);
        usb_dev_handle* handles[2] = {};
        EXPECT_EQ(dfu_open_devices(kDfuManagementDevices, std::span(handles).first(static_cast<size_t>(c.room))),
                  c.opened);
        EXPECT_EQ(bus().open_usb_handles(), c.opened);
        EXPECT_EQ(bus().claimed_usb_interfaces(), c.opened);
        close_all(handles);
    }
    std::array<usb_dev_handle*, 2> handles{};
    bus().reset();
    EXPECT_EQ(dfu_open_devices(kDfuAllDevices, handles), 0);
}
