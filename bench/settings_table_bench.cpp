// The all-settings table makes one layout selection per row it builds and per row action, so one
// selection must stay well under a microsecond. items_per_second / 1e6 = selections per microsecond.
//
// The table rebuilds every row after each change, so a whole table must build well under a
// millisecond. In the row model runs, items_per_second / 1e3 = rows built per millisecond.
//
// The view's full reload, widgets included (offscreen), must stay within one frame (16 ms); in
// its run too, items_per_second / 1e3 = rows per millisecond.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>

#include "settings/page/text_fit.h"
#include "settings/table/layout_selection.h"
#include "settings/table/page/device_settings_table_view.h"
#include "settings/table/row_model.h"

using namespace kivo::settings;

namespace {

void select(benchmark::State& state, const LayoutKey& key)
{
    for (auto _ : state) {
        auto selection = select_layout(key);
        benchmark::DoNotOptimize(selection);
    }
    state.SetItemsProcessed(state.iterations());
}

// Sixteen lines, with firmware ranges of three forms and flag conditions.
void SelectHeadsetWithFlags(benchmark::State& state) { select(state, {0x4210, {2, 2, 0, 0}, {4, 6, 0, 0}}); }
// The camera's last range.
void SelectCameraFrom3_0(benchmark::State& state) { select(state, {0x5510, {3, 0, 0, 0}, {}}); }

// Every row of the table, as a reload builds them.
void build_table(benchmark::State& state, int product, FirmwareQuad version, int info)
{
    kivo::DeviceSession session;
    session.deviceTarget = product;
    session.deviceInfoStatus = info;
    KIVOBluetoothDeviceData data;
    data.setDeviceVersion(version);
    const KIVOBluetoothDeviceData current = data;
    const TableContext context{session, data, current, kivo::kFrench};
    int rows = 0;
    for (auto _ : state) {
        rows = row_count(context);
        for (int row = 0; row < rows; ++row) {
            auto built = build_row(context, row);
            benchmark::DoNotOptimize(built);
        }
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["rows"] = rows;
}

// The largest table: the camera from firmware 3.0, 25 rows.
void BuildCameraTableFrom3_0(benchmark::State& state) { build_table(state, 0x5510, {3, 0, 0, 0}, 0); }
// The headset's layout from 2.5 with its speaker rows; its equalizer row writes a trace line.
void BuildHeadsetTableFrom2_5(benchmark::State& state) { build_table(state, 0x4210, {2, 5, 0, 0}, 1); }

// The rows as the settings page gives them to the view: built, shown and fitted.
class PageRows : public DeviceSettingsTableDataSource {
public:
    explicit PageRows(const TableContext& context)
        : context_(context)
    { }
    int numberOfRowsInTableView(DeviceSettingsTableView&) override { return row_count(context_); }
    DeviceSettingsTableCellView* tableView_viewForTableColumn_row(DeviceSettingsTableView& table, int, int row) override
    {
        const std::optional<RowState> state = build_row(context_, row);
        if (!state)
            return nullptr;
        DeviceSettingsTableCellView* view = table.makeViewForRow(row);
        show_row_state(*view, *state);
        for (QWidget* text : {static_cast<QWidget*>(view->textField()), static_cast<QWidget*>(view->enablebtn()),
                              static_cast<QWidget*>(view->disablebtn())})
            fit_text(text, text->minimumWidth());
        return view;
    }

private:
    const TableContext& context_;
};

// The camera from firmware 3.0 in the sheet's table: every row and column reloaded, then laid out.
void ReloadCameraTableView(benchmark::State& state)
{
    kivo::DeviceSession session;
    session.deviceTarget = 0x5510;
    KIVOBluetoothDeviceData data;
    data.setDeviceVersion({3, 0, 0, 0});
    const KIVOBluetoothDeviceData current = data;
    const TableContext context{session, data, current, kivo::kFrench};
    PageRows rows(context);
    DeviceSettingsTableView table;
    table.resize(620, 400);
    table.setDataSource(&rows);
    table.show();
    table.noteNumberOfRowsChanged();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        table.reloadDataForRowIndexes_columnIndexes({0, table.numberOfRows()}, {0, table.numberOfColumns()});
        QCoreApplication::sendPostedEvents();
    }
    state.SetItemsProcessed(state.iterations() * table.numberOfRows());
    state.counters["rows"] = table.numberOfRows();
}

} // namespace

BENCHMARK(SelectHeadsetWithFlags);
BENCHMARK(SelectCameraFrom3_0);
BENCHMARK(BuildCameraTableFrom3_0);
BENCHMARK(BuildHeadsetTableFrom2_5);
BENCHMARK(ReloadCameraTableView)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Trace lines go to standard error; keep them off the report.
    if (!std::freopen("/dev/null", "w", stderr))
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
