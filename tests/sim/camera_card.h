#pragma once
// A camera's memory card as the manager finds it: a folder mounted for the user from a removable
// disk. For the card's lifetime the manager's volume system (kivo::camera_volume_system(): the
// mount table, the block devices' flags, the user mount roots) looks at a temporary folder of the
// card's own, with the card listed in the mount table while it is in; the real volume system comes
// back when the card goes. One card at a time.
//
// The card keeps its files while it is out, for when it comes back; while it is out its mount
// point is gone, so nothing can be written onto it. Its state changes under the bus lock, and a
// change at a virtual time is a bus event: a worker that only sleeps and polls the finder sees it
// in time.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/clock.h"
#include "tests/sim/hid_interface.h"

namespace sim {

class CameraCard {
public:
    enum class Marker { Written, Missing };
    enum class Mount { Writable, ReadOnly };

    // A card of the camera product_id, out of its slot. A written marker is the product's marker
    // file (device/products/camera_cards.h), by which the finder tells this camera's card.
    explicit CameraCard(int product_id, Marker marker = Marker::Written);
    ~CameraCard();
    CameraCard(const CameraCard&) = delete;
    CameraCard& operator=(const CameraCard&) = delete;

    // Mounts the card for the user (again, or in the other mount); a read-only card is listed with
    // "ro", which the finder passes over.
    void insert(Mount mount = Mount::Writable);
    // Unmounts it: out of the mount table, its mount point gone, its files kept.
    void remove();
    // The same as bus events, a virtual time from now.
    void insert_after(kivo::Duration after, Mount mount = Mount::Writable);
    void remove_after(kivo::Duration after);

    bool inserted() const;
    // What the finder answers while the card is in: its mount point followed by "/".
    std::string disk_path() const;
    // The card's files, whether it is in or out (relative to its root).
    void put(const std::filesystem::path& relative, std::string_view contents);
    void put(const std::filesystem::path& relative, const Bytes& contents);
    std::optional<Bytes> read(const std::filesystem::path& relative) const;
    bool holds(const std::filesystem::path& relative) const;
    // Removes a file, in or out.
    void erase(const std::filesystem::path& relative);

private:
    struct Slot;
    std::shared_ptr<Slot> slot_;
};

} // namespace sim
