#pragma once
// Where the settings page's fixed panel puts its rows and which values it shows, by product and by
// the firmware of the recognized record: 34 layouts over four grids. A layout moves controls (sets
// their frames) and fills their values; which of them show is panel_visibility.
//
// Frames are in the panel's own coordinates: points in a 525 x 270 area whose origin is the bottom
// left corner, y growing upwards. The page turns them into its own (top-left) coordinates.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "device/device_data.h"
#include "settings/panel_rows.h"
#include "settings/table/setting_catalogue.h"

namespace kivo::settings {

inline constexpr int kPanelWidth = 525;
inline constexpr int kPanelHeight = 270;

struct Frame {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Frame&) const = default;
};

// The frame in top-left coordinates of the panel area.
constexpr Frame top_left(const Frame& frame)
{
    return {frame.x, kPanelHeight - frame.y - frame.height, frame.width, frame.height};
}

enum class PanelGrid : std::uint8_t { None, RadioRowGrid, PopUpRowGrid, EdrNoteGrid, EarlyEdrNoteGrid };

// Which of the record's accessors a layout reads its rows with.
enum class GetterColumn : std::uint8_t { None, Generic, Vantor, Brisko };

// How a row's control shows the stored value.
enum class ValueShow : std::uint8_t {
    Column0ForNonZero, // column 0 for a non-zero value, column 1 for 0
    Column1ForNonZero, // column 1 for a non-zero value, column 0 for 0
    ItemValueMinus1, // pop-up item value - 1
    ItemTenMinusValue, // pop-up item 10 - value
    GainColumn, // the gain cell of the value (12: 0, 13 to 16: 1, 17: 2, any other: 1)
    Seconds, // the value itself
};

// One of the 14 row kinds a layout places, or a row it only fills.
struct ClassicRowKind {
    ClassicRow row;
    ValueShow show;
    std::optional<SettingKey> generic;
    std::optional<SettingKey> vantor;
    std::optional<SettingKey> brisko;
};

// The rows a layout can place or fill, in ClassicRow order; the EDR note is none of them.
std::span<const ClassicRowKind> classic_row_kinds();
const ClassicRowKind* classic_row_kind(ClassicRow row);
// The getter of the row in that column; none where the row has none.
std::optional<SettingKey> row_getter(ClassicRow row, GetterColumn column);

struct OutletFrame {
    std::string_view outlet;
    Frame frame;
};

struct ClassicLayout {
    int number = 33; // 1 to 34; 33 places and fills nothing
    // Every frame the layout sets, in the order it sets them: the button bar, the rows slot by
    // slot (label, information button, control; the EDR note at its place), the note row and the
    // All Settings button.
    std::vector<OutletFrame> frames;
    // The rows placed, in slot order (the EDR note included where placed).
    std::vector<ClassicRow> placed;
    // The rows whose controls are filled: the placed rows with a control, then those filled only.
    std::vector<ClassicRow> filled;
    GetterColumn getters = GetterColumn::None;
};

// The layout of a product at the firmware the device was recognized with.
ClassicLayout classic_layout(int product, const KIVOBluetoothDeviceData& recognized);

// The column (radio rows, gain cells), the item (pop-ups) or the seconds (timeout) that a filled
// row shows for the working copy. None for a row that has no getter in the column.
std::optional<int> shown_value(ClassicRow row, GetterColumn column, const KIVOBluetoothDeviceData& current,
                               const AccessContext& context);

} // namespace kivo::settings
