// The all-settings table makes one layout selection per row it builds and per row action, so one
// selection must stay well under a microsecond. items_per_second / 1e6 = selections per microsecond.
//
// The table rebuilds every row after each change, so a whole table must build well under a
// millisecond. In the row model runs, items_per_second / 1e3 = rows built per millisecond.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "settings/table/layout_selection.h"
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

} // namespace

BENCHMARK(SelectHeadsetWithFlags);
BENCHMARK(SelectCameraFrom3_0);
BENCHMARK(BuildCameraTableFrom3_0);
BENCHMARK(BuildHeadsetTableFrom2_5);

int main(int argc, char** argv)
{
    // Trace lines go to standard error; keep them off the report.
    if (!std::freopen("/dev/null", "w", stderr))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
