#pragma once
// An in-memory FlasherPort with scripted replies under the virtual clock: a read that finds no
// byte waiting takes the port's read time-out (0.5 s) of virtual time and times out, so the long
// limits of the protocol cost no real time.

#include <cstdint>
#include <deque>
#include <vector>

#include "flasher/port.h"
#include "tests/sim/virtual_clock.h"

namespace flasher_test {

class FakePort {
public:
    static constexpr int kSilence = -1; // one read that times out
    static constexpr uint32_t kSerialFlags = 0x0F;

    explicit FakePort(sim::VirtualClock& clock, uint32_t flags = kSerialFlags);
    FakePort(const FakePort&) = delete;
    FakePort& operator=(const FakePort&) = delete;

    FlasherPort* port() { return &port_; }
    // Queues reply bytes (and kSilence marks) in the order reads will find them.
    void reply(std::initializer_list<int> bytes);
    void reply(const std::vector<uint8_t>& bytes);
    // Once the queue is empty, every read finds this byte (a device that keeps sending it).
    void fill_with(int byte) { filler_ = byte; }
    // The next count writes fail.
    void fail_writes(int count) { failing_writes_ = count; }

    const std::vector<uint8_t>& written() const { return written_; }
    void clear_written() { written_.clear(); }
    size_t replies_left() const { return queue_.size(); }

private:
    static PortResult read(FlasherPort* port, uint8_t* buffer, size_t count);
    static PortResult write(FlasherPort* port, const uint8_t* buffer, size_t count);

    sim::VirtualClock& clock_;
    FlasherPort port_;
    std::deque<int> queue_;
    int filler_ = kSilence;
    int failing_writes_ = 0;
    std::vector<uint8_t> written_;
};

} // namespace flasher_test
