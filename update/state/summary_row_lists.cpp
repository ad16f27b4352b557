#include "update/state/summary_row_lists.h"

#include <algorithm>
#include <array>

#include "settings/table/titles.h"

namespace kivo::summary {
namespace {

namespace titles = settings::titles;
using enum ValueForm;
using Record = KIVOBluetoothDeviceData;

constexpr FmPage kTenPresets{10, "%@:"};
constexpr FmPage kSixPresets{6, "%@:"};
// The first family names its region with a blank after the colon.
constexpr FmPage kTenPresetsSpacedRegion{10, "%@: "};

// Groups that write no settings rows.
constexpr RowsFrom kNoRows[] = {{0, 0, {}}};

// The rows of the plain on/off settings, by the row they stand in.
constexpr RowEntry vox_phone(int row) { return {row, &titles::kVOXPhone, &Record::handsfreeVOX, Normal}; }
constexpr RowEntry vox_intercom(int row) { return {row, &titles::kVOXIntercom, &Record::intercomVOX, Normal}; }
// EDR reads inverted but in the early firmware of two families.
constexpr RowEntry edr(int row, ValueForm form = Inverted) { return {row, &titles::kEDR, &Record::edr, form}; }
constexpr RowEntry plc(int row) { return {row, &titles::kPLC, &Record::plc, Normal}; }
constexpr RowEntry a2dp(int row) { return {row, &titles::kHighQualityA2DP, &Record::bitpoolRate, Normal}; }
constexpr RowEntry microphone_boost(int row)
{
    return {row, &titles::kMicrophoneBoosting, &Record::microphoneBoost, Normal};
}
constexpr RowEntry sidetone(int row) { return {row, &titles::kSidetone, &Record::sidetone, Normal}; }
constexpr RowEntry noise_control(int row)
{
    return {row, &titles::kAdvancedNoiseControl, &Record::advancedNoiseControl, Inverted};
}
// The gain control row shows the backup's own gain control setting, as the settings panel does.
constexpr RowEntry gain_control(int row)
{
    return {row, &titles::kAutoGainControl, &Record::autoGainControl, Inverted};
}
constexpr RowEntry audio_boost(int row) { return {row, &titles::kAudioBoost, &Record::audioBoost, Inverted}; }

// ---- The older USB headsets --------------------------------------------------------------------
constexpr RowEntry kEarlyVoxEdr[] = {vox_phone(1), vox_intercom(2), edr(3, Normal)};
constexpr RowEntry kVoxEdrPlc[] = {vox_phone(1), vox_intercom(2), edr(3), plc(4)};
constexpr RowEntry kVoxEdrPlcA2dp[] = {vox_phone(1), vox_intercom(2), edr(3), plc(4), a2dp(5)};
constexpr RowEntry kVoxEdrA2dp[] = {vox_phone(1), vox_intercom(2), edr(3), a2dp(4)};
constexpr RowEntry kVoxEdrA2dpSidetone[] = {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), sidetone(5)};
constexpr RowEntry kU1AFrom4_1[] = {vox_phone(1), vox_intercom(2), edr(3), plc(4), a2dp(5), microphone_boost(6)};
constexpr RowEntry kU1AFrom4_2[] = {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), microphone_boost(5)};
constexpr RowEntry kU1AFrom5_0[] = {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), sidetone(5), microphone_boost(6)};
constexpr RowEntry kU2Rows[] = {vox_phone(1), edr(2), a2dp(3), sidetone(4)};
constexpr RowEntry kSidetoneRow[] = {sidetone(1)};
constexpr RowEntry kU8From1_1[] = {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), sidetone(5), noise_control(6)};
constexpr RowEntry kEdrA2dpSidetoneNoise[] = {edr(1), a2dp(2), sidetone(3), noise_control(4)};
constexpr RowEntry kEdrA2dp[] = {edr(1), a2dp(2)};
constexpr RowEntry kU15Rows[] = {edr(1), a2dp(2), sidetone(3), noise_control(4), gain_control(5)};
constexpr RowEntry kVoxPhoneEdr[] = {vox_phone(1), edr(2)};
constexpr RowEntry kVoxPhoneRow[] = {vox_phone(1)};
constexpr RowEntry kVoxEdrPlcShort[] = {vox_phone(1), edr(2), plc(3)};
constexpr RowEntry kVoxEdrA2dpShort[] = {vox_phone(1), edr(2), a2dp(3)};
constexpr RowEntry kVoxEdrA2dpSidetoneShort[] = {vox_phone(1), edr(2), a2dp(3), sidetone(4)};

constexpr RowsFrom kU1A[] = {
    {0, 0, kEarlyVoxEdr}, {4, 0, kVoxEdrPlc}, {4, 1, kU1AFrom4_1}, {4, 2, kU1AFrom4_2}, {5, 0, kU1AFrom5_0}};
