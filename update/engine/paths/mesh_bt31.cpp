// The OEM mesh headsets: the mesh-intercom module first, over 1023-byte reports, then the
// Bluetooth blocks, then the voice-prompt language.

#include <array>
#include <vector>

#include "device/products/mesh_block_layout.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/hid/unit_language_step.h"
#include "update/engine/mesh/mesh_stage.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"},   {2, "settings backed up"}, {4, "module and Bluetooth blocks being written"},
    {89, "voice-prompt language"}, {99, "update written"},
};

void run_mesh_bt31(UpdateRun& run)
{
    if (!start_mesh_bt31(run))
        return;
    const MeshBlockLayout layout = mesh_block_layout(run.deviceTarget());
    if (!write_mesh_module(run, run.container.block(layout.moduleBlock)->data) ||
        !write_bluetooth_blocks(run, mesh_bluetooth_blocks(run), kMeshBt31BluetoothTags))
        return;
    enter_phase(run, 89);
    set_unit_language_after_update(run.in.firmwareFile, run.deviceTarget(), run.in.strLanguageFirmware);
    succeed(run, "--------MESH BT31 UPDATE END");
}

} // namespace

bool start_mesh_bt31(UpdateRun& run)
{
    const MeshBlockLayout layout = mesh_block_layout(run.deviceTarget());
    // The module must be there; the Bluetooth blocks are written as far as the table has them.
    const std::array<EntryNeed, 3> needs{{
        {ContainerTable::Block, layout.moduleBlock},
        {ContainerTable::Block, 0, false},
        {ContainerTable::Block, layout.bluetoothBlocks - 1, false},
    }};
    return run_shared_steps_checking_version(run, needs);
}

std::vector<const ContainerEntry*> mesh_bluetooth_blocks(const UpdateRun& run)
{
    const MeshBlockLayout layout = mesh_block_layout(run.deviceTarget());
    std::vector<const ContainerEntry*> blocks;
    for (int i = 0; i < layout.bluetoothBlocks; ++i)
        if (const ContainerEntry* block = run.container.block(i))
            blocks.push_back(block);
    return blocks;
}

const TransferPath kMeshBt31Path{"MeshBt31", run_mesh_bt31, kPhases};

} // namespace kivo
