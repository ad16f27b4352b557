#include "settings/table/table_kind.h"

#include <array>

#include "device/products/settings_families.h"
#include "device/products/table_rows.h"
#include "settings/table/titles.h"
#include "settings/table/variant_data.h"

namespace kivo::settings {
namespace {

using K = SettingKey;
using I = InfoText;
using H = HandlerId;
using namespace variant_parts;
constexpr AfterChange kRefresh = AfterChange::Refresh;
constexpr const InfoEntry* kNoInformation = nullptr;

// clang-format off
// ---- Information ----------------------------------------------------------------------------------
// The texts, the names that fill the formats and the box sizes, by family and, for the equalizer and
// the boost, by the speaker select of the working copy at the moment of the press. On/off kinds first.
constexpr const Translated* kMultitaskingAndFMRadio[] = {&titles::kAudioMultitasking, &titles::kFMRadio};
constexpr const Translated* kMultitaskingTwice[] = {&titles::kAudioMultitasking, &titles::kAudioMultitasking};
constexpr const Translated* kNoiseControlName[] = {&titles::kAdvancedNoiseControl};
constexpr const Translated* kHdIntercomName[] = {&titles::kHDIntercom};
constexpr const Translated* kVoxIntercomTwice[] = {&titles::kVOXIntercom, &titles::kVOXIntercom};
constexpr const Translated* kEightWayTwice[] = {&titles::kEightWayIntercom, &titles::kEightWayIntercom};
constexpr const Translated* kRecordingTwice[] = {&titles::kSpeakerSoundRecording, &titles::kSpeakerSoundRecording};
constexpr const Translated* kCameraSleepTwice[] = {&titles::kAutoCameraSleep, &titles::kAutoCameraSleep};

constexpr InfoClause kAudioMultitaskingClauses[] = {
    {.products = kBriskoIds, .shows = {I::AudioMultitasking, 6, kMultitaskingAndFMRadio}},
    {.products = table_rows::kQccMultitaskingIds, .shows = {I::AudioMultitaskingWithQCC, 6}},
};
constexpr InfoEntry kAudioMultitaskingInfo{{I::AudioMultitaskingOneModule, 6}, kAudioMultitaskingClauses};
constexpr InfoEntry kOrletMultitaskingInfo{{I::AudioMultitaskingOneModuleForOrlet, 2}};
constexpr InfoClause kAudioOverlayClauses[] = {{.products = table_rows::kAudioOverlayBrannocText, .shows = {I::AudioOverlayBrannoc, 2}}};
constexpr InfoEntry kAudioOverlayInfo{{I::AudioOverlay, 6}, kAudioOverlayClauses};
constexpr InfoEntry kBluetoothMultitaskingInfo{{I::BluetoothIntercomAudioMultitasking, 6}};
constexpr InfoEntry kNavigationInfo{{I::NavigationAppOverlay, 2, kMultitaskingTwice}};
constexpr InfoClause kVolumeManagementClauses[] = {
    {.products = table_rows::kBriskoWithoutHeadset, .shows = {I::AudioOverlayVolumeManagement, 4}},
    {.products = table_rows::kNoFmGpsText, .shows = {I::AudioOverlayVolumeManagementNoFMGPS, 3}},
};
constexpr InfoEntry kVolumeManagementInfo{{I::AudioOverlayVolumeManagement, 3}, kVolumeManagementClauses};
constexpr InfoEntry kMultitaskingVolumeInfo{{I::AudioMultitaskingVolumeManagement, 3}};
// The early Egrano headsets keep the old text below firmware 1.4 and while the speaker select is 1.
constexpr InfoClause kAudioBoostClauses[] = {
    {.products = table_rows::kEgranoEarlyHeadsets, .firmware = below(1, 4), .shows = {I::AudioBoost2_old, 2}},
    {.products = table_rows::kEgranoEarlyHeadsets, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 1}, .shows = {I::AudioBoost2_old, 2}},
    {.products = table_rows::kEgranoEarlyHeadsets, .shows = {I::AudioBoost2, 2}},
    {.products = table_rows::kAudioBoostGreyedBySpeakerSelect, .shows = {I::AudioBoost2, 2}},
};
constexpr InfoEntry kAudioBoostInfo{{I::AudioBoost, 2}, kAudioBoostClauses};
constexpr InfoEntry kVoxPhoneInfo{{I::VOXPhone, 2}};
constexpr InfoEntry kVoxIntercomInfo{{I::VOXIntercom, 4, kVoxIntercomTwice}};
constexpr InfoEntry kHdIntercomInfo{{I::HDIntercom, 2, kHdIntercomName}};
constexpr InfoEntry kEightWayInfo{{I::EightwayIntercom, 2, kEightWayTwice}};
constexpr InfoEntry kHdVoiceInfo{{I::HDVoice, 2}};
constexpr InfoEntry kGuestModeInfo{{I::MeshGuestMode, 6}};
constexpr InfoClause kReachOutClauses[] = {{.products = table_rows::kReachOutTallerIds, .shows = {I::MeshReachOut, 4}}};
constexpr InfoEntry kReachOutInfo{{I::MeshReachOut, 3}, kReachOutClauses};
constexpr InfoEntry kVoicePromptInfo{{I::VoicePrompt, 2}};
constexpr InfoEntry kVoiceCommandInfo{{I::VoiceCommand, 2}};
constexpr InfoEntry kVoiceAssistantInfo{{I::VoiceAssistant, 2}};
constexpr InfoEntry kStationGuideInfo{{I::FMStationGuide, 2}};
constexpr InfoEntry kSidetoneInfo{{I::Sidetone, 2}};
constexpr InfoEntry kNoiseControlInfo{{I::AdvancedNoiseControl, 2, kNoiseControlName}};
constexpr InfoEntry kA2dpInfo{{I::BitpoolRate, 2}};
constexpr InfoClause kHdSpeakerClauses[] = {{.products = table_rows::kHdSpeakerSelectText, .shows = {I::HDSpeakerAccessorySelect, 2}}};
constexpr InfoEntry kHdSpeakerInfo{{I::HDSpeakerAccessory, 2}, kHdSpeakerClauses};
constexpr InfoEntry kMicSelectInfo{{I::MicAccessorySelect, 2}};
constexpr InfoEntry kLedInfo{{I::LEDControl, 2}};
constexpr InfoEntry kAutoOnOffInfo{{I::AutoOnOff, 2}};
constexpr InfoClause kAutoOffClauses[] = {{.products = table_rows::kAirohaAutoOffIds, .shows = {I::AutoOff, 3}}};
constexpr InfoEntry kAutoOffInfo{{I::AutoOff, 2}, kAutoOffClauses};
constexpr InfoEntry kPowerOffInfo{{I::AutomaticPowerOff, 3}};
constexpr InfoEntry kSimpleUIInfo{{I::SimpleUI, 2}};
constexpr InfoEntry kUILayerInfo{{I::UILayer, 2}};
constexpr InfoEntry kSmartNaviInfo{{I::SmartNaviSystem, 2}};
constexpr InfoEntry kAutoStartInfo{{I::AutoStartRecording, 2}};
constexpr InfoEntry kDateCaptionInfo{{I::DateCaption, 2}};
constexpr InfoEntry kRecordingInfo{{I::SpeakerSoundRecording, 4, kRecordingTwice}};
constexpr InfoEntry kCameraSleepInfo{{I::AutoCameraSleep, 4, kCameraSleepTwice}};
constexpr InfoEntry kFmRadioInfo{{I::FMRadioOn, 4}};
constexpr InfoEntry kPhoneInfo{{I::PhoneOn, 4}};

// The choice kinds.
constexpr const Translated* kMultitaskingName[] = {&titles::kAudioMultitasking};
constexpr InfoClause kOverlaySensitivityClauses[] = {
    {.products = kBriskoIds, .shows = {I::IntercomAudioOverlaySesitivity, 4, kMultitaskingName}},
    {.products = table_rows::kNoFmGpsText, .shows = {I::IntercomAudioOverlaySesitivityNoFMGPS, 4}},
};
constexpr InfoEntry kOverlaySensitivityInfo{{I::IntercomAudioOverlaySesitivityVantor, 4}, kOverlaySensitivityClauses};
constexpr InfoEntry kMeshVoxInfo{{I::VoxSensitivityBRUMELOX, 3}};
constexpr InfoEntry kMicrophoneInfo{{I::MicrophoneSensitivityVargo, 4}};
constexpr InfoClause kVoxSensitivityClauses[] = {
    {.products = table_rows::kOrletVoxIds, .shows = {I::VOXSensitivityForOrlet, 2}},
    {.products = table_rows::kCorvelVoxIds, .shows = {I::VOXSensitivityCorvel, 2}},
    {.products = table_rows::kPintraLevelIds, .shows = {I::VOXSensitivityForValdrich, 2}},
};
constexpr InfoEntry kVoxSensitivityInfo{{I::VOXSensitivity, 2}, kVoxSensitivityClauses};
constexpr InfoEntry kSmartVolumeInfo{{I::SmartVolumeControl, 2}};
constexpr InfoEntry kMotionSensorInfo{{I::MotionSensorSensitivity, 2}};
constexpr InfoEntry kSourcePriorityInfo{{I::AudioSourcePriority, 4}};
constexpr InfoEntry kBackgroundVolumeInfo{{I::BackgroundVolume, 2}};
constexpr InfoEntry kEssStatusInfo{{I::ESSStatus, 2}};
constexpr InfoEntry kEssSensitivityInfo{{I::ESSSensitivity, 2}};
// The settings page's text of the mesh module's public channel.
constexpr InfoEntry kChannelSelectInfo{{I::MeshPublicChannel, 2}};
constexpr InfoEntry kChannelSettingInfo{{I::ChannelSetting, 2}};
constexpr InfoEntry kPhotoModeInfo{{I::PhotoMode, 2}};
// Below firmware 2.0 the shorter text of two modes.
constexpr InfoClause kVideoModeClauses[] = {{.firmware = below(2, 0), .shows = {I::VideoMode, 2}}};
constexpr InfoEntry kVideoModeInfo{{I::VideoMode, 4}, kVideoModeClauses};
constexpr InfoEntry kVideoResolutionInfo{{I::VideoResolution, 2}};
constexpr InfoEntry kTimelapseInfo{{I::TimelapseInterval, 2}};
constexpr InfoEntry kTaggingInfo{{I::VideoTaggingInterval, 2}};
constexpr InfoEntry kLoopInfo{{I::LoopRecordingInterval, 2}};
constexpr InfoEntry kVideoGainInfo{{I::VideoMicrophoneGain, 2}};
constexpr InfoEntry kSpeakersInfo{{I::HDSpeakerAccessorySelect, 2}};
constexpr InfoEntry kHelmetInfo{{I::HelmetSelect, 2}};
// The equalizer's text names the partner speakers while they are selected: the select value that
// names them depends on the speaker code. Six headsets show the plain text in the smaller box
// below firmware 1.1, whatever the select.
constexpr InfoShown kEqualizerMerrow{I::AudioEqualizerMerrow, 6};
constexpr InfoClause kEqualizerClauses[] = {
    {.products = table_rows::kEqualizerTallFrom1_1Ids, .firmware = below(1, 1), .shows = {I::AudioEqualizer, 4}},
    {.products = table_rows::kDuvaneSpeakerHeadset, .firmware = from(3, 3), .select = SelectTest{K::DuvaneSpeakerAccessorySelect, 1}, .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerMerrowWithSelect1, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 1}, .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerMerrowWithSelect9, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 9}, .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerBySpeakerIds, .flags = &kSpeaker0To7, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 1}, .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerBySpeakerIds, .flags = &kSpeakerOther, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 9}, .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerMerrowIds, .shows = kEqualizerMerrow},
    {.products = table_rows::kBriskoHeadset, .firmware = from(2, 5), .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerQuarnIds, .shows = {I::AudioEqualizerQuarn, 6}},
    {.products = table_rows::kEqualizerTallIds, .shows = {I::AudioEqualizer, 6}},
    {.products = table_rows::kEqualizerTallFrom1_1Ids, .shows = {I::AudioEqualizer, 6}},
};
constexpr InfoEntry kEqualizerInfo{{I::AudioEqualizer, 4}, kEqualizerClauses};
constexpr InfoClause kUnitLanguageClauses[] = {
    {.products = table_rows::kHeadsetUnitLanguageIds, .shows = {I::HeadsetUnitLanguage, 2}},
    {.products = table_rows::kEarlyHeadsetUnitLanguageIds, .firmware = below(1, 1), .shows = {I::HeadsetUnitLanguage, 2}},
};
constexpr InfoEntry kUnitLanguageInfo{{I::UnitLanguage, 2}, kUnitLanguageClauses};
constexpr InfoClause kHeadsetLanguageClauses[] = {
    {.products = table_rows::kTallHeadsetLanguageIds, .shows = {I::HeadsetLanguage, 4}},
    {.products = table_rows::kUnitHeadsetLanguageIds, .shows = {I::HeadsetUnitLanguage, 2}},
    {.products = table_rows::kSpeakerHeadsetLanguageIds, .flags = &kSpeaker0To7, .shows = {I::HeadsetUnitLanguage, 2}},
    {.products = table_rows::kSpeakerHeadsetLanguageIds, .shows = {I::UnitLanguage, 2}},
};
constexpr InfoEntry kHeadsetLanguageInfo{{I::HeadsetLanguage, 2}, kHeadsetLanguageClauses};
constexpr InfoEntry kLanguageInfo{{I::UnitLanguageTobrin, 2}};

