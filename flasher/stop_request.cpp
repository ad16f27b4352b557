#include "flasher/stop_request.h"

#include <atomic>

namespace {
std::atomic<bool> stop_requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the stop request is set from a signal handler");
} // namespace

void flasher_request_stop() { stop_requested.store(true, std::memory_order_relaxed); }
bool flasher_stop_requested() { return stop_requested.load(std::memory_order_relaxed); }
void flasher_clear_stop() { stop_requested.store(false, std::memory_order_relaxed); }
