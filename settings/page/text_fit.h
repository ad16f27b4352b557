#pragma once
// Titles and labels of the fixed panel stand in frames the layouts fix, while translations run
// longer than the English: a text that does not fit its frame is set in a smaller font, down to a
// floor, rather than cut off.

#include <QLabel>
#include <QWidget>

// The text of a label (one line, or wrapped within its height), a push button or a radio cell fits
// the widget in the widget's current font, within width when given (a neighbour may cover the
// rest). Widgets of other kinds, and empty texts, always fit.
bool text_fits(const QWidget* widget, int width = -1);

// Gives the widget its inherited font again and, while its text does not fit, a smaller one,
// never below the floor.
void fit_text(QWidget* widget, int width = -1, double smallest_point_size = 6.5);

// A one-line title that does not fit even at the floor wraps to two lines in the room of its row:
// its frame grows by grow points above and below, centred where it stood, and the font shrinks
// until both lines fit. A later fit first gives it back the frame it was placed in (unless it has
// been placed anew). A label that wraps by design is left to fit_text.
void fit_title_wrapping(QLabel* label, int grow, double smallest_point_size = 6.5);
