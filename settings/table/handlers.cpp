#include "settings/table/handlers.h"

#include <array>

#include "common/system_log.h"
#include "device/products/panel_names.h"
#include "device/products/setting_writers.h"

namespace kivo::settings {
namespace {

using K = SettingKey;
using V = ValueRule;
using Products = std::span<const int>;

constexpr Writer writer(Products products, SettingKey key, ValueRule rule) { return {products, key, rule}; }
constexpr Writer others(SettingKey key, ValueRule rule) { return {{}, key, rule}; }
constexpr Writer kNothingStored{{}, std::nullopt, V::OneZero};

// clang-format off
constexpr std::array kIVOX = {writer(kVantorIds, K::VantorVOXIntercom, V::OneZero), writer(kVantorIntercomVoxExtraIds, K::VantorVOXIntercom, V::OneZero), others(K::IntercomVOX, V::OneZero)};
constexpr std::array kVoiceAssistant = {others(K::VoiceAssistant, V::OneZero)};
constexpr std::array kHVOX = {writer(kBriskoIds, K::BriskoVOXPhone, V::OneZero), writer(kVantorIds, K::VantorVOXPhone, V::OneZero), writer(kCsrSettingIds, K::VantorVOXPhone, V::OneZero), writer(kQccIds, K::VantorVOXPhone, V::OneZero), writer(kAirohaWideIds, K::AirohaVOXPhone, V::OneZero), others(K::HandsfreeVOX, V::OneZero)};
constexpr std::array kEDR = {writer(kCsrSettingIds, K::EDR, V::ZeroOne), others(K::Edr, V::ZeroOne)};
constexpr std::array kPLC = {others(K::Plc, V::OneZero)};
constexpr std::array kBitpoolRate = {writer(kVantorIds, K::VantorHighQulityA2DP, V::OneZero), writer(kCsrSettingIds, K::VantorHighQulityA2DP, V::OneZero), others(K::BitpoolRate, V::OneZero)};
constexpr std::array kMicrophoneBoost = {others(K::MicrophoneBoost, V::OneZero)};
constexpr std::array kSidetone = {writer(kBriskoIds, K::BriskoSidetone, V::OneZero), writer(kVantorIds, K::VantorSidetone, V::OneZero), writer(kVantorWordOemIds, K::VantorSidetone, V::OneZero), writer(kCsrSettingIds, K::VantorSidetone, V::OneZero), writer(kAirohaSidetoneIds, K::AirohaSidetone, V::OneZero), others(K::Sidetone, V::OneZero)};
constexpr std::array kAdvancedNoiseControl = {writer(kBriskoIds, K::BriskoAdvancedNoiseControl, V::OneZero), writer(kVantorIds, K::VantorAdvancedNoiseControl, V::ZeroOne), others(K::AdvancedNoiseControl, V::ZeroOne)};
constexpr std::array kAutoStartRecording = {others(K::AutoStartRecording, V::ZeroOne)};
constexpr std::array kLEDControl = {writer(kBriskoLedControlIds, K::BriskoLEDControl, V::OneZero), kNothingStored};
constexpr std::array kAutoGainControl = {others(K::AutoGainControl, V::ZeroOne)};
constexpr std::array kAutoOnOff = {others(K::AutoOnOff, V::OneZero)};
constexpr std::array kAudioBoost = {writer(kBriskoIds, K::BriskoAudioBoost, V::OneZero), writer(kVantorIds, K::VantorAudioBoost, V::ZeroOne), writer(kAirohaAudioBoostIds, K::AirohaAudioBoost, V::OneZero), others(K::AudioBoost, V::ZeroOne)};
constexpr std::array kHDSpeakerAccessory = {writer(kBriskoHdSpeakerIds, K::BriskoHDSpeakerAccessory, V::OneZero), writer(kVantorHdSpeakerIds, K::VantorHDSpeakerAccessory, V::OneZero), writer(kOneModuleHdSpeakerIds, K::HIDOneModuleHDSpeakerAccessory, V::OneZero), kNothingStored};
constexpr std::array kMotionSensorSensitivity = {others(K::BriskoMotionSensorSensitivity, V::IndexPlusOne)};
constexpr std::array kAudioMultitasking = {others(K::BriskoAudioMultitasking, V::OneZero)};
constexpr std::array kAudioMultitaskingSensitivity = {writer(kVantorIds, K::VantorAudioOverlaySensitivity, V::IndexPlusOne), writer(kVantorWordOemIds, K::VantorAudioOverlaySensitivity, V::IndexPlusOne), writer(kAirohaIds, K::AirohaIntercomAudioOverlaySensitivity, V::Index), writer(kQccWordHeadsetIds, K::QCCAudioOverlaySensitivity, V::IndexPlusOne), writer(kQccIds, K::QCCAudioOverlaySensitivity, V::IndexPlusOne), others(K::BriskoAudioMultitaskingSensitivity, V::TenMinusIndex)};
constexpr std::array kRemoteUIPTT = {others(K::TresselRemoteUIPTT, V::OneZero)};
constexpr std::array kMeshPublicChannel = {writer(kMossraMeshChannelIds, K::MossraMeshPublicChannel, V::IndexPlusOne), writer(kTresselMeshChannelIds, K::TresselMeshPublicChannel, V::Index), others(K::VantorMeshPublicChannel, V::Index)};
constexpr std::array kUnitLanguage = {writer(kVantorUnitLanguageIds, K::VantorUnitLanguage, V::Index), writer(kYorbitIds, K::YorbitUnitLanguage, V::Index), writer(kZaffreUnitLanguageIds, K::ZaffreUnitLanguage, V::Index), writer(kKelporUnitLanguageIds, K::KelporUnitLanguage, V::Index), writer(kVoskaUnitLanguageIds, K::VOSKAUnitLanguage, V::Index), writer(kPellonUnitLanguageIds, K::PellonUnitLanguage, V::Index), writer(kRuskanUnitLanguageIds, K::RUSKANUnitLanguage, V::Index), writer(kUlmeckUnitLanguageIds, K::UlmeckUnitLanguage, V::Index), writer(kYarloUnitLanguageIds, K::YarloUnitLanguage, V::Index), writer(kAirohaUnitLanguageIds, K::AirohaUnitLanguage, V::Index), writer(kQixaUnitLanguageIds, K::AirohaQIXAUnitLanguage, V::Index), writer(kKelpor8rUnitLanguageIds, K::AirohaUnitLanguageKELPOR8R, V::Index), kNothingStored};
constexpr std::array kAudioEqualizer = {writer(kBriskoHdSpeakerIds, K::BriskoAudioEqualizer, V::Index), writer(kVantorHdSpeakerIds, K::VantorEqualizer, V::Index), writer(kHeronyxIds, K::EgranoEqualizer, V::Index), writer(kYarloEqualizerIds, K::YarloEqualizer, V::Index), writer(kQccWordHeadsetIds, K::QCCAudioEqualizer, V::Index), writer(kQccIds, K::QCCAudioEqualizer, V::Index), writer(kAirohaIds, K::AirohaAudioEqualizer, V::Index), kNothingStored};
constexpr std::array kSpeakerSelect = {writer(kBriskoHdSpeakerIds, K::BriskoDuvaneSpeakerAccessorySelect, V::Index), writer(kDuvaneSpeakerSelectIds, K::DuvaneSpeakerAccessorySelect, V::Index), others(K::EgranoSpeakerAccessorySelect, V::Index)};
constexpr std::array kMicSelect = {others(K::EgranoMicAccessorySelect, V::OneZero)};
constexpr std::array kNavigationAppOverlay = {others(K::BriskoNavigationAppOverlay, V::OneZero)};
constexpr std::array kVoicePrompt = {writer(kBriskoIds, K::BriskoVoicePrompt, V::OneZero), writer(kVantorIds, K::VantorVoicePrompt, V::ZeroOne), writer(kYorbitIds, K::VantorVoicePrompt, V::ZeroOne), writer(kQccIds, K::VantorVoicePrompt, V::ZeroOne), writer(kAirohaWideIds, K::AirohaVoicePrompt, V::OneZero), others(K::VoicePrompt, V::ZeroOne)};
constexpr std::array kAdaptiveLight = {writer(kAirohaWideIds, K::AirohaAdaptiveLight, V::OneZero), kNothingStored};
constexpr std::array kHDIntercom = {writer(kBriskoIds, K::BriskoHDIntercom, V::OneZero), writer(kVantorIds, K::VantorHDIntercom, V::OneZero), others(K::HdIntercom, V::OneZero)};
constexpr std::array kEightWayIntercom = {others(K::BriskoEightWayIntercom, V::OneZero)};
constexpr std::array kFMStationGuide = {writer(kBriskoIds, K::BriskoFMStationGuide, V::OneZero), writer(kVantorIds, K::VantorFMStationGuide, V::OneZero), writer(kVantorWordOemIds, K::VantorFMStationGuide, V::OneZero), writer(kYorbitIds, K::VantorFMStationGuide, V::OneZero), writer(kQccIds, K::VantorFMStationGuide, V::OneZero), writer(kAirohaFmStationIds, K::AirohaFMStation, V::OneZero), others(K::FmStationGuide, V::OneZero)};
constexpr std::array kHDVoice = {writer(kHeronyxIds, K::HeronyxHDVoice, V::OneZero), writer(kQccIds, K::QCCHDVoice, V::OneZero), others(K::HdVoice, V::OneZero)};
constexpr std::array kAudioSourcePriority = {others(K::AudioSourcePriority, V::Index)};
constexpr std::array kBackgroundVolume = {others(K::BackgroundVolume, V::Index)};
constexpr std::array kAudioOverlay = {writer(kVantorIds, K::VantorAudioOverlay, V::OneZero), writer(kVantorWordOemIds, K::VantorAudioOverlay, V::OneZero), others(K::AudioOverlay, V::OneZero)};
constexpr std::array kAutoOff = {writer(kAirohaAutoOnOffIds, K::AirohaAutoOnOff, V::OneZero), writer(kAirohaAutoOffIds, K::AirohaAutoOff, V::OneZero), writer(kQccAutoOffIds, K::QccAutoOff, V::OneZero), others(K::AutoOff, V::OneZero)};
constexpr std::array kSimpleUI = {others(K::SimpleUI, V::OneZero)};
constexpr std::array kSmartNaviSystem2 = {others(K::SmartNaviSystem2, V::OneZero)};
constexpr std::array kSmartNaviSystem = {others(K::SmartNaviSystem, V::OneZero)};
constexpr std::array kSmartVolumeControl = {writer(kTavelSmartVolumeIds, K::TavelSmartVolumeControl, V::Index), others(K::BriskoSmartVolumeControl, V::Index)};
constexpr std::array kChannel = {others(K::LinkbayChannel, V::IndexPlusOne)};
constexpr std::array kVolume = {others(K::LinkbayVolume, V::IndexPlusEight)};
constexpr std::array kMicrophone = {others(K::LinkbayMicrophone, V::IndexPlusEight)};
constexpr std::array kVOXSensitivity = {writer(kVantorIds, K::VantorVoxSensitivity, V::IndexPlusOne), writer(kAirohaIds, K::AirohaVoxSensitivity, V::Index), writer(kJunovaVoxSensitivityIds, K::JUNOVAVOXSensitivity, V::IndexPlusOne), writer(kQccIds, K::QCCVOXSensitivity, V::IndexPlusOne), others(K::PintraVOXSensitivity, V::IndexPlusOne)};
constexpr std::array kMeshMode = {others(K::VantorMeshMode, V::Index)};
constexpr std::array kMeshGuestMode = {others(K::VantorMeshGuestMode, V::OneZero)};
constexpr std::array kAGCSensitivity = {others(K::VantorAGCSensitivity, V::Index)};
constexpr std::array kUILayer = {others(K::UILayer, V::OneZero)};
constexpr std::array kKelporHDSpeakerAccessory = {others(K::KelporHDSpeakerAccessory, V::OneZero)};
constexpr std::array kMeshReachOut = {writer(kAirohaMeshReachOutIds, K::AirohaMeshReachOut, V::OneZero), writer(kVantorMeshReachOutIds, K::VantorMeshReachOut, V::OneZero), writer(kLarnexMeshReachOutIds, K::MeshReachOutLarnex, V::OneZero), others(K::MeshReachOut, V::ZeroOne)};
constexpr std::array kFMRadioOnVargo = {others(K::VARGOFMRadio, V::OneZero)};
constexpr std::array kPhoneOnVargo = {others(K::VARGOSmartphoneConnet, V::OneZero)};
constexpr std::array kAudioOverlayVolumeManagement = {writer(kAirohaIds, K::AirohaAudioOverlayVolumeManagement, V::OneZero), writer(kVantorWordOemIds, K::VantorAudioOverlayVolumeManagement, V::OneZero), writer(kQccIds, K::QCCAudioOverlayVolumeManagement, V::ZeroOne), others(K::VantorAudioOverlayVolumeManagement, V::ZeroOne)};
constexpr std::array kVoiceCommand = {writer(kBriskoIds, K::BriskoVoiceCommand, V::OneZero), others(K::VantorVoiceCommand, V::OneZero)};
constexpr std::array kPhotoMode = {others(K::WispenCameraPhotoMode, V::Index)};
constexpr std::array kVideoMode = {others(K::WispenCameraVideoMode, V::Index)};
constexpr std::array kVideoResolution = {others(K::WispenCameraVideoResolution, V::Index)};
constexpr std::array kTimelapseInterval = {others(K::WispenCameraTimelapseInterval, V::Index)};
constexpr std::array kDateCaption = {others(K::WispenCameraDateCaption, V::OneZero)};
constexpr std::array kSpeakerSoundRecording = {others(K::WispenCameraSpeakerSoundRecording, V::OneZero)};
constexpr std::array kSpeakerSoundRecordingMusic = {others(K::WispenCameraSpeakerSoundRecordingMusic, V::OneZero)};
constexpr std::array kSpeakerSoundRecordingFMRadio = {others(K::WispenCameraSpeakerSoundRecordingFMRadio, V::OneZero)};
constexpr std::array kSpeakerSoundRecordingIntercom = {others(K::WispenCameraSpeakerSoundRecordingIntercom, V::OneZero)};
constexpr std::array kSpeakerSoundRecordingPhone = {others(K::WispenCameraSpeakerSoundRecordingPhone, V::OneZero)};
constexpr std::array kAutoCameraSleep = {others(K::WispenCameraAutoCameraSleep, V::OneZero)};
constexpr std::array kVideoTaggingInterval = {others(K::WispenCameraVideoTaggingInterval, V::Index)};
constexpr std::array kLoopRecordingInterval = {others(K::WispenCameraLoopRecordingInterval, V::Index)};
constexpr std::array kVideoMicrophoneGain = {others(K::WispenCameraVideoMicrophoneGain, V::Index)};
constexpr std::array kESSStatus = {others(K::EssStatus, V::Index)};
constexpr std::array kESSSensitivity = {others(K::EssSensitivity, V::IndexPlusOne)};
constexpr std::array kMicGain = {others(K::MicGain, V::MicGainLevel)};
constexpr std::array kRTG = {others(K::RadioTransmitGain, V::Gain)};
constexpr std::array kACT = {others(K::AudioChannelTimeout, V::Seconds)};

using C = HandlerControl;
constexpr Coupling kNone = Coupling::None;

#define KIVO_HANDLER(id, control, writers, coupling) Handler{HandlerId::id, #id, control, writers, coupling}
constexpr std::array kHandlers = {
    KIVO_HANDLER(changeIVOX, C::OnOff, kIVOX, kNone),
    KIVO_HANDLER(changeVoiceAssistant, C::OnOff, kVoiceAssistant, kNone),
    KIVO_HANDLER(changeHVOX, C::OnOff, kHVOX, kNone),
    KIVO_HANDLER(changeEDR, C::OnOff, kEDR, kNone),
    KIVO_HANDLER(changePLC, C::OnOff, kPLC, kNone),
    KIVO_HANDLER(changeBitpoolRate, C::OnOff, kBitpoolRate, kNone),
    KIVO_HANDLER(changeMicrophoneBoost, C::OnOff, kMicrophoneBoost, kNone),
    KIVO_HANDLER(changeSidetone, C::OnOff, kSidetone, kNone),
    KIVO_HANDLER(changeAdvancedNoiseControl, C::OnOff, kAdvancedNoiseControl, kNone),
    KIVO_HANDLER(changeAutoStartRecording, C::OnOff, kAutoStartRecording, kNone),
    KIVO_HANDLER(changeLEDControl, C::OnOff, kLEDControl, kNone),
    KIVO_HANDLER(changeAutoGainControl, C::OnOff, kAutoGainControl, kNone),
    KIVO_HANDLER(changeAutoOnOff, C::OnOff, kAutoOnOff, kNone),
    KIVO_HANDLER(changeAudioBoost, C::OnOff, kAudioBoost, kNone),
    KIVO_HANDLER(changeHDSpeakerAccessory, C::OnOff, kHDSpeakerAccessory, Coupling::HDSpeakerAudioBoost),
    KIVO_HANDLER(changeMotionSensorSensitivity, C::PopUp, kMotionSensorSensitivity, kNone),
    KIVO_HANDLER(changeAudioMultitasking, C::OnOff, kAudioMultitasking, kNone),
    KIVO_HANDLER(changeAudioMultitaskingSensitivity, C::PopUp, kAudioMultitaskingSensitivity, kNone),
    KIVO_HANDLER(changeRemoteUIPTT, C::OnOff, kRemoteUIPTT, kNone),
    KIVO_HANDLER(changeMeshPublicChannel, C::PopUp, kMeshPublicChannel, kNone),
    KIVO_HANDLER(changeUnitLanguage, C::PopUp, kUnitLanguage, kNone),
    KIVO_HANDLER(changeAudioEqualizer, C::PopUp, kAudioEqualizer, kNone),
    KIVO_HANDLER(changeSpeakerSelect, C::PopUp, kSpeakerSelect, kNone),
    KIVO_HANDLER(changeMicSelect, C::OnOff, kMicSelect, kNone),
    KIVO_HANDLER(changeNavigationAppOverlay, C::OnOff, kNavigationAppOverlay, kNone),
    KIVO_HANDLER(changeVoicePrompt, C::OnOff, kVoicePrompt, kNone),
    KIVO_HANDLER(changeAdaptiveLight, C::OnOff, kAdaptiveLight, kNone),
    KIVO_HANDLER(changeHDIntercom, C::OnOff, kHDIntercom, kNone),
    KIVO_HANDLER(changeEightWayIntercom, C::OnOff, kEightWayIntercom, kNone),
    KIVO_HANDLER(changeFMStationGuide, C::OnOff, kFMStationGuide, kNone),
    KIVO_HANDLER(changeHDVoice, C::OnOff, kHDVoice, kNone),
    KIVO_HANDLER(changeAudioSourcePriority, C::PopUp, kAudioSourcePriority, kNone),
    KIVO_HANDLER(changeBackgroundVolume, C::PopUp, kBackgroundVolume, kNone),
    KIVO_HANDLER(changeAudioOverlay, C::OnOff, kAudioOverlay, kNone),
    KIVO_HANDLER(changeAutoOff, C::OnOff, kAutoOff, kNone),
    KIVO_HANDLER(changeSimpleUI, C::OnOff, kSimpleUI, kNone),
    KIVO_HANDLER(changeSmartNaviSystem2, C::OnOff, kSmartNaviSystem2, kNone),
    KIVO_HANDLER(changeSmartNaviSystem, C::OnOff, kSmartNaviSystem, kNone),
    KIVO_HANDLER(changeSmartVolumeControl, C::PopUp, kSmartVolumeControl, kNone),
    KIVO_HANDLER(changeChannel, C::PopUp, kChannel, kNone),
    KIVO_HANDLER(changeVolume, C::PopUp, kVolume, kNone),
    KIVO_HANDLER(changeMicrophone, C::PopUp, kMicrophone, kNone),
    KIVO_HANDLER(changeVOXSensitivity, C::PopUp, kVOXSensitivity, kNone),
    KIVO_HANDLER(changeMeshMode, C::PopUp, kMeshMode, kNone),
    KIVO_HANDLER(changeMeshGuestMode, C::OnOff, kMeshGuestMode, kNone),
    KIVO_HANDLER(changeAGCSensitivity, C::PopUp, kAGCSensitivity, kNone),
    KIVO_HANDLER(changeUILayer, C::OnOff, kUILayer, kNone),
    KIVO_HANDLER(changeKelporHDSPeakerAccessory, C::OnOff, kKelporHDSpeakerAccessory, kNone),
    KIVO_HANDLER(changeMeshReachOut, C::OnOff, kMeshReachOut, kNone),
    KIVO_HANDLER(changeFMRadioOnVargo, C::OnOff, kFMRadioOnVargo, kNone),
    KIVO_HANDLER(changePhoneOnVargo, C::OnOff, kPhoneOnVargo, kNone),
    KIVO_HANDLER(changeAudioOverlayVolumeManagement, C::OnOff, kAudioOverlayVolumeManagement, kNone),
    KIVO_HANDLER(changeVoiceCommand, C::OnOff, kVoiceCommand, kNone),
    KIVO_HANDLER(changePhotoMode, C::PopUp, kPhotoMode, kNone),
    KIVO_HANDLER(changeVideoMode, C::PopUp, kVideoMode, kNone),
    KIVO_HANDLER(changeVideoResolution, C::PopUp, kVideoResolution, kNone),
    KIVO_HANDLER(changeTimelapseInterval, C::PopUp, kTimelapseInterval, kNone),
    KIVO_HANDLER(changeDateCaption, C::OnOff, kDateCaption, kNone),
    KIVO_HANDLER(changeSpeakerSoundRecording, C::OnOff, kSpeakerSoundRecording, kNone),
    KIVO_HANDLER(changeSpeakerSoundRecordingMusic, C::OnOff, kSpeakerSoundRecordingMusic, kNone),
    KIVO_HANDLER(changeSpeakerSoundRecordingFMRadio, C::OnOff, kSpeakerSoundRecordingFMRadio, kNone),
    KIVO_HANDLER(changeSpeakerSoundRecordingIntercom, C::OnOff, kSpeakerSoundRecordingIntercom, kNone),
    KIVO_HANDLER(changeSpeakerSoundRecordingPhone, C::OnOff, kSpeakerSoundRecordingPhone, kNone),
    KIVO_HANDLER(changeAutoCameraSleep, C::OnOff, kAutoCameraSleep, kNone),
    KIVO_HANDLER(changeVideoTaggingInterval, C::PopUp, kVideoTaggingInterval, kNone),
    KIVO_HANDLER(changeLoopRecordingInterval, C::PopUp, kLoopRecordingInterval, kNone),
    KIVO_HANDLER(changeVideoMicrophoneGain, C::PopUp, kVideoMicrophoneGain, kNone),
    KIVO_HANDLER(changeESSStatus, C::PopUp, kESSStatus, kNone),
    KIVO_HANDLER(changeESSSensitivity, C::PopUp, kESSSensitivity, kNone),
    KIVO_HANDLER(changeMicGain, C::PopUp, kMicGain, Coupling::MicGainTrace),
    KIVO_HANDLER(changeRTG, C::GainCells, kRTG, kNone),
    KIVO_HANDLER(changeACT, C::Seconds, kACT, kNone),
};
#undef KIVO_HANDLER
// clang-format on

constexpr bool in_order()
{
    for (std::size_t i = 0; i < kHandlers.size(); ++i)
        if (static_cast<std::size_t>(kHandlers[i].id) != i)
            return false;
    return true;
}
static_assert(in_order());
static_assert(kHandlers.size() == static_cast<std::size_t>(HandlerId::changeACT) + 1);

// Every handler ends with the Others writer.
constexpr bool others_last()
{
    for (const Handler& h : kHandlers) {
        if (h.writers.empty() || !h.writers.back().products.empty())
            return false;
        for (std::size_t i = 0; i + 1 < h.writers.size(); ++i)
            if (h.writers[i].products.empty())
                return false;
    }
    return true;
}
static_assert(others_last());

constexpr int kGainOfColumn[] = {12, 15, 17};
constexpr int kMicGainLevels = 3;

// The accessory switched on turns the family's audio boost off for the user; the one-module
// headsets store "off" as 1 in their plain setting.
void couple_audio_boost(const AccessContext& context, Record& working)
{
    const int product = context.product;
    if (product_in(kBriskoHdSpeakerIds, product)) {
        if (read(K::BriskoHDSpeakerAccessory, working, context) == 1 &&
            read(K::BriskoAudioBoost, working, context) == 1)
            write(K::BriskoAudioBoost, working, 0, context);
    } else if (product_in(kVantorHdSpeakerIds, product)) {
        if (read(K::VantorHDSpeakerAccessory, working, context) == 1 &&
            read(K::VantorAudioBoost, working, context) == 0)
            write(K::VantorAudioBoost, working, 1, context);
    } else if (product_in(kOneModuleHdSpeakerIds, product)) {
        if (read(K::HIDOneModuleHDSpeakerAccessory, working, context) == 1 &&
            read(K::AudioBoost, working, context) == 0)
            write(K::AudioBoost, working, 1, context);
    }
}

} // namespace

std::span<const Handler> handlers() { return kHandlers; }

const Handler& handler(HandlerId id) { return kHandlers[static_cast<std::size_t>(id)]; }

const Writer& writer_for(HandlerId id, int product)
{
    const std::span<const Writer> writers = handler(id).writers;
    for (const Writer& w : writers)
        if (w.products.empty() || product_in(w.products, product))
            return w;
    return writers.back();
}

std::optional<int> written_value(const Writer& writer, int i)
{
    switch (writer.rule) {
    case V::OneZero:
        if (i == 0 || i == 1)
            return 1 - i;
        return std::nullopt;
    case V::ZeroOne:
        if (i == 0 || i == 1)
            return i;
        return std::nullopt;
    case V::Index:
    case V::IndexPlusOne:
    case V::TenMinusIndex:
    case V::IndexPlusEight:
        if (i < 0)
            return std::nullopt;
        return writer.rule == V::Index        ? i
            : writer.rule == V::IndexPlusOne  ? i + 1
            : writer.rule == V::TenMinusIndex ? 10 - i
                                              : i + 8;
    case V::MicGainLevel:
        if (i < 0 || i >= kMicGainLevels)
            return std::nullopt;
        return 2 * i + 1;
    case V::Gain:
        if (i < 0 || i >= static_cast<int>(std::size(kGainOfColumn)))
            return std::nullopt;
        return kGainOfColumn[i];
    case V::Seconds: return i;
    }
    return std::nullopt;
}

bool apply_change(HandlerId id, int column_or_index, const AccessContext& context, Record& working)
{
    const Handler& h = handler(id);
    if (h.coupling == Coupling::MicGainTrace)
        system_logf("send Num[%ld]", static_cast<long>(column_or_index));
    const Writer& w = writer_for(id, context.product);
    const std::optional<int> value = written_value(w, column_or_index);
    if (!w.key || !value)
        return false;
    write(*w.key, working, *value, context);
    if (h.coupling == Coupling::HDSpeakerAudioBoost)
        couple_audio_boost(context, working);
    return true;
}

std::string_view value_rule_text(ValueRule rule)
{
    switch (rule) {
    case V::OneZero: return "1/0";
    case V::ZeroOne: return "0/1";
    case V::Index: return "i";
    case V::IndexPlusOne: return "i+1";
    case V::TenMinusIndex: return "10-i";
    case V::IndexPlusEight: return "i+8";
    case V::MicGainLevel: return "2i+1 (i<3)";
    case V::Gain: return "12/15/17";
    case V::Seconds: return "seconds";
    }
    return "?";
}

std::string_view coupling_text(Coupling coupling)
{
    switch (coupling) {
    case Coupling::None: return "none";
    case Coupling::HDSpeakerAudioBoost: return "accessory on turns audio boost off";
    case Coupling::MicGainTrace: return "trace \"send Num[%ld]\"";
    }
    return "?";
}

} // namespace kivo::settings
