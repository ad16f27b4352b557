#pragma once
// The application as a run sees it, for engine tests: boxes and spinner posts are recorded in
// order, and a box the worker waits for is answered at once with OK (or Cancel).

#include <functional>
#include <mutex>
#include <vector>

#include "update/engine/update_host.h"

class FakeUpdateHost : public kivo::UpdateHost {
public:
    struct Box {
        std::string message;
        bool warning;
        std::optional<std::string> cancel;
        std::optional<std::string> ok;
        int size;
        int purpose;
    };

    // What the run did to the application, in order: a box opened or closed (its number), the
    // spinner started or stopped.
    struct Event {
        enum Kind { BoxOpened, BoxClosed, SpinnerStarted, SpinnerStopped } kind;
        int box = 0;
        bool operator==(const Event&) const = default;
    };

    int openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        const std::string& message, bool warning, const std::optional<std::string>& cancel,
        const std::optional<std::string>& ok, int size, int purpose) override
    {
        int number = 0;
        {
            std::lock_guard lock(mutex);
            boxes.push_back({message, warning, cancel, ok, size, purpose});
            number = static_cast<int>(boxes.size());
        }
        record({Event::BoxOpened, number});
        return number;
    }
    int closeMessageBox(int box) override
    {
        if (onClose)
            onClose();
        int purpose = 0;
        {
            std::lock_guard lock(mutex);
            closes.push_back(box);
            purpose =
                box >= 1 && box <= static_cast<int>(boxes.size()) ? boxes[static_cast<size_t>(box - 1)].purpose : 0;
        }
        record({Event::BoxClosed, box});
        return purpose;
    }
    void startProcessingAnimation() override { record({Event::SpinnerStarted}); }
    void stopProcessingAnimation() override { record({Event::SpinnerStopped}); }
    void setOpenedMessageBox(bool opened) override
    {
        std::lock_guard lock(mutex);
        opened_ = opened;
    }
    bool openedMessageBox() const override
    {
        std::lock_guard lock(mutex);
        return opened_;
    }
    // The user answers at once.
    void waitUntilAnswered() override
    {
        std::lock_guard lock(mutex);
        if (answerOk)
            skip_ = true;
        opened_ = false;
    }
    bool skipRestoreBackupFile() const override
    {
        std::lock_guard lock(mutex);
        return skip_;
    }
    void setSkipRestoreBackupFile(bool skip) override
    {
        std::lock_guard lock(mutex);
        skip_ = skip;
    }

    // As new.
    void reset()
    {
        std::lock_guard lock(mutex);
        answerOk = true;
        boxes.clear();
        closes.clear();
        events.clear();
        onClose = nullptr;
        onEvent = nullptr;
        opened_ = false;
        skip_ = false;
    }

    mutable std::mutex mutex;
    bool answerOk = true;
    std::vector<Box> boxes;
    std::vector<int> closes;
    std::vector<Event> events;
    // Called as a box is closed, before it is recorded.
    std::function<void()> onClose;
    // Called after each event is recorded (on the run's thread).
    std::function<void(const Event&)> onEvent;

private:
    void record(const Event& event)
    {
        {
            std::lock_guard lock(mutex);
            events.push_back(event);
        }
        if (onEvent)
            onEvent(event);
    }

    bool opened_ = false;
    bool skip_ = false;
};
