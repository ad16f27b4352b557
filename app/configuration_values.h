#pragma once
// The values the configuration archive carries from one run to the next, read and written through
// the keyed store without the controller and without Qt: the controller takes them only once all
// of them read, so a damaged file changes nothing.

#include <optional>
#include <string>

#include "device/device_data.h"

class KeyedArchiver;
class KeyedUnarchiver;

namespace kivo {

inline constexpr char kConfigurationClassName[] = "KIVOBluetoothManagerAppController";

struct ConfigurationValues {
    std::string strManagerVersion;
    // None when the archive has no interface language at all.
    std::optional<std::string> strLanguageManager;
    bool applyToLanguageFirmware = false;
    int deviceTarget = 0;
    bool restartToRecover = false;
    int modeRestartToRecover = 0;
    std::string strLanguageFirmware;
    // The firmware a restart writes to recover an interrupted update: stored only while one waits.
    std::string strRestartDFUFirmwareFile;
    int indexRestartDFUFirmwareLanguage = 0;
    FirmwareQuad deviceVersionRestartDFU;

    bool restartFirmwarePending() const { return !strRestartDFUFirmwareFile.empty(); }
    bool operator==(const ConfigurationValues&) const = default;
};

// Reads every value; throws ArchiveError for a value of the wrong type. Absent keys read as 0,
// false or empty.
ConfigurationValues read_configuration_values(const KeyedUnarchiver& coder);
// Writes the keys in their order; the restart firmware's only while one is pending.
void write_configuration_values(KeyedArchiver& coder, const ConfigurationValues& values);

} // namespace kivo
