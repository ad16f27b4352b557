#pragma once
// The setting kinds of the all-settings table: what a row of the table is. A kind is named by id,
// never by its title: some titles name two kinds ("Audio Multitasking", "Microphone sensitivity").
// Each kind is an on/off row or a choice row, has one title of the shared title registry, the
// information its button shows (or none) and the handler a change reaches. Which setting the row
// reads, for which products, is its variants' (kinds.h); where it stands, the layouts'.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "settings/table/firmware_range.h"
#include "settings/table/flag_condition.h"
#include "settings/table/handlers.h"
#include "settings/texts/information_texts.h"
#include "text/localized.h"

namespace kivo::settings {

enum class TableKind : std::uint8_t {
    // On/off rows.
    AudioMultitasking,
    AudioMultitaskingForOrlet,
    AudioOverlay,
    BluetoothIntercomAudioMultitasking,
    NavigationAppSupport,
    AudioOverlayVolumeManagement,
    AudioMultitaskingVolumeManagement,
    AudioBoost,
    VOXPhone,
    VOXIntercom,
    HDIntercom,
    EightWayIntercom,
    HDVoice,
    GuestMode,
    MeshReachOut,
    VoicePrompt,
    VoiceCommand,
    VoiceAssistant,
    FMStationGuide,
    Sidetone,
    AdvancedNoiseControl,
    HighQualityA2DP,
    HDSpeakerAccessory,
    MerrowMic,
    WhiteLEDAlwaysOn,
    AutoOnOff,
    AutoOff,
    AutomaticPowerOff,
    SimpleMode,
    AdvancedFeatures,
    SmartNaviSystem,
    AutoStartRecording,
    DateCaption,
    SpeakerSoundRecording,
    SpeakerSoundRecordingMusic,
    SpeakerSoundRecordingFMRadio,
    SpeakerSoundRecordingIntercom,
    SpeakerSoundRecordingPhone,
    AutoCameraSleep,
    FMRadio,
    SmartphoneConnection,
    RemoteUIRTT,
    // Choice rows.
    IntercomAudioOverlaySensitivity,
    MeshIntercomVoxSensitivity,
    MicrophoneSensitivity,
    VOXSensitivity,
    SmartVolumeControl,
    MotionSensorSensitivity,
    AudioSourcePriority,
    BackgroundVolume,
    ESSConfiguration,
    ESSSensitivity,
    ChannelSelect,
    ChannelSetting,
    Channel,
    Volume,
    LinkbayMicrophoneSensitivity,
    PhotoMode,
    VideoMode,
    VideoResolution,
    TimelapseInterval,
    VideoTaggingInterval,
    LoopRecordingInterval,
    VideoMicrophoneGain,
    Speakers,
    Helmet,
    AudioEqualizer,
    UnitLanguage,
    HeadsetLanguage,
    Language,
};

enum class CellKind : std::uint8_t { OnOff, Choice };

// What follows a change in a row, after its handler stored the value: nothing, every row rebuilt,
// or one of the couplings between settings that exclude or imply each other.
enum class AfterChange : std::uint8_t {
    None,
    Refresh,
    OverlayExcludesHd, // A: audio overlay on turns HD intercom and HD voice off; rebuild
    HdIntercomExcludesOverlay, // B: HD intercom on turns audio overlay off; rebuild
    HdVoiceExcludesOverlay, // C: HD voice on turns audio overlay off; rebuild
    RecordingGetsSources, // D: the recording master with no source on gets three sources; rebuild
    LastSourceStopsRecording, // E: the last recording source off turns the master off; rebuild then
};

// "none", "refresh", "A" to "E".
std::string_view after_change_name(AfterChange after);

// The handler a row's control reaches and what follows it.
struct RowAction {
    std::optional<HandlerId> handler;
    AfterChange after = AfterChange::None;
};

// What a row's information button shows: a text, filled with the names when it is a format, in a
// box of that size code.
struct InfoShown {
    InfoText text;
    int size;
    std::span<const Translated* const> names = {};
};

// A setting of the working copy at the moment of the press.
struct SelectTest {
    SettingKey key;
    int value;
};

// Where a row shows another text: every condition given must hold.
struct InfoClause {
    std::span<const int> products = {}; // none: every product
    FirmwareRange firmware = {}; // of the recognized record
    const FlagCondition* flags = nullptr; // nullptr: any codes
    std::optional<SelectTest> select = {};
    InfoShown shows;
};

// A kind's information: the first clause that holds, else its own text.
struct InfoEntry {
    InfoShown shows;
    std::span<const InfoClause> clauses = {};
};

struct TableKindInfo {
    TableKind kind;
    std::string_view name; // the id as written above
    CellKind cell;
    const Translated* title;
    const InfoEntry* information; // none: the row shows no information button
    RowAction action; // unless a variant names its own
};

// Every kind, in the order of TableKind.
std::span<const TableKindInfo> table_kinds();
const TableKindInfo& table_kind(TableKind kind);

} // namespace kivo::settings
