#include "device/device_data.h"

#include <chrono>

#include "common/manager_version.h"
#include "common/system_log.h"
#include "device/products/background_volume.h"
#include "device/products/fm_presets.h"

namespace {

// Slot access that stays inside the array whatever index a caller passes.
template <size_t N> int slot_get(const std::array<int, N>& slots, int index)
{
    return index >= 0 && static_cast<size_t>(index) < N ? slots[static_cast<size_t>(index)] : 0;
}

template <size_t N> void slot_set(std::array<int, N>& slots, int index, int value)
{
    if (index >= 0 && static_cast<size_t>(index) < N)
        slots[static_cast<size_t>(index)] = value;
}

} // namespace

void KIVOBluetoothDeviceData::setDeviceVersionMajor_Minor(int major, int minor)
{
    deviceVersion_.major = major;
    deviceVersion_.minor = minor;
}

void KIVOBluetoothDeviceData::setDeviceVersion01Major_Minor(int major, int minor)
{
    deviceVersion01_.major = major;
    deviceVersion01_.minor = minor;
}

void KIVOBluetoothDeviceData::setDeviceVersion02Major_Minor(int major, int minor)
{
    deviceVersion02_.major = major;
    deviceVersion02_.minor = minor;
}

int KIVOBluetoothDeviceData::basicSettingBrisko(int index) const { return slot_get(basicSettingBrisko_, index); }
void KIVOBluetoothDeviceData::setBasicSettingBriskoAt_with(int index, int value)
{
    slot_set(basicSettingBrisko_, index, value);
}
int KIVOBluetoothDeviceData::basicSettingPintraVOXSensitivityAt(int index) const
{
    return slot_get(basicSettingPintraVOXSensitivity_, index);
}
void KIVOBluetoothDeviceData::setBasicSettingPintraVOXSensitivity_with(int index, int value)
{
    slot_set(basicSettingPintraVOXSensitivity_, index, value);
}
int KIVOBluetoothDeviceData::basicSettingTavelSmartVolumeControlAt(int index) const
{
    return slot_get(basicSettingTavelSmartVolumeControl_, index);
}
void KIVOBluetoothDeviceData::setBasicSettingTavelSmartVolumeControl_with(int index, int value)
{
    slot_set(basicSettingTavelSmartVolumeControl_, index, value);
}
int KIVOBluetoothDeviceData::basicSettingWispenCameraAt(int index) const
{
    return slot_get(basicSettingWispenCamera_, index);
}
void KIVOBluetoothDeviceData::setBasicSettingWispenCamera_with(int index, int value)
{
    slot_set(basicSettingWispenCamera_, index, value);
}

void KIVOBluetoothDeviceData::setFmRadioRegion(int region)
{
    fmRadioRegion_ = region >= 0 && region < KIVOBluetoothDeviceData::kFmRegionCount ? region : 0;
}
int KIVOBluetoothDeviceData::fmRadioPresetsAt(int index) const { return slot_get(fmRadioPresets_, index); }
void KIVOBluetoothDeviceData::setFmRadioPresetsAt_with(int index, int frequency)
{
    slot_set(fmRadioPresets_, index, frequency);
}

const std::string& KIVOBluetoothDeviceData::speedDialAt(int index) const
{
    static const std::string none;
    return index >= 0 && index < kSpeedDialCount ? speedDial_[static_cast<size_t>(index)] : none;
}
void KIVOBluetoothDeviceData::setSpeedDialAt_with(int index, std::string_view number)
{
    if (index >= 0 && index < kSpeedDialCount)
        speedDial_[static_cast<size_t>(index)] = number;
}

// ---- Copies ------------------------------------------------------------------------------------
// The order below is the order of the original copies; it matters where a rule reads a field
// copied before it (the product id decides the FM presets and the background volume).

void KIVOBluetoothDeviceData::copyIdentityFrom(const KIVOBluetoothDeviceData& source)
{
    deviceRecognized_ = source.deviceRecognized_;
    bdAddress_ = source.bdAddress_;
    divisionBriskoevoValue_ = source.divisionBriskoevoValue_;
    lastSixBDAddress_ = source.lastSixBDAddress_;
    deviceName_ = source.deviceName_;
}

void KIVOBluetoothDeviceData::copyLanguagePackFrom(const KIVOBluetoothDeviceData& source)
{
    devicelanguagePackType_ = source.devicelanguagePackType_;
    devicelanguagePackTypeVerMajor_ = source.devicelanguagePackTypeVerMajor_;
    devicelanguagePackTypeVerMinor_ = source.devicelanguagePackTypeVerMinor_;
}

