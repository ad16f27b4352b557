#pragma once
// The all-settings table: one column of rows, each a DeviceSettingsTableCellView that its data
// source (the settings page) fills. The table keeps its row count until noteNumberOfRowsChanged,
// rebuilds rows only when asked, and keeps each row's view for the next rebuild; the controls of
// every row it makes report through its signals, with the control that was used.

#include <QScrollArea>
#include <QVBoxLayout>

#include <vector>

#include "settings/table/page/device_settings_table_cell_view.h"
#include "settings/table/row_model.h"

class DeviceSettingsTableView;

// What the table asks its owner.
class DeviceSettingsTableDataSource {
public:
    virtual int numberOfRowsInTableView(DeviceSettingsTableView& tableView) = 0;
    // The filled view of row `row`, taken from makeViewForRow; nullptr for a row the owner has no
    // view for, which then shows nothing. The column is the table's only one.
    virtual DeviceSettingsTableCellView* tableView_viewForTableColumn_row(DeviceSettingsTableView& tableView,
                                                                          int column, int row) = 0;

protected:
    virtual ~DeviceSettingsTableDataSource() = default;
};

// A run of indexes from `location`, as the reloads name their rows and columns.
struct IndexRange {
    int location = 0;
    int length = 0;
};

class DeviceSettingsTableView : public QScrollArea {
    Q_OBJECT
public:
    explicit DeviceSettingsTableView(QWidget* parent = nullptr);

    void setDataSource(DeviceSettingsTableDataSource* dataSource) { dataSource_ = dataSource; }

    // The row count as last asked, and the one column.
    int numberOfRows() const { return rows_; }
    int numberOfColumns() const { return 1; }
    // Asks the data source for the row count again; rows that had no view yet are built.
    void noteNumberOfRowsChanged();
    // Rebuilds the rows of the range that the table has, through the data source.
    void reloadDataForRowIndexes_columnIndexes(IndexRange rows, IndexRange columns);
    // The view kept for the row, made the first time; the data source fills it.
    DeviceSettingsTableCellView* makeViewForRow(int row);

    // The row whose view holds the control; -1 for a control outside the table's rows.
    int rowForView(const QObject* control) const;
    // The view the row shows; nullptr for none.
    DeviceSettingsTableCellView* viewAtRow(int row) const;

signals:
    // A row's radio pair was clicked (the pair is the control), its pop-up chosen from, or one of
    // its information buttons pressed.
    void onOffChanged(QObject* control);
    void popUpChanged(QObject* control);
    void informationPressed(QObject* control);

private:
    // Shows the data source's view in the row's place, or nothing.
    void showRow(int row);

    DeviceSettingsTableDataSource* dataSource_ = nullptr;
    int rows_ = 0;
    QWidget* content_;
    QVBoxLayout* column_;
    std::vector<DeviceSettingsTableCellView*> views_; // by row, made on first use
};

// Every property the row shows, from its state: the title, the cell kind's controls shown and the
// other kind's hidden, the cells' titles or the items, the selection, the enabled state and the
// information button. Nothing of an earlier row survives.
void show_row_state(DeviceSettingsTableCellView& view, const kivo::settings::RowState& state);

// The selected column of a row's radio pair (the pair or one of its cells), the selected item of its
// pop-up; -1 for no selection or any other control.
int selected_column_or_index(const QObject* control);
