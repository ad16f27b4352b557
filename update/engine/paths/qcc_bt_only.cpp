// Qualcomm headsets whose firmware file holds one Bluetooth image (section entry 0): restarted
// into their loader, then the image is erased as image 0, written, verified and started.

#include "common/system_log.h"
#include "device/products/update_instructions.h"
#include "update/engine/hid_image.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr EntryNeed kImageEntry[] = {{ContainerTable::Section, 0}};

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"}, {2, "settings backed up"}, {4, "transfer started"},
    {90, "image being written"}, {99, "image written"},
};

void run_qcc_bt_only(UpdateRun& run)
{
    if (update_needs_instructions(run.deviceTarget())) {
        end_unbuilt(run, "QccBtOnly with instruction boxes (0x4D16, 0x4D06, 0x4D76, 0x4D86)");
        return;
    }
    if (!run_shared_steps(run, kImageEntry))
        return;
    system_log("--------QCC ALL_UPDATE START");
    // The timer moves the bar towards 90 while the image is written.
    run.shared.change([](UpdateProgress& p) {
        p.addUpdateProcessed = 90;
        p.updateTimerProcessed = 0;
    });
    if (!restart_loader(run, kQccBtOnlyTags))
        return;
    const ContainerEntry& image = *run.container.section(0);
    // Image 0, whatever the entry names.
    if (!write_hid_image(run, {0, image.data}, kQccBtOnlyTags))
        return;
    run.shared.change([](UpdateProgress& p) {
        p.addUpdateProcessed = 99;
        p.updateTimerProcessed = 0;
        p.updateProcessed = 90;
    });
    succeed(run, "--------QCC ALL_UPDATE END");
}

} // namespace

const TransferPath kQccBtOnlyPath{"QccBtOnly", run_qcc_bt_only, kPhases};

} // namespace kivo
