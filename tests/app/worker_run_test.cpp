// A worker thread and its timer: the timer sees the result the worker publishes last and ends the
// run; a tick may start the next run.

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "app/worker_run.h"
#include "tests/app/run_events.h"

TEST(WorkerRun, TimerSeesWhatTheWorkerPublishedBeforeItsResult)
{
    kivo::WorkerRun run;
    std::string written; // plain field: read only after the result is seen
    std::atomic<int> result{0};
    std::string seen;
    int runs = 0;
    std::function<void()> start = [&] {
        ++runs;
        result.store(0);
        run.start(
            [&] {
                written = "done " + std::to_string(runs);
                result.store(1, std::memory_order_release);
            },
            [&] {
                if (result.load(std::memory_order_acquire) <= 0)
                    return;
                run.finish();
                seen = written;
                if (runs < 3)
                    start(); // the next run starts from the tick, as a recognition after an update does
            });
    };
    start();
    ASSERT_TRUE(run_events_until([&] { return !run.active() && runs == 3; }));
    EXPECT_EQ(seen, "done 3");
}
