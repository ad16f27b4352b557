#pragma once
// The tables of the information texts, one per text, for information_texts.cpp, which resolves an
// id to its text.

#include "text/localized.h"

namespace kivo::settings::info_tables {

extern const Translated kPLC;
extern const Translated kBitpoolRate;
extern const Translated kMicrophoneBoost;
extern const Translated kSidetone;
extern const Translated kAdvancedNoiseControl;
extern const Translated kAutoGainControl;
extern const Translated kAutoOnOff;
extern const Translated kAudioBoost;
extern const Translated kAudioBoost2;
extern const Translated kAudioBoost2_old;
extern const Translated kVoiceAssistant;
extern const Translated kAutoStartRecording;
extern const Translated kRTG;
extern const Translated kEDR43;
extern const Translated kACT;
extern const Translated kMessageACT;
extern const Translated kMotionSensorSensitivity;
extern const Translated kNavigationAppOverlay;
extern const Translated kAudioMultitasking;
extern const Translated kIntercomAudioOverlaySesitivity;
extern const Translated kIntercomAudioOverlaySesitivityVantor;
extern const Translated kFMRadioOn;
extern const Translated kPhoneOn;
extern const Translated kMicrophoneSensitivityVargo;
extern const Translated kVoxSensitivityBRUMELOX;
extern const Translated kIntercomAudioOverlaySesitivityNoFMGPS;
extern const Translated kVOXPhone;
extern const Translated kVOXIntercom;
extern const Translated kHDIntercom;
extern const Translated kEightwayIntercom;
extern const Translated kVoicePrompt;
extern const Translated kFMStationGuide;
extern const Translated kAdaptiveLight;
extern const Translated kHDVoice;
extern const Translated kUILayer;
extern const Translated kAudioSourcePriority;
extern const Translated kBluetoothIntercomAudioMultitasking;
extern const Translated kAudioMultitaskingOneModuleForOrlet;
extern const Translated kAudioMultitaskingOneModule;
extern const Translated kAudioMultitaskingWithQCC;
extern const Translated kBackgroundVolume;
extern const Translated kAudioOverlay;
extern const Translated kAudioOverlayBrannoc;
extern const Translated kAutoOff;
extern const Translated kSimpleUI;
extern const Translated kSmartNaviSystem;
extern const Translated kSmartVolumeControl;
extern const Translated kHDSpeakerAccessory;
extern const Translated kHelmetSelect;
extern const Translated kHDSpeakerAccessorySelect;
extern const Translated kMicAccessorySelect;
extern const Translated kVOXSensitivity;
extern const Translated kVOXSensitivityCorvel;
extern const Translated kVOXSensitivityForOrlet;
extern const Translated kVOXSensitivityForValdrich;
extern const Translated kMeshGuestMode;
extern const Translated kMeshReachOut;
extern const Translated kMeshPublicChannel;
extern const Translated kAudioMultitaskingVolumeManagement;
extern const Translated kAudioOverlayVolumeManagement;
extern const Translated kAudioOverlayVolumeManagementNoFMGPS;
extern const Translated kLEDControl;
extern const Translated kVoiceCommand;
extern const Translated kChannelSetting;
extern const Translated kHeadsetLanguage;
extern const Translated kHeadsetUnitLanguage;
extern const Translated kUnitLanguage;
extern const Translated kUnitLanguageTobrin;
extern const Translated kAudioEqualizer;
extern const Translated kAudioEqualizerMerrow;
extern const Translated kAudioEqualizerQuarn;
extern const Translated kESSStatus;
extern const Translated kESSSensitivity;
extern const Translated kPhotoMode;
extern const Translated kVideoModeTwo;
extern const Translated kVideoModeThree;
extern const Translated kVideoResolution;
extern const Translated kTimelapseInterval;
extern const Translated kVideoTaggingInterval;
extern const Translated kLoopRecordingInterval;
extern const Translated kVideoMicrophoneGain;
extern const Translated kDateCaption;
extern const Translated kSpeakerSoundRecording;
extern const Translated kAutoCameraSleep;

// Automatic power off has no table: English in every language but Japanese and Chinese.
inline constexpr const char* kAutomaticPowerOffEnglish =
    "[Automatic Power Off]\nWhen Automatic Power Off is enabled, the headset will automatically power off after 30 "
    "minutes if the mesh intercom is off, no Bluetooth device is connected, and no button input is detected.";
extern const char* const kAutomaticPowerOffJapanese;
extern const char* const kAutomaticPowerOffChinese;

} // namespace kivo::settings::info_tables
