#include "update/engine/run.h"

#include <utility>

#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "text/app_text.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/family_paths.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

void start(UpdateRun& run)
{
    run.shared.setUpdateRestoreError(0);
    const LanguageText checking = run.mode() == kModeUpdate ? UpdateTexts::tavk_string_checking_firmware_in
                                                            : UpdateTexts::tavk_string_checking_backup_firmware_in;
    status_processing_step(run, checking);
    run.shared.setUpdateFinished(false);
    run.shared.setUsbStatusFound(0);
    run.host.setOpenedMessageBox(false);
    run.shared.change([](UpdateProgress& p) {
        p.updateProcessed = 0;
        p.addUpdateProcessed = 0;
        p.updateRestoreError = 1;
    });
    run.message.fill(0);
    run.container.clear();
}

// Every run ends here, whatever happened: nothing stays open, and updateFinished comes last, so
// that the timer that sees it may join at once. A run the page ends leaves it to the page, and its
// box up: it is not the worker's.
void end(UpdateRun& run)
{
    hid_close_devices();
    run.container.clear();
    run.dfuImage = {};
    close_instruction_box(run);
    if (!run.endedByPage)
        run.shared.setUpdateFinished(true);
}

} // namespace

UpdateRun::UpdateRun(UpdateInputs inputs, UpdateShared& shared_block, UpdateHost& update_host)
    : in(std::move(inputs))
    , shared(shared_block)
    , host(update_host)
{ }

void threadMethodUpdate(UpdateInputs inputs, UpdateShared& shared, UpdateHost& host)
{
    UpdateRun run(std::move(inputs), shared, host);
    start(run);
    run.path = run.in.path != nullptr ? run.in.path : &transfer_path_for(run.deviceTarget());
    system_logf("update path %.*s for %04X", static_cast<int>(run.path->name.size()), run.path->name.data(),
                static_cast<unsigned>(run.deviceTarget()));
    run.path->run(run);
    end(run);
}

} // namespace kivo
