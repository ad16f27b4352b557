#pragma once
// A device's USB DFU interface: it answers the DFU class requests (status with state and poll
// timeout, scripted or short answers, errors on cue through the device's faults) and records what
// is downloaded. After a DETACH, a USB reset brings the device back in firmware-management mode
// (its DFU product id), unless it is one that stays in its normal firmware.
// In that mode a reset brings it back running its normal firmware once it was told to leave
// (request 7, or the final zero-length download); before that it comes back still in the loader.

#include <cstdint>
#include <deque>
#include <vector>

#include "tests/sim/usb_face.h"

namespace sim {

struct DfuStatus {
    uint8_t status = 0;
    uint32_t poll_timeout_ms = 0;
    uint8_t state = 0;
    uint8_t string_index = 0;
    // Fewer than 6: a short answer, the first bytes only.
    size_t answer_size = 6;
};

// States of the DFU status answer.
inline constexpr uint8_t kDfuAppIdle = 0;
inline constexpr uint8_t kDfuAppDetach = 1;
inline constexpr uint8_t kDfuIdle = 2;
inline constexpr uint8_t kDfuDnBusy = 4;
inline constexpr uint8_t kDfuDnloadIdle = 5;
inline constexpr uint8_t kDfuManifest = 7;
inline constexpr uint8_t kDfuError = 10;

// Values of the DFU status answer's status byte.
inline constexpr uint8_t kDfuStatusOk = 0;
inline constexpr uint8_t kDfuErrFirmware = 10;
inline constexpr uint8_t kDfuErrStalledPkt = 15;

struct DfuBlock {
    uint16_t number;
    Bytes data;
};

class DfuPersona {
public:
    DfuPersona(uint16_t runtime_product_id, uint16_t dfu_product_id, bool in_dfu_mode);

    uint16_t runtime_product;
    uint16_t dfu_product;
    bool dfu_mode;
    DfuStatus status; // what GETSTATUS answers
    std::deque<DfuStatus> scripted; // answered first, one per GETSTATUS
    std::vector<DfuBlock> downloads;
    bool detached = false;
    bool leave_requested = false;
    // A reset after DETACH brings the device back still running its normal firmware (as if it had
    // never been told to leave).
    bool stays_in_firmware = false;
    // What the device shows when it comes back running its normal firmware.
    UsbLayout runtime_layout;

    // One class request to the DFU interface: bytes transferred, or -EPIPE (a stall).
    int request(const ControlSetup& setup, uint8_t* data);
    // A USB reset: switches the layout when the mode changes; returns the product id shown next.
    uint16_t reset(UsbLayout& layout);
};

// A DFU interface as this maker's devices show it (class 0xFE, subclass 1, protocol 0).
UsbAltSetting dfu_alt_setting(uint8_t interface_number);
// The layout of a device running its firmware-management loader.
UsbLayout dfu_mode_layout();

} // namespace sim
