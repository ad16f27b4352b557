#include "update/page/restore_table_cell_view.h"

#include <QHBoxLayout>

#include "update/page/label_fit.h"

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
    fit_label_font(*settingNameText_);
    fit_label_font(*settingValueText_);
}
