#include "common/clock.h"

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

} // namespace

Clock& clock()
{
    Clock* c = installed.load(std::memory_order_acquire);
    return c != nullptr ? *c : steady_clock;
}

void install_clock(Clock* c) { installed.store(c, std::memory_order_release); }

} // namespace kivo
