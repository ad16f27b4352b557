#include "tests/sim/camera_card.h"

#include <stdlib.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <stdexcept>

#include "app/camera_card/camera_card_finder.h"
#include "common/atomic_file.h"
#include "device/products/camera_cards.h"
#include "tests/sim/bus.h"

namespace sim {

namespace fs = std::filesystem;

namespace {

// The card is the partition of a card reader's disk; the system disk is mounted beside it, so that
// the finder sees a table of the usual shape.
constexpr const char* kCardDisk = "mmcblk0";
constexpr const char* kCardPartition = "mmcblk0p1";
constexpr const char* kSystemMount = "/dev/sda1 / ext4 rw,relatime 0 0\n";

std::atomic<bool> card_in_use{false};

// The mount table writes space, tab, newline and backslash in names as three octal digits.
std::string mount_table_field(const std::string& text)
{
    std::string field;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\\') {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", static_cast<unsigned char>(c));
            field += octal;
        } else {
            field += c;
        }
    }
    return field;
}

void write_text(const fs::path& file, std::string_view text) { std::ofstream(file, std::ios::binary) << text; }

} // namespace

struct CameraCard::Slot {
    fs::path root;
    fs::path mount_point;
    // Where the card's files wait while it is out.
    fs::path shelf;
    kivo::VolumeSystem real;
    bool in = false;
    Mount mount = Mount::Writable;

    fs::path files() const { return in ? mount_point : shelf; }

    void write_mount_table() const
    {
        std::string table = kSystemMount;
        if (in)
            table += std::string("/dev/") + kCardPartition + ' ' + mount_table_field(mount_point.string()) + " vfat " +
                (mount == Mount::ReadOnly ? "ro" : "rw") + ",nosuid,nodev 0 0\n";
        if (!kivo::write_file_atomically(root / "mounts", table))
            throw std::runtime_error("the simulated mount table cannot be written");
    }

    // The folder is in place before the table lists it, and the table lets it go before it leaves.
    void insert(Mount how)
    {
        std::lock_guard lock(bus().mutex());
        if (!in)
            fs::rename(shelf, mount_point);
        in = true;
        mount = how;
        write_mount_table();
    }

    void remove()
    {
        std::lock_guard lock(bus().mutex());
        if (!in)
            return;
        in = false;
        write_mount_table();
        fs::rename(mount_point, shelf);
    }
};

CameraCard::CameraCard(int product_id, Marker marker)
    : slot_(std::make_shared<Slot>())
{
    if (card_in_use.load())
        throw std::logic_error("one simulated camera card at a time");
    std::string root = (fs::temp_directory_path() / "kivo-camera-card-XXXXXX").string();
    if (::mkdtemp(root.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    Slot& slot = *slot_;
    slot.root = root;
    slot.mount_point = slot.root / "media" / "rider" / "CAMERA";
    slot.shelf = slot.root / "shelf";
    fs::create_directories(slot.root / "block" / kCardDisk / kCardPartition);
    write_text(slot.root / "block" / kCardDisk / "removable", "1\n");
    fs::create_directories(slot.root / "block" / "sda" / "sda1");
    write_text(slot.root / "block" / "sda" / "removable", "0\n");
    fs::create_directories(slot.mount_point.parent_path());
    fs::create_directories(slot.shelf);
    slot.write_mount_table();
    if (marker == Marker::Written)
        put(std::string(kivo::camera_card_marker(product_id)), "1.0\n");

    kivo::VolumeSystem& volumes = kivo::camera_volume_system();
    slot.real = volumes;
    volumes = {slot.root / "mounts", slot.root / "block", {slot.root / "media"}};
    card_in_use = true;
}

CameraCard::~CameraCard()
{
    kivo::camera_volume_system() = slot_->real;
    std::error_code ignored;
    fs::remove_all(slot_->root, ignored);
    card_in_use = false;
}

void CameraCard::insert(Mount mount) { slot_->insert(mount); }

void CameraCard::remove() { slot_->remove(); }

void CameraCard::insert_after(kivo::Duration after, Mount mount)
{
    bus().schedule(after, [slot = std::weak_ptr(slot_), mount] {
        if (auto card = slot.lock())
            card->insert(mount);
    });
}

void CameraCard::remove_after(kivo::Duration after)
{
    bus().schedule(after, [slot = std::weak_ptr(slot_)] {
        if (auto card = slot.lock())
            card->remove();
    });
}

bool CameraCard::inserted() const
{
    std::lock_guard lock(bus().mutex());
    return slot_->in;
}

std::string CameraCard::disk_path() const { return slot_->mount_point.string() + "/"; }

void CameraCard::put(const fs::path& relative, std::string_view contents)
{
    std::lock_guard lock(bus().mutex());
    const fs::path file = slot_->files() / relative;
    fs::create_directories(file.parent_path());
    write_text(file, contents);
}

void CameraCard::put(const fs::path& relative, const Bytes& contents)
{
    put(relative, std::string_view(reinterpret_cast<const char*>(contents.data()), contents.size()));
}

std::optional<Bytes> CameraCard::read(const fs::path& relative) const
{
    std::lock_guard lock(bus().mutex());
    std::ifstream in(slot_->files() / relative, std::ios::binary);
    if (!in)
        return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool CameraCard::holds(const fs::path& relative) const
{
    std::lock_guard lock(bus().mutex());
    std::error_code error;
    return fs::is_regular_file(slot_->files() / relative, error);
}

void CameraCard::erase(const fs::path& relative)
{
    std::lock_guard lock(bus().mutex());
    std::error_code ignored;
    fs::remove(slot_->files() / relative, ignored);
}

} // namespace sim
