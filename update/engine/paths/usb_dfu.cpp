// The products updated over USB DFU: found and identified over plain USB, the DFU image loaded,
// then the DFU transfer. A device running its normal firmware is detached into its loader and
// waited for; that run writes nothing, and the next run finds it in DFU mode and writes the image:
// the blocks, the manifest wait, the final block, then the devices let go until they run their
// new firmware. The helmet camera's camera image goes onto its memory card, and the user's OK,
// once the camera has taken it, ends its run. The download-mode products are first switched into
// download mode over HID.

#include <functional>

#include "device/products/helmet_camera.h"
#include "update/engine/camera/camera_image_move.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/usb_dfu/usb_dfu_closing.h"
#include "update/engine/usb_dfu/usb_dfu_download.h"
#include "update/engine/usb_dfu/usb_dfu_preparation.h"
#include "update/engine/usb_dfu/usb_dfu_transfer.h"

namespace kivo {
namespace {

// The path writes the percentage itself, the timer's linear fill moving it at the end; only the
// two-device product leaves markers for the timer.
constexpr PathPhase kPhases[] = {
    {8, "two-device product: transfer started"},
    {99, "two-device product: devices written"},
};

void run_usb_dfu(UpdateRun& run)
{
    DfuDevices devices;
    if (!prepare_usb_dfu(run, devices.count) || !dfu_devices_ready(run, devices))
        return;
    // The helmet camera's camera image goes onto its card once its Bluetooth image is written.
    const bool camera = run.deviceTarget() == kCameraProductId;
    CameraImageMove moved = CameraImageMove::Failed;
    const auto move_camera_image_to_card = [&] { moved = updateLumoraFirmware(run.in.archiveFolder); };
    if (!dfu_download_image(run, devices) ||
        !dfu_finish_download(run, devices, camera ? move_camera_image_to_card : std::function<void()>{}))
        return;
    if (camera)
        dfu_end_camera_update(run, devices, moved);
    else
        dfu_close_after_download(run, devices);
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
