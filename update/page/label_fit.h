#pragma once
// The rule the restore page's texts follow where a translation runs longer than its field: a text
// is read whole or not at all, so a one-line label whose text is wider than the label takes a
// smaller font, never another text.

#include <QLabel>

// The smallest font a text is set in, in pixels.
inline constexpr int kSmallestLabelPixelSize = 8;

// Gives the label its inherited font again and, while its text does not fit its width, one pixel
// smaller each time, down to kSmallestLabelPixelSize. The page sets its font in pixels.
void fit_label_font(QLabel& label);