void KIVOBluetoothDeviceData::copyNamedSettingsFrom(const KIVOBluetoothDeviceData& source)
{
    intercomVOX_ = source.intercomVOX_;
    handsfreeVOX_ = source.handsfreeVOX_;
    edr_ = source.edr_;
    voicePrompt_ = source.voicePrompt_;
    plc_ = source.plc_;
    bitpoolRate_ = source.bitpoolRate_;
    microphoneBoost_ = source.microphoneBoost_;
    sidetone_ = source.sidetone_;
    advancedNoiseControl_ = source.advancedNoiseControl_;
    autoGainControl_ = source.autoGainControl_;
    audioBoost_ = source.audioBoost_;
    hdIntercom_ = source.hdIntercom_;
    fmStationGuide_ = source.fmStationGuide_;
    hdVoice_ = source.hdVoice_;
    audioSourcePriority_ = source.audioSourcePriority_;
    audioOverlay_ = source.audioOverlay_;
    autoOnOff_ = source.autoOnOff_;
    autoStartRecording_ = source.autoStartRecording_;
    smartNaviSystem_ = source.smartNaviSystem_;
    smartNaviSystem2_ = source.smartNaviSystem2_;
    autoOff_ = source.autoOff_;
    simpleUI_ = source.simpleUI_;
    GrennikLanguage_ = source.GrennikLanguage_;
    radioTransmitGain_ = source.radioTransmitGain_;
    audioChannelTimeout_ = source.audioChannelTimeout_;
}

void KIVOBluetoothDeviceData::copySettingsWordsFrom(const KIVOBluetoothDeviceData& source)
{
    basicSettingBrisko_ = source.basicSettingBrisko_;
    basicSettingPintraVOXSensitivity_ = source.basicSettingPintraVOXSensitivity_;
    basicSettingTavelSmartVolumeControl_ = source.basicSettingTavelSmartVolumeControl_;
    basicSettingWispenCamera_ = source.basicSettingWispenCamera_;
}

void KIVOBluetoothDeviceData::copyFmBlockFrom(const KIVOBluetoothDeviceData& source)
{
    setFmRadioRegion(source.fmRadioRegion_);
    fmRadioMagicCode_ = source.fmRadioMagicCode_;
    fmRadioCurrentFrequency_ = source.fmRadioCurrentFrequency_;
    fmRadioCurrentPreset_ = source.fmRadioCurrentPreset_;
    // Six-preset devices own only presets 0 to 5; the receiver keeps its own 6 to 9.
    const int presets = kivo::keeps_six_fm_presets(deviceRecognized_) ? 6 : kFmPresetCount;
    for (int i = 0; i < presets; ++i)
        setFmRadioPresetsAt_with(i, source.fmRadioPresetsAt(i));
    fmRadioRDS_ = source.fmRadioRDS_;
}

void KIVOBluetoothDeviceData::copySpeedDialsFrom(const KIVOBluetoothDeviceData& source)
{
    for (int i = 0; i < kSpeedDialCount; ++i)
        setSpeedDialAt_with(i, source.speedDialAt(i));
}

void KIVOBluetoothDeviceData::copyWithSource_version(const KIVOBluetoothDeviceData& source, int version)
{
    managerVersionMajor_ = source.managerVersionMajor_;
    managerVersionMinor_ = source.managerVersionMinor_;
    copyIdentityFrom(source);
    if (version == 1) {
        deviceVersion_ = source.deviceVersion_;
        deviceVersion01_ = source.deviceVersion01_;
        deviceVersion02_ = source.deviceVersion02_;
    }
    copyLanguagePackFrom(source);
    dateArchived_ = source.dateArchived_;
    copyNamedSettingsFrom(source);
    VARGOFMRadio_ = source.VARGOFMRadio_;
    VARGOSmartphoneConnet_ = source.VARGOSmartphoneConnet_;
    if (kivo::has_background_volume(deviceRecognized_))
        backgroundVolume_ = source.backgroundVolume_;
    copySettingsWordsFrom(source);
    copyFmBlockFrom(source);
    copySpeedDialsFrom(source);
    kivo::system_logf("Default Value %X %X %X %X %X", source.basicSettingBrisko(0), source.basicSettingBrisko(1),
                      source.basicSettingBrisko(2), source.basicSettingBrisko(3), source.basicSettingBrisko(4));
}

void KIVOBluetoothDeviceData::configureWithSource(const KIVOBluetoothDeviceData& source)
{
    managerVersionMajor_ = kivo::kManagerVersionMajor;
    managerVersionMinor_ = kivo::kManagerVersionMinor;
    copyIdentityFrom(source);
    deviceVersion_ = source.deviceVersion_; // the main quad only
    copyLanguagePackFrom(source);
    dateArchived_ = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    copyNamedSettingsFrom(source);
    copySettingsWordsFrom(source);
    copyFmBlockFrom(source);
    copySpeedDialsFrom(source);
}
