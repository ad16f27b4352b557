// The USB DFU paths from the download on: the image in 1023-byte blocks, the retry budget, the
// busy device, the manifest wait and the final block, the end of the update that waits for the
// devices to run their new firmware, and the failures, against simulated devices in their loader
// that take a download as USB DFU 1.1 has it, in virtual time.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>

#include "common/page_ids.h"
#include "tests/app/net/demo_firmware.h"
#include "tests/update/engine/usb_dfu_fixture.h"
#include "text/instruction_texts.h"
#include "update/engine/usb_dfu_closing.h"
#include "update/engine/usb_dfu_download.h"
#include "update/engine/usb_dfu_transfer.h"

namespace {

using namespace std::chrono_literals;
using Event = FakeUpdateHost::Event;
using kivo::DfuProgressScale;

constexpr char kFailed[] = "Failed to update firmware";
constexpr char kProcessing[] = "On updating firmware.";
constexpr DfuProgressScale kOneDevice = kivo::dfu_progress_scale(0x4D10);
constexpr DfuProgressScale kTwoDevices = kivo::dfu_progress_scale(0x5310);

std::string failed(const std::string& reason) { return std::string(kFailed) + ". " + reason; }

long long ms_of(kivo::Duration d) { return std::chrono::duration_cast<std::chrono::milliseconds>(d).count(); }

// The GETSTATUS transfers a device received, in order.
std::vector<const sim::ControlRecord*> status_reads(const sim::Device& device)
{
    std::vector<const sim::ControlRecord*> reads;
    for (const sim::ControlRecord& record : device.usb.transcript())
        if (record.api == sim::UsbApi::Libusb01 && record.setup.request_type == 0xA1 && record.setup.request == 3)
            reads.push_back(&record);
    return reads;
}

// The virtual times of a device's DNLOADs that went through, in order.
std::vector<kivo::Duration> dnload_times(const sim::Device& device, bool final_block_too = true)
{
    std::vector<kivo::Duration> times;
    for (const sim::ControlRecord& record : device.usb.transcript())
        if (record.setup.request_type == 0x21 && record.setup.request == 1 && record.result >= 0 &&
            (final_block_too || record.setup.length > 0))
            times.push_back(record.at);
    return times;
}
kivo::Duration last_dnload_at(const sim::Device& device) { return dnload_times(device).back(); }
kivo::Duration last_block_at(const sim::Device& device) { return dnload_times(device, false).back(); }
kivo::Duration first_block_at(const sim::Device& device) { return dnload_times(device).front(); }

int count_of(const std::vector<int>& requests, int request)
{
    return static_cast<int>(std::count(requests.begin(), requests.end(), request));
}

} // namespace

class UsbDfuDownload : public UsbDfuRunTest {
protected:
    // The distinct percentages the run showed, in order.
    std::vector<int> shown() const
    {
        std::vector<int> out;
        for (const kivo::UpdateProgress& p : changes)
            if (out.empty() || out.back() != p.updateProcessed)
                out.push_back(p.updateProcessed);
        return out;
    }
    // Virtual seconds at each box event of the run.
    std::vector<long long> eventSeconds;
    void SetUp() override
    {
        UsbDfuRunTest::SetUp();
        recordEventSeconds();
    }
    // A fresh bus and host for the next case of a table, its box events timed again.
    void startCaseAgain()
    {
        bus().reset();
        host.reset();
        recordEventSeconds();
    }

private:
    void recordEventSeconds()
    {
        eventSeconds.clear();
        host.onEvent = [this](const Event&) { eventSeconds.push_back(virtualSeconds()); };
    }
};

