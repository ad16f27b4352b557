#include "update/engine/hid/hid_image.h"

#include <algorithm>
#include <array>

#include "common/clock.h"
#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "text/update_texts.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr size_t kBlockDataAt = 4;

bool send_blocks(UpdateRun& run, std::span<const uint8_t> data, const HidStepTags& tags, bool last_own_command,
                 int slot)
{
    for (size_t sent = 0; sent < data.size();) {
        const size_t n = std::min(data.size() - sent, kHidMaxBlockLength);
        const bool last = sent + n == data.size();
        if (hid_send_report(slot, hid_block_report(data.subspan(sent, n), last, last_own_command)) != 1) {
            status_cannot_get_status(run, tags.blockSend);
            return false;
        }
        if (hid_wait_status(slot) != 1) {
            status_cannot_get_status(run, tags.blockStatus);
            return false;
        }
        sent += n;
    }
    return true;
}

} // namespace

bool hid_step(UpdateRun& run, uint8_t code, uint8_t parameter, const char* tag, int slot)
{
    HidStatusReport status{};
    if (hid_command(slot, hid_request(code, parameter), status) == 1)
        return true;
    status_cannot_get_status(run, tag);
    return false;
}

HidCommandReport hid_block_report(std::span<const uint8_t> block, bool last, bool last_block_own_command)
{
    const size_t n = std::min(block.size(), kHidMaxBlockLength);
    HidCommandReport report =
        hid_request(last && last_block_own_command ? COMMAND_ENTER_DNLD_MODE : COMMAND_WRITE_BLOCK);
    report[2] = static_cast<uint8_t>(n >> 8);
    report[3] = static_cast<uint8_t>(n & 0xFF);
    std::copy_n(block.begin(), n, report.begin() + kBlockDataAt);
    return report;
}

bool write_hid_image(UpdateRun& run, const HidImage& image, const HidStepTags& tags, const HidImageWrite& how)
{
    system_logf("image %u: %zu bytes, slot %d", image.imageId, image.data.size(), how.slot);
    if (!hid_step(run, COMMAND_ERASE, image.imageId, tags.erase, how.slot) ||
        !send_blocks(run, image.data, tags, how.lastBlockOwnCommand, how.slot) ||
        !hid_step(run, COMMAND_VERIFY, 0, tags.verify, how.slot))
        return false;
    if (how.endAfterVerify)
        return true;
    if (!hid_step(run, RUN_LOADER, 0, tags.runLoader, how.slot))
        return false;
    if (!reconnect_after_loader(run, how.reconnectPause)) {
        status_cannot_get_status(run, tags.reopenAfterRunLoader);
        return false;
    }
    // Only the status counts: any value in the answer is accepted.
    return !how.askResult || hid_step(run, COMMAND_GET_DFU_RESULT, 0, tags.result);
}

bool write_bluetooth_blocks(UpdateRun& run, std::span<const ContainerEntry* const> blocks, const HidStepTags& tags,
                            const AfterVerifyHook& after_verify)
{
    bool run_loader = false;
    for (const ContainerEntry* block : blocks) {
        for (int verified = 1;; ++verified) {
            run_loader = run_loader || block->number == 0;
            system_logf("block %u, type %u: %zu bytes", block->number, block->type, block->data.size());
            if (!hid_step(run, COMMAND_ERASE, block->imageId(), tags.erase) ||
                !send_blocks(run, block->data, tags, false, 0) || !hid_step(run, COMMAND_VERIFY, 0, tags.verify))
                return false;
            const AfterVerify next = after_verify ? after_verify(*block, verified) : AfterVerify::Next;
            if (next == AfterVerify::Stop)
                return false;
            if (next == AfterVerify::Next)
                break;
        }
    }
    if (run_loader && !hid_step(run, RUN_LOADER, 0, tags.runLoader))
        return false;
    system_log("Bluetooth blocks written, waiting for the headset");
    if (reconnect_after_loader(run, kPauseAfterBluetoothBlocks))
        return true;
    status_cannot_get_status(run, tags.reopenAfterRunLoader);
    return false;
}

