// The headsets with a QCC mesh-intercom module beside their Qualcomm part, both from the section
// table of one firmware file: the headset switches the module over, the module is written over
// 65-byte reports and restarts, the headset sends it back and takes its Bluetooth image over
// 1023-byte reports.

#include "common/clock.h"
#include "common/system_log.h"
#include "device/products/mesh_dfu_readiness.h"
#include "link/hid_protocol.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/mesh/mesh_dfu_switch.h"
#include "update/engine/mesh/mesh_stage.h"
#include "update/engine/mesh/qcc_mesh_module.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

// The Bluetooth image in section entry 0, the module in entry 1. The loader checks the block table
// of these products, not the section table: both entries are checked here before any command.
constexpr int kBluetoothSection = 0;
constexpr int kModuleSection = 1;
constexpr EntryNeed kNeeds[] = {
    {ContainerTable::Section, kBluetoothSection},
    {ContainerTable::Section, kModuleSection},
};

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"},
    {2, "settings backed up"},
    {4, "module and Bluetooth image being written"},
    {99, "update written"},
};

constexpr char kModuleNotFoundTag[] = "[4]";
constexpr char kHeadsetNotBackTag[] = "[M][6]";
constexpr char kNormalModeTag[] = "[M][7]";

constexpr int kPauseAfterSwitchMs = 2000;

bool find_module(UpdateRun& run)
{
    hid_close_devices();
    sleep_ms(kPauseAfterSwitchMs);
    system_log("qcc mesh module search");
    if (search_device(qcc_mesh_module(), kModuleSearchAttempts))
        return true;
    status_cannot_get_status(run, kModuleNotFoundTag);
    return false;
}

void run_mesh_qcc65(UpdateRun& run)
{
    if (!run_shared_steps(run, kNeeds))
        return;
    system_log("--------MESH QCC65 UPDATE START");
    if (!switch_to_mesh_dfu(run, asks_ready_before_mesh_dfu(run.deviceTarget())) || !find_module(run) ||
        !write_qcc_mesh_module(run, run.container.section(kModuleSection)->data) ||
        !reopen_recognized_device(run, kHeadsetNotBackTag) ||
        !hid_step(run, COMMAND_MESH_NORMAL_MODE, 0, kNormalModeTag))
        return;
    // Image 0, whatever the entry names.
    if (!write_hid_image(run, {0, run.container.section(kBluetoothSection)->data}, kQccBtOnlyTags))
        return;
    succeed(run, "--------MESH QCC65 UPDATE END");
}

} // namespace

const TransferPath kMeshQcc65Path{"MeshQcc65", run_mesh_qcc65, kPhases};

} // namespace kivo