TEST(UsbDfuProgress, FormulasFollowTheScaleWithoutOverflow)
{
    struct Case {
        const char* what;
        int value;
        int expected;
    };
    constexpr uint64_t kBig = 3'000'000'000; // bytes: sent x 16 passes 32 bits
    constexpr uint64_t kUncappedPolls = 2 * 0xFFFFFF; // two 24-bit poll timeouts: waited x 84 passes 32 bits
    const Case cases[] = {
        {"one device, nothing sent", kivo::dfu_download_progress(kOneDevice, 0, 3000, 0, 1), 5},
        {"one device, half", kivo::dfu_download_progress(kOneDevice, 1500, 3000, 0, 1), 10},
        {"one device, all", kivo::dfu_download_progress(kOneDevice, 3000, 3000, 0, 1), 16},
        {"device 0 of two, nothing", kivo::dfu_download_progress(kTwoDevices, 0, 3000, 0, 2), 8},
        {"device 0 of two, all", kivo::dfu_download_progress(kTwoDevices, 3000, 3000, 0, 2), 16},
        {"device 1 of two, nothing", kivo::dfu_download_progress(kTwoDevices, 0, 3000, 1, 2), 16},
        {"device 1 of two, all", kivo::dfu_download_progress(kTwoDevices, 3000, 3000, 1, 2), 24},
        {"a large image", kivo::dfu_download_progress(kOneDevice, kBig, kBig, 0, 1), 16},
        {"a large image, two thirds", kivo::dfu_download_progress(kOneDevice, kBig / 3 * 2, kBig, 0, 1), 12},
        {"manifest start", kivo::dfu_manifest_progress(kOneDevice, 0, 60000), 16},
        // The divisor is T + 65 s: a wait of two minutes moves the bar only part of its span.
        {"a two-minute manifest, done", kivo::dfu_manifest_progress(kOneDevice, 120000, 120000), 16 + 54},
        {"two-device manifest, done", kivo::dfu_manifest_progress(kTwoDevices, 120000, 120000), 24 + 49},
        {"uncapped polls, done", kivo::dfu_manifest_progress(kOneDevice, kUncappedPolls, kUncappedPolls), 16 + 83},
        {"never above D + M",
         kivo::dfu_manifest_progress(kOneDevice, std::numeric_limits<uint32_t>::max(),
                                     std::numeric_limits<uint32_t>::max()),
         16 + 83},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value, c.expected) << c.what;
}

// The download alone, on a device in its loader, with an image of any size: what goes on the wire
// and what the device reassembles.
TEST_F(UsbDfuDownload, BlocksFollowTheImageSizeAndTheFinalBlockCountsThem)
{
    for (const size_t size : {1, 1022, 1023, 1024, 2046}) {
        SCOPED_TRACE(size);
        bus().reset();
        const auto loader = plugLoader(0xCD10);
        recognized(0x4D10, 0xCD10);
        const fwfile::Bytes image = fwfile::pattern(size, 7);
        kivo::UpdateRun run(inputs, shared, host);
        run.dfuImage.buffer.reset(static_cast<uint8_t*>(std::malloc(size)));
        std::copy(image.begin(), image.end(), run.dfuImage.buffer.get());
        run.dfuImage.size = size;
        kivo::DfuDevices devices;
        devices.count = 1;
        ASSERT_TRUE(kivo::dfu_devices_ready(run, devices));
        ASSERT_TRUE(kivo::dfu_download_image(run, devices));
        ASSERT_TRUE(kivo::dfu_finish_download(run, devices));
        kivo::dfu_close_after_download(run, devices);

        std::vector<Dnload> expected;
        const size_t blocks = (size + kivo::kDfuBlockSize - 1) / kivo::kDfuBlockSize;
        for (size_t b = 0; b < blocks; ++b) {
            const size_t length = std::min(kivo::kDfuBlockSize, size - b * kivo::kDfuBlockSize);
            expected.push_back({static_cast<int>(b), length, static_cast<int>(length)});
        }
        expected.push_back({static_cast<int>(blocks), 0, 0});
        EXPECT_EQ(dnloads(*loader), expected);
        EXPECT_EQ(loader->usb.dfu->image(), image);
        EXPECT_EQ(progress().updateProcessed, 100);
        EXPECT_EQ(progress().updateRestoreError, 0);
    }
}

TEST_F(UsbDfuDownload, BothDevicesOfTheTwoDeviceProductAreWrittenOneAfterTheOther)
{
    sim::UsbHeadsetPersona persona = sim::usb_headset(0x5310, "Xandel");
    persona.in_loader = true;
    const auto pair = sim::plug_usb_pair(persona);
    recognized(0x5310, 0xD310, {1, 1, 0, 0});
    // Ten blocks, the version marker inside.
    fwfile::Bytes file = fwfile::make_dfu_image(model(0x5310, 0x5310), 10230 - 27, 0x5310);
    const std::string marker = "SIMVERSION=1.2.0.0";
    std::copy(marker.begin(), marker.end(), file.begin() + 4000);
    fwfile::put_dfu_crc(file);
    useFile(file, "firmware.dfu");
    run();

    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(progress().updateRestoreError, 0);
    EXPECT_EQ(status(), kProcessing);
    for (const auto& device : pair) {
        EXPECT_EQ(device->usb.dfu->image(), imageOf(file));
        EXPECT_EQ(device->product_id, 0x5310) << "running its firmware again";
        EXPECT_EQ(device->usb.ps_store->keys[sim::kKeyFirmwareVersion], (std::vector<uint16_t>{12, 0}));
        EXPECT_EQ(count_of(dfuRequests(*device), kRequest7), 0);
    }
    EXPECT_LT(last_block_at(*pair[0]), first_block_at(*pair[1])) << "one after the other";
    // 8 to 16 while device 0 is written, 16 to 24 while device 1 is, then 24 until the timer's fill.
    EXPECT_EQ(shown(),
              (std::vector<int>{0, 1, 2, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 100}));
    EXPECT_EQ(markers(), (std::vector<int>{0, 8, 99}));
    const auto paced = std::find_if(changes.begin(), changes.end(),
                                    [](const kivo::UpdateProgress& p) { return p.updateTimerPercentToProcess > 0; });
    ASSERT_NE(paced, changes.end());
    EXPECT_EQ(paced->updateTimerProcessed, 24);
    EXPECT_EQ(paced->updateTimerPercentToProcess, 90 - 24);
    EXPECT_EQ(paced->updateTimerProcessTime, 0);
    EXPECT_TRUE(host.boxes.empty()) << "no power-cycle box, and every device came back";
}

