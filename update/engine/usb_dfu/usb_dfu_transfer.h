#pragma once
// The USB DFU transfer over the libusb-0.1 interface, for one device or the two of the two-device
// product. Stage A reads each device's DFU status: devices all in dfuIDLE are ready for the
// download; otherwise each device running its normal firmware is detached and reset, and the run
// waits for them to come back in DFU mode, which ends a detach-only run (the next run writes the
// image). Every wait is bounded, and every failure releases and closes what the run holds.

#include <usb.h>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "update/engine/steps.h"

namespace kivo {

struct UpdateRun;

// The answer to GETSTATUS.
struct DfuStatus {
    uint8_t bStatus = 0; // 0: OK
    uint32_t bwPollTimeout = 0; // milliseconds, 24 bits
    uint8_t bState = 0;
    uint8_t iString = 0;
};

// The states the transfer tells apart.
enum DfuState : uint8_t {
    appIDLE = 0,
    appDETACH = 1,
    dfuIDLE = 2,
    dfuDNBUSY = 4,
    dfuDNLOAD_IDLE = 5,
    dfuMANIFEST_SYNC = 6,
    dfuMANIFEST = 7,
    dfuERROR = 10,
};

// A GETSTATUS answer of answer.size() bytes; none when it is shorter than 6 bytes (its state would
// be read from bytes the device never sent).
std::optional<DfuStatus> parse_dfu_status(std::span<const uint8_t> answer);
// One GETSTATUS on the interface; none when the request fails or the answer is short.
std::optional<DfuStatus> read_dfu_status(usb_dev_handle* handle, int interface);

// One device of a transfer.
struct DfuDeviceSlot {
    struct usb_device* device = nullptr;
    usb_dev_handle* handle = nullptr;
    int interface = 0;
    DfuStatus status;
    bool idle = false;
    // The device as it was before its detach.
    uint16_t bcdDevice = 0;
    uint16_t idProduct = 0;
    uint16_t idVendor = 0;
    // The download: the next block number, the bytes still to send, and the retries left for failed
    // status reads, error states and failed blocks, from the first block to the final one.
    int blockNumber = 0;
    size_t bytesLeft = 0;
    int retriesLeft = 0;
};

inline constexpr int kDfuMaxDevices = 2;

struct DfuDevices {
    int count = 0;
    std::array<DfuDeviceSlot, kDfuMaxDevices> slots{};

    std::span<DfuDeviceSlot> used() { return std::span(slots).first(static_cast<size_t>(count)); }
};

// The claims that failed in the wait for DFU mode, counted over the runs of the process (the third
// ends the run). Only the update worker touches it.
int& process_dfu_claim_failure_count();

// Stage A, and after a detach the wait for DFU mode. True when every device is open, claimed and
// in dfuIDLE, ready for the download; false when the run has ended here: a failure, the camera
// seen (restart to recover), or a detach-only run whose devices are back in DFU mode.
bool dfu_devices_ready(UpdateRun& run, DfuDevices& devices);

// The clean-up: up to `passes` passes one second apart, each releasing the interface of every
// device still held and, where that succeeds, resetting and closing it; a device whose release
// failed in every pass is closed after the last. trace: a line for each device and pass.
void dfu_clean_up(DfuDevices& devices, int passes, bool trace = false);
// Releases and closes every device held, without a reset.
void dfu_close_held(DfuDevices& devices);

// The text of an instruction box for the run's product and language.
std::string dfu_box_text(const UpdateRun& run, std::string (*text)(int device_target, ManagerLanguage in));

// The tags of the failure lines: " [i]" names the device, " n [i]" the step before it.
std::string dfu_device_tag(int index);
std::string dfu_step_tag(int step, int index);
// A failure once the devices are open: every device held is released and closed without a reset
// (a device in its loader stays there, for the next run to find), then updateRestoreError 1 and
// "<failure>. <reason><tag>".
void dfu_fail(UpdateRun& run, DfuDevices& devices, LanguageText reason, std::string_view tag);

} // namespace kivo
