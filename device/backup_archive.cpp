#include "device/backup_archive.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "common/atomic_file.h"

namespace {

using Record = KIVOBluetoothDeviceData;

constexpr const char* kRecordClass = "KIVOBluetoothDeviceData";

// Backups are a few kilobytes; anything far larger is not one of ours.
constexpr std::uintmax_t kMaxArchiveBytes = 1024 * 1024;

// The named settings in archive order, with the accessors that carry them.
struct NamedSettingKey {
    const char* key;
    int (Record::*get)() const;
    void (Record::*set)(int);
};
constexpr std::array<NamedSettingKey, 24> kNamedSettingKeys = {{
    {"keyIntercomVOX", &Record::intercomVOX, &Record::setIntercomVOX},
    {"keyHandsfreeVOX", &Record::handsfreeVOX, &Record::setHandsfreeVOX},
    {"keyEDR", &Record::edr, &Record::setEdr},
    {"keyVoicePrompt", &Record::voicePrompt, &Record::setVoicePrompt},
    {"keyPLC", &Record::plc, &Record::setPlc},
    {"keyBitpoolRate", &Record::bitpoolRate, &Record::setBitpoolRate},
    {"keyMicrophoneBoost", &Record::microphoneBoost, &Record::setMicrophoneBoost},
    {"keySidetone", &Record::sidetone, &Record::setSidetone},
    {"keyAdvancedNoiseControl", &Record::advancedNoiseControl, &Record::setAdvancedNoiseControl},
    {"keyAutoGainControl", &Record::autoGainControl, &Record::setAutoGainControl},
    {"keyAudioBoost", &Record::audioBoost, &Record::setAudioBoost},
    {"keyHDIntercom", &Record::hdIntercom, &Record::setHdIntercom},
    {"keyFMStationGuide", &Record::fmStationGuide, &Record::setFmStationGuide},
    {"keyHDVoice", &Record::hdVoice, &Record::setHdVoice},
    {"keyAudioSourcePriority", &Record::audioSourcePriority, &Record::setAudioSourcePriority},
    {"keyAudioOverlay", &Record::audioOverlay, &Record::setAudioOverlay},
    {"keyAutoOnOff", &Record::autoOnOff, &Record::setAutoOnOff},
    {"keyAutoStartRecording", &Record::autoStartRecording, &Record::setAutoStartRecording},
    {"keySmartNaviSystem", &Record::smartNaviSystem, &Record::setSmartNaviSystem},
    {"keySmartNaviSystem2", &Record::smartNaviSystem2, &Record::setSmartNaviSystem2},
    {"keyAutoOff", &Record::autoOff, &Record::setAutoOff},
    {"keySimpleUI", &Record::simpleUI, &Record::setSimpleUI},
    {"keyRadioTransmitGain", &Record::radioTransmitGain, &Record::setRadioTransmitGain},
    {"keyAudioChannelTimeout", &Record::audioChannelTimeout, &Record::setAudioChannelTimeout},
}};

// The indexed slots in archive order: base key, slot count, accessors. Camera words 2 and 3 hold
// the camera's video, tagging, loop and microphone settings from firmware 2.0, so all four are
// kept; archives without them read those words as 0.
struct IndexedKey {
    const char* base;
    int count;
    int (Record::*get)(int) const;
    void (Record::*set)(int, int);
};
constexpr std::array<IndexedKey, 4> kSettingsWordKeys = {{
    {"keyBasicSettingBrisko", Record::kBriskoWordCount, &Record::basicSettingBrisko,
     &Record::setBasicSettingBriskoAt_with},
    {"keyBasicSettingPintraVOXSensitivity", Record::kPintraWordCount, &Record::basicSettingPintraVOXSensitivityAt,
     &Record::setBasicSettingPintraVOXSensitivity_with},
    {"keyBasicSettingTavelSmartVolumeControl", Record::kTavelWordCount, &Record::basicSettingTavelSmartVolumeControlAt,
     &Record::setBasicSettingTavelSmartVolumeControl_with},
    {"keyBasicSettingWispenCamera", Record::kCameraWordCount, &Record::basicSettingWispenCameraAt,
     &Record::setBasicSettingWispenCamera_with},
}};

// "%@%02d": a base key and a 1-based index.
std::string indexed_key(const char* base, int index)
{
    char number[16];
    std::snprintf(number, sizeof number, "%02d", index);
    return std::string(base) + number;
}

// Archives of older versions keep a version as one float; its "%0.1f" text is parsed as
// "major.minor". A text that does not parse leaves both at 0.
void read_float_version(const KeyedUnarchiver& coder, const char* key, int& major, int& minor)
{
    char text[512];
    std::snprintf(text, sizeof text, "%0.1f", coder.decodeFloat(key));
    Record::getVersionFromString_ToMajor_Minor(text, major, minor);
}

std::string read_file(const std::filesystem::path& path, bool& missing)
{
    missing = false;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        missing = true;
        return {};
    }
    if (ec || !std::filesystem::is_regular_file(status))
        throw ArchiveError("backup archive " + path.string() + " is not a readable file");
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxArchiveBytes)
        throw ArchiveError("backup archive " + path.string() + " is not a readable file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ArchiveError("cannot open backup archive " + path.string() + ": " + std::strerror(errno));
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad())
        throw ArchiveError("cannot read backup archive " + path.string());
    return contents.str();
}

} // namespace

