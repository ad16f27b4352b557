// The restore page's table of backed-up settings: its rows are the restore rows of the selected
// product for the loaded backup, the FM code and the interface language, made afresh at every
// reload; the table shows on the settings tab of the families that have it, while a restore is
// possible.

#include <QHeaderView>
#include <QScrollArea>
#include <QTableWidget>

#include "settings/table/restore_rows.h"
#include "update/page/page_frames.h"
#include "update/page/restore_table_cell_view.h"
#include "update/page/update_page.h"

void UpdateViewController::setUpRestoreTable()
{
    QTableWidget* table = restore_.tableViewRestore;
    // Read only: one column whose rows hold a name and a value, no header, no selection.
    table->setColumnCount(1);
    table->horizontalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->verticalHeader()->setMinimumSectionSize(restore_frames::kTableRowHeight);
    table->verticalHeader()->setDefaultSectionSize(restore_frames::kTableRowHeight);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The table scrolls its own rows; its scroll view only frames it.
    restore_.scrollViewRestore->setWidgetResizable(true);
    restore_.scrollViewRestore->setFrameShape(QFrame::NoFrame);
}

int UpdateViewController::numberOfRowsInTableView() const
{
    const kivo::PageHost& app = host();
    return kivo::settings::restore_row_count(app.session().deviceTarget, state_.dataToUnarchive,
                                             app.session().fmRadioShowAndHide);
}

RestoreTableCellView* UpdateViewController::tableView_viewForTableColumn_row(int row) const
{
    const kivo::PageHost& app = host();
    const std::optional<kivo::settings::RestoreRow> shown =
        kivo::settings::restore_row(app.session().deviceTarget, state_.dataToUnarchive,
                                    app.session().fmRadioShowAndHide, row, app.languageManager());
    if (!shown)
        return nullptr;
    auto* view = new RestoreTableCellView;
    view->settingNameText()->setText(QString::fromStdString(shown->title));
    view->settingValueText()->setText(QString::fromStdString(shown->value));
    return view;
}

void UpdateViewController::reloadRestoreTable()
{
    QTableWidget* table = restore_.tableViewRestore;
    const int rows = numberOfRowsInTableView();
    table->clearContents();
    table->setRowCount(rows);
    for (int row = 0; row < rows; ++row)
        if (RestoreTableCellView* view = tableView_viewForTableColumn_row(row)) {
            table->setCellWidget(row, 0, view);
            // In the table, where the row takes the page's font.
            view->fitTexts();
        }
}

void UpdateViewController::restoreTableViewHiddenWithRestorePossible()
{
    const bool hidden = !state_.restorePossible;
    restore_.tableViewRestore->setHidden(hidden);
    restore_.scrollViewRestore->setHidden(hidden);
}
