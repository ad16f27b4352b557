#include "update/engine/usb_dfu/usb_dfu_download.h"

#include <algorithm>
#include <random>
#include <span>

#include "common/clock.h"
#include "common/system_log.h"
#include "link/dfu.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/run.h"
#include "update/engine/usb_dfu/usb_dfu_transfer.h"

namespace kivo {
namespace {

// Each device has one budget of retries for failed status reads, error states and failed blocks.
constexpr int kRetryBudget = 10;
constexpr int kRetryPauseMs = 1000;
constexpr int kBlockPauseMs = 10;
constexpr int kDevicePauseMs = 1000;
// A device's poll timeout is the least time it asks to be left alone before its next status read,
// up to 4.6 hours. A step waits it out within five minutes in all (a block keeping the device busy,
// the manifest wait of each device, a device manifesting); a poll timeout longer than what is left
// ends the step at once, since a read before it would come too early and a device that keeps to
// the standard refuses it. Each busy answer counts at least a millisecond, so that a device
// answering busy with no poll time at all is bounded too.
constexpr long long kLongestBusyMs = 300000;
// The manifest wait moves in random steps of up to this, so that the bar keeps moving.
constexpr uint32_t kLongestManifestStepMs = 5000;
constexpr uint64_t kManifestDivisorExtraMs = 65000;
constexpr int kSettlePauseMs = 50000;
constexpr int kDownloadStatusStep = 5;
constexpr int kManifestStatusStep = 6;

std::string status_tag(const DfuStatus& status, int index)
{
    return fill_format(" (status %d & state %d) [%d]", {status.bStatus, status.bState, index});
}

// A device busy with what it received (or, as some loaders say, manifesting) asks for a pause
// before its next status read.
bool busy(const DfuStatus& status) { return status.bState == dfuDNBUSY || status.bState == dfuMANIFEST; }

// The pauses a device asks for, each whole, within five minutes in all.
class BusyWait {
public:
    // Sleeps the pause asked for; false, without sleeping, when it goes past what is left.
    bool wait(uint32_t poll_ms)
    {
        const long long counted = std::max<long long>(poll_ms, 1);
        if (waited_ms_ + counted > kLongestBusyMs)
            return false;
        waited_ms_ += counted;
        sleep_ms(poll_ms);
        return true;
    }

private:
    long long waited_ms_ = 0;
};

// The state in which a device takes the block `number`: dfuIDLE before the first, where a download
// begins, and dfuDNLOAD-IDLE after one it has written. In any other a block would not go where the
// file has it (a device back in dfuIDLE in mid-image begins a new download with it).
uint8_t state_for_block(int number) { return number == 0 ? dfuIDLE : dfuDNLOAD_IDLE; }

// The percentage as far as `sent` bytes of the image: never lower than what the bar shows, so
// that an image sent again does not move it back.
void show_download_progress(UpdateRun& run, const DfuProgressScale& scale, size_t sent, size_t size, int i, int count)
{
    const int percent = dfu_download_progress(scale, sent, size, i, count);
    if (percent > run.shared.progress().updateProcessed)
        run.shared.setUpdateProcessed(percent);
}

// One retry from the device's budget, and the pause before it; false once the budget is spent.
bool spend_retry(DfuDeviceSlot& slot)
{
    if (slot.retriesLeft == 0)
        return false;
    --slot.retriesLeft;
    sleep_ms(kRetryPauseMs);
    return true;
}

// A device that reports an error (bStatus not 0) is cleared, at the cost of a retry: cleared, it is
// in dfuIDLE, where a DNLOAD begins a new download, so the image goes again from its first block (a
// device that places blocks by number takes block 0 the same way). False, with the "aborting"
// line, once the device's budget is spent.
bool clear_error(UpdateRun& run, DfuDevices& devices, int i, const DfuStatus& status)
{
    DfuDeviceSlot& slot = devices.slots[static_cast<size_t>(i)];
    if (slot.retriesLeft == 0) {
        dfu_fail(run, devices, UpdateTexts::tavk_string_aborting_in, status_tag(status, i));
        return false;
    }
    system_logf("USB DFU [%d]: status %d in state %d at block %d", i, status.bStatus, status.bState, slot.blockNumber);
    dfu_clear_status(slot.handle, 0);
    return spend_retry(slot);
}

// The image into device i, block by block from the first, until every byte is sent; from the
// device's retry budget.
bool download_into(UpdateRun& run, DfuDevices& devices, int i, std::span<const uint8_t> image,
                   const DfuProgressScale& scale)
{
    DfuDeviceSlot& slot = devices.slots[static_cast<size_t>(i)];
    slot.blockNumber = 0;
    slot.bytesLeft = image.size();
    size_t offset = 0;
    // How long the device has been busy since the last block went.
    BusyWait busy_wait;
    while (slot.bytesLeft > 0) {
        const std::optional<DfuStatus> status = read_dfu_status(slot.handle, 0);
        if (!status) {
            if (spend_retry(slot))
                continue;
            dfu_fail(run, devices, UpdateTexts::tavk_string_cannot_get_status_in, dfu_step_tag(kDownloadStatusStep, i));
            return false;
        }
        slot.status = *status;
        if (status->bStatus != 0) {
            if (!clear_error(run, devices, i, *status))
                return false;
            offset = 0;
            slot.bytesLeft = image.size();
            slot.blockNumber = 0;
            busy_wait = {};
            continue;
        }
        if (busy(*status)) {
            if (!busy_wait.wait(status->bwPollTimeout)) {
                dfu_fail(run, devices, UpdateTexts::tavk_string_aborting_in, status_tag(*status, i));
                return false;
            }
            continue;
        }
        if (status->bState != state_for_block(slot.blockNumber)) {
            system_logf("USB DFU [%d]: state %d before block %d", i, status->bState, slot.blockNumber);
            dfu_fail(run, devices, UpdateTexts::tavk_string_aborting_in, status_tag(*status, i));
            return false;
        }
        const size_t length = std::min(slot.bytesLeft, kDfuBlockSize);
        const int sent = dfu_download(slot.handle, 0, slot.blockNumber, image.subspan(offset, length));
        // A transfer of fewer bytes than the block is a failed one.
        if (sent != static_cast<int>(length)) {
            if (spend_retry(slot))
                continue;
            dfu_fail(run, devices, UpdateTexts::tavk_string_cannot_update_next_block_in, dfu_device_tag(i));
            return false;
        }
        sleep_ms(kBlockPauseMs);
        offset += length;
        slot.bytesLeft -= length;
        ++slot.blockNumber;
        busy_wait = {};
        show_download_progress(run, scale, offset, image.size(), i, devices.count);
    }
    return true;
}

// An error the device reports once its last block has gone (the write of that block failed, say)
// is recovered as one at any other block: cleared, and the image again, from the same budget.
bool download_again(UpdateRun& run, DfuDevices& devices, int i, const DfuStatus& status)
{
    return clear_error(run, devices, i, status) &&
        download_into(run, devices, i, run.dfuImage.bytes(), dfu_progress_scale(run.deviceTarget()));
}

// Before its final block a device must have written its last one: its status is read, after the
// pause each answer asks for, until it is no longer busy. A device that follows the standard
// leaves dfuDNLOAD-SYNC only at such a read, and takes the final block in dfuDNLOAD-IDLE only.
bool wait_until_last_block_written(UpdateRun& run, DfuDevices& devices, int i)
{
    DfuDeviceSlot& slot = devices.slots[static_cast<size_t>(i)];
    BusyWait busy_wait;
    for (;;) {
        const std::optional<DfuStatus> status = read_dfu_status(slot.handle, 0);
        if (!status) {
            dfu_fail(run, devices, UpdateTexts::tavk_string_cannot_get_status_in, dfu_step_tag(kManifestStatusStep, i));
            return false;
        }
        slot.status = *status;
        if (status->bStatus != 0) {
            if (!download_again(run, devices, i, *status))
                return false;
            busy_wait = {};
            continue;
        }
        if (!busy(*status)) {
            if (status->bState == dfuDNLOAD_IDLE)
                return true;
            system_logf("USB DFU [%d]: state %d before the final block", i, status->bState);
            dfu_fail(run, devices, UpdateTexts::tavk_string_aborting_in, status_tag(*status, i));
            return false;
        }
        if (!busy_wait.wait(status->bwPollTimeout)) {
            dfu_fail(run, devices, UpdateTexts::tavk_string_aborting_in, status_tag(*status, i));
            return false;
        }
    }
}

// The time device i asks for before its final block, read once its last block has gone: the
// manifest wait takes it in. An error state is recovered as at any block; a time past the bound
// ends the step with the "aborting" line. None after a failure.
std::optional<uint32_t> time_before_final_block(UpdateRun& run, DfuDevices& devices, int i)
{
    DfuDeviceSlot& slot = devices.slots[static_cast<size_t>(i)];
    for (;;) {
        const std::optional<DfuStatus> status = read_dfu_status(slot.handle, 0);
        if (!status) {
            dfu_fail(run, devices, UpdateTexts::tavk_string_cannot_get_status_in, dfu_step_tag(kManifestStatusStep, i));
            return std::nullopt;
        }
        slot.status = *status;
        if (status->bStatus != 0) {
            if (!download_again(run, devices, i, *status))
                return std::nullopt;
            continue;
        }
        if (status->bwPollTimeout > kLongestBusyMs) {
            dfu_fail(run, devices, UpdateTexts::tavk_string_aborting_in, status_tag(*status, i));
            return std::nullopt;
        }
        return status->bwPollTimeout;
    }
}

// After its final block a device manifests its image: a device that follows the standard begins
// only at the status read of dfuMANIFEST-SYNC. Its status is read through dfuMANIFEST-SYNC and
// dfuMANIFEST, each read after the pause the last answer asked for. A device that has gone to
// manifest or to its reset answers no more, and one that manifests past the busy bound is left to
// it: either ends the reads, not the run.
void follow_manifestation(const DfuDeviceSlot& slot, int i)
{
    // The pause the answer before the final block asked for.
    if (slot.status.bwPollTimeout > kLongestBusyMs) {
        system_logf("USB DFU [%d]: asks to be left alone past the bound; left to its manifest", i);
        return;
    }
    sleep_ms(slot.status.bwPollTimeout);
    BusyWait busy_wait;
    for (;;) {
        const std::optional<DfuStatus> status = read_dfu_status(slot.handle, 0);
        if (!status) {
            system_logf("USB DFU [%d]: no status while manifesting", i);
            return;
        }
        if (status->bState != dfuMANIFEST_SYNC && status->bState != dfuMANIFEST) {
            system_logf("USB DFU [%d]: status %d in state %d after the final block", i, status->bStatus,
                        status->bState);
            return;
        }
        if (!busy_wait.wait(status->bwPollTimeout)) {
            system_logf("USB DFU [%d]: still manifesting; left to it", i);
            return;
        }
    }
}

// The devices' own time to take in what they received, in random steps so that the bar
// keeps moving.
void wait_out_manifest(UpdateRun& run, const DfuProgressScale& scale, uint64_t total_ms)
{
    // Seeded from the clock seam: the virtual clock in tests makes the steps repeat from run to run.
    std::minstd_rand random(static_cast<std::minstd_rand::result_type>(clock_now().count()));
    for (uint64_t waited = 0; waited < total_ms;) {
        const uint64_t step = std::min<uint64_t>(random() % kLongestManifestStepMs + 1, total_ms - waited);
        sleep_ms(static_cast<long long>(step));
        waited += step;
        run.shared.setUpdateProcessed(dfu_manifest_progress(scale, waited, total_ms));
    }
}

} // namespace

int dfu_download_progress(const DfuProgressScale& scale, uint64_t sent, uint64_t size, int index, int count)
{
    if (size == 0)
        return scale.start;
    const auto share = static_cast<int>(sent * static_cast<uint64_t>(scale.downloadSpan) / size);
    if (count < 2)
        return scale.start + share;
    return scale.start + (index == 0 ? 0 : scale.downloadSpan / 2) + share / 2;
}

int dfu_manifest_progress(const DfuProgressScale& scale, uint64_t waited, uint64_t total)
{
    return scale.afterDownload +
        static_cast<int>(waited * static_cast<uint64_t>(scale.manifestSpan) / (total + kManifestDivisorExtraMs));
}

bool dfu_download_image(UpdateRun& run, DfuDevices& devices)
{
    const std::span<const uint8_t> image = run.dfuImage.bytes();
    const DfuProgressScale scale = dfu_progress_scale(run.deviceTarget());
    for (int i = 0; i < devices.count; ++i) {
        system_logf("USB DFU [%d]: writing %zu bytes", i, image.size());
        devices.slots[static_cast<size_t>(i)].retriesLeft = kRetryBudget;
        if (!download_into(run, devices, i, image, scale))
            return false;
        if (i + 1 < devices.count)
            sleep_ms(kDevicePauseMs); // between devices only
    }
    return true;
}

bool dfu_finish_download(UpdateRun& run, DfuDevices& devices, const std::function<void()>& before_settling)
{
    const DfuProgressScale scale = dfu_progress_scale(run.deviceTarget());
    run.shared.setUpdateProcessed(scale.afterDownload);
    uint64_t total_ms = 0;
    for (int i = 0; i < devices.count; ++i) {
        const std::optional<uint32_t> device_ms = time_before_final_block(run, devices, i);
        if (!device_ms)
            return false;
        total_ms += *device_ms;
    }
    wait_out_manifest(run, scale, total_ms);
    for (int i = 0; i < devices.count; ++i) {
        if (!wait_until_last_block_written(run, devices, i))
            return false;
        const DfuDeviceSlot& slot = devices.slots[static_cast<size_t>(i)];
        if (dfu_download(slot.handle, 0, slot.blockNumber, {}) != 0) {
            dfu_fail(run, devices, UpdateTexts::tavk_string_cannot_send_final_block_in, dfu_device_tag(i));
            return false;
        }
    }
    // The timer moves the bar on towards its end value while the devices settle.
    run.shared.change([&scale](UpdateProgress& p) {
        p.updateTimerProcessTime = 0;
        p.updateTimerPercentToProcess = scale.timerTarget - p.updateProcessed;
        p.updateTimerProcessed = p.updateProcessed;
    });
    system_log("USB DFU: final blocks sent");
    for (int i = 0; i < devices.count; ++i)
        follow_manifestation(devices.slots[static_cast<size_t>(i)], i);
    if (before_settling)
        before_settling();
    sleep_ms(kSettlePauseMs);
    return true;
}

} // namespace kivo
