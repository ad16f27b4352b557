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
