#pragma once
// Titles and labels of the fixed panel stand in frames the layouts fix, while translations run
// longer than the English: a text that does not fit its frame is set in a smaller font, down to a
// floor, rather than cut off.

#include <QWidget>

// The text of a label (one line, or wrapped within its height), a push button or a radio cell fits
// the widget in the widget's current font, within width when given (a neighbour may cover the
// rest). Widgets of other kinds, and empty texts, always fit.
bool text_fits(const QWidget* widget, int width = -1);

// Gives the widget its inherited font again and, while its text does not fit, a smaller one,
// never below the floor.
void fit_text(QWidget* widget, int width = -1, double smallest_point_size = 6.5);
