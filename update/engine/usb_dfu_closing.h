#pragma once
// The end of a USB DFU update whose image is written: the devices released, reset and closed, the
// ones still in their loader let go, the user asked to switch the device off and on where the
// product needs it, and the wait until the devices run their normal firmware again; then 100 %.
// Every wait is bounded; a device not back at the end is left to the recognition that follows.

namespace kivo {

struct UpdateRun;
struct DfuDevices;

void dfu_close_after_download(UpdateRun& run, DfuDevices& devices);

} // namespace kivo
