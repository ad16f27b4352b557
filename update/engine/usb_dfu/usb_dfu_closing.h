#pragma once
// The end of a USB DFU update whose image is written: the devices released, reset and closed, the
// ones still in their loader let go, the user asked to switch the device off and on where the
// product needs it, and the wait until the devices run their normal firmware again; then 100 %.
// Every wait is bounded. A device not back at the end is left to the recognition that follows where
// a box has asked the user to switch it off and on; otherwise, or when a device is still in its
// loader, the run fails: "Cannot get status 7 [back / count]".

#include "update/engine/camera/camera_image_move.h"

namespace kivo {

struct UpdateRun;
struct DfuDevices;

void dfu_close_after_download(UpdateRun& run, DfuDevices& devices);

// The end of the helmet camera's update, whose camera image went onto its card (or did not): the
// devices released and let go until they run their new firmware (a bounded number of attempts).
// With the image on the card, the box whose OK ends the run once the camera has taken it: the run's
// end is the page's. Otherwise the failure line: no card, or the image that did not reach it.
void dfu_end_camera_update(UpdateRun& run, DfuDevices& devices, CameraImageMove moved);

} // namespace kivo
