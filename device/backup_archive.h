#pragma once
// The settings backup archive: a device record in the keyed store of keyed_archive.h, under the
// keys the backups have always used. Written before a firmware update, read back by the restore.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "device/device_data.h"
#include "device/keyed_archive.h"

namespace kivo {

// The archive's contents for record.
std::string archive_device_record(const KIVOBluetoothDeviceData& record);
// The record in data; throws ArchiveError when data is not a device-record archive.
KIVOBluetoothDeviceData unarchive_device_record(std::string_view data);

// Writes the archive of record to path atomically; false (with a reason in error) on failure.
bool write_backup_archive(const KIVOBluetoothDeviceData& record, const std::filesystem::path& path,
                          std::string* error = nullptr);
// The record archived at path; none when the file is missing or empty. Throws ArchiveError when
// the file cannot be read or does not hold a device-record archive.
std::optional<KIVOBluetoothDeviceData> read_backup_archive(const std::filesystem::path& path);

} // namespace kivo
