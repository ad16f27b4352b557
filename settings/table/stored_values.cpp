#include "settings/table/stored_values.h"

namespace kivo::settings {
namespace {

using Record = KIVOBluetoothDeviceData;

int compare_word(uint16_t device, uint16_t current) { return static_cast<int>(device) - static_cast<int>(current); }

int compare_whole(int device, int current) { return device < current ? -1 : device > current ? 1 : 0; }

} // namespace

int compare_stored(StoredValue value, const Record& device, const Record& current)
{
    switch (value) {
    case StoredValue::BasicWord: return compare_word(device.getSettings40(), current.getSettings40());
    case StoredValue::SecondBasicWord: return compare_word(device.getSettings40Second(), current.getSettings40Second());
    case StoredValue::OemWord: return compare_word(device.getSettingsVARGO(), current.getSettingsVARGO());
    case StoredValue::SettingsWords: return device.compareBasicSettingBriskoWith(current);
    case StoredValue::PintraWords: return device.compareBasicSettingPintraVOXSensitivityWith(current);
    case StoredValue::TavelWords: return device.compareBasicSettingTavelSmartVolumeControlWith(current);
    case StoredValue::CameraWords: return device.compareBasicSettingWispenCameraWith(current);
    case StoredValue::IntercomVox: return compare_whole(device.intercomVOX(), current.intercomVOX());
    case StoredValue::HandsfreeVox: return compare_whole(device.handsfreeVOX(), current.handsfreeVOX());
    case StoredValue::Edr: return compare_whole(device.edr(), current.edr());
    case StoredValue::RadioTransmitGain: return compare_whole(device.radioTransmitGain(), current.radioTransmitGain());
    case StoredValue::AudioChannelTimeout:
        return compare_whole(device.audioChannelTimeout(), current.audioChannelTimeout());
    case StoredValue::BackgroundVolume: return compare_whole(device.backgroundVolume(), current.backgroundVolume());
    }
    return 0;
}

std::string_view stored_value_name(StoredValue value)
{
    switch (value) {
    case StoredValue::BasicWord: return "BasicWord";
    case StoredValue::SecondBasicWord: return "SecondBasicWord";
    case StoredValue::OemWord: return "OemWord";
    case StoredValue::SettingsWords: return "SettingsWords";
    case StoredValue::PintraWords: return "PintraWords";
    case StoredValue::TavelWords: return "TavelWords";
    case StoredValue::CameraWords: return "CameraWords";
    case StoredValue::IntercomVox: return "IntercomVox";
    case StoredValue::HandsfreeVox: return "HandsfreeVox";
    case StoredValue::Edr: return "Edr";
    case StoredValue::RadioTransmitGain: return "RadioTransmitGain";
    case StoredValue::AudioChannelTimeout: return "AudioChannelTimeout";
    case StoredValue::BackgroundVolume: return "BackgroundVolume";
    }
    return "";
}

} // namespace kivo::settings
