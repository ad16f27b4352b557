// The products updated over USB DFU: found and identified over plain USB, the DFU image loaded,
// then the DFU transfer. A device running its normal firmware is detached into its loader and
// waited for; that run writes nothing, and the next run finds it in DFU mode. The download-mode
// products are first switched into download mode over HID.

#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/usb_dfu_preparation.h"
#include "update/engine/usb_dfu_transfer.h"

namespace kivo {
namespace {

// The path writes the percentage itself; only the two-device product leaves a marker for the timer.
constexpr PathPhase kPhases[] = {
    {8, "two-device product: transfer started"},
};

void run_usb_dfu(UpdateRun& run)
{
    DfuDevices devices;
    if (!prepare_usb_dfu(run, devices.count) || !dfu_devices_ready(run, devices))
        return;
    // The devices are in DFU mode and idle: the download is not built yet.
    dfu_close_held(devices);
    end_unbuilt(run, "UsbDfu download");
}

void run_dfu_after_download_mode(UpdateRun& run)
{
    if (switch_to_download_mode(run))
        run_usb_dfu(run);
}

} // namespace

const TransferPath kUsbDfuPath{"UsbDfu", run_usb_dfu, kPhases};
const TransferPath kDfuAfterDownloadModePath{"DfuAfterDownloadMode", run_dfu_after_download_mode, kPhases};

} // namespace kivo
