// The kinds of the restore table's rows: per kind its title (one text of the shared registry per
// English title), the catalogue key its value is read with and the rule that writes it. A row reads
// the key its setting's change handler writes for the products that show it, and names the value
// as the settings page's control does, so the row shows what the user chose: the voice assistant
// its own bit, auto on-off and the 0x6038 switches as their handlers store them, the mesh channels
// and VOX sensitivities as the numbers and channels their pop-ups show, the languages of the
// device's list. The FM radio and smartphone switches of 0x3142 live in a record the backup does
// not hold: their rows stay, without a value.

#include "settings/table/item_texts.h"
#include "settings/table/restore_rows.h"
#include "settings/table/titles.h"

namespace kivo::settings {
namespace {

using K = SettingKey;
using R = RestoreRule;
using enum RestoreKind;

constexpr RestoreKindInfo kind(RestoreKind kind, std::string_view code, const Translated* title, SettingKey key,
                               RestoreRule rule)
{
    return {kind, code, title, key, rule};
}

constexpr RestoreKindInfo blank(RestoreKind kind, std::string_view code, const Translated* title)
{
    return {kind, code, title, std::nullopt, RestoreRule::Blank};
}

// clang-format off
constexpr RestoreKindInfo kKinds[] = {
    kind(ANC, "ANC", &titles::kAdvancedNoiseControl, K::AdvancedNoiseControl, R::I),
    kind(ANC_b, "ANC-b", &titles::kAdvancedNoiseControl, K::BriskoAdvancedNoiseControl, R::O),
    kind(ANC_v, "ANC-v", &titles::kAdvancedNoiseControl, K::VantorAdvancedNoiseControl, R::I),
    kind(AF_u, "AF-u", &titles::kAdvancedFeatures, K::UILayer, R::O),
    kind(AB, "AB", &titles::kAudioBoost, K::AudioBoost, R::I),
    kind(AB_b, "AB-b", &titles::kAudioBoost, K::BriskoAudioBoost, R::O),
    kind(AB_v, "AB-v", &titles::kAudioBoost, K::VantorAudioBoost, R::I),
    kind(EQ_a, "EQ-a", &titles::kAudioEqualizer, K::AirohaAudioEqualizer, R::E1),
    kind(EQ_e, "EQ-e", &titles::kAudioEqualizer, K::EgranoEqualizer, R::E2),
    kind(EQ_e2, "EQ-e2", &titles::kAudioEqualizer, K::EgranoEqualizer, R::E1),
    kind(EQ_n, "EQ-n", &titles::kAudioEqualizer, K::VantorEqualizer, R::E1),
    kind(EQ_q, "EQ-q", &titles::kAudioEqualizer, K::QCCAudioEqualizer, R::E1),
    kind(EQ_y, "EQ-y", &titles::kAudioEqualizer, K::YarloEqualizer, R::E1),
    kind(EQ_y2, "EQ-y2", &titles::kAudioEqualizer, K::YarloEqualizer, R::E2),
    kind(AMP, "AMP", &titles::kAudioMultitasking, K::AudioOverlay, R::O),
    kind(AM, "AM", &titles::kAudioMultitasking, K::AudioOverlay, R::O),
    kind(AM_b, "AM-b", &titles::kAudioMultitasking, K::BriskoAudioMultitasking, R::O),
    kind(OVM_a, "OVM-a", &titles::kAudioOverlayVolumeManagement, K::AirohaAudioOverlayVolumeManagement, R::O),
    kind(OVM_b, "OVM-b", &titles::kAudioOverlayVolumeManagement, K::BriskoNavigationAppOverlay, R::O),
    kind(OVM_q, "OVM-q", &titles::kAudioOverlayVolumeManagement, K::QCCAudioOverlayVolumeManagement, R::O),
    kind(OVM_v, "OVM-v", &titles::kAudioOverlayVolumeManagement, K::VantorAudioOverlayVolumeManagement, R::O),
    kind(OVM_vi, "OVM-vi", &titles::kAudioOverlayVolumeManagement, K::VantorAudioOverlayVolumeManagement, R::Z),
    kind(AO, "AO", &titles::kAudioOverlay, K::AudioOverlay, R::O),
    kind(ASP, "ASP", &titles::kAudioSourcePriority, K::AudioSourcePriority, R::P),
    kind(ACS_w, "ACS-w", &titles::kAutoCameraSleep, K::WispenCameraAutoCameraSleep, R::O),
    kind(AOF, "AOF", &titles::kAutoOnOff, K::AutoOnOff, R::O),
    kind(ASR, "ASR", &titles::kAutoStartRecording, K::AutoStartRecording, R::I),
    kind(BAM_v, "BAM-v", &titles::kBluetoothIntercomAudioMultitasking, K::VantorAudioOverlay, R::O),
    kind(CH_l, "CH-l", &titles::kChannel, K::LinkbayChannel, R::N),
    kind(CHS_m, "CHS-m", &titles::kChannelSetting, K::MossraMeshPublicChannel, R::CH),
    kind(DCP_w, "DCP-w", &titles::kDateCaption, K::WispenCameraDateCaption, R::O),
    kind(ESC_s, "ESC-s", &titles::kESSConfiguration, K::EssStatus, R::EC),
    kind(ESN_s, "ESN-s", &titles::kESSSensitivity, K::EssSensitivity, R::ES),
    kind(EWI_b, "EWI-b", &titles::kEightWayIntercom, K::BriskoEightWayIntercom, R::O),
    blank(FMR_c, "FMR-c", &titles::kFMRadio),
    kind(SRF_w, "SRF-w", &titles::kSpeakerSoundRecordingFMRadio, K::WispenCameraSpeakerSoundRecordingFMRadio, R::O),
    kind(FSG, "FSG", &titles::kFMStationGuide, K::FmStationGuide, R::O),
    kind(FSG_a, "FSG-a", &titles::kFMStationGuide, K::AirohaFMStation, R::O),
    kind(FSG_b, "FSG-b", &titles::kFMStationGuide, K::BriskoFMStationGuide, R::O),
    kind(FSG_v, "FSG-v", &titles::kFMStationGuide, K::VantorFMStationGuide, R::O),
    kind(GM_v, "GM-v", &titles::kGuestMode, K::VantorMeshGuestMode, R::O),
    kind(HDI, "HDI", &titles::kHDIntercom, K::HdIntercom, R::O),
    kind(HDI_b, "HDI-b", &titles::kHDIntercom, K::BriskoHDIntercom, R::O),
    kind(HDI_v, "HDI-v", &titles::kHDIntercom, K::VantorHDIntercom, R::O),
    kind(HSA_k, "HSA-k", &titles::kHDSpeakerAccessory, K::KelporHDSpeakerAccessory, R::O),
    kind(HSA_o, "HSA-o", &titles::kHDSpeakerAccessory, K::HIDOneModuleHDSpeakerAccessory, R::O),
    kind(HSA_v, "HSA-v", &titles::kHDSpeakerAccessory, K::VantorHDSpeakerAccessory, R::O),
    kind(HDV, "HDV", &titles::kHDVoice, K::HdVoice, R::O),
    kind(HDV_h, "HDV-h", &titles::kHDVoice, K::HeronyxHDVoice, R::O),
    kind(HL_a, "HL-a", &titles::kHeadsetLanguage, K::AirohaUnitLanguage, R::U1),
    kind(HL_v, "HL-v", &titles::kHeadsetLanguage, K::VantorUnitLanguage, R::U1),
    kind(HL_x, "HL-x", &titles::kHeadsetLanguage, K::AirohaQIXAUnitLanguage, R::UQ),
    kind(HL_y, "HL-y", &titles::kHeadsetLanguage, K::YarloUnitLanguage, R::U1),
    kind(HL_y2, "HL-y2", &titles::kHeadsetLanguage, K::YarloUnitLanguage, R::U2),
    kind(HQA, "HQA", &titles::kHighQualityA2DP, K::BitpoolRate, R::O),
    kind(HQA_v, "HQA-v", &titles::kHighQualityA2DP, K::VantorHighQulityA2DP, R::O),
    kind(SRI_w, "SRI-w", &titles::kSpeakerSoundRecordingIntercom, K::WispenCameraSpeakerSoundRecordingIntercom, R::O),
    kind(IOS_a, "IOS-a", &titles::kIntercomAudioOverlaySensitivity, K::AirohaIntercomAudioOverlaySensitivity, R::NPlus1),
    kind(IOS_b, "IOS-b", &titles::kIntercomAudioOverlaySensitivity, K::BriskoAudioMultitaskingSensitivity, R::ElevenMinusN),
    kind(IOS_v, "IOS-v", &titles::kIntercomAudioOverlaySensitivity, K::VantorAudioOverlaySensitivity, R::N),
    kind(LRM_w, "LRM-w", &item_texts::kLoopRecordingMode, K::WispenCameraLoopRecordingInterval, R::LR),
    kind(MSS_b, "MSS-b", &titles::kMotionSensorSensitivity, K::BriskoMotionSensorSensitivity, R::LM),
    kind(SRM_w, "SRM-w", &titles::kSpeakerSoundRecordingMusic, K::WispenCameraSpeakerSoundRecordingMusic, R::O),
    kind(NAS_b, "NAS-b", &titles::kNavigationAppSupport, K::BriskoNavigationAppOverlay, R::O),
    kind(SRP_w, "SRP-w", &titles::kSpeakerSoundRecordingPhone, K::WispenCameraSpeakerSoundRecordingPhone, R::O),
    kind(PHM_w, "PHM-w", &titles::kPhotoMode, K::WispenCameraPhotoMode, R::PH),
    kind(ST, "ST", &titles::kSidetone, K::Sidetone, R::O),
    kind(ST_b, "ST-b", &titles::kSidetone, K::BriskoSidetone, R::O),
    kind(ST_v, "ST-v", &titles::kSidetone, K::VantorSidetone, R::O),
    kind(SNS, "SNS", &titles::kSmartNaviSystem, K::SmartNaviSystem, R::O),
    kind(SVC_b, "SVC-b", &titles::kSmartVolumeControl, K::BriskoSmartVolumeControl, R::L3),
    kind(SVC_t, "SVC-t", &titles::kSmartVolumeControl, K::TavelSmartVolumeControl, R::L3),
    kind(SVC_v, "SVC-v", &titles::kSmartVolumeControl, K::VantorAGCSensitivity, R::L3),
    blank(SPC_c, "SPC-c", &titles::kSmartphoneConnection),
    kind(SSR_w, "SSR-w", &titles::kSpeakerSoundRecording, K::WispenCameraSpeakerSoundRecording, R::O),
    kind(TLI_w, "TLI-w", &titles::kTimelapseInterval, K::WispenCameraTimelapseInterval, R::TL),
    kind(UL_k, "UL-k", &titles::kUnitLanguage, K::KelporUnitLanguage, R::U3),
    kind(UL_r, "UL-r", &titles::kUnitLanguage, K::YorbitUnitLanguage, R::U1),
    kind(UL_v, "UL-v", &titles::kUnitLanguage, K::VantorUnitLanguage, R::U1),
    kind(UL_y, "UL-y", &titles::kUnitLanguage, K::YarloUnitLanguage, R::U3),
    kind(UL_y2, "UL-y2", &titles::kUnitLanguage, K::YarloUnitLanguage, R::U1),
    kind(UL_z, "UL-z", &titles::kUnitLanguage, K::ZaffreUnitLanguage, R::U4),
    kind(VXI, "VXI", &titles::kVOXIntercom, K::IntercomVOX, R::O),
    kind(VXI_v, "VXI-v", &titles::kVOXIntercom, K::VantorVOXIntercom, R::O),
    kind(VXP, "VXP", &titles::kVOXPhone, K::HandsfreeVOX, R::O),
    kind(VXP_a, "VXP-a", &titles::kVOXPhone, K::AirohaVOXPhone, R::O),
    kind(VXP_b, "VXP-b", &titles::kVOXPhone, K::BriskoVOXPhone, R::O),
    kind(VXP_v, "VXP-v", &titles::kVOXPhone, K::VantorVOXPhone, R::O),
    kind(VXS_a, "VXS-a", &titles::kVOXSensitivity, K::AirohaVoxSensitivity, R::NPlus1),
    kind(VXS_p, "VXS-p", &titles::kVOXSensitivity, K::PintraVOXSensitivity, R::N),
    kind(VXS_p2, "VXS-p2", &titles::kVOXSensitivity, K::PintraVOXSensitivity, R::N),
    kind(VXS_q, "VXS-q", &titles::kVOXSensitivity, K::QCCVOXSensitivity, R::N),
    kind(VXS_v, "VXS-v", &titles::kVOXSensitivity, K::VantorVoxSensitivity, R::N),
    kind(VMG_w, "VMG-w", &titles::kVideoMicrophoneGain, K::WispenCameraVideoMicrophoneGain, R::LG),
    kind(VDM_w, "VDM-w", &titles::kVideoMode, K::WispenCameraVideoMode, R::VM),
    kind(VRS_w, "VRS-w", &titles::kVideoResolution, K::WispenCameraVideoResolution, R::VR),
    kind(VTI_w, "VTI-w", &titles::kVideoTaggingInterval, K::WispenCameraVideoTaggingInterval, R::LR),
    kind(VA_v, "VA-v", &titles::kVoiceAssistant, K::VoiceAssistant, R::I),
    kind(VC_b, "VC-b", &titles::kVoiceCommand, K::BriskoVoiceCommand, R::O),
    kind(VC_v, "VC-v", &titles::kVoiceCommand, K::VantorVoiceCommand, R::O),
    kind(VP, "VP", &titles::kVoicePrompt, K::VoicePrompt, R::I),
    kind(VP_a, "VP-a", &titles::kVoicePrompt, K::AirohaVoicePrompt, R::O),
    kind(VP_b, "VP-b", &titles::kVoicePrompt, K::BriskoVoicePrompt, R::O),
    kind(VP_v, "VP-v", &titles::kVoicePrompt, K::VantorVoicePrompt, R::I),
    kind(VOL_l, "VOL-l", &titles::kVolume, K::LinkbayVolume, R::NMinus7),
    kind(LED_b, "LED-b", &titles::kWhiteLEDAlwaysOn, K::BriskoLEDControl, R::O),
    kind(CS_t, "CS-t", &titles::kChannelSelect, K::TresselMeshPublicChannel, R::NPlus1),
    kind(RUI_t, "RUI-t", &titles::kRemoteUIRTT, K::TresselRemoteUIPTT, R::I),
    kind(SNS_2, "SNS-2", &titles::kSmartNaviSystem, K::SmartNaviSystem2, R::O),
    kind(AOFF, "AOFF", &titles::kAutoOff, K::AutoOff, R::O),
    kind(SM, "SM", &titles::kSimpleMode, K::SimpleUI, R::O),
    kind(AM_v, "AM-v", &titles::kAudioMultitasking, K::VantorAudioOverlay, R::O),
    kind(HDV_q, "HDV-q", &titles::kHDVoice, K::QCCHDVoice, R::O),
    kind(HL_vo, "HL-vo", &titles::kHeadsetLanguage, K::VOSKAUnitLanguage, R::U1),
    kind(HL_k8, "HL-k8", &titles::kHeadsetLanguage, K::AirohaUnitLanguageKELPOR8R, R::U3),
    kind(HL_d, "HL-d", &titles::kHeadsetLanguage, K::AirohaUnitLanguage, R::UD),
};
// clang-format on

constexpr bool kinds_follow_their_order()
{
    for (std::size_t i = 0; i < std::size(kKinds); ++i)
        if (static_cast<std::size_t>(kKinds[i].kind) != i)
            return false;
    return true;
}
static_assert(kinds_follow_their_order(), "the kinds must follow the order of RestoreKind");
static_assert(std::size(kKinds) == static_cast<std::size_t>(HL_d) + 1);

} // namespace

std::span<const RestoreKindInfo> restore_kinds() { return kKinds; }

const RestoreKindInfo& restore_kind(RestoreKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

} // namespace kivo::settings