bool restart_loader(UpdateRun& run, const HidStepTags& tags)
{
    if (!hid_step(run, COMMAND_RESTART_LOADER, 0, tags.restartLoader))
        return false;
    if (reconnect_wait(run, kPauseAfterRestartLoader))
        return true;
    status_cannot_get_status(run, tags.reopenAfterRestart);
    return false;
}

bool reconnect_wait(UpdateRun& run, int pause_seconds, ReconnectForm form)
{
    return reconnect_wait(pause_seconds, form, updated_headset(run));
}

bool reconnect_after_loader(UpdateRun& run, int pause_seconds, ReconnectForm form)
{
    return reconnect_wait(pause_seconds, form, updated_headset_after_loader(run));
}

bool reconnect_wait(int pause_seconds, ReconnectForm form, const SoughtDevice& sought)
{
    if (form == ReconnectForm::CloseAndReopen)
        hid_close_devices();
    sleep_ms(1000LL * pause_seconds);
    PassedOver passed;
    for (int poll = 1;; ++poll) {
        if (poll > kReconnectPollBound) {
            system_logf("device not back after %d polls", kReconnectPollBound);
            hid_close_devices();
            return false;
        }
        sleep_ms(kPollIntervalMs);
        // The openers refuse a filled slot: the link kept from before the pause goes first.
        if (poll == 1 && form == ReconnectForm::PollOnly)
            hid_close_devices();
        const bool back = open_sought(sought, passed);
        hid_close_devices();
        if (back)
            break;
    }
    if (form == ReconnectForm::PollOnly)
        return true;
    if (open_sought(sought, passed))
        return true;
    hid_close_devices();
    return false;
}

bool search_device(const SoughtDevice& sought, int attempts)
{
    PassedOver passed;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        if (open_sought(sought, passed)) {
            system_logf("%s found at attempt %d", sought.what, attempt);
            return true;
        }
        hid_close_devices();
        sleep_ms(kPollIntervalMs);
    }
    system_logf("nothing found in %d attempts", attempts);
    return false;
}

UserPollEnd poll_until_done(const UserPoll& poll)
{
    return poll_until_done(
        poll, [&poll](HidStatusReport& answer) { return hid_command(0, hid_request(poll.command), answer) == 1; });
}

UserPollEnd poll_until_done(const UserPoll& poll, const PollExchange& exchange)
{
    // Counted in clock time: a silent or busy headset spends the link's bound on every exchange.
    const Duration start = clock_now();
    const long long bound_ms = 1000LL * poll.boundSeconds;
    for (int polls = 1;; ++polls) {
        HidStatusReport answer{};
        if (exchange(answer)) {
            if (poll.traceName != nullptr)
                system_logf("%s = [%d]", poll.traceName, answer[3]);
            if (answer[3] != 0)
                return UserPollEnd::Done;
        } else if (poll.failedExchangeEnds) {
            return UserPollEnd::ExchangeFailed;
        }
        const long long left_ms = bound_ms - elapsed_ms(start);
        if (left_ms > 0)
            sleep_ms(std::min<long long>(kPollIntervalMs, left_ms));
        if (elapsed_ms(start) >= bound_ms) {
            system_logf("command %02X: not done after %d s (%d polls)", poll.command, poll.boundSeconds, polls);
            return UserPollEnd::BoundReached;
        }
    }
}

void status_cannot_get_status(UpdateRun& run, const char* tag)
{
    status_failure(run, UpdateTexts::tavk_string_cannot_get_status_in, tag != nullptr ? tag : "");
}

void status_not_found(UpdateRun& run, const char* tag)
{
    status_failure_try_again(run, UpdateTexts::tavk_string_cannot_get_status_in, tag != nullptr ? tag : "");
}

} // namespace kivo
