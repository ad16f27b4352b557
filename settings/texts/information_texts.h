#pragma once
// The information texts of the settings screens, by id: the help text of a setting, the two notes,
// the audio channel timeout message and its unit label. The screens' rows name a text by its id; the
// texts themselves live beside the ids.

#include <span>
#include <string>
#include <string_view>

#include "text/localized.h"

namespace kivo::settings {

enum class InfoText {
    NoteEDR,
    NoteApply,
    PLC,
    BitpoolRate,
    MicrophoneBoost,
    Sidetone,
    AdvancedNoiseControl,
    AutoGainControl,
    AutoOnOff,
    AudioBoost,
    AudioBoost2,
    AudioBoost2_old,
    VoiceAssistant,
    AutoStartRecording,
    RTG,
    EDR43,
    ACT,
    MessageACT,
    ACTUnit,
    MotionSensorSensitivity,
    NavigationAppOverlay,
    AudioMultitasking,
    IntercomAudioOverlaySesitivity,
    IntercomAudioOverlaySesitivityVantor,
    FMRadioOn,
    PhoneOn,
    MicrophoneSensitivityVargo,
    VoxSensitivityBRUMELOX,
    IntercomAudioOverlaySesitivityNoFMGPS,
    VOXPhone,
    VOXIntercom,
    HDIntercom,
    EightwayIntercom,
    VoicePrompt,
    FMStationGuide,
    AdaptiveLight,
    HDVoice,
    UILayer,
    AudioSourcePriority,
    BluetoothIntercomAudioMultitasking,
    AudioMultitaskingOneModuleForOrlet,
    AudioMultitaskingOneModule,
    AudioMultitaskingWithQCC,
    BackgroundVolume,
    AudioOverlay,
    AudioOverlayBrannoc,
    AutoOff,
    SimpleUI,
    SmartNaviSystem,
    SmartVolumeControl,
    HDSpeakerAccessory,
    HelmetSelect,
    HDSpeakerAccessorySelect,
    MicAccessorySelect,
    VOXSensitivity,
    VOXSensitivityCorvel,
    VOXSensitivityForOrlet,
    VOXSensitivityForValdrich,
    PhotoMode,
    VideoMode,
    VideoResolution,
    TimelapseInterval,
    VideoTaggingInterval,
    LoopRecordingInterval,
    VideoMicrophoneGain,
    DateCaption,
    SpeakerSoundRecording,
    AutoCameraSleep,
    MeshGuestMode,
    MeshReachOut,
    MeshPublicChannel,
    AudioMultitaskingVolumeManagement,
    AudioOverlayVolumeManagement,
    AudioOverlayVolumeManagementNoFMGPS,
    LEDControl,
    VoiceCommand,
    ChannelSetting,
    HeadsetLanguage,
    HeadsetUnitLanguage,
    UnitLanguage,
    UnitLanguageTobrin,
    AudioEqualizer,
    AudioEqualizerMerrow,
    AudioEqualizerQuarn,
    ESSStatus,
    ESSSensitivity,
    AutomaticPowerOff,
};

// Every id, in declaration order.
std::span<const InfoText> all_info_texts();

// The id's name as written above ("AudioBoost2_old"), for dumps and traces.
std::string_view info_text_name(InfoText id);

// The text of the id in the language: English for 0 and any value outside 1 to 12. A text with
// "%@" comes back unfilled; the screen that shows it fills it. The video mode's text depends on
// the firmware the device was recognized with (three modes from 2.0).
std::string info_text(InfoText id, ManagerLanguage in, int firmware_major = 0, int firmware_minor = 0);

// The table of the id: the English text and its translations. The video mode's two texts, the
// automatic power off text (English but in Japanese and Chinese) and the unit label, which is
// filled, have none.
const Translated* info_text_table(InfoText id);

} // namespace kivo::settings