TEST_F(UsbDfuDownload, ManifestWaitMovesPartOfItsSpanAndRepeatsFromRunToRun)
{
    struct Case {
        uint32_t pollMs;
        int highest; // before the timer's fill
    };
    // T = 0 skips the wait; a T of a minute reaches 16 + 60 x 84 / 125, and one of 200 s (past a
    // minute, the device's own time all the same) 16 + 200 x 84 / 265.
    for (const Case c : {Case{0, 16}, Case{60000, 56}, Case{200000, 79}}) {
        SCOPED_TRACE(c.pollMs);
        std::vector<int> first_run;
        for (int attempt = 0; attempt < 2; ++attempt) {
            bus().reset();
            changes.clear();
            const auto loader = plugHeadsetInItsLoader(0x4D10);
            loader->usb.dfu->busy_poll_ms = c.pollMs;
            useDfuFile(model(0x4D10, 0x4D10), 100);
            run();
            EXPECT_EQ(progress().updateProcessed, 100);
            std::vector<int> manifest;
            for (const kivo::UpdateProgress& p : changes)
                if (p.updateProcessed >= 16 && p.updateProcessed < 100 && p.updateTimerPercentToProcess == 0)
                    manifest.push_back(p.updateProcessed);
            ASSERT_FALSE(manifest.empty());
            EXPECT_TRUE(std::is_sorted(manifest.begin(), manifest.end()));
            EXPECT_EQ(manifest.back(), c.highest);
            EXPECT_EQ(manifest.size() > 2, c.pollMs > 0) << "a wait in random steps of at most 5 s";
            if (attempt == 0)
                first_run = manifest;
            else
                EXPECT_EQ(manifest, first_run) << "the steps are seeded from the virtual clock";
        }
    }
}

// A device that asks for hours before its manifest is given the five minutes one device may wait:
// the run stays bounded, and the final block then finds it still busy.
TEST_F(UsbDfuDownload, ManifestWaitOfHoursIsCutToFiveMinutes)
{
    const auto loader = plugHeadsetInItsLoader(0x4D10);
    loader->usb.dfu->busy_poll_ms = 0xFFFFFF;
    useDfuFile(model(0x4D10, 0x4D10), 100);
    run();
    const std::vector<const sim::ControlRecord*> reads = status_reads(*loader);
    ASSERT_FALSE(reads.empty());
    EXPECT_EQ(reads.back()->data.at(4), sim::kDfuDnBusy);
    std::vector<kivo::Duration> final_blocks;
    for (const sim::ControlRecord& record : loader->usb.transcript())
        if (record.setup.request_type == 0x21 && record.setup.request == kDnload && record.setup.length == 0)
            final_blocks.push_back(record.at);
    ASSERT_EQ(final_blocks.size(), 1u);
    EXPECT_EQ(ms_of(final_blocks[0] - reads.back()->at), 300000);
    EXPECT_EQ(status(), failed("Cannot send final block [0]"));
}

