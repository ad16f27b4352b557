// The end of a USB DFU run: the devices let go until they run their new firmware, the boxes that
// ask the user to re-plug or switch them off and on, a run whose devices never come back, and what
// a failure leaves, against simulated devices of either DFU mode, in virtual time.

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "common/page_ids.h"
#include "tests/app/net/demo_firmware.h"
#include "tests/update/engine/usb_dfu_fixture.h"
#include "text/instruction_texts.h"
#include "update/engine/usb_dfu/usb_dfu_closing.h"

namespace {

using namespace std::chrono_literals;
using Event = FakeUpdateHost::Event;

} // namespace

class UsbDfuClosing : public UsbDfuModeTest {
protected:
    // The virtual time at each box event of the run.
    std::vector<kivo::Duration> eventTimes;
    void SetUp() override
    {
        UsbDfuModeTest::SetUp();
        recordEventTimes();
    }
    // A fresh bus and host for the next case of a table, its box events timed again.
    void startCaseAgain()
    {
        bus().reset();
        host.reset();
        recordEventTimes();
    }

private:
    void recordEventTimes()
    {
        eventTimes.clear();
        host.onEvent = [this](const Event&) { eventTimes.push_back(bus().clock().now()); };
    }
};

INSTANTIATE_TEST_SUITE_P(DfuModes, UsbDfuClosing, kBothDfuModes, dfu_mode_name);

TEST_P(UsbDfuClosing, HeadsetIsLetGoUntilItRunsItsNewFirmware)
{
    struct Case {
        const char* what;
        std::function<void(sim::Device&)> fault;
        int request7s;
        // Seconds: the manifest's 0.1 s, the 50 s pause, then the passes over devices in the loader.
        double boxAfterFinalBlock;
        double endAfterBox; // the passes until it runs its firmware, then 4 s and 2 s
        uint16_t productAtEnd;
    };
    const Case cases[] = {
        {"back in its firmware at the first pass", [](sim::Device&) {}, 0, 0.1 + 50 + 1, 1 + 6, 0x4D10},
        // The first passes end at their bound; request 7 sends it away.
        {"in its loader until request 7", [](sim::Device& d) { d.usb.dfu->leaves_only_on_request7 = true; }, 1,
         0.1 + 50 + 241, 2 + 6, 0x4D10},
        // 241 passes, then 100 %: the box has asked for the power cycle, recognition tells the rest.
        {"never back", [](sim::Device& d) { d.usb.gone_after_reset = true; }, 0, 0.1 + 50 + 1, 241 + 6, 0xCD10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startCaseAgain();
        const auto headset = plugHeadsetInItsLoader(0x4D10);
        c.fault(*headset);
        // The image the demo server offers, marked 5.2.
        useFile(demo_firmware::dfu_file(0x4D10, "5.2.0.0"));
        run();

        EXPECT_EQ(progress().updateProcessed, 100);
        EXPECT_EQ(progress().updateRestoreError, 0);
        EXPECT_EQ(count_of(dfuRequests(*headset), kRequest7), c.request7s);
        EXPECT_EQ(headset->product_id, c.productAtEnd);
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].message, kivo::InstructionTexts::getMessageBoxSecondButton(0x4D10, 0));
        EXPECT_TRUE(host.boxes[0].warning);
        EXPECT_FALSE(host.boxes[0].ok);
        EXPECT_EQ(host.boxes[0].size, 0);
        EXPECT_EQ(host.boxes[0].purpose, kBoxInstruction);
        // Closed, then once more by its number.
        EXPECT_EQ(host.closes, (std::vector<int>{1, 1}));
        EXPECT_FALSE(host.openedMessageBox());
        ASSERT_EQ(eventTimes.size(), 3u);
        EXPECT_EQ(ms_of(eventTimes[0] - last_dnload_at(*headset)), std::lround(c.boxAfterFinalBlock * 1000));
        EXPECT_EQ(ms_of(bus().clock().now() - eventTimes[0]), std::lround(c.endAfterBox * 1000));
        if (c.productAtEnd == 0x4D10) {
            EXPECT_EQ(headset->usb.ps_store->keys[sim::kKeyFirmwareVersion], (std::vector<uint16_t>{52, 0}))
                << "the marker's version";
        }
    }
}

