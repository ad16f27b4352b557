#pragma once
// The switch of a headset with a Qualcomm part into mesh DFU, which brings its mesh module up on
// the bus under an identity of its own: where the headset is asked, it must first say it is ready
// (ready-state answer byte 3 = 0); then the switch command.

namespace kivo {

struct UpdateRun;

// On a failure the status carries the step's tag: "[01][qm]" the ready-state exchange, "[02][qm]"
// a headset not ready, "[1][50]" the switch.
bool switch_to_mesh_dfu(UpdateRun& run, bool ask_ready);

} // namespace kivo
