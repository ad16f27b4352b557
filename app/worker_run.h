#pragma once
// A long operation: a worker thread paired with a repeating timer on the main thread that polls
// what the worker publishes. The worker publishes its result last; the timer callback, on seeing
// it, calls finish(), which stops the timer and joins the (by then ending) thread.

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <thread>

namespace kivo {

// The period of every worker timer: one second; test builds may shorten it.
std::chrono::milliseconds worker_timer_period();
void set_worker_timer_period(std::chrono::milliseconds period);

class WorkerRun : public QObject {
    Q_OBJECT
public:
    explicit WorkerRun(QObject* parent = nullptr);
    ~WorkerRun() override;

    // Starts work on a new thread and tick every period on this (the main) thread. A run still
    // going is finished first.
    void start(std::function<void()> work, std::function<void()> tick);
    // Stops the timer and joins the thread. Safe to call from tick and more than once.
    void finish();
    bool active() const { return timer_.isActive(); }

private:
    std::thread thread_;
    QTimer timer_;
    std::function<void()> tick_;
};

} // namespace kivo
