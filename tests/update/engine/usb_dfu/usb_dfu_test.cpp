// The USB DFU paths from the preparation to the download: the DFU status, the detach and the wait
// for DFU mode, against simulated plain-USB headsets and loaders of either DFU mode, in virtual time
// (what comes before is usb_dfu_preparation_test.cpp's, the download and the end of a run
// usb_dfu_download_test.cpp's and usb_dfu_closing_test.cpp's).

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "common/page_ids.h"
#include "tests/app/net/demo_firmware.h"
#include "tests/update/engine/usb_dfu_fixture.h"
#include "text/instruction_texts.h"

namespace {

using Event = FakeUpdateHost::Event;

} // namespace

class UsbDfu : public UsbDfuModeTest { };

INSTANTIATE_TEST_SUITE_P(DfuModes, UsbDfu, kBothDfuModes, dfu_mode_name);

TEST_P(UsbDfu, PersistentStoreIsClearedBeforeTheTransfer)
{
    struct Case {
        uint16_t tenths;
        std::vector<std::pair<uint16_t, std::vector<uint16_t>>> writes;
    };
    const Case cases[] = {
        {51, {{0x0298, {0}}, {0x0299, {0}}}},
        {31, {{0x02A4, {0, 0}}, {0x0298, {0}}, {0x0299, {0}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tenths);
        bus().reset();
        const auto headset = plugHeadset(0x4D10, c.tenths);
        inputs.data.setDeviceVersion({c.tenths / 10, c.tenths % 10, 0, 0});
        useDfuFile(model(0x4D10, 0x4D10));
        run();
        std::vector<std::pair<uint16_t, std::vector<uint16_t>>> writes;
        for (const sim::PsWrite& w : sim::ps_writes(*headset))
            writes.emplace_back(w.key, w.words);
        EXPECT_EQ(writes, c.writes);
        EXPECT_EQ(progress().updateProcessed, 5);
    }
}

TEST_P(UsbDfu, DetachRunLeavesTheHeadsetInItsLoaderAndWritesNothing)
{
    const auto headset = plugHeadset(0x4D10);
    // Another maker's loader on the same bus is never touched.
    const auto foreign = bus().plug(sim::make_dfu_device(0xCD10, 0x1234));
    // The image kivo-sim-fwserver --demo offers.
    useFile(demo_firmware::dfu_file(0x4D10, "5.2.0.0"));
    run();

    EXPECT_EQ(dfuRequests(*headset), (std::vector<int>{kGetStatus, kDetach, kGetStatus, kGetStatus}));
    const auto detach = std::find_if(
        headset->usb.transcript().begin(), headset->usb.transcript().end(), [](const sim::ControlRecord& r) {
            return r.api == sim::UsbApi::Libusb01 && r.setup.request_type == 0x21 && r.setup.request == kDetach;
        });
    ASSERT_NE(detach, headset->usb.transcript().end());
    EXPECT_EQ(detach->setup.value, 5000);
    EXPECT_EQ(detach->timeout_ms, kDfuTimeoutMs);
    EXPECT_EQ(headset->product_id, 0xCD10) << "reset into its loader";
    EXPECT_TRUE(headset->usb.dfu->downloads.empty());

    ASSERT_EQ(host.boxes.size(), 1u);
    const FakeUpdateHost::Box& box = host.boxes[0];
    EXPECT_EQ(box.message, kivo::InstructionTexts::getMessageBoxFirstButton(0x4D10, 0));
    EXPECT_TRUE(box.warning);
    EXPECT_FALSE(box.cancel);
    EXPECT_FALSE(box.ok);
    EXPECT_EQ(box.size, 0);
    EXPECT_EQ(box.purpose, kBoxInstruction);
    EXPECT_EQ(host.closes, std::vector<int>{1});
    EXPECT_FALSE(host.openedMessageBox());

    // Found on the first pass of the wait.
    EXPECT_LE(virtualSeconds(), 2);
    EXPECT_EQ(progress().updateProcessed, 5);
    EXPECT_EQ(progress().updateRestoreError, 1);
    EXPECT_EQ(status(), kProcessing);
    EXPECT_TRUE(foreign->usb.transcript().empty());
    EXPECT_EQ(foreign->usb.open_count(), 0);
    EXPECT_EQ(foreign->product_id, 0xCD10);
}

TEST_P(UsbDfu, BothDevicesOfTheTwoDeviceProductAreDetached)
{
    const auto pair = sim::plug_usb_pair(sim::usb_headset(0x5310, "Xandel"));
    target(0x5310);
    inputs.data.setDeviceVersion({1, 1, 0, 0});
    useDfuFile(model(0x5310, 0x5310));
    run();
    for (const auto& device : pair) {
        EXPECT_EQ(dfuRequests(*device), (std::vector<int>{kGetStatus, kDetach, kGetStatus, kGetStatus}));
        EXPECT_EQ(device->product_id, 0xD310);
    }
    EXPECT_EQ(markers(), (std::vector<int>{0, 8, 0}));
    EXPECT_EQ(progress().updateProcessed, 8);
    EXPECT_EQ(progress().updateRestoreError, 1);
}

TEST_P(UsbDfu, ErrorStateIsClearedAndAnIdleDeviceIsNeverDetached)
{
    const auto loader = plugLoader(0xCD10);
    loader->usb.dfu->status = {sim::kDfuErrFirmware, 0, sim::kDfuError, 0};
    recognized(0x4D10, 0xCD10);
    const fwfile::Bytes file = useDfuFile(model(0x4D10, 0x4D10));
    run();
    const std::vector<int> requests = dfuRequests(*loader);
    EXPECT_EQ(firstOf(requests, 6),
              (std::vector<int>{kGetStatus, kClrStatus, kAbort, kGetStatus, kGetStatus, kDnload}));
    EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
    EXPECT_EQ(status(), kProcessing);
    EXPECT_EQ(progress().updateRestoreError, 0);
    ASSERT_EQ(host.boxes.size(), 1u) << "no re-plug box, the power-cycle box alone";
    EXPECT_EQ(host.boxes[0].message, kivo::InstructionTexts::getMessageBoxSecondButton(0x4D10, 0));
}

TEST_P(UsbDfu, StageAFailuresEndWithTheirTextAndNothingHeld)
{
    using sim::DfuStatus;
    struct Case {
        std::string line;
        std::vector<int> requests; // of the device that fails
        std::function<void(sim::Device&)> armed; // after the preparation
        bool pair = false;
    };
    auto failing = [](int request) {
        return [request](sim::Device& d) {
            d.usb.faults.fail_control = 1;
            d.usb.faults.fail_only_request = request;
        };
    };
    auto answering = [](std::deque<DfuStatus> answers) {
        return [answers](sim::Device& d) { d.usb.dfu->scripted = answers; };
    };
    const DfuStatus error{sim::kDfuErrFirmware, 0, sim::kDfuError, 0};
    const DfuStatus app_idle{0, 0, sim::kDfuAppIdle, 0};
    const DfuStatus short_answer{0, 0, sim::kDfuAppIdle, 0, 3};
    // A device really in its error state, as the requests that clear it need it.
    auto in_error_failing = [error](int request) {
        return [error, request](sim::Device& d) {
            d.usb.dfu->status = error;
            d.usb.faults.fail_control = 1;
            d.usb.faults.fail_only_request = request;
        };
    };
    const Case cases[] = {
        {"Cannot open device [0]", {}, [](sim::Device& d) { d.usb.faults.fail_open = 1; }},
        {"Cannot claim device [0]", {}, [](sim::Device& d) { d.usb.faults.fail_claim = 1; }},
        {"Cannot get status [0]", {kGetStatus}, failing(kGetStatus)},
        {"Cannot get status [0]", {kGetStatus}, [](sim::Device& d) { d.usb.faults.control_timeouts = 1; }},
        {"Cannot get status [0]", {kGetStatus}, answering({short_answer})},
        {"Cannot clear status [0]", {kGetStatus, kClrStatus}, in_error_failing(kClrStatus)},
        {"Cannot abort previous action [0]", {kGetStatus, kClrStatus, kAbort}, in_error_failing(kAbort)},
        {"Cannot get status 2 [0]",
         {kGetStatus, kClrStatus, kAbort, kGetStatus},
         [=](sim::Device& d) {
             d.usb.dfu->status = error;
             d.usb.dfu->scripted = {error, short_answer};
         }},
        {"Cannot detach device(not idle) [0]", {kGetStatus}, answering({{0, 0, sim::kDfuDnBusy, 0}})},
        {"Cannot detach device [0]", {kGetStatus, kDetach}, failing(kDetach)},
        {"Cannot get status 3 [0]", {kGetStatus, kDetach, kGetStatus}, answering({app_idle, short_answer})},
        {"Cannot detach device. Try again. [0]", {kGetStatus, kDetach, kGetStatus}, answering({app_idle, app_idle})},
        // The second device of the pair: the first is closed too.
        {"Cannot get status [1]", {kGetStatus}, failing(kGetStatus), true},
        {"Cannot claim device [1]", {}, [](sim::Device& d) { d.usb.faults.fail_claim = 1; }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        bus().reset();
        host.reset();
        std::shared_ptr<sim::Device> device;
        if (c.pair) {
            device = sim::plug_usb_pair(sim::usb_headset(0x5310, "Xandel"))[1];
            target(0x5310);
            inputs.data.setDeviceVersion({1, 1, 0, 0});
            useDfuFile(model(0x5310, 0x5310));
        } else {
            device = plugHeadset(0x4D10);
            target(0x4D10);
            inputs.data.setDeviceVersion({5, 1, 0, 0});
            useDfuFile(model(0x4D10, 0x4D10));
        }
        armAfterPreparation = [&] { c.armed(*device); };
        run();
        EXPECT_EQ(status(), failed(c.line));
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_EQ(dfuRequests(*device), c.requests);
        EXPECT_EQ(bus().open_usb_handles(), 0);
        EXPECT_TRUE(host.boxes.empty());
    }
}

TEST_P(UsbDfu, DeviceWithoutADfuInterfaceIsNotCounted)
{
    const auto headset = plugHeadset(0x4D10);
    headset->usb.layout.configs[0].pop_back();
    useDfuFile(model(0x4D10, 0x4D10));
    run();
    EXPECT_EQ(status(), failed("Cannot get device [0 / 1]"));
    EXPECT_TRUE(dfuRequests(*headset).empty());
}

TEST_P(UsbDfu, CameraBackInItsLoaderMeansRestartToRecover)
{
    const auto camera = plugHeadset(0x3020);
    recognized(0x3020, 0x3020, {0, 0, 0, 11});
    const fwfile::Bytes dfu_image = fwfile::make_dfu_image(model(0x3020, 0x3020), 2000, 0x3020);
    const fwfile::Bytes camera_image = fwfile::pattern(5000, 30);
    useFirmware({dfu_image, camera_image});
    run();
    EXPECT_EQ(progress().updateRestoreError, 4);
    EXPECT_EQ(status(), kProcessing) << "no status of its own";
    EXPECT_EQ(camera->product_id, 0xB020);
    EXPECT_TRUE(host.boxes.empty()) << "the camera is detached without a box";
    EXPECT_EQ(read_bytes(inputs.archiveFolder / "__lumora_dfu_bluetooth__.img"), dfu_image);
    EXPECT_EQ(read_bytes(inputs.archiveFolder / "__lumora_firmware__.bin"), camera_image);
}

TEST_P(UsbDfu, CameraFileThatCannotBeTakenApartEndsBeforeAnyDfuRequest)
{
    struct Case {
        const char* line;
        int error;
        size_t sections;
        bool blocked; // the DFU image's name is taken by a folder
    };
    for (const Case c : {Case{"Firmware corrupted", 3, 1, false}, Case{"Cannot create file", 1, 2, true}}) {
        SCOPED_TRACE(c.line);
        bus().reset();
        const auto camera = plugHeadset(0x3020);
        recognized(0x3020, 0x3020, {0, 0, 0, 11});
        std::vector<fwfile::Bytes> sections = {fwfile::make_dfu_image(model(0x3020, 0x3020), 2000, 0x3020),
                                               fwfile::pattern(5000, 30)};
        sections.resize(c.sections);
        useFirmware(sections);
        // A camera image of an earlier run must never stay to be moved to the camera.
        std::filesystem::create_directories(inputs.archiveFolder);
        std::ofstream(inputs.archiveFolder / "__lumora_firmware__.bin") << "old camera image";
        if (c.blocked)
            std::filesystem::create_directories(inputs.archiveFolder / "__lumora_dfu_bluetooth__.img" / "x");
        run();
        EXPECT_EQ(status(), failed(c.line));
        EXPECT_EQ(progress().updateRestoreError, c.error);
        EXPECT_TRUE(dfuRequests(*camera).empty());
        if (c.blocked) {
            EXPECT_FALSE(std::filesystem::exists(inputs.archiveFolder / "__lumora_firmware__.bin"));
        }
        std::filesystem::remove_all(inputs.archiveFolder);
    }
}

TEST_P(UsbDfu, DeviceThatNeverComesBackIsGivenUpAfterPass301)
{
    const auto headset = plugHeadset(0x4D10);
    headset->usb.gone_after_reset = true;
    useDfuFile(model(0x4D10, 0x4D10));
    std::vector<long long> at;
    host.onEvent = [&](const Event&) { at.push_back(virtualSeconds()); };
    run();

    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].message, kivo::InstructionTexts::getMessageBoxFailureFirstButton(0x4D10, 0));
    EXPECT_EQ(host.boxes[1].size, 1);
    EXPECT_EQ(host.events,
              (std::vector<Event>{
                  {Event::BoxOpened, 1}, {Event::BoxClosed, 1}, {Event::BoxOpened, 2}, {Event::BoxClosed, 2}}));
    ASSERT_EQ(at.size(), 4u);
    EXPECT_EQ(at[2] - at[0], 60) << "the second box after pass 60";
    EXPECT_EQ(at[3] - at[0], 301) << "the end after pass 301";
    EXPECT_EQ(status(), failed("Cannot identify device [0 / 1]"));
    EXPECT_EQ(progress().updateRestoreError, 1);
}

// A product detached without a re-plug box still gets the second one after pass 60. A device of
// another product that shows up running a firmware whose id would start the detach again is passed
// over: the run is not sent back to detach it, and the box goes with the ending. (Only the device
// being updated may start the detach again, and no product without a re-plug box comes back under
// such an id; the frame test holds that a box left up then would be closed.)
TEST_P(UsbDfu, AnotherProductBackInItsFirmwareDoesNotStartTheDetachAgain)
{
    const auto headset = plugHeadset(0x6420);
    recognized(0x6420, 0x6420, {1, 1, 0, 0});
    headset->usb.gone_after_reset = true;
    useDfuFile(model(0x6420, 0x6420));
    armAfterPreparation = [&] {
        bus().schedule(std::chrono::seconds(70), [&] {
            headset->usb.dfu->detached = false;
            headset->usb.dfu->status.state = sim::kDfuAppIdle;
            bus().replug(*headset, 0x4D10);
        });
    };
    run();

    const std::vector<int> requests = dfuRequests(*headset);
    EXPECT_EQ(std::count(requests.begin(), requests.end(), kDetach), 1) << "not detached again";
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].message, kivo::InstructionTexts::getMessageBoxFailureFirstButton(0x6420, 0));
    EXPECT_EQ(host.closes, (std::vector<int>{1}));
    EXPECT_FALSE(host.openedMessageBox());
    EXPECT_EQ(status(), failed("Cannot identify device [0 / 1]"));
}

