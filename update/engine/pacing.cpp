#include "update/engine/pacing.h"

#include <algorithm>

namespace kivo {
namespace {

// Group A to D phases: p = min(base + span * floor(scale * t / divisor) / 100, cap).
struct Phase {
    int base;
    int span;
    int scale;
    int divisor;
    int cap;
};

constexpr Phase kTransferA{4, 82, 100, 245, 85};
constexpr Phase kTransferB{4, 82, 1, 9, 85};
constexpr Phase kTransferCD{4, 85, 1, 5, 88};
constexpr Phase kClosing86{86, 14, 100, 40, 99};
constexpr Phase kClosing89{89, 14, 100, 40, 99};
constexpr int kLinearFillTicks = 62;
constexpr int kGroupGTop = 95;

void step_phase(UpdateProgress& f, const Phase& phase)
{
    f.updateTimerProcessed += 1;
    const int steps = phase.scale * f.updateTimerProcessed / phase.divisor;
    f.updateProcessed = std::min(phase.base + phase.span * steps / 100, phase.cap);
}

// Groups A to D: the marker is shown directly up to 3, the transfer and closing phases are paced,
// and 99 becomes 100 while 99 % is shown.
void pace_phases(UpdateProgress& f, const Phase& transfer, int closing_marker, const Phase& closing)
{
    const int m = f.addUpdateProcessed;
    if (m <= 3) {
        f.updateProcessed = m;
    } else if (m == 4) {
        step_phase(f, transfer);
    } else if (m == closing_marker) {
        step_phase(f, closing);
    } else if (m == 99) {
        f.addUpdateProcessed = 100;
        f.updateProcessed = 99;
    }
}

void pace_group_e(UpdateProgress& f, bool box_open, PacingCounters& counters)
{
    if (f.updateProcessed <= 0) {
        f.updateProcessed += 1;
        return;
    }
    if (box_open || f.updateProcessed >= f.addUpdateProcessed)
        return;
    if (counters.groupETicks++ < 3)
        return;
    counters.groupETicks = 0;
    f.updateProcessed += 1;
}

void pace_group_f(UpdateProgress& f, bool box_open, PacingCounters& c)
{
    int& p = f.updateProcessed;
    if (p <= 0) {
        p += 1;
        return;
    }
    if (box_open || p >= f.addUpdateProcessed)
        return;
    if (!c.f1) {
        c.f1 = true;
    } else if (!c.f2) {
        c.f2 = true;
    } else if (p % 2 == 1 && p % 3 != 0) {
        p += 1;
    } else if (!c.f3) {
        c.f3 = true;
    } else {
        p += 1;
        c.f1 = c.f2 = c.f3 = false;
    }
}

// A marker above the shown value is approached one step a tick; otherwise the linear fill runs
// from its base over its span, when it has one.
void pace_default(UpdateProgress& f, bool box_open)
{
    if (box_open)
        return;
    if (f.addUpdateProcessed > 0 && f.updateProcessed < f.addUpdateProcessed) {
        f.updateProcessed += 1;
    } else if (f.updateTimerPercentToProcess > 0) {
        f.updateTimerProcessTime = std::min(f.updateTimerProcessTime + 1, kLinearFillTicks);
        f.updateProcessed =
            f.updateTimerProcessed + f.updateTimerProcessTime * f.updateTimerPercentToProcess / kLinearFillTicks;
    }
}

} // namespace

PacingCounters& process_pacing_counters()
{
    static PacingCounters counters;
    return counters;
}

void pace_progress(UpdateProgress& f, PacingGroup group, bool box_open, PacingCounters& counters)
{
    if (f.updateProcessed >= 100)
        return;
    switch (group) {
    case PacingGroup::A: pace_phases(f, kTransferA, 86, kClosing86); break;
    case PacingGroup::B: pace_phases(f, kTransferB, 86, kClosing86); break;
    case PacingGroup::C: pace_phases(f, kTransferCD, 89, kClosing89); break;
    case PacingGroup::D:
        if (!box_open)
            pace_phases(f, kTransferCD, 89, kClosing89);
        break;
    case PacingGroup::E: pace_group_e(f, box_open, counters); break;
    case PacingGroup::F: pace_group_f(f, box_open, counters); break;
    case PacingGroup::G:
        if (f.updateProcessed < kGroupGTop)
            f.updateProcessed += 1;
        break;
    case PacingGroup::Default: pace_default(f, box_open); break;
    }
}

} // namespace kivo
