#include "tests/sim/airoha_face.h"

#include <algorithm>
#include <utility>

namespace sim {
namespace {

constexpr size_t kCommandAt = 2;
constexpr size_t kParameterAt = 3;
constexpr size_t kChunkDataAt = 4;
constexpr size_t kVerifyKindAt = 4;
constexpr size_t kVerifyCrcAt = 5;
constexpr size_t kMaxChunk = 58;
constexpr size_t kVersionNumbers = 5;
constexpr size_t kLongVersionData = 8;
constexpr uint8_t kVerifyKind = 2;
constexpr uint8_t kFailed = 2;
constexpr uint8_t kBusy = 1;

constexpr uint8_t kGetVersion = 0x01;
constexpr uint8_t kErase = 0x05;
constexpr uint8_t kChunk = 0x06;
constexpr uint8_t kRunLoader = 0x08;
constexpr uint8_t kResult = 0x0A;
constexpr uint8_t kVerifyAll = 0x5B;

uint8_t byte_at(const Bytes& out, size_t i) { return i < out.size() ? out[i] : 0; }

HidReply answered(uint8_t command, uint8_t status, const Bytes& data = {})
{
    HidReply reply;
    reply.answers.push_back(answer(command, status, data));
    return reply;
}

Bytes le16(uint16_t value) { return {static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>(value >> 8)}; }

} // namespace

AirohaFace::AirohaFace(AirohaPersona persona, AirohaCarrier carrier)
    : persona_(std::move(persona))
    , carrier_(std::move(carrier))
{ }

bool AirohaFace::takes(const Bytes& out) const
{
    switch (byte_at(out, kCommandAt)) {
    case kGetVersion: return persona_.blockVersions.contains(byte_at(out, kParameterAt));
    case kErase:
    case kChunk:
    case kVerifyAll:
    case kRunLoader:
    case kResult: return true;
    default: return false;
    }
}

HidReply AirohaFace::answer(const Bytes& out)
{
    const uint8_t command = byte_at(out, kCommandAt);
    const CommandFault* fault = fault_of(carrier_.faults, command, ++occurrences_[command]);
    if (fault == nullptr)
        return usual_answer(out);
    HidReply reply;
    switch (fault->kind) {
    case CommandFault::WriteFails: reply.fail_write = true; return reply;
    case CommandFault::Silent: return reply;
    // Refused: nothing done, the answer as long as usual.
    case CommandFault::FinalStatus: return answered(command, fault->status, Bytes(data_length(command), 0));
    case CommandFault::Busy: {
        reply = usual_answer(out);
        Bytes busy = reply.answers.back();
        busy[1] = kBusy;
        reply.answers.insert(reply.answers.end() - 1, static_cast<size_t>(fault->busy), busy);
        return reply;
    }
    case CommandFault::Leaves:
        reply = usual_answer(out);
        if (auto device = carrier_.device.lock())
            leave_for_good(device, carrier_.leaveAfter);
        return reply;
    }
    return reply;
}

HidReply AirohaFace::usual_answer(const Bytes& out)
{
    const uint8_t command = byte_at(out, kCommandAt);
    switch (command) {
    case kGetVersion: {
        const auto& numbers = persona_.blockVersions.at(byte_at(out, kParameterAt));
        Bytes data(numbers.begin(), numbers.end());
        data.resize(data_length(command), 0);
        return answered(command, 0, data);
    }
    case kErase: blocks_.push_back({byte_at(out, kParameterAt), {}}); return answered(command, persona_.eraseStatus);
    case kChunk: return take_chunk(out);
    case kVerifyAll: return verify_all(out);
    case kRunLoader: return run_loader();
    case kResult: return answered(command, 0, {persona_.dfuResult});
    default: return {};
    }
}

HidReply AirohaFace::take_chunk(const Bytes& out)
{
    const size_t n = byte_at(out, kParameterAt);
    if (n == 0 || n > kMaxChunk || kChunkDataAt + n > out.size())
        return answered(kChunk, kFailed, le16(0));
    const auto data = out.begin() + static_cast<std::ptrdiff_t>(kChunkDataAt);
    const Bytes chunk(data, data + static_cast<std::ptrdiff_t>(n));
    if (!blocks_.empty())
        blocks_.back().bytes.insert(blocks_.back().bytes.end(), chunk.begin(), chunk.end());
    received_.insert(received_.end(), chunk.begin(), chunk.end());
    uint16_t crc = device_crc16(chunk);
    if (++chunks_ == persona_.wrongCrcChunk)
        crc = static_cast<uint16_t>(~crc);
    return answered(kChunk, 0, le16(crc));
}

HidReply AirohaFace::verify_all(const Bytes& out) const
{
    const Bytes held = blocks_.empty() ? Bytes{} : blocks_.back().bytes;
    const auto named = static_cast<uint16_t>(byte_at(out, kVerifyCrcAt) | byte_at(out, kVerifyCrcAt + 1) << 8);
    const bool matches = byte_at(out, kVerifyKindAt) == kVerifyKind && named == device_crc16(held);
    HidReply reply;
    for (int i = 0; i < persona_.verifyBusy; ++i)
        reply.answers.push_back(sim::answer(kVerifyAll, kBusy));
    reply.answers.push_back(sim::answer(kVerifyAll, matches ? persona_.verifyStatus : kFailed));
    return reply;
}

HidReply AirohaFace::run_loader()
{
    if (const std::optional<VersionQuad> version = version_marker(received_); version && carrier_.takeVersion)
        carrier_.takeVersion(*version);
    received_.clear();
    if (auto device = carrier_.device.lock())
        bus().leave(device, carrier_.leaveAfter, carrier_.away);
    return answered(kRunLoader, 0);
}

size_t AirohaFace::data_length(uint8_t command) const
{
    switch (command) {
    case kGetVersion: return persona_.longVersionAnswer ? kLongVersionData : kVersionNumbers;
    case kChunk: return 2;
    case kResult: return 1;
    default: return 0;
    }
}

} // namespace sim
