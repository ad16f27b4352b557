#include "update/page/page_progress_bar.h"

#include <QStyleOptionProgressBar>
#include <QStylePainter>

#include <algorithm>

namespace {

constexpr int kBarTop = 2;
constexpr int kBarHeight = 8;

} // namespace

void PageProgressBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    option.rect = QRect(0, kBarTop, width(), std::min(kBarHeight, height() - kBarTop));
    painter.drawControl(QStyle::CE_ProgressBar, option);
}
