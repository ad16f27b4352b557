// Finding a camera's card among the mounted volumes, over a fake mount table and block-device tree.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "app/camera_card/camera_card_finder.h"

using namespace kivo;
namespace fs = std::filesystem;

namespace {

constexpr int kCamera = 0x3060; // marker MISC/version.conf

class CameraVolumeTest : public testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() /
            ("camera_volume_" + std::to_string(::getpid()) + "_" +
             testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "sys" / "block");
        system_.mount_table = root_ / "mounts";
        system_.block_devices = root_ / "sys" / "block";
        system_.user_mount_roots = {root_ / "media", root_ / "run" / "media"};
    }
    void TearDown() override { fs::remove_all(root_); }

    // A disk with its removable flag and, when given, one partition.
    void add_disk(const std::string& disk, bool removable, const std::string& partition = "")
    {
        fs::path dir = system_.block_devices / disk;
        fs::create_directories(dir);
        std::ofstream(dir / "removable") << (removable ? "1\n" : "0\n");
        if (!partition.empty())
            fs::create_directories(dir / partition);
    }
    // A volume folder, with the camera's marker when asked.
    fs::path add_volume(const fs::path& relative, bool with_marker = true)
    {
        fs::path dir = root_ / relative;
        fs::create_directories(dir);
        if (with_marker) {
            fs::create_directories(dir / "MISC");
            std::ofstream(dir / "MISC" / "version.conf") << "1.2\n";
        }
        return dir;
    }
    void mount(const std::string& device, const std::string& mount_point_as_listed,
               const std::string& options = "rw,nosuid")
    {
        std::ofstream(system_.mount_table, std::ios::app)
            << device << ' ' << mount_point_as_listed << " vfat " << options << " 0 0\n";
    }
    std::string find(int product = kCamera) const { return getCameraDiskPath(product, system_); }

    fs::path root_;
    VolumeSystem system_;
};

} // namespace

TEST_F(CameraVolumeTest, RemovableWritableUserVolumeWithMarkerIsFound)
{
    add_disk("sdb", true, "sdb1");
    fs::path card = add_volume("media/rider/CARD");
    mount("/dev/sdb1", card.string());
    EXPECT_EQ(find(), card.string() + "/");
}

TEST_F(CameraVolumeTest, VolumesThatDoNotQualifyAreSkippedInMountOrder)
{
    add_disk("sda", false, "sda2");
    add_disk("sdb", true, "sdb1");
    add_disk("sdc", true, "sdc1");
    add_disk("sdd", true, "sdd1");
    add_disk("sde", true); // a card without a partition table
    mount("/dev/sda2", add_volume("media/rider/FIXED").string()); // not removable
    mount("/dev/sdb1", add_volume("media/rider/RO").string(), "ro"); // read-only
    mount("/dev/sdc1", add_volume("mnt/card").string()); // not mounted for the user
    mount("/dev/sdd1", add_volume("media/rider/EMPTY", false).string()); // no marker
    mount("tmpfs", add_volume("media/rider/TMP").string()); // no block device
    fs::path card = add_volume("run/media/rider/CAM");
    mount("/dev/sde", card.string());
    mount("/dev/sdb1", add_volume("media/rider/LATER").string());
    EXPECT_EQ(find(), card.string() + "/");
}

TEST_F(CameraVolumeTest, EscapedMountPointNamesAreDecoded)
{
    add_disk("sdb", true, "sdb1");
    fs::path card = add_volume("media/rider/MY CAM\\1");
    mount("/dev/sdb1", (root_ / "media/rider/MY\\040CAM\\1341").string());
    EXPECT_EQ(find(), card.string() + "/");
}

TEST_F(CameraVolumeTest, NothingForOtherProductsMissingTablesOrTheMediaRootItself)
{
    add_disk("sdb", true, "sdb1");
    fs::path card = add_volume("media/rider/CARD");
    mount("/dev/sdb1", card.string());
    EXPECT_EQ(find(0x3142), ""); // not a camera
    EXPECT_EQ(find(0x5510), ""); // a camera product without a marker
    EXPECT_EQ(find(0x5580), ""); // another camera's marker

    fs::path media = add_volume("media");
    std::ofstream(system_.mount_table, std::ios::trunc) << "/dev/sdb1 " << media.string() << " vfat rw 0 0\n";
    EXPECT_EQ(find(), "");

    system_.mount_table = root_ / "no_such_table";
    EXPECT_EQ(find(), "");
}

TEST(CameraMarkers, OnlyTheEightCamerasHaveOne)
{
    for (int id : {0x3020, 0x3040, 0x3060, 0x3232, 0x3233, 0x5570, 0x5576, 0x5580})
        EXPECT_FALSE(camera_marker(id).empty()) << std::hex << id;
    for (int id : {0x5510, 0x3240, 0x3142, 0})
        EXPECT_EQ(camera_marker(id), "") << std::hex << id;
}
