// The simulated DFU device's two modes, as the update path's tests rely on them: the strict device
// moves through the states of USB DFU 1.1 only as the standard allows, refuses everything else
// into its error state, writes its image in sequence and gives up a detach that no reset follows in
// time; the lenient one is the maker's loader. Both run only an image they manifested.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "tests/sim/bus.h"
#include "tests/sim/usb_devices.h"
#include "tests/sim/usb_headsets.h"

using namespace std::chrono_literals;

namespace {

constexpr uint8_t kOut = 0x21;
constexpr uint8_t kIn = 0xA1;

// One DFU class request to the device's DFU interface, as the libusb-0.1 face sends it.
int send(sim::Device& device, uint8_t type, uint8_t request, uint16_t value = 0, sim::Bytes data = {},
         uint16_t in_length = 0)
{
    std::lock_guard lock(sim::bus().mutex());
    const bool in = type == kIn;
    const sim::ControlSetup setup{type, request, value, static_cast<uint16_t>(device.usb.dfu_interface()),
                                  static_cast<uint16_t>(in ? in_length : data.size())};
    if (in)
        data.assign(in_length, 0);
    return device.usb.control(sim::UsbApi::Libusb01, setup, data.empty() ? nullptr : data.data(), 10000);
}

int get_status(sim::Device& d) { return send(d, kIn, sim::kDfuGetStatus, 0, {}, 6); }
int block(sim::Device& d, uint16_t number, const std::string& text)
{
    return send(d, kOut, sim::kDfuDnload, number, sim::Bytes(text.begin(), text.end()));
}
int final_block(sim::Device& d) { return send(d, kOut, sim::kDfuDnload, 9); }
int clear_status(sim::Device& d) { return send(d, kOut, sim::kDfuClrStatus); }
int abort_action(sim::Device& d) { return send(d, kOut, sim::kDfuAbort); }
int detach(sim::Device& d, uint16_t timeout_ms = 5000) { return send(d, kOut, sim::kDfuDetach, timeout_ms); }
int upload(sim::Device& d) { return send(d, kIn, sim::kDfuUpload, 0, {}, 64); }
int get_state(sim::Device& d) { return send(d, kIn, sim::kDfuGetState, 0, {}, 1); }

// A USB reset, and the time for the device to come back.
void reset_and_wait(const std::shared_ptr<sim::Device>& device)
{
    sim::bus().usb_reset(device);
    kivo::sleep_ms(200);
}

struct Step {
    const char* what;
    std::function<int(sim::Device&)> call;
    int result;
    uint8_t state; // the device's state after it
    uint8_t status = sim::kDfuStatusOk;
    std::chrono::milliseconds before{0}; // virtual time first
};

class DfuPersonaTest : public testing::Test {
protected:
    // The maker's plain-USB headset in its loader, with its persistent store.
    std::shared_ptr<sim::Device> plugLoader(sim::DfuMode mode)
    {
        const sim::DfuModeScope scope(mode);
        sim::UsbHeadsetPersona persona = sim::usb_headset(0x4D10, "Aldero");
        persona.in_loader = true;
        return sim::bus().plug(sim::make_usb_headset(persona));
    }
    void walk(sim::Device& device, const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            SCOPED_TRACE(step.what);
            sim::bus().clock().advance(step.before);
            EXPECT_EQ(step.call(device), step.result);
            EXPECT_EQ(device.usb.dfu->status.state, step.state);
            EXPECT_EQ(device.usb.dfu->status.status, step.status);
        }
    }

    sim::Session session;
};

} // namespace

