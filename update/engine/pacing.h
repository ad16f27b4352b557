#pragma once
// How the page's timer moves the percentage shown while an update or restore runs: one step per
// tick, from the phase marker and counters the worker leaves in the shared block, by the pacing
// group of the product (device/products/progress_pacing.h).

#include "device/products/progress_pacing.h"
#include "update/engine/shared_block.h"

namespace kivo {

// Pacing state of the whole process, shared by the update and the restore page and kept from run
// to run: the tick counter of group E and the three flags of group F.
struct PacingCounters {
    int groupETicks = 0;
    bool f1 = false;
    bool f2 = false;
    bool f3 = false;
};

// The one instance of the process (main thread only).
PacingCounters& process_pacing_counters();

// One tick of pacing over the shared fields (call it inside UpdateShared::change, so that it reads
// and writes them as one step). box_open: a box the worker opened waits for the user. A shown
// value of 100 or more is never changed: the run has succeeded.
void pace_progress(UpdateProgress& fields, PacingGroup group, bool box_open, PacingCounters& counters);

} // namespace kivo