// A run may end without its devices back in their firmware only where a box has asked the user to
// switch them off and on, and only when none is still in its loader at the last pass (its image did
// not take): otherwise it fails with the step's line once the passes are over.
TEST_P(UsbDfuClosing, DevicesNotBackFailTheRunUnlessTheUserWasAskedToSwitchThemOffAndOn)
{
    struct Case {
        const char* what;
        uint16_t product;
        bool imageNotTaken; // else away for good after the reset
        const char* line; // nullptr: the run succeeds
    };
    const Case cases[] = {
        {"away, the box asked for it", 0x4D10, false, nullptr},
        {"in its loader, the box asked for it", 0x4D10, true, "Cannot get status 7 [0 / 1]"},
        {"away, no box", 0x6420, false, "Cannot get status 7 [0 / 1]"},
        {"away, no box", 0x4120, false, "Cannot get status 7 [0 / 1]"},
        {"away, no box", 0x3010, false, "Cannot get status 7 [0 / 1]"},
        {"in its loader, no box", 0x4120, true, "Cannot get status 7 [0 / 1]"},
        // The two devices ask for the power cycle themselves while they stay away (the table below).
        {"both in their loader", 0x5310, true, "Cannot get status 7 [0 / 2]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.product << ": " << c.what);
        startCaseAgain();
        shared.change([](kivo::UpdateProgress& p) { p = {}; });
        std::vector<std::shared_ptr<sim::Device>> devices;
        if (c.product == 0x5310) {
            sim::UsbHeadsetPersona persona = sim::usb_headset(0x5310, "Xandel");
            persona.in_loader = true;
            for (const auto& device : sim::plug_usb_pair(persona))
                devices.push_back(device);
            recognized(0x5310, 0xD310, {1, 1, 0, 0});
        } else {
            devices.push_back(plugHeadsetInItsLoader(c.product));
        }
        for (const auto& device : devices) {
            if (c.imageNotTaken)
                device->usb.dfu->image_not_taken = true;
            else
                device->usb.gone_after_reset = true;
        }
        useDfuFile(model(c.product, c.product));
        run();

        EXPECT_TRUE(shared.updateFinished());
        EXPECT_FALSE(host.openedMessageBox());
        if (c.line == nullptr) {
            EXPECT_EQ(progress().updateRestoreError, 0) << status();
            EXPECT_EQ(progress().updateProcessed, 100);
            continue;
        }
        EXPECT_EQ(status(), failed(c.line));
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_LT(progress().updateProcessed, 100);
        EXPECT_EQ(devices[0]->usb.dfu->image(), imageOf(read_bytes(inputs.firmwareFile))) << "written whole";
    }
}

TEST_P(UsbDfuClosing, TwoDeviceProductAsksForAReplugOrAPowerCycleWhenItsDevicesStayAway)
{
    struct Case {
        const char* what;
        std::function<void(sim::Device& first, sim::Device& second)> fault;
        std::string box;
        long long endAfterBox;
    };
    const std::string replug = kivo::InstructionTexts::getMessageBoxFirstButton(0x5310, 0);
    const std::string power_cycle = kivo::InstructionTexts::getMessageBoxSecondButton(0x5310, 0);
    const Case cases[] = {
        // Back in the loader at every pass: more returns than devices by the second pass; the box
        // goes at the power-cycle step, and request 7 sends them away.
        {"devices back in their loader",
         [](sim::Device& a, sim::Device& b) {
             a.usb.dfu->leaves_only_on_request7 = true;
             b.usb.dfu->leaves_only_on_request7 = true;
         },
         replug, 239 + 2 + 7},
        // The power-cycle box at the twelfth pass, then the passes to 241, 4 s, 2 s and 1 s.
        {"none back",
         [](sim::Device& a, sim::Device& b) {
             a.usb.gone_after_reset = true;
             b.usb.gone_after_reset = true;
         },
         power_cycle, 241 - 12 + 7},
        {"one back", [](sim::Device&, sim::Device& b) { b.usb.gone_after_reset = true; }, power_cycle, 241 - 12 + 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startCaseAgain();
        shared.change([](kivo::UpdateProgress& p) { p = {}; });
        changes.clear();
        sim::UsbHeadsetPersona persona = sim::usb_headset(0x5310, "Xandel");
        persona.in_loader = true;
        const auto pair = sim::plug_usb_pair(persona);
        c.fault(*pair[0], *pair[1]);
        recognized(0x5310, 0xD310, {1, 1, 0, 0});
        useDfuFile(model(0x5310, 0x5310));
        run();
        EXPECT_EQ(progress().updateProcessed, 100);
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].message, c.box);
        EXPECT_EQ(host.closes, std::vector<int>{1}) << "no second close for the two-device product";
        ASSERT_EQ(eventTimes.size(), 2u);
        EXPECT_EQ(ms_of(bus().clock().now() - eventTimes[0]), c.endAfterBox * 1000);
        EXPECT_EQ(markers(), (std::vector<int>{0, 8, 99}));
    }
}

