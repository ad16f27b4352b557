#include "tests/flasher/fake_port.h"

#include <chrono>

namespace flasher_test {
namespace {

constexpr auto kReadTimeout = std::chrono::milliseconds(500);
// One byte at 115200 baud, 8E1.
constexpr auto kByteTime = std::chrono::microseconds(95);

FakePort& fake(FlasherPort* port) { return *static_cast<FakePort*>(port->state); }

} // namespace

FakePort::FakePort(sim::VirtualClock& clock, uint32_t flags)
    : clock_(clock)
{
    port_.name = "fake";
    port_.flags = flags;
    port_.read = &FakePort::read;
    port_.write = &FakePort::write;
    port_.describe = [](FlasherPort*) { return "fake"; };
    port_.state = this;
}

void FakePort::reply(std::initializer_list<int> bytes) { queue_.insert(queue_.end(), bytes.begin(), bytes.end()); }

void FakePort::reply(const std::vector<uint8_t>& bytes) { queue_.insert(queue_.end(), bytes.begin(), bytes.end()); }

PortResult FakePort::read(FlasherPort* port, uint8_t* buffer, size_t count)
{
    FakePort& self = fake(port);
    for (size_t i = 0; i < count; ++i) {
        int next = self.filler_;
        if (!self.queue_.empty()) {
            next = self.queue_.front();
            self.queue_.pop_front();
        }
        if (next == kSilence) {
            self.clock_.advance(kReadTimeout);
            return PORT_ERR_TIMEOUT;
        }
        self.clock_.advance(kByteTime);
        buffer[i] = static_cast<uint8_t>(next);
    }
    return PORT_ERR_OK;
}

PortResult FakePort::write(FlasherPort* port, const uint8_t* buffer, size_t count)
{
    FakePort& self = fake(port);
    if (self.failing_writes_ > 0) {
        --self.failing_writes_;
        return PORT_ERR_FAILED;
    }
    self.written_.insert(self.written_.end(), buffer, buffer + count);
    return PORT_ERR_OK;
}

} // namespace flasher_test
