#pragma once
// The setting kinds of the all-settings table: what a row of the table is. A kind is named by id,
// never by its title: some titles name two kinds ("Audio Multitasking", "Microphone sensitivity").
// Each kind is an on/off row or a choice row, and has one title of the shared title registry.

#include <cstdint>
#include <span>
#include <string_view>

#include "text/localized.h"

namespace kivo::settings {

enum class TableKind : std::uint8_t {
    // On/off rows.
    AudioMultitasking,
    AudioMultitaskingForOrlet,
    AudioOverlay,
    BluetoothIntercomAudioMultitasking,
    NavigationAppSupport,
    AudioOverlayVolumeManagement,
    AudioMultitaskingVolumeManagement,
    AudioBoost,
    VOXPhone,
    VOXIntercom,
    HDIntercom,
    EightWayIntercom,
    HDVoice,
    GuestMode,
    MeshReachOut,
    VoicePrompt,
    VoiceCommand,
    VoiceAssistant,
    FMStationGuide,
    Sidetone,
    AdvancedNoiseControl,
    HighQualityA2DP,
    HDSpeakerAccessory,
    MerrowMic,
    WhiteLEDAlwaysOn,
    AutoOnOff,
    AutoOff,
    AutomaticPowerOff,
    SimpleMode,
    AdvancedFeatures,
    SmartNaviSystem,
    AutoStartRecording,
    DateCaption,
    SpeakerSoundRecording,
    SpeakerSoundRecordingMusic,
    SpeakerSoundRecordingFMRadio,
    SpeakerSoundRecordingIntercom,
    SpeakerSoundRecordingPhone,
    AutoCameraSleep,
    FMRadio,
    SmartphoneConnection,
    RemoteUIRTT,
    // Choice rows.
    IntercomAudioOverlaySensitivity,
    MeshIntercomVoxSensitivity,
    MicrophoneSensitivity,
    VOXSensitivity,
    SmartVolumeControl,
    MotionSensorSensitivity,
    AudioSourcePriority,
    BackgroundVolume,
    ESSConfiguration,
    ESSSensitivity,
    ChannelSelect,
    ChannelSetting,
    Channel,
    Volume,
    LinkbayMicrophoneSensitivity,
    PhotoMode,
    VideoMode,
    VideoResolution,
    TimelapseInterval,
    VideoTaggingInterval,
    LoopRecordingInterval,
    VideoMicrophoneGain,
    Speakers,
    Helmet,
    AudioEqualizer,
    UnitLanguage,
    HeadsetLanguage,
    Language,
};

enum class CellKind : std::uint8_t { OnOff, Choice };

struct TableKindInfo {
    TableKind kind;
    std::string_view name; // the id as written above
    CellKind cell;
    const Translated* title;
};

// Every kind, in the order of TableKind.
std::span<const TableKindInfo> table_kinds();
const TableKindInfo& table_kind(TableKind kind);

} // namespace kivo::settings
