#include "settings/texts/information_texts.h"

#include <array>
#include <utility>

#include "settings/texts/info_text_tables.h"
#include "settings/texts/page_texts.h"

namespace kivo::settings {
namespace {

using namespace info_tables;

// The id, its name and its table. The video mode's two texts, the automatic power off text and the
// unit label have no table: info_text() gives them.
struct Entry {
    InfoText id;
    std::string_view name;
    const Translated* table;
};

#define KIVO_INFO(id, table)                                                                                           \
    Entry { InfoText::id, #id, table }
constexpr std::array<Entry, 87> kEntries = {{
    KIVO_INFO(NoteEDR, &text_tables::kNoteEDR),
    KIVO_INFO(NoteApply, &text_tables::kNoteApply),
    KIVO_INFO(PLC, &kPLC),
    KIVO_INFO(BitpoolRate, &kBitpoolRate),
    KIVO_INFO(MicrophoneBoost, &kMicrophoneBoost),
    KIVO_INFO(Sidetone, &kSidetone),
    KIVO_INFO(AdvancedNoiseControl, &kAdvancedNoiseControl),
    KIVO_INFO(AutoGainControl, &kAutoGainControl),
    KIVO_INFO(AutoOnOff, &kAutoOnOff),
    KIVO_INFO(AudioBoost, &kAudioBoost),
    KIVO_INFO(AudioBoost2, &kAudioBoost2),
    KIVO_INFO(AudioBoost2_old, &kAudioBoost2_old),
    KIVO_INFO(VoiceAssistant, &kVoiceAssistant),
    KIVO_INFO(AutoStartRecording, &kAutoStartRecording),
    KIVO_INFO(RTG, &kRTG),
    KIVO_INFO(EDR43, &kEDR43),
    KIVO_INFO(ACT, &kACT),
    KIVO_INFO(MessageACT, &kMessageACT),
    KIVO_INFO(ACTUnit, nullptr),
    KIVO_INFO(MotionSensorSensitivity, &kMotionSensorSensitivity),
    KIVO_INFO(NavigationAppOverlay, &kNavigationAppOverlay),
    KIVO_INFO(AudioMultitasking, &kAudioMultitasking),
    KIVO_INFO(IntercomAudioOverlaySesitivity, &kIntercomAudioOverlaySesitivity),
    KIVO_INFO(IntercomAudioOverlaySesitivityVantor, &kIntercomAudioOverlaySesitivityVantor),
    KIVO_INFO(FMRadioOn, &kFMRadioOn),
    KIVO_INFO(PhoneOn, &kPhoneOn),
    KIVO_INFO(MicrophoneSensitivityVargo, &kMicrophoneSensitivityVargo),
    KIVO_INFO(VoxSensitivityBRUMELOX, &kVoxSensitivityBRUMELOX),
    KIVO_INFO(IntercomAudioOverlaySesitivityNoFMGPS, &kIntercomAudioOverlaySesitivityNoFMGPS),
    KIVO_INFO(VOXPhone, &kVOXPhone),
    KIVO_INFO(VOXIntercom, &kVOXIntercom),
    KIVO_INFO(HDIntercom, &kHDIntercom),
    KIVO_INFO(EightwayIntercom, &kEightwayIntercom),
    KIVO_INFO(VoicePrompt, &kVoicePrompt),
    KIVO_INFO(FMStationGuide, &kFMStationGuide),
    KIVO_INFO(AdaptiveLight, &kAdaptiveLight),
    KIVO_INFO(HDVoice, &kHDVoice),
    KIVO_INFO(UILayer, &kUILayer),
    KIVO_INFO(AudioSourcePriority, &kAudioSourcePriority),
    KIVO_INFO(BluetoothIntercomAudioMultitasking, &kBluetoothIntercomAudioMultitasking),
    KIVO_INFO(AudioMultitaskingOneModuleForOrlet, &kAudioMultitaskingOneModuleForOrlet),
    KIVO_INFO(AudioMultitaskingOneModule, &kAudioMultitaskingOneModule),
    KIVO_INFO(AudioMultitaskingWithQCC, &kAudioMultitaskingWithQCC),
    KIVO_INFO(BackgroundVolume, &kBackgroundVolume),
    KIVO_INFO(AudioOverlay, &kAudioOverlay),
    KIVO_INFO(AudioOverlayBrannoc, &kAudioOverlayBrannoc),
    KIVO_INFO(AutoOff, &kAutoOff),
    KIVO_INFO(SimpleUI, &kSimpleUI),
    KIVO_INFO(SmartNaviSystem, &kSmartNaviSystem),
    KIVO_INFO(SmartVolumeControl, &kSmartVolumeControl),
    KIVO_INFO(HDSpeakerAccessory, &kHDSpeakerAccessory),
    KIVO_INFO(HelmetSelect, &kHelmetSelect),
    KIVO_INFO(HDSpeakerAccessorySelect, &kHDSpeakerAccessorySelect),
    KIVO_INFO(MicAccessorySelect, &kMicAccessorySelect),
    KIVO_INFO(VOXSensitivity, &kVOXSensitivity),
    KIVO_INFO(VOXSensitivityCorvel, &kVOXSensitivityCorvel),
    KIVO_INFO(VOXSensitivityForOrlet, &kVOXSensitivityForOrlet),
    KIVO_INFO(VOXSensitivityForValdrich, &kVOXSensitivityForValdrich),
    KIVO_INFO(PhotoMode, &kPhotoMode),
    KIVO_INFO(VideoMode, nullptr),
    KIVO_INFO(VideoResolution, &kVideoResolution),
    KIVO_INFO(TimelapseInterval, &kTimelapseInterval),
    KIVO_INFO(VideoTaggingInterval, &kVideoTaggingInterval),
    KIVO_INFO(LoopRecordingInterval, &kLoopRecordingInterval),
    KIVO_INFO(VideoMicrophoneGain, &kVideoMicrophoneGain),
    KIVO_INFO(DateCaption, &kDateCaption),
    KIVO_INFO(SpeakerSoundRecording, &kSpeakerSoundRecording),
    KIVO_INFO(AutoCameraSleep, &kAutoCameraSleep),
    KIVO_INFO(MeshGuestMode, &kMeshGuestMode),
    KIVO_INFO(MeshReachOut, &kMeshReachOut),
    KIVO_INFO(MeshPublicChannel, &kMeshPublicChannel),
    KIVO_INFO(AudioMultitaskingVolumeManagement, &kAudioMultitaskingVolumeManagement),
    KIVO_INFO(AudioOverlayVolumeManagement, &kAudioOverlayVolumeManagement),
    KIVO_INFO(AudioOverlayVolumeManagementNoFMGPS, &kAudioOverlayVolumeManagementNoFMGPS),
    KIVO_INFO(LEDControl, &kLEDControl),
    KIVO_INFO(VoiceCommand, &kVoiceCommand),
    KIVO_INFO(ChannelSetting, &kChannelSetting),
    KIVO_INFO(HeadsetLanguage, &kHeadsetLanguage),
    KIVO_INFO(HeadsetUnitLanguage, &kHeadsetUnitLanguage),
    KIVO_INFO(UnitLanguage, &kUnitLanguage),
    KIVO_INFO(UnitLanguageTobrin, &kUnitLanguageTobrin),
    KIVO_INFO(AudioEqualizer, &kAudioEqualizer),
    KIVO_INFO(AudioEqualizerMerrow, &kAudioEqualizerMerrow),
    KIVO_INFO(AudioEqualizerQuarn, &kAudioEqualizerQuarn),
    KIVO_INFO(ESSStatus, &kESSStatus),
    KIVO_INFO(ESSSensitivity, &kESSSensitivity),
    KIVO_INFO(AutomaticPowerOff, nullptr),
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

const Translated* info_text_table(InfoText id)
{
    const auto index = static_cast<std::size_t>(id);
    return index < kEntries.size() ? kEntries[index].table : nullptr;
}

std::string info_text(InfoText id, ManagerLanguage in, int firmware_major, int firmware_minor)
{
    using namespace info_tables;
    switch (id) {
    case InfoText::VideoMode: {
        // From firmware 2.0 the camera records in loops too.
        const bool three_modes = std::pair(firmware_major, firmware_minor) >= std::pair(2, 0);
        return localized(three_modes ? kVideoModeThree : kVideoModeTwo, in);
    }
    case InfoText::AutomaticPowerOff:
        return in == kJapanese ? kAutomaticPowerOffJapanese
            : in == kChinese   ? kAutomaticPowerOffChinese
                               : kAutomaticPowerOffEnglish;
    case InfoText::ACTUnit: return SettingsPageTexts::stringACTUnit(in);
    default: break;
    }
    const Translated* table = info_text_table(id);
    return table != nullptr ? localized(*table, in) : std::string();
}

} // namespace kivo::settings
