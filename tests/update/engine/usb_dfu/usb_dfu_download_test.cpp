// The USB DFU paths' download: the image in 1023-byte blocks, the retry budget, the busy device,
// the manifest wait, the final block and the manifest, against simulated devices in their loader of
// either DFU mode (the strict device of USB DFU 1.1 and the maker's lenient loader), in virtual
// time (the end of a run, which waits for the devices to run their new firmware, is
// usb_dfu_closing_test.cpp's).

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "tests/app/net/demo_firmware.h"
#include "tests/update/engine/usb_dfu_fixture.h"
#include "update/engine/usb_dfu/usb_dfu_closing.h"
#include "update/engine/usb_dfu/usb_dfu_download.h"
#include "update/engine/usb_dfu/usb_dfu_transfer.h"

namespace {

using namespace std::chrono_literals;
using kivo::DfuProgressScale;

constexpr DfuProgressScale kOneDevice = kivo::dfu_progress_scale(0x4D10);
constexpr DfuProgressScale kTwoDevices = kivo::dfu_progress_scale(0x5310);

// The GETSTATUS transfers a device received, in order.
std::vector<const sim::ControlRecord*> status_reads(const sim::Device& device)
{
    std::vector<const sim::ControlRecord*> reads;
    for (const sim::ControlRecord& record : device.usb.transcript())
        if (record.api == sim::UsbApi::Libusb01 && record.setup.request_type == 0xA1 && record.setup.request == 3)
            reads.push_back(&record);
    return reads;
}

// The times of the last block and of the first DNLOAD; zero when there was none.
kivo::Duration last_block_at(const sim::Device& device)
{
    const std::vector<kivo::Duration> times = dnload_times(device, false);
    return times.empty() ? kivo::Duration{} : times.back();
}
kivo::Duration first_block_at(const sim::Device& device)
{
    const std::vector<kivo::Duration> times = dnload_times(device);
    return times.empty() ? kivo::Duration{} : times.front();
}

// The DFU requests a device received from its last block on, each with the virtual time since the
// one before (the block's for the first): "state n" for a status read and the state it answered,
// "no status" for one that failed, "final block", "request 7".
struct Timed {
    std::string what;
    long long afterMs;
    bool operator==(const Timed&) const = default;
};
void PrintTo(const Timed& t, std::ostream* os) { *os << t.what << " +" << t.afterMs << "ms"; }

std::vector<Timed> requests_after_last_block(const sim::Device& device)
{
    const std::vector<sim::ControlRecord>& transcript = device.usb.transcript();
    auto last_block = std::find_if(transcript.rbegin(), transcript.rend(), [](const sim::ControlRecord& r) {
        return r.setup.request_type == 0x21 && r.setup.request == 1 && r.setup.length > 0;
    });
    std::vector<Timed> out;
    if (last_block == transcript.rend())
        return out;
    kivo::Duration before = last_block->at;
    for (auto r = last_block.base(); r != transcript.end(); ++r) {
        std::string what;
        if (r->setup.request_type == 0xA1 && r->setup.request == 3)
            what = r->result == 6 ? "state " + std::to_string(r->data.at(4)) : "no status";
        else if (r->setup.request_type == 0x21 && r->setup.request == 1)
            what = "final block";
        else if (r->setup.request_type == 0x21 && r->setup.request == 7)
            what = "request 7";
        else
            continue;
        out.push_back({what, ms_of(r->at - before)});
        before = r->at;
    }
    return out;
}

} // namespace

class UsbDfuDownload : public UsbDfuModeTest {
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
};

INSTANTIATE_TEST_SUITE_P(DfuModes, UsbDfuDownload, kBothDfuModes, dfu_mode_name);

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
TEST_P(UsbDfuDownload, BlocksFollowTheImageSizeAndTheFinalBlockCountsThem)
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

TEST_P(UsbDfuDownload, BothDevicesOfTheTwoDeviceProductAreWrittenOneAfterTheOther)
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

TEST_P(UsbDfuDownload, ManifestWaitMovesPartOfItsSpanAndRepeatsFromRunToRun)
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

