// A run on its own thread while the main thread reads what it shares, as the page's timer does.

#include <thread>

#include "update/engine/pacing.h"

#include "tests/link/test_opener.h"
#include "tests/update/engine/mesh_fixture.h"
#include "tests/update/engine/update_fixture.h"
#include "tests/update/engine/usb_dfu_fixture.h"

TEST_F(UpdateRunTest, MainThreadReadsTheSharedBlockWhileTheRunGoes)
{
    sim::plug_headset(sim::oem_headset());
    inputs.path = &kSharedStepsPath;
    useFirmware({fwfile::pattern(2000, 3)});
    std::thread worker([this] { run(); });
    // At least one read, however quickly the run ends: a short run must not fail the test.
    bool finished = false;
    do {
        finished = shared.updateFinished();
        const kivo::UpdateProgress seen = progress();
        EXPECT_GE(seen.updateProcessed, 0);
        EXPECT_EQ(shared.updateStatus().size(), 13u);
    } while (!finished);
    worker.join();
    EXPECT_EQ(progress().updateProcessed, 100);
}

TEST_F(MeshRunTest, MainThreadReadsTheSharedBlockWhileAMeshUpdateGoes)
{
    plug();
    useBlocks({fwfile::pattern(5000, 1), fwfile::pattern(2000, 2), fwfile::pattern(3000, 3)});
    std::thread worker([this] { run(); });
    kivo::UpdateProgress last;
    while (!shared.updateFinished()) {
        last = progress();
        EXPECT_EQ(shared.updateStatus().size(), 13u);
    }
    worker.join();
    EXPECT_GE(last.addUpdateProcessed, 0);
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(progress().updateRestoreError, 0);
}

TEST_F(UpdateRunTest, MainThreadReadsTheSharedBlockWhileTheWorkerOpensAndClosesItsBoxes)
{
    target(0x4D16);
    sim::HeadsetPersona persona;
    persona.product_id = 0x4D16;
    persona.instructionDoneAt = 3;
    persona.readyAfterRunLoaderAt = 3;
    sim::plug_headset(persona);
    useFirmware({fwfile::pattern(2000, 3)});
    std::thread worker([this] { run(); });
    size_t boxes_seen = 0;
    do {
        EXPECT_EQ(shared.updateStatus().size(), 13u);
        EXPECT_GE(progress().updateProcessed, 0);
        host.openedMessageBox();
        std::lock_guard lock(host.mutex);
        boxes_seen = host.boxes.size();
    } while (!shared.updateFinished());
    worker.join();
    EXPECT_EQ(boxes_seen, 2u);
    EXPECT_EQ(host.closes, (std::vector<int>{1, 2}));
    EXPECT_EQ(progress().updateRestoreError, 0);
}

// A HID camera headset that shows its re-plug box twice while the main thread reads the block.
TEST_F(UpdateRunTest, MainThreadReadsTheSharedBlockWhileAHidCameraUpdateGoes)
{
    target(0x5610);
    inputs.opener = open_product(0x5610);
    inputs.data.setDeviceVersion({1, 0, 0, 0});
    sim::HeadsetPersona persona;
    persona.product_id = 0x5610;
    persona.instructionDoneAt = 3;
    sim::plug_headset(persona);
    useBlocks({fwfile::pattern(2000, 1), fwfile::pattern(500, 2)}, {{0, 1, {}}, {2, 3, {}}});
    std::thread worker([this] { run(); });
    do {
        EXPECT_EQ(shared.updateStatus().size(), 13u);
        EXPECT_GE(progress().updateProcessed, 0);
        host.openedMessageBox();
    } while (!shared.updateFinished());
    worker.join();
    EXPECT_EQ(progress().updateRestoreError, 0);
    EXPECT_EQ(progress().updateProcessed, 100);
    std::lock_guard lock(host.mutex);
    EXPECT_EQ(host.closes, (std::vector<int>{1, 2}));
}

TEST_F(UsbDfuRunTest, MainThreadReadsTheSharedBlockWhileTheWorkerPostsTheSpinner)
{
    sim::HeadsetPersona persona;
    persona.product_id = 0x6020;
    sim::plug_headset(persona);
    recognized(0x6020, 0x6020);
    inputs.opener = open_product(0x6020);
    std::thread worker([this] { run(); });
    int highest = 0;
    while (!shared.updateFinished()) {
        highest = std::max(highest, progress().updateProcessed);
        EXPECT_EQ(shared.updateStatus().size(), 13u);
        EXPECT_EQ(shared.usbStatusFound(), 0);
    }
    worker.join();
    EXPECT_LE(highest, 3);
    EXPECT_EQ(host.events,
              (std::vector<FakeUpdateHost::Event>{{FakeUpdateHost::Event::SpinnerStarted},
                                                  {FakeUpdateHost::Event::SpinnerStopped}}));
    EXPECT_EQ(progress().updateRestoreError, 2);
}

TEST_F(UsbDfuRunTest, MainThreadPacesTheSharedFieldsWhileADfuUpdateGoes)
{
    plugHeadsetInItsLoader(0x4D10);
    useDfuFile(model(0x4D10, 0x4D10), 5000);
    kivo::PacingCounters counters;
    std::thread worker([this] { run(); });
    int highest_before_the_end = 0;
    while (!shared.updateFinished()) {
        // One tick of the timer's pacing, as the page does it.
        const bool box_open = host.openedMessageBox();
        shared.change([&](kivo::UpdateProgress& p) {
            kivo::pace_progress(p, kivo::PacingGroup::Default, box_open, counters);
            if (p.updateProcessed < 100)
                highest_before_the_end = std::max(highest_before_the_end, p.updateProcessed);
        });
        EXPECT_EQ(shared.updateStatus().size(), 13u);
    }
    worker.join();
    EXPECT_LE(highest_before_the_end, 99);
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(progress().updateRestoreError, 0);
}
