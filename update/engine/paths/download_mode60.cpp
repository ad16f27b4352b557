// The download-mode headsets: told to restart in download mode, they come back under the same
// product id ready for the loader commands. Every block of the file is written on slot 0 over a
// command report that is not cleared between commands; then the worker asks the headset until it is
// ready, starts its loader and gives it a minute before it looks for it again. The ending is shared
// with the HID camera headsets.

#include "common/clock.h"
#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/hid/kept_report.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr EntryNeed kEveryBlock[] = {{ContainerTable::Block, kEveryEntry}};

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"}, {2, "settings backed up"}, {98, "blocks being written"},
    {99, "headset restarting"},  {100, "update written"},
};

constexpr int kDownloadModePauseMs = 3000;
constexpr int kPauseAroundBlocksMs = 5000;
constexpr int kRestartPauseMs = 60'000;
constexpr int kEndingPauseMs = 2000;

// With a box up the person re-plugging the headset is waited for; without one, the headset alone.
constexpr UserPoll kReadinessPoll{COMMAND_WAIT_POLL, false, "ready", kReadinessPollBoundSeconds};
constexpr UserPoll kReadinessPollWhileReplugged{COMMAND_WAIT_POLL, false, "ready"};

// The headset restarts in download mode (whatever it answers) and must come back as itself.
bool enter_download_mode(UpdateRun& run, KeptReport& report)
{
    system_log(report.command(0, COMMAND_ENTER_DNLD_MODE) ? "COMMAND_ENTER_DNLD_MODE OK"
                                                          : "COMMAND_ENTER_DNLD_MODE FAIL");
    hid_close_devices();
    sleep_ms(kDownloadModePauseMs);
    return reopen_recognized_device(run);
}

void run_download_mode60(UpdateRun& run)
{
    KeptReport report;
    if (!open_recognized_device(run) || !enter_download_mode(run, report))
        return;
    system_log("download mode: version check");
    // The kept report holds nothing beyond bytes 0 and 1 yet: a cleared version command is the
    // same bytes.
    if (!check_version_identity(run, 0, run.in.data.deviceVersion()) || !load_firmware(run, kEveryBlock) ||
        !back_up_settings(run))
        return;
    begin_transfer(run, 98);
    sleep_ms(kPauseAroundBlocksMs);
    bool start_loader = false;
    for (int i = 0; i < run.container.count(); ++i) {
        const ContainerEntry& block = *run.container.block(i);
        start_loader = start_loader || block.number == 0;
        if (!write_kept_image(run, report, block, 0))
            return;
    }
    sleep_ms(kPauseAroundBlocksMs);
    mark_box_without_box(run);
    const bool ready = wait_until_ready(
        run, [&report](HidStatusReport& answer) { return report.command(0, COMMAND_WAIT_POLL, std::nullopt, &answer); },
        false);
    if (!ready)
        return;
    if (start_loader && !report.command(0, RUN_LOADER, 0)) {
        status_cannot_get_status(run, nullptr);
        return;
    }
    close_instruction_box(run);
    end_after_restart(run, mark_box_without_box);
}

// The headset is back: the box closed (none after the flag alone) with the bar at 100 %, then the
// success published in two steps a few seconds apart, as the timer expects.
void end_with_headset_back(UpdateRun& run)
{
    if (run.host.openedMessageBox()) {
        close_instruction_box(run);
        run.shared.setUpdateProcessed(100);
    }
    sleep_ms(kEndingPauseMs);
    run.shared.change([](UpdateProgress& p) {
        p.updateRestoreError = 0;
        p.addUpdateProcessed = 100;
    });
    sleep_ms(kEndingPauseMs);
    run.shared.setUpdateProcessed(100);
}

} // namespace

bool wait_until_ready(UpdateRun& run, const PollExchange& exchange, bool replugged)
{
    if (poll_until_done(replugged ? kReadinessPollWhileReplugged : kReadinessPoll, exchange) == UserPollEnd::Done)
        return true;
    status_cannot_get_status(run, nullptr);
    return false;
}

void end_after_restart(UpdateRun& run, void (*box_step)(UpdateRun& run))
{
    run.shared.change([](UpdateProgress& p) {
        p.addUpdateProcessed = 99;
        p.updateTimerProcessed = 0;
    });
    sleep_ms(kRestartPauseMs);
    box_step(run);
    if (!reconnect_after_loader(run, 0, ReconnectForm::PollOnly)) {
        status_cannot_get_status(run, nullptr);
        return;
    }
    end_with_headset_back(run);
}

const TransferPath kDownloadMode60Path{"DownloadMode60", run_download_mode60, kPhases};

} // namespace kivo
