#pragma once
// The setting catalogue: one row per setting of the device record that a settings screen shows or
// a change handler writes, each row the record's own getter and setter for it. Screens name a
// setting by its key and reach the record only through read() and write(), so every accessor is
// wired in one place.
//
// A row knows how the record stores its value, not how a screen shows it: titles, information
// texts and which products see a setting belong to the screens' own rows. One setting may have
// several keys (families name the same bits differently): two keys are the same setting when their
// writes touch the same bits, which footprint() finds by probing the record.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "device/device_data.h"

namespace kivo::settings {

using Record = KIVOBluetoothDeviceData;

// What an accessor may need besides the record: the product the screens act for (deviceTarget) and
// the language-pack type of the device as recognized.
struct AccessContext {
    int product = 0;
    int packType = 0;
};

enum class SettingKey : std::uint8_t {
    // Named settings of the older devices.
    IntercomVOX,
    HandsfreeVOX,
    Edr,
    VoicePrompt,
    Plc,
    BitpoolRate,
    MicrophoneBoost,
    Sidetone,
    AdvancedNoiseControl,
    AutoGainControl,
    AudioBoost,
    HdIntercom,
    FmStationGuide,
    HdVoice,
    AudioSourcePriority,
    AudioOverlay,
    AutoOnOff,
    AutoStartRecording,
    SmartNaviSystem,
    SmartNaviSystem2,
    AutoOff,
    SimpleUI,
    GrennikLanguage,
    RadioTransmitGain,
    AudioChannelTimeout,
    BackgroundVolume,
    VARGOFMRadio,
    VARGOSmartphoneConnet,
    // Brisko family.
    BriskoAudioMultitaskingSensitivity,
    BriskoMotionSensorSensitivity,
    BriskoVoiceCommand,
    BriskoSmartVolumeControl,
    BriskoFMStationGuide,
    BriskoEightWayIntercom,
    BriskoAudioBoost,
    BriskoAdvancedNoiseControl,
    BriskoNavigationAppOverlay,
    BriskoVoicePrompt,
    BriskoAudioMultitasking,
    BriskoSidetone,
    BriskoHDIntercom,
    BriskoVOXPhone,
    BriskoDuvaneSpeakerAccessorySelect,
    BriskoAudioEqualizer,
    BriskoHDSpeakerAccessory,
    BriskoLEDControl,
    HIDOneModuleHDSpeakerAccessory,
    // Vantor layout and the families sharing its words.
    VantorVOXPhone,
    VantorVOXIntercom,
    EDR,
    VantorVoicePrompt,
    VantorHighQulityA2DP,
    VantorSidetone,
    FMRadioOnVargo,
    VantorAdvancedNoiseControl,
    PhoneOnVargo,
    VantorAudioBoost,
    VantorHDIntercom,
    VantorFMStationGuide,
    VantorMeshMode,
    QCCHDVoice,
    VantorMeshGuestMode,
    VantorVoxSensitivity,
    TresselMeshPublicChannel,
    VantorAGCSensitivity,
    VantorAudioOverlayVolumeManagement,
    VantorAudioOverlaySensitivity,
    VantorVoiceCommand,
    TresselRemoteUIPTT,
    VantorAudioOverlay,
    UILayer,
    QccAutoOff,
    KelporHDSpeakerAccessory,
    VantorMeshPublicChannel,
    MossraMeshPublicChannel,
    HeronyxHDVoice,
    VantorHDSpeakerAccessory,
    MeshReachOutLarnex,
    VantorEqualizer,
    EgranoEqualizer,
    VantorMeshReachOut,
    DuvaneSpeakerAccessorySelect,
    EgranoSpeakerAccessorySelect,
    EgranoMicAccessorySelect,
    VoiceAssistant,
    MeshReachOut,
    // QCC layout and the Yarlo equalizer.
    YarloEqualizer,
    QCCAudioEqualizer,
    QCCVOXSensitivity,
    JUNOVAVOXSensitivity,
    QCCAudioOverlayVolumeManagement,
    QCCAudioOverlaySensitivity,
    // Airoha layout.
    AirohaVOXPhone,
    AirohaVoicePrompt,
    AirohaSidetone,
    AirohaFMStation,
    AirohaAudioOverlayVolumeManagement,
    AirohaMeshReachOut,
    AirohaAdaptiveLight,
    AirohaAudioBoost,
    AirohaAutoOnOff,
    AirohaAutoOff,
    AirohaAudioEqualizer,
    AirohaVoxSensitivity,
    AirohaIntercomAudioOverlaySensitivity,
    AirohaUnitLanguage,
    AirohaUnitLanguageKELPOR8R,
    AirohaQIXAUnitLanguage,
    // Unit languages of the other families.
    KelporUnitLanguage,
    YarloUnitLanguage,
    VOSKAUnitLanguage,
    RUSKANUnitLanguage,
    VantorUnitLanguage,
    ZaffreUnitLanguage,
    YorbitUnitLanguage,
    PellonUnitLanguage,
    UlmeckUnitLanguage,
    // Ess light and microphone gain.
    EssStatus,
    EssSensitivity,
    MicGain,
    // Camera.
    WispenCameraPhotoMode,
    WispenCameraVideoMode,
    WispenCameraVideoResolution,
    WispenCameraTimelapseInterval,
    WispenCameraDateCaption,
    WispenCameraSpeakerSoundRecording,
    WispenCameraAutoCameraSleep,
    WispenCameraSpeakerSoundRecordingMusic,
    WispenCameraSpeakerSoundRecordingFMRadio,
    WispenCameraSpeakerSoundRecordingIntercom,
    WispenCameraSpeakerSoundRecordingPhone,
    WispenCameraVideoTaggingInterval,
    WispenCameraLoopRecordingInterval,
    WispenCameraVideoMicrophoneGain,
    // Whole words at a fixed port: the mesh accessory, the Pintra and Tavel words.
    LinkbayChannel,
    LinkbayVolume,
    LinkbayMicrophone,
    PintraVOXSensitivity,
    TavelSmartVolumeControl,
};

// What an accessor takes besides the value.
enum class ArgumentKind : std::uint8_t {
    None,
    ProductId, // the context's product
    Port, // a fixed word index, the row's port
    PackType, // the context's language-pack type
};

// The values a setter takes and its getter gives back. A gain code is written as 12, 15 or 17 and
// read as 12 to 17; seconds run from 3 to 60.
enum class DomainKind : std::uint8_t { OnOff, Code, Gain, Seconds };

struct Domain {
    DomainKind kind;
    int lowest;
    int highest;
    int step = 1; // Code only: the codes from lowest to highest in this step
};

// Every value of the domain that a screen may write, lowest first.
std::vector<int> domain_values(const Domain& domain);

// How the stored bits relate to the value.
enum class StorageSense : std::uint8_t {
    Plain,
    SetterStoresInverse, // the setter stores 1 for 0 and 0 for any other value
    GetterReturnsInverse, // the setter stores 1 for non-zero, the getter returns the bit inverted
    SetterAddsEight, // the setter stores value + 8, the getter returns the stored code
    GetterReadsReport, // the getter reads what the device reported, the setter keeps the value elsewhere
};

struct Setting {
    SettingKey key;
    std::string_view name;
    std::string_view getterName;
    std::string_view setterName;
    ArgumentKind argument;
    int port; // ArgumentKind::Port only
    Domain domain;
    StorageSense sense;
    int (*get)(const Record&, const AccessContext&);
    void (*set)(Record&, int, const AccessContext&);
};

// Every row, in the order of SettingKey.
std::span<const Setting> catalogue();
const Setting& setting(SettingKey key);

// The record's getter or setter of the key. A value outside the domain goes to the setter as it
// is: what it stores then is the record's rule.
int read(SettingKey key, const Record& record, const AccessContext& context);
void write(SettingKey key, Record& record, int value, const AccessContext& context);

// Where a key's writes land: the bits of the settings, Pintra, Tavel and camera words, or a named
// setting of the record.
enum class StorageBlock : std::uint8_t { SettingsWord, PintraWord, TavelWord, CameraWord, Named };

struct FootprintPart {
    StorageBlock block;
    int index; // word index, or the named setting's index in named_setting_names()
    uint32_t mask; // the bits written (a named setting: every bit its value took)
    bool operator==(const FootprintPart&) const = default;
};

using Footprint = std::vector<FootprintPart>;

// Found by writing every value of the key's domain on an all-zero and on an all-ones record, at
// firmware 0.0 and 2.0 (the one version an accessor tells apart), and keeping every bit that
// changed. Computed once per key and context.
const Footprint& footprint(SettingKey key, const AccessContext& context);
// "W2:0x1000 pintra0:0xFFFFFFFF GrennikLanguage"; "-" when nothing is written, "elsewhere" for a
// write outside the places probed.
std::string footprint_text(const Footprint& footprint);
// The named settings a footprint can name, in their index order.
std::span<const std::string_view> named_setting_names();

// Two keys are one setting when their footprints are equal.
bool same_setting(SettingKey a, SettingKey b, const AccessContext& context);
// Every pair of keys that are one setting (first key before the second in SettingKey order), for a
// context with no product and pack type 0.
const std::vector<std::pair<SettingKey, SettingKey>>& aliases();

} // namespace kivo::settings
