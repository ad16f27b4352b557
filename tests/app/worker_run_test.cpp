// A worker thread and its timer: the timer sees the result the worker publishes last and ends the
// run; a tick may start the next run. The typed run hands its outcome to the main thread.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "app/worker_run.h"
#include "common/clock.h"
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
    run_events_until([&] { return !run.active() && runs == 3; });
    EXPECT_EQ(seen, "done 3");
}

// The typed run: the worker computes from what it was given and returns an outcome; the outcome
// reaches the main thread after the join, and the next run may start from there.
TEST(WorkerRun, OutcomeReachesTheMainThreadAfterTheJoin)
{
    struct Outcome {
        std::string text;
        std::thread::id worker;
    };
    kivo::WorkerRun run;
    const std::thread::id main_thread = std::this_thread::get_id();
    std::vector<std::string> applied; // main thread only
    int ticks_while_running = 0;
    std::atomic<bool> release{false};
    std::function<void(int)> start = [&](int number) {
        run.start<Outcome>(
            [number, &release] {
                while (!release.load())
                    std::this_thread::yield();
                return Outcome{"run " + std::to_string(number), std::this_thread::get_id()};
            },
            [&, number](Outcome outcome) {
                EXPECT_EQ(std::this_thread::get_id(), main_thread);
                EXPECT_NE(outcome.worker, main_thread);
                EXPECT_FALSE(run.active()) << "the run has ended before its outcome is applied";
                applied.push_back(outcome.text);
                if (number < 3)
                    start(number + 1);
            },
            [&] {
                ++ticks_while_running;
                release.store(true); // the worker finishes only after a tick has seen it running
            });
    };
    start(1);
    run_events_until([&] { return applied.size() == 3 && !run.active(); });
    EXPECT_EQ(applied, (std::vector<std::string>{"run 1", "run 2", "run 3"}));
    EXPECT_GE(ticks_while_running, 1);
}

// A stoppable run ends at its next wait when stopped, the wait under way included; a run that does
// not watch the flag is waited for. Neither hands an outcome over.
TEST(WorkerRun, StopEndsAWatchingRunAtItsNextWaitAndDropsTheOutcome)
{
    kivo::WorkerRun run;
    int outcomes = 0;
    std::atomic<bool> waiting{false};
    std::atomic<int> waits_ended{0};
    run.start<int>(
        [&stop = run.stopFlag(), &waiting, &waits_ended] {
            const kivo::StopFlagWatch watch(stop);
            for (;;) {
                waiting.store(true);
                kivo::sleep_ms(60 * 60 * 1000); // a stop that waited for this wait would meet the test's time-out
                waits_ended.fetch_add(1);
            }
            return 1;
        },
        [&](int) { ++outcomes; });
    run_events_until([&] { return waiting.load(); });
    run.stop();
    EXPECT_FALSE(run.active());
    EXPECT_EQ(waits_ended.load(), 0) << "the stop ended the hour's wait under way";

    std::atomic<bool> ended{false};
    run.start<int>(
        [&ended] {
            kivo::sleep_ms(100); // not watching: the stop does not reach it
            ended.store(true);
            return 2;
        },
        [&](int) { ++outcomes; });
    run.stop();
    EXPECT_TRUE(ended.load());
    run_events_for(100);
    EXPECT_EQ(outcomes, 0);
}
