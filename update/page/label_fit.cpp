#include "update/page/label_fit.h"

#include <QFontMetrics>

void fit_label_font(QLabel& label)
{
    label.setFont(QFont());
    QFont font = label.font();
    auto fits = [&] { return QFontMetrics(font).horizontalAdvance(label.text()) <= label.contentsRect().width(); };
    while (font.pixelSize() > kSmallestLabelPixelSize && !fits())
        font.setPixelSize(font.pixelSize() - 1);
    label.setFont(font);
}
