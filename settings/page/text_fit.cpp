#include "settings/page/text_fit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

// What a push button's frame and a radio cell's indicator take besides the text.
constexpr int kButtonPadding = 6;

int text_width(const QFontMetrics& metrics, const QString& text) { return metrics.horizontalAdvance(text); }

// The frame a title wrapped by fit_title_wrapping was placed in.
constexpr char kPlacedFrame[] = "kivoTitlePlacedFrame";

} // namespace

bool text_fits(const QWidget* widget, int width)
{
    if (width < 0)
        width = widget->width();
    const QFontMetrics metrics(widget->font());
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty())
            return true;
        if (!label->wordWrap())
            return text_width(metrics, label->text()) <= width;
        const QRect need = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, label->text());
        return need.width() <= width && need.height() <= label->height();
    }
    if (const auto* cell = qobject_cast<const QRadioButton*>(widget)) {
        if (cell->text().isEmpty())
            return true;
        const QStyle* style = cell->style();
        const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, cell) +
            style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, cell);
        return indicator + text_width(metrics, cell->text()) <= width;
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        if (button->text().isEmpty())
            return true;
        return text_width(metrics, button->text()) + kButtonPadding <= width;
    }
    return true;
}

void fit_text(QWidget* widget, int width, double smallest_point_size)
{
    widget->setFont(QFont());
    QFont font = widget->font();
    if (font.pointSizeF() <= 0)
        return; // a font in pixels: left as it is
    while (!text_fits(widget, width) && font.pointSizeF() - 0.5 >= smallest_point_size) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        widget->setFont(font);
    }
}

void fit_title_wrapping(QLabel* label, int grow, double smallest_point_size)
{
    const QVariant placed = label->property(kPlacedFrame);
    if (label->wordWrap()) {
        if (!placed.isValid())
            return;
        // Still as the last fit left it: back to its placed frame; else placed anew since.
        if (label->geometry() == placed.toRect().adjusted(0, -grow, 0, grow))
            label->setGeometry(placed.toRect());
        label->setWordWrap(false);
    }
    fit_text(label, -1, smallest_point_size);
    if (text_fits(label))
        return;
    label->setProperty(kPlacedFrame, label->geometry());
    label->setWordWrap(true);
    label->setGeometry(label->geometry().adjusted(0, -grow, 0, grow));
    fit_text(label, -1, smallest_point_size);
}
