// libFuzzer entry point: the mount-table reader of the camera-card finder on arbitrary text, and the
// finder over that table. Beyond not crashing: no entry comes from nothing (at most one per line),
// no field grows in unescaping, the options carry no blank, and a card found is a mount point of
// the table below a user mount root (once normalised), ending in "/".

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/camera_card/camera_card_finder.h"
#include "device/products/camera_cards.h"

namespace fs = std::filesystem;

namespace {

// The finder's mount table, block devices and a user mount root with one card, made once at a
// fixed place so that the seeds can name it: /tmp/kivo-mount-fuzz/media/card on /dev/sdb.
struct Scratch {
    explicit Scratch(int product)
    {
        root = "/tmp/kivo-mount-fuzz";
        fs::create_directories(root / "block" / "sdb");
        std::ofstream(root / "block" / "sdb" / "removable") << "1\n";
        const fs::path marker = root / "media" / "card" / kivo::camera_marker(product);
        fs::create_directories(marker.parent_path());
        std::ofstream(marker) << "";
        system.mount_table = root / "mounts";
        system.block_devices = root / "block";
        system.user_mount_roots = {root / "media"};
    }
    ~Scratch()
    {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    fs::path root;
    kivo::VolumeSystem system;
};

// The first product with a camera card marker.
int camera_product()
{
    for (int id = 0; id <= 0xFFFF; ++id)
        if (!kivo::camera_marker(id).empty())
            return id;
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const int product = camera_product();
    static Scratch scratch(product);
    const std::string text(reinterpret_cast<const char*>(data), size);

    std::istringstream in(text);
    const std::vector<kivo::MountEntry> entries = kivo::read_mount_entries(in);
    const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (entries.size() > lines)
        std::abort();
    for (const kivo::MountEntry& e : entries) {
        if (e.device.size() > size || e.mount_point.native().size() > size || e.options.size() > size ||
            e.options.find_first_of(" \t\n") != std::string::npos)
            std::abort();
    }

    std::ofstream(scratch.system.mount_table, std::ios::trunc) << text;
    const std::string found = kivo::getCameraDiskPath(product, scratch.system);
    if (!found.empty()) {
        const bool listed = std::any_of(entries.begin(), entries.end(), [&](const kivo::MountEntry& e) {
            return e.mount_point.string() + "/" == found;
        });
        // The mount point comes back as the table spells it ("//tmp/..." is the same folder).
        const std::string normal = fs::path(found).lexically_normal().string();
        const std::string root = (scratch.root / "media").string() + "/";
        if (!listed || found.back() != '/' || !normal.starts_with(root))
            std::abort();
    }
    return 0;
}
