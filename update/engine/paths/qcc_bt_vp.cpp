// Qualcomm headsets whose firmware file holds a Bluetooth and a voice-prompt image: every block
// entry written in order, each erased under the image id of its block type.

#include "update/engine/hid/hid_image.h"
#include "update/engine/paths/multi_image.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr EntryNeed kEveryBlock[] = {{ContainerTable::Block, kEveryEntry}};

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"},  {2, "settings backed up"}, {4, "transfer started"},
    {90, "images being written"}, {99, "images written"},
};

void run_qcc_bt_vp(UpdateRun& run)
{
    if (!run_shared_steps(run, kEveryBlock) || !reopen_before_first_image(run))
        return;
    // The timer moves the bar towards 90 while the images are written.
    run.shared.change([](UpdateProgress& p) {
        p.addUpdateProcessed = 90;
        p.updateTimerProcessed = 0;
    });
    if (!write_block_images(run, run.container, kRealImageTags))
        return;
    succeed_from_90(run, "--------QCC BT VP UPDATE END");
}

} // namespace

const TransferPath kQccBtVpPath{"QccBtVp", run_qcc_bt_vp, kPhases};

} // namespace kivo
