#include "app/main_button.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>

#include <utility>

#include "app/window_colors.h"

namespace {

constexpr int kOneLine = Qt::AlignVCenter | Qt::AlignLeft;
constexpr int kWrapped = kOneLine | Qt::TextWordWrap;

} // namespace

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

QRect KIVOBluetoothMainButton::labelRect() const { return rect().adjusted(14, 2, -8, -2); }

bool KIVOBluetoothMainButton::fits(const LabelLook& look) const
{
    const QRect room = labelRect();
    const QRect needed = QFontMetrics(look.font).boundingRect(room, look.flags, text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

KIVOBluetoothMainButton::LabelLook KIVOBluetoothMainButton::labelLook() const
{
    const qreal size = font().pointSizeF();
    for (const auto& [flags, smallest] : {std::pair{kOneLine, 0.85}, std::pair{kWrapped, 0.75}}) {
        LabelLook look{font(), flags};
        while (!fits(look) && look.font.pointSizeF() - 0.5 >= size * smallest)
            look.font.setPointSizeF(look.font.pointSizeF() - 0.5);
        if (fits(look))
            return look;
    }
    return {font(), kWrapped};
}

bool KIVOBluetoothMainButton::labelFits() const { return fits(labelLook()); }

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
    const LabelLook look = labelLook();
    painter.setFont(look.font);
    painter.drawText(labelRect(), look.flags, text());
}
