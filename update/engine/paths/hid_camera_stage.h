#pragma once
// The camera stage of the HID camera headsets (paths/hid_camera_stage.cpp), run before their
// headset stage.

namespace kivo {

struct UpdateRun;

// The camera image's block entry, which the start checks beside the headset's entries 0 and 1.
inline constexpr int kCameraImageEntry = 2;

// The camera image copied onto the camera's card, checked, taken by the camera at a restart and
// confirmed by its version; the camera left off. False after a failure, its status written.
bool run_hid_camera_stage(UpdateRun& run);

} // namespace kivo
