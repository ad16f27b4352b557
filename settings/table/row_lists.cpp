// The row lists of the all-settings table, numbered as the layout lines name them (there is no
// list 99). A list holds the kinds of rows 0, 1, 2 ... in table order.

#include <array>

#include "settings/table/layout_table.h"

namespace kivo::settings {
namespace {

using enum TableKind;

// clang-format off
constexpr TableKind kList1[] = {AudioMultitasking, IntercomAudioOverlaySensitivity, AudioOverlayVolumeManagement,
    AudioBoost, SmartVolumeControl, VOXPhone, HDIntercom, EightWayIntercom, VoicePrompt, FMStationGuide, Sidetone,
    AdvancedNoiseControl, VoiceCommand};
constexpr TableKind kList2[] = {VoicePrompt, FMStationGuide, AdvancedNoiseControl};
constexpr TableKind kList3[] = {VoicePrompt, AdvancedNoiseControl};
constexpr TableKind kList4[] = {VoicePrompt};
constexpr TableKind kList5[] = {UnitLanguage, VoicePrompt, FMStationGuide, Sidetone};
constexpr TableKind kList6[] = {UnitLanguage, VoicePrompt, Sidetone};
constexpr TableKind kList7[] = {HeadsetLanguage, VoicePrompt};
constexpr TableKind kList8[] = {AudioBoost, VOXPhone, VOXIntercom, HDIntercom, VoicePrompt, HighQualityA2DP, Sidetone,
    AdvancedNoiseControl, FMStationGuide, GuestMode, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity, VoiceCommand};
constexpr TableKind kList9[] = {AudioBoost, VOXPhone, VOXIntercom, BluetoothIntercomAudioMultitasking, HDIntercom,
    VoicePrompt, HighQualityA2DP, Sidetone, AdvancedNoiseControl, FMStationGuide, GuestMode, VOXSensitivity,
    SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, VoiceCommand};
constexpr TableKind kList10[] = {UnitLanguage, AudioBoost, VOXPhone, VOXIntercom, BluetoothIntercomAudioMultitasking,
    HDIntercom, VoicePrompt, HighQualityA2DP, Sidetone, AdvancedNoiseControl, FMStationGuide, GuestMode, VOXSensitivity,
    SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, VoiceCommand};
constexpr TableKind kList11[] = {UnitLanguage, AudioBoost, VOXPhone, VOXIntercom, BluetoothIntercomAudioMultitasking,
    HDIntercom, VoicePrompt, HighQualityA2DP, Sidetone, AdvancedNoiseControl, FMStationGuide, VOXSensitivity,
    SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, VoiceCommand};
constexpr TableKind kList12[] = {UnitLanguage, VOXPhone, VOXIntercom, BluetoothIntercomAudioMultitasking, HDIntercom,
    VoicePrompt, HighQualityA2DP, Sidetone, AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, VoiceCommand, AudioBoost, HDSpeakerAccessory,
    AudioEqualizer};
constexpr TableKind kList13[] = {UnitLanguage, VOXPhone, VOXIntercom, BluetoothIntercomAudioMultitasking, HDIntercom,
    VoicePrompt, HighQualityA2DP, Sidetone, AdvancedNoiseControl, VOXSensitivity, SmartVolumeControl,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, VoiceCommand, AudioBoost, HDSpeakerAccessory,
    AudioEqualizer};
constexpr TableKind kList14[] = {UnitLanguage, VOXPhone, VOXIntercom, BluetoothIntercomAudioMultitasking, HDIntercom,
    VoicePrompt, HighQualityA2DP, Sidetone, AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, VoiceCommand, AudioBoost, HDSpeakerAccessory,
    AudioEqualizer, MeshReachOut};
constexpr TableKind kList15[] = {UnitLanguage, VOXPhone, VOXIntercom, BluetoothIntercomAudioMultitasking, HDIntercom,
    VoicePrompt, HighQualityA2DP, Sidetone, AdvancedNoiseControl, VOXSensitivity, SmartVolumeControl,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, VoiceCommand, AudioBoost, HDSpeakerAccessory,
    AudioEqualizer, MeshReachOut};
constexpr TableKind kList16[] = {AudioBoost, VOXPhone, VOXIntercom, BluetoothIntercomAudioMultitasking, HDIntercom,
    VoicePrompt, HighQualityA2DP, Sidetone, AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, VoiceCommand};
constexpr TableKind kList17[] = {VOXPhone, VOXIntercom, BluetoothIntercomAudioMultitasking, HDIntercom, VoicePrompt,
    HighQualityA2DP, Sidetone, AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, VoiceCommand, AudioBoost, HDSpeakerAccessory,
    AudioEqualizer};
constexpr TableKind kList18[] = {VOXPhone, VOXIntercom, BluetoothIntercomAudioMultitasking, HDIntercom, VoicePrompt,
    HighQualityA2DP, Sidetone, AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, VoiceCommand, AudioBoost, Speakers, AudioEqualizer};
constexpr TableKind kList19[] = {UnitLanguage, AudioBoost, VOXPhone, HDIntercom, VoicePrompt, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity};
constexpr TableKind kList20[] = {UnitLanguage, VoicePrompt, Sidetone, FMStationGuide, VoiceCommand};
constexpr TableKind kList21[] = {UnitLanguage, VoicePrompt, Sidetone, VoiceCommand};
constexpr TableKind kList22[] = {ChannelSetting, VoicePrompt, Sidetone, AdvancedNoiseControl, FMStationGuide};
constexpr TableKind kList23[] = {ChannelSetting, VoicePrompt, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList24[] = {UnitLanguage, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity};
constexpr TableKind kList25[] = {UnitLanguage, MerrowMic, Speakers, AudioEqualizer, AudioBoost, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoiceAssistant, VoicePrompt, Sidetone,
    AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity};
constexpr TableKind kList26[] = {UnitLanguage, AudioEqualizer, AudioBoost, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoiceAssistant, VoicePrompt, Sidetone,
    AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity, MeshReachOut};
constexpr TableKind kList27[] = {UnitLanguage, MerrowMic, Speakers, AudioEqualizer, AudioBoost, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoiceAssistant, VoicePrompt, Sidetone,
    AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity, MeshReachOut};
constexpr TableKind kList28[] = {UnitLanguage, AudioEqualizer, AudioBoost, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoiceAssistant, VoicePrompt, Sidetone,
    AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity, MeshReachOut, AudioBoost};
constexpr TableKind kList29[] = {UnitLanguage, VoicePrompt, Sidetone, FMStationGuide, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity};
constexpr TableKind kList30[] = {UnitLanguage, Sidetone, FMStationGuide, AudioMultitaskingVolumeManagement,
    MicrophoneSensitivity, FMRadio, SmartphoneConnection};
constexpr TableKind kList31[] = {UnitLanguage, VoicePrompt, FMStationGuide};
constexpr TableKind kList32[] = {UnitLanguage, VoicePrompt};
constexpr TableKind kList33[] = {ChannelSelect, UnitLanguage, RemoteUIRTT};
constexpr TableKind kList34[] = {UnitLanguage, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity,
    MeshReachOut};
constexpr TableKind kList35[] = {HeadsetLanguage, MerrowMic, Speakers, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity};
constexpr TableKind kList36[] = {HeadsetLanguage, MerrowMic, Speakers, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity};
constexpr TableKind kList37[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity};
constexpr TableKind kList38[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity};
constexpr TableKind kList39[] = {HeadsetLanguage, MerrowMic, Speakers, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity,
    MeshReachOut};
constexpr TableKind kList40[] = {HeadsetLanguage, MerrowMic, Speakers, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, MeshReachOut};
constexpr TableKind kList41[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity,
    MeshReachOut};
constexpr TableKind kList42[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, MeshReachOut};
constexpr TableKind kList43[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity,
    MeshReachOut, AudioBoost};
constexpr TableKind kList44[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, MeshReachOut,
    AudioBoost};
constexpr TableKind kList45[] = {HeadsetLanguage, MerrowMic, Speakers, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity,
    VoiceAssistant, MeshReachOut};
constexpr TableKind kList46[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity,
    VoiceAssistant, MeshReachOut};
constexpr TableKind kList47[] = {HeadsetLanguage, AudioBoost, HDSpeakerAccessory, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, VoicePrompt, Sidetone, AdvancedNoiseControl, FMStationGuide,
    VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity};
constexpr TableKind kList48[] = {HeadsetLanguage, Helmet, AudioEqualizer, AudioBoost, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoiceAssistant, VoicePrompt, Sidetone,
    AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity, MeshReachOut};
constexpr TableKind kList49[] = {AudioEqualizer, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, HeadsetLanguage, VoicePrompt, FMStationGuide, Sidetone};
constexpr TableKind kList50[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VOXIntercom, HDIntercom, HDVoice,
    VoicePrompt, Sidetone, FMStationGuide, VOXSensitivity};
constexpr TableKind kList51[] = {UnitLanguage, Speakers, AudioEqualizer, AudioBoost, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoiceAssistant, VoicePrompt, Sidetone,
    AdvancedNoiseControl, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity, MeshReachOut};
constexpr TableKind kList52[] = {HeadsetLanguage, AudioEqualizer, AudioBoost, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoiceAssistant, VoicePrompt, Sidetone,
    AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity, MeshReachOut};
constexpr TableKind kList53[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VOXIntercom, HDIntercom, HDVoice,
    VoicePrompt, Sidetone, AdvancedNoiseControl, FMStationGuide, VOXSensitivity, SmartVolumeControl,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity};
constexpr TableKind kList54[] = {UnitLanguage, AudioEqualizer, VOXPhone, VOXIntercom, AudioMultitasking,
    AudioSourcePriority, HDVoice, HDIntercom, VoicePrompt, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList55[] = {UnitLanguage, HDSpeakerAccessory, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity,
    AdvancedFeatures};
constexpr TableKind kList56[] = {UnitLanguage, AudioEqualizer, VOXPhone, VOXIntercom,
    BluetoothIntercomAudioMultitasking, HDIntercom, HDVoice, VoicePrompt, Sidetone, AdvancedNoiseControl,
    FMStationGuide, VOXSensitivity, SmartVolumeControl, AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity,
    AdvancedFeatures};
constexpr TableKind kList57[] = {HDSpeakerAccessory, AudioEqualizer, VOXPhone, VOXIntercom, AudioMultitasking,
    AudioSourcePriority, HDVoice, HDIntercom, UnitLanguage, VoicePrompt, AdvancedFeatures};
constexpr TableKind kList58[] = {AudioEqualizer, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, UnitLanguage, VoicePrompt, AdvancedFeatures};
constexpr TableKind kList59[] = {VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice, HDIntercom,
    HeadsetLanguage};
constexpr TableKind kList60[] = {VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice, HDIntercom,
    HeadsetLanguage, VoicePrompt, FMStationGuide};
constexpr TableKind kList61[] = {VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice, HDIntercom,
    HeadsetLanguage, VoicePrompt, Sidetone, VOXSensitivity};
constexpr TableKind kList62[] = {AudioEqualizer, VOXPhone, HDVoice, HDIntercom, HeadsetLanguage, VoicePrompt};
constexpr TableKind kList63[] = {VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice, HDIntercom,
    HeadsetLanguage, VoicePrompt, FMStationGuide, Sidetone, VOXSensitivity, AudioEqualizer};
constexpr TableKind kList64[] = {VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice, HDIntercom,
    UnitLanguage, VoicePrompt, AdvancedFeatures};
constexpr TableKind kList65[] = {Channel};
constexpr TableKind kList66[] = {Channel, Volume};
constexpr TableKind kList67[] = {Channel, Volume, LinkbayMicrophoneSensitivity};
constexpr TableKind kList68[] = {VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice, HDIntercom,
    VoicePrompt, Sidetone, VOXSensitivity};
constexpr TableKind kList69[] = {UnitLanguage, VoicePrompt, Sidetone, FMStationGuide, MeshIntercomVoxSensitivity,
    MeshReachOut};
constexpr TableKind kList70[] = {VOXPhone, HDVoice, HDIntercom, HeadsetLanguage, VoicePrompt};
constexpr TableKind kList71[] = {VOXPhone, AudioMultitasking, HDVoice, HDIntercom, HeadsetLanguage, VoicePrompt};
constexpr TableKind kList72[] = {UnitLanguage};
constexpr TableKind kList73[] = {VOXPhone, Sidetone, AudioMultitasking, IntercomAudioOverlaySensitivity};
constexpr TableKind kList74[] = {VOXPhone, Sidetone, MotionSensorSensitivity, AudioMultitasking,
    IntercomAudioOverlaySensitivity, NavigationAppSupport};
constexpr TableKind kList75[] = {AudioMultitasking, IntercomAudioOverlaySensitivity, NavigationAppSupport, AudioBoost,
    MotionSensorSensitivity, VOXPhone, HDIntercom, EightWayIntercom, VoicePrompt, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList76[] = {AudioMultitasking, IntercomAudioOverlaySensitivity, NavigationAppSupport, AudioBoost,
    SmartVolumeControl, MotionSensorSensitivity, VOXPhone, HDIntercom, EightWayIntercom, VoicePrompt, FMStationGuide,
    Sidetone, AdvancedNoiseControl};
constexpr TableKind kList77[] = {AudioMultitasking, IntercomAudioOverlaySensitivity, NavigationAppSupport,
    SmartVolumeControl, MotionSensorSensitivity, VOXPhone, HDIntercom, EightWayIntercom, VoicePrompt, FMStationGuide,
    Sidetone, AdvancedNoiseControl, AudioBoost, HDSpeakerAccessory, AudioEqualizer};
constexpr TableKind kList78[] = {AudioMultitasking, IntercomAudioOverlaySensitivity, NavigationAppSupport,
    SmartVolumeControl, VOXPhone, HDIntercom, EightWayIntercom, VoicePrompt, FMStationGuide, Sidetone,
    AdvancedNoiseControl, AudioBoost, HDSpeakerAccessory, AudioEqualizer};
constexpr TableKind kList79[] = {AudioMultitasking, IntercomAudioOverlaySensitivity, NavigationAppSupport,
    SmartVolumeControl, MotionSensorSensitivity, VOXPhone, HDIntercom, EightWayIntercom, VoicePrompt, Sidetone,
    AdvancedNoiseControl, AudioBoost, HDSpeakerAccessory, AudioEqualizer};
constexpr TableKind kList80[] = {AudioMultitasking, IntercomAudioOverlaySensitivity, NavigationAppSupport,
    SmartVolumeControl, VOXPhone, HDIntercom, EightWayIntercom, VoicePrompt, Sidetone, AdvancedNoiseControl, AudioBoost,
    HDSpeakerAccessory, AudioEqualizer};
constexpr TableKind kList81[] = {AudioMultitasking, IntercomAudioOverlaySensitivity, NavigationAppSupport,
    SmartVolumeControl, MotionSensorSensitivity, VOXPhone, HDIntercom, EightWayIntercom, VoicePrompt, FMStationGuide,
    Sidetone, AdvancedNoiseControl, AudioBoost, Speakers, AudioEqualizer};
constexpr TableKind kList82[] = {AudioMultitasking, IntercomAudioOverlaySensitivity, AudioOverlayVolumeManagement,
    AudioBoost, SmartVolumeControl, HDIntercom, EightWayIntercom, VoicePrompt, FMStationGuide, Sidetone,
    AdvancedNoiseControl, VoiceCommand};
constexpr TableKind kList83[] = {AudioMultitasking, IntercomAudioOverlaySensitivity, AudioOverlayVolumeManagement,
    AudioBoost, SmartVolumeControl, VOXPhone, HDIntercom, EightWayIntercom, VoicePrompt, FMStationGuide, Sidetone,
    AdvancedNoiseControl, VoiceCommand, WhiteLEDAlwaysOn};
constexpr TableKind kList84[] = {AudioBoost, SmartVolumeControl, VOXPhone, AudioOverlay, VOXSensitivity, VoicePrompt,
    Sidetone};
constexpr TableKind kList85[] = {AudioBoost, SmartVolumeControl, VOXPhone, AudioOverlay, HDVoice, VOXSensitivity,
    VoicePrompt, Sidetone};
constexpr TableKind kList86[] = {AudioBoost, SmartVolumeControl, VOXPhone, VOXIntercom, AudioOverlay,
    AudioSourcePriority, HDVoice, HDIntercom, VOXSensitivity, VoicePrompt, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList87[] = {AudioBoost, SmartVolumeControl, VOXPhone, VOXIntercom, AudioOverlay,
    AudioSourcePriority, HDIntercom, VOXSensitivity, VoicePrompt, FMStationGuide, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList88[] = {AudioBoost, SmartVolumeControl, VOXPhone, VOXIntercom, AudioOverlay,
    AudioSourcePriority, HDVoice, HDIntercom, VOXSensitivity, VoicePrompt, FMStationGuide, Sidetone,
    AdvancedNoiseControl};
constexpr TableKind kList89[] = {AudioBoost, SmartVolumeControl, VOXPhone, VOXIntercom, AudioSourcePriority, HDIntercom,
    VOXSensitivity, VoicePrompt, FMStationGuide, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList90[] = {UnitLanguage, AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking,
    AudioSourcePriority, HDVoice, HDIntercom, VOXSensitivity, SmartVolumeControl, VoicePrompt, FMStationGuide, Sidetone,
    AdvancedNoiseControl};
constexpr TableKind kList91[] = {UnitLanguage, AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking,
    AudioSourcePriority, HDVoice, HDIntercom, VOXSensitivity, SmartVolumeControl, VoicePrompt, Sidetone,
    AdvancedNoiseControl};
constexpr TableKind kList92[] = {AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, VOXSensitivity, SmartVolumeControl, VoicePrompt, FMStationGuide, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList93[] = {AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, VOXSensitivity, SmartVolumeControl, VoicePrompt, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList94[] = {HeadsetLanguage, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority,
    HDVoice, HDIntercom, Sidetone, VOXSensitivity, VoicePrompt};
constexpr TableKind kList95[] = {VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice, HDIntercom,
    HeadsetLanguage, VoicePrompt, FMStationGuide, Sidetone, VOXSensitivity};
constexpr TableKind kList96[] = {AudioEqualizer, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, HeadsetLanguage, VoicePrompt, FMStationGuide};
constexpr TableKind kList97[] = {AudioEqualizer, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, HeadsetLanguage, VoicePrompt};
constexpr TableKind kList98[] = {AudioBoost, VOXPhone, VOXIntercom, VoicePrompt, HighQualityA2DP, Sidetone,
    AdvancedNoiseControl, PhotoMode, VideoMode, VideoResolution, TimelapseInterval, DateCaption, SpeakerSoundRecording,
    SpeakerSoundRecordingMusic, SpeakerSoundRecordingFMRadio, SpeakerSoundRecordingIntercom, SpeakerSoundRecordingPhone,
    AutoCameraSleep};
constexpr TableKind kList100[] = {AudioBoost, VOXPhone, VOXIntercom, HDIntercom, VoicePrompt, HighQualityA2DP, Sidetone,
    AdvancedNoiseControl, PhotoMode, VideoMode, VideoResolution, TimelapseInterval, VideoTaggingInterval,
    LoopRecordingInterval, VideoMicrophoneGain, DateCaption, SpeakerSoundRecording, SpeakerSoundRecordingMusic,
    SpeakerSoundRecordingFMRadio, SpeakerSoundRecordingIntercom, SpeakerSoundRecordingPhone, AutoCameraSleep};
constexpr TableKind kList101[] = {AudioBoost, VOXPhone, VOXIntercom, HDIntercom, VoicePrompt, FMStationGuide,
    HighQualityA2DP, Sidetone, AdvancedNoiseControl, PhotoMode, VideoMode, VideoResolution, TimelapseInterval,
    VideoTaggingInterval, LoopRecordingInterval, VideoMicrophoneGain, DateCaption, SpeakerSoundRecording,
    SpeakerSoundRecordingMusic, SpeakerSoundRecordingFMRadio, SpeakerSoundRecordingIntercom, SpeakerSoundRecordingPhone,
    AutoCameraSleep};
constexpr TableKind kList102[] = {AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, VoicePrompt, FMStationGuide, Sidetone, AdvancedNoiseControl, PhotoMode, VideoMode, VideoResolution,
    TimelapseInterval, VideoTaggingInterval, LoopRecordingInterval, VideoMicrophoneGain, DateCaption,
    SpeakerSoundRecording, SpeakerSoundRecordingMusic, SpeakerSoundRecordingFMRadio, SpeakerSoundRecordingIntercom,
    SpeakerSoundRecordingPhone, AutoCameraSleep};
constexpr TableKind kList103[] = {AudioBoost, VOXPhone, VOXIntercom, VOXSensitivity, VoicePrompt, HighQualityA2DP,
    Sidetone, AdvancedNoiseControl};
constexpr TableKind kList104[] = {AudioBoost, VOXPhone, VOXIntercom, HDIntercom, VOXSensitivity, VoicePrompt,
    HighQualityA2DP, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList105[] = {AudioBoost, VOXPhone, VOXIntercom, HDIntercom, VOXSensitivity, VoicePrompt,
    FMStationGuide, HighQualityA2DP, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList106[] = {AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, VOXSensitivity, VoicePrompt, FMStationGuide, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList107[] = {AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, VOXSensitivity, VoicePrompt, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList108[] = {AudioBoost, VoicePrompt, FMStationGuide, HighQualityA2DP, AdvancedNoiseControl};
constexpr TableKind kList109[] = {AudioBoost, VoicePrompt, HighQualityA2DP, AdvancedNoiseControl};
constexpr TableKind kList110[] = {AudioBoost, AudioMultitasking, AudioSourcePriority, HDVoice, VoicePrompt,
    FMStationGuide, AdvancedNoiseControl};
constexpr TableKind kList111[] = {AudioBoost, VOXPhone, VOXIntercom, HDIntercom, VoicePrompt, HighQualityA2DP, Sidetone,
    AdvancedNoiseControl};
constexpr TableKind kList112[] = {AudioBoost, VOXPhone, VOXIntercom, HDVoice, HDIntercom, VoicePrompt, FMStationGuide,
    HighQualityA2DP, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList113[] = {AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, VoicePrompt, FMStationGuide, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList114[] = {AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, VoicePrompt, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList115[] = {AudioEqualizer, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority,
    HDVoice, HDIntercom, HeadsetLanguage, VoicePrompt, FMStationGuide, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList116[] = {AudioEqualizer, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority,
    HDVoice, HDIntercom, HeadsetLanguage, VoicePrompt, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList117[] = {AudioBoost, HDIntercom, VoicePrompt, FMStationGuide, HighQualityA2DP,
    AdvancedNoiseControl};
constexpr TableKind kList118[] = {AudioEqualizer, HDVoice, VoicePrompt, FMStationGuide, HeadsetLanguage};
constexpr TableKind kList119[] = {FMStationGuide};
constexpr TableKind kList120[] = {VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice, HDIntercom,
    VoicePrompt, FMStationGuide, Sidetone, AdvancedNoiseControl, AudioBoost, HDSpeakerAccessory, AudioEqualizer};
constexpr TableKind kList121[] = {VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice, HDIntercom,
    VoicePrompt, Sidetone, AdvancedNoiseControl, AudioBoost, HDSpeakerAccessory, AudioEqualizer};
constexpr TableKind kList122[] = {AutoStartRecording, AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking,
    AudioSourcePriority, HDVoice, HDIntercom, VoicePrompt, FMStationGuide, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList123[] = {AudioBoost, VOXPhone, VOXIntercom, HDIntercom, VoicePrompt, FMStationGuide,
    HighQualityA2DP, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList124[] = {VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice, HDIntercom,
    HeadsetLanguage, VoicePrompt};
constexpr TableKind kList125[] = {AudioEqualizer, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority,
    HDVoice, HDIntercom, VoicePrompt};
constexpr TableKind kList126[] = {AudioEqualizer, HeadsetLanguage, VOXPhone, VOXIntercom, AudioMultitasking,
    AudioSourcePriority, HDVoice, HDIntercom, VoicePrompt};
constexpr TableKind kList127[] = {AudioBoost, VOXPhone, VOXIntercom, VoicePrompt, HighQualityA2DP, Sidetone,
    AdvancedNoiseControl};
constexpr TableKind kList128[] = {AudioBoost, SmartVolumeControl, VOXPhone, VOXIntercom, HDIntercom, VoicePrompt,
    HighQualityA2DP, AdvancedNoiseControl};
constexpr TableKind kList129[] = {AudioBoost, SmartVolumeControl, VOXPhone, VOXIntercom, HDIntercom, VOXSensitivity,
    VoicePrompt, HighQualityA2DP, AdvancedNoiseControl};
constexpr TableKind kList130[] = {AudioBoost, SmartVolumeControl, VOXPhone, VOXIntercom, AudioMultitasking,
    AudioSourcePriority, HDVoice, HDIntercom, VOXSensitivity, VoicePrompt, FMStationGuide, AdvancedNoiseControl};
constexpr TableKind kList131[] = {AudioBoost, SmartVolumeControl, VOXPhone, VOXIntercom, AudioSourcePriority, HDVoice,
    HDIntercom, VOXSensitivity, VoicePrompt, AdvancedNoiseControl};
constexpr TableKind kList132[] = {IntercomAudioOverlaySensitivity};
constexpr TableKind kList133[] = {AudioBoost, VOXPhone, VOXIntercom, HDIntercom, VOXSensitivity, VoicePrompt,
    HighQualityA2DP, Sidetone, AdvancedNoiseControl, ESSConfiguration, ESSSensitivity};
constexpr TableKind kList134[] = {SmartNaviSystem, AudioBoost, VOXPhone, VOXIntercom, HDIntercom, VOXSensitivity,
    VoicePrompt, HighQualityA2DP, Sidetone, AdvancedNoiseControl, ESSConfiguration, ESSSensitivity};
constexpr TableKind kList135[] = {SmartNaviSystem, AudioBoost, VOXPhone, VOXIntercom, HDIntercom, VOXSensitivity,
    VoicePrompt, HighQualityA2DP, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList136[] = {SmartNaviSystem, VOXPhone, VOXSensitivity, VoicePrompt, Sidetone,
    AdvancedNoiseControl};
constexpr TableKind kList137[] = {AudioMultitaskingForOrlet, SmartNaviSystem, AutoOnOff, AudioBoost, VOXPhone,
    VOXIntercom, HDIntercom, VOXSensitivity, VoicePrompt, Sidetone, AdvancedNoiseControl};
constexpr TableKind kList138[] = {AudioMultitaskingForOrlet, SmartNaviSystem, AutoOnOff, AudioBoost, VOXPhone,
    VOXIntercom, HDIntercom, VOXSensitivity, VoicePrompt, Sidetone, AdvancedNoiseControl, ESSConfiguration,
    ESSSensitivity};
constexpr TableKind kList139[] = {AudioBoost, HDIntercom, Sidetone, AdvancedNoiseControl, SmartNaviSystem, AutoOff,
    SimpleMode, VOXPhone, VOXSensitivity, VoicePrompt, Language};
constexpr TableKind kList140[] = {AudioEqualizer, VOXPhone, VOXIntercom, AudioSourcePriority, HDVoice, HDIntercom,
    HeadsetLanguage, VoicePrompt, Sidetone, AutoOff, VOXSensitivity};
constexpr TableKind kList141[] = {AudioBoost, VOXPhone, VOXIntercom, VOXSensitivity, VoicePrompt, FMStationGuide,
    Sidetone, AdvancedNoiseControl};
constexpr TableKind kList142[] = {AudioBoost, VOXPhone, VOXIntercom, HDIntercom, VoicePrompt, FMStationGuide,
    HighQualityA2DP, AdvancedNoiseControl};
constexpr TableKind kList143[] = {AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, VoicePrompt, FMStationGuide, AdvancedNoiseControl};
constexpr TableKind kList144[] = {UnitLanguage, VOXPhone, HDVoice, HDIntercom, VoicePrompt, AdvancedNoiseControl};
constexpr TableKind kList145[] = {AudioBoost, VOXPhone, VOXIntercom, AudioMultitasking, AudioSourcePriority, HDVoice,
    HDIntercom, VOXSensitivity, VoicePrompt, FMStationGuide, AdvancedNoiseControl};
constexpr TableKind kList146[] = {BackgroundVolume, AudioMultitasking};
constexpr TableKind kList147[] = {AudioEqualizer, VOXPhone, HDVoice, VoicePrompt, VOXSensitivity,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity};
constexpr TableKind kList148[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VoicePrompt, VOXSensitivity,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity};
constexpr TableKind kList149[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VoicePrompt, VOXSensitivity,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, MeshReachOut};
constexpr TableKind kList150[] = {HeadsetLanguage, VoicePrompt, MeshIntercomVoxSensitivity, MeshReachOut};
constexpr TableKind kList151[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VoicePrompt, VOXSensitivity,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, FMStationGuide};
constexpr TableKind kList152[] = {HeadsetLanguage, VOXPhone, VoicePrompt, VOXSensitivity, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity};
constexpr TableKind kList153[] = {HeadsetLanguage, VOXPhone, VoicePrompt, VOXSensitivity, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity, MeshReachOut};
constexpr TableKind kList154[] = {HeadsetLanguage, VOXPhone};
constexpr TableKind kList155[] = {HeadsetLanguage, VOXPhone, VoicePrompt};
constexpr TableKind kList156[] = {HeadsetLanguage, VOXPhone, VoicePrompt, VOXSensitivity, AudioOverlayVolumeManagement,
    IntercomAudioOverlaySensitivity, AudioBoost, MeshReachOut, AutoOnOff};
constexpr TableKind kList157[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VoicePrompt, VOXSensitivity,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, MeshReachOut, AutoOff};
constexpr TableKind kList158[] = {HeadsetLanguage, VOXPhone, VoicePrompt, VOXSensitivity, MeshReachOut};
constexpr TableKind kList159[] = {HeadsetLanguage, AudioEqualizer, VOXPhone, VoicePrompt, VOXSensitivity,
    AudioOverlayVolumeManagement, IntercomAudioOverlaySensitivity, MeshReachOut, AutomaticPowerOff};
constexpr TableKind kList160[] = {VoicePrompt, FMStationGuide};

constexpr std::array<RowList, 159> kRowLists = {{
    {1, kList1},
    {2, kList2},
    {3, kList3},
    {4, kList4},
    {5, kList5},
    {6, kList6},
    {7, kList7},
    {8, kList8},
    {9, kList9},
    {10, kList10},
    {11, kList11},
    {12, kList12},
    {13, kList13},
    {14, kList14},
    {15, kList15},
    {16, kList16},
    {17, kList17},
    {18, kList18},
    {19, kList19},
    {20, kList20},
    {21, kList21},
    {22, kList22},
    {23, kList23},
    {24, kList24},
    {25, kList25},
    {26, kList26},
    {27, kList27},
    {28, kList28},
    {29, kList29},
    {30, kList30},
    {31, kList31},
    {32, kList32},
    {33, kList33},
    {34, kList34},
    {35, kList35},
    {36, kList36},
    {37, kList37},
    {38, kList38},
    {39, kList39},
    {40, kList40},
    {41, kList41},
    {42, kList42},
    {43, kList43},
    {44, kList44},
    {45, kList45},
    {46, kList46},
    {47, kList47},
    {48, kList48},
    {49, kList49},
    {50, kList50},
    {51, kList51},
    {52, kList52},
    {53, kList53},
    {54, kList54},
    {55, kList55},
    {56, kList56},
    {57, kList57},
    {58, kList58},
    {59, kList59},
    {60, kList60},
    {61, kList61},
    {62, kList62},
    {63, kList63},
    {64, kList64},
    {65, kList65},
    {66, kList66},
    {67, kList67},
    {68, kList68},
    {69, kList69},
    {70, kList70},
    {71, kList71},
    {72, kList72},
    {73, kList73},
    {74, kList74},
    {75, kList75},
    {76, kList76},
    {77, kList77},
    {78, kList78},
    {79, kList79},
    {80, kList80},
    {81, kList81},
    {82, kList82},
    {83, kList83},
    {84, kList84},
    {85, kList85},
    {86, kList86},
    {87, kList87},
    {88, kList88},
    {89, kList89},
    {90, kList90},
    {91, kList91},
    {92, kList92},
    {93, kList93},
    {94, kList94},
    {95, kList95},
    {96, kList96},
    {97, kList97},
    {98, kList98},
    {100, kList100},
    {101, kList101},
    {102, kList102},
    {103, kList103},
    {104, kList104},
    {105, kList105},
    {106, kList106},
    {107, kList107},
    {108, kList108},
    {109, kList109},
    {110, kList110},
    {111, kList111},
    {112, kList112},
    {113, kList113},
    {114, kList114},
    {115, kList115},
    {116, kList116},
    {117, kList117},
    {118, kList118},
    {119, kList119},
    {120, kList120},
    {121, kList121},
    {122, kList122},
    {123, kList123},
    {124, kList124},
    {125, kList125},
    {126, kList126},
    {127, kList127},
    {128, kList128},
    {129, kList129},
    {130, kList130},
    {131, kList131},
    {132, kList132},
    {133, kList133},
    {134, kList134},
    {135, kList135},
    {136, kList136},
    {137, kList137},
    {138, kList138},
    {139, kList139},
    {140, kList140},
    {141, kList141},
    {142, kList142},
    {143, kList143},
    {144, kList144},
    {145, kList145},
    {146, kList146},
    {147, kList147},
    {148, kList148},
    {149, kList149},
    {150, kList150},
    {151, kList151},
    {152, kList152},
    {153, kList153},
    {154, kList154},
    {155, kList155},
    {156, kList156},
    {157, kList157},
    {158, kList158},
    {159, kList159},
    {160, kList160},
}};
// clang-format on

} // namespace

std::span<const RowList> row_lists() { return kRowLists; }

} // namespace kivo::settings