void KIVOBluetoothDeviceData::encodeWithCoder(KeyedArchiver& coder) const
{
    coder.encodeInt("keyManagerVersionMajor", managerVersionMajor_);
    coder.encodeInt("keyManagerVersionMinor", managerVersionMinor_);
    coder.encodeInt("keyDeviceRecognized", deviceRecognized_);
    coder.encodeText("keyDeviceName", deviceName_);
    coder.encodeInt("keyDeviceVersionMajor", deviceVersion_.major);
    coder.encodeInt("keyDeviceVersionMinor", deviceVersion_.minor);
    coder.encodeInt("keyDeviceSecondaryVersionType", deviceVersion_.secondaryType);
    coder.encodeInt("keyDeviceSecondaryVersion", deviceVersion_.secondary);
    coder.encodeDate("keyDateArchived", dateArchived_);

    for (const auto& named : kNamedSettingKeys)
        coder.encodeInt(named.key, (this->*named.get)());

    for (const auto& slots : kSettingsWordKeys)
        for (int i = 0; i < slots.count; ++i)
            coder.encodeInt(indexed_key(slots.base, i + 1), (this->*slots.get)(i));

    coder.encodeInt("keyFMRadioRegion", fmRadioRegion_);
    coder.encodeInt("keyFMRadioMagicCode", fmRadioMagicCode_);
    coder.encodeInt("keyFMRadioCurrentFrequency", fmRadioCurrentFrequency_);
    coder.encodeInt("keyFMRadioCurrentPreset", fmRadioCurrentPreset_);
    for (int i = 0; i < kFmPresetCount; ++i)
        coder.encodeInt(indexed_key("keyFMRadioPreset", i + 1), fmRadioPresetsAt(i));
    coder.encodeInt("keyFMRadioRDS", fmRadioRDS_);

    for (int i = 0; i < kSpeedDialCount; ++i)
        coder.encodeText(indexed_key("keySpeedDial", i + 1), speedDialAt(i));
}

KIVOBluetoothDeviceData KIVOBluetoothDeviceData::initWithCoder(const KeyedUnarchiver& coder)
{
    Record r;
    if (coder.containsValueForKey("keyManagerVersionMajor")) {
        r.managerVersionMajor_ = coder.decodeInt("keyManagerVersionMajor");
        r.managerVersionMinor_ = coder.decodeInt("keyManagerVersionMinor");
    } else {
        read_float_version(coder, "keyManagerVersion", r.managerVersionMajor_, r.managerVersionMinor_);
    }
    r.deviceRecognized_ = coder.decodeInt("keyDeviceRecognized");
    r.deviceName_ = coder.decodeText("keyDeviceName");
    if (coder.containsValueForKey("keyDeviceVersionMajor")) {
        r.deviceVersion_.major = coder.decodeInt("keyDeviceVersionMajor");
        r.deviceVersion_.minor = coder.decodeInt("keyDeviceVersionMinor");
    } else {
        read_float_version(coder, "keyDeviceVersion", r.deviceVersion_.major, r.deviceVersion_.minor);
    }
    r.deviceVersion_.secondaryType = coder.decodeInt("keyDeviceSecondaryVersionType");
    r.deviceVersion_.secondary = coder.decodeInt("keyDeviceSecondaryVersion");
    r.dateArchived_ = coder.decodeDate("keyDateArchived");

    for (const auto& named : kNamedSettingKeys)
        (r.*named.set)(coder.decodeInt(named.key));

    for (const auto& slots : kSettingsWordKeys)
        for (int i = 0; i < slots.count; ++i)
            (r.*slots.set)(i, coder.decodeInt(indexed_key(slots.base, i + 1)));

    r.setFmRadioRegion(coder.decodeInt("keyFMRadioRegion"));
    r.fmRadioMagicCode_ = coder.decodeInt("keyFMRadioMagicCode");
    r.fmRadioCurrentFrequency_ = coder.decodeInt("keyFMRadioCurrentFrequency");
    r.fmRadioCurrentPreset_ = coder.decodeInt("keyFMRadioCurrentPreset");
    for (int i = 0; i < kFmPresetCount; ++i)
        r.setFmRadioPresetsAt_with(i, coder.decodeInt(indexed_key("keyFMRadioPreset", i + 1)));
    r.fmRadioRDS_ = coder.decodeInt("keyFMRadioRDS");

    for (int i = 0; i < kSpeedDialCount; ++i)
        r.setSpeedDialAt_with(i, coder.decodeText(indexed_key("keySpeedDial", i + 1)));
    return r;
}

namespace kivo {

std::string archive_device_record(const KIVOBluetoothDeviceData& record)
{
    KeyedArchiver coder(kRecordClass);
    record.encodeWithCoder(coder);
    return coder.text();
}

KIVOBluetoothDeviceData unarchive_device_record(std::string_view data)
{
    const KeyedUnarchiver coder(data, kRecordClass);
    return KIVOBluetoothDeviceData::initWithCoder(coder);
}

bool write_backup_archive(const KIVOBluetoothDeviceData& record, const std::filesystem::path& path, std::string* error)
{
    return write_file_atomically(path, archive_device_record(record), error);
}

std::optional<KIVOBluetoothDeviceData> read_backup_archive(const std::filesystem::path& path)
{
    bool missing = false;
    const std::string contents = read_file(path, missing);
    if (missing || contents.empty())
        return std::nullopt;
    return unarchive_device_record(contents);
}

} // namespace kivo
