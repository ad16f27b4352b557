// The headsets with an Airoha mesh-intercom module whose file keeps the module and the Bluetooth
// blocks in the block table: the headset switches the module over, the module takes its block over
// 62-byte reports and restarts, then the headset, found again, takes its Bluetooth blocks over
// 1023-byte reports.

#include "common/clock.h"
#include "common/system_log.h"
#include "device/products/mesh_block_layout.h"
#include "link/hid_protocol.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/mesh/airoha_block.h"
#include "update/engine/mesh/mesh_stage.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"},   {2, "settings backed up"}, {4, "module and Bluetooth blocks being written"},
    {89, "headset back, closing"}, {99, "update written"},
};

constexpr char kMeshSwitchTag[] = "[7]";
constexpr char kModuleNotFoundTag[] = "[8]";
constexpr char kHeadsetNotBackTag[] = "[27]";

constexpr int kPauseAfterSwitchMs = 2000;

bool find(UpdateRun& run, const SoughtDevice& sought, int attempts, const char* tag)
{
    if (search_device(sought, attempts))
        return true;
    status_not_found(run, tag);
    return false;
}

// From the switch to the headset found again after its module's block.
bool update_module(UpdateRun& run)
{
    if (!hid_step(run, MESH_DFU_COMMAND_VANTOR, 0, kMeshSwitchTag))
        return false;
    sleep_ms(kPauseAfterSwitchMs);
    hid_close_devices();
    system_log("airoha mesh module search");
    if (!find(run, airoha_mesh_module(), kModuleSearchAttempts, kModuleNotFoundTag))
        return false;
    const ContainerEntry& block = *run.container.block(mesh_block_layout(run.deviceTarget()).moduleBlock);
    if (!write_airoha_mesh_block(run, block))
        return false;
    hid_close_devices();
    system_log("headset search after the module");
    return find(run, updated_headset(run), kHeadsetSearchAttempts, kHeadsetNotBackTag);
}

void run_mesh_then_bt32(UpdateRun& run)
{
    system_log("--------MESH THEN BT32 UPDATE START");
    if (!start_mesh_bt31(run) || !update_module(run) ||
        !write_bluetooth_blocks(run, mesh_bluetooth_blocks(run), kMeshThenBt32BluetoothTags))
        return;
    hid_close_devices();
    enter_phase(run, 89);
    succeed(run, "--------MESH THEN BT32 UPDATE END");
}

} // namespace

const TransferPath kMeshThenBt32Path{"MeshThenBt32", run_mesh_then_bt32, kPhases};

} // namespace kivo
