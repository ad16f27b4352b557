#pragma once
// The one clock seam: every sleep, poll interval and timeout goes through here, so that tests can
// install a virtual clock under which silent devices and long loops cost no real time.

#include <atomic>
#include <chrono>
#include <exception>

namespace kivo {

using Duration = std::chrono::nanoseconds;

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic time since an arbitrary start.
    virtual Duration now() const = 0;
    virtual void sleep_for(Duration d) = 0;
};

// The installed clock; the steady clock unless a test installed another.
Clock& clock();
// Installs c (nullptr: back to the steady clock). The caller keeps c alive while it is installed.
void install_clock(Clock* c);

// Sleeps for ms through the installed clock. On a thread that watches a raised stop flag it throws
// RunStopped instead (below).
void sleep_ms(long long ms);
inline Duration clock_now() { return clock().now(); }

// A run that writes nothing that cannot be redone (a recognition, the manager check) may be
// abandoned when the user quits: its thread watches a stop flag, and once the flag is raised its
// next wait, or the wait under way within a twentieth of a second, throws RunStopped. The run
// catches it where it can close what it opened.
struct RunStopped : std::exception {
    const char* what() const noexcept override { return "run stopped"; }
};

// Makes the calling thread watch flag while the scope lasts.
class StopFlagWatch {
public:
    explicit StopFlagWatch(const std::atomic<bool>& flag);
    ~StopFlagWatch();
    StopFlagWatch(const StopFlagWatch&) = delete;
    StopFlagWatch& operator=(const StopFlagWatch&) = delete;

private:
    const std::atomic<bool>* previous_;
};

// Whether the calling thread watches a raised stop flag (for waits outside the clock seam, such as
// an HTTP transfer's).
bool stop_requested();

// Milliseconds elapsed since an earlier clock_now().
inline long long elapsed_ms(Duration since)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(clock_now() - since).count();
}

} // namespace kivo
