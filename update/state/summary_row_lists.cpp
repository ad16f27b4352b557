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

// Groups that write no settings rows.
constexpr RowsFrom kNoRows[] = {{0, 0, {}}};

// clang-format off
constexpr RowSpec kG1Rows[] = {
    {1, &titles::kVOXPhone, &Record::handsfreeVOX, Normal},
};
constexpr RowSpec kG2Rows[] = {
    {1, &titles::kRadioTransmitGain, &Record::radioTransmitGain, Gain},
    {2, &titles::kAudioChannelTimeout, &Record::audioChannelTimeout, Seconds},
};
constexpr RowSpec kG3EarlyRows[] = {
    {1, &titles::kVOXPhone, &Record::getBasicSettingBriskoVOXPhone, Normal},
    {2, &titles::kSidetone, &Record::getBasicSettingBriskoSidetone, Normal},
    {3, &titles::kAudioMultitasking, &Record::getBasicSettingBriskoAudioMultitasking, Normal},
    {4, &titles::kIntercomAudioOverlaySensitivity, &Record::getBasicSettingBriskoAudioMultitaskingSensitivity, Overlay},
};
constexpr RowSpec kG4Rows[] = {
    {1, &titles::kVOXPhone, &Record::getBasicSettingBriskoVOXPhone, Normal},
    {2, &titles::kSidetone, &Record::getBasicSettingBriskoSidetone, Normal},
    {3, &titles::kMotionSensorSensitivity, &Record::getBasicSettingBriskoMotionSensorSensitivity, Motion},
    {4, &titles::kAudioMultitasking, &Record::getBasicSettingBriskoAudioMultitasking, Normal},
    {5, &titles::kIntercomAudioOverlaySensitivity, &Record::getBasicSettingBriskoAudioMultitaskingSensitivity, Overlay},
    {6, &titles::kNavigationAppSupport, &Record::getBasicSettingBriskoNavigationAppOverlay, Normal},
};
constexpr RowSpec kG5Rows[] = {
    {1, &titles::kAudioBoost, &Record::audioBoost, Inverted},
    {2, &titles::kVOXPhone, &Record::handsfreeVOX, Normal},
    {3, &titles::kVOXIntercom, &Record::intercomVOX, Normal},
    {4, &titles::kHighQualityA2DP, &Record::bitpoolRate, Normal},
    {5, &titles::kSidetone, &Record::sidetone, Normal},
    {6, &titles::kAdvancedNoiseControl, &Record::advancedNoiseControl, Inverted},
};
// clang-format on

// G5's rows, then value field 6 again from the voice assistant setting under the same label.
constexpr std::array<RowSpec, std::size(kG5Rows) + 1> kG6Rows = [] {
    std::array<RowSpec, std::size(kG5Rows) + 1> rows{};
    std::copy(std::begin(kG5Rows), std::end(kG5Rows), rows.begin());
    rows.back() = {6, nullptr, &Record::voiceAssistant, Inverted};
    return rows;
}();

// clang-format off
constexpr RowSpec kG7Rows[] = {
    {1, &titles::kAudioBoost, &Record::audioBoost, Inverted},
    {2, &titles::kHighQualityA2DP, &Record::bitpoolRate, Normal},
    {3, &titles::kAdvancedNoiseControl, &Record::advancedNoiseControl, Inverted},
};
// The first row is titled Audio Boost but shows the FM station guide.
constexpr RowSpec kG8Rows[] = {
    {1, &titles::kAudioBoost, &Record::fmStationGuide, OneIsEnabled},
    {2, &titles::kAdvancedNoiseControl, &Record::advancedNoiseControl, Inverted},
};
// clang-format on

constexpr RowsFrom kG1[] = {{0, 0, kG1Rows}};
constexpr RowsFrom kG2[] = {{0, 0, kG2Rows}};
constexpr RowsFrom kG3[] = {{0, 0, kG3EarlyRows}, {1, 1, kG4Rows}};
constexpr RowsFrom kG4[] = {{0, 0, kG4Rows}};
constexpr RowsFrom kG5[] = {{0, 0, kG5Rows}};
constexpr RowsFrom kG6[] = {{0, 0, kG6Rows}};
constexpr RowsFrom kG7[] = {{0, 0, kG7Rows}};
constexpr RowsFrom kG8[] = {{0, 0, kG8Rows}};

constexpr GroupRows kGroups[] = {
    {SummaryGroup::G1, TabHandling::EveryTab, kTenPresets, kG1},
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
