#include "settings/table/page/device_settings_table_view.h"

namespace {

QString qtext(const std::string& text) { return QString::fromStdString(text); }

} // namespace

DeviceSettingsTableView::DeviceSettingsTableView(QWidget* parent)
    : QScrollArea(parent)
    , content_(new QWidget)
    , column_(new QVBoxLayout(content_))
{
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(0);
    column_->addStretch(1);
    setWidget(content_);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void DeviceSettingsTableView::noteNumberOfRowsChanged()
{
    const int before = rows_;
    rows_ = dataSource_ ? std::max(0, dataSource_->numberOfRowsInTableView(*this)) : 0;
    for (std::size_t row = static_cast<std::size_t>(rows_); row < views_.size(); ++row)
        views_[row]->hide();
    for (int row = before; row < rows_; ++row)
        showRow(row);
}

void DeviceSettingsTableView::reloadDataForRowIndexes_columnIndexes(IndexRange rows, IndexRange columns)
{
    if (columns.location > 0 || columns.location + columns.length <= 0)
        return;
    const int first = std::max(0, rows.location);
    const int end = std::min(rows_, rows.location + rows.length);
    for (int row = first; row < end; ++row)
        showRow(row);
}

DeviceSettingsTableCellView* DeviceSettingsTableView::makeViewForRow(int row)
{
    if (row < 0)
        return nullptr;
    while (views_.size() <= static_cast<std::size_t>(row)) {
        auto* view = new DeviceSettingsTableCellView(content_);
        view->hide();
        column_->insertWidget(static_cast<int>(views_.size()), view);
        connect(view->radioGroup(), &QButtonGroup::idClicked, this,
                [this, view] { emit onOffChanged(view->radiobtn()); });
        connect(view->popUpBtn(), &QComboBox::activated, this, [this, view] { emit popUpChanged(view->popUpBtn()); });
        for (QPushButton* info : {view->infoOnOffBtn(), view->infoPopUpBtn()})
            connect(info, &QPushButton::clicked, this, [this, info] { emit informationPressed(info); });
        views_.push_back(view);
    }
    return views_[static_cast<std::size_t>(row)];
}

void DeviceSettingsTableView::showRow(int row)
{
    DeviceSettingsTableCellView* view =
        dataSource_ ? dataSource_->tableView_viewForTableColumn_row(*this, 0, row) : nullptr;
    if (row < static_cast<int>(views_.size()))
        views_[static_cast<std::size_t>(row)]->setVisible(view == views_[static_cast<std::size_t>(row)]);
}

int DeviceSettingsTableView::rowForView(const QObject* control) const
{
    for (const QObject* object = control; object != nullptr; object = object->parent())
        for (int row = 0; row < rows_ && row < static_cast<int>(views_.size()); ++row)
            if (object == views_[static_cast<std::size_t>(row)])
                return views_[static_cast<std::size_t>(row)]->isHidden() ? -1 : row;
    return -1;
}

DeviceSettingsTableCellView* DeviceSettingsTableView::viewAtRow(int row) const
{
    if (row < 0 || row >= rows_ || row >= static_cast<int>(views_.size()))
        return nullptr;
    DeviceSettingsTableCellView* view = views_[static_cast<std::size_t>(row)];
    return view->isHidden() ? nullptr : view;
}

void show_row_state(DeviceSettingsTableCellView& view, const kivo::settings::RowState& state)
{
    const bool on_off = state.cell == kivo::settings::CellKind::OnOff;
    view.textField()->setText(qtext(state.title));
    view.infoOnOffBtn()->setVisible(state.informationShown);
    view.infoOnOffBtn()->setEnabled(state.informationShown);
    // The choice cell's second button is never shown: every row has its one button.
    view.infoPopUpBtn()->hide();
    view.infoPopUpBtn()->setEnabled(false);

    view.radiobtn()->setVisible(on_off);
    view.popUpBtn()->setVisible(!on_off);
    if (on_off) {
        view.enablebtn()->setText(qtext(state.enableTitle));
        view.disablebtn()->setText(qtext(state.disableTitle));
        if (QAbstractButton* cell = view.radioGroup()->button(state.selected))
            cell->setChecked(true);
        view.radiobtn()->setEnabled(state.enabled);
        view.popUpBtn()->clear();
    } else {
        QComboBox* popUp = view.popUpBtn();
        QStringList items;
        items.reserve(static_cast<qsizetype>(state.items.size()));
        for (const std::string& item : state.items)
            items.push_back(qtext(item));
        popUp->clear();
        popUp->addItems(items);
        popUp->setCurrentIndex(state.selected >= 0 && state.selected < popUp->count() ? state.selected : -1);
        popUp->setEnabled(state.enabled);
    }
}

int selected_column_or_index(const QObject* control)
{
    if (const auto* popUp = qobject_cast<const QComboBox*>(control))
        return popUp->currentIndex();
    if (const auto* cell = qobject_cast<const QAbstractButton*>(control))
        return cell->group() ? cell->group()->checkedId() : -1;
    if (control != nullptr)
        if (const auto* group = control->findChild<const QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly))
            return group->checkedId();
    return -1;
}
