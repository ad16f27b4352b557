#include "tests/sim/virtual_clock.h"

namespace sim {

void VirtualClock::sleep_for(kivo::Duration d)
{
    if (sleeper_)
        sleeper_(d);
    else
        advance(d);
}

void VirtualClock::advance(kivo::Duration d)
{
    if (d > kivo::Duration::zero())
        ticks_.fetch_add(d.count(), std::memory_order_acq_rel);
}

void VirtualClock::advance_to(kivo::Duration t)
{
    auto current = ticks_.load(std::memory_order_acquire);
    while (current < t.count() && !ticks_.compare_exchange_weak(current, t.count(), std::memory_order_acq_rel)) { }
}

} // namespace sim