TEST_F(DfuPersonaTest, StrictDeviceMovesOnlyAsTheStateTableAllows)
{
    const auto device = plugLoader(sim::DfuMode::Strict);
    const int stall = -EPIPE;
    constexpr uint8_t stalled = sim::kDfuErrStalledPkt;
    walk(*device,
         {
             {"status in dfuIDLE", get_status, 6, sim::kDfuIdle},
             {"DETACH in the loader", [](sim::Device& d) { return detach(d); }, stall, sim::kDfuError, stalled},
             {"status in dfuERROR", get_status, 6, sim::kDfuError, stalled},
             {"ABORT in dfuERROR", abort_action, stall, sim::kDfuError, stalled},
             {"CLRSTATUS", clear_status, 0, sim::kDfuIdle},
             {"CLRSTATUS in dfuIDLE", clear_status, stall, sim::kDfuError, stalled},
             {"CLRSTATUS again", clear_status, 0, sim::kDfuIdle},
             {"UPLOAD, which it cannot", upload, stall, sim::kDfuError, stalled},
             {"CLRSTATUS after it", clear_status, 0, sim::kDfuIdle},
             {"the final block with nothing sent", final_block, stall, sim::kDfuError, stalled},
             {"CLRSTATUS before the image", clear_status, 0, sim::kDfuIdle},
             {"a block numbered 7 begins the image", [](sim::Device& d) { return block(d, 7, "AB"); }, 2,
              sim::kDfuDnloadSync},
             {"its state, which stays", get_state, 1, sim::kDfuDnloadSync},
             {"a block before the status read", [](sim::Device& d) { return block(d, 8, "XX"); }, stall, sim::kDfuError,
              stalled},
             {"CLRSTATUS after the refused block", clear_status, 0, sim::kDfuIdle},
             {"a block in dfuIDLE begins the image again", [](sim::Device& d) { return block(d, 3, "CD"); }, 2,
              sim::kDfuDnloadSync},
             {"the status read: busy for 5 ms", get_status, 6, sim::kDfuDnBusy},
             {"a read before the 5 ms are up", get_status, stall, sim::kDfuError, stalled, 4ms},
             {"CLRSTATUS: the block is lost with the download", clear_status, 0, sim::kDfuIdle},
             {"block 0", [](sim::Device& d) { return block(d, 0, "EF"); }, 2, sim::kDfuDnloadSync},
             {"busy", get_status, 6, sim::kDfuDnBusy},
             {"the final block once the time is up, without a status read", final_block, stall, sim::kDfuError, stalled,
              5ms},
             {"CLRSTATUS after the refused final block", clear_status, 0, sim::kDfuIdle},
             {"block 0 again", [](sim::Device& d) { return block(d, 0, "GH"); }, 2, sim::kDfuDnloadSync},
             {"busy once more", get_status, 6, sim::kDfuDnBusy},
             {"written, at the read after the time", get_status, 6, sim::kDfuDnloadIdle, sim::kDfuStatusOk, 5ms},
             {"ABORT in dfuDNLOAD-IDLE", abort_action, 0, sim::kDfuIdle},
             {"block 0 of the image", [](sim::Device& d) { return block(d, 0, "IJ"); }, 2, sim::kDfuDnloadSync},
             {"its busy time", get_status, 6, sim::kDfuDnBusy},
             {"it is written", get_status, 6, sim::kDfuDnloadIdle, sim::kDfuStatusOk, 5ms},
             {"block 5, placed after it", [](sim::Device& d) { return block(d, 5, "KL"); }, 2, sim::kDfuDnloadSync},
             {"its busy time too", get_status, 6, sim::kDfuDnBusy},
             {"written too", get_status, 6, sim::kDfuDnloadIdle, sim::kDfuStatusOk, 5ms},
             {"the final block", final_block, 0, sim::kDfuManifestSync},
             {"the manifest begins at the status read", get_status, 6, sim::kDfuManifest},
             {"a read during the manifest", get_status, stall, sim::kDfuError, stalled, 50ms},
         });
    EXPECT_EQ(device->usb.dfu->image(), (sim::Bytes{'I', 'J', 'K', 'L'}))
        << "the blocks in order, whatever their numbers";
}

