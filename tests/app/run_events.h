#pragma once
// Lets queued work on the main thread run: until a condition holds, or for a while.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

// Runs the main thread's events until done() holds. There is no deadline here: on a busy machine a
// sound run may take long, and one that never ends is a hang, which the test's ctest time-out
// reports.
inline void run_events_until(const std::function<bool()>& done)
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
