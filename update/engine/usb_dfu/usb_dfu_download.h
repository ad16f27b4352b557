#pragma once
// The download of the USB DFU transfer, once every device is open, claimed and in dfuIDLE: the
// image into each device in 1023-byte blocks (one device after the other; after an error state
// the image again from its first block), the wait while the devices take in what they received,
// the final zero-length block that starts their manifest once a status read has seen the last
// block written, and status reads through the manifest while a device answers. The percentage
// moves with the bytes sent and the time waited; the timer then paces the bar towards its end
// value while the devices settle.
//
// A step that fails has released and closed every device held (without a reset: a device in its
// loader stays there for the next run) and written the status line and updateRestoreError 1; it
// returns false and the path returns.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "device/products/usb_dfu_products.h"

namespace kivo {

struct UpdateRun;
struct DfuDevices;

// The most a DNLOAD block carries.
inline constexpr size_t kDfuBlockSize = 1023;

// The percentage once `sent` of the `size` bytes of the image have gone to device `index` of
// `count`: the download span, or its half for each of two devices.
int dfu_download_progress(const DfuProgressScale& scale, uint64_t sent, uint64_t size, int index, int count);
// The percentage `waited` ms into a manifest wait of `total` ms: part of the manifest span only,
// however long the wait.
int dfu_manifest_progress(const DfuProgressScale& scale, uint64_t waited, uint64_t total);

// The image into each device in turn.
bool dfu_download_image(UpdateRun& run, DfuDevices& devices);
// The manifest wait, the final block of each device, the timer's pacing towards the end value, the
// status through each device's manifest, and the pause while the devices settle; before_settling
// runs just before that pause.
bool dfu_finish_download(UpdateRun& run, DfuDevices& devices, const std::function<void()>& before_settling = {});

} // namespace kivo
