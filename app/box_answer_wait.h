#pragma once
// A worker that has opened the message box waits here until the user's answer (handled on the main
// thread) lets it go on. Waiting for a person is not a clock wait: the worker blocks until told.

#include <condition_variable>
#include <mutex>

class BoxAnswerWait {
public:
    // The worker marks the box open before it asks for it; the answer marks it closed.
    void setOpen(bool open)
    {
        {
            std::lock_guard lock(mutex_);
            open_ = open;
        }
        changed_.notify_all();
    }
    bool isOpen() const
    {
        std::lock_guard lock(mutex_);
        return open_;
    }
    // Blocks the calling worker until the box has been answered.
    void waitUntilAnswered()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !open_; });
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool open_ = false;
};
