#include "update/page/restore_table_cell_view.h"

#include <QFontMetrics>
#include <QHBoxLayout>

namespace {

QLabel* text_field(const char* name, int width, QWidget* parent)
{
    auto* field = new QLabel(parent);
    field->setObjectName(QString::fromLatin1(name));
    // The texts are the device's values and the tables' words: never markup.
    field->setTextFormat(Qt::PlainText);
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    field->setFixedWidth(width);
    return field;
}

void fit_text(QLabel* field, int smallest_pixel_size)
{
    field->setFont(QFont());
    QFont font = field->font();
    auto fits = [&] { return QFontMetrics(font).horizontalAdvance(field->text()) <= field->contentsRect().width(); };
    // The page sets its font in pixels.
    while (font.pixelSize() > smallest_pixel_size && !fits())
        font.setPixelSize(font.pixelSize() - 1);
    field->setFont(font);
}

} // namespace

RestoreTableCellView::RestoreTableCellView(QWidget* parent)
    : QWidget(parent)
    , settingNameText_(text_field("settingNameText", kNameWidth, this))
    , settingValueText_(text_field("settingValueText", kValueWidth, this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(6);
    row->addWidget(settingNameText_);
    row->addWidget(settingValueText_);
    row->addStretch(1);
}

void RestoreTableCellView::fitTexts()
{
    fit_text(settingNameText_, kSmallestPixelSize);
    fit_text(settingValueText_, kSmallestPixelSize);
}
