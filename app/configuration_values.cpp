#include "app/configuration_values.h"

#include "device/keyed_archive.h"

namespace kivo {

ConfigurationValues read_configuration_values(const KeyedUnarchiver& coder)
{
    ConfigurationValues v;
    v.strManagerVersion = coder.decodeText("keyStrManagerVersion");
    if (coder.containsValueForKey("keyStrLanguageManager"))
        v.strLanguageManager = coder.decodeText("keyStrLanguageManager");
    v.applyToLanguageFirmware = coder.decodeBool("keyApplyToLanguageFirmware");
    v.deviceTarget = coder.decodeInt("keyDeviceTarget");
    v.restartToRecover = coder.decodeBool("keyRestartToRecover");
    v.modeRestartToRecover = coder.decodeInt("keyModeRestartToRecover");
    v.strLanguageFirmware = coder.decodeText("keyStrLanguageFirmware");
    v.strRestartDFUFirmwareFile = coder.decodeText("keyStrRestartDFUFirmwareFile");
    v.indexRestartDFUFirmwareLanguage = coder.decodeInt("keyIndexRestartDFUFirmwareLanguage");
    v.deviceVersionRestartDFU.major = coder.decodeInt("keyDeviceVersionMajorRestartDFU");
    v.deviceVersionRestartDFU.minor = coder.decodeInt("keyDeviceVersionMinorRestartDFU");
    v.deviceVersionRestartDFU.secondaryType = coder.decodeInt("keyDeviceSecondaryVersionTypeRestartDFU");
    v.deviceVersionRestartDFU.secondary = coder.decodeInt("keyDeviceSecondaryVersionRestartDFU");
    return v;
}

void write_configuration_values(KeyedArchiver& coder, const ConfigurationValues& v)
{
    coder.encodeBool("keyEncrypted", true);
    coder.encodeText("keyStrManagerVersion", v.strManagerVersion);
    coder.encodeText("keyStrLanguageManager", v.strLanguageManager.value_or(""));
    coder.encodeBool("keyApplyToLanguageFirmware", v.applyToLanguageFirmware);
    coder.encodeInt("keyDeviceTarget", v.deviceTarget);
    coder.encodeBool("keyRestartToRecover", v.restartToRecover);
    coder.encodeInt("keyModeRestartToRecover", v.modeRestartToRecover);
    coder.encodeText("keyStrLanguageFirmware", v.strLanguageFirmware);
    if (!v.restartFirmwarePending())
        return;
    coder.encodeText("keyStrRestartDFUFirmwareFile", v.strRestartDFUFirmwareFile);
    coder.encodeInt("keyIndexRestartDFUFirmwareLanguage", v.indexRestartDFUFirmwareLanguage);
    coder.encodeInt("keyDeviceVersionMajorRestartDFU", v.deviceVersionRestartDFU.major);
    coder.encodeInt("keyDeviceVersionMinorRestartDFU", v.deviceVersionRestartDFU.minor);
    coder.encodeInt("keyDeviceSecondaryVersionTypeRestartDFU", v.deviceVersionRestartDFU.secondaryType);
    coder.encodeInt("keyDeviceSecondaryVersionRestartDFU", v.deviceVersionRestartDFU.secondary);
}

} // namespace kivo