constexpr RowsFrom kU1B[] = {
    {0, 0, kEarlyVoxEdr}, {4, 0, kVoxEdrPlc}, {4, 1, kVoxEdrPlcA2dp}, {4, 2, kVoxEdrA2dp}, {5, 0, kVoxEdrA2dpSidetone}};
constexpr RowsFrom kU2[] = {{0, 0, kU2Rows}};
constexpr RowsFrom kSidetoneAlways[] = {{0, 0, kSidetoneRow}};
constexpr RowsFrom kVoxEdrA2dpSidetoneAlways[] = {{0, 0, kVoxEdrA2dpSidetone}};
constexpr RowsFrom kU6[] = {{0, 0, kEarlyVoxEdr}, {4, 0, kVoxEdrPlc}, {4, 1, kVoxEdrPlcA2dp}, {4, 2, kVoxEdrA2dp}};
constexpr RowsFrom kU8[] = {{0, 0, kVoxEdrA2dpSidetone}, {1, 1, kU8From1_1}};
constexpr RowsFrom kEdrA2dpSidetoneNoiseAlways[] = {{0, 0, kEdrA2dpSidetoneNoise}};
constexpr RowsFrom kEdrA2dpAlways[] = {{0, 0, kEdrA2dp}};
constexpr RowsFrom kU15[] = {{0, 0, kU15Rows}};
constexpr RowsFrom kVoxPhoneEdrAlways[] = {{0, 0, kVoxPhoneEdr}};
constexpr RowsFrom kVoxPhoneAlways[] = {{0, 0, kVoxPhoneRow}};
constexpr RowsFrom kU21[] = {{0, 0, kVoxEdrPlcShort}, {1, 2, kVoxEdrA2dpShort}, {2, 0, kVoxEdrA2dpSidetoneShort}};
constexpr RowsFrom kU22[] = {{0, 0, kVoxEdrA2dpSidetoneShort}};
constexpr RowsFrom kU23[] = {{0, 0, kVoxEdrA2dpShort}};

// ---- The later groups --------------------------------------------------------------------------
// clang-format off
constexpr RowEntry kG2Rows[] = {
    {1, &titles::kRadioTransmitGain, &Record::radioTransmitGain, Gain},
    {2, &titles::kAudioChannelTimeout, &Record::audioChannelTimeout, Seconds},
};
constexpr RowEntry kG3EarlyRows[] = {
    {1, &titles::kVOXPhone, &Record::getBasicSettingBriskoVOXPhone, Normal},
    {2, &titles::kSidetone, &Record::getBasicSettingBriskoSidetone, Normal},
    {3, &titles::kAudioMultitasking, &Record::getBasicSettingBriskoAudioMultitasking, Normal},
    {4, &titles::kIntercomAudioOverlaySensitivity, &Record::getBasicSettingBriskoAudioMultitaskingSensitivity, Overlay},
};
constexpr RowEntry kG4Rows[] = {
    {1, &titles::kVOXPhone, &Record::getBasicSettingBriskoVOXPhone, Normal},
    {2, &titles::kSidetone, &Record::getBasicSettingBriskoSidetone, Normal},
    {3, &titles::kMotionSensorSensitivity, &Record::getBasicSettingBriskoMotionSensorSensitivity, Motion},
    {4, &titles::kAudioMultitasking, &Record::getBasicSettingBriskoAudioMultitasking, Normal},
    {5, &titles::kIntercomAudioOverlaySensitivity, &Record::getBasicSettingBriskoAudioMultitaskingSensitivity, Overlay},
    {6, &titles::kNavigationAppSupport, &Record::getBasicSettingBriskoNavigationAppOverlay, Normal},
};
// clang-format on
constexpr RowEntry kG5Rows[] = {audio_boost(1), vox_phone(2), vox_intercom(3), a2dp(4), sidetone(5), noise_control(6)};

// G5's rows, then value field 6 again from the voice assistant setting under the same label.
constexpr std::array<RowEntry, std::size(kG5Rows) + 1> kG6Rows = [] {
    std::array<RowEntry, std::size(kG5Rows) + 1> rows{};
    std::copy(std::begin(kG5Rows), std::end(kG5Rows), rows.begin());
    rows.back() = {6, nullptr, &Record::voiceAssistant, Inverted};
    return rows;
}();

constexpr RowEntry kG7Rows[] = {audio_boost(1), a2dp(2), noise_control(3)};
// The first row is titled Audio Boost but shows the FM station guide.
constexpr RowEntry kG8Rows[] = {{1, &titles::kAudioBoost, &Record::fmStationGuide, OneIsEnabled}, noise_control(2)};

