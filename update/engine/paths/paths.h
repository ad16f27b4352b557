#pragma once
// The transfer paths built so far, each defined in the file named after it.

#include "update/engine/family_paths.h"

namespace kivo {

extern const TransferPath kQccBtOnlyPath; // paths/qcc_bt_only.cpp
extern const TransferPath kMeshBt31Path; // paths/mesh_bt31.cpp
extern const TransferPath kKelporIntermediatePath; // paths/kelpor_intermediate.cpp
extern const TransferPath kQccBtVpPath; // paths/qcc_bt_vp.cpp
extern const TransferPath kAiroha6APath; // paths/airoha_6a.cpp
extern const TransferPath kAiroha68Path; // paths/airoha_68.cpp

// The start of the OEM mesh headsets' path, before any command that changes the headset: the
// shared steps with the version identity check, the module and Bluetooth blocks checked.
bool start_mesh_bt31(UpdateRun& run);

// A member whose transfer is not built yet: the run ends at once, before any device command
// (paths/unbuilt.cpp) ...
void run_unbuilt_member(UpdateRun& run);
// ... and the same for some products of a built member, named in the trace line.
void end_unbuilt(UpdateRun& run, std::string_view what);

} // namespace kivo
