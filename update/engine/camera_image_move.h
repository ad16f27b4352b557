#pragma once
// The camera image of the helmet camera's firmware file, moved onto the camera's memory card once
// its Bluetooth image is written: the camera takes the image from its card. The image was taken out
// of the firmware file into the run's archive folder; the card is the one the finder sees mounted
// writable with the camera's marker. The file operations go through card_files().

#include <filesystem>

namespace kivo {

// The camera image in the archive folder, and the name the camera looks for in its card's root.
inline constexpr char kCameraImageFile[] = "__lumora_firmware__.bin";
inline constexpr char kCameraCardImageFile[] = "vtq37_100.bin";

enum class CameraImageMove {
    Moved,
    // No card of the camera mounted writable: nothing is moved.
    NoCard,
    // The image did not reach the card whole; nothing partial stays on it.
    Failed,
};

// Moves the image onto the card, replacing one an earlier run left: a rename, or, where that fails
// (the card is another file system: the usual case), a copy flushed to the card before the source
// is removed. A copy that fails is removed from the card and the source kept. Traces "FILE OK 2"
// or "ERROR". Says whether the image reached the card, and why not: the run's failure line tells
// a missing card from a failed move.
CameraImageMove updateLumoraFirmware(const std::filesystem::path& archive_folder);

} // namespace kivo
