#pragma once
// What the USB DFU paths do before the DFU transfer: the download-mode prelude of the products
// that switch over HID first, the search for the device (or the two devices of the two-device
// product) over plain USB, their identification over BCCMD, the DFU image with its expected model
// text, the settings backup and the persistent-store preparation.
//
// A step that fails has written the status line and updateRestoreError and closed what it opened;
// it returns false and the path returns, so that the frame's ending runs.

#include <string>
#include <vector>

#include "update/engine/container_view.h"

namespace kivo {

struct UpdateRun;

// The helmet camera's firmware file is a container of two sections: its DFU image and its camera
// image.
inline constexpr EntryNeed kCameraEntries[] = {{ContainerTable::Section, 0}, {ContainerTable::Section, 1}};

// The model text a DFU image must carry for a product: "<internal name>#<model id in 4 hex digits>";
// empty when the product has no internal name (then no image can be for it).
std::string dfu_model_text(int recognized, int model_id);
// The model texts a DFU image for the recognized product is taken under, in the order they are
// tried: its own (or for some products the target's), then its second and third models'.
std::vector<std::string> dfu_model_texts(int recognized, int target);

// The download-mode prelude: a device still running its normal firmware is told over HID to
// restart in download mode, and given 10 seconds to re-enumerate (the spinner turns meanwhile).
bool switch_to_download_mode(UpdateRun& run);

// The search, identification, image, backup and preparation, in order. On success the USB link is
// closed, the image is in run.dfuImage, the first progress values are written, and count holds the
// number of devices (1, or 2 for the two-device product).
bool prepare_usb_dfu(UpdateRun& run, int& count);

} // namespace kivo
