#include "tests/sim/answer_gate.h"

#include <optional>

#include "tests/sim/bus.h"

namespace sim {

void AnswerGate::hold(RequestMatch match)
{
    std::lock_guard lock(mutex_);
    match_ = std::move(match);
}

bool AnswerGate::held() const
{
    std::lock_guard lock(mutex_);
    return held_ > 0;
}

void AnswerGate::release()
{
    {
        std::lock_guard lock(mutex_);
        held_ = 0;
        ++releases_;
    }
    released_.notify_all();
}

void AnswerGate::pass(const Bytes& request, std::unique_lock<BusMutex>& bus_lock)
{
    std::unique_lock lock(mutex_);
    if (!match_ || !match_(request))
        return;
    match_ = nullptr;
    ++held_;
    const uint64_t ticket = releases_;
    bus_lock.unlock();
    released_.wait(lock, [&] { return releases_ != ticket; });
    lock.unlock();
    bus_lock.lock();
}

namespace {

// A BCCMD message inside an HCI vendor command: opcode 0xFC00, length, channel, then type, words,
// sequence, varid and status (16-bit, little-endian), then the key.
constexpr size_t kBccmdKeyAt = 14;
constexpr uint16_t kGetRequest = 0x0000;
constexpr uint16_t kSetRequest = 0x0002;
constexpr uint16_t kVaridPs = 0x7003;

uint16_t word_at(const Bytes& b, size_t at)
{
    return at + 1 < b.size() ? static_cast<uint16_t>(b[at] | (b[at + 1] << 8)) : 0;
}

bool ps_request(const Bytes& b, uint16_t type, std::optional<uint16_t> key)
{
    return b.size() >= kBccmdKeyAt + 2 && b[0] == 0x00 && b[1] == 0xFC && word_at(b, 4) == type &&
        word_at(b, 10) == kVaridPs && (!key || word_at(b, kBccmdKeyAt) == *key);
}

} // namespace

RequestMatch hid_command(uint8_t command)
{
    return [command](const Bytes& b) { return b.size() > 1 && b[1] == command; };
}

RequestMatch ps_key_write(std::optional<uint16_t> key)
{
    return [key](const Bytes& b) { return ps_request(b, kSetRequest, key); };
}

RequestMatch ps_key_read(uint16_t key)
{
    return [key](const Bytes& b) { return ps_request(b, kGetRequest, key); };
}

} // namespace sim
