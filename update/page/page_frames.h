#pragma once
// The fixed places of the update and restore pages' controls. They are given in points with the
// origin at the bottom left of a 525 x 270 area that sits at the top left of the page; qt_rect
// turns one into the widget geometry inside that area.

#include <QRect>

struct PageFrame {
    int x;
    int y;
    int width;
    int height;
};

inline constexpr int kFrameAreaWidth = 525;
inline constexpr int kFrameAreaHeight = 270;

constexpr QRect qt_rect(PageFrame frame)
{
    return QRect(frame.x, kFrameAreaHeight - frame.y - frame.height, frame.width, frame.height);
}

namespace update_frames {

inline constexpr PageFrame kBack{7, 8, 140, 19};
inline constexpr PageFrame kNext{375, 8, 140, 19};
inline constexpr PageFrame kUpdate{185, 7, 155, 19};
inline constexpr PageFrame kRestore{335, 33, 180, 19};
inline constexpr PageFrame kLanguagePopUp{398, 190, 120, 26};
// Download beside the version line when there is no language to choose, below the pop-up else.
inline constexpr PageFrame kDownloadSingleLanguage{400, 194, 115, 19};
inline constexpr PageFrame kDownloadLanguages{400, 171, 115, 19};

} // namespace update_frames

namespace restore_frames {

inline constexpr PageFrame kHeader{0, 250, 525, 17};
inline constexpr PageFrame kLanguageCaption{205, 235, 194, 17};
inline constexpr PageFrame kLanguagePopUp{398, 231, 112, 26};
// A row of the summary: its label and its value.
struct RowFrames {
    PageFrame label;
    PageFrame value;
};
inline constexpr RowFrames kVersionRow{{4, 232, 305, 17}, {315, 232, 200, 17}};
inline constexpr RowFrames kDateRow{{4, 215, 305, 17}, {315, 215, 200, 17}};
inline constexpr RowFrames kDataRows[6] = {
    {{4, 194, 305, 17}, {315, 194, 200, 17}}, {{4, 177, 305, 17}, {315, 177, 200, 17}},
    {{4, 160, 305, 17}, {315, 160, 200, 17}}, {{4, 143, 305, 17}, {315, 143, 200, 17}},
    {{4, 126, 305, 17}, {315, 126, 200, 17}}, {{4, 109, 305, 17}, {315, 109, 200, 17}},
};
// The table of backed-up settings stands in the data rows' place and the room below them, down to
// the progress bar, in whole rows: seven. Above the voice-prompt instructions, when they show, it
// shows five whole rows and still reaches down to the bottom of data row 6, which it covers.
inline constexpr int kTableRowHeight = 19;
inline constexpr PageFrame kTable{4, 76, 511, 7 * kTableRowHeight + 2};
inline constexpr PageFrame kTableAboveInstructions{4, 109, 511, 102};
inline constexpr PageFrame kProgressBar{17, 51, 490, 20};
inline constexpr PageFrame kProgressNumber{223, 43, 38, 17};
inline constexpr PageFrame kProgressPercent{263, 43, 38, 17};
inline constexpr PageFrame kUpdate{7, 28, 180, 19};
inline constexpr PageFrame kBack{7, 7, 140, 19};
inline constexpr PageFrame kRestore{185, 7, 155, 19};
inline constexpr PageFrame kNext{375, 7, 140, 19};

} // namespace restore_frames
