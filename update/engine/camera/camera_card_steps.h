#pragma once
// The steps of a camera update on the camera's memory card, shared by the paths whose headsets
// carry a camera: switched on, the camera shows its card as a disk; the worker finds the card,
// reads the camera's version, copies the camera image onto the card under a temporary name, moves
// it to the name the camera takes its firmware from, and reads the copy back to check it. Each path
// calls them with its own files, poll counts and tags; the switch commands and the waits around the
// steps are the paths' own.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "device/products/camera_files.h"
#include "link/hid_reports.h"
#include "update/engine/container_view.h"

namespace kivo {

struct UpdateRun;

// The camera stages' failures: "<failure>. Cannot get status <tag>. Try again.", and the same with
// "Camera firmware update failed" as the reason. Both return false.
bool camera_step_fails(UpdateRun& run, const char* tag);
bool camera_update_fails(UpdateRun& run, const char* tag);

// One camera command (COMMAND_CAMERA_ON, _OFF or _STATUS), sent on slot 0 from a cleared report;
// true when the exchange succeeded, with its answer when one is asked for.
bool camera_command(uint8_t code, HidStatusReport* answer = nullptr);

// The card of the run's product: up to `calls` looks, one second apart. Its path ends with "/";
// empty when it never showed up.
std::string find_camera_card(const UpdateRun& run, int calls);

// A temporary file an earlier run left on the card is removed (whether that works is not looked
// at: the copy replaces it anyway).
void remove_leftover_copy(const std::string& card, const CameraFiles& files);

// The camera's version: major and minor.
struct CameraVersion {
    int major = 0;
    int minor = 0;

    bool operator==(const CameraVersion&) const = default;
};

// A version text: split at ".", the leading digits of the first two parts (0 for a part that is
// missing or has none); a text that is not UTF-8 reads 0.0.
CameraVersion camera_version_from_text(std::string_view text);
// The version file read from the card; a file that cannot be read, or is longer than a version
// text can be, reads 0.0.
CameraVersion read_camera_version(const std::string& card, const CameraFiles& files);
// Whether the camera runs the version of the image (its first two version numbers).
bool camera_runs_image_version(const std::string& card, const CameraFiles& files, const ContainerEntry& image);

// The tags of the copy's failures. A clean-up removes the temporary file, then the camera firmware
// file, where they exist; a removal that fails ends the run with its clean-up tag instead.
struct CameraCopyTags {
    const char* create;
    const char* move;
    const char* openCleanTemporary;
    const char* openCleanFirmware;
    const char* open;
    const char* digestCleanTemporary;
    const char* digestCleanFirmware;
    const char* digest;
    const char* size;
};

// The copy: the temporary file created with the image's bytes and moved to the camera firmware
// file's name (replacing a copy an earlier run left), then read back in pieces of 1024 bytes for its
// MD5, which must be the image's digest, and its size the image's length. A failure writes the
// status "<failure>. <reason> <tag>. Try again." and returns false; the reason is "Camera firmware
// update failed" for the move, "Cannot get status" for the others. A copy that cannot be read
// through counts as one that cannot be opened.
bool copy_camera_image(UpdateRun& run, const std::string& card, const CameraFiles& files, const ContainerEntry& image,
                       const CameraCopyTags& tags);

// The size of the pieces the copy is read back in: never the whole file in memory.
inline constexpr size_t kCameraReadBackPiece = 1024;
// A version file longer than this is no version text.
inline constexpr uint64_t kCameraVersionFileLimit = 64 * 1024;

} // namespace kivo