// Manifested, the device waits for its reset and answers nothing meanwhile; it leaves its loader
// at the reset only when told to (its manifest, request 7, the lenient one's final block) and
// holding an image it manifested: the final block taken and its manifest over (the lenient one's
// on the clock alone). A loader told to leave with an image it never manifested stays.
TEST_F(DfuPersonaTest, DeviceLeavesItsLoaderAtTheResetOnlyWithAnImageItManifested)
{
    struct Case {
        const char* what;
        sim::DfuMode mode;
        bool finalBlock;
        std::function<void(sim::Device&)> before_reset; // after the final block, if any
        uint16_t productAfterReset;
    };
    auto request7 = [](sim::Device& d) { EXPECT_EQ(send(d, kOut, sim::kDfuRequest7), 0); };
    const Case cases[] = {
        {"strict, no status read after the final block", sim::DfuMode::Strict, true, [](sim::Device&) {}, 0xCD10},
        {"strict, manifesting when reset", sim::DfuMode::Strict, true, [](sim::Device& d) { get_status(d); }, 0xCD10},
        {"strict, manifested", sim::DfuMode::Strict, true,
         [](sim::Device& d) {
             EXPECT_EQ(get_status(d), 6);
             sim::bus().clock().advance(100ms);
             EXPECT_EQ(get_status(d), -EPIPE) << "waiting for its reset";
             EXPECT_EQ(d.usb.dfu->status.state, sim::kDfuManifestWaitReset);
         },
         0x4D10},
        {"strict, manifestation tolerant", sim::DfuMode::Strict, true,
         [](sim::Device& d) {
             d.usb.dfu->manifestation_tolerant = true;
             EXPECT_EQ(get_status(d), 6);
             sim::bus().clock().advance(100ms);
             EXPECT_EQ(get_status(d), 6);
             EXPECT_EQ(d.usb.dfu->status.state, sim::kDfuIdle) << "back in dfuIDLE after its manifest";
         },
         0x4D10},
        {"strict, request 7 before the manifest", sim::DfuMode::Strict, true, request7, 0xCD10},
        {"strict, manifested, then request 7 where only that sends it away", sim::DfuMode::Strict, true,
         [&](sim::Device& d) {
             d.usb.dfu->leaves_only_on_request7 = true;
             EXPECT_EQ(get_status(d), 6);
             sim::bus().clock().advance(100ms);
             request7(d);
         },
         0x4D10},
        {"strict, request 7 without a final block", sim::DfuMode::Strict, false, request7, 0xCD10},
        {"lenient, its manifest over", sim::DfuMode::Lenient, true,
         [](sim::Device&) { sim::bus().clock().advance(100ms); }, 0x4D10},
        {"lenient, reset before its manifest is over", sim::DfuMode::Lenient, true,
         [](sim::Device&) { sim::bus().clock().advance(99ms); }, 0xCD10},
        {"lenient, request 7 without a final block", sim::DfuMode::Lenient, false,
         [&](sim::Device& d) {
             sim::bus().clock().advance(100ms);
             request7(d);
         },
         0xCD10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::bus().reset();
        const auto device = plugLoader(c.mode);
        device->usb.dfu->busy_answers = 0;
        ASSERT_EQ(block(*device, 0, "SIMVERSION=5.3.0.0"), 18);
        ASSERT_EQ(get_status(*device), 6);
        if (c.finalBlock) {
            ASSERT_EQ(final_block(*device), 0);
        }
        c.before_reset(*device);
        reset_and_wait(device);
        EXPECT_EQ(device->product_id, c.productAfterReset);
    }
}

// A manifested image runs once the loader is told to leave, after a reset that kept the loader; a
// new download in the loader is unmanifested until its own final block and manifest.
TEST_F(DfuPersonaTest, ManifestedImageOutlivesAResetInTheLoaderUntilANewDownload)
{
    struct Case {
        const char* what;
        sim::DfuMode mode;
        bool newDownload; // after the reset, before request 7
        uint16_t productAfterReset;
    };
    const Case cases[] = {
        {"strict, request 7 after the reset", sim::DfuMode::Strict, false, 0x4D10},
        {"strict, a new download first", sim::DfuMode::Strict, true, 0xCD10},
        {"lenient, request 7 after the reset", sim::DfuMode::Lenient, false, 0x4D10},
        {"lenient, a new download first", sim::DfuMode::Lenient, true, 0xCD10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::bus().reset();
        const auto device = plugLoader(c.mode);
        device->usb.dfu->busy_answers = 0;
        device->usb.dfu->leaves_only_on_request7 = true;
        ASSERT_EQ(block(*device, 0, "SIMVERSION=5.3.0.0"), 18);
        ASSERT_EQ(get_status(*device), 6);
        ASSERT_EQ(final_block(*device), 0);
        get_status(*device);
        sim::bus().clock().advance(100ms);
        reset_and_wait(device);
        ASSERT_EQ(device->product_id, 0xCD10) << "not told to leave";
        if (c.newDownload) {
            ASSERT_EQ(block(*device, 0, "SIMVERSION=5.4.0.0"), 18);
        }
        ASSERT_EQ(send(*device, kOut, sim::kDfuRequest7), 0);
        reset_and_wait(device);
        EXPECT_EQ(device->product_id, c.productAfterReset);
    }
}

// The strict device waits for its reset the detach time-out (or the shorter time the DETACH asked
// for) and then goes back to appIDLE: a reset after that leaves it in its firmware.
TEST_F(DfuPersonaTest, DetachIsGivenUpWhenNoResetFollowsInTime)
{
    struct Case {
        const char* what;
        sim::DfuMode mode;
        uint16_t detachMs; // wValue of the DETACH
        std::chrono::milliseconds resetAfter;
        uint16_t productAfterReset;
    };
    const Case cases[] = {
        {"reset within the time-out", sim::DfuMode::Strict, 5000, 999ms, 0xCD10},
        {"reset after the time-out", sim::DfuMode::Strict, 5000, 1000ms, 0x4D10},
        {"reset after the shorter time asked for", sim::DfuMode::Strict, 200, 200ms, 0x4D10},
        {"lenient: no time-out", sim::DfuMode::Lenient, 5000, 60000ms, 0xCD10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::bus().reset();
        const sim::DfuModeScope scope(c.mode);
        const auto device = sim::bus().plug(sim::make_bccmd_device(0x4D10));
        ASSERT_EQ(detach(*device, c.detachMs), 0);
        EXPECT_EQ(get_status(*device), 6);
        EXPECT_EQ(device->usb.dfu->status.state, sim::kDfuAppDetach);
        sim::bus().clock().advance(c.resetAfter);
        reset_and_wait(device);
        EXPECT_EQ(device->product_id, c.productAfterReset);
    }
}

// A fault that stalls a request is the device's own refusal: the strict device goes to its error
// state (appIDLE in its firmware, where it has none); a failure that never reached the device, and
// the lenient device, leave the state as it was.
TEST_F(DfuPersonaTest, StallOnCueMovesTheStrictDeviceAsItsOwnRefusal)
{
    struct Case {
        const char* what;
        sim::DfuMode mode;
        bool inLoader;
        int errorNumber;
        uint8_t stateAfter;
    };
    const Case cases[] = {
        {"strict loader, a stall", sim::DfuMode::Strict, true, EPIPE, sim::kDfuError},
        {"strict loader, an I/O error", sim::DfuMode::Strict, true, EIO, sim::kDfuIdle},
        {"strict headset, a stall", sim::DfuMode::Strict, false, EPIPE, sim::kDfuAppIdle},
        {"lenient loader, a stall", sim::DfuMode::Lenient, true, EPIPE, sim::kDfuIdle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::bus().reset();
        const sim::DfuModeScope scope(c.mode);
        const auto device = c.inLoader ? plugLoader(c.mode) : sim::bus().plug(sim::make_bccmd_device(0x4D10));
        device->usb.faults.fail_control = 1;
        device->usb.faults.control_errno = c.errorNumber;
        EXPECT_EQ(get_status(*device), -c.errorNumber);
        EXPECT_EQ(device->usb.dfu->status.state, c.stateAfter);
    }
}
