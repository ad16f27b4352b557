#include "update/page/restore_table_cell_view.h"

#include <QHBoxLayout>

namespace {

QLabel* text_field(const char* name, QWidget* parent)
{
    auto* field = new QLabel(parent);
    field->setObjectName(QString::fromLatin1(name));
    // The texts are the device's values and the tables' words: never markup.
    field->setTextFormat(Qt::PlainText);
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return field;
}

} // namespace

RestoreTableCellView::RestoreTableCellView(QWidget* parent)
    : QWidget(parent)
    , settingNameText_(text_field("settingNameText", this))
    , settingValueText_(text_field("settingValueText", this))
{
    settingNameText_->setFixedWidth(kNameWidth);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(6);
    row->addWidget(settingNameText_);
    row->addWidget(settingValueText_, 1);
}