TEST_P(UsbDfuClosing, FailureLeavesNothingOpenAndTheDeviceInItsLoader)
{
    struct Case {
        const char* what;
        int request; // failing from the time below
        int failures;
        long long atMs; // after the preparation
        std::string line;
        // Left in dfuIDLE or dfuERROR, the next run writes it; left in the middle of its download,
        // the next run finds it neither idle nor running its firmware. The strict device goes to
        // dfuERROR at any request it stalls.
        PerMode<bool> nextRunWrites;
    };
    // Two blocks: block 0 at once, block 1 at 15 ms (10 ms, then 5 ms busy), the download done at
    // 25 ms (no pause after the only device), the manifest read at once, its 5 ms wait, the read
    // that finds the last block written and the final block at 30 ms.
    const Case cases[] = {
        {"blocks", kDnload, 11, 0, "Cannot update next block [0]", true},
        {"status reads in the download", kGetStatus, 11, 5, "Cannot get status 5 [0]", {true, false}},
        {"the status read before the manifest", kGetStatus, 1, 22, "Cannot get status 6 [0]", {true, false}},
        {"the status read before the final block", kGetStatus, 1, 27, "Cannot get status 6 [0]", {true, false}},
        {"the final block", kDnload, 1, 28, "Cannot send final block [0]", {true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        host.reset();
        const auto loader = plugHeadsetInItsLoader(0x4D10);
        const fwfile::Bytes file = useDfuFile(model(0x4D10, 0x4D10), 1500);
        armAfterPreparation = [&] {
            bus().schedule(std::chrono::milliseconds(c.atMs), [&] {
                loader->usb.faults.fail_control = c.failures;
                loader->usb.faults.fail_only_request = c.request;
            });
        };
        run();
        EXPECT_EQ(status(), failed(c.line));
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_EQ(bus().open_usb_handles(), 0);
        EXPECT_EQ(loader->product_id, 0xCD10) << "still in its loader";
        EXPECT_TRUE(host.boxes.empty());
        run();
        if (expected(c.nextRunWrites)) {
            EXPECT_EQ(progress().updateProcessed, 100);
            EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
        } else {
            EXPECT_EQ(status(), failed("Cannot detach device(not idle) [0]"));
        }
    }
    // A device left in an error state is cleared by the next run and written.
    bus().reset();
    const auto loader = plugHeadsetInItsLoader(0x4D10);
    loader->usb.dfu->block_fault = sim::DfuBlockFault{1, sim::kDfuErrWrite, 11};
    const fwfile::Bytes file = useDfuFile(model(0x4D10, 0x4D10), 3000);
    run();
    EXPECT_EQ(status(), failed("aborting (status 3 & state 10) [0]"));
    EXPECT_EQ(loader->usb.dfu->status.state, sim::kDfuError);
    run();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
    const std::vector<int> requests = dfuRequests(*loader);
    EXPECT_EQ(count_of(requests, kClrStatus), 10 + 1) << "ten in the budget, one at the next run's start";
}
