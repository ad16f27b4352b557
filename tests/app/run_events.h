#pragma once
// Lets queued work on the main thread run until done() holds or the time is up.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

inline bool run_events_until(const std::function<bool()>& done, int timeout_ms = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeout_ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}
