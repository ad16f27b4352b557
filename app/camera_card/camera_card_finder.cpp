#include "app/camera_card/camera_card_finder.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string_view>

#include "device/products/camera_cards.h"

namespace kivo {

namespace fs = std::filesystem;

namespace {

// The mount table writes space, tab, newline and backslash in names as three octal digits.
std::string unescape_mount_field(std::string_view field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            std::string_view digits = field.substr(i + 1, 3);
            if (digits.size() == 3 && digits.find_first_not_of("01234567") == std::string_view::npos) {
                out += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

std::vector<MountEntry> read_mount_table(const fs::path& table)
{
    std::ifstream in(table);
    return read_mount_entries(in);
}

bool is_below(const fs::path& path, const fs::path& root)
{
    fs::path p = path.lexically_normal();
    fs::path r = root.lexically_normal();
    auto [root_end, path_at] = std::mismatch(r.begin(), r.end(), p.begin(), p.end());
    // Strictly below: the whole root matches and something follows it.
    return root_end == r.end() && path_at != p.end() && !path_at->empty();
}

bool mounted_for_user(const fs::path& mount_point, const VolumeSystem& system)
{
    for (const fs::path& root : system.user_mount_roots)
        if (is_below(mount_point, root))
            return true;
    return false;
}

bool mounted_writable(const MountEntry& mount)
{
    std::istringstream options(mount.options);
    std::string option;
    bool read_write = false;
    while (std::getline(options, option, ','))
        if (option == "rw")
            read_write = true;
    return read_write && ::access(mount.mount_point.c_str(), W_OK) == 0;
}

bool flag_file_is_one(const fs::path& file)
{
    std::ifstream in(file);
    std::string value;
    return in >> value && value == "1";
}

// A whole disk has its own removable flag; a partition is a folder of its disk and uses the disk's.
bool device_is_removable(const std::string& device, const VolumeSystem& system)
{
    std::error_code error;
    fs::path device_path(device);
    if (!device_path.is_absolute())
        return false;
    fs::path resolved = fs::canonical(device_path, error);
    const std::string name = (error ? device_path : resolved).filename().string();
    if (name.empty())
        return false;
    if (fs::exists(system.block_devices / name / "removable", error))
        return flag_file_is_one(system.block_devices / name / "removable");
    for (const fs::directory_entry& disk : fs::directory_iterator(system.block_devices, error)) {
        if (fs::is_directory(disk.path() / name, error))
            return flag_file_is_one(disk.path() / "removable");
    }
    return false;
}

} // namespace

std::vector<MountEntry> read_mount_entries(std::istream& table)
{
    std::vector<MountEntry> mounts;
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string device, mount_point, type, options;
        if (!(fields >> device >> mount_point >> type >> options))
            continue;
        mounts.push_back({unescape_mount_field(device), unescape_mount_field(mount_point), options});
    }
    return mounts;
}

VolumeSystem& camera_volume_system()
{
    static VolumeSystem system;
    return system;
}

std::string camera_marker(int product_id) { return std::string(camera_card_marker(product_id)); }

std::string getCameraDiskPath(int device_target, const VolumeSystem& system)
{
    const std::string marker = camera_marker(device_target);
    if (marker.empty())
        return {};
    for (const MountEntry& mount : read_mount_table(system.mount_table)) {
        if (!mounted_for_user(mount.mount_point, system) || !mounted_writable(mount) ||
            !device_is_removable(mount.device, system))
            continue;
        std::error_code error;
        if (fs::exists(mount.mount_point / marker, error))
            return mount.mount_point.string() + "/";
    }
    return {};
}

} // namespace kivo
