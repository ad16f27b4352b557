#include "app/worker_run.h"

#include <atomic>

namespace kivo {
namespace {
std::atomic<long long> period_ms{1000};
}

std::chrono::milliseconds worker_timer_period() { return std::chrono::milliseconds(period_ms.load()); }

void set_worker_timer_period(std::chrono::milliseconds period) { period_ms.store(period.count()); }

WorkerRun::WorkerRun(QObject* parent)
    : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, [this] {
        // A copy: the tick may start the next run, which replaces tick_.
        auto tick = tick_;
        if (tick)
            tick();
    });
}

WorkerRun::~WorkerRun() { finish(); }

void WorkerRun::start(std::function<void()> work, std::function<void()> tick)
{
    finish();
    tick_ = std::move(tick);
    thread_ = std::thread(std::move(work));
    timer_.start(worker_timer_period());
}

void WorkerRun::finish()
{
    timer_.stop();
    if (thread_.joinable())
        thread_.join();
}

} // namespace kivo