TEST_F(UsbDfuDownload, OneRetryBudgetOfTenIsSharedByFailedReadsErrorStatesAndFailedBlocks)
{
    struct Case {
        const char* what;
        int failedBlocks; // the first DNLOADs fail
        int failedReads; // then, once block 0 is in, the status reads fail
        int errorStates; // then block 1 is reported lost
        std::string line; // empty: written
    };
    const Case cases[] = {
        {"ten failed status reads", 0, 10, 0, ""},
        {"eleven failed status reads", 0, 11, 0, "Cannot get status 5 [0]"},
        {"ten error states", 0, 0, 10, ""},
        {"eleven error states", 0, 0, 11, "aborting (status 3 & state 10) [0]"},
        {"a failed block", 1, 0, 0, ""},
        {"eleven failed blocks", 11, 0, 0, "Cannot update next block [0]"},
        {"ten of the three", 3, 4, 3, ""},
        {"eleven of the three", 3, 4, 4, "aborting (status 3 & state 10) [0]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        const auto loader = plugHeadsetInItsLoader(0x4D10);
        loader->usb.dfu->block_fault = sim::DfuBlockFault{1, sim::kDfuErrWrite, c.errorStates};
        const fwfile::Bytes file = useDfuFile(model(0x4D10, 0x4D10), 3000);
        armAfterPreparation = [&] {
            loader->usb.faults.fail_control = c.failedBlocks;
            loader->usb.faults.fail_only_request = kDnload;
            // Block 0 goes once the failed ones have waited their second each.
            bus().schedule(std::chrono::milliseconds(c.failedBlocks * 1000 + 5), [&] {
                loader->usb.faults.fail_control = c.failedReads;
                loader->usb.faults.fail_only_request = kGetStatus;
            });
        };
        run();
        if (c.line.empty()) {
            EXPECT_EQ(progress().updateProcessed, 100);
            EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
            // Three blocks and the final one, each failed block sent again, and block 1 again after
            // each error state.
            const std::vector<Dnload> wire = dnloads(*loader);
            EXPECT_EQ(wire.size(), static_cast<size_t>(4 + c.failedBlocks + c.errorStates));
            // Block 0 again after each failed one.
            const auto failed_blocks = static_cast<size_t>(c.failedBlocks);
            ASSERT_GT(wire.size(), failed_blocks);
            for (size_t i = 0; i < failed_blocks; ++i)
                EXPECT_EQ(wire[i].block, 0);
            EXPECT_EQ(wire[failed_blocks], (Dnload{0, 1023, 1023}));
        } else {
            EXPECT_EQ(status(), failed(c.line));
            EXPECT_EQ(progress().updateRestoreError, 1);
            EXPECT_EQ(loader->product_id, 0xCD10) << "still in its loader";
        }
        EXPECT_EQ(bus().open_usb_handles(), 0);
    }
}

// A DNLOAD that moved fewer bytes than its block did not deliver the block: it counts as a failed
// one, sent again while the budget lasts.
TEST_F(UsbDfuDownload, ShortBlockTransferCountsAsAFailedBlock)
{
    for (const int shortBlocks : {1, 11}) {
        SCOPED_TRACE(shortBlocks);
        bus().reset();
        const auto loader = plugHeadsetInItsLoader(0x4D10);
        const fwfile::Bytes file = useDfuFile(model(0x4D10, 0x4D10), 3000);
        armAfterPreparation = [&] {
            loader->usb.faults.short_control = shortBlocks;
            loader->usb.faults.fail_only_request = kDnload;
        };
        run();
        const std::vector<Dnload> wire = dnloads(*loader);
        ASSERT_GE(wire.size(), 2u);
        EXPECT_EQ(wire[0], (Dnload{0, 1023, 1022})) << "one byte short";
        if (shortBlocks == 1) {
            EXPECT_EQ(wire[1], (Dnload{0, 1023, 1023})) << "the same block again";
            EXPECT_EQ(progress().updateProcessed, 100);
            EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
        } else {
            EXPECT_EQ(status(), failed("Cannot update next block [0]"));
            EXPECT_EQ(progress().updateRestoreError, 1);
            EXPECT_EQ(loader->product_id, 0xCD10) << "still in its loader";
        }
        EXPECT_EQ(bus().open_usb_handles(), 0);
    }
}

TEST_F(UsbDfuDownload, BusyDeviceIsWaitedForItsPollTimeoutUpToFiveMinutesInAll)
{
    struct Case {
        const char* what;
        uint32_t pollMs;
        int busyAnswers;
        long long waitMs; // between the first busy answer and the next read
        bool written;
    };
    const Case cases[] = {
        {"the device's own poll timeout", 2000, 1, 2000, true},
        {"a poll timeout past a minute", 90000, 1, 90000, true},
        {"a poll timeout of hours", 0xFFFFFF, 1, 300000, false},
        // 200 s, then what is left of the five minutes (100 s), then the end.
        {"two poll timeouts longer than what is left", 200000, 2, 200000, false},
        {"busy for ever", 1000, -1, 1000, false},
        // No pause asked for: each busy answer still counts a millisecond, so the reads end too.
        {"busy for ever without a poll timeout", 0, -1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        const auto loader = plugHeadsetInItsLoader(0x4D10);
        loader->usb.dfu->busy_poll_ms = c.pollMs;
        loader->usb.dfu->busy_answers = c.busyAnswers;
        const fwfile::Bytes file = useDfuFile(model(0x4D10, 0x4D10), 1500);
        run();
        const std::vector<const sim::ControlRecord*> reads = status_reads(*loader);
        // Stage A's read, the one before block 0, then the first busy answer.
        ASSERT_GE(reads.size(), 4u);
        EXPECT_EQ(reads[2]->data.at(4), sim::kDfuDnBusy);
        EXPECT_EQ(ms_of(reads[3]->at - reads[2]->at), c.waitMs);
        if (c.written) {
            EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
            EXPECT_EQ(progress().updateProcessed, 100);
        } else {
            EXPECT_EQ(status(), failed("aborting (status 0 & state 4) [0]"));
            if (c.pollMs > 0)
                EXPECT_EQ(ms_of(reads.back()->at - reads[2]->at), 300000) << "busy five minutes in all";
            else
                EXPECT_EQ(reads.size() - 3, 300000u) << "a millisecond each, then the answer that ends it";
            EXPECT_EQ(dnloads(*loader).size(), 1u);
        }
    }
}

TEST_F(UsbDfuDownload, HeadsetIsLetGoUntilItRunsItsNewFirmware)
{
    struct Case {
        const char* what;
        std::function<void(sim::Device&)> fault;
        int request7s;
        long long boxAfterFinalBlock; // seconds: the 50 s pause, then the passes over devices in the loader
        long long endAfterBox; // the passes until it runs its firmware, then 4 s and 2 s
        uint16_t productAtEnd;
    };
    const Case cases[] = {
        {"back in its firmware at the first pass", [](sim::Device&) {}, 0, 51, 1 + 6, 0x4D10},
        // The first passes end at their bound; request 7 sends it away.
        {"in its loader until request 7", [](sim::Device& d) { d.usb.dfu->leaves_only_on_request7 = true; }, 1,
         50 + 241, 2 + 6, 0x4D10},
        // 241 passes, then 100 %: the box has asked for the power cycle, recognition tells the rest.
        {"never back", [](sim::Device& d) { d.usb.gone_after_reset = true; }, 0, 51, 241 + 6, 0xCD10},
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
        ASSERT_EQ(eventSeconds.size(), 3u);
        const long long final_block = ms_of(last_dnload_at(*headset)) / 1000;
        EXPECT_EQ(eventSeconds[0] - final_block, c.boxAfterFinalBlock);
        EXPECT_EQ(virtualSeconds() - eventSeconds[0], c.endAfterBox);
        if (c.productAtEnd == 0x4D10) {
            EXPECT_EQ(headset->usb.ps_store->keys[sim::kKeyFirmwareVersion], (std::vector<uint16_t>{52, 0}))
                << "the marker's version";
        }
    }
}

// A run may end without its devices back in their firmware only where a box has asked the user to
// switch them off and on, and only when none is still in its loader at the last pass (its image did
// not take): otherwise it fails with the step's line once the passes are over.
TEST_F(UsbDfuDownload, DevicesNotBackFailTheRunUnlessTheUserWasAskedToSwitchThemOffAndOn)
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

TEST_F(UsbDfuDownload, TwoDeviceProductAsksForAReplugOrAPowerCycleWhenItsDevicesStayAway)
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
        ASSERT_EQ(eventSeconds.size(), 2u);
        EXPECT_EQ(virtualSeconds() - eventSeconds[0], c.endAfterBox);
        EXPECT_EQ(markers(), (std::vector<int>{0, 8, 99}));
    }
}

TEST_F(UsbDfuDownload, FailureLeavesNothingOpenAndTheDeviceInItsLoader)
{
    struct Case {
        const char* what;
        int request; // failing from the time below
        int failures;
        long long atMs; // after the preparation
        std::string line;
        bool nextRunWrites; // left in dfuIDLE or dfuERROR
    };
    // Two blocks: block 0 at once, block 1 at 15 ms (10 ms, then 5 ms busy), the download done at
    // 25 ms (no pause after the only device), the manifest read at once, its 5 ms wait, the final
    // block at 30 ms.
    const Case cases[] = {
        {"blocks", kDnload, 11, 0, "Cannot update next block [0]", true},
        {"status reads in the download", kGetStatus, 11, 5, "Cannot get status 5 [0]", false},
        {"the status read before the manifest", kGetStatus, 1, 22, "Cannot get status 6 [0]", false},
        {"the final block", kDnload, 1, 28, "Cannot send final block [0]", false},
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
        if (c.nextRunWrites) {
            run();
            EXPECT_EQ(progress().updateProcessed, 100);
            EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
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
