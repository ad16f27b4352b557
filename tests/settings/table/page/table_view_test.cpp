// The all-settings table view on its own: it asks for the row count only when told, rebuilds the
// rows it is asked to through its data source and keeps each row's view, finds the row of a control,
// reports its rows' controls, and a row filled again keeps nothing of what it showed before.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "settings/table/page/device_settings_table_view.h"

using kivo::settings::CellKind;
using kivo::settings::RowState;
using kivo::settings::TableKind;

namespace {

// A data source of `rows` rows; row n is titled "row n" and row `missing` has no view.
class Rows : public DeviceSettingsTableDataSource {
public:
    int numberOfRowsInTableView(DeviceSettingsTableView&) override
    {
        ++countsAsked;
        return rows;
    }
    DeviceSettingsTableCellView* tableView_viewForTableColumn_row(DeviceSettingsTableView& table, int column,
                                                                  int row) override
    {
        ++viewsAsked;
        EXPECT_EQ(column, 0);
        if (row == missing)
            return nullptr;
        DeviceSettingsTableCellView* view = table.makeViewForRow(row);
        RowState state{
            TableKind::Sidetone, CellKind::OnOff, "row " + std::to_string(row), "On", "Off", {}, 1, true, true};
        show_row_state(*view, state);
        return view;
    }
    int rows = 3;
    int missing = -1;
    int countsAsked = 0;
    int viewsAsked = 0;
};

} // namespace

TEST(DeviceSettingsTableView, AsksForTheCountOnlyWhenToldAndRebuildsTheRowsAskedFor)
{
    Rows source;
    DeviceSettingsTableView table;
    table.setDataSource(&source);
    table.show();
    table.noteNumberOfRowsChanged();
    EXPECT_EQ(source.countsAsked, 1);
    ASSERT_EQ(table.numberOfRows(), 3);
    EXPECT_EQ(source.viewsAsked, 3);
    DeviceSettingsTableCellView* first = table.viewAtRow(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->textField()->text(), "row 0");

    // More rows at the source change nothing until the table is told; a reload keeps the count and
    // reuses the rows' views.
    source.rows = 5;
    table.reloadDataForRowIndexes_columnIndexes({0, 10}, {0, table.numberOfColumns()});
    EXPECT_EQ(table.numberOfRows(), 3);
    EXPECT_EQ(source.viewsAsked, 6);
    EXPECT_EQ(table.viewAtRow(0), first);
    EXPECT_EQ(table.viewAtRow(3), nullptr);
    table.reloadDataForRowIndexes_columnIndexes({1, 1}, {0, 1});
    EXPECT_EQ(source.viewsAsked, 7);
    table.noteNumberOfRowsChanged();
    EXPECT_EQ(source.countsAsked, 2);
    EXPECT_EQ(table.numberOfRows(), 5);
    EXPECT_EQ(source.viewsAsked, 9) << "only the new rows are built";

    // Fewer rows, and a row without a view: neither shows nor belongs to a row.
    DeviceSettingsTableCellView* fifth = table.viewAtRow(4);
    source.rows = 2;
    table.noteNumberOfRowsChanged();
    source.missing = 1;
    DeviceSettingsTableCellView* second = table.viewAtRow(1);
    table.reloadDataForRowIndexes_columnIndexes({0, table.numberOfRows()}, {0, 1});
    EXPECT_EQ(table.viewAtRow(1), nullptr);
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(table.rowForView(second->enablebtn()), -1);
    EXPECT_EQ(table.rowForView(fifth->disablebtn()), -1);
    EXPECT_EQ(table.rowForView(first->radioGroup()), 0);
    EXPECT_EQ(table.rowForView(&table), -1);
}

TEST(DeviceSettingsTableView, ReportsItsRowsControlsAndTheirValues)
{
    Rows source;
    DeviceSettingsTableView table;
    table.setDataSource(&source);
    table.show();
    table.noteNumberOfRowsChanged();
    DeviceSettingsTableCellView& row = *table.viewAtRow(2);
    std::vector<std::pair<char, QObject*>> reported;
    QObject::connect(&table, &DeviceSettingsTableView::onOffChanged,
                     [&](QObject* c) { reported.emplace_back('o', c); });
    QObject::connect(&table, &DeviceSettingsTableView::popUpChanged,
                     [&](QObject* c) { reported.emplace_back('p', c); });
    QObject::connect(&table, &DeviceSettingsTableView::informationPressed,
                     [&](QObject* c) { reported.emplace_back('i', c); });
    row.enablebtn()->click();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], std::pair('o', static_cast<QObject*>(row.radiobtn())));
    EXPECT_EQ(table.rowForView(reported[0].second), 2);
    EXPECT_EQ(selected_column_or_index(reported[0].second), 0);
    row.infoOnOffBtn()->click();
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[1], std::pair('i', static_cast<QObject*>(row.infoOnOffBtn())));

    show_row_state(row, {TableKind::UnitLanguage, CellKind::Choice, "x", {}, {}, {"a", "b", "c"}, 1, true, true});
    row.popUpBtn()->setCurrentIndex(2);
    emit row.popUpBtn()->activated(2);
    ASSERT_EQ(reported.size(), 3u);
    EXPECT_EQ(reported[2], std::pair('p', static_cast<QObject*>(row.popUpBtn())));
    EXPECT_EQ(selected_column_or_index(reported[2].second), 2);
    EXPECT_EQ(selected_column_or_index(nullptr), -1);
    EXPECT_EQ(selected_column_or_index(row.textField()), -1);
}

TEST(DeviceSettingsTableView, ARowFilledAgainKeepsNothingOfItsEarlierRow)
{
    DeviceSettingsTableCellView view;
    view.show();
    show_row_state(
        view, {TableKind::UnitLanguage, CellKind::Choice, "Unit Language", {}, {}, {"a", "b", "c"}, 5, false, false});
    EXPECT_TRUE(view.radiobtn()->isHidden());
    EXPECT_FALSE(view.popUpBtn()->isHidden());
    EXPECT_EQ(view.popUpBtn()->currentIndex(), -1) << "a value past the items selects none";
    EXPECT_FALSE(view.popUpBtn()->isEnabled());
    EXPECT_TRUE(view.infoOnOffBtn()->isHidden());
    EXPECT_FALSE(view.infoOnOffBtn()->isEnabled());

    view.infoPopUpBtn()->show();
    show_row_state(view, {TableKind::Sidetone, CellKind::OnOff, "Sidetone", "Enable", "Disable", {}, 1, true, true});
    EXPECT_EQ(view.textField()->text(), "Sidetone");
    EXPECT_FALSE(view.radiobtn()->isHidden());
    EXPECT_TRUE(view.radiobtn()->isEnabled());
    EXPECT_TRUE(view.popUpBtn()->isHidden());
    EXPECT_EQ(view.popUpBtn()->count(), 0);
    EXPECT_TRUE(view.disablebtn()->isChecked());
    EXPECT_EQ(view.enablebtn()->text(), "Enable");
    EXPECT_FALSE(view.infoOnOffBtn()->isHidden());
    EXPECT_TRUE(view.infoOnOffBtn()->isEnabled());
    EXPECT_TRUE(view.infoPopUpBtn()->isHidden());

    show_row_state(view, {TableKind::Sidetone, CellKind::OnOff, "Sidetone", "Enable", "Disable", {}, 0, false, true});
    EXPECT_TRUE(view.enablebtn()->isChecked());
    EXPECT_FALSE(view.disablebtn()->isChecked());
    EXPECT_FALSE(view.radiobtn()->isEnabled());
}
