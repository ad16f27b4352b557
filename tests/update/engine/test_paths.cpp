#include "tests/update/engine/test_paths.h"

#include <mutex>

#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace {

std::mutex seen_mutex;
kivo::StatusTextSet seen;

void remember_first_status(const kivo::UpdateRun& run)
{
    std::lock_guard lock(seen_mutex);
    seen = run.shared.updateStatus();
}

constexpr kivo::EntryNeed kSectionZero[] = {{kivo::ContainerTable::Section, 0}};
constexpr kivo::PathPhase kSharedStepsPhases[] = {{1, "loaded"}, {2, "backed up"}, {4, "transfer"}, {99, "done"}};

void run_shared_steps_path(kivo::UpdateRun& run)
{
    remember_first_status(run);
    if (!kivo::run_shared_steps(run, kSectionZero))
        return;
    HidStatusReport status{};
    hid_command(0, kivo::hid_request(COMMAND_GET_VERSION), status);
    kivo::succeed(run, "test path end");
}

void run_box_left_open_path(kivo::UpdateRun& run)
{
    remember_first_status(run);
    if (!kivo::open_recognized_device(run))
        return;
    run.host.setOpenedMessageBox(true);
    run.box = run.host.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        "Act", true, std::nullopt, std::nullopt, 0, 1);
    kivo::status_failure_alone(run);
}

} // namespace

const kivo::TransferPath kSharedStepsPath{"SharedSteps", run_shared_steps_path, kSharedStepsPhases};
const kivo::TransferPath kBoxLeftOpenPath{"BoxLeftOpen", run_box_left_open_path, {}};

kivo::StatusTextSet first_status_seen()
{
    std::lock_guard lock(seen_mutex);
    return seen;
}
