// The wait for the program's work: it goes on while a worker run or a queued event may still meet
// its condition, however slowly, and fails at once when nothing is left that could.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QObject>

#include <atomic>
#include <functional>
#include <limits>
#include <thread>

#include "app/worker_run.h"
#include "tests/app/run_events.h"

namespace {

// Queues links calls on the main thread, each queueing the next; the last one calls last.
void queue_chain(QObject& context, int links, const std::function<void()>& last)
{
    QMetaObject::invokeMethod(
        &context,
        [&context, links, last] {
            if (links > 1)
                queue_chain(context, links - 1, last);
            else
                last();
        },
        Qt::QueuedConnection);
}

// What a case sets going: a run, queued calls, or both, that may end with met raised. looks counts
// the wait's looks at its condition, so that a worker can take as long as the wait is patient.
struct Work {
    kivo::WorkerRun run;
    QObject context;
    std::atomic<bool> met{false};
    std::atomic<int> looks{0};

    // A worker that holds on until the wait has looked n times.
    void until_looked(int n) const
    {
        while (looks.load() < n)
            std::this_thread::yield();
    }
    // Lets a worker still holding on go, the wait over: its run can then be joined.
    void end()
    {
        looks.store(std::numeric_limits<int>::max() / 2);
        run.finish();
    }
};

struct Case {
    const char* name;
    std::function<void(Work&)> start;
};

bool wait_for(Work& work)
{
    return run_events_until([&] {
        work.looks.fetch_add(1);
        return work.met.load();
    });
}

} // namespace

TEST(RunEvents, WaitsWhileARunOrQueuedEventsMayStillMeetTheCondition)
{
    const Case cases[] = {
        {"a run slower than many looks",
         [](Work& w) {
             w.run.start<int>(
                 [&w] {
                     w.until_looked(30);
                     w.met = true;
                     return 0;
                 },
                 [](int) {});
         }},
        {"calls that queue calls", [](Work& w) { queue_chain(w.context, 5, [&w] { w.met = true; }); }},
        {"a run handing over to queued calls",
         [](Work& w) {
             w.run.start<int>([] { return 0; }, [&w](int) { queue_chain(w.context, 3, [&w] { w.met = true; }); });
         }},
        {"queued calls starting a run",
         [](Work& w) {
             queue_chain(w.context, 2, [&w] {
                 w.run.start<int>(
                     [&w] {
                         w.until_looked(w.looks.load() + 10);
                         return 0;
                     },
                     [&w](int) { w.met = true; });
             });
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Work work;
        c.start(work);
        EXPECT_TRUE(wait_for(work));
        work.end();
    }
}

TEST(RunEvents, WaitThatNothingLeftCanMeetFailsAtOnce)
{
    const Case cases[] = {
        {"nothing going", [](Work&) {}},
        {"a run that ends without it", [](Work& w) { w.run.start<int>([] { return 0; }, [](int) {}); }},
        {"queued calls that end without it", [](Work& w) { queue_chain(w.context, 3, [] {}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Work work;
        c.start(work);
        bool met = true;
        EXPECT_NONFATAL_FAILURE(met = wait_for(work), "can no longer be met");
        EXPECT_FALSE(met);
        EXPECT_FALSE(kivo::WorkerRun::anyActive()) << "given up only once the run had ended";
    }
}
