#include "settings/texts/information_texts.h"

#include <array>
#include <utility>

#include "settings/texts/info_text_tables.h"
#include "settings/texts/page_texts.h"

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

const Translated* info_text_table(InfoText id)
{
    using namespace info_tables;
    switch (id) {
    case InfoText::NoteEDR: return &text_tables::kNoteEDR;
    case InfoText::NoteApply: return &text_tables::kNoteApply;
    case InfoText::PLC: return &kPLC;
    case InfoText::BitpoolRate: return &kBitpoolRate;
    case InfoText::MicrophoneBoost: return &kMicrophoneBoost;
    case InfoText::Sidetone: return &kSidetone;
    case InfoText::AdvancedNoiseControl: return &kAdvancedNoiseControl;
    case InfoText::AutoGainControl: return &kAutoGainControl;
    case InfoText::AutoOnOff: return &kAutoOnOff;
    case InfoText::AudioBoost: return &kAudioBoost;
    case InfoText::AudioBoost2: return &kAudioBoost2;
    case InfoText::AudioBoost2_old: return &kAudioBoost2_old;
    case InfoText::VoiceAssistant: return &kVoiceAssistant;
    case InfoText::AutoStartRecording: return &kAutoStartRecording;
    case InfoText::RTG: return &kRTG;
    case InfoText::EDR43: return &kEDR43;
    case InfoText::ACT: return &kACT;
    case InfoText::MessageACT: return &kMessageACT;
    case InfoText::MotionSensorSensitivity: return &kMotionSensorSensitivity;
    case InfoText::NavigationAppOverlay: return &kNavigationAppOverlay;
    case InfoText::AudioMultitasking: return &kAudioMultitasking;
    case InfoText::IntercomAudioOverlaySesitivity: return &kIntercomAudioOverlaySesitivity;
    case InfoText::IntercomAudioOverlaySesitivityVantor: return &kIntercomAudioOverlaySesitivityVantor;
    case InfoText::FMRadioOn: return &kFMRadioOn;
    case InfoText::PhoneOn: return &kPhoneOn;
    case InfoText::MicrophoneSensitivityVargo: return &kMicrophoneSensitivityVargo;
    case InfoText::VoxSensitivityBRUMELOX: return &kVoxSensitivityBRUMELOX;
    case InfoText::IntercomAudioOverlaySesitivityNoFMGPS: return &kIntercomAudioOverlaySesitivityNoFMGPS;
    case InfoText::VOXPhone: return &kVOXPhone;
    case InfoText::VOXIntercom: return &kVOXIntercom;
    case InfoText::HDIntercom: return &kHDIntercom;
    case InfoText::EightwayIntercom: return &kEightwayIntercom;
    case InfoText::VoicePrompt: return &kVoicePrompt;
    case InfoText::FMStationGuide: return &kFMStationGuide;
    case InfoText::AdaptiveLight: return &kAdaptiveLight;
    case InfoText::HDVoice: return &kHDVoice;
    case InfoText::UILayer: return &kUILayer;
    case InfoText::AudioSourcePriority: return &kAudioSourcePriority;
    case InfoText::BluetoothIntercomAudioMultitasking: return &kBluetoothIntercomAudioMultitasking;
    case InfoText::AudioMultitaskingOneModuleForOrlet: return &kAudioMultitaskingOneModuleForOrlet;
    case InfoText::AudioMultitaskingOneModule: return &kAudioMultitaskingOneModule;
    case InfoText::AudioMultitaskingWithQCC: return &kAudioMultitaskingWithQCC;
    case InfoText::BackgroundVolume: return &kBackgroundVolume;
    case InfoText::AudioOverlay: return &kAudioOverlay;
    case InfoText::AudioOverlayBrannoc: return &kAudioOverlayBrannoc;
    case InfoText::AutoOff: return &kAutoOff;
    case InfoText::SimpleUI: return &kSimpleUI;
    case InfoText::SmartNaviSystem: return &kSmartNaviSystem;
    case InfoText::SmartVolumeControl: return &kSmartVolumeControl;
    case InfoText::HDSpeakerAccessory: return &kHDSpeakerAccessory;
    case InfoText::HelmetSelect: return &kHelmetSelect;
    case InfoText::HDSpeakerAccessorySelect: return &kHDSpeakerAccessorySelect;
    case InfoText::MicAccessorySelect: return &kMicAccessorySelect;
    case InfoText::VOXSensitivity: return &kVOXSensitivity;
    case InfoText::VOXSensitivityCorvel: return &kVOXSensitivityCorvel;
    case InfoText::VOXSensitivityForOrlet: return &kVOXSensitivityForOrlet;
    case InfoText::VOXSensitivityForValdrich: return &kVOXSensitivityForValdrich;
    case InfoText::MeshGuestMode: return &kMeshGuestMode;
    case InfoText::MeshReachOut: return &kMeshReachOut;
    case InfoText::MeshPublicChannel: return &kMeshPublicChannel;
    case InfoText::AudioMultitaskingVolumeManagement: return &kAudioMultitaskingVolumeManagement;
    case InfoText::AudioOverlayVolumeManagement: return &kAudioOverlayVolumeManagement;
    case InfoText::AudioOverlayVolumeManagementNoFMGPS: return &kAudioOverlayVolumeManagementNoFMGPS;
    case InfoText::LEDControl: return &kLEDControl;
    case InfoText::VoiceCommand: return &kVoiceCommand;
    case InfoText::ChannelSetting: return &kChannelSetting;
    case InfoText::HeadsetLanguage: return &kHeadsetLanguage;
    case InfoText::HeadsetUnitLanguage: return &kHeadsetUnitLanguage;
    case InfoText::UnitLanguage: return &kUnitLanguage;
    case InfoText::UnitLanguageTobrin: return &kUnitLanguageTobrin;
    case InfoText::AudioEqualizer: return &kAudioEqualizer;
    case InfoText::AudioEqualizerMerrow: return &kAudioEqualizerMerrow;
    case InfoText::AudioEqualizerQuarn: return &kAudioEqualizerQuarn;
    case InfoText::ESSStatus: return &kESSStatus;
    case InfoText::ESSSensitivity: return &kESSSensitivity;
    case InfoText::PhotoMode: return &kPhotoMode;
    case InfoText::VideoResolution: return &kVideoResolution;
    case InfoText::TimelapseInterval: return &kTimelapseInterval;
    case InfoText::VideoTaggingInterval: return &kVideoTaggingInterval;
    case InfoText::LoopRecordingInterval: return &kLoopRecordingInterval;
    case InfoText::VideoMicrophoneGain: return &kVideoMicrophoneGain;
    case InfoText::DateCaption: return &kDateCaption;
    case InfoText::SpeakerSoundRecording: return &kSpeakerSoundRecording;
    case InfoText::AutoCameraSleep: return &kAutoCameraSleep;
    case InfoText::VideoMode:
    case InfoText::AutomaticPowerOff:
    case InfoText::ACTUnit: return nullptr;
    }
    return nullptr;
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
