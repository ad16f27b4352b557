// The settings page as the all-settings table's data source and the target of its rows' controls:
// the row count and rows from the table's row model, a change through the row's handler and its
// couplings, and a row's information in the message box.

#include "settings/page/device_settings_page.h"
#include "settings/page/text_fit.h"
#include "settings/table/row_actions.h"
#include "settings/table/row_information.h"
#include "text/app_text.h"

using kivo::AppText;
using namespace kivo::settings;

void DeviceSettingsViewController::connectTable()
{
    DeviceSettingsTableView* table = ui_.tableViewDeviceAllSettingsBasic;
    table->setDataSource(this);
    connect(table, &DeviceSettingsTableView::onOffChanged, this,
            [this](QObject* control) { allSettingsChangeOnOff(control); });
    connect(table, &DeviceSettingsTableView::popUpChanged, this,
            [this](QObject* control) { allSettingsChangePopUp(control); });
    connect(table, &DeviceSettingsTableView::informationPressed, this,
            [this](QObject* control) { allSettingsInformation(control); });
}

TableContext DeviceSettingsViewController::tableContext() const
{
    const kivo::PageHost& app = host();
    return {app.session(), app.data(), dataCurrent(), app.languageManager()};
}

void DeviceSettingsViewController::reloadAllSettingsTable()
{
    DeviceSettingsTableView* table = ui_.tableViewDeviceAllSettingsBasic;
    table->reloadDataForRowIndexes_columnIndexes({0, table->numberOfRows()}, {0, table->numberOfColumns()});
}

int DeviceSettingsViewController::numberOfRowsInTableView(DeviceSettingsTableView&)
{
    return row_count(tableContext());
}

DeviceSettingsTableCellView*
DeviceSettingsViewController::tableView_viewForTableColumn_row(DeviceSettingsTableView& tableView, int, int row)
{
    const std::optional<RowState> state = build_row(tableContext(), row);
    if (!state)
        return nullptr;
    DeviceSettingsTableCellView* view = tableView.makeViewForRow(row);
    show_row_state(*view, *state);
    // Translations run longer than the English: a smaller font rather than a cut text.
    for (QWidget* text : {static_cast<QWidget*>(view->textField()), static_cast<QWidget*>(view->enablebtn()),
                          static_cast<QWidget*>(view->disablebtn())})
        fit_text(text, text->minimumWidth());
    return view;
}

void DeviceSettingsViewController::allSettingsChange(QObject* sender, CellKind cell)
{
    kivo::PageHost& app = host();
    DeviceSettingsTableView* table = ui_.tableViewDeviceAllSettingsBasic;
    const int row = table->rowForView(sender);
    if (app.onProcessing()) {
        // Nothing is stored while a worker runs: the row shows the working copy again.
        table->reloadDataForRowIndexes_columnIndexes({row, row < 0 ? 0 : 1}, {0, table->numberOfColumns()});
        setControls();
        return;
    }
    app.closeListTabs();
    const ChangeContext context{app.session(), app.data(), workingCopy()};
    const int value = selected_column_or_index(sender);
    const bool rebuild =
        cell == CellKind::OnOff ? change_on_off(context, row, value) : change_choice(context, row, value);
    if (rebuild)
        reloadAllSettingsTable();
    setControls();
}

void DeviceSettingsViewController::allSettingsChangeOnOff(QObject* sender)
{
    allSettingsChange(sender, CellKind::OnOff);
}

void DeviceSettingsViewController::allSettingsChangePopUp(QObject* sender)
{
    allSettingsChange(sender, CellKind::Choice);
}

void DeviceSettingsViewController::allSettingsInformation(QObject* sender)
{
    kivo::PageHost& app = host();
    const std::optional<RowInformation> information =
        row_information(tableContext(), ui_.tableViewDeviceAllSettingsBasic->rowForView(sender));
    // A press that finds no text opens no box.
    if (!information)
        return;
    app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        information->text, false, std::nullopt, AppText::tavk_string_ok_in(app.languageManager()), information->size,
        kBoxAllSettingsInformation);
}
