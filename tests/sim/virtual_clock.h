#pragma once
// A clock whose time moves only when code sleeps or waits: silent devices and long poll loops
// cost no real time.

#include <atomic>
#include <functional>
#include <utility>

#include "common/clock.h"

namespace sim {

class VirtualClock final : public kivo::Clock {
public:
    // How a sleep passes: by default it only moves time; the bus's clock also runs the events
    // that fall due meanwhile (its sleeper calls advance or advance_to itself).
    using Sleeper = std::function<void(kivo::Duration)>;
    explicit VirtualClock(Sleeper sleeper = {})
        : sleeper_(std::move(sleeper))
    { }

    kivo::Duration now() const override { return kivo::Duration(ticks_.load(std::memory_order_acquire)); }
    void sleep_for(kivo::Duration d) override;
    void advance(kivo::Duration d);
    // Moves time forward to t (never backward).
    void advance_to(kivo::Duration t);
    void reset() { ticks_.store(0, std::memory_order_release); }

private:
    const Sleeper sleeper_;
    std::atomic<kivo::Duration::rep> ticks_{0};
};

} // namespace sim
