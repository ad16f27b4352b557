#pragma once
// What an update or restore run shares with the page's timer while it goes: one block per run.
// The worker writes the progress fields and the status texts; the timer reads them every tick and
// paces the shown percentage, reading and writing the fields as one step under the same guard.
// The worker publishes updateFinished last, after it has closed everything it opened.

#include <atomic>
#include <functional>
#include <mutex>
#include <utility>

#include "text/status_text_set.h"

namespace kivo {

struct UpdateProgress {
    // The percentage shown.
    int updateProcessed = 0;
    // The phase marker by which the worker tells the timer what runs.
    int addUpdateProcessed = 0;
    // The timer's pacing counters.
    int updateTimerProcessTime = 0;
    int updateTimerPercentToProcess = 0;
    int updateTimerProcessed = 0;
    // Why the run ended below 100 %: 0 success, 1 transfer failure, 2 not the recognized device,
    // 3 the firmware file failed its checks, 4 restart to recover.
    int updateRestoreError = 0;

    bool operator==(const UpdateProgress&) const = default;
};

class UpdateShared {
public:
    UpdateProgress progress() const
    {
        std::lock_guard lock(mutex_);
        return progress_;
    }
    // One read-modify-write of the progress fields.
    template <typename Change> void change(Change&& change)
    {
        std::lock_guard lock(mutex_);
        change(progress_);
        if (observer_)
            observer_(progress_);
    }
    void setUpdateProcessed(int v)
    {
        change([v](UpdateProgress& p) { p.updateProcessed = v; });
    }
    void setAddUpdateProcessed(int v)
    {
        change([v](UpdateProgress& p) { p.addUpdateProcessed = v; });
    }
    void setUpdateRestoreError(int v)
    {
        change([v](UpdateProgress& p) { p.updateRestoreError = v; });
    }
    void setUpdateTimerProcessed(int v)
    {
        change([v](UpdateProgress& p) { p.updateTimerProcessed = v; });
    }

    // The status line in every interface language, replaced whole.
    void setUpdateStatus(const StatusTextSet& texts) { updateStatus_.set_all(texts); }
    StatusTextSet updateStatus() const { return updateStatus_.snapshot(); }

    // The id a run found the device under when it differs from the one it was recognized under (the
    // download-mode products); 0 for none. Written before updateFinished; the page applies it to
    // its session after the join.
    int usbStatusFound() const { return usbStatusFound_.load(std::memory_order_acquire); }
    void setUsbStatusFound(int usb_status) { usbStatusFound_.store(usb_status, std::memory_order_release); }

    bool updateFinished() const { return updateFinished_.load(std::memory_order_acquire); }
    void setUpdateFinished(bool finished) { updateFinished_.store(finished, std::memory_order_release); }

    // Sees every change of the progress fields, under the guard (set before the run starts).
    void setObserver(std::function<void(const UpdateProgress&)> observer) { observer_ = std::move(observer); }

private:
    mutable std::mutex mutex_;
    UpdateProgress progress_;
    std::function<void(const UpdateProgress&)> observer_;
    StatusTexts updateStatus_;
    std::atomic<int> usbStatusFound_{0};
    std::atomic<bool> updateFinished_{false};
};

} // namespace kivo
