#pragma once
// The visible things of a panel that stand over one another, as "outlet / outlet": a label counts
// with the rectangle its text is drawn in, a radio cell with its indicator and text, any other
// control with its whole frame. Widgets that only hold others, and windows of their own, do not
// count.

#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>

#include <string>
#include <vector>

namespace overlap_detail {

// Where the widget draws, in its own coordinates; empty for nothing drawn.
inline QRect drawn_rect(const QWidget* widget)
{
    const QFontMetrics metrics(widget->font());
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty())
            return {};
        const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return metrics.boundingRect(label->contentsRect(), flags, label->text()) & label->rect();
    }
    if (const auto* cell = qobject_cast<const QRadioButton*>(widget)) {
        const QStyle* style = cell->style();
        const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, cell) +
            style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, cell);
        const int text = cell->text().isEmpty() ? 0 : metrics.horizontalAdvance(cell->text());
        return QRect(0, 0, indicator + text, cell->height()) & cell->rect();
    }
    // A plain holder of other widgets (a radio matrix) draws nothing of its own.
    if (widget->metaObject() == &QWidget::staticMetaObject)
        return {};
    return widget->rect();
}

} // namespace overlap_detail

inline std::vector<std::string> overlapping_texts(QWidget* root)
{
    struct Drawn {
        const QWidget* widget;
        QRect rect;
    };
    std::vector<Drawn> drawn;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root) || widget->window() != root->window())
            continue;
        const QRect rect = overlap_detail::drawn_rect(widget);
        if (!rect.isEmpty())
            drawn.push_back({widget, rect.translated(widget->mapTo(root, QPoint(0, 0)))});
    }
    std::vector<std::string> overlapping;
    for (std::size_t i = 0; i < drawn.size(); ++i)
        for (std::size_t j = i + 1; j < drawn.size(); ++j)
            if (drawn[i].rect.intersects(drawn[j].rect) && !drawn[i].widget->isAncestorOf(drawn[j].widget) &&
                !drawn[j].widget->isAncestorOf(drawn[i].widget))
                overlapping.push_back(drawn[i].widget->objectName().toStdString() + " / " +
                                      drawn[j].widget->objectName().toStdString());
    return overlapping;
}
