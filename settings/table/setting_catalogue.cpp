#include "settings/table/setting_catalogue.h"

#include <array>

namespace kivo::settings {
namespace {

// Adaptors over the record's own accessors, one per argument kind. Each row names the record's
// members; nothing of an accessor is written again here.
template <int (Record::*Get)() const> int get_plain(const Record& record, const AccessContext&)
{
    return (record.*Get)();
}
template <void (Record::*Set)(int)> void set_plain(Record& record, int value, const AccessContext&)
{
    (record.*Set)(value);
}
template <int (Record::*Get)(int) const> int get_by_product(const Record& record, const AccessContext& context)
{
    return (record.*Get)(context.product);
}
template <void (Record::*Set)(int, int)> void set_by_product(Record& record, int value, const AccessContext& context)
{
    (record.*Set)(value, context.product);
}
template <int (Record::*Get)(int) const> int get_by_pack(const Record& record, const AccessContext& context)
{
    return (record.*Get)(context.packType);
}
template <void (Record::*Set)(int, int)> void set_by_pack(Record& record, int value, const AccessContext& context)
{
    (record.*Set)(value, context.packType);
}
template <int (Record::*Get)(int) const, int Port> int get_at_port(const Record& record, const AccessContext&)
{
    return (record.*Get)(Port);
}
template <void (Record::*Set)(int, int), int Port> void set_at_port(Record& record, int value, const AccessContext&)
{
    (record.*Set)(Port, value);
}

constexpr Domain kOnOff{DomainKind::OnOff, 0, 1};
constexpr Domain kGain{DomainKind::Gain, 12, 17};
constexpr Domain kSeconds{DomainKind::Seconds, 3, 60};
constexpr Domain code(int lowest, int highest, int step = 1) { return {DomainKind::Code, lowest, highest, step}; }

constexpr StorageSense kPlain = StorageSense::Plain;

// The names come from the members themselves, so a row cannot name one accessor and call another.
// clang-format off
#define KIVO_PLAIN(key, getter, setter, domain, sense) \
    Setting{SettingKey::key, #key, #getter, #setter, ArgumentKind::None, 0, domain, sense, \
            &get_plain<&Record::getter>, &set_plain<&Record::setter>}
#define KIVO_BY_PRODUCT(key, getter, setter, domain, sense) \
    Setting{SettingKey::key, #key, #getter, #setter, ArgumentKind::ProductId, 0, domain, sense, \
            &get_by_product<&Record::getter>, &set_by_product<&Record::setter>}
#define KIVO_BY_PACK(key, getter, setter, domain) \
    Setting{SettingKey::key, #key, #getter, #setter, ArgumentKind::PackType, 0, domain, kPlain, \
            &get_by_pack<&Record::getter>, &set_by_pack<&Record::setter>}
#define KIVO_AT_PORT(key, port, getter, setter, domain) \
    Setting{SettingKey::key, #key, #getter, #setter, ArgumentKind::Port, port, domain, kPlain, \
            &get_at_port<&Record::getter, port>, &set_at_port<&Record::setter, port>}
#define KIVO_SWITCH(key, getter, setter) KIVO_PLAIN(key, getter, setter, kOnOff, kPlain)
#define KIVO_CODE(key, getter, setter, lowest, highest) KIVO_PLAIN(key, getter, setter, code(lowest, highest), kPlain)

constexpr std::array kRows = {
    // Named settings of the older devices.
    KIVO_SWITCH(IntercomVOX, intercomVOX, setIntercomVOX),
    KIVO_SWITCH(HandsfreeVOX, handsfreeVOX, setHandsfreeVOX),
    KIVO_SWITCH(Edr, edr, setEdr),
    KIVO_SWITCH(VoicePrompt, voicePrompt, setVoicePrompt),
    KIVO_SWITCH(Plc, plc, setPlc),
    KIVO_SWITCH(BitpoolRate, bitpoolRate, setBitpoolRate),
    KIVO_SWITCH(MicrophoneBoost, microphoneBoost, setMicrophoneBoost),
    KIVO_SWITCH(Sidetone, sidetone, setSidetone),
    KIVO_SWITCH(AdvancedNoiseControl, advancedNoiseControl, setAdvancedNoiseControl),
    KIVO_SWITCH(AutoGainControl, autoGainControl, setAutoGainControl),
    KIVO_SWITCH(AudioBoost, audioBoost, setAudioBoost),
    KIVO_SWITCH(HdIntercom, hdIntercom, setHdIntercom),
    KIVO_SWITCH(FmStationGuide, fmStationGuide, setFmStationGuide),
    KIVO_SWITCH(HdVoice, hdVoice, setHdVoice),
    KIVO_CODE(AudioSourcePriority, audioSourcePriority, setAudioSourcePriority, 0, 1),
    KIVO_SWITCH(AudioOverlay, audioOverlay, setAudioOverlay),
    KIVO_SWITCH(AutoOnOff, autoOnOff, setAutoOnOff),
    KIVO_SWITCH(AutoStartRecording, autoStartRecording, setAutoStartRecording),
    KIVO_SWITCH(SmartNaviSystem, smartNaviSystem, setSmartNaviSystem),
    KIVO_SWITCH(SmartNaviSystem2, smartNaviSystem2, setSmartNaviSystem2),
    KIVO_SWITCH(AutoOff, autoOff, setAutoOff),
    KIVO_SWITCH(SimpleUI, simpleUI, setSimpleUI),
    KIVO_CODE(GrennikLanguage, GrennikLanguage, setGrennikLanguage, 0, 7),
    KIVO_PLAIN(RadioTransmitGain, radioTransmitGain, setRadioTransmitGain, kGain, kPlain),
    KIVO_PLAIN(AudioChannelTimeout, audioChannelTimeout, setAudioChannelTimeout, kSeconds, kPlain),
    KIVO_CODE(BackgroundVolume, backgroundVolume, setBackgroundVolume, 0, 9),
    KIVO_SWITCH(VARGOFMRadio, VARGOFMRadio, setVARGOFMRadio),
    KIVO_SWITCH(VARGOSmartphoneConnet, VARGOSmartphoneConnet, setVARGOSmartphoneConnet),

    // Brisko family.
    KIVO_CODE(BriskoAudioMultitaskingSensitivity, getBasicSettingBriskoAudioMultitaskingSensitivity, setBasicSettingBriskoAudioMultitaskingSensitivity, 1, 10),
    KIVO_CODE(BriskoMotionSensorSensitivity, getBasicSettingBriskoMotionSensorSensitivity, setBasicSettingBriskoMotionSensorSensitivity, 1, 3),
    KIVO_SWITCH(BriskoVoiceCommand, GetBasicSettingBriskoVoiceCommand, SetBasicSettingBriskoVoiceCommand),
    KIVO_CODE(BriskoSmartVolumeControl, getBasicSettingBriskoSmartVolumeControl, setBasicSettingBriskoSmartVolumeControl, 0, 3),
    KIVO_SWITCH(BriskoFMStationGuide, getBasicSettingBriskoFMStationGuide, setBasicSettingBriskoFMStationGuide),
    KIVO_SWITCH(BriskoEightWayIntercom, getBasicSettingBriskoEightWayIntercom, setBasicSettingBriskoEightWayIntercom),
    KIVO_SWITCH(BriskoAudioBoost, getBasicSettingBriskoAudioBoost, setBasicSettingBriskoAudioBoost),
    KIVO_SWITCH(BriskoAdvancedNoiseControl, getBasicSettingBriskoAdvancedNoiseControl, setBasicSettingBriskoAdvancedNoiseControl),
    KIVO_SWITCH(BriskoNavigationAppOverlay, getBasicSettingBriskoNavigationAppOverlay, setBasicSettingBriskoNavigationAppOverlay),
    KIVO_SWITCH(BriskoVoicePrompt, getBasicSettingBriskoVoicePrompt, setBasicSettingBriskoVoicePrompt),
    KIVO_SWITCH(BriskoAudioMultitasking, getBasicSettingBriskoAudioMultitasking, setBasicSettingBriskoAudioMultitasking),
    KIVO_SWITCH(BriskoSidetone, getBasicSettingBriskoSidetone, setBasicSettingBriskoSidetone),
    KIVO_SWITCH(BriskoHDIntercom, getBasicSettingBriskoHDIntercom, setBasicSettingBriskoHDIntercom),
    KIVO_SWITCH(BriskoVOXPhone, getBasicSettingBriskoVOXPhone, setBasicSettingBriskoVOXPhone),
    KIVO_CODE(BriskoDuvaneSpeakerAccessorySelect, GetBasicSettingBriskoDuvaneSpeakerAccessorySelect, SetBasicSettingBriskoDuvaneSpeakerAccessorySelect, 0, 3),
    KIVO_CODE(BriskoAudioEqualizer, getBasicSettingBriskoAudioEqualizer, setBasicSettingBriskoAudioEqualizer, 0, 4),
    KIVO_SWITCH(BriskoHDSpeakerAccessory, getBasicSettingBriskoHDSpeakerAccessory, setBasicSettingBriskoHDSpeakerAccessory),
    KIVO_SWITCH(BriskoLEDControl, getBasicSettingBriskoLEDControl, setBasicSettingBriskoLEDControl),
    KIVO_SWITCH(HIDOneModuleHDSpeakerAccessory, getBasicSettingHIDOneModuleHDSpeakerAccessory, setBasicSettingHIDOneModuleHDSpeakerAccessory),

    // Vantor layout and the families sharing its words.
    KIVO_SWITCH(VantorVOXPhone, GetBasicSettingVantorVOXPhone, SetBasicSettingVantorVOXPhone),
    KIVO_SWITCH(VantorVOXIntercom, GetBasicSettingVantorVOXIntercom, SetBasicSettingVantorVOXIntercom),
    KIVO_SWITCH(EDR, GetBasicSettingEDR, SetBasicSettingEDR),
    KIVO_SWITCH(VantorVoicePrompt, GetBasicSettingVantorVoicePrompt, SetBasicSettingVantorVoicePrompt),
    KIVO_SWITCH(VantorHighQulityA2DP, GetBasicSettingVantorHighQulityA2DP, SetBasicSettingVantorHighQulityA2DP),
    KIVO_SWITCH(VantorSidetone, GetBasicSettingVantorSidetone, SetBasicSettingVantorSidetone),
    KIVO_SWITCH(FMRadioOnVargo, GetBasicSettingFMRadioOnVargo, SetBasicSettingFMRadioOnVargo),
    KIVO_SWITCH(VantorAdvancedNoiseControl, GetBasicSettingVantorAdvancedNoiseControl, SetBasicSettingVantorAdvancedNoiseControl),
    KIVO_SWITCH(PhoneOnVargo, GetBasicSettingPhoneOnVargo, SetBasicSettingPhoneOnVargo),
    KIVO_SWITCH(VantorAudioBoost, GetBasicSettingVantorAudioBoost, SetBasicSettingVantorAudioBoost),
    KIVO_SWITCH(VantorHDIntercom, GetBasicSettingVantorHDIntercom, SetBasicSettingVantorHDIntercom),
    KIVO_SWITCH(VantorFMStationGuide, GetBasicSettingVantorFMStationGuide, SetBasicSettingVantorFMStationGuide),
    KIVO_CODE(VantorMeshMode, GetBasicSettingVantorMeshMode, SetBasicSettingVantorMeshMode, 0, 2),
    KIVO_SWITCH(QCCHDVoice, GetBasicSettingQCCHDVoice, SetBasicSettingQCCHDVoice),
    KIVO_SWITCH(VantorMeshGuestMode, GetBasicSettingVantorMeshGuestMode, SetBasicSettingVantorMeshGuestMode),
    KIVO_CODE(VantorVoxSensitivity, GetBasicSettingVantorVoxSensitivity, SetBasicSettingVantorVoxSensitivity, 0, 5),
    KIVO_CODE(TresselMeshPublicChannel, GetBasicSettingTresselMeshPublicChannel, SetBasicSettingTresselMeshPublicChannel, 0, 8),
    KIVO_CODE(VantorAGCSensitivity, GetBasicSettingVantorAGCSensitivity, SetBasicSettingVantorAGCSensitivity, 0, 3),
    KIVO_PLAIN(VantorAudioOverlayVolumeManagement, GetBasicSettingVantorAudioOverlayVolumeManagement, SetBasicSettingVantorAudioOverlayVolumeManagement, kOnOff, StorageSense::SetterStoresInverse),
    KIVO_CODE(VantorAudioOverlaySensitivity, GetBasicSettingVantorAudioOverlaySensitivity, SetBasicSettingVantorAudioOverlaySensitivity, 0, 5),
    KIVO_SWITCH(VantorVoiceCommand, GetBasicSettingVantorVoiceCommand, SetBasicSettingVantorVoiceCommand),
    KIVO_PLAIN(TresselRemoteUIPTT, GetBasicSettingTresselRemoteUIPTT, SetBasicSettingTresselRemoteUIPTT, kOnOff, StorageSense::GetterReturnsInverse),
    KIVO_SWITCH(VantorAudioOverlay, GetBasicSettingVantorAudioOverlay, SetBasicSettingVantorAudioOverlay),
    KIVO_SWITCH(UILayer, GetBasicSettingUILayer, SetBasicSettingUILayer),
    KIVO_SWITCH(QccAutoOff, GetBasicSettingQccAutoOff, SetBasicSettingQccAutoOff),
    KIVO_SWITCH(KelporHDSpeakerAccessory, GetBasicSettingKelporHDSpeakerAccessory, SetBasicSettingKelporHDSpeakerAccessory),
    KIVO_CODE(VantorMeshPublicChannel, GetBasicSettingVantorMeshPublicChannel, SetBasicSettingVantorMeshPublicChannel, 0, 5),
    KIVO_CODE(MossraMeshPublicChannel, GetBasicSettingMossraMeshPublicChannel, SetBasicSettingMossraMeshPublicChannel, 1, 9),
    KIVO_SWITCH(HeronyxHDVoice, GetBasicSettingHeronyxHDVoice, SetBasicSettingHeronyxHDVoice),
    KIVO_SWITCH(VantorHDSpeakerAccessory, GetBasicSettingVantorHDSpeakerAccessory, SetBasicSettingVantorHDSpeakerAccessory),
    KIVO_SWITCH(MeshReachOutLarnex, GetBasicSettingMeshReachOutLarnex, SetBasicSettingMeshReachOutLarnex),
    KIVO_CODE(VantorEqualizer, GetBasicSettingVantorEqualizer, SetBasicSettingVantorEqualizer, 0, 4),
    KIVO_CODE(EgranoEqualizer, GetBasicSettingEgranoEqualizer, SetBasicSettingEgranoEqualizer, 0, 4),
    KIVO_SWITCH(VantorMeshReachOut, GetBasicSettingVantorMeshReachOut, SetBasicSettingVantorMeshReachOut),
    KIVO_CODE(DuvaneSpeakerAccessorySelect, GetBasicSettingDuvaneSpeakerAccessorySelect, SetBasicSettingDuvaneSpeakerAccessorySelect, 0, 3),
    KIVO_PLAIN(EgranoSpeakerAccessorySelect, GetBasicSettingEgranoSpeakerAccessorySelect, SetBasicSettingEgranoSpeakerAccessorySelect, code(-8, 4), StorageSense::SetterAddsEight),
    KIVO_PLAIN(EgranoMicAccessorySelect, GetBasicSettingEgranoMicAccessorySelect, SetBasicSettingEgranoMicAccessorySelect, code(-8, 4), StorageSense::SetterAddsEight),
    KIVO_PLAIN(VoiceAssistant, GetBasicSettingVoiceAssistant, SetBasicSettingVoiceAssistant, kOnOff, StorageSense::GetterReturnsInverse),
    KIVO_PLAIN(MeshReachOut, GetBasicSettingMeshReachOut, SetBasicSettingMeshReachOut, kOnOff, StorageSense::SetterStoresInverse),

    // QCC layout and the Yarlo equalizer.
    KIVO_CODE(YarloEqualizer, GetBasicSettingYarloEqualizer, SetBasicSettingYarloEqualizer, 0, 4),
    KIVO_CODE(QCCAudioEqualizer, GetBasicSettingQCCAudioEqualizer, SetBasicSettingQCCAudioEqualizer, 0, 5),
    KIVO_CODE(QCCVOXSensitivity, GetBasicSettingQCCVOXSensitivity, SetBasicSettingQCCVOXSensitivity, 0, 5),
    KIVO_CODE(JUNOVAVOXSensitivity, GetBasicSettingJUNOVAVOXSensitivity, SetBasicSettingJUNOVAVOXSensitivity, 0, 5),
    KIVO_PLAIN(QCCAudioOverlayVolumeManagement, GetBasicSettingQCCAudioOverlayVolumeManagement, SetBasicSettingQCCAudioOverlayVolumeManagement, kOnOff, StorageSense::SetterStoresInverse),
    KIVO_CODE(QCCAudioOverlaySensitivity, GetBasicSettingQCCAudioOverlaySensitivity, SetBasicSettingQCCAudioOverlaySensitivity, 0, 5),

    // Airoha layout: switches in word 0, 4-bit codes in word 1 (any value keeps its low bits), the
    // unit language in word 2.
    KIVO_SWITCH(AirohaVOXPhone, GetBasicSettingAirohaVOXPhone, SetBasicSettingAirohaVOXPhone),
    KIVO_SWITCH(AirohaVoicePrompt, GetBasicSettingAirohaVoicePrompt, SetBasicSettingAirohaVoicePrompt),
    KIVO_SWITCH(AirohaSidetone, GetBasicSettingAirohaSidetone, SetBasicSettingAirohaSidetone),
    KIVO_SWITCH(AirohaFMStation, GetBasicSettingAirohaFMStation, SetBasicSettingAirohaFMStation),
    KIVO_SWITCH(AirohaAudioOverlayVolumeManagement, GetBasicSettingAirohaAudioOverlayVolumeManagement, SetBasicSettingAirohaAudioOverlayVolumeManagement),
    KIVO_SWITCH(AirohaMeshReachOut, GetBasicSettingAirohaMeshReachOut, SetBasicSettingAirohaMeshReachOut),
    KIVO_SWITCH(AirohaAdaptiveLight, GetBasicSettingAirohaAdaptiveLight, SetBasicSettingAirohaAdaptiveLight),
    KIVO_SWITCH(AirohaAudioBoost, GetBasicSettingAirohaAudioBoost, SetBasicSettingAirohaAudioBoost),
    KIVO_SWITCH(AirohaAutoOnOff, GetBasicSettingAirohaAutoOnOff, SetBasicSettingAirohaAutoOnOff),
    KIVO_SWITCH(AirohaAutoOff, GetBasicSettingAirohaAutoOff, SetBasicSettingAirohaAutoOff),
    KIVO_CODE(AirohaAudioEqualizer, GetBasicSettingAirohaAudioEqualizer, SetBasicSettingAirohaAudioEqualizer, 0, 15),
    KIVO_CODE(AirohaVoxSensitivity, GetBasicSettingAirohaVoxSensitivity, SetBasicSettingAirohaVoxSensitivity, 0, 15),
    KIVO_CODE(AirohaIntercomAudioOverlaySensitivity, GetBasicSettingAirohaIntercomAudioOverlaySensitivity, SetBasicSettingAirohaIntercomAudioOverlaySensitivity, 0, 15),
    // Unit languages are the 24 language codes of the devices, 0 to 23, or the part of them that a
    // family's setter takes and its getter gives back.
    KIVO_CODE(AirohaUnitLanguage, GetBasicSettingAirohaUnitLanguage, SetBasicSettingAirohaUnitLanguage, 0, 23),
    KIVO_BY_PACK(AirohaUnitLanguageKELPOR8R, GetBasicSettingAirohaUnitLanguageKELPOR8R, SetBasicSettingAirohaUnitLanguageKELPOR8R_PackType, code(0, 23)),
    KIVO_CODE(AirohaQIXAUnitLanguage, GetBasicSettingAirohaQIXAUnitLanguage, SetBasicSettingAirohaQIXAUnitLanguage, 0, 1),

    // Unit languages of the other families. Where the pack lacking a language shifts the codes,
    // the domain is what both packs give back.
    KIVO_BY_PRODUCT(KelporUnitLanguage, GetBasicSettingKelporUnitLanguage, SetBasicSettingKelporUnitLanguage_device, code(0, 10), kPlain),
    KIVO_BY_PRODUCT(YarloUnitLanguage, GetBasicSettingyarloUnitLanguage, SetBasicSettingYarloUnitLanguage_device, code(0, 11), kPlain),
    KIVO_BY_PRODUCT(VOSKAUnitLanguage, GetBasicSettingVOSKAUnitLanguage, SetBasicSettingVOSKAUnitLanguage_device, code(0, 11), kPlain),
    KIVO_BY_PRODUCT(RUSKANUnitLanguage, GetBasicSettingRUSKANUnitLanguage, SetBasicSettingRUSKANUnitLanguage_device, code(0, 14), kPlain),
    KIVO_CODE(VantorUnitLanguage, GetBasicSettingVantorUnitLanguage, SetBasicSettingVantorUnitLanguage, 0, 12),
    KIVO_CODE(ZaffreUnitLanguage, GetBasicSettingZaffreUnitLanguage, SetBasicSettingZaffreUnitLanguage, 0, 10),
    KIVO_CODE(YorbitUnitLanguage, GetBasicSettingYorbitUnitLanguage, SetBasicSettingYorbitUnitLanguage, 0, 10),
    KIVO_BY_PRODUCT(PellonUnitLanguage, GetBasicSettingPellonUnitLanguage, SetBasicSettingPellonUnitLanguage_device, code(0, 1), kPlain),
    // Read from the device's report in settings word 2, written back through GrennikLanguage.
    KIVO_BY_PRODUCT(UlmeckUnitLanguage, GetBasicSettingUlmeckUnitLanguage, SetBasicSettingUlmeckUnitLanguage_device, code(0, 7), StorageSense::GetterReadsReport),

    // Ess light and microphone gain: settings word 2. The gain is written as the levels 1, 3 and 5.
    KIVO_CODE(EssStatus, getEssStatus, setEssStatus, 0, 3),
    KIVO_CODE(EssSensitivity, getEssSensitivity, setEssSensitivity, 1, 3),
    KIVO_PLAIN(MicGain, getMicGain, setMicGain, code(1, 5, 2), kPlain),

    // Camera words. The video mode is a switch below firmware 2.0 and a mode 0 to 2 from 2.0.
    KIVO_SWITCH(WispenCameraPhotoMode, getBasicSettingWispenCameraPhotoMode, setBasicSettingWispenCameraPhotoMode),
    KIVO_CODE(WispenCameraVideoMode, getBasicSettingWispenCameraVideoMode, setBasicSettingWispenCameraVideoMode, 0, 2),
    KIVO_CODE(WispenCameraVideoResolution, getBasicSettingWispenCameraVideoResolution, setBasicSettingWispenCameraVideoResolution, 0, 2),
    KIVO_SWITCH(WispenCameraTimelapseInterval, getBasicSettingWispenCameraTimelapseInterval, setBasicSettingWispenCameraTimelapseInterval),
    KIVO_SWITCH(WispenCameraDateCaption, getBasicSettingWispenCameraDateCaption, setBasicSettingWispenCameraDateCaption),
    KIVO_SWITCH(WispenCameraSpeakerSoundRecording, getBasicSettingWispenCameraSpeakerSoundRecording, setBasicSettingWispenCameraSpeakerSoundRecording),
    KIVO_SWITCH(WispenCameraAutoCameraSleep, getBasicSettingWispenCameraAutoCameraSleep, setBasicSettingWispenCameraAutoCameraSleep),
    KIVO_SWITCH(WispenCameraSpeakerSoundRecordingMusic, getBasicSettingWispenCameraSpeakerSoundRecordingMusic, setBasicSettingWispenCameraSpeakerSoundRecordingMusic),
    KIVO_SWITCH(WispenCameraSpeakerSoundRecordingFMRadio, getBasicSettingWispenCameraSpeakerSoundRecordingFMRadio, setBasicSettingWispenCameraSpeakerSoundRecordingFMRadio),
    KIVO_SWITCH(WispenCameraSpeakerSoundRecordingIntercom, getBasicSettingWispenCameraSpeakerSoundRecordingIntercom, setBasicSettingWispenCameraSpeakerSoundRecordingIntercom),
    KIVO_SWITCH(WispenCameraSpeakerSoundRecordingPhone, getBasicSettingWispenCameraSpeakerSoundRecordingPhone, setBasicSettingWispenCameraSpeakerSoundRecordingPhone),
    KIVO_CODE(WispenCameraVideoTaggingInterval, getBasicSettingWispenCameraVideoTaggingInterval, setBasicSettingWispenCameraVideoTaggingInterval, 0, 2),
    KIVO_CODE(WispenCameraLoopRecordingInterval, getBasicSettingWispenCameraLoopRecordingInterval, setBasicSettingWispenCameraLoopRecordingInterval, 0, 2),
    KIVO_CODE(WispenCameraVideoMicrophoneGain, getBasicSettingWispenCameraVideoMicrophoneGain, setBasicSettingWispenCameraVideoMicrophoneGain, 0, 2),

    // Whole words at fixed ports: the mesh accessory's channel, volume and microphone in settings
    // words 0 to 2, the first Pintra VOX sensitivity word and the first Tavel smart volume word.
    KIVO_AT_PORT(LinkbayChannel, 0, basicSettingLinkbayChannelAt, setBasicSettingLinkbayChannel_with, code(1, 9)),
    KIVO_AT_PORT(LinkbayVolume, 1, basicSettingLinkbayVolumeAt, setBasicSettingLinkbayVolume_with, code(8, 12)),
    KIVO_AT_PORT(LinkbayMicrophone, 2, basicSettingLinkbayMicrophoneAt, setBasicSettingLinkbayMicrophone_with, code(8, 12)),
    KIVO_AT_PORT(PintraVOXSensitivity, 0, basicSettingPintraVOXSensitivityAt, setBasicSettingPintraVOXSensitivity_with, code(1, 5)),
    KIVO_AT_PORT(TavelSmartVolumeControl, 0, basicSettingTavelSmartVolumeControlAt, setBasicSettingTavelSmartVolumeControl_with, code(0, 3)),
};
// clang-format on

#undef KIVO_PLAIN
#undef KIVO_BY_PRODUCT
#undef KIVO_BY_PACK
#undef KIVO_AT_PORT
#undef KIVO_SWITCH
#undef KIVO_CODE

// setting() indexes the rows by key.
constexpr bool rows_follow_keys()
{
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (static_cast<std::size_t>(kRows[i].key) != i)
            return false;
    return true;
}
static_assert(rows_follow_keys(), "the rows must follow the order of SettingKey");
static_assert(kRows.size() == static_cast<std::size_t>(SettingKey::TavelSmartVolumeControl) + 1);

constexpr int kGainCodes[] = {12, 15, 17};

} // namespace

std::vector<int> domain_values(const Domain& domain)
{
    if (domain.kind == DomainKind::Gain)
        return {std::begin(kGainCodes), std::end(kGainCodes)};
    const int step = domain.kind == DomainKind::Code && domain.step > 0 ? domain.step : 1;
    std::vector<int> values;
    for (int value = domain.lowest; value <= domain.highest; value += step)
        values.push_back(value);
    return values;
}

std::span<const Setting> catalogue() { return kRows; }

const Setting& setting(SettingKey key) { return kRows[static_cast<std::size_t>(key)]; }

int read(SettingKey key, const Record& record, const AccessContext& context)
{
    return setting(key).get(record, context);
}

void write(SettingKey key, Record& record, int value, const AccessContext& context)
{
    setting(key).set(record, value, context);
}

} // namespace kivo::settings
