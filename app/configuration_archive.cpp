#include "app/configuration_archive.h"

#include <fstream>
#include <sstream>
#include <string>

#include "app/app_controller.h"
#include "app/data_folders.h"
#include "common/atomic_file.h"
#include "common/system_log.h"
#include "device/keyed_archive.h"

namespace {

constexpr char kClassName[] = "KIVOBluetoothManagerAppController";
constexpr char kFileName[] = "VARGOZeltraDeviceManager.tavkconf";
// Far above any real configuration; a bigger file is not one of ours.
constexpr std::uintmax_t kMaxConfigurationBytes = 64 * 1024;

// The values of an archive, decoded whole before any reaches the controller: a bad value leaves
// the controller untouched.
struct Stored {
    std::string strManagerVersion;
    std::string strLanguageManager;
    bool hasLanguageManager = false;
    bool applyToLanguageFirmware = false;
    int deviceTarget = 0;
    bool restartToRecover = false;
    int modeRestartToRecover = 0;
    std::string strLanguageFirmware;
    std::string strRestartDFUFirmwareFile;
    int indexRestartDFUFirmwareLanguage = 0;
    int deviceVersionMajorRestartDFU = 0;
    int deviceVersionMinorRestartDFU = 0;
    int deviceSecondaryVersionTypeRestartDFU = 0;
    int deviceSecondaryVersionRestartDFU = 0;
};

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
    coder.encodeBool("keyEncrypted", true);
    coder.encodeText("keyStrManagerVersion", strManagerVersion_);
    coder.encodeText("keyStrLanguageManager", strLanguageManager_);
    coder.encodeBool("keyApplyToLanguageFirmware", applyToLanguageFirmware_);
    coder.encodeInt("keyDeviceTarget", deviceTarget());
    coder.encodeBool("keyRestartToRecover", restartToRecover());
    coder.encodeInt("keyModeRestartToRecover", modeRestartToRecover());
    coder.encodeText("keyStrLanguageFirmware", strLanguageFirmware_);
    if (!isRestartDFU())
        return;
    coder.encodeText("keyStrRestartDFUFirmwareFile", strRestartDFUFirmwareFile());
    coder.encodeInt("keyIndexRestartDFUFirmwareLanguage", indexRestartDFUFirmwareLanguage());
    coder.encodeInt("keyDeviceVersionMajorRestartDFU", deviceVersionMajorRestartDFU());
    coder.encodeInt("keyDeviceVersionMinorRestartDFU", deviceVersionMinorRestartDFU());
    coder.encodeInt("keyDeviceSecondaryVersionTypeRestartDFU", deviceSecondaryVersionTypeRestartDFU());
    coder.encodeInt("keyDeviceSecondaryVersionRestartDFU", deviceSecondaryVersionRestartDFU());
}

void KIVOBluetoothManagerAppController::initWithCoder(const KeyedUnarchiver& coder)
{
    Stored s;
    s.strManagerVersion = coder.decodeText("keyStrManagerVersion");
    s.hasLanguageManager = coder.containsValueForKey("keyStrLanguageManager");
    s.strLanguageManager = coder.decodeText("keyStrLanguageManager");
    s.applyToLanguageFirmware = coder.decodeBool("keyApplyToLanguageFirmware");
    s.deviceTarget = coder.decodeInt("keyDeviceTarget");
    s.restartToRecover = coder.decodeBool("keyRestartToRecover");
    s.modeRestartToRecover = coder.decodeInt("keyModeRestartToRecover");
    s.strLanguageFirmware = coder.decodeText("keyStrLanguageFirmware");
    s.strRestartDFUFirmwareFile = coder.decodeText("keyStrRestartDFUFirmwareFile");
    s.indexRestartDFUFirmwareLanguage = coder.decodeInt("keyIndexRestartDFUFirmwareLanguage");
    s.deviceVersionMajorRestartDFU = coder.decodeInt("keyDeviceVersionMajorRestartDFU");
    s.deviceVersionMinorRestartDFU = coder.decodeInt("keyDeviceVersionMinorRestartDFU");
    s.deviceSecondaryVersionTypeRestartDFU = coder.decodeInt("keyDeviceSecondaryVersionTypeRestartDFU");
    s.deviceSecondaryVersionRestartDFU = coder.decodeInt("keyDeviceSecondaryVersionRestartDFU");

    // Texts the archive lacks keep their defaults.
    if (!s.strManagerVersion.empty())
        strManagerVersion_ = s.strManagerVersion;
    if (s.hasLanguageManager && !s.strLanguageManager.empty()) {
        strLanguageManager_ = s.strLanguageManager;
        applyToLanguageFirmware_ = s.applyToLanguageFirmware;
    }
    setDeviceTarget(s.deviceTarget);
    setRestartToRecover(s.restartToRecover);
    setModeRestartToRecover(s.modeRestartToRecover);
    setStrRestartDFUFirmwareFile(s.strRestartDFUFirmwareFile);
    setIndexRestartDFUFirmwareLanguage(s.indexRestartDFUFirmwareLanguage);
    setDeviceVersionMajorRestartDFU(s.deviceVersionMajorRestartDFU);
    setDeviceVersionMinorRestartDFU(s.deviceVersionMinorRestartDFU);
    setDeviceSecondaryVersionTypeRestartDFU(s.deviceSecondaryVersionTypeRestartDFU);
    setDeviceSecondaryVersionRestartDFU(s.deviceSecondaryVersionRestartDFU);
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
        const KeyedUnarchiver coder(contents, kClassName);
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
    KeyedArchiver coder(kClassName);
    controller.encodeWithCoder(coder);
    std::string error;
    if (write_file_atomically(file, coder.text(), &error))
        return true;
    system_logf("configuration not written to %s: %s", file.c_str(), error.c_str());
    return false;
}

} // namespace kivo
