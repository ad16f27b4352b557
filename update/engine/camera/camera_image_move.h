#pragma once
// The camera image of the helmet camera's firmware file, moved onto the camera's memory card once
// its Bluetooth image is written: the camera takes the image from its card. The image was taken out
// of the firmware file into the run's archive folder; the card is the one the finder sees mounted
// writable with the camera's marker. The file operations go through card_files().

#include <filesystem>

namespace kivo {

// The camera image in the archive folder, and the name the camera looks for in its card's root. A
// copy is written on the card under the archive's name first.
inline constexpr char kCameraImageFile[] = "__lumora_firmware__.bin";
inline constexpr char kCameraCardImageFile[] = "vtq37_100.bin";
inline constexpr char kCameraCardTemporaryFile[] = "__lumora_firmware__.bin";

enum class CameraImageMove {
    Moved,
    // No card of the camera mounted writable: nothing is moved.
    NoCard,
    // The image did not reach the card whole; nothing stays under the camera's name.
    Failed,
};

// Moves the image onto the card, replacing one an earlier run left: a rename, or, where that fails
// (the card is another file system: the usual case), a copy under the temporary name on the card,
// flushed, then renamed to the camera's name and the card's folder flushed, before the source is
// removed. A card pulled or a
// write that fails half-way never leaves part of the image under the camera's name: a copy that
// fails is removed from the card (where the card is still there), with whatever stood under the
// camera's name, and the source kept. Traces
// "FILE OK 2" or "ERROR". Says whether the image reached the card, and why not: the run's failure
// line tells a missing card from a failed move.
CameraImageMove updateLumoraFirmware(const std::filesystem::path& archive_folder);

} // namespace kivo
