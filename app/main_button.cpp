#include "app/main_button.h"

#include <QPainter>
#include <QStyleOptionButton>

#include "app/window_colors.h"

KIVOBluetoothMainButton::KIVOBluetoothMainButton(QWidget* parent)
    : QPushButton(parent)
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void KIVOBluetoothMainButton::setTitleColor(const QColor& color)
{
    title_color_ = color;
    update();
}

void KIVOBluetoothMainButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool on = isEnabled() && isChecked();
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QColor(208, 208, 208));
    painter.setBrush(on ? kivo::colors::kBrandOrange : QColor(Qt::white));
    painter.drawRoundedRect(frame, 4, 4);
    painter.setPen(isEnabled() ? title_color_ : QColor(160, 160, 160));
    painter.drawText(rect().adjusted(14, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, text());
}
