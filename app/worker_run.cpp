#include "app/worker_run.h"

#include <atomic>

#include "common/clock.h"

namespace kivo {
namespace {
std::atomic<long long> period_ms{1000};
// The runs whose timer is going: started, not yet finished.
std::atomic<int> active_runs{0};
} // namespace

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
    stop_.store(false);
    tick_ = std::move(tick);
    thread_ = std::thread([work = std::move(work)] {
        try {
            work();
        } catch (const RunStopped&) {
            // A stopped run ends here with nothing to hand over.
        }
    });
    timer_.start(worker_timer_period());
    active_runs.fetch_add(1);
}

void WorkerRun::stop()
{
    stop_.store(true);
    finish();
}

void WorkerRun::finish()
{
    if (timer_.isActive()) {
        timer_.stop();
        active_runs.fetch_sub(1);
    }
    if (thread_.joinable())
        thread_.join();
}

bool WorkerRun::anyActive() { return active_runs.load() > 0; }

} // namespace kivo
