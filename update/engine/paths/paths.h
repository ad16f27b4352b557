#pragma once
// The transfer paths built so far, each defined in the file named after it.

#include <cstdint>
#include <vector>

#include "update/engine/container_view.h"
#include "update/engine/family_paths.h"
#include "update/engine/hid/hid_image.h"

namespace kivo {

extern const TransferPath kQccBtOnlyPath; // paths/qcc_bt_only.cpp
extern const TransferPath kMeshBt31Path; // paths/mesh_bt31.cpp
extern const TransferPath kHid4210Path; // paths/hid4210.cpp
extern const TransferPath kKelporIntermediatePath; // paths/kelpor_intermediate.cpp
extern const TransferPath kQccBtVpPath; // paths/qcc_bt_vp.cpp
extern const TransferPath kAiroha6APath; // paths/airoha_6a.cpp
extern const TransferPath kAiroha68Path; // paths/airoha_68.cpp
extern const TransferPath kMeshAirohaQccVpPath; // paths/mesh_airoha_qcc.cpp
extern const TransferPath kMeshAirohaQccPath; // paths/mesh_airoha_qcc.cpp
extern const TransferPath kMeshQcc65Path; // paths/mesh_qcc65.cpp
extern const TransferPath kMeshThenBt32Path; // paths/mesh_then_bt32.cpp
extern const TransferPath kHidDual43Path; // paths/hid_dual43.cpp
extern const TransferPath kDownloadMode60Path; // paths/download_mode60.cpp
extern const TransferPath kHidCameraPath; // paths/hid_camera.cpp
extern const TransferPath kDfuAfterDownloadModePath; // paths/usb_dfu.cpp
extern const TransferPath kUsbDfuPath; // paths/usb_dfu.cpp
extern const TransferPath kCameraMeshBtPath; // paths/camera_mesh_bt.cpp

// The start of the paths of the mesh headsets whose file keeps the module and the Bluetooth blocks
// in the block table (paths/mesh_bt31.cpp), before any command that changes the headset: the shared
// steps with the version identity check, the module's block required, the Bluetooth blocks checked
// where the table has them.
bool start_mesh_bt31(UpdateRun& run);
// Those Bluetooth blocks, as far as the table has them, in order.
std::vector<const ContainerEntry*> mesh_bluetooth_blocks(const UpdateRun& run);

// Whether a headset with an Airoha module holds the voice prompts of the file already: the number it
// answers (byte 16 of its voice-prompt version) is 10 x the first + the second version number of
// the voice-prompt block.
bool voice_prompts_held(uint8_t held, uint32_t first, uint32_t second);

// The download-mode and HID camera headsets (paths/download_mode60.cpp): the readiness poll (0x0D
// on slot 0 sent by `exchange`, once a second, a failed exchange counted as a "not yet"), which
// gives up at its bound with "Cannot get status": a person's time while the re-plug box is up
// (`replugged`), the headset's own without one ...
bool wait_until_ready(UpdateRun& run, const PollExchange& exchange, bool replugged);
// ... and their end once the loader was started: marker 99, a minute for the headset to restart,
// `box_step` (the box flag alone, or the re-plug box), the polls until it is back ("Cannot get
// status" at their bound), then the ending: the box closed and 100 %.
void end_after_restart(UpdateRun& run, void (*box_step)(UpdateRun& run));

} // namespace kivo