// After its last block a device is asked for its status until it has written it, only then gets
// its final block, and is asked again through its manifest, each read after the pause the answer
// before asked for: the strict device takes the final block only in dfuDNLOAD-IDLE and begins its
// manifest only at the read in dfuMANIFEST-SYNC. A device that answers no more once manifested
// (the strict one waits for its reset) ends the reads, not the run.
TEST_P(UsbDfuDownload, FinalBlockWaitsForTheLastBlockAndTheManifestIsFollowed)
{
    struct Case {
        const char* what;
        std::function<void(sim::DfuPersona&)> device;
        PerMode<std::vector<Timed>> requests;
    };
    // The last block's 10 ms pause, the status read that gives the manifest wait (the 5 ms the
    // block keeps the device busy), the read after it, the final block, the manifest's reads.
    const std::vector<Timed> start = {{"state 4", 10}, {"state 5", 5}, {"final block", 0}, {"state 7", 0}};
    auto then = [](std::vector<Timed> first, const std::vector<Timed>& more) {
        first.insert(first.end(), more.begin(), more.end());
        return first;
    };
    const Case cases[] = {
        {"busy once a block",
         [](sim::DfuPersona&) {},
         {then(start, {{"no status", 100}}), then(start, {{"state 8", 100}})}},
        {"busy twice a block",
         [](sim::DfuPersona& d) { d.busy_answers = 2; },
         {{{"state 4", 10}, {"state 4", 5}, {"state 5", 5}, {"final block", 0}, {"state 7", 0}, {"no status", 100}},
          {{"state 4", 10}, {"state 4", 5}, {"state 5", 5}, {"final block", 0}, {"state 7", 0}, {"state 8", 100}}}},
        {"a long manifest",
         [](sim::DfuPersona& d) { d.manifest_poll_ms = 3000; },
         {then(start, {{"no status", 3000}}), then(start, {{"state 8", 3000}})}},
        // Back in dfuIDLE after its manifest (the lenient loader knows no such thing).
        {"manifestation tolerant",
         [](sim::DfuPersona& d) { d.manifestation_tolerant = true; },
         {then(start, {{"state 2", 100}}), then(start, {{"state 8", 100}})}},
        // Its poll time waited out, up to the five minutes a step waits.
        {"a manifest of five minutes",
         [](sim::DfuPersona& d) { d.manifest_poll_ms = 300000; },
         {then(start, {{"no status", 300000}}), then(start, {{"state 8", 300000}})}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        const auto headset = plugHeadsetInItsLoader(0x4D10);
        c.device(*headset->usb.dfu);
        useFile(demo_firmware::dfu_file(0x4D10, "5.2.0.0"));
        run();
        EXPECT_EQ(requests_after_last_block(*headset), expected(c.requests));
        EXPECT_EQ(progress().updateProcessed, 100);
        EXPECT_EQ(headset->product_id, 0x4D10) << "running its new firmware";
        EXPECT_EQ(headset->usb.ps_store->keys[sim::kKeyFirmwareVersion], (std::vector<uint16_t>{52, 0}));
    }
}

// A device that asks for more time to manifest than a step waits is not asked again before that
// time (the strict one would refuse the read): it is left to its manifest. Still in its loader when
// the closing's passes are over, after the 50 s pause and the 241 passes over devices in the loader,
// it fails the run.
TEST_P(UsbDfuDownload, ManifestLongerThanAStepWaitsIsNotAskedEarly)
{
    const auto headset = plugHeadsetInItsLoader(0x4D10);
    headset->usb.dfu->manifest_poll_ms = 0xFFFFFF;
    useFile(demo_firmware::dfu_file(0x4D10, "5.2.0.0"));
    run();
    std::vector<Timed> requests = requests_after_last_block(*headset);
    ASSERT_GE(requests.size(), 5u);
    requests.resize(5);
    EXPECT_EQ(requests,
              (std::vector<Timed>{{"state 4", 10},
                                  {"state 5", 5},
                                  {"final block", 0},
                                  {"state 7", 0},
                                  {"request 7", 50000 + 241000 + 1000}}));
    EXPECT_EQ(status(), failed("Cannot get status 7 [0 / 1]"));
    EXPECT_EQ(progress().updateRestoreError, 1);
    EXPECT_EQ(headset->product_id, 0xCD10) << "still in its loader";
}

// A request the strict device stalls also puts it into dfuERROR, which the next status read shows:
// a failed block or status read costs the budget twice there, once for the failure and once for
// the error state.
TEST_P(UsbDfuDownload, OneRetryBudgetOfTenIsSharedByFailedReadsErrorStatesAndFailedBlocks)
{
    struct Case {
        const char* what;
        int failedBlocks; // the first DNLOADs fail
        int failedReads; // then, once block 0 is in, the status reads fail
        int errorStates; // then block 1 is reported lost
        PerMode<std::string> line; // empty: written
    };
    const std::string lost = "aborting (status 3 & state 10) [0]";
    const std::string stalled = "aborting (status 15 & state 10) [0]";
    const Case cases[] = {
        {"ten failed status reads", 0, 10, 0, {stalled, ""}},
        {"five failed status reads", 0, 5, 0, ""},
        {"eleven failed status reads", 0, 11, 0, "Cannot get status 5 [0]"},
        {"ten error states", 0, 0, 10, ""},
        {"eleven error states", 0, 0, 11, lost},
        {"a failed block", 1, 0, 0, ""},
        {"five failed blocks", 5, 0, 0, ""},
        {"eleven failed blocks", 11, 0, 0, "Cannot update next block [0]"},
        {"ten of the three", 3, 4, 3, {stalled, ""}},
        {"eleven of the three", 3, 4, 4, {stalled, lost}},
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
            // Block 0 goes once the failed ones have waited their second each (the strict device's
            // error state another second each).
            const int pauses = c.failedBlocks * (strict() ? 2 : 1);
            bus().schedule(std::chrono::milliseconds(pauses * 1000 + 5), [&] {
                loader->usb.faults.fail_control = c.failedReads;
                loader->usb.faults.fail_only_request = kGetStatus;
            });
        };
        run();
        const std::string& line = expected(c.line);
        if (line.empty()) {
            EXPECT_EQ(progress().updateProcessed, 100);
            EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
            // Three blocks and the final one, each failed block sent again, blocks 0 and 1 again
            // after each error state, and block 0 again after the strict device's error state that
            // failed reads after it leave.
            const std::vector<Dnload> wire = dnloads(*loader);
            const int after_reads = strict() && c.failedReads > 0 ? 1 : 0;
            EXPECT_EQ(wire.size(), static_cast<size_t>(4 + c.failedBlocks + 2 * c.errorStates + after_reads));
            // Block 0 again after each failed one.
            const auto failed_blocks = static_cast<size_t>(c.failedBlocks);
            ASSERT_GT(wire.size(), failed_blocks);
            for (size_t i = 0; i < failed_blocks; ++i)
                EXPECT_EQ(wire[i].block, 0);
            EXPECT_EQ(wire[failed_blocks], (Dnload{0, 1023, 1023}));
        } else {
            EXPECT_EQ(status(), failed(line));
            EXPECT_EQ(progress().updateRestoreError, 1);
            EXPECT_EQ(loader->product_id, 0xCD10) << "still in its loader";
        }
        EXPECT_EQ(bus().open_usb_handles(), 0);
    }
}