// A device back in DFU mode that cannot be opened, cannot tell its status or is not idle ends the
// run with its line; every handle is released and closed, and the re-plug box goes with the ending.
TEST_P(UsbDfu, DeviceBackInDfuModeThatCannotBeUsedEndsTheRun)
{
    struct Case {
        const char* line;
        std::function<void(sim::Device&)> arm;
        std::vector<int> requests;
    };
    const Case cases[] = {
        {"Cannot open device 2 [0]",
         [](sim::Device& d) {
             sim::UsbFaults faults;
             faults.fail_open = 1;
             d.usb.faults_after_reset = faults;
         },
         {kGetStatus, kDetach, kGetStatus}},
        {"Cannot get status 4 [0]",
         [](sim::Device& d) {
             sim::UsbFaults faults;
             faults.fail_control = 1;
             faults.fail_only_request = kGetStatus;
             d.usb.faults_after_reset = faults;
         },
         {kGetStatus, kDetach, kGetStatus, kGetStatus}},
        // Stage A's two answers as the device gives them, then an error state in its loader.
        {"Cannot use device [0]",
         [](sim::Device& d) {
             d.usb.dfu->scripted = {{0, 0, sim::kDfuAppIdle, 0},
                                    {0, 0, sim::kDfuAppDetach, 0},
                                    {sim::kDfuErrFirmware, 0, sim::kDfuError, 0}};
         },
         {kGetStatus, kDetach, kGetStatus, kGetStatus}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        bus().reset();
        host.reset();
        const auto headset = plugHeadset(0x4D10);
        c.arm(*headset);
        useDfuFile(model(0x4D10, 0x4D10));
        run();
        EXPECT_EQ(status(), failed(c.line));
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_EQ(dfuRequests(*headset), c.requests);
        EXPECT_EQ(headset->product_id, 0xCD10) << "in its loader, for the next run";
        EXPECT_EQ(bus().open_usb_handles(), 0);
        EXPECT_EQ(bus().claimed_usb_interfaces(), 0);
        EXPECT_EQ(host.closes, std::vector<int>{1});
        EXPECT_FALSE(host.openedMessageBox());
    }
}

TEST_P(UsbDfu, DeviceThatKeepsComingBackInItsFirmwareIsDetachedFiveTimesMore)
{
    const auto headset = plugHeadset(0x4D10);
    headset->usb.dfu->stays_in_firmware = true;
    useDfuFile(model(0x4D10, 0x4D10));
    run();
    const std::vector<int> requests = dfuRequests(*headset);
    EXPECT_EQ(std::count(requests.begin(), requests.end(), kDetach), 6);
    EXPECT_EQ(status(), failed("Cannot detach device. Try again. [0]"));
    EXPECT_EQ(host.boxes.size(), 1u) << "the re-plug box stays up";
    EXPECT_FALSE(host.openedMessageBox());
    EXPECT_LT(virtualSeconds(), 30);
}

TEST_P(UsbDfu, ClaimsThatFailInTheWaitEndTheThirdRun)
{
    for (int run_number = 1; run_number <= 3; ++run_number) {
        SCOPED_TRACE(run_number);
        bus().reset();
        host.reset();
        const auto headset = plugHeadset(0x4D10);
        sim::UsbFaults claim_fails;
        claim_fails.fail_claim = 1;
        headset->usb.faults_after_reset = claim_fails;
        const fwfile::Bytes file = useDfuFile(model(0x4D10, 0x4D10));
        run();
        if (run_number < 3) {
            // Back to the start: the device is found in its loader, idle, and written.
            EXPECT_EQ(claimFailures, run_number);
            EXPECT_EQ(status(), kProcessing);
            const std::vector<int> requests = dfuRequests(*headset);
            EXPECT_EQ(firstOf(requests, 6),
                      (std::vector<int>{kGetStatus, kDetach, kGetStatus, kGetStatus, kGetStatus, kDnload}));
            EXPECT_EQ(headset->usb.dfu->image(), imageOf(file));
            EXPECT_EQ(host.closes.front(), 1) << "the re-plug box closed before the claim is tried again";
        } else {
            EXPECT_EQ(claimFailures, 0);
            EXPECT_EQ(status(), failed("Cannot claim device T2 [0]"));
        }
        EXPECT_EQ(bus().open_usb_handles(), 0);
    }
}

TEST_P(UsbDfu, ClaimThatFailsInTheWaitReopensTheProductThatAsksForIt)
{
    const auto headset = plugHeadset(0x6440);
    recognized(0x6440, 0x6440, {1, 1, 0, 0});
    sim::UsbFaults claim_fails;
    claim_fails.fail_claim = 1;
    headset->usb.faults_after_reset = claim_fails;
    useDfuFile(model(0x6440, 0x6440));
    run();
    EXPECT_EQ(claimFailures, 1);
    EXPECT_EQ(dfuRequests(*headset), (std::vector<int>{kGetStatus, kDetach, kGetStatus, kGetStatus}));
    EXPECT_EQ(progress().updateProcessed, 5);
    EXPECT_EQ(progress().updateRestoreError, 1);
    EXPECT_TRUE(host.boxes.empty()) << "detached without a box, and no box closed";
    EXPECT_TRUE(host.closes.empty());
    EXPECT_FALSE(host.openedMessageBox());
}
