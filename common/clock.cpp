#include "common/clock.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace kivo {
namespace {

class SteadyClock final : public Clock {
public:
    Duration now() const override
    {
        return std::chrono::duration_cast<Duration>(std::chrono::steady_clock::now().time_since_epoch());
    }
    void sleep_for(Duration d) override
    {
        if (d > Duration::zero())
            std::this_thread::sleep_for(d);
    }
};

SteadyClock steady_clock;
std::atomic<Clock*> installed{nullptr};
thread_local const std::atomic<bool>* watched_stop_flag = nullptr;

// A watched wait sleeps in slices this long, so that a stop is heard soon.
constexpr Duration kStopSlice = std::chrono::milliseconds(50);

} // namespace

Clock& clock()
{
    Clock* c = installed.load(std::memory_order_acquire);
    return c != nullptr ? *c : steady_clock;
}

void install_clock(Clock* c) { installed.store(c, std::memory_order_release); }

void sleep_ms(long long ms)
{
    Duration left = std::chrono::milliseconds(ms);
    if (watched_stop_flag == nullptr) {
        clock().sleep_for(left);
        return;
    }
    for (;;) {
        if (stop_requested())
            throw RunStopped();
        if (left <= Duration::zero())
            return;
        const Duration slice = std::min(left, kStopSlice);
        clock().sleep_for(slice);
        left -= slice;
    }
}

StopFlagWatch::StopFlagWatch(const std::atomic<bool>& flag)
    : previous_(watched_stop_flag)
{
    watched_stop_flag = &flag;
}

StopFlagWatch::~StopFlagWatch() { watched_stop_flag = previous_; }

bool stop_requested() { return watched_stop_flag != nullptr && watched_stop_flag->load(std::memory_order_acquire); }

} // namespace kivo
