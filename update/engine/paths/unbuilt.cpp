#include "common/system_log.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {

void run_unbuilt_member(UpdateRun& run)
{
    system_logf("update path %.*s is not available", static_cast<int>(run.path->name.size()), run.path->name.data());
    run.shared.setUpdateRestoreError(1);
    status_failure_alone(run);
}

} // namespace kivo
