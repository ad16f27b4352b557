#pragma once
// A long operation: a worker thread paired with a repeating timer on the main thread.
//
// The typed form is the rule: start<Outcome>(work, on_done) runs work on the thread with inputs it
// took by value; work returns an Outcome, which the thread publishes last (after it has closed its
// devices) into a mutex-guarded slot. The timer polls the slot; once the outcome is there it stops,
// joins the (by then ending) thread and calls on_done(outcome) on the main thread. The worker
// never touches the controller.
//
// The tick form start(work, tick) calls tick every period while the worker goes; it is for runs
// whose timer must show progress, kept in one small guarded block of the run's own.
//
// A run that writes nothing that cannot be redone may be stopped: its work watches stopFlag()
// (kivo::StopFlagWatch), stop() raises the flag and joins, and the stopped run hands over nothing.

#include <QObject>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

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

    // Starts work on a new thread; on_done gets its outcome on the main thread after the join.
    // while_running, when given, is called on the ticks before the outcome is there.
    template <typename Outcome>
    void start(std::function<Outcome()> work, std::function<void(Outcome)> on_done,
               std::function<void()> while_running = {})
    {
        auto slot = std::make_shared<OutcomeSlot<Outcome>>();
        start([slot, work = std::move(work)] { slot->publish(work()); },
              [this, slot, on_done = std::move(on_done), while_running = std::move(while_running)] {
                  std::optional<Outcome> outcome = slot->take();
                  if (!outcome) {
                      if (while_running)
                          while_running();
                      return;
                  }
                  finish();
                  on_done(std::move(*outcome));
              });
    }

    // Stops the timer and joins the thread. Safe to call from tick and more than once.
    void finish();
    bool active() const { return timer_.isActive(); }
    // Whether any run of the program is active: while none is, no worker can change anything.
    static bool anyActive();

    // What a stoppable run's work watches; lowered by every start.
    const std::atomic<bool>& stopFlag() const { return stop_; }
    // Raises the stop flag and finishes: a run that watches it ends at its next wait, and its
    // outcome is never handed over.
    void stop();

private:
    template <typename Outcome> class OutcomeSlot {
    public:
        void publish(Outcome outcome)
        {
            std::lock_guard lock(mutex_);
            outcome_ = std::move(outcome);
        }
        std::optional<Outcome> take()
        {
            std::lock_guard lock(mutex_);
            return std::exchange(outcome_, std::nullopt);
        }

    private:
        std::mutex mutex_;
        std::optional<Outcome> outcome_;
    };

    std::atomic<bool> stop_{false};
    std::thread thread_;
    QTimer timer_;
    std::function<void()> tick_;
};

} // namespace kivo
