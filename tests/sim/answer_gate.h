#pragma once
// A device's hold on its answer: a test arms the gate with the request it wants held (a HID report,
// a persistent-store message); the call that sends it waits inside the link, on a condition and not
// on the clock, until the test releases it. Virtual time stands still meanwhile, so the test can act
// on the window while a worker is inside the link. The bus lock is not held while a call waits.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

#include "tests/sim/hid_interface.h"

namespace sim {

class BusMutex;

using RequestMatch = std::function<bool(const Bytes& request)>;

class AnswerGate {
public:
    // The next request that matches is held; the ones after it pass (arm again to hold another).
    // Arming while a call is held keeps that call held.
    void hold(RequestMatch match);
    // A call is held now.
    bool held() const;
    // Lets the held call go on; an armed match stays armed.
    void release();

    // For the faces: waits here while request is held, with the bus lock let go meanwhile.
    void pass(const Bytes& request, std::unique_lock<BusMutex>& bus_lock);

private:
    mutable std::mutex mutex_;
    std::condition_variable released_;
    RequestMatch match_;
    int held_ = 0;
    uint64_t releases_ = 0;
};

// Releases on scope exit, so that a failing test never leaves a worker waiting for ever.
class GateRelease {
public:
    explicit GateRelease(AnswerGate& gate)
        : gate_(gate)
    { }
    ~GateRelease() { gate_.release(); }
    GateRelease(const GateRelease&) = delete;
    GateRelease& operator=(const GateRelease&) = delete;

private:
    AnswerGate& gate_;
};

// Matches for gates: an output report of the HID command (report id, then the command byte) ...
RequestMatch hid_command(uint8_t command);
// ... a persistent-store write (set request) of the key, or of any key when none is given ...
RequestMatch ps_key_write(std::optional<uint16_t> key = std::nullopt);
// ... a persistent-store read (get request) of the key.
RequestMatch ps_key_read(uint16_t key);

} // namespace sim
