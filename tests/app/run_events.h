#pragma once
// Lets queued work on the main thread run: until a condition holds, or for a while.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <functional>
#include <source_location>

#include "app/worker_run.h"

// Runs the main thread's events until done() holds, and returns true. There is no deadline: on a
// busy machine a sound run may take long. A wait that can no longer be met ends all the same, once
// the program has nothing left to do: no worker run going and, twice over, no event waiting. That
// fails the test where it waited and returns false, so that a failed step reports at once rather
// than at the ctest time-out.
//
// Only the program's worker runs and its events are watched: a condition that a thread of the
// test's own or of Qt's brings about needs run_events_until_unbounded.
inline bool run_events_until(const std::function<bool()>& done,
                             std::source_location where = std::source_location::current())
{
    QAbstractEventDispatcher& events = *QAbstractEventDispatcher::instance();
    int idle_passes = 0;
    while (!done()) {
        if (kivo::WorkerRun::anyActive()) {
            // A run's timer wakes the wait at least once a period.
            events.processEvents(QEventLoop::WaitForMoreEvents);
            idle_passes = 0;
        } else if (events.processEvents(QEventLoop::AllEvents) || kivo::WorkerRun::anyActive()) {
            idle_passes = 0;
        } else if (++idle_passes == 2 && !done()) {
            ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
                << "The wait can no longer be met: no worker run is going and no event is waiting.";
            return false;
        }
    }
    return true;
}

// Runs the main thread's events until done() holds, however long it takes: for a condition that a
// thread outside the program's worker runs brings about, whose progress the wait cannot see. One
// that never comes is a hang, which the test's ctest time-out reports.
inline void run_events_until_unbounded(const std::function<bool()>& done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Runs the main thread's events for about ms of real time, where a test only lets a run go on for
// a while; nothing may depend on how much it did meanwhile.
inline void run_events_for(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() <= ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
