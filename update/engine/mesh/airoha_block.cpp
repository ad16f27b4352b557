#include "update/engine/mesh/airoha_block.h"

#include <algorithm>

#include "common/clock.h"
#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "text/text_format.h"
#include "update/engine/mesh/crc16.h"
#include "update/engine/run.h"

namespace kivo {
namespace {

// The answer as the link gathers it: report id, length, echoed command, status, data from byte 4.
using Answer = std::array<uint8_t, kHidShortReportSize>;

constexpr size_t kStatusAt = 3;
constexpr size_t kDataAt = 4;
constexpr size_t kChunkDataAt = 4;
constexpr uint8_t kVerifyAllKind = 2;
constexpr int kChunkAnswerPolls = 1000;
// A mesh module comes back sooner than a headset after its run loader.
constexpr int kPauseAfterMeshRunLoader = 3;

// A command of the sequence: its code, the answer length it expects (echo and status included) and
// its time-out in the timed exchange.
struct Step {
    uint8_t command;
    uint8_t answerLength;
    int timeoutMs;
};

constexpr Step kVersionRead{COMMAND_GET_VERSION, 7, 10'000};
constexpr Step kErase{COMMAND_ERASE, 2, 10'000};
constexpr Step kChunk{COMMAND_WRITE_BLOCK, 4, 0};
constexpr Step kVerifyAll{COMMAND_ALL_CRC_READ, 2, 1000};
constexpr Step kRunLoader{RUN_LOADER, 2, 500};
constexpr Step kResult{COMMAND_GET_DFU_RESULT, 3, 500};

// An answer buffer cleared but for the length the timed exchange expects.
Answer expecting(const Step& step)
{
    Answer answer{};
    answer[1] = step.answerLength;
    return answer;
}

bool exchange(AirohaExchange how, const Step& step, HidShortCommandReport& report, Answer& answer)
{
    answer = expecting(step);
    if (how == AirohaExchange::Table)
        return hid_command_by_table(0, report, answer) == 1;
    return hid_command62(0, report, answer, step.timeoutMs) == 1;
}

// Erase and run loader name the block to the timed exchange's devices, which keep each block apart;
// the others take one block at a time and are told 0.
uint8_t named_block(const AirohaBlockWrite& how, uint32_t number)
{
    return static_cast<uint8_t>(how.exchange == AirohaExchange::Timed ? number & 0xFF : 0);
}

void fail(UpdateRun& run, const char* tag, uint32_t block_number)
{
    status_cannot_get_status(run, airoha_tag(tag, block_number).c_str());
}

// The table exchange takes any status: a device that reports its image bad, or never stops being
// busy, must not have its loader started. A busy answer is followed by the whole answer again when
// the device is done, as the link's busy rule says; it is gathered within the link's exchange bound.
bool verify_all_passed(Answer& answer)
{
    const Duration start = clock_now();
    for (;;) {
        if (answer[kStatusAt] == kHidStatusSuccess)
            return true;
        if (answer[kStatusAt] != kHidStatusBusy) {
            system_logf("verify all: status %d", answer[kStatusAt]);
            return false;
        }
        if (elapsed_ms(start) >= kHidExchangeTimeoutMs) {
            system_logf("verify all: busy for %d ms", kHidExchangeTimeoutMs);
            return false;
        }
        answer = expecting(kVerifyAll);
        answer[kStatusAt] = kHidStatusUnread;
        if (hid_read_response(0, answer, kHidTablePolls) == 1)
            return true;
        // Nothing, or an answer of another length: the status read is not the device's.
        if (answer[1] != kVerifyAll.answerLength)
            return false;
    }
}

// One chunk; true when the device answered it with its CRC.
bool write_chunk(UpdateRun& run, std::span<const uint8_t> chunk, uint32_t number, const AirohaBlockWrite& how)
{
    HidShortCommandReport report = hid_short_request(kChunk.command, static_cast<uint8_t>(chunk.size()));
    std::copy(chunk.begin(), chunk.end(), report.begin() + kChunkDataAt);
    Answer answer = expecting(kChunk);
    if (how.exchange == AirohaExchange::Table) {
        if (hid_command_by_table(0, report, answer) != 1) {
            fail(run, how.tags->chunkSend, number);
            return false;
        }
    } else {
        if (hid_send_report62(0, report) != 1) {
            fail(run, how.tags->chunkSend, number);
            return false;
        }
        if (hid_read_response(0, answer, kChunkAnswerPolls) != 1) {
            fail(run, how.tags->chunkAnswer, number);
            return false;
        }
    }
    const uint16_t crc = crc16_xmodem(chunk);
    const auto answered = static_cast<uint16_t>(answer[kDataAt] | answer[kDataAt + 1] << 8);
    if (answered == crc)
        return true;
    system_logf("chunk CRC %04X, answered %04X", crc, answered);
    fail(run, how.tags->chunkCrc, number);
    return false;
}

// Erase, chunks and verify-all: the block is in the device, checked.
bool send_block(UpdateRun& run, const ContainerEntry& block, const AirohaBlockWrite& how)
{
    const uint32_t number = block.number;
    HidShortCommandReport report = hid_short_request(kErase.command, named_block(how, number));
    Answer answer;
    if (!exchange(how.exchange, kErase, report, answer)) {
        fail(run, how.tags->erase, number);
        return false;
    }

    const std::span<const uint8_t> data = block.data;
    uint16_t block_crc = 0;
    for (size_t sent = 0; sent < data.size();) {
        const std::span<const uint8_t> chunk = data.subspan(sent, std::min(data.size() - sent, kAirohaChunkLength));
        if (!write_chunk(run, chunk, number, how))
            return false;
        block_crc = crc16_xmodem(chunk, block_crc);
        sent += chunk.size();
    }

    report = hid_short_request(kVerifyAll.command, 0);
    report[4] = kVerifyAllKind;
    report[5] = static_cast<uint8_t>(block_crc & 0xFF);
    report[6] = static_cast<uint8_t>(block_crc >> 8);
    const bool verified = exchange(how.exchange, kVerifyAll, report, answer) &&
        (how.exchange == AirohaExchange::Timed || verify_all_passed(answer));
    if (!verified) {
        fail(run, how.tags->verifyAll, number);
        return false;
    }
    return true;
}

} // namespace

std::string airoha_tag(const char* format, uint32_t block_number) { return fill_format(format, {block_number}); }

bool read_airoha_version(UpdateRun& run, uint32_t block_number, AirohaExchange exchange_form, const char* tag,
                         AirohaVersion& version)
{
    HidShortCommandReport report = hid_short_request(kVersionRead.command, static_cast<uint8_t>(block_number & 0xFF));
    Answer answer;
    if (!exchange(exchange_form, kVersionRead, report, answer)) {
        fail(run, tag, block_number);
        return false;
    }
    std::copy_n(answer.begin() + kDataAt, version.size(), version.begin());
    system_logf("block %u: device version %d.%d.%d.%d.%d", block_number, version[0], version[1], version[2], version[3],
                version[4]);
    return true;
}

bool airoha_block_current(const ContainerEntry& block, const AirohaVersion& version)
{
    return std::equal(version.begin(), version.end(), block.versions.begin(),
                      [](uint8_t answered, uint32_t held) { return uint32_t{answered} == held; });
}

bool write_airoha_block(UpdateRun& run, const ContainerEntry& block, const AirohaBlockWrite& how)
{
    const uint32_t number = block.number;
    system_logf("block %u, type %u: %zu bytes", number, block.type, block.data.size());
    if (!send_block(run, block, how))
        return false;

    HidShortCommandReport report = hid_short_request(kRunLoader.command, named_block(how, number));
    Answer answer;
    if (!exchange(how.exchange, kRunLoader, report, answer)) {
        fail(run, how.tags->runLoader, number);
        return false;
    }
    const bool back = how.device ? reconnect_wait(how.reconnectPause, ReconnectForm::CloseAndReopen, *how.device)
                                 : reconnect_after_loader(run, how.reconnectPause);
    if (!back) {
        fail(run, how.tags->reopen, number);
        return false;
    }
    report = hid_short_request(kResult.command, 0);
    if (!exchange(how.exchange, kResult, report, answer)) {
        fail(run, how.tags->result, number);
        return false;
    }
    // Any value is taken: only the trace shows it.
    system_logf("block %u: DFU result %d", number, answer[kDataAt]);
    return true;
}

bool write_airoha_mesh_block(UpdateRun& run, const ContainerEntry& block)
{
    if (block.type == kAirohaVersionedBlockType) {
        AirohaVersion version{};
        if (!read_airoha_version(run, block.number, AirohaExchange::Table, kAirohaTableTags.versionRead, version))
            return false;
    }
    AirohaBlockWrite how;
    how.reconnectPause = kPauseAfterMeshRunLoader;
    how.device = airoha_mesh_module();
    return write_airoha_block(run, block, how);
}

} // namespace kivo
