#pragma once
// Finds the mounted memory card of a camera product. A volume counts when it is mounted for the
// user (below one of the user mount roots), its block device is removable, it is mounted writable
// and it holds the product's marker file (device/products/camera_cards.h). Cheap enough to be
// polled once a second, and free of Qt: workers poll it.

#include <filesystem>
#include <istream>
#include <string>
#include <vector>

namespace kivo {

// Where the mounts and block devices are read from; tests point it at temporary folders.
struct VolumeSystem {
    std::filesystem::path mount_table = "/proc/self/mounts";
    std::filesystem::path block_devices = "/sys/block";
    std::vector<std::filesystem::path> user_mount_roots = {"/media", "/run/media"};
};

// The volume system the application looks at; tests point it at temporary folders before a worker
// that looks for a camera starts.
VolumeSystem& camera_volume_system();

// One line of the mount table, with its octal escapes of space, tab, newline and backslash undone.
struct MountEntry {
    std::string device;
    std::filesystem::path mount_point;
    std::string options;
};

// The entries of a mount table in the form of /proc/self/mounts, in order; a line with fewer than
// four fields is skipped.
std::vector<MountEntry> read_mount_entries(std::istream& table);

// The marker file, relative to the volume root, of a camera product; empty for other products.
std::string camera_marker(int product_id);

// The first qualifying volume in mount order, ending with "/"; empty when there is none.
std::string getCameraDiskPath(int device_target, const VolumeSystem& system = camera_volume_system());

} // namespace kivo
