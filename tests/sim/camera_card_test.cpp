// The simulated camera card as the manager's finder sees it, and a card that comes and goes in
// virtual time while a worker only sleeps and polls.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/camera_card/camera_card_finder.h"
#include "tests/sim/bus.h"
#include "tests/sim/camera_card.h"

using namespace std::chrono_literals;
using Card = sim::CameraCard;

namespace {

constexpr int kCamera = 0x3020;

} // namespace

TEST(CameraCard, FoundOnlyWhenInWritableWithItsMarker)
{
    struct Case {
        const char* what;
        Card::Marker marker;
        std::function<void(Card&)> act;
        bool found;
    };
    const std::vector<Case> cases = {
        {"inserted", Card::Marker::Written, [](Card& c) { c.insert(); }, true},
        {"never inserted", Card::Marker::Written, [](Card&) {}, false},
        {"removed", Card::Marker::Written, [](Card& c) { c.insert(), c.remove(); }, false},
        {"mounted read-only", Card::Marker::Written, [](Card& c) { c.insert(Card::Mount::ReadOnly); }, false},
        {"read-only, then writable", Card::Marker::Written,
         [](Card& c) { c.insert(Card::Mount::ReadOnly), c.insert(); }, true},
        {"without its marker", Card::Marker::Missing, [](Card& c) { c.insert(); }, false},
    };
    sim::Session session;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Card card(kCamera, c.marker);
        c.act(card);
        EXPECT_EQ(kivo::getCameraDiskPath(kCamera), c.found ? card.disk_path() : "");
        EXPECT_EQ(kivo::getCameraDiskPath(0x3060), "") << "another camera's marker is not on it";
    }
}

TEST(CameraCard, KeepsItsFilesWhileOutAndCannotBeWrittenThen)
{
    sim::Session session;
    Card card(kCamera);
    card.insert();
    std::ofstream(card.disk_path() + "image.bin") << "camera image";
    card.remove();
    EXPECT_FALSE(std::ofstream(card.disk_path() + "late.bin")) << "its mount point is gone";
    EXPECT_TRUE(card.holds("image.bin"));
    card.put("left.bin", sim::Bytes{1, 2, 3});

    card.insert();
    EXPECT_EQ(card.read("image.bin"), sim::Bytes({'c', 'a', 'm', 'e', 'r', 'a', ' ', 'i', 'm', 'a', 'g', 'e'}));
    EXPECT_EQ(card.read("left.bin"), sim::Bytes({1, 2, 3}));
    EXPECT_FALSE(card.read("late.bin").has_value());
}

TEST(CameraCard, PutsTheRealVolumeSystemBackAfterwards)
{
    const kivo::VolumeSystem before = kivo::camera_volume_system();
    std::filesystem::path folder;
    {
        Card card(kCamera);
        const kivo::VolumeSystem& during = kivo::camera_volume_system();
        folder = during.mount_table.parent_path();
        EXPECT_NE(during.mount_table, before.mount_table);
        EXPECT_NE(during.block_devices, before.block_devices);
        EXPECT_NE(during.user_mount_roots, before.user_mount_roots);
        EXPECT_THROW(Card(0x3060), std::logic_error) << "one card at a time";
    }
    const kivo::VolumeSystem& after = kivo::camera_volume_system();
    EXPECT_EQ(after.mount_table, before.mount_table);
    EXPECT_EQ(after.block_devices, before.block_devices);
    EXPECT_EQ(after.user_mount_roots, before.user_mount_roots);
    EXPECT_FALSE(std::filesystem::exists(folder));
}

// The worker makes no device call: only its sleeps let the card's events run, each at its own time.
TEST(CameraCard, WorkerThatOnlySleepsSeesItComeAndGoInTime)
{
    sim::Session session;
    Card card(kCamera);
    card.insert_after(5s);
    card.remove_after(12s);
    card.insert_after(15s, Card::Mount::ReadOnly);

    std::vector<bool> seen;
    std::thread worker([&] {
        for (int second = 0; second <= 16; ++second) {
            seen.push_back(!kivo::getCameraDiskPath(kCamera).empty());
            kivo::sleep_ms(1000);
        }
    });
    worker.join();

    std::vector<bool> expected(17, false);
    for (int second = 5; second < 12; ++second)
        expected[static_cast<size_t>(second)] = true;
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(card.inserted()) << "back, read-only";
}
