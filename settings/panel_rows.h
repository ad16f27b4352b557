#pragma once
// The rows of the settings page's fixed panel: each row's outlets (a label, most an information
// button, one value control), its title, its information text and the keyboard hints of its
// information button and cells. The page finds its widgets by these outlet names; where a layout
// places a row and which rows show are panel_layout and panel_visibility.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "settings/table/handlers.h"
#include "settings/texts/information_texts.h"
#include "text/localized.h"

namespace kivo::settings {

// In the order the panel's enabling treats them.
enum class ClassicRow : std::uint8_t {
    IntercomVOX,
    HandsfreeVOX,
    EDR,
    EDRNote,
    PLC,
    BitpoolRate,
    MicrophoneBoost,
    Sidetone,
    AdvancedNoiseControl,
    AutoGainControl,
    AudioBoost,
    MotionSensorSensitivity,
    AudioMultitasking,
    AudioMultitaskingSensitivity,
    NavigationAppOverlay,
    RadioTransmitGain,
    AudioChannelTimeout,
};

inline constexpr int kClassicRowCount = 17;

// What the row's value control is.
enum class ControlKind : std::uint8_t {
    None, // the EDR note: a label only
    Radio, // two cells, Enable (column 0) and Disable (column 1)
    PopUp,
    GainCells, // three cells: low, medium, high
    Seconds, // a text field with a stepper beside it
};

struct ClassicRowOutlets {
    ClassicRow row;
    std::string_view name; // for dumps and test messages
    // Hidden with the row, never disabled: the label, and the timeout's unit label.
    std::array<std::string_view, 2> hiddenOnly;
    // Hidden with the row and disabled while a worker runs, in the order the page treats them.
    std::array<std::string_view, 3> hiddenAndEnabled;
    std::string_view infoButton; // empty for none
    std::string_view control; // the value control (a radio group's name for cells)
    std::array<std::string_view, 3> cells; // the radio cells, in column order
    ControlKind kind;
    // The label's text: set with the titles of the buttons for rows with an information button,
    // by the page's control update for the two VOX rows; none for the note.
    const Translated* title;
    std::optional<InfoText> info;
    // The hint shown on the label in place of its title; it names the information button's key.
    std::string_view infoHint;
    // The hints shown on the cells in place of their titles, each naming the cell's key.
    std::array<std::string_view, 3> cellHints;
    // What a change of the row's control does; none for the note.
    std::optional<HandlerId> handler;
};

// Every row, in ClassicRow order.
std::span<const ClassicRowOutlets> classic_rows();
const ClassicRowOutlets& classic_row(ClassicRow row);

} // namespace kivo::settings
