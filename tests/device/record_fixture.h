#pragma once
// A record with a distinct non-zero value in every field, so that a copy or an archive that drops
// or swaps a field shows up as a difference.

#include <chrono>

#include "device/device_data.h"

inline KIVOBluetoothDeviceData populated_record(int product_id)
{
    KIVOBluetoothDeviceData r;
    int next = 100;
    auto v = [&next] { return next++; };

    r.setDeviceRecognized(product_id);
    r.setDeviceName("Trail 7");
    r.setBdAddress("00:11:22:AA:BB:CC");
    r.setLastSixBDAddress("AABBCC");
    r.setDivisionBriskoevoValue(v());
    r.setDeviceBdAddress("0011:22:AABBCC");
    r.setManagerVersionMajor(v());
    r.setManagerVersionMinor(v());

    r.setDeviceVersionMajor(v());
    r.setDeviceVersionMinor(v());
    r.setDeviceSecondaryVersionType(v());
    r.setDeviceSecondaryVersion(v());
    r.setDeviceVersionMajor01(v());
    r.setDeviceVersionMinor01(v());
    r.setDeviceSecondaryVersionType01(v());
    r.setDeviceSecondaryVersion01(v());
    r.setDeviceVersionMajor02(v());
    r.setDeviceVersionMinor02(v());
    r.setDeviceSecondaryVersionType02(v());
    r.setDeviceSecondaryVersion02(v());
    r.setDevicelanguagePackType(v());
    r.setDevicelanguagePackTypeVerMajor(v());
    r.setDevicelanguagePackTypeVerMinor(v());
    r.setDateArchived(std::chrono::sys_days{std::chrono::year{2023} / 7 / 14} + std::chrono::hours{9} +
                      std::chrono::minutes{41} + std::chrono::seconds{5});

    r.setIntercomVOX(v());
    r.setHandsfreeVOX(v());
    r.setEdr(v());
    r.setVoicePrompt(v());
    r.setPlc(v());
    r.setBitpoolRate(v());
    r.setMicrophoneBoost(v());
    r.setSidetone(v());
    r.setAdvancedNoiseControl(v());
    r.setAutoGainControl(v());
    r.setAudioBoost(v());
    r.setHdIntercom(v());
    r.setFmStationGuide(v());
    r.setHdVoice(v());
    r.setAudioSourcePriority(v());
    r.setAudioOverlay(v());
    r.setAutoOnOff(v());
    r.setAutoStartRecording(v());
    r.setSmartNaviSystem(v());
    r.setSmartNaviSystem2(v());
    r.setAutoOff(v());
    r.setSimpleUI(v());
    r.setGrennikLanguage(v());
    r.setRadioTransmitGain(v());
    r.setAudioChannelTimeout(v());
    r.setVoiceAssistant(v());
    r.setBackgroundVolume(v());
    r.setVARGOFMRadio(v());
    r.setVARGOSmartphoneConnet(v());

    for (int i = 0; i < KIVOBluetoothDeviceData::kBriskoWordCount; ++i)
        r.setBasicSettingBriskoAt_with(i, v());
    for (int i = 0; i < KIVOBluetoothDeviceData::kPintraWordCount; ++i)
        r.setBasicSettingPintraVOXSensitivity_with(i, v());
    for (int i = 0; i < KIVOBluetoothDeviceData::kTavelWordCount; ++i)
        r.setBasicSettingTavelSmartVolumeControl_with(i, v());
    for (int i = 0; i < KIVOBluetoothDeviceData::kCameraWordCount; ++i)
        r.setBasicSettingWispenCamera_with(i, v());

    r.setFmRadioRegion(4);
    r.setFmRadioMagicCode(0x66E9);
    r.setFmRadioCurrentFrequency(9870);
    r.setFmRadioCurrentPreset(3);
    for (int i = 0; i < KIVOBluetoothDeviceData::kFmPresetCount; ++i)
        r.setFmRadioPresetsAt_with(i, 8800 + 100 * i);
    r.setFmRadioRDS(1);

    r.setSpeedDialAt_with(0, "+4917012345");
    r.setSpeedDialAt_with(1, "0800 555 0100");
    r.setSpeedDialAt_with(2, "112");
    return r;
}
