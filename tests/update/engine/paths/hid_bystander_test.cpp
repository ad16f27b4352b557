// The HID paths with another of the maker's headsets on the bus: the update reaches the headset
// being updated only. Every reopen, reconnect wait and headset search passes the other headset over
// while the updated one is away, and the run ends as it would without it.

#include "tests/update/engine/paths/bystander_fixture.h"

namespace {

// The bystander is a headset of the same opener's, of two modules where the headset has two.
const BystanderRoad kHidRoads[] = {
    {"Hid4210", 0x4210, 0x4310}, // both slots: a headset of two modules beside it
    {"KelporIntermediate", 0x3340, 0x3342, sim::VersionQuad{1, 2, 0, 0}}, // takes its intermediate image first
    {"QccBtVp", 0x3342, 0x3340}, // every block after a reconnect wait
    {"QccBtOnly", 0x6038, 0x3142}, // the application's opener finds both
    {"Airoha6A", 0x6A01, 0x6A02}, // a reopen before each block
    {"Airoha68", 0x6800, 0x6801}, // a reconnect wait after each block
    {"HidDual43", 0x4310, 0x4210}, // both slots, as Hid4210
    {"HidCamera", 0x5610, 0x5611}, // polls until it is back after its loader
    {"DownloadMode60", 0x6010, 0x6012}, // reopened in download mode, then polled
};

} // namespace

TEST_F(BystanderRoadTest, HidPathsWriteOnlyTheHeadsetBeingUpdated) { expectRoads(kHidRoads); }

// The headset of the single-image road is away 70 s after its run loader, polled once a second, with
// the bystander met at every poll: each of its two waits (after the loader restart, after the run
// loader) traces the bystander once.
TEST_F(BystanderRoadTest, EachWaitTracesTheDevicePassedOverOnce)
{
    testing::internal::CaptureStderr();
    const RoadOutcome outcome = runRoad({"QccBtOnly", 0x6038, 0x3142}, BystanderPlace::PluggedAheadOnceBegun);
    const std::string trace = testing::internal::GetCapturedStderr();
    ASSERT_EQ(outcome.error, 0) << outcome;
    const std::string line = "update: passed over 3142, not the headset (6038)\n";
    size_t lines = 0;
    for (size_t at = trace.find(line); at != std::string::npos; at = trace.find(line, at + 1))
        ++lines;
    EXPECT_EQ(lines, 2u) << trace;
}
