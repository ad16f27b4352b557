#include "settings/panel_rows.h"

#include "settings/table/titles.h"

namespace kivo::settings {
namespace {

constexpr ClassicRowOutlets radio_row(ClassicRow row, std::string_view name, std::string_view label,
                                      std::string_view info_button, std::string_view control, std::string_view enable,
                                      std::string_view disable, const Translated* title, std::optional<InfoText> info,
                                      std::string_view info_hint, std::string_view enable_hint,
                                      std::string_view disable_hint, HandlerId handler)
{
    ClassicRowOutlets outlets{row,
                              name,
                              {label, {}},
                              {},
                              info_button,
                              control,
                              {enable, disable, {}},
                              ControlKind::Radio,
                              title,
                              info,
                              info_hint,
                              {enable_hint, disable_hint, {}},
                              handler};
    if (info_button.empty())
        outlets.hiddenAndEnabled = {control, {}, {}};
    else
        outlets.hiddenAndEnabled = {info_button, control, {}};
    return outlets;
}

constexpr ClassicRowOutlets popup_row(ClassicRow row, std::string_view name, std::string_view label,
                                      std::string_view info_button, std::string_view control, const Translated* title,
                                      InfoText info, std::string_view info_hint, HandlerId handler)
{
    return {row,         name,    {label, {}}, {info_button, control, {}},
            info_button, control, {},          ControlKind::PopUp,
            title,       info,    info_hint,   {},
            handler};
}

using namespace titles;

// clang-format off
constexpr std::array<ClassicRowOutlets, kClassicRowCount> kRows = {{
    radio_row(ClassicRow::IntercomVOX, "IntercomVOX", "lblIntercomVOX", {}, "radioIntercomVOX", "enableIntercomVOX", "disableIntercomVOX", &kVOXIntercom, std::nullopt, {}, "[O]-I", "[S][O]-I", HandlerId::changeIVOX),
    radio_row(ClassicRow::HandsfreeVOX, "HandsfreeVOX", "lblHandsfreeVOX", {}, "radioHandsfreeVOX", "enableHandsfreeVOX", "disableHandsfreeVOX", &kVOXPhone, std::nullopt, {}, "[O]-H", "[S][O]-H", HandlerId::changeHVOX),
    radio_row(ClassicRow::EDR, "EDR", "lblEDR", "btnEDR", "radioEDR", "enableEDR", "disableEDR", &kEDR, InfoText::EDR43, "[O][C]-E", "[O]-E", "[S][O]-E", HandlerId::changeEDR),
    ClassicRowOutlets{ClassicRow::EDRNote, "EDRNote", {"lblNoteEDR", {}}, {}, {}, {}, {}, ControlKind::None, nullptr, std::nullopt, {}, {}, std::nullopt},
    radio_row(ClassicRow::PLC, "PLC", "lblPLC", "btnPLC", "radioPLC", "enablePLC", "disablePLC", &kPLC, InfoText::PLC, "[O][C]-P", "[O]-P", "[S][O]-P", HandlerId::changePLC),
    radio_row(ClassicRow::BitpoolRate, "BitpoolRate", "lblBitpoolRate", "btnBitpoolRate", "radioBitpoolRate", "enableBitpoolRate", "disableBitpoolRate", &kHighQualityA2DP, InfoText::BitpoolRate, "[O][C]-Q", "[O]-Q", "[S][O]-Q", HandlerId::changeBitpoolRate),
    radio_row(ClassicRow::MicrophoneBoost, "MicrophoneBoost", "lblMicrophoneBoost", "btnMicrophoneBoost", "radioMicrophoneBoost", "enableMicrophoneBoost", "disableMicrophoneBoost", &kMicrophoneBoosting, InfoText::MicrophoneBoost, "[O][C]-M", "[O]-M", "[S][O]-M", HandlerId::changeMicrophoneBoost),
    radio_row(ClassicRow::Sidetone, "Sidetone", "lblSidetone", "btnSidetone", "radioSidetone", "enableSidetone", "disableSidetone", &kSidetone, InfoText::Sidetone, "[O][C]-T", "[O]-T", "[S][O]-T", HandlerId::changeSidetone),
    radio_row(ClassicRow::AdvancedNoiseControl, "AdvancedNoiseControl", "lblAdvancedNoiseControl", "btnAdvancedNoiseControl", "radioAdvancedNoiseControl", "enableAdvancedNoiseControl", "disableAdvancedNoiseControl", &kAdvancedNoiseControl, InfoText::AdvancedNoiseControl, "[O][C]-V", "[O]-V", "[S][O]-V", HandlerId::changeAdvancedNoiseControl),
    radio_row(ClassicRow::AutoGainControl, "AutoGainControl", "lblAutoGainControl", "btnAutoGainControl", "radioAutoGainControl", "enableAutoGainControl", "disableAutoGainControl", &kAutoGainControl, InfoText::AutoGainControl, "[O][C]-G", "[O]-G", "[S][O]-G", HandlerId::changeAutoGainControl),
    radio_row(ClassicRow::AudioBoost, "AudioBoost", "lblAudioBoost", "btnAudioBoost", "radioAudioBoost", "enableAudioBoost", "disableAudioBoost", &kAudioBoost, InfoText::AudioBoost, "[O][C]-B", "[O]-B", "[S][O]-B", HandlerId::changeAudioBoost),
    popup_row(ClassicRow::MotionSensorSensitivity, "MotionSensorSensitivity", "lblMotionSensorSensitivity", "btnMotionSensorSensitivity", "popUpMotionSensorSensitivity", &kMotionSensorSensitivity, InfoText::MotionSensorSensitivity, "[O][C]-M", HandlerId::changeMotionSensorSensitivity),
    radio_row(ClassicRow::AudioMultitasking, "AudioMultitasking", "lblAudioMultitasking", "btnAudioMultitasking", "radioAudioMultitasking", "enableAudioMultitasking", "disableAudioMultitasking", &kAudioMultitasking, InfoText::AudioMultitasking, "[O][C]-A", "[O]-A", "[S][O]-A", HandlerId::changeAudioMultitasking),
    popup_row(ClassicRow::AudioMultitaskingSensitivity, "AudioMultitaskingSensitivity", "lblAudioMultitaskingSensitivity", "btnAudioMultitaskingSensitivity", "popUpAudioMultitaskingSensitivity", &kIntercomAudioOverlaySensitivity, InfoText::IntercomAudioOverlaySesitivity, "[O][C]-I", HandlerId::changeAudioMultitaskingSensitivity),
    radio_row(ClassicRow::NavigationAppOverlay, "NavigationAppOverlay", "lblNavigationAppOverlay", "btnNavigationAppOverlay", "radioNavigationAppOverlay", "enableNavigationAppOverlay", "disableNavigationAppOverlay", &kNavigationAppSupport, InfoText::NavigationAppOverlay, "[O][C]-N", "[O]-N", "[S][O]-N", HandlerId::changeNavigationAppOverlay),
    ClassicRowOutlets{ClassicRow::RadioTransmitGain, "RadioTransmitGain", {"lblRTG", {}}, {"btnRTG", "radioRTG", {}}, "btnRTG", "radioRTG", {"lowRTG", "mediumRTG", "highRTG"}, ControlKind::GainCells, &kRadioTransmitGain, InfoText::RTG, "[O][C]-R", {"[O]-R", "[S]-R", "[S][O]-R"}, HandlerId::changeRTG},
    ClassicRowOutlets{ClassicRow::AudioChannelTimeout, "AudioChannelTimeout", {"lblACT", "lblACTUnit"}, {"tfACT", "stepperACT", "btnACT"}, "btnACT", "tfACT", {}, ControlKind::Seconds, &kAudioChannelTimeout, InfoText::ACT, "[O][C]-A", {}, HandlerId::changeACT},
}};
// clang-format on

constexpr bool rows_in_order()
{
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (static_cast<std::size_t>(kRows[i].row) != i)
            return false;
    return true;
}
static_assert(rows_in_order());

} // namespace

std::span<const ClassicRowOutlets> classic_rows() { return kRows; }

const ClassicRowOutlets& classic_row(ClassicRow row) { return kRows[static_cast<std::size_t>(row)]; }

} // namespace kivo::settings
