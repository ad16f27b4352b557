#pragma once
// The setting change handlers as data: for each action of the settings page and its all-settings
// table, the kind of control that sends it and its writers, each a product list and the setting it
// writes with the value of the control's column or index. The first writer whose list holds the
// product wins; the last, "Others", has no list. apply_change is the one entry for every caller.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "settings/table/setting_catalogue.h"

namespace kivo::settings {

enum class HandlerId : std::uint8_t {
    changeIVOX,
    changeVoiceAssistant,
    changeHVOX,
    changeEDR,
    changePLC,
    changeBitpoolRate,
    changeMicrophoneBoost,
    changeSidetone,
    changeAdvancedNoiseControl,
    changeAutoStartRecording,
    changeLEDControl,
    changeAutoGainControl,
    changeAutoOnOff,
    changeAudioBoost,
    changeHDSpeakerAccessory,
    changeMotionSensorSensitivity,
    changeAudioMultitasking,
    changeAudioMultitaskingSensitivity,
    changeRemoteUIPTT,
    changeMeshPublicChannel,
    changeUnitLanguage,
    changeAudioEqualizer,
    changeSpeakerSelect,
    changeMicSelect,
    changeNavigationAppOverlay,
    changeVoicePrompt,
    changeAdaptiveLight,
    changeHDIntercom,
    changeEightWayIntercom,
    changeFMStationGuide,
    changeHDVoice,
    changeAudioSourcePriority,
    changeBackgroundVolume,
    changeAudioOverlay,
    changeAutoOff,
    changeSimpleUI,
    changeSmartNaviSystem2,
    changeSmartNaviSystem,
    changeSmartVolumeControl,
    changeChannel,
    changeVolume,
    changeMicrophone,
    changeVOXSensitivity,
    changeMeshMode,
    changeMeshGuestMode,
    changeAGCSensitivity,
    changeUILayer,
    changeKelporHDSPeakerAccessory,
    changeMeshReachOut,
    changeFMRadioOnVargo,
    changePhoneOnVargo,
    changeAudioOverlayVolumeManagement,
    changeVoiceCommand,
    changePhotoMode,
    changeVideoMode,
    changeVideoResolution,
    changeTimelapseInterval,
    changeDateCaption,
    changeSpeakerSoundRecording,
    changeSpeakerSoundRecordingMusic,
    changeSpeakerSoundRecordingFMRadio,
    changeSpeakerSoundRecordingIntercom,
    changeSpeakerSoundRecordingPhone,
    changeAutoCameraSleep,
    changeVideoTaggingInterval,
    changeLoopRecordingInterval,
    changeVideoMicrophoneGain,
    changeESSStatus,
    changeESSSensitivity,
    changeMicGain,
    changeRTG,
    changeACT,
};

// The control that sends the action.
enum class HandlerControl : std::uint8_t {
    OnOff, // two cells, column 0 and 1
    PopUp, // an item index from 0
    GainCells, // three cells, column 0 to 2
    Seconds, // a number of seconds
};

// What value a writer passes for the control's column or index i.
enum class ValueRule : std::uint8_t {
    OneZero, // column 0 stores 1, column 1 stores 0
    ZeroOne, // column 0 stores 0, column 1 stores 1
    Index, // i
    IndexPlusOne, // i + 1
    TenMinusIndex, // 10 - i
    IndexPlusEight, // i + 8
    MicGainLevel, // 2i + 1 for i of 0 to 2
    Gain, // 12, 15 or 17 for column 0, 1 or 2
    Seconds, // the value itself
};

// What a handler does after it stores.
enum class Coupling : std::uint8_t {
    None,
    // The accessory switched on turns the family's audio boost off for the user.
    HDSpeakerAudioBoost,
    // The selected index goes to the trace first.
    MicGainTrace,
};

struct Writer {
    std::span<const int> products; // empty: any product the writers before it do not hold
    std::optional<SettingKey> key; // none: nothing stored
    ValueRule rule;
};

struct Handler {
    HandlerId id;
    std::string_view name;
    HandlerControl control;
    std::span<const Writer> writers;
    Coupling coupling;
};

// Every handler, in HandlerId order.
std::span<const Handler> handlers();
const Handler& handler(HandlerId id);

// The writer the product reaches: the first whose list holds it, else the Others writer.
const Writer& writer_for(HandlerId id, int product);

// The value the writer passes for a column or index; none where the control has no such cell or
// item (a column outside the cells, an index below 0, a gain or microphone gain past the table).
std::optional<int> written_value(const Writer& writer, int column_or_index);

// The handler's change of the working copy for the product of the context: its writer stores the
// value, then the handler's coupling runs. True when a value was stored; nothing is stored for a
// writer without a setting or a value the control cannot send.
bool apply_change(HandlerId id, int column_or_index, const AccessContext& context, Record& working);

// "1/0", "0/1", "i", "i+1", "10-i", "i+8", "2i+1 (i<3)", "12/15/17", "seconds": for dumps.
std::string_view value_rule_text(ValueRule rule);
std::string_view coupling_text(Coupling coupling);

} // namespace kivo::settings
