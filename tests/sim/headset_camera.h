#pragma once
// The camera built into some headsets: the headset switches it on (0x20) and off (0x21) and tells
// its state (0x22: answer byte 3 = 1 while on). While it is on, its memory card shows up as a disk
// a set time after the switch-on; switched off, the card goes (its files stay). At every switch-on
// the camera takes the firmware file it finds on the card: it writes the version the file's version
// marker carries (major.minor) into its version file and removes the file. One camera switches
// itself off a set time after it has taken an image.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/sim/camera_card.h"
#include "tests/sim/hid_interface.h"

namespace sim {

struct CameraPersona {
    // The card in the camera's slot; the test keeps it for longer than the headset runs.
    CameraCard* card = nullptr;
    // Names relative to the card's root.
    std::string firmwareFile;
    std::string versionFile;
    // The card shows up this long after each switch-on.
    kivo::Duration cardAfter = std::chrono::seconds(5);

    // ---- Faults ----
    // How the card is mounted when it shows up.
    CameraCard::Mount mount = CameraCard::Mount::Writable;
    // The card shows up at the first n switch-ons only (0: never; 1: not after the restart).
    std::optional<int> cardShowsAt;
    // The camera takes no image: the file stays, and so does its version.
    bool keepsVersion = false;
    // From its n-th status answer on, the camera answers the state it is not in: it never gets
    // where it is switched.
    std::optional<int> wrongStateFrom;

    // After taking an image the camera switches itself off this long later (never when empty).
    std::optional<kivo::Duration> offAfterTaking;
};

// The camera of a camera product with this card: the product's files (device/products/camera_files.h),
// and for the camera that switches itself off after taking its image, 40 s.
CameraPersona camera_of(int product_id, CameraCard& card);

struct CameraState;

// A camera as a headset carries it: the answer to the camera commands, nothing for other commands.
// Called under the bus lock.
std::shared_ptr<CameraState> make_camera(const CameraPersona& persona);
std::optional<HidReply> answer_camera(const std::shared_ptr<CameraState>& camera, const Bytes& out);
bool camera_on(const CameraState& camera);
// The images the camera took, in order.
std::vector<Bytes> camera_images(const CameraState& camera);

} // namespace sim
