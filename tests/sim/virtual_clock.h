#pragma once
// A clock whose time moves only when code sleeps or waits: silent devices and long poll loops
// cost no real time.

#include <atomic>

#include "common/clock.h"

namespace sim {

class VirtualClock final : public kivo::Clock {
public:
    kivo::Duration now() const override { return kivo::Duration(ticks_.load(std::memory_order_acquire)); }
    void sleep_for(kivo::Duration d) override { advance(d); }
    void advance(kivo::Duration d);
    // Moves time forward to t (never backward).
    void advance_to(kivo::Duration t);
    void reset() { ticks_.store(0, std::memory_order_release); }

private:
    std::atomic<kivo::Duration::rep> ticks_{0};
};

} // namespace sim
