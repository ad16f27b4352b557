// The mesh-module paths with another of the maker's headsets on the bus: while the headset being
// updated has its module switched over, and after, every headset search passes the other headset
// over, so that neither it nor its module is ever switched, erased or written, and the run ends as
// it would without it.

#include "tests/update/engine/paths/bystander_fixture.h"

namespace {

// The bystander carries a module of the same kind, which a misdirected switch would bring up.
const BystanderRoad kMeshRoads[] = {
    {"MeshAirohaQccVp", 0x5630, 0x5552}, // module, Bluetooth and voice-prompt stages
    {"MeshAirohaQcc", 0x5552, 0x5630}, // module and Bluetooth stages
    {"MeshQcc65", 0x6510, 0x3161}, // the headset opened again after its module ([M][6])
    {"MeshThenBt32", 0x3210, 0x3211}, // the headset searched for after its module
    {"CameraMeshBt", 0x3148, 0x3154}, // the mesh stage, the iM501, the Bluetooth blocks
    {"MeshBt31", 0x3142, 0x3143}, // the mesh stage's five searches, the Bluetooth blocks
};

} // namespace

TEST_F(BystanderRoadTest, MeshModulePathsWriteOnlyTheHeadsetBeingUpdatedAndItsModule) { expectRoads(kMeshRoads); }
