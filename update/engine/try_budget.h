#pragma once
// A loop over device exchanges is bounded in clock time as well as by its count. A device may keep
// each exchange waiting out the link's bounds (30 s silent, 300 s busy), so that a count of tries
// alone could hold the worker for hours. Each try is allowed what it takes against a device that
// answers in time: its pauses, and kAnswerInTimeMs for each exchange. The loop begins another try
// only while the clock time since its first is within the allowance of the whole count, so a
// device that answers in time gets every try, and one that does not ends within that allowance and
// the one exchange under way.

#include "common/clock.h"

namespace kivo {

// A device that answers in time answers an exchange within this.
inline constexpr long long kAnswerInTimeMs = 2000;

class TryBudget {
public:
    // `count` tries of at most `try_ms` each, from now.
    TryBudget(int count, long long try_ms)
        : start_(clock_now())
        , allowedMs_(count * try_ms)
    { }

    // Whether another try may begin.
    bool left() const { return elapsed_ms(start_) < allowedMs_; }
    long long allowedMs() const { return allowedMs_; }

private:
    Duration start_;
    long long allowedMs_;
};

} // namespace kivo
