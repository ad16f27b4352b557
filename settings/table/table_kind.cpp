#include "settings/table/table_kind.h"

#include <array>

#include "settings/table/titles.h"

namespace kivo::settings {
namespace {

#define KIVO_KIND(kind, cell, title)                                                                                   \
    TableKindInfo { TableKind::kind, #kind, CellKind::cell, &titles::title }

// clang-format off
constexpr std::array kKinds = {
    KIVO_KIND(AudioMultitasking, OnOff, kAudioMultitasking),
    KIVO_KIND(AudioMultitaskingForOrlet, OnOff, kAudioMultitasking),
    KIVO_KIND(AudioOverlay, OnOff, kAudioOverlay),
    KIVO_KIND(BluetoothIntercomAudioMultitasking, OnOff, kBluetoothIntercomAudioMultitasking),
    KIVO_KIND(NavigationAppSupport, OnOff, kNavigationAppSupport),
    KIVO_KIND(AudioOverlayVolumeManagement, OnOff, kAudioOverlayVolumeManagement),
    KIVO_KIND(AudioMultitaskingVolumeManagement, OnOff, kAudioMultitaskingVolumeManagement),
    KIVO_KIND(AudioBoost, OnOff, kAudioBoost),
    KIVO_KIND(VOXPhone, OnOff, kVOXPhone),
    KIVO_KIND(VOXIntercom, OnOff, kVOXIntercom),
    KIVO_KIND(HDIntercom, OnOff, kHDIntercom),
    KIVO_KIND(EightWayIntercom, OnOff, kEightWayIntercom),
    KIVO_KIND(HDVoice, OnOff, kHDVoice),
    KIVO_KIND(GuestMode, OnOff, kGuestMode),
    KIVO_KIND(MeshReachOut, OnOff, kMeshReachOut),
    KIVO_KIND(VoicePrompt, OnOff, kVoicePrompt),
    KIVO_KIND(VoiceCommand, OnOff, kVoiceCommand),
    KIVO_KIND(VoiceAssistant, OnOff, kVoiceAssistant),
    KIVO_KIND(FMStationGuide, OnOff, kFMStationGuide),
    KIVO_KIND(Sidetone, OnOff, kSidetone),
    KIVO_KIND(AdvancedNoiseControl, OnOff, kAdvancedNoiseControl),
    KIVO_KIND(HighQualityA2DP, OnOff, kHighQualityA2DP),
    KIVO_KIND(HDSpeakerAccessory, OnOff, kHDSpeakerAccessory),
    KIVO_KIND(MerrowMic, OnOff, kMerrowMic),
    KIVO_KIND(WhiteLEDAlwaysOn, OnOff, kWhiteLEDAlwaysOn),
    KIVO_KIND(AutoOnOff, OnOff, kAutoOnOff),
    KIVO_KIND(AutoOff, OnOff, kAutoOff),
    KIVO_KIND(AutomaticPowerOff, OnOff, kAutomaticPowerOff),
    KIVO_KIND(SimpleMode, OnOff, kSimpleMode),
    KIVO_KIND(AdvancedFeatures, OnOff, kAdvancedFeatures),
    KIVO_KIND(SmartNaviSystem, OnOff, kSmartNaviSystem),
    KIVO_KIND(AutoStartRecording, OnOff, kAutoStartRecording),
    KIVO_KIND(DateCaption, OnOff, kDateCaption),
    KIVO_KIND(SpeakerSoundRecording, OnOff, kSpeakerSoundRecording),
    KIVO_KIND(SpeakerSoundRecordingMusic, OnOff, kSpeakerSoundRecordingMusic),
    KIVO_KIND(SpeakerSoundRecordingFMRadio, OnOff, kSpeakerSoundRecordingFMRadio),
    KIVO_KIND(SpeakerSoundRecordingIntercom, OnOff, kSpeakerSoundRecordingIntercom),
    KIVO_KIND(SpeakerSoundRecordingPhone, OnOff, kSpeakerSoundRecordingPhone),
    KIVO_KIND(AutoCameraSleep, OnOff, kAutoCameraSleep),
    KIVO_KIND(FMRadio, OnOff, kFMRadio),
    KIVO_KIND(SmartphoneConnection, OnOff, kSmartphoneConnection),
    KIVO_KIND(RemoteUIRTT, OnOff, kRemoteUIRTT),
    KIVO_KIND(IntercomAudioOverlaySensitivity, Choice, kIntercomAudioOverlaySensitivity),
    KIVO_KIND(MeshIntercomVoxSensitivity, Choice, kMeshIntercomVoxSensitivity),
    KIVO_KIND(MicrophoneSensitivity, Choice, kMicrophoneSensitivity),
    KIVO_KIND(VOXSensitivity, Choice, kVOXSensitivity),
    KIVO_KIND(SmartVolumeControl, Choice, kSmartVolumeControl),
    KIVO_KIND(MotionSensorSensitivity, Choice, kMotionSensorSensitivity),
    KIVO_KIND(AudioSourcePriority, Choice, kAudioSourcePriority),
    KIVO_KIND(BackgroundVolume, Choice, kBackgroundVolume),
    KIVO_KIND(ESSConfiguration, Choice, kESSConfiguration),
    KIVO_KIND(ESSSensitivity, Choice, kESSSensitivity),
    KIVO_KIND(ChannelSelect, Choice, kChannelSelect),
    KIVO_KIND(ChannelSetting, Choice, kChannelSetting),
    KIVO_KIND(Channel, Choice, kChannel),
    KIVO_KIND(Volume, Choice, kVolume),
    KIVO_KIND(LinkbayMicrophoneSensitivity, Choice, kMicrophoneSensitivity),
    KIVO_KIND(PhotoMode, Choice, kPhotoMode),
    KIVO_KIND(VideoMode, Choice, kVideoMode),
    KIVO_KIND(VideoResolution, Choice, kVideoResolution),
    KIVO_KIND(TimelapseInterval, Choice, kTimelapseInterval),
    KIVO_KIND(VideoTaggingInterval, Choice, kVideoTaggingInterval),
    KIVO_KIND(LoopRecordingInterval, Choice, kLoopRecordingInterval),
    KIVO_KIND(VideoMicrophoneGain, Choice, kVideoMicrophoneGain),
    KIVO_KIND(Speakers, Choice, kSpeakers),
    KIVO_KIND(Helmet, Choice, kHelmet),
    KIVO_KIND(AudioEqualizer, Choice, kAudioEqualizer),
    KIVO_KIND(UnitLanguage, Choice, kUnitLanguage),
    KIVO_KIND(HeadsetLanguage, Choice, kHeadsetLanguage),
    KIVO_KIND(Language, Choice, kLanguage),
};
// clang-format on
#undef KIVO_KIND

constexpr bool kinds_in_order()
{
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        if (static_cast<std::size_t>(kKinds[i].kind) != i)
            return false;
    return true;
}
static_assert(kinds_in_order(), "the kinds must follow the order of TableKind");
static_assert(kKinds.size() == static_cast<std::size_t>(TableKind::Language) + 1);

} // namespace

std::span<const TableKindInfo> table_kinds() { return kKinds; }

const TableKindInfo& table_kind(TableKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

} // namespace kivo::settings
