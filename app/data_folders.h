#pragma once
// Where the manager keeps its files.

#include <filesystem>

namespace kivo {

// Backups, restore images and temporary downloads: <application data>/VARGOZeltraDeviceManagerArchive.
std::filesystem::path archive_folder();
// The configuration: $XDG_CONFIG_HOME (or ~/.config)/VARGOZeltraDeviceManagerArchive.
std::filesystem::path configuration_folder();

} // namespace kivo
