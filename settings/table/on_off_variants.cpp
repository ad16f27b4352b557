// The on/off kinds of the all-settings table: for each kind, per group of products, the setting
// its row reads, how the value selects the Enable or Disable cell, and when the row may be changed.
// Within a kind every product stands under one variant.

#include <array>

#include "device/products/oem_headsets.h"
#include "device/products/second_settings_word.h"
#include "device/products/settings_families.h"
#include "device/products/table_rows.h"
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
    // Only the layout from 1.3 shows the second row; the one held back below 1.3 keeps E0.
    {table_rows::kEgranoEarlyHeadsets, from(1, 3), &kSpeaker0To7, 1, &kE2},
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

// The handlers of the variants whose products reach another than their kind's (table_kind.cpp).
using H = HandlerId;
constexpr AfterChange kRefresh = AfterChange::Refresh;

constexpr KindVariant kVariants[] = {
    on_off(AudioMultitasking, table_rows::kAudioOverlayIds, K::AudioOverlay, Direct, kE0),
    on_off(AudioMultitasking, kBriskoIds, K::BriskoAudioMultitasking, Direct, kE0).acts(H::changeAudioMultitasking, kRefresh),
    on_off(AudioMultitaskingForOrlet, table_rows::kOrletIds, K::AudioOverlay, Direct, kE0),
    on_off(AudioOverlay, table_rows::kAudioOverlayTitledIds, K::AudioOverlay, Direct, kE0),
    on_off(BluetoothIntercomAudioMultitasking, table_rows::kVantorAudioOverlayIds, K::VantorAudioOverlay, Direct, kE0),
    on_off(NavigationAppSupport, table_rows::kBriskoHeadset, K::BriskoNavigationAppOverlay, Direct, kE1),
    on_off(AudioOverlayVolumeManagement, table_rows::kVantorVolumeManagementIds, K::VantorAudioOverlayVolumeManagement, Direct, kE0),
    on_off(AudioOverlayVolumeManagement, table_rows::kAirohaVolumeManagementIds, K::AirohaAudioOverlayVolumeManagement, Direct, kE0),
    on_off(AudioOverlayVolumeManagement, kQccIds, K::QCCAudioOverlayVolumeManagement, Direct, kE0),
    on_off(AudioOverlayVolumeManagement, table_rows::kBriskoWithoutHeadset, K::BriskoNavigationAppOverlay, Direct, kE1).acts(H::changeNavigationAppOverlay),
    on_off(AudioMultitaskingVolumeManagement, kOemHeadsetProducts, K::VantorAudioOverlayVolumeManagement, Inverted, kE0),
    on_off(AudioBoost, table_rows::kVantorAudioBoostIds, K::VantorAudioBoost, Inverted, kE0, kVantorAudioBoostRules),
    on_off(AudioBoost, table_rows::kAirohaSpeakerIds, K::AirohaAudioBoost, Direct, kE0),
    on_off(AudioBoost, table_rows::kAudioBoostIds, K::AudioBoost, Inverted, kE0, kAudioBoostRules),
    on_off(AudioBoost, kBriskoIds, K::BriskoAudioBoost, Direct, kE0, kBriskoAudioBoostRules),
    on_off(VOXPhone, table_rows::kVantorVOXPhoneIds, K::VantorVOXPhone, Direct, kE0),
    on_off(VOXPhone, table_rows::kAirohaVOXPhoneIds, K::AirohaVOXPhone, Direct, kE0),
    on_off(VOXPhone, table_rows::kBriskoVOXPhoneIds, K::BriskoVOXPhone, Direct, kE0),
    on_off(VOXPhone, table_rows::kHandsfreeVOXIds, K::HandsfreeVOX, Direct, kE0),
    on_off(VOXIntercom, table_rows::kVantorVOXIntercomIds, K::VantorVOXIntercom, Direct, kE0),
    on_off(VOXIntercom, table_rows::kIntercomVOXIds, K::IntercomVOX, Direct, kE0),
    on_off(HDIntercom, table_rows::kVantorHDIntercomIds, K::VantorHDIntercom, Direct, kE0, kVantorHDIntercomRules),
    on_off(HDIntercom, kBriskoIds, K::BriskoHDIntercom, Direct, kE0),
    on_off(HDIntercom, table_rows::kHdIntercomIds, K::HdIntercom, Direct, kE9, kHdIntercomRules),
    on_off(EightWayIntercom, kBriskoIds, K::BriskoEightWayIntercom, Direct, kE0),
    on_off(HDVoice, table_rows::kHeronyxHDVoiceIds, K::HeronyxHDVoice, Direct, kE0),
    on_off(HDVoice, kQccIds, K::QCCHDVoice, Direct, kE0),
    on_off(HDVoice, table_rows::kHdVoiceIds, K::HdVoice, Direct, kE9, kHdVoiceRules),
    on_off(GuestMode, table_rows::kVantorMeshGuestModeIds, K::VantorMeshGuestMode, Direct, kE0),
    on_off(MeshReachOut, table_rows::kVantorMeshReachOutIds, K::VantorMeshReachOut, Direct, kE0),
    on_off(MeshReachOut, table_rows::kAirohaMeshReachOutIds, K::AirohaMeshReachOut, Direct, kE0),
    on_off(MeshReachOut, table_rows::kMeshReachOutIds, K::MeshReachOut, Direct, kE0),
    on_off(MeshReachOut, table_rows::kMeshReachOutLarnexIds, K::MeshReachOutLarnex, Direct, kE0),
    on_off(VoicePrompt, table_rows::kVantorVoicePromptIds, K::VantorVoicePrompt, Inverted, kE0),
    on_off(VoicePrompt, table_rows::kAirohaVoicePromptIds, K::AirohaVoicePrompt, Direct, kE0),
    on_off(VoicePrompt, kBriskoIds, K::BriskoVoicePrompt, Direct, kE0),
    on_off(VoicePrompt, table_rows::kVoicePromptIds, K::VoicePrompt, Inverted, kE0),
    on_off(VoiceCommand, table_rows::kBriskoWithoutHeadset, K::BriskoVoiceCommand, Direct, kE0),
    on_off(VoiceCommand, table_rows::kVantorVoiceCommandIds, K::VantorVoiceCommand, Direct, kE0),
    on_off(VoiceAssistant, table_rows::kVoiceAssistantIds, K::VoiceAssistant, Inverted, kE0),
    on_off(FMStationGuide, table_rows::kVantorFMStationGuideIds, K::VantorFMStationGuide, Direct, kE0),
    on_off(FMStationGuide, table_rows::kAirohaFMStationIds, K::AirohaFMStation, Direct, kE0),
    on_off(FMStationGuide, table_rows::kFmStationGuideIds, K::FmStationGuide, Direct, kE0),
    on_off(FMStationGuide, kBriskoIds, K::BriskoFMStationGuide, Direct, kE0),
    on_off(Sidetone, table_rows::kVantorSidetoneIds, K::VantorSidetone, Direct, kE0),
    on_off(Sidetone, kBriskoIds, K::BriskoSidetone, Direct, kE0),
    on_off(Sidetone, table_rows::kSidetoneIds, K::Sidetone, Direct, kE0),
    on_off(AdvancedNoiseControl, table_rows::kVantorAdvancedNoiseControlIds, K::VantorAdvancedNoiseControl, Inverted, kE0),
    on_off(AdvancedNoiseControl, table_rows::kAdvancedNoiseControlIds, K::AdvancedNoiseControl, Inverted, kE0),
    on_off(AdvancedNoiseControl, kBriskoIds, K::BriskoAdvancedNoiseControl, Direct, kE0),
    on_off(HighQualityA2DP, table_rows::kVantorA2DPIds, K::VantorHighQulityA2DP, Direct, kE0),
    on_off(HighQualityA2DP, table_rows::kBitpoolRateIds, K::BitpoolRate, Direct, kE0),
    on_off(HDSpeakerAccessory, table_rows::kVantorHDSpeakerAccessoryIds, K::VantorHDSpeakerAccessory, Direct, kE0, kVantorHDSpeakerRules),
    on_off(HDSpeakerAccessory, table_rows::kKelporHDSpeakerAccessoryIds, K::KelporHDSpeakerAccessory, Direct, kE0).acts(H::changeKelporHDSPeakerAccessory, kRefresh),
    on_off(HDSpeakerAccessory, table_rows::kBriskoHeadset, K::BriskoHDSpeakerAccessory, Direct, kE12),
    on_off(HDSpeakerAccessory, table_rows::kHIDOneModuleHDSpeakerAccessoryIds, K::HIDOneModuleHDSpeakerAccessory, Direct, kE0, kHIDOneModuleHDSpeakerRules),
    on_off(MerrowMic, table_rows::kEgranoMicAccessorySelectIds, K::EgranoMicAccessorySelect, Code8, kE0),
    on_off(WhiteLEDAlwaysOn, table_rows::kBriskoLEDControlIds, K::BriskoLEDControl, Direct, kE0),
    on_off(AutoOnOff, table_rows::kAirohaSpeakerIds, K::AirohaAutoOnOff, Direct, kE0).acts(H::changeAutoOff),
    on_off(AutoOnOff, table_rows::kOrletIds, K::AutoOnOff, Direct, kE0),
    on_off(AutoOff, table_rows::kAirohaAutoOffIds, K::AirohaAutoOff, Direct, kE0),
    on_off(AutoOff, table_rows::kQccAutoOffIds, K::QccAutoOff, Direct, kE0),
    on_off(AutoOff, kGrennikProducts, K::AutoOff, Direct, kE0),
    on_off(AutomaticPowerOff, table_rows::kAirohaPowerOffIds, K::AirohaAutoOff, Direct, kE0),
    on_off(SimpleMode, kGrennikProducts, K::SimpleUI, Direct, kE0),
    on_off(AdvancedFeatures, table_rows::kUILayerIds, K::UILayer, Direct, kE0),
    on_off(SmartNaviSystem, table_rows::kSmartNaviSystemIds, K::SmartNaviSystem, Direct, kE0),
    on_off(SmartNaviSystem, kGrennikProducts, K::SmartNaviSystem2, Direct, kE0).acts(H::changeSmartNaviSystem2),
    on_off(AutoStartRecording, table_rows::kAutoStartRecordingIds, K::AutoStartRecording, Inverted, kE0),
    on_off(DateCaption, table_rows::kWispenCamera, K::WispenCameraDateCaption, Direct, kE0),
    on_off(SpeakerSoundRecording, table_rows::kWispenCamera, K::WispenCameraSpeakerSoundRecording, Direct, kE0),
    on_off(SpeakerSoundRecordingMusic, table_rows::kWispenCamera, K::WispenCameraSpeakerSoundRecordingMusic, Direct, kE13),
    on_off(SpeakerSoundRecordingFMRadio, table_rows::kWispenCamera, K::WispenCameraSpeakerSoundRecordingFMRadio, Direct, kE13),
    on_off(SpeakerSoundRecordingIntercom, table_rows::kWispenCamera, K::WispenCameraSpeakerSoundRecordingIntercom, Direct, kE13),
    on_off(SpeakerSoundRecordingPhone, table_rows::kWispenCamera, K::WispenCameraSpeakerSoundRecordingPhone, Direct, kE13),
    on_off(AutoCameraSleep, table_rows::kWispenCamera, K::WispenCameraAutoCameraSleep, Direct, kE0),
    on_off(FMRadio, kOemHeadsetProducts, K::VARGOFMRadio, Direct, kE0).traced(RowTrace::RecognizedAndWorking),
    on_off(SmartphoneConnection, kOemHeadsetProducts, K::VARGOSmartphoneConnet, Direct, kE0).traced(RowTrace::RecognizedAndWorking),
    on_off(RemoteUIRTT, table_rows::kTresselRemoteUIPTTIds, K::TresselRemoteUIPTT, Inverted, kE0),
};
// clang-format on

} // namespace

std::span<const KindVariant> on_off_variants() { return kVariants; }

} // namespace kivo::settings