// A write error the device reports once its last block has gone is recovered as one at any other
// block: the status cleared, the image again from block 0, from the same budget of ten.
TEST_P(UsbDfuDownload, ErrorAtTheLastBlockIsRecoveredFromTheSameBudget)
{
    for (const int errorStates : {1, 10, 11}) {
        SCOPED_TRACE(errorStates);
        bus().reset();
        const auto loader = plugHeadsetInItsLoader(0x4D10);
        // Three blocks: the last one, block 2, fails its write.
        loader->usb.dfu->block_fault = sim::DfuBlockFault{2, sim::kDfuErrWrite, errorStates};
        const fwfile::Bytes file = useDfuFile(model(0x4D10, 0x4D10), 3000);
        run();
        const std::vector<Dnload> wire = dnloads(*loader);
        if (errorStates <= 10) {
            EXPECT_EQ(progress().updateProcessed, 100) << status();
            EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
            // The three blocks once for each error and once more, then the final block.
            ASSERT_EQ(wire.size(), static_cast<size_t>(3 * (errorStates + 1) + 1));
            EXPECT_EQ(wire[3], (Dnload{0, 1023, 1023})) << "block 0 again after the first error";
            EXPECT_EQ(wire.back(), (Dnload{3, 0, 0}));
        } else {
            EXPECT_EQ(status(), failed("aborting (status 3 & state 10) [0]"));
            EXPECT_EQ(progress().updateRestoreError, 1);
            EXPECT_NE(wire.back().length, 0u) << "no final block";
            EXPECT_EQ(loader->product_id, 0xCD10) << "still in its loader";
        }
        EXPECT_EQ(bus().open_usb_handles(), 0);
    }
}

// Each block goes to a device in dfuDNLOAD-IDLE, the first to one in dfuIDLE: a device that answers
// any other state after a block (gone back to its firmware or to dfuIDLE, or manifesting) would
// build another image than the file's. The download ends there with its "aborting" line.
TEST_P(UsbDfuDownload, NextBlockGoesOnlyToADeviceReadyForIt)
{
    for (const uint8_t state : {sim::kDfuAppIdle, sim::kDfuIdle, sim::kDfuManifestSync}) {
        SCOPED_TRACE(static_cast<int>(state));
        bus().reset();
        const auto loader = plugHeadsetInItsLoader(0x4D10);
        loader->usb.dfu->busy_answers = 0;
        useDfuFile(model(0x4D10, 0x4D10), 3000);
        // Block 0 sent (the bar past its start): the read before block 1 answers the state.
        bool prepared = false;
        bool answered = false;
        armAfterPreparation = [&] { prepared = true; };
        onProgress = [&](const kivo::UpdateProgress& p) {
            if (prepared && !answered && p.updateProcessed > kOneDevice.start &&
                p.updateProcessed < kOneDevice.afterDownload) {
                answered = true;
                loader->usb.dfu->scripted.push_back({sim::kDfuStatusOk, 0, state, 0});
            }
        };
        run();
        onProgress = nullptr;
        EXPECT_EQ(status(), failed("aborting (status 0 & state " + std::to_string(state) + ") [0]"));
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_EQ(dnloads(*loader), (std::vector<Dnload>{{0, 1023, 1023}})) << "block 0 alone";
        EXPECT_EQ(bus().open_usb_handles(), 0);
    }
}

