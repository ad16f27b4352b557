#include "tests/sim/ps_store.h"

#include "tests/sim/usb_face.h"

namespace sim {

namespace {

constexpr uint8_t kChannel = 0xC2;
constexpr uint16_t kGetResponse = 0x0001;
constexpr uint16_t kSetRequest = 0x0002;
constexpr size_t kHeaderBytes = 14; // opcode, length, channel, type, W, sequence, varid, status

uint16_t word_at(const Bytes& b, size_t at)
{
    return at + 1 < b.size() ? static_cast<uint16_t>(b[at] | (b[at + 1] << 8)) : 0;
}

void put_word(Bytes& b, size_t at, uint16_t w)
{
    b[at] = static_cast<uint8_t>(w & 0xFF);
    b[at + 1] = static_cast<uint8_t>(w >> 8);
}

} // namespace

std::optional<Bytes> PsStore::answer(const Bytes& command)
{
    if (command.size() < kHeaderBytes || command[0] != 0x00 || command[1] != 0xFC || command[3] != kChannel)
        return std::nullopt;
    const uint16_t type = word_at(command, 4);
    const uint16_t words = word_at(command, 6);
    const uint16_t varid = word_at(command, 10);
    if (varid >= 0x4001 && varid <= 0x4004) // resets: the chip goes away instead of answering
        return std::nullopt;
    if (strike(faults.silent))
        return std::nullopt;

    // The answer echoes the message (W words from byte 4) with the type, status and payload changed.
    Bytes payload(command.begin() + kHeaderBytes, command.end());
    const size_t payload_bytes = words >= 5 ? words * 2u - 10u : 0;
    payload.resize(payload_bytes, 0);
    const uint16_t key = word_at(payload, 0);
    uint16_t status = kBccmdOk;
    auto held = keys.find(key);

    if (varid == kVaridPsSize) {
        if (held == keys.end())
            status = kBccmdNoValue;
        else if (payload.size() >= 4)
            put_word(payload, 2,
                     faults.claimed_words.contains(key) ? faults.claimed_words[key]
                                                        : static_cast<uint16_t>(held->second.size()));
    } else if (varid == kVaridPs && type == kSetRequest) {
        const uint16_t count = word_at(payload, 2);
        if (6u + count * 2u > payload.size() || faults.read_only.contains(key)) {
            status = kBccmdBadRequest;
        } else if (!faults.unkept.contains(key)) {
            std::vector<uint16_t> value(count);
            for (size_t i = 0; i < count; ++i)
                value[i] = word_at(payload, 6 + 2 * i);
            keys[key] = value;
        }
    } else if (varid == kVaridPs) {
        const uint16_t count = word_at(payload, 2);
        if (held == keys.end())
            status = kBccmdNoValue;
        else if (count != held->second.size() || 6u + count * 2u > payload.size())
            status = kBccmdBadRequest;
        else
            for (size_t i = 0; i < count; ++i)
                put_word(payload, 6 + 2 * i, held->second[i]);
    } else {
        status = kBccmdNoSuchVarid;
    }
    if (faults.status.contains(key))
        status = faults.status[key];

    // Event: code, parameter length, channel, then type, W, sequence, varid, status, payload.
    Bytes event(3 + 10 + payload.size(), 0);
    event[0] = faults.not_vendor_event ? 0x0E : 0xFF;
    event[1] = static_cast<uint8_t>(event.size() - 2);
    event[2] = faults.wrong_channel ? 0x42 : kChannel;
    put_word(event, 3, kGetResponse);
    put_word(event, 5, words);
    put_word(event, 7, word_at(command, 8));
    put_word(event, 9, varid);
    put_word(event, 11, status);
    std::copy(payload.begin(), payload.end(), event.begin() + 13);
    event.resize(event.size() - std::min(faults.short_by, event.size()));
    return event;
}

} // namespace sim
