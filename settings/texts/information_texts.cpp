#include "settings/texts/information_texts.h"

#include <array>

namespace kivo::settings {
namespace {

struct Entry {
    InfoText id;
    std::string_view name;
};

#define KIVO_INFO(id)                                                                                                  \
    Entry { InfoText::id, #id }
constexpr std::array<Entry, 87> kEntries = {{
    KIVO_INFO(NoteEDR),
    KIVO_INFO(NoteApply),
    KIVO_INFO(PLC),
    KIVO_INFO(BitpoolRate),
    KIVO_INFO(MicrophoneBoost),
    KIVO_INFO(Sidetone),
    KIVO_INFO(AdvancedNoiseControl),
    KIVO_INFO(AutoGainControl),
    KIVO_INFO(AutoOnOff),
    KIVO_INFO(AudioBoost),
    KIVO_INFO(AudioBoost2),
    KIVO_INFO(AudioBoost2_old),
    KIVO_INFO(VoiceAssistant),
    KIVO_INFO(AutoStartRecording),
    KIVO_INFO(RTG),
    KIVO_INFO(EDR43),
    KIVO_INFO(ACT),
    KIVO_INFO(MessageACT),
    KIVO_INFO(ACTUnit),
    KIVO_INFO(MotionSensorSensitivity),
    KIVO_INFO(NavigationAppOverlay),
    KIVO_INFO(AudioMultitasking),
    KIVO_INFO(IntercomAudioOverlaySesitivity),
    KIVO_INFO(IntercomAudioOverlaySesitivityVantor),
    KIVO_INFO(FMRadioOn),
    KIVO_INFO(PhoneOn),
    KIVO_INFO(MicrophoneSensitivityVargo),
    KIVO_INFO(VoxSensitivityBRUMELOX),
    KIVO_INFO(IntercomAudioOverlaySesitivityNoFMGPS),
    KIVO_INFO(VOXPhone),
    KIVO_INFO(VOXIntercom),
    KIVO_INFO(HDIntercom),
    KIVO_INFO(EightwayIntercom),
    KIVO_INFO(VoicePrompt),
    KIVO_INFO(FMStationGuide),
    KIVO_INFO(AdaptiveLight),
    KIVO_INFO(HDVoice),
    KIVO_INFO(UILayer),
    KIVO_INFO(AudioSourcePriority),
    KIVO_INFO(BluetoothIntercomAudioMultitasking),
    KIVO_INFO(AudioMultitaskingOneModuleForOrlet),
    KIVO_INFO(AudioMultitaskingOneModule),
    KIVO_INFO(AudioMultitaskingWithQCC),
    KIVO_INFO(BackgroundVolume),
    KIVO_INFO(AudioOverlay),
    KIVO_INFO(AudioOverlayBrannoc),
    KIVO_INFO(AutoOff),
    KIVO_INFO(SimpleUI),
    KIVO_INFO(SmartNaviSystem),
    KIVO_INFO(SmartVolumeControl),
    KIVO_INFO(HDSpeakerAccessory),
    KIVO_INFO(HelmetSelect),
    KIVO_INFO(HDSpeakerAccessorySelect),
    KIVO_INFO(MicAccessorySelect),
    KIVO_INFO(VOXSensitivity),
    KIVO_INFO(VOXSensitivityCorvel),
    KIVO_INFO(VOXSensitivityForOrlet),
    KIVO_INFO(VOXSensitivityForValdrich),
    KIVO_INFO(PhotoMode),
    KIVO_INFO(VideoMode),
    KIVO_INFO(VideoResolution),
    KIVO_INFO(TimelapseInterval),
    KIVO_INFO(VideoTaggingInterval),
    KIVO_INFO(LoopRecordingInterval),
    KIVO_INFO(VideoMicrophoneGain),
    KIVO_INFO(DateCaption),
    KIVO_INFO(SpeakerSoundRecording),
    KIVO_INFO(AutoCameraSleep),
    KIVO_INFO(MeshGuestMode),
    KIVO_INFO(MeshReachOut),
    KIVO_INFO(MeshPublicChannel),
    KIVO_INFO(AudioMultitaskingVolumeManagement),
    KIVO_INFO(AudioOverlayVolumeManagement),
    KIVO_INFO(AudioOverlayVolumeManagementNoFMGPS),
    KIVO_INFO(LEDControl),
    KIVO_INFO(VoiceCommand),
    KIVO_INFO(ChannelSetting),
    KIVO_INFO(HeadsetLanguage),
    KIVO_INFO(HeadsetUnitLanguage),
    KIVO_INFO(UnitLanguage),
    KIVO_INFO(UnitLanguageTobrin),
    KIVO_INFO(AudioEqualizer),
    KIVO_INFO(AudioEqualizerMerrow),
    KIVO_INFO(AudioEqualizerQuarn),
    KIVO_INFO(ESSStatus),
    KIVO_INFO(ESSSensitivity),
    KIVO_INFO(AutomaticPowerOff),
}};
#undef KIVO_INFO

constexpr std::array<InfoText, kEntries.size()> kIds = [] {
    std::array<InfoText, kEntries.size()> ids{};
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        ids[i] = kEntries[i].id;
    return ids;
}();

// The table follows the enumeration, so an id is its own index.
constexpr bool in_order()
{
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        if (static_cast<std::size_t>(kEntries[i].id) != i)
            return false;
    return true;
}
static_assert(in_order());
static_assert(kEntries.size() == static_cast<std::size_t>(InfoText::AutomaticPowerOff) + 1);

} // namespace

std::span<const InfoText> all_info_texts() { return kIds; }

std::string_view info_text_name(InfoText id)
{
    const auto index = static_cast<std::size_t>(id);
    return index < kEntries.size() ? kEntries[index].name : std::string_view{};
}

} // namespace kivo::settings