// ---- The kinds --------------------------------------------------------------------------------------
// Each kind's id, cell, title, information (kNoInformation: no button) and what a change does: its
// handler and the rule that follows it. A variant names another handler only where its products
// differ (on_off_variants.cpp, choice_variants.cpp).
#define KIVO_KIND(kind, cell, title, information, ...)                                                               \
    TableKindInfo { TableKind::kind, #kind, CellKind::cell, &titles::title, information, {__VA_ARGS__} }

constexpr std::array kKinds = {
    KIVO_KIND(AudioMultitasking, OnOff, kAudioMultitasking, &kAudioMultitaskingInfo, H::changeAudioOverlay, kRefresh),
    KIVO_KIND(AudioMultitaskingForOrlet, OnOff, kAudioMultitasking, &kOrletMultitaskingInfo, H::changeAudioOverlay, kRefresh),
    KIVO_KIND(AudioOverlay, OnOff, kAudioOverlay, &kAudioOverlayInfo, H::changeAudioOverlay, kRefresh),
    KIVO_KIND(BluetoothIntercomAudioMultitasking, OnOff, kBluetoothIntercomAudioMultitasking, &kBluetoothMultitaskingInfo, H::changeAudioOverlay, AfterChange::OverlayExcludesHd),
    KIVO_KIND(NavigationAppSupport, OnOff, kNavigationAppSupport, &kNavigationInfo, H::changeNavigationAppOverlay),
    KIVO_KIND(AudioOverlayVolumeManagement, OnOff, kAudioOverlayVolumeManagement, &kVolumeManagementInfo, H::changeAudioOverlayVolumeManagement),
    KIVO_KIND(AudioMultitaskingVolumeManagement, OnOff, kAudioMultitaskingVolumeManagement, &kMultitaskingVolumeInfo, H::changeAudioOverlayVolumeManagement),
    KIVO_KIND(AudioBoost, OnOff, kAudioBoost, &kAudioBoostInfo, H::changeAudioBoost),
    KIVO_KIND(VOXPhone, OnOff, kVOXPhone, &kVoxPhoneInfo, H::changeHVOX),
    KIVO_KIND(VOXIntercom, OnOff, kVOXIntercom, &kVoxIntercomInfo, H::changeIVOX),
    KIVO_KIND(HDIntercom, OnOff, kHDIntercom, &kHdIntercomInfo, H::changeHDIntercom, AfterChange::HdIntercomExcludesOverlay),
    KIVO_KIND(EightWayIntercom, OnOff, kEightWayIntercom, &kEightWayInfo, H::changeEightWayIntercom),
    KIVO_KIND(HDVoice, OnOff, kHDVoice, &kHdVoiceInfo, H::changeHDVoice, AfterChange::HdVoiceExcludesOverlay),
    KIVO_KIND(GuestMode, OnOff, kGuestMode, &kGuestModeInfo, H::changeMeshGuestMode),
    KIVO_KIND(MeshReachOut, OnOff, kMeshReachOut, &kReachOutInfo, H::changeMeshReachOut),
    KIVO_KIND(VoicePrompt, OnOff, kVoicePrompt, &kVoicePromptInfo, H::changeVoicePrompt),
    KIVO_KIND(VoiceCommand, OnOff, kVoiceCommand, &kVoiceCommandInfo, H::changeVoiceCommand),
    KIVO_KIND(VoiceAssistant, OnOff, kVoiceAssistant, &kVoiceAssistantInfo, H::changeVoiceAssistant),
    KIVO_KIND(FMStationGuide, OnOff, kFMStationGuide, &kStationGuideInfo, H::changeFMStationGuide),
    KIVO_KIND(Sidetone, OnOff, kSidetone, &kSidetoneInfo, H::changeSidetone),
    KIVO_KIND(AdvancedNoiseControl, OnOff, kAdvancedNoiseControl, &kNoiseControlInfo, H::changeAdvancedNoiseControl),
    KIVO_KIND(HighQualityA2DP, OnOff, kHighQualityA2DP, &kA2dpInfo, H::changeBitpoolRate),
    KIVO_KIND(HDSpeakerAccessory, OnOff, kHDSpeakerAccessory, &kHdSpeakerInfo, H::changeHDSpeakerAccessory, kRefresh),
    KIVO_KIND(MerrowMic, OnOff, kMerrowMic, &kMicSelectInfo, H::changeMicSelect),
    KIVO_KIND(WhiteLEDAlwaysOn, OnOff, kWhiteLEDAlwaysOn, &kLedInfo, H::changeLEDControl),
    KIVO_KIND(AutoOnOff, OnOff, kAutoOnOff, &kAutoOnOffInfo, H::changeAutoOnOff),
    KIVO_KIND(AutoOff, OnOff, kAutoOff, &kAutoOffInfo, H::changeAutoOff),
    KIVO_KIND(AutomaticPowerOff, OnOff, kAutomaticPowerOff, &kPowerOffInfo, H::changeAutoOff),
    KIVO_KIND(SimpleMode, OnOff, kSimpleMode, &kSimpleUIInfo, H::changeSimpleUI),
    KIVO_KIND(AdvancedFeatures, OnOff, kAdvancedFeatures, &kUILayerInfo, H::changeUILayer),
    KIVO_KIND(SmartNaviSystem, OnOff, kSmartNaviSystem, &kSmartNaviInfo, H::changeSmartNaviSystem),
    KIVO_KIND(AutoStartRecording, OnOff, kAutoStartRecording, &kAutoStartInfo, H::changeAutoStartRecording),
    KIVO_KIND(DateCaption, OnOff, kDateCaption, &kDateCaptionInfo, H::changeDateCaption),
    KIVO_KIND(SpeakerSoundRecording, OnOff, kSpeakerSoundRecording, &kRecordingInfo, H::changeSpeakerSoundRecording, AfterChange::RecordingGetsSources),
    KIVO_KIND(SpeakerSoundRecordingMusic, OnOff, kSpeakerSoundRecordingMusic, kNoInformation, H::changeSpeakerSoundRecordingMusic, AfterChange::LastSourceStopsRecording),
    KIVO_KIND(SpeakerSoundRecordingFMRadio, OnOff, kSpeakerSoundRecordingFMRadio, kNoInformation, H::changeSpeakerSoundRecordingFMRadio, AfterChange::LastSourceStopsRecording),
    KIVO_KIND(SpeakerSoundRecordingIntercom, OnOff, kSpeakerSoundRecordingIntercom, kNoInformation, H::changeSpeakerSoundRecordingIntercom, AfterChange::LastSourceStopsRecording),
    KIVO_KIND(SpeakerSoundRecordingPhone, OnOff, kSpeakerSoundRecordingPhone, kNoInformation, H::changeSpeakerSoundRecordingPhone, AfterChange::LastSourceStopsRecording),
    KIVO_KIND(AutoCameraSleep, OnOff, kAutoCameraSleep, &kCameraSleepInfo, H::changeAutoCameraSleep),
    KIVO_KIND(FMRadio, OnOff, kFMRadio, &kFmRadioInfo, H::changeFMRadioOnVargo),
    KIVO_KIND(SmartphoneConnection, OnOff, kSmartphoneConnection, &kPhoneInfo, H::changePhoneOnVargo),
    KIVO_KIND(RemoteUIRTT, OnOff, kRemoteUIRTT, kNoInformation, H::changeRemoteUIPTT),
    KIVO_KIND(IntercomAudioOverlaySensitivity, Choice, kIntercomAudioOverlaySensitivity, &kOverlaySensitivityInfo, H::changeAudioMultitaskingSensitivity),
    KIVO_KIND(MeshIntercomVoxSensitivity, Choice, kMeshIntercomVoxSensitivity, &kMeshVoxInfo, H::changeAudioMultitaskingSensitivity),
    KIVO_KIND(MicrophoneSensitivity, Choice, kMicrophoneSensitivity, &kMicrophoneInfo, H::changeAudioMultitaskingSensitivity),
    KIVO_KIND(VOXSensitivity, Choice, kVOXSensitivity, &kVoxSensitivityInfo, H::changeVOXSensitivity),
    KIVO_KIND(SmartVolumeControl, Choice, kSmartVolumeControl, &kSmartVolumeInfo, H::changeSmartVolumeControl),
    KIVO_KIND(MotionSensorSensitivity, Choice, kMotionSensorSensitivity, &kMotionSensorInfo, H::changeMotionSensorSensitivity),
    KIVO_KIND(AudioSourcePriority, Choice, kAudioSourcePriority, &kSourcePriorityInfo, H::changeAudioSourcePriority),
    KIVO_KIND(BackgroundVolume, Choice, kBackgroundVolume, &kBackgroundVolumeInfo, H::changeBackgroundVolume),
    KIVO_KIND(ESSConfiguration, Choice, kESSConfiguration, &kEssStatusInfo, H::changeESSStatus),
    KIVO_KIND(ESSSensitivity, Choice, kESSSensitivity, &kEssSensitivityInfo, H::changeESSSensitivity),
    KIVO_KIND(ChannelSelect, Choice, kChannelSelect, &kChannelSelectInfo, H::changeMeshPublicChannel),
    KIVO_KIND(ChannelSetting, Choice, kChannelSetting, &kChannelSettingInfo, H::changeMeshPublicChannel),
    KIVO_KIND(Channel, Choice, kChannel, kNoInformation, H::changeChannel),
    KIVO_KIND(Volume, Choice, kVolume, kNoInformation, H::changeVolume),
    KIVO_KIND(LinkbayMicrophoneSensitivity, Choice, kMicrophoneSensitivity, kNoInformation, H::changeMicrophone),
    KIVO_KIND(PhotoMode, Choice, kPhotoMode, &kPhotoModeInfo, H::changePhotoMode),
    KIVO_KIND(VideoMode, Choice, kVideoMode, &kVideoModeInfo, H::changeVideoMode),
    KIVO_KIND(VideoResolution, Choice, kVideoResolution, &kVideoResolutionInfo, H::changeVideoResolution),
    KIVO_KIND(TimelapseInterval, Choice, kTimelapseInterval, &kTimelapseInfo, H::changeTimelapseInterval),
    KIVO_KIND(VideoTaggingInterval, Choice, kVideoTaggingInterval, &kTaggingInfo, H::changeVideoTaggingInterval),
    KIVO_KIND(LoopRecordingInterval, Choice, kLoopRecordingInterval, &kLoopInfo, H::changeLoopRecordingInterval),
    KIVO_KIND(VideoMicrophoneGain, Choice, kVideoMicrophoneGain, &kVideoGainInfo, H::changeVideoMicrophoneGain),
    KIVO_KIND(Speakers, Choice, kSpeakers, &kSpeakersInfo, H::changeSpeakerSelect, AfterChange::Refresh),
    KIVO_KIND(Helmet, Choice, kHelmet, &kHelmetInfo, H::changeSpeakerSelect),
    KIVO_KIND(AudioEqualizer, Choice, kAudioEqualizer, &kEqualizerInfo, H::changeAudioEqualizer),
    KIVO_KIND(UnitLanguage, Choice, kUnitLanguage, &kUnitLanguageInfo, H::changeUnitLanguage),
    KIVO_KIND(HeadsetLanguage, Choice, kHeadsetLanguage, &kHeadsetLanguageInfo, H::changeUnitLanguage),
    KIVO_KIND(Language, Choice, kLanguage, &kLanguageInfo, H::changeUnitLanguage),
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

std::string_view after_change_name(AfterChange after)
{
    switch (after) {
    case AfterChange::None: return "none";
    case AfterChange::Refresh: return "refresh";
    case AfterChange::OverlayExcludesHd: return "A";
    case AfterChange::HdIntercomExcludesOverlay: return "B";
    case AfterChange::HdVoiceExcludesOverlay: return "C";
    case AfterChange::RecordingGetsSources: return "D";
    case AfterChange::LastSourceStopsRecording: return "E";
    }
    return "?";
}

} // namespace kivo::settings
