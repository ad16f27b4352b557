#include "app/configuration_archive.h"

#include <fstream>
#include <sstream>
#include <string>

#include "app/app_controller.h"
#include "app/configuration_values.h"
#include "app/data_folders.h"
#include "common/atomic_file.h"
#include "common/system_log.h"
#include "device/keyed_archive.h"

namespace {

constexpr char kFileName[] = "VARGOZeltraDeviceManager.tavkconf";
// Far above any real configuration; a bigger file is not one of ours.
constexpr std::uintmax_t kMaxConfigurationBytes = 64 * 1024;

bool read_small_file(const std::filesystem::path& file, std::string& contents)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return false;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > kMaxConfigurationBytes)
        return false;
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in || in.bad())
        return false;
    contents = text.str();
    return true;
}

} // namespace

void KIVOBluetoothManagerAppController::encodeWithCoder(KeyedArchiver& coder) const
{
    kivo::ConfigurationValues v;
    v.strManagerVersion = strManagerVersion_;
    v.strLanguageManager = strLanguageManager_;
    v.applyToLanguageFirmware = applyToLanguageFirmware_;
    v.deviceTarget = deviceTarget();
    v.restartToRecover = restartToRecover();
    v.modeRestartToRecover = modeRestartToRecover();
    v.strLanguageFirmware = strLanguageFirmware_;
    v.strRestartDFUFirmwareFile = strRestartDFUFirmwareFile();
    v.indexRestartDFUFirmwareLanguage = indexRestartDFUFirmwareLanguage();
    v.deviceVersionRestartDFU = session_.deviceVersionRestartDFU;
    kivo::write_configuration_values(coder, v);
}

void KIVOBluetoothManagerAppController::initWithCoder(const KeyedUnarchiver& coder)
{
    // Every value is read before any is taken.
    const kivo::ConfigurationValues s = kivo::read_configuration_values(coder);

    // Texts the archive lacks keep their defaults.
    if (!s.strManagerVersion.empty())
        strManagerVersion_ = s.strManagerVersion;
    if (s.strLanguageManager && !s.strLanguageManager->empty()) {
        strLanguageManager_ = *s.strLanguageManager;
        applyToLanguageFirmware_ = s.applyToLanguageFirmware;
    }
    setDeviceTarget(s.deviceTarget);
    setRestartToRecover(s.restartToRecover);
    setModeRestartToRecover(s.modeRestartToRecover);
    setStrRestartDFUFirmwareFile(s.strRestartDFUFirmwareFile);
    setIndexRestartDFUFirmwareLanguage(s.indexRestartDFUFirmwareLanguage);
    session_.deviceVersionRestartDFU = s.deviceVersionRestartDFU;
    if (!s.strLanguageFirmware.empty())
        strLanguageFirmware_ = s.strLanguageFirmware;
}

namespace kivo {

std::filesystem::path configuration_file() { return configuration_folder() / kFileName; }

bool read_configuration(const std::filesystem::path& file, KIVOBluetoothManagerAppController& controller)
{
    std::string contents;
    if (!read_small_file(file, contents)) {
        system_logf("no configuration read from %s", file.c_str());
        return false;
    }
    try {
        const KeyedUnarchiver coder(contents, kivo::kConfigurationClassName);
        controller.initWithCoder(coder);
        return true;
    } catch (const ArchiveError& error) {
        system_logf("configuration %s ignored: %s", file.c_str(), error.what());
        return false;
    }
}

bool write_configuration(const std::filesystem::path& file, const KIVOBluetoothManagerAppController& controller)
{
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    KeyedArchiver coder(kivo::kConfigurationClassName);
    controller.encodeWithCoder(coder);
    // A quit that changed nothing leaves the file as it is: no new file, no wait for the disk.
    if (std::string stored; read_small_file(file, stored) && stored == coder.text())
        return true;
    std::string error;
    if (write_file_atomically(file, coder.text(), &error))
        return true;
    system_logf("configuration not written to %s: %s", file.c_str(), error.c_str());
    return false;
}

} // namespace kivo