// A DNLOAD that moved fewer bytes than its block did not deliver the block: it counts as a failed
// one, sent again while the budget lasts.
TEST_P(UsbDfuDownload, ShortBlockTransferCountsAsAFailedBlock)
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

// A busy device is waited for the poll time it asks for, within five minutes from its first busy
// answer after a block (after the last one, the manifest wait gives it its time); a poll time past
// what is left of them ends the download at once with its "aborting" line and no final block,
// never with a status read before its time (the strict device would refuse it).
TEST_P(UsbDfuDownload, BusyDeviceIsWaitedForItsPollTimeoutUpToFiveMinutesInAll)
{
    struct Case {
        const char* what;
        uint32_t pollMs;
        int busyAnswers;
        // Between the first busy answer and the next read; none: the first busy answer is the last.
        std::optional<long long> waitMs;
        std::string line; // empty: written
        size_t imageBytes = 1500; // two blocks
        long long busyInAllMs = 300000; // from the first busy answer to the last read
    };
    const std::string busy = "aborting (status 0 & state 4) [0]";
    const Case cases[] = {
        {"the device's own poll timeout", 2000, 1, 2000, ""},
        {"a poll timeout past a minute", 90000, 1, 90000, ""},
        {"a poll timeout of five minutes", 300000, 1, 300000, ""},
        {"a poll timeout of hours", 0xFFFFFF, 1, std::nullopt, busy, 1500, 0},
        // 200 s, then a second 200 s, more than the 100 s left: the end.
        {"two poll timeouts longer than what is left", 200000, 2, 200000, busy, 1500, 200000},
        // 300 of a second each, then one more than the five minutes hold.
        {"busy for ever", 1000, -1, 1000, busy},
        // No pause asked for: each busy answer still counts a millisecond, so the reads end too.
        {"busy for ever without a poll timeout", 0, -1, 0, busy},
        // The only block keeps it busy: the manifest wait takes its first second, the reads before
        // the final block the five minutes after it.
        {"busy for ever after the last block", 1000, -1, 1000, busy, 900, 1000 + 300000},
        // The time the only block asks for is the manifest wait's: waited out within the five
        // minutes, and past them the end at once, not asked again.
        {"five minutes after the last block", 300000, 1, 300000, "", 100},
        {"a millisecond more after the last block", 300001, 1, std::nullopt, busy, 100, 0},
        {"hours after the last block", 0xFFFFFF, 1, std::nullopt, busy, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        const auto loader = plugHeadsetInItsLoader(0x4D10);
        loader->usb.dfu->busy_poll_ms = c.pollMs;
        loader->usb.dfu->busy_answers = c.busyAnswers;
        const fwfile::Bytes file = useDfuFile(model(0x4D10, 0x4D10), c.imageBytes);
        run();
        const std::vector<const sim::ControlRecord*> reads = status_reads(*loader);
        // Stage A's read, the one before block 0, then the first busy answer.
        ASSERT_GE(reads.size(), 3u);
        EXPECT_EQ(reads[2]->data.at(4), sim::kDfuDnBusy);
        if (c.waitMs) {
            ASSERT_GE(reads.size(), 4u);
            EXPECT_EQ(ms_of(reads[3]->at - reads[2]->at), *c.waitMs);
            EXPECT_EQ(reads[3]->result, 6) << "not read before its time";
        } else {
            EXPECT_EQ(reads.size(), 3u);
        }
        if (c.line.empty()) {
            EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
            EXPECT_EQ(progress().updateProcessed, 100);
            continue;
        }
        EXPECT_EQ(status(), failed(c.line));
        if (c.pollMs > 0)
            EXPECT_EQ(ms_of(reads.back()->at - reads[2]->at), c.busyInAllMs);
        else
            EXPECT_EQ(reads.size() - 3, 300000u) << "a millisecond each, then the answer that ends it";
        EXPECT_EQ(dnloads(*loader).size(), 1u);
    }
}
