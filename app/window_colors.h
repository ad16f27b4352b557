#pragma once
// The window's few colours.

#include <QColor>

namespace kivo::colors {

inline const QColor kBrandOrange{243, 122, 31}; // title bar, main button "on"
inline const QColor kWindowBackground{236, 236, 236};
inline const QColor kSelectedTab{205, 225, 250}; // selected entry of the tab list
inline const QColor kWarning{255, 170, 90}; // status line background for a warning
inline const QColor kSheetFrame{128, 128, 128}; // the edge of a sheet over the window

} // namespace kivo::colors