constexpr RowsFrom kG2[] = {{0, 0, kG2Rows}};
constexpr RowsFrom kG3[] = {{0, 0, kG3EarlyRows}, {1, 1, kG4Rows}};
constexpr RowsFrom kG4[] = {{0, 0, kG4Rows}};
constexpr RowsFrom kG5[] = {{0, 0, kG5Rows}};
constexpr RowsFrom kG6[] = {{0, 0, kG6Rows}};
constexpr RowsFrom kG7[] = {{0, 0, kG7Rows}};
constexpr RowsFrom kG8[] = {{0, 0, kG8Rows}};

constexpr GroupRows kGroups[] = {
    {SummaryGroup::U1A, TabHandling::FmOnOther, kTenPresetsSpacedRegion, kU1A},
    {SummaryGroup::U1B, TabHandling::FmOnOther, kTenPresetsSpacedRegion, kU1B},
    {SummaryGroup::U2, TabHandling::Standard, kTenPresets, kU2},
    {SummaryGroup::U3, TabHandling::Standard, kTenPresets, kSidetoneAlways},
    {SummaryGroup::U4, TabHandling::Standard, kTenPresets, kVoxEdrA2dpSidetoneAlways},
    {SummaryGroup::U5, TabHandling::Standard, kTenPresets, kVoxEdrA2dpSidetoneAlways},
    {SummaryGroup::U6, TabHandling::Standard, kTenPresets, kU6},
    {SummaryGroup::U7, TabHandling::SettingsOnly, kTenPresets, kSidetoneAlways},
    {SummaryGroup::U8, TabHandling::Standard, kTenPresets, kU8},
    {SummaryGroup::U9, TabHandling::Standard, kTenPresets, kEdrA2dpSidetoneNoiseAlways},
    {SummaryGroup::U10, TabHandling::Standard, kTenPresets, kEdrA2dpSidetoneNoiseAlways},
    {SummaryGroup::U11, TabHandling::Standard, kTenPresets, kEdrA2dpAlways},
    {SummaryGroup::U12, TabHandling::Standard, kTenPresets, kEdrA2dpAlways},
    {SummaryGroup::U13, TabHandling::Standard, kTenPresets, kEdrA2dpAlways},
    {SummaryGroup::U14, TabHandling::Standard, kTenPresets, kEdrA2dpAlways},
    {SummaryGroup::U15, TabHandling::Standard, kTenPresets, kU15},
    {SummaryGroup::U16, TabHandling::Standard, kTenPresets, kVoxPhoneEdrAlways},
    {SummaryGroup::U17, TabHandling::Standard, kTenPresets, kVoxPhoneEdrAlways},
    {SummaryGroup::U18, TabHandling::Standard, kTenPresets, kVoxPhoneEdrAlways},
    {SummaryGroup::U19, TabHandling::Standard, kTenPresets, kVoxPhoneEdrAlways},
    {SummaryGroup::U20, TabHandling::Standard, kTenPresets, kVoxPhoneAlways},
    {SummaryGroup::U21, TabHandling::FmOnOther, kTenPresets, kU21},
    {SummaryGroup::U22, TabHandling::FmOnOther, kTenPresets, kU22},
    {SummaryGroup::U23, TabHandling::EveryTab, kTenPresets, kU23},
    {SummaryGroup::G1, TabHandling::EveryTab, kTenPresets, kVoxPhoneAlways},
    {SummaryGroup::G2, TabHandling::EveryTab, kTenPresets, kG2},
    {SummaryGroup::G3, TabHandling::FmOnThree, kTenPresets, kG3},
    {SummaryGroup::G4, TabHandling::FmOnThree, kTenPresets, kG4},
    {SummaryGroup::G5, TabHandling::FmOnThree, kTenPresets, kG5},
    {SummaryGroup::G6, TabHandling::FmOnThree, kTenPresets, kG6},
    {SummaryGroup::G7, TabHandling::FmOnThree, kTenPresets, kG7},
    {SummaryGroup::G8, TabHandling::FmOnThree, kTenPresets, kG8},
    {SummaryGroup::G9, TabHandling::FmOnThree, kSixPresets, kG5},
    {SummaryGroup::G10, TabHandling::FmOnThree, kTenPresets, kNoRows},
};
constexpr bool every_group_has_its_rows()
{
    for (const SummaryGroupRow& row : kSummaryGroupRows)
        if (std::none_of(std::begin(kGroups), std::end(kGroups),
                         [&](const GroupRows& g) { return g.group == row.group; }))
            return false;
    return true;
}
static_assert(every_group_has_its_rows());

} // namespace

const GroupRows& group_rows(SummaryGroup group)
{
    return *std::find_if(std::begin(kGroups), std::end(kGroups), [&](const GroupRows& g) { return g.group == group; });
}

} // namespace kivo::summary
