// The all-settings table makes one layout selection per row it builds and per row action, so one
// selection must stay well under a microsecond. items_per_second / 1e6 = selections per microsecond.

#include <benchmark/benchmark.h>

#include "settings/table/layout_selection.h"

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

} // namespace

BENCHMARK(SelectHeadsetWithFlags);
BENCHMARK(SelectCameraFrom3_0);
BENCHMARK_MAIN();
