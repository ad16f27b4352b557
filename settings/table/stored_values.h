#pragma once
// The values a save writes to a device, as change detection compares them: the three packed basic
// settings words, the four word blocks and the named settings that older devices keep whole.

#include <cstdint>
#include <string_view>

#include "device/device_data.h"

namespace kivo::settings {

enum class StoredValue : std::uint8_t {
    BasicWord, // getSettings40
    SecondBasicWord, // getSettings40Second
    OemWord, // getSettingsVARGO
    SettingsWords, // the ten settings words
    PintraWords,
    TavelWords,
    CameraWords,
    IntercomVox,
    HandsfreeVox,
    Edr,
    RadioTransmitGain,
    AudioChannelTimeout,
    BackgroundVolume,
};

// 0 when the device's record and the working copy hold the same value. The packed words compare
// as 16-bit values, the word blocks through the device record's own compare with the working copy,
// the named settings as whole integers (their sign, never a difference that could overflow).
int compare_stored(StoredValue value, const KIVOBluetoothDeviceData& device, const KIVOBluetoothDeviceData& current);

// The value's name as written above ("SettingsWords"), for dumps and traces.
std::string_view stored_value_name(StoredValue value);

} // namespace kivo::settings
