#pragma once
// When a row of the all-settings table may be changed. A rule reads one setting of the working copy
// (or the device-information code recognition left) and greys the row's control while a related
// setting forbids a change: audio boost while a speaker accessory is chosen, a sub-switch while its
// master is off. An on/off row's rule is one of E0 to E13; a choice row's rule is named by what it
// reads.
//
// A kind may use different rules on different products, firmware versions, show/hide codes or for
// its second row in one list: its clauses say where, and the first clause that holds decides.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "settings/table/firmware_range.h"
#include "settings/table/flag_condition.h"
#include "settings/table/setting_catalogue.h"

namespace kivo::settings {

enum class RuleInput : std::uint8_t {
    Nothing, // always enabled
    WorkingCopy, // a setting of the working copy, by its key
    InfoStatus, // the device-information code of the session
};

struct EnablingRule {
    std::string_view name; // "E3"; empty for a choice row's rule, which is named by what it reads
    RuleInput input;
    SettingKey key; // WorkingCopy only
    std::array<int, 2> values; // the test holds when the value is one of these
    bool negated; // ... or, when negated, when it is none of them
    bool enabledWhenHolds; // enabled while the test holds, else disabled while it holds
    VersionBound enabledFrom = {}; // from this firmware of the recognized record: enabled whatever the test says
};

// clang-format off
inline constexpr EnablingRule kE0{"E0", RuleInput::Nothing, {}, {}, false, true};
inline constexpr EnablingRule kE1{"E1", RuleInput::WorkingCopy, SettingKey::BriskoAudioMultitasking, {1, 1}, false, true};
inline constexpr EnablingRule kE2{"E2", RuleInput::WorkingCopy, SettingKey::EgranoSpeakerAccessorySelect, {8, 8}, false, false};
inline constexpr EnablingRule kE3{"E3", RuleInput::WorkingCopy, SettingKey::EgranoSpeakerAccessorySelect, {8, 8}, false, false, {BoundKind::MajorMinor, 1, 4}};
inline constexpr EnablingRule kE4{"E4", RuleInput::WorkingCopy, SettingKey::VantorHDSpeakerAccessory, {0, 0}, true, false};
inline constexpr EnablingRule kE5{"E5", RuleInput::WorkingCopy, SettingKey::DuvaneSpeakerAccessorySelect, {0, 0}, true, false};
inline constexpr EnablingRule kE6{"E6", RuleInput::WorkingCopy, SettingKey::BriskoDuvaneSpeakerAccessorySelect, {0, 0}, true, false};
inline constexpr EnablingRule kE7{"E7", RuleInput::WorkingCopy, SettingKey::BriskoHDSpeakerAccessory, {0, 0}, true, false};
inline constexpr EnablingRule kE8{"E8", RuleInput::WorkingCopy, SettingKey::HIDOneModuleHDSpeakerAccessory, {1, 1}, false, false};
inline constexpr EnablingRule kE9{"E9", RuleInput::WorkingCopy, SettingKey::AudioOverlay, {1, 1}, false, false};
inline constexpr EnablingRule kE10{"E10", RuleInput::WorkingCopy, SettingKey::VantorAudioOverlay, {0, 0}, true, false};
inline constexpr EnablingRule kE11{"E11", RuleInput::InfoStatus, {}, {0, 0}, false, true};
// Codes other than 0, 2 and 7 enable the row: a rebuilt row never keeps a recycled row's state.
inline constexpr EnablingRule kE12{"E12", RuleInput::InfoStatus, {}, {2, 7}, false, false};
inline constexpr EnablingRule kE13{"E13", RuleInput::WorkingCopy, SettingKey::WispenCameraSpeakerSoundRecording, {1, 1}, false, true};
// clang-format on

// A choice row's rules.
inline constexpr EnablingRule kAlways{"", RuleInput::Nothing, {}, {}, false, true};
constexpr EnablingRule only_while(SettingKey key, int value)
{
    return {"", RuleInput::WorkingCopy, key, {value, value}, false, true};
}
constexpr EnablingRule disabled_while(SettingKey key, int value)
{
    return {"", RuleInput::WorkingCopy, key, {value, value}, false, false};
}

// Where a rule other than the variant's own holds: every condition given must hold.
struct RuleClause {
    std::span<const int> products; // none: every product of the variant
    FirmwareRange firmware; // of the recognized record; no bounds: any
    const FlagCondition* flags; // nullptr: any codes
    int occurrence; // -1: any row; n: only the kind's row n (0 first) in its list
    const EnablingRule* rule;
};

// What a rule and its clauses are decided by.
struct RuleInputs {
    const KIVOBluetoothDeviceData& working;
    const KIVOBluetoothDeviceData& recognized;
    int deviceInfoStatus;
    AccessContext access;
};

bool enabled_by(const EnablingRule& rule, const RuleInputs& inputs);

struct ClauseInputs {
    int product;
    FirmwareQuad version; // the recognized record's
    FlagCodes codes;
    int occurrence;
};

// The rule of the first clause that holds, else `otherwise`.
const EnablingRule& rule_for(const EnablingRule& otherwise, std::span<const RuleClause> clauses,
                             const ClauseInputs& inputs);

// "E3", or for a choice rule "always", "only while getBasicSettingBriskoAudioMultitasking is 1",
// "disabled while deviceInfoStatus is 6 or 7".
std::string rule_name(const EnablingRule& rule);

} // namespace kivo::settings
