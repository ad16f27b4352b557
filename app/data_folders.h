#pragma once
// Where the manager keeps its files.

#include <filesystem>

namespace kivo {

// Backups, restore images and temporary downloads: <application data>/VARGOZeltraDeviceManagerArchive.
std::filesystem::path archive_folder();
// Points archive_folder() at another folder; empty goes back to the standard place. Only tests
// call this: the standard place is one folder for every test of a program.
void set_archive_folder(std::filesystem::path folder);
// The records of downloads under way into folders of the user's, in the archive folder: the start
// after a killed run removes the temporaries they name (common/temporary_files.h).
std::filesystem::path download_records_folder();
// The configuration: $XDG_CONFIG_HOME (or ~/.config)/VARGOZeltraDeviceManagerArchive.
std::filesystem::path configuration_folder();

} // namespace kivo
