#include "common/system_log.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {

void end_unbuilt(UpdateRun& run, std::string_view what)
{
    system_logf("update path %.*s is not available", static_cast<int>(what.size()), what.data());
    run.shared.setUpdateRestoreError(1);
    status_failure_alone(run);
}

void run_unbuilt_member(UpdateRun& run) { end_unbuilt(run, run.path->name); }

} // namespace kivo
