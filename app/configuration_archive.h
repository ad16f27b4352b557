#pragma once
// The configuration archive: the controller's settings carried from one run to the next (interface
// language, voice-prompt language choice, last product, restart-to-recover state and a pending
// restart firmware). Read once at start, written once at quit.

#include <filesystem>

class KIVOBluetoothManagerAppController;

namespace kivo {

// <configuration folder>/VARGOZeltraDeviceManager.tavkconf
std::filesystem::path configuration_file();

// Reads the file into the controller. A missing, unreadable or corrupt file changes nothing (the
// defaults stand) and gives false.
bool read_configuration(const std::filesystem::path& file, KIVOBluetoothManagerAppController& controller);
// Writes the controller's archive atomically, creating the folder when needed; false on failure.
bool write_configuration(const std::filesystem::path& file, const KIVOBluetoothManagerAppController& controller);

} // namespace kivo
