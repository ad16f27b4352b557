#include "tests/sim/mesh_module.h"

#include <algorithm>
#include <map>

namespace sim {

struct ModuleState {
    ModulePersona persona;
    std::weak_ptr<Device> device;
    // How often each command came, for the faults of single occurrences.
    std::map<uint8_t, int> occurrences;
    // Every chunk accepted since the erase, and the last chunk, held until the next command: its
    // CRC confirms or refuses it, any other command takes it unchecked.
    Bytes image;
    Bytes pending;
    // Erased and not yet run: the module stays on the bus whatever `stays` says.
    bool inLoader = false;
    // Left for good: no switch brings it back.
    bool gone = false;
    // The Airoha module's face.
    std::optional<AirohaFace> airoha;
};

namespace {

constexpr size_t kReport65 = 65;
constexpr size_t kShortReport = 62;
constexpr size_t kShortCommandAt = 2;
constexpr size_t kMaxChunk = 58;
constexpr size_t kMaxChunk65 = 61;
constexpr size_t kChunkLengthAt = 3;
constexpr size_t kChunkDataAt = 4;
constexpr size_t kCrcAt = 4;
constexpr size_t kBuildAt = 7;
constexpr uint8_t kFailed = 2;

constexpr uint8_t kNop = 0x00;
constexpr uint8_t kGetVersion = 0x01;
constexpr uint8_t kErase = 0x05;
constexpr uint8_t kChunk = 0x06;
constexpr uint8_t kVerify = 0x07;
constexpr uint8_t kRunLoader = 0x08;
constexpr uint8_t kChunkCrc = 0x5A;
constexpr uint8_t kAllCrc = 0x5B;

uint8_t byte_at(const Bytes& out, size_t i) { return i < out.size() ? out[i] : 0; }

HidReply status(uint8_t command, uint8_t value = 0) { return one_report(status_report(command, value)); }

HidReply status65(uint8_t command, uint8_t value = 0) { return one_report(status_report65(command, value)); }

// After its run loader.
void leave(ModuleState& state)
{
    if (auto device = state.device.lock())
        bus().leave(device, state.persona.leaveAfter, state.persona.backAfterRunLoader);
}

void erase(ModuleState& state)
{
    state.image.clear();
    state.pending.clear();
    state.inLoader = true;
}

// Runs the image it holds: takes on its version marker, then leaves.
void run_loader(ModuleState& state)
{
    if (const std::optional<VersionQuad> version = version_marker(state.image))
        state.persona.version = *version;
    state.inLoader = false;
    leave(state);
}

// What a refused chunk CRC or all-CRC undoes: the chunk waits to be sent again, or the whole
// image does.
void forget(ModuleState& state, uint8_t command)
{
    if (command == kChunkCrc)
        state.pending.clear();
    if (command == kAllCrc) {
        state.image.clear();
        state.pending.clear();
    }
}

// A held chunk that no CRC followed: the plain write.
void take_pending(ModuleState& state)
{
    state.image.insert(state.image.end(), state.pending.begin(), state.pending.end());
    state.pending.clear();
}

// A chunk's data: byte 3 the length (1 to `longest`), the data from byte 4; nothing when refused.
std::optional<Bytes> chunk_data(const Bytes& out, size_t longest)
{
    const size_t n = byte_at(out, kChunkLengthAt);
    if (n == 0 || n > longest || kChunkDataAt + n > out.size())
        return std::nullopt;
    const auto data = out.begin() + static_cast<std::ptrdiff_t>(kChunkDataAt);
    return Bytes(data, data + static_cast<std::ptrdiff_t>(n));
}

HidReply take_chunk(ModuleState& state, const Bytes& out)
{
    std::optional<Bytes> data = chunk_data(out, kMaxChunk);
    if (!data)
        return status(kChunk, kFailed);
    state.pending = std::move(*data);
    return status(kChunk);
}

uint16_t crc_in(const Bytes& out)
{
    return static_cast<uint16_t>(byte_at(out, kCrcAt) | byte_at(out, kCrcAt + 1) << 8);
}

HidReply answer_command(ModuleState& state, const Bytes& out)
{
    const uint8_t command = out[1];
    if (command != kChunkCrc && command != kErase)
        take_pending(state);
    switch (command) {
    case kGetVersion: {
        if (!state.persona.answers)
            return {};
        Bytes report = version_status_report(state.persona.version);
        report[kBuildAt] = state.persona.build;
        return one_report(std::move(report));
    }
    case kErase: erase(state); return status(command);
    case kChunk: return take_chunk(state, out);
    case kChunkCrc:
        if (state.pending.empty() || device_crc16(state.pending) != crc_in(out)) {
            forget(state, command);
            return status(command, kFailed);
        }
        take_pending(state);
        return status(command);
    case kAllCrc:
        if (device_crc16(state.image) != crc_in(out)) {
            forget(state, command);
            return status(command, kFailed);
        }
        return status(command);
    case kRunLoader: run_loader(state); return status(command);
    case kVerify:
    default: return status(command);
    }
}

// A reply of each report form: the usual answer, and the status of a command that failed.
using Answerer = HidReply (*)(ModuleState& state, const Bytes& out);
using FailedStatus = HidReply (*)(uint8_t command, uint8_t status);

HidReply answer_with_faults(ModuleState& state, const Bytes& out, Answerer answer, FailedStatus failed)
{
    const uint8_t command = out[1];
    const CommandFault* fault = fault_of(state.persona.commandFaults, command, ++state.occurrences[command]);
    const bool failing = std::find(state.persona.failingCommands.begin(), state.persona.failingCommands.end(),
                                   command) != state.persona.failingCommands.end();
    if (failing || (fault != nullptr && fault->kind == CommandFault::FinalStatus)) {
        forget(state, command);
        return failed(command, fault != nullptr ? fault->status : kFailed);
    }
    if (fault == nullptr)
        return answer(state, out);
    return reply_with_fault(
        *fault, [&] { return answer(state, out); },
        [&] {
            state.gone = true;
            if (auto device = state.device.lock())
                leave_for_good(device, state.persona.leaveAfter);
        });
}

// The Airoha module's 62-byte reports: the face's, or unanswered.
HidReply answer_short_report(ModuleState& state, const Bytes& out)
{
    if (!state.airoha->takes(out))
        return {};
    const uint8_t command = out[kShortCommandAt];
    if (command == kErase)
        state.inLoader = true;
    if (command == kRunLoader)
        state.inLoader = false;
    return state.airoha->answer(out);
}

// The QCC module's 65-byte loader face: every chunk goes straight into its image.
HidReply answer_report65(ModuleState& state, const Bytes& out)
{
    const uint8_t command = out[1];
    switch (command) {
    case kGetVersion: {
        if (!state.persona.answers)
            return {};
        const VersionQuad v = state.persona.version;
        return one_report(status_report65(command, 0, {v.major, v.minor, v.secondaryType, v.secondary}));
    }
    case kErase: erase(state); return status65(command);
    case kChunk: {
        const std::optional<Bytes> data = chunk_data(out, kMaxChunk65);
        if (!data)
            return status65(command, kFailed);
        state.image.insert(state.image.end(), data->begin(), data->end());
        return status65(command);
    }
    case kRunLoader: run_loader(state); return status65(command);
    case kNop:
    case kVerify:
    default: return status65(command);
    }
}

} // namespace

SimModule make_module(const ModulePersona& persona)
{
    auto state = std::make_shared<ModuleState>();
    state->persona = persona;
    auto device = std::make_shared<Device>(persona.product_id);
    state->device = device;
    if (persona.airoha) {
        // The face lives in the state: a plain pointer back keeps the two from holding each other.
        ModuleState* held = state.get();
        state->airoha.emplace(*persona.airoha,
                              AirohaCarrier{device, persona.leaveAfter, persona.backAfterRunLoader,
                                            persona.commandFaults,
                                            [held](const VersionQuad& v) { held->persona.version = v; }});
    }
    device->add_hid().handler = [state](const Bytes& out) {
        if (out.size() < 2)
            return HidReply{};
        if (out.size() == kShortReport && state->airoha)
            return answer_short_report(*state, out);
        if (out.size() == kReport65)
            return answer_with_faults(*state, out, answer_report65, status65);
        return answer_with_faults(*state, out, answer_command, status);
    };
    return {device, state};
}

void switch_module_over(const SimModule& module)
{
    std::shared_ptr<Device> device = module.device;
    std::shared_ptr<ModuleState> state = module.state;
    if (!device || !state->persona.appears || state->gone)
        return;
    bus().schedule(state->persona.appear_after, [device, state] {
        if (device->present() || state->gone)
            return;
        bus().plug(device);
        const uint64_t presence = device->generation();
        bus().schedule(state->persona.stays, [device, state, presence] {
            if (device->present() && device->generation() == presence && !state->inLoader)
                bus().unplug(*device);
        });
    });
}

void send_module_back(const SimModule& module)
{
    if (!module.device)
        return;
    module.state->inLoader = false;
    if (module.device->present())
        bus().unplug(*module.device);
}

Bytes module_image(const ModuleState& state) { return state.image; }

VersionQuad module_version(const ModuleState& state) { return state.persona.version; }

std::vector<AirohaFace::Block> module_airoha_blocks(const ModuleState& state)
{
    return state.airoha ? state.airoha->blocks() : std::vector<AirohaFace::Block>{};
}

} // namespace sim
