// The on/off kinds of the all-settings table: for each kind, per group of products, the setting
// its row reads, how the value selects the Enable or Disable cell, and when the row may be changed.
// Within a kind every product stands under one variant.

#include <array>

#include "device/products/oem_headsets.h"
#include "device/products/second_settings_word.h"
#include "device/products/settings_families.h"
#include "device/products/table_rows.h"
#include "settings/table/titles.h"
#include "settings/table/variant_data.h"

namespace kivo::settings {
namespace {

using enum TableKind;
using K = SettingKey;
using enum OnOffMapping;
using namespace variant_parts;

constexpr KindVariant on_off(TableKind kind, std::span<const int> products, SettingKey getter, OnOffMapping mapping,
                             const EnablingRule& rule, std::span<const RuleClause> clauses = {})
{
    KindVariant variant{kind, products, getter, &rule, clauses};
    variant.mapping = mapping;
    return variant;
}

// clang-format off
// Audio boost greyed by a speaker accessory, by product, firmware and speaker type.
constexpr RuleClause kVantorAudioBoostRules[] = {
    {table_rows::kAudioBoostGreyedByHdSpeaker, kAnyFirmware, nullptr, -1, &kE4},
    {table_rows::kAudioBoostGreyedByHdSpeakerFrom3_1, from(3, 1), nullptr, -1, &kE4},
    {table_rows::kDuvaneSpeakerHeadset, {version(3, 1), version(3, 3)}, nullptr, -1, &kE4},
    {table_rows::kDuvaneSpeakerHeadset, from(3, 3), nullptr, -1, &kE5},
    {table_rows::kAudioBoostGreyedBySpeakerSelect, kAnyFirmware, nullptr, -1, &kE2},
    {table_rows::kEgranoSpeakerHeadsets, kAnyFirmware, &kSpeakerOther, -1, &kE2},
    {table_rows::kEgranoEarlyHeadsets, kAnyFirmware, &kSpeakerOther, -1, &kE3},
    {table_rows::kEgranoEarlyHeadsets, kAnyFirmware, &kSpeaker0To7, 1, &kE2},
};
constexpr RuleClause kAudioBoostRules[] = {
    {table_rows::kAudioBoostGreyedByHdSpeakerFrom1_4, from(1, 4), nullptr, -1, &kE8},
    {table_rows::kAudioBoostGreyedByHdSpeakerFrom2_6, from(2, 6), nullptr, -1, &kE8},
};
constexpr RuleClause kBriskoAudioBoostRules[] = {
    {table_rows::kBriskoHeadset, kFrom2_0_2_3, &kInfoNot1, -1, &kE7},
    {table_rows::kBriskoHeadset, from(2, 5), &kInfo1, -1, &kE6},
};

// HD intercom and HD voice greyed while audio overlay is on.
constexpr RuleClause kVantorHDIntercomRules[] = {
    {table_rows::kVantorOverlayHeadsets, kAnyFirmware, nullptr, -1, &kE10},
    {table_rows::kVantorLateOverlayHeadsets, from(1, 1), nullptr, -1, &kE10},
};
constexpr RuleClause kHdIntercomRules[] = {
    {table_rows::kHdIntercomNeverGreyed, kAnyFirmware, nullptr, -1, &kE0},
    {table_rows::kNeverGreyedBelow1_1, below(1, 1), nullptr, -1, &kE0},
    {table_rows::kWispenCamera, below(3, 0), nullptr, -1, &kE0},
    {table_rows::kHdIntercomGreyedFrom2_0, below(2, 0), nullptr, -1, &kE0},
};
constexpr RuleClause kHdVoiceRules[] = {
    {table_rows::kHdVoiceNeverGreyed, kAnyFirmware, nullptr, -1, &kE0},
    {table_rows::kHdVoiceGreyedFrom2_0, below(2, 0), nullptr, -1, &kE0},
};

// The HD speaker accessory greyed by the device-information code recognition stored.
constexpr RuleClause kVantorHDSpeakerRules[] = {{table_rows::kHdSpeakerGreyedByInformation, kAnyFirmware, nullptr, -1, &kE11}};
constexpr RuleClause kHIDOneModuleHDSpeakerRules[] = {{table_rows::kHdSpeakerGreyedByInformation, kAnyFirmware, nullptr, -1, &kE11}};

// What follows a change.
using H = HandlerId;
constexpr AfterChange kRefresh = AfterChange::Refresh;

// Information: the texts, the names that fill the formats and the box sizes, by family.
using I = InfoText;
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
// The four sources of the camera's sound recording and the mesh module's remote RTT have none.

constexpr KindVariant kVariants[] = {
    on_off(AudioMultitasking, table_rows::kAudioOverlayIds, K::AudioOverlay, Direct, kE0).acts(H::changeAudioOverlay, kRefresh).informs(kAudioMultitaskingInfo),
    on_off(AudioMultitasking, kBriskoIds, K::BriskoAudioMultitasking, Direct, kE0).acts(H::changeAudioMultitasking, kRefresh).informs(kAudioMultitaskingInfo),
    on_off(AudioMultitaskingForOrlet, table_rows::kOrletIds, K::AudioOverlay, Direct, kE0).acts(H::changeAudioOverlay, kRefresh).informs(kOrletMultitaskingInfo),
    on_off(AudioOverlay, table_rows::kAudioOverlayTitledIds, K::AudioOverlay, Direct, kE0).acts(H::changeAudioOverlay, kRefresh).informs(kAudioOverlayInfo),
    on_off(BluetoothIntercomAudioMultitasking, table_rows::kVantorAudioOverlayIds, K::VantorAudioOverlay, Direct, kE0).acts(H::changeAudioOverlay, AfterChange::OverlayExcludesHd).informs(kBluetoothMultitaskingInfo),
    on_off(NavigationAppSupport, table_rows::kBriskoHeadset, K::BriskoNavigationAppOverlay, Direct, kE1).acts(H::changeNavigationAppOverlay).informs(kNavigationInfo),
    on_off(AudioOverlayVolumeManagement, table_rows::kVantorVolumeManagementIds, K::VantorAudioOverlayVolumeManagement, Direct, kE0).acts(H::changeAudioOverlayVolumeManagement).informs(kVolumeManagementInfo),
    on_off(AudioOverlayVolumeManagement, table_rows::kAirohaVolumeManagementIds, K::AirohaAudioOverlayVolumeManagement, Direct, kE0).acts(H::changeAudioOverlayVolumeManagement).informs(kVolumeManagementInfo),
    on_off(AudioOverlayVolumeManagement, kQccIds, K::QCCAudioOverlayVolumeManagement, Direct, kE0).acts(H::changeAudioOverlayVolumeManagement).informs(kVolumeManagementInfo),
    on_off(AudioOverlayVolumeManagement, table_rows::kBriskoWithoutHeadset, K::BriskoNavigationAppOverlay, Direct, kE1).acts(H::changeNavigationAppOverlay).informs(kVolumeManagementInfo),
    on_off(AudioMultitaskingVolumeManagement, kOemHeadsetProducts, K::VantorAudioOverlayVolumeManagement, Inverted, kE0).acts(H::changeAudioOverlayVolumeManagement).informs(kMultitaskingVolumeInfo),
    on_off(AudioBoost, table_rows::kVantorAudioBoostIds, K::VantorAudioBoost, Inverted, kE0, kVantorAudioBoostRules).acts(H::changeAudioBoost).informs(kAudioBoostInfo),
    on_off(AudioBoost, table_rows::kAirohaSpeakerIds, K::AirohaAudioBoost, Direct, kE0).acts(H::changeAudioBoost).informs(kAudioBoostInfo),
    on_off(AudioBoost, table_rows::kAudioBoostIds, K::AudioBoost, Inverted, kE0, kAudioBoostRules).acts(H::changeAudioBoost).informs(kAudioBoostInfo),
    on_off(AudioBoost, kBriskoIds, K::BriskoAudioBoost, Direct, kE0, kBriskoAudioBoostRules).acts(H::changeAudioBoost).informs(kAudioBoostInfo),
    on_off(VOXPhone, table_rows::kVantorVOXPhoneIds, K::VantorVOXPhone, Direct, kE0).acts(H::changeHVOX).informs(kVoxPhoneInfo),
    on_off(VOXPhone, table_rows::kAirohaVOXPhoneIds, K::AirohaVOXPhone, Direct, kE0).acts(H::changeHVOX).informs(kVoxPhoneInfo),
    on_off(VOXPhone, table_rows::kBriskoVOXPhoneIds, K::BriskoVOXPhone, Direct, kE0).acts(H::changeHVOX).informs(kVoxPhoneInfo),
    on_off(VOXPhone, table_rows::kHandsfreeVOXIds, K::HandsfreeVOX, Direct, kE0).acts(H::changeHVOX).informs(kVoxPhoneInfo),
    on_off(VOXIntercom, table_rows::kVantorVOXIntercomIds, K::VantorVOXIntercom, Direct, kE0).acts(H::changeIVOX).informs(kVoxIntercomInfo),
    on_off(VOXIntercom, table_rows::kIntercomVOXIds, K::IntercomVOX, Direct, kE0).acts(H::changeIVOX).informs(kVoxIntercomInfo),
    on_off(HDIntercom, table_rows::kVantorHDIntercomIds, K::VantorHDIntercom, Direct, kE0, kVantorHDIntercomRules).acts(H::changeHDIntercom, AfterChange::HdIntercomExcludesOverlay).informs(kHdIntercomInfo),
    on_off(HDIntercom, kBriskoIds, K::BriskoHDIntercom, Direct, kE0).acts(H::changeHDIntercom, AfterChange::HdIntercomExcludesOverlay).informs(kHdIntercomInfo),
    on_off(HDIntercom, table_rows::kHdIntercomIds, K::HdIntercom, Direct, kE9, kHdIntercomRules).acts(H::changeHDIntercom, AfterChange::HdIntercomExcludesOverlay).informs(kHdIntercomInfo),
    on_off(EightWayIntercom, kBriskoIds, K::BriskoEightWayIntercom, Direct, kE0).acts(H::changeEightWayIntercom).informs(kEightWayInfo),
    on_off(HDVoice, table_rows::kHeronyxHDVoiceIds, K::HeronyxHDVoice, Direct, kE0).acts(H::changeHDVoice, AfterChange::HdVoiceExcludesOverlay).informs(kHdVoiceInfo),
    on_off(HDVoice, kQccIds, K::QCCHDVoice, Direct, kE0).acts(H::changeHDVoice, AfterChange::HdVoiceExcludesOverlay).informs(kHdVoiceInfo),
    on_off(HDVoice, table_rows::kHdVoiceIds, K::HdVoice, Direct, kE9, kHdVoiceRules).acts(H::changeHDVoice, AfterChange::HdVoiceExcludesOverlay).informs(kHdVoiceInfo),
    on_off(GuestMode, table_rows::kVantorMeshGuestModeIds, K::VantorMeshGuestMode, Direct, kE0).acts(H::changeMeshGuestMode).informs(kGuestModeInfo),
    on_off(MeshReachOut, table_rows::kVantorMeshReachOutIds, K::VantorMeshReachOut, Direct, kE0).acts(H::changeMeshReachOut).informs(kReachOutInfo),
    on_off(MeshReachOut, table_rows::kAirohaMeshReachOutIds, K::AirohaMeshReachOut, Direct, kE0).acts(H::changeMeshReachOut).informs(kReachOutInfo),
    on_off(MeshReachOut, table_rows::kMeshReachOutIds, K::MeshReachOut, Direct, kE0).acts(H::changeMeshReachOut).informs(kReachOutInfo),
    on_off(MeshReachOut, table_rows::kMeshReachOutLarnexIds, K::MeshReachOutLarnex, Direct, kE0).acts(H::changeMeshReachOut).informs(kReachOutInfo),
    on_off(VoicePrompt, table_rows::kVantorVoicePromptIds, K::VantorVoicePrompt, Inverted, kE0).acts(H::changeVoicePrompt).informs(kVoicePromptInfo),
    on_off(VoicePrompt, table_rows::kAirohaVoicePromptIds, K::AirohaVoicePrompt, Direct, kE0).acts(H::changeVoicePrompt).informs(kVoicePromptInfo),
    on_off(VoicePrompt, kBriskoIds, K::BriskoVoicePrompt, Direct, kE0).acts(H::changeVoicePrompt).informs(kVoicePromptInfo),
    on_off(VoicePrompt, table_rows::kVoicePromptIds, K::VoicePrompt, Inverted, kE0).acts(H::changeVoicePrompt).informs(kVoicePromptInfo),
    on_off(VoiceCommand, table_rows::kBriskoWithoutHeadset, K::BriskoVoiceCommand, Direct, kE0).acts(H::changeVoiceCommand).informs(kVoiceCommandInfo),
    on_off(VoiceCommand, table_rows::kVantorVoiceCommandIds, K::VantorVoiceCommand, Direct, kE0).acts(H::changeVoiceCommand).informs(kVoiceCommandInfo),
    on_off(VoiceAssistant, table_rows::kVoiceAssistantIds, K::VoiceAssistant, Inverted, kE0).acts(H::changeVoiceAssistant).informs(kVoiceAssistantInfo),
    on_off(FMStationGuide, table_rows::kVantorFMStationGuideIds, K::VantorFMStationGuide, Direct, kE0).acts(H::changeFMStationGuide).informs(kStationGuideInfo),
    on_off(FMStationGuide, table_rows::kAirohaFMStationIds, K::AirohaFMStation, Direct, kE0).acts(H::changeFMStationGuide).informs(kStationGuideInfo),
    on_off(FMStationGuide, table_rows::kFmStationGuideIds, K::FmStationGuide, Direct, kE0).acts(H::changeFMStationGuide).informs(kStationGuideInfo),
    on_off(FMStationGuide, kBriskoIds, K::BriskoFMStationGuide, Direct, kE0).acts(H::changeFMStationGuide).informs(kStationGuideInfo),
    on_off(Sidetone, table_rows::kVantorSidetoneIds, K::VantorSidetone, Direct, kE0).acts(H::changeSidetone).informs(kSidetoneInfo),
    on_off(Sidetone, kBriskoIds, K::BriskoSidetone, Direct, kE0).acts(H::changeSidetone).informs(kSidetoneInfo),
    on_off(Sidetone, table_rows::kSidetoneIds, K::Sidetone, Direct, kE0).acts(H::changeSidetone).informs(kSidetoneInfo),
    on_off(AdvancedNoiseControl, table_rows::kVantorAdvancedNoiseControlIds, K::VantorAdvancedNoiseControl, Inverted, kE0).acts(H::changeAdvancedNoiseControl).informs(kNoiseControlInfo),
    on_off(AdvancedNoiseControl, table_rows::kAdvancedNoiseControlIds, K::AdvancedNoiseControl, Inverted, kE0).acts(H::changeAdvancedNoiseControl).informs(kNoiseControlInfo),
    on_off(AdvancedNoiseControl, kBriskoIds, K::BriskoAdvancedNoiseControl, Direct, kE0).acts(H::changeAdvancedNoiseControl).informs(kNoiseControlInfo),
    on_off(HighQualityA2DP, table_rows::kVantorA2DPIds, K::VantorHighQulityA2DP, Direct, kE0).acts(H::changeBitpoolRate).informs(kA2dpInfo),
    on_off(HighQualityA2DP, table_rows::kBitpoolRateIds, K::BitpoolRate, Direct, kE0).acts(H::changeBitpoolRate).informs(kA2dpInfo),
    on_off(HDSpeakerAccessory, table_rows::kVantorHDSpeakerAccessoryIds, K::VantorHDSpeakerAccessory, Direct, kE0, kVantorHDSpeakerRules).acts(H::changeHDSpeakerAccessory, kRefresh).informs(kHdSpeakerInfo),
    on_off(HDSpeakerAccessory, table_rows::kKelporHDSpeakerAccessoryIds, K::KelporHDSpeakerAccessory, Direct, kE0).acts(H::changeKelporHDSPeakerAccessory, kRefresh).informs(kHdSpeakerInfo),
    on_off(HDSpeakerAccessory, table_rows::kBriskoHeadset, K::BriskoHDSpeakerAccessory, Direct, kE12).acts(H::changeHDSpeakerAccessory, kRefresh).informs(kHdSpeakerInfo),
    on_off(HDSpeakerAccessory, table_rows::kHIDOneModuleHDSpeakerAccessoryIds, K::HIDOneModuleHDSpeakerAccessory, Direct, kE0, kHIDOneModuleHDSpeakerRules).acts(H::changeHDSpeakerAccessory, kRefresh).informs(kHdSpeakerInfo),
    on_off(MerrowMic, table_rows::kEgranoMicAccessorySelectIds, K::EgranoMicAccessorySelect, Code8, kE0).acts(H::changeMicSelect).informs(kMicSelectInfo),
    on_off(WhiteLEDAlwaysOn, table_rows::kBriskoLEDControlIds, K::BriskoLEDControl, Direct, kE0).acts(H::changeLEDControl).informs(kLedInfo),
    on_off(AutoOnOff, table_rows::kAirohaSpeakerIds, K::AirohaAutoOnOff, Direct, kE0).acts(H::changeAutoOff).informs(kAutoOnOffInfo),
    on_off(AutoOnOff, table_rows::kOrletIds, K::AutoOnOff, Direct, kE0).acts(H::changeAutoOnOff).informs(kAutoOnOffInfo),
    on_off(AutoOff, table_rows::kAirohaAutoOffIds, K::AirohaAutoOff, Direct, kE0).acts(H::changeAutoOff).informs(kAutoOffInfo),
    on_off(AutoOff, table_rows::kQccAutoOffIds, K::QccAutoOff, Direct, kE0).acts(H::changeAutoOff).informs(kAutoOffInfo),
    on_off(AutoOff, kGrennikProducts, K::AutoOff, Direct, kE0).acts(H::changeAutoOff).informs(kAutoOffInfo),
    on_off(AutomaticPowerOff, table_rows::kAirohaPowerOffIds, K::AirohaAutoOff, Direct, kE0).acts(H::changeAutoOff).informs(kPowerOffInfo),
    on_off(SimpleMode, kGrennikProducts, K::SimpleUI, Direct, kE0).acts(H::changeSimpleUI).informs(kSimpleUIInfo),
    on_off(AdvancedFeatures, table_rows::kUILayerIds, K::UILayer, Direct, kE0).acts(H::changeUILayer).informs(kUILayerInfo),
    on_off(SmartNaviSystem, table_rows::kSmartNaviSystemIds, K::SmartNaviSystem, Direct, kE0).acts(H::changeSmartNaviSystem).informs(kSmartNaviInfo),
    on_off(SmartNaviSystem, kGrennikProducts, K::SmartNaviSystem2, Direct, kE0).acts(H::changeSmartNaviSystem2).informs(kSmartNaviInfo),
    on_off(AutoStartRecording, table_rows::kAutoStartRecordingIds, K::AutoStartRecording, Inverted, kE0).acts(H::changeAutoStartRecording).informs(kAutoStartInfo),
    on_off(DateCaption, table_rows::kWispenCamera, K::WispenCameraDateCaption, Direct, kE0).acts(H::changeDateCaption).informs(kDateCaptionInfo),
    on_off(SpeakerSoundRecording, table_rows::kWispenCamera, K::WispenCameraSpeakerSoundRecording, Direct, kE0).acts(H::changeSpeakerSoundRecording, AfterChange::RecordingGetsSources).informs(kRecordingInfo),
    on_off(SpeakerSoundRecordingMusic, table_rows::kWispenCamera, K::WispenCameraSpeakerSoundRecordingMusic, Direct, kE13).acts(H::changeSpeakerSoundRecordingMusic, AfterChange::LastSourceStopsRecording),
    on_off(SpeakerSoundRecordingFMRadio, table_rows::kWispenCamera, K::WispenCameraSpeakerSoundRecordingFMRadio, Direct, kE13).acts(H::changeSpeakerSoundRecordingFMRadio, AfterChange::LastSourceStopsRecording),
    on_off(SpeakerSoundRecordingIntercom, table_rows::kWispenCamera, K::WispenCameraSpeakerSoundRecordingIntercom, Direct, kE13).acts(H::changeSpeakerSoundRecordingIntercom, AfterChange::LastSourceStopsRecording),
    on_off(SpeakerSoundRecordingPhone, table_rows::kWispenCamera, K::WispenCameraSpeakerSoundRecordingPhone, Direct, kE13).acts(H::changeSpeakerSoundRecordingPhone, AfterChange::LastSourceStopsRecording),
    on_off(AutoCameraSleep, table_rows::kWispenCamera, K::WispenCameraAutoCameraSleep, Direct, kE0).acts(H::changeAutoCameraSleep).informs(kCameraSleepInfo),
    on_off(FMRadio, kOemHeadsetProducts, K::VARGOFMRadio, Direct, kE0).traced(RowTrace::RecognizedAndWorking).acts(H::changeFMRadioOnVargo).informs(kFmRadioInfo),
    on_off(SmartphoneConnection, kOemHeadsetProducts, K::VARGOSmartphoneConnet, Direct, kE0).traced(RowTrace::RecognizedAndWorking).acts(H::changePhoneOnVargo).informs(kPhoneInfo),
    on_off(RemoteUIRTT, table_rows::kTresselRemoteUIPTTIds, K::TresselRemoteUIPTT, Inverted, kE0).acts(H::changeRemoteUIPTT),

};
// clang-format on

} // namespace

std::span<const KindVariant> on_off_variants() { return kVariants; }

} // namespace kivo::settings
