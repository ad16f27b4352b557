// The OEM mesh headsets: the mesh-intercom module first, over 1023-byte reports, then the
// Bluetooth blocks.

#include <array>

#include "device/products/mesh_block_layout.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {

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

} // namespace kivo
