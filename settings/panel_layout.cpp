#include "settings/panel_layout.h"

#include <array>

#include "device/products/classic_panel.h"
#include "settings/table/firmware_range.h"

namespace kivo::settings {
namespace {

using R = ClassicRow;

// ---- Row kinds -----------------------------------------------------------------------------------

using K = SettingKey;
constexpr std::optional<SettingKey> kNone = std::nullopt;

// clang-format off
constexpr std::array kKinds = {
    ClassicRowKind{R::IntercomVOX, ValueShow::Column0ForNonZero, K::IntercomVOX, K::VantorVOXIntercom, kNone},
    ClassicRowKind{R::HandsfreeVOX, ValueShow::Column0ForNonZero, K::HandsfreeVOX, K::VantorVOXPhone, K::BriskoVOXPhone},
    ClassicRowKind{R::EDR, ValueShow::Column1ForNonZero, K::Edr, K::EDR, kNone},
    ClassicRowKind{R::PLC, ValueShow::Column0ForNonZero, K::Plc, kNone, kNone},
    ClassicRowKind{R::BitpoolRate, ValueShow::Column0ForNonZero, K::BitpoolRate, K::VantorHighQulityA2DP, kNone},
    ClassicRowKind{R::MicrophoneBoost, ValueShow::Column0ForNonZero, K::MicrophoneBoost, kNone, kNone},
    ClassicRowKind{R::Sidetone, ValueShow::Column0ForNonZero, K::Sidetone, K::VantorSidetone, K::BriskoSidetone},
    ClassicRowKind{R::AdvancedNoiseControl, ValueShow::Column1ForNonZero, K::AdvancedNoiseControl, kNone, kNone},
    ClassicRowKind{R::AutoGainControl, ValueShow::Column1ForNonZero, K::AutoGainControl, kNone, kNone},
    ClassicRowKind{R::AudioBoost, ValueShow::Column1ForNonZero, K::AudioBoost, kNone, kNone},
    ClassicRowKind{R::MotionSensorSensitivity, ValueShow::ItemValueMinus1, kNone, kNone, K::BriskoMotionSensorSensitivity},
    ClassicRowKind{R::AudioMultitasking, ValueShow::Column0ForNonZero, kNone, kNone, K::BriskoAudioMultitasking},
    ClassicRowKind{R::AudioMultitaskingSensitivity, ValueShow::ItemTenMinusValue, kNone, kNone, K::BriskoAudioMultitaskingSensitivity},
    ClassicRowKind{R::NavigationAppOverlay, ValueShow::Column0ForNonZero, kNone, kNone, K::BriskoNavigationAppOverlay},
    // Filled only, by the layout of the radio product.
    ClassicRowKind{R::RadioTransmitGain, ValueShow::GainColumn, K::RadioTransmitGain, kNone, kNone},
    ClassicRowKind{R::AudioChannelTimeout, ValueShow::Seconds, K::AudioChannelTimeout, kNone, kNone},
};
// clang-format on

// ---- Grids -----------------------------------------------------------------------------------------

struct SlotFrames {
    Frame label;
    Frame info;
    Frame control;
};

constexpr int kSlots = 6;

// The regular grids: slot s (1 to 6) has its label at y = 226 - 25 (s - 1).
constexpr SlotFrames regular_slot(PanelGrid grid, int slot)
{
    const int y = 226 - 25 * (slot - 1);
    const Frame control = grid == PanelGrid::PopUpRowGrid ? Frame{289, y - 5, 182, 23} : Frame{289, y - 3, 182, 18};
    return {{50, y, 207, 17}, {257, y - 2, 19, 17}, control};
}

// The EDR-note grids are irregular; the two-line note stands between their rows.
constexpr std::array<SlotFrames, kSlots> kEdrNoteSlots = {{
    {{50, 226, 207, 17}, {257, 224, 19, 17}, {289, 224, 182, 18}},
    {{50, 201, 207, 17}, {257, 199, 19, 17}, {289, 199, 182, 18}},
    {{50, 176, 207, 17}, {257, 174, 19, 17}, {289, 174, 182, 18}},
    {{50, 115, 207, 17}, {257, 113, 19, 17}, {289, 113, 182, 18}},
    {{50, 90, 207, 17}, {257, 88, 19, 17}, {289, 88, 182, 18}},
    {{50, 65, 207, 17}, {257, 64, 19, 17}, {289, 64, 182, 18}},
}};
constexpr Frame kEdrNoteFrame{50, 140, 424, 34};
constexpr int kEdrNoteAfterSlot = 3;

constexpr std::array<SlotFrames, 3> kEarlyEdrNoteSlots = {{
    {{50, 226, 207, 17}, {257, 224, 19, 17}, {289, 224, 182, 18}},
    {{50, 201, 207, 17}, {257, 199, 19, 17}, {289, 199, 182, 18}},
    {{50, 140, 207, 17}, {257, 138, 19, 17}, {289, 138, 182, 18}},
}};
constexpr Frame kEarlyEdrNoteFrame{50, 165, 424, 34};
constexpr int kEarlyEdrNoteAfterSlot = 2;

SlotFrames slot_frames(PanelGrid grid, int slot)
{
    switch (grid) {
    case PanelGrid::EdrNoteGrid: return kEdrNoteSlots[static_cast<std::size_t>(slot - 1)];
    case PanelGrid::EarlyEdrNoteGrid: return kEarlyEdrNoteSlots[static_cast<std::size_t>(slot - 1)];
    default: return regular_slot(grid, slot);
    }
}

// ---- Fixed frames ------------------------------------------------------------------------------------

constexpr std::array<OutletFrame, 5> kButtonBar = {{
    {"btnDefault", {282, 243, 109, 19}},
    {"btnCancel", {396, 243, 109, 19}},
    {"btnBack", {7, 7, 140, 19}},
    {"btnSave", {185, 7, 155, 19}},
    {"btnNewDevice", {375, 7, 140, 19}},
}};
constexpr std::array<OutletFrame, 2> kNoteRow = {{
    {"lblNoteApply", {50, 58, 424, 17}},
    {"btnNoteApply", {465, 56, 20, 17}},
}};
// The sixth slot of the EDR note grid reaches down into the note row's place; below such a row
// the note row stands one row's step (25 points) lower, still above the button bar.
constexpr std::array<OutletFrame, 2> kNoteRowBelowTheLastRow = {{
    {"lblNoteApply", {50, 40, 424, 17}},
    {"btnNoteApply", {465, 38, 20, 17}},
}};
constexpr Frame kAllSettingsWide{137, 76, 250, 19};

// ---- Layouts -------------------------------------------------------------------------------------------

// Whether a layout places the note row, and where.
enum class NoteRowPlace : std::uint8_t { NotPlaced, AtItsPlace, BelowTheLastRow };

// Where a layout puts the All Settings button: nowhere, at its wide place, or at the label frame of
// the slot after the layout's last row.
enum class AllSettingsPlace : std::uint8_t { NotPlaced, Wide, LabelOfSlot };

using Slots = std::array<std::optional<ClassicRow>, kSlots>;
constexpr std::optional<ClassicRow> kEmpty = std::nullopt;

struct LayoutEntry {
    int number;
    PanelGrid grid;
    Slots slots;
    bool edrNote;
    NoteRowPlace noteRow;
    AllSettingsPlace allSettings;
    int allSettingsSlot;
    std::array<std::optional<ClassicRow>, 2> alsoFilled;
    GetterColumn getters;
    bool buttonBar;
};

constexpr GetterColumn kGeneric = GetterColumn::Generic;
constexpr NoteRowPlace kNote = NoteRowPlace::AtItsPlace;
constexpr NoteRowPlace kNoNote = NoteRowPlace::NotPlaced;
constexpr AllSettingsPlace kNo = AllSettingsPlace::NotPlaced;
constexpr AllSettingsPlace kWide = AllSettingsPlace::Wide;
constexpr AllSettingsPlace kAtLabel = AllSettingsPlace::LabelOfSlot;
constexpr std::array<std::optional<ClassicRow>, 2> kNoneFilled = {};
constexpr std::array<std::optional<ClassicRow>, 2> kIntercomFilled = {R::IntercomVOX, kEmpty};
constexpr PanelGrid kRadio = PanelGrid::RadioRowGrid;
constexpr PanelGrid kPopUp = PanelGrid::PopUpRowGrid;

// clang-format off
constexpr Slots kBriskoSix = {R::HandsfreeVOX, R::Sidetone, R::MotionSensorSensitivity, R::AudioMultitasking, R::AudioMultitaskingSensitivity, R::NavigationAppOverlay};

constexpr std::array<LayoutEntry, 34> kLayouts = {{
    {1, PanelGrid::EdrNoteGrid, {R::HandsfreeVOX, R::IntercomVOX, R::EDR, kEmpty, kEmpty, kEmpty}, true, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {2, PanelGrid::EdrNoteGrid, {R::HandsfreeVOX, R::IntercomVOX, R::EDR, R::PLC, kEmpty, kEmpty}, true, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    // Its sixth row would stand over the note row's place.
    {3, PanelGrid::EdrNoteGrid, {R::HandsfreeVOX, R::IntercomVOX, R::EDR, R::PLC, R::BitpoolRate, R::MicrophoneBoost}, true, NoteRowPlace::BelowTheLastRow, kNo, 0, kNoneFilled, kGeneric, true},
    {4, PanelGrid::EdrNoteGrid, {R::HandsfreeVOX, R::IntercomVOX, R::EDR, R::PLC, R::BitpoolRate, kEmpty}, true, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {5, kRadio, {R::HandsfreeVOX, R::IntercomVOX, R::EDR, R::BitpoolRate, R::MicrophoneBoost, kEmpty}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {6, kRadio, {R::HandsfreeVOX, R::IntercomVOX, R::EDR, R::BitpoolRate, R::Sidetone, R::MicrophoneBoost}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {7, kRadio, {R::HandsfreeVOX, R::IntercomVOX, R::EDR, R::BitpoolRate, kEmpty, kEmpty}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {8, kRadio, {R::HandsfreeVOX, R::IntercomVOX, R::EDR, R::BitpoolRate, R::Sidetone, kEmpty}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {9, kRadio, {R::HandsfreeVOX, R::IntercomVOX, R::EDR, R::BitpoolRate, R::Sidetone, R::AdvancedNoiseControl}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {10, kRadio, {R::HandsfreeVOX, R::IntercomVOX, R::EDR, R::BitpoolRate, R::Sidetone, kEmpty}, false, kNote, kNo, 0, kNoneFilled, GetterColumn::Vantor, true},
    {11, PanelGrid::EarlyEdrNoteGrid, {R::HandsfreeVOX, R::EDR, R::PLC, kEmpty, kEmpty, kEmpty}, true, kNote, kNo, 0, kIntercomFilled, kGeneric, true},
    {12, kRadio, {R::HandsfreeVOX, R::EDR, R::BitpoolRate, kEmpty, kEmpty, kEmpty}, false, kNote, kNo, 0, kIntercomFilled, kGeneric, true},
    {13, kRadio, {R::HandsfreeVOX, R::EDR, R::BitpoolRate, R::Sidetone, kEmpty, kEmpty}, false, kNote, kNo, 0, kIntercomFilled, kGeneric, true},
    {14, kRadio, {R::HandsfreeVOX, R::EDR, R::BitpoolRate, R::Sidetone, kEmpty, kEmpty}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {15, kRadio, {R::HandsfreeVOX, R::EDR, R::BitpoolRate, R::Sidetone, kEmpty, kEmpty}, false, kNote, kNo, 0, kNoneFilled, GetterColumn::Vantor, true},
    {16, kRadio, {kEmpty, R::HandsfreeVOX, kEmpty, kEmpty, kEmpty, kEmpty}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {17, kRadio, {R::Sidetone, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {18, kRadio, {kEmpty, R::Sidetone, kEmpty, kEmpty, kEmpty, kEmpty}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {19, kRadio, {R::HandsfreeVOX, R::EDR, kEmpty, kEmpty, kEmpty, kEmpty}, false, kNoNote, kNo, 0, kNoneFilled, kGeneric, true},
    {20, kRadio, {R::HandsfreeVOX, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty}, false, kNoNote, kNo, 0, kNoneFilled, kGeneric, true},
    {21, kRadio, {R::EDR, R::BitpoolRate, R::Sidetone, R::AdvancedNoiseControl, kEmpty, kEmpty}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {22, kRadio, {R::EDR, R::BitpoolRate, R::Sidetone, R::AdvancedNoiseControl, R::AutoGainControl, kEmpty}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {23, kRadio, {R::EDR, R::BitpoolRate, kEmpty, kEmpty, kEmpty, kEmpty}, false, kNote, kNo, 0, kNoneFilled, kGeneric, true},
    {24, kPopUp, kBriskoSix, false, kNoNote, kWide, 0, kNoneFilled, GetterColumn::Brisko, true},
    // The only layout left with its bar where it stood; placed like every other layout here.
    {25, kPopUp, kBriskoSix, false, kNoNote, kNo, 0, kNoneFilled, GetterColumn::Brisko, true},
    {26, kPopUp, {R::HandsfreeVOX, R::Sidetone, R::AudioMultitasking, R::AudioMultitaskingSensitivity, kEmpty, kEmpty}, false, kNoNote, kNo, 0, kNoneFilled, GetterColumn::Brisko, true},
    {27, kPopUp, {R::AudioBoost, R::HandsfreeVOX, R::IntercomVOX, R::BitpoolRate, R::Sidetone, R::AdvancedNoiseControl}, false, kNoNote, kWide, 0, kNoneFilled, kGeneric, true},
    {28, kPopUp, {R::AudioBoost, R::HandsfreeVOX, R::IntercomVOX, R::BitpoolRate, R::AdvancedNoiseControl, kEmpty}, false, kNoNote, kAtLabel, 6, kNoneFilled, kGeneric, true},
    {29, kPopUp, {R::AudioBoost, R::BitpoolRate, R::AdvancedNoiseControl, kEmpty, kEmpty, kEmpty}, false, kNoNote, kAtLabel, 4, kNoneFilled, kGeneric, true},
    {30, kPopUp, {R::BitpoolRate, R::AdvancedNoiseControl, kEmpty, kEmpty, kEmpty, kEmpty}, false, kNoNote, kAtLabel, 3, kNoneFilled, kGeneric, true},
    {31, PanelGrid::None, {}, false, kNote, kNo, 0, {R::RadioTransmitGain, R::AudioChannelTimeout}, kGeneric, true},
    // The All Settings button at its wide place, so that its frame never depends on the product
    // shown before.
    {32, PanelGrid::None, {}, false, kNoNote, kWide, 0, kNoneFilled, GetterColumn::None, true},
    // A product outside every set: nothing is placed, not even the bar, and nothing is filled.
    {33, PanelGrid::None, {}, false, kNoNote, kNo, 0, kNoneFilled, GetterColumn::None, false},
    // The four-row Vantor headsets below firmware 1.2 show the EDR note and PLC rather than the
    // rows of layout 15: placed as the early EDR note grid places them, so that the note and PLC
    // never stand where an earlier product's layout left them.
    {34, PanelGrid::EarlyEdrNoteGrid, {R::HandsfreeVOX, R::EDR, R::PLC, kEmpty, kEmpty, kEmpty}, true, kNote, kNo, 0, kNoneFilled, GetterColumn::Vantor, true},
}};
// clang-format on

constexpr bool layouts_in_order()
{
    for (std::size_t i = 0; i < kLayouts.size(); ++i)
        if (kLayouts[i].number != static_cast<int>(i) + 1)
            return false;
    return true;
}
static_assert(layouts_in_order());

// ---- Which layout a product gets ---------------------------------------------------------------------

using namespace range_parts;

struct LayoutChoice {
    std::span<const int> products;
    FirmwareRange firmware;
    int layout;
};

constexpr std::array kNoiseControlLater = {kPanelNoiseControlLaterProduct};
constexpr std::array kVantorFiveRow = {kPanelVantorFiveRowProduct};
constexpr std::array kFourRow = {kPanelFourRowProduct};
constexpr std::array kFourRowLate = {kPanelFourRowLateProduct};
constexpr std::array kSidetoneFirst = {kPanelSidetoneFirstProduct};
constexpr std::array kSidetoneSecond = {kPanelSidetoneSecondProduct};
constexpr std::array kPhoneVox = {kPanelPhoneVoxProduct};
constexpr std::array kGainControl = {kPanelGainControlProduct};
constexpr std::array kBrisko = {kBriskoProductId};
constexpr std::array kRadioProduct = {kPanelRadioProduct};

// The sets are disjoint, so the order decides nothing.
constexpr std::array<LayoutChoice, 44> kChoices = {{
    {kPanelC1Products, below(4, 0), 1},
    {kPanelC1Products, between(4, 0, 4, 1), 2},
    {kPanelC1Products, between(4, 1, 4, 2), 3},
    {kPanelC1Products, between(4, 2, 5, 0), 5},
    {kPanelC1Products, from(5, 0), 6},
    {kPanelC2Products, below(4, 0), 1},
    {kPanelC2Products, between(4, 0, 4, 1), 2},
    {kPanelC2Products, between(4, 1, 4, 2), 4},
    {kPanelC2Products, from(4, 2), 7},
    {kPanelC3Products, below(4, 0), 1},
    {kPanelC3Products, between(4, 0, 4, 1), 2},
    {kPanelC3Products, between(4, 1, 4, 2), 4},
    {kPanelC3Products, between(4, 2, 5, 0), 7},
    {kPanelC3Products, from(5, 0), 8},
    {kPanelFiveRowProducts, kAnyFirmware, 8},
    {kNoiseControlLater, below(1, 1), 8},
    {kNoiseControlLater, from(1, 1), 9},
    {kVantorFiveRow, kAnyFirmware, 10},
    {kPanelDProducts, below(1, 2), 11},
    {kPanelDProducts, between(1, 2, 2, 0), 12},
    {kPanelDProducts, from(2, 0), 13},
    {kPanelThreeRowProducts, kAnyFirmware, 12},
    {kFourRow, kAnyFirmware, 13},
    {kFourRowLate, kAnyFirmware, 14},
    {kPanelVantorFourRowProducts, below(1, 2), 34},
    {kPanelVantorFourRowProducts, from(1, 2), 15},
    {kPanelPhoneVoxSecondProducts, kAnyFirmware, 16},
    {kSidetoneFirst, kAnyFirmware, 17},
    {kSidetoneSecond, kAnyFirmware, 18},
    {kPanelPhoneVoxEdrProducts, kAnyFirmware, 19},
    {kPhoneVox, kAnyFirmware, 20},
    {kPanelNoiseControlProducts, kAnyFirmware, 21},
    {kGainControl, kAnyFirmware, 22},
    {kPanelEdrA2dpProducts, kAnyFirmware, 23},
    {kPanelBriskoLayoutProducts, kAnyFirmware, 24},
    {kBrisko, from(1, 2), 24},
    {kBrisko, between(1, 1, 1, 2), 25},
    {kBrisko, below(1, 1), 26},
    {kPanelPProducts, kAnyFirmware, 27},
    {kPanelQProducts, kAnyFirmware, 28},
    {kPanelAudioBoostThreeRowProducts, kAnyFirmware, 29},
    {kPanelA2dpNoiseControlProducts, kAnyFirmware, 30},
    {kRadioProduct, kAnyFirmware, 31},
    {kPanelBProducts, kAnyFirmware, 32},
}};

constexpr int kLayoutAllSettingsOnly = 32;
constexpr int kLayoutNothing = 33;

int layout_number(int product, const FirmwareQuad& firmware)
{
    for (const LayoutChoice& choice : kChoices)
        if (product_in(choice.products, product) && in_range(firmware, choice.firmware))
            return choice.layout;
    // The table families the layouts leave out show the bar and the All Settings button.
    return shows_all_settings_table(product) ? kLayoutAllSettingsOnly : kLayoutNothing;
}

void place_slot(ClassicLayout& layout, PanelGrid grid, int slot, ClassicRow row)
{
    const ClassicRowOutlets& outlets = classic_row(row);
    const SlotFrames frames = slot_frames(grid, slot);
    layout.frames.push_back({outlets.hiddenOnly[0], frames.label});
    if (!outlets.infoButton.empty())
        layout.frames.push_back({outlets.infoButton, frames.info});
    layout.frames.push_back({outlets.control, frames.control});
    layout.placed.push_back(row);
    layout.filled.push_back(row);
}

void place_note(ClassicLayout& layout, const Frame& frame)
{
    layout.frames.push_back({classic_row(R::EDRNote).hiddenOnly[0], frame});
    layout.placed.push_back(R::EDRNote);
}

} // namespace

std::span<const ClassicRowKind> classic_row_kinds() { return kKinds; }

const ClassicRowKind* classic_row_kind(ClassicRow row)
{
    for (const ClassicRowKind& kind : kKinds)
        if (kind.row == row)
            return &kind;
    return nullptr;
}

std::optional<SettingKey> row_getter(ClassicRow row, GetterColumn column)
{
    const ClassicRowKind* kind = classic_row_kind(row);
    if (kind == nullptr)
        return std::nullopt;
    switch (column) {
    case GetterColumn::Generic: return kind->generic;
    case GetterColumn::Vantor: return kind->vantor;
    case GetterColumn::Brisko: return kind->brisko;
    case GetterColumn::None: break;
    }
    return std::nullopt;
}

ClassicLayout classic_layout(int product, const KIVOBluetoothDeviceData& recognized)
{
    ClassicLayout layout;
    layout.number = layout_number(product, recognized.deviceVersion());
    const LayoutEntry& entry = kLayouts[static_cast<std::size_t>(layout.number - 1)];
    layout.getters = entry.getters;
    if (entry.buttonBar)
        layout.frames.assign(kButtonBar.begin(), kButtonBar.end());
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (const auto row = entry.slots[static_cast<std::size_t>(slot - 1)])
            place_slot(layout, entry.grid, slot, *row);
        if (entry.edrNote && entry.grid == PanelGrid::EdrNoteGrid && slot == kEdrNoteAfterSlot)
            place_note(layout, kEdrNoteFrame);
        if (entry.edrNote && entry.grid == PanelGrid::EarlyEdrNoteGrid && slot == kEarlyEdrNoteAfterSlot)
            place_note(layout, kEarlyEdrNoteFrame);
    }
    if (entry.noteRow == NoteRowPlace::AtItsPlace)
        layout.frames.insert(layout.frames.end(), kNoteRow.begin(), kNoteRow.end());
    else if (entry.noteRow == NoteRowPlace::BelowTheLastRow)
        layout.frames.insert(layout.frames.end(), kNoteRowBelowTheLastRow.begin(), kNoteRowBelowTheLastRow.end());
    if (entry.allSettings == AllSettingsPlace::Wide)
        layout.frames.push_back({"btnAllSettings", kAllSettingsWide});
    else if (entry.allSettings == AllSettingsPlace::LabelOfSlot)
        layout.frames.push_back({"btnAllSettings", slot_frames(entry.grid, entry.allSettingsSlot).label});
    for (const auto& row : entry.alsoFilled)
        if (row)
            layout.filled.push_back(*row);
    return layout;
}

std::optional<int> shown_value(ClassicRow row, GetterColumn column, const KIVOBluetoothDeviceData& current,
                               const AccessContext& context)
{
    const ClassicRowKind* kind = classic_row_kind(row);
    const std::optional<SettingKey> getter = row_getter(row, column);
    if (kind == nullptr || !getter)
        return std::nullopt;
    const int value = read(*getter, current, context);
    switch (kind->show) {
    case ValueShow::Column0ForNonZero: return value != 0 ? 0 : 1;
    case ValueShow::Column1ForNonZero: return value != 0 ? 1 : 0;
    case ValueShow::ItemValueMinus1: return value - 1;
    case ValueShow::ItemTenMinusValue: return 10 - value;
    case ValueShow::GainColumn: return KIVOBluetoothDeviceData::getIndexFromRTG(value);
    case ValueShow::Seconds: return value;
    }
    return std::nullopt;
}

} // namespace kivo::settings
