#pragma once
// The one clock seam: every sleep, poll interval and timeout goes through here, so that tests can
// install a virtual clock under which silent devices and long loops cost no real time.

#include <chrono>

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

inline void sleep_ms(long long ms) { clock().sleep_for(std::chrono::milliseconds(ms)); }
inline Duration clock_now() { return clock().now(); }

// Milliseconds elapsed since an earlier clock_now().
inline long long elapsed_ms(Duration since)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(clock_now() - since).count();
}

} // namespace kivo
