#pragma once
// A device's USB DFU interface: it answers the DFU class requests (status with state and poll
// timeout, scripted or short answers, errors on cue through the device's faults) and records what
// is downloaded. After a DETACH, a USB reset brings the device back in firmware-management mode
// (its DFU product id), unless it is one that stays in its normal firmware.
// In that mode it takes a download as USB DFU 1.1 has it: blocks in dfuIDLE and dfuDNLOAD-IDLE,
// a busy time after each, the final zero-length block that starts the manifest. A reset brings it
// back running its normal firmware once it was told to leave (request 7, or the final block);
// before that it comes back still in the loader.

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "common/clock.h"
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
inline constexpr uint8_t kDfuDnloadSync = 3;
inline constexpr uint8_t kDfuDnBusy = 4;
inline constexpr uint8_t kDfuDnloadIdle = 5;
inline constexpr uint8_t kDfuManifestSync = 6;
inline constexpr uint8_t kDfuManifest = 7;
inline constexpr uint8_t kDfuManifestWaitReset = 8;
inline constexpr uint8_t kDfuError = 10;

// Values of the DFU status answer's status byte.
inline constexpr uint8_t kDfuStatusOk = 0;
inline constexpr uint8_t kDfuErrWrite = 3;
inline constexpr uint8_t kDfuErrFirmware = 10;
inline constexpr uint8_t kDfuErrStalledPkt = 15;

struct DfuBlock {
    uint16_t number;
    Bytes data;
};

// A block the device fails to write: when block `block` arrives, its bytes are dropped and the
// device goes to dfuERROR with `status`, `times` times (-1: every time).
struct DfuBlockFault {
    uint16_t block = 0;
    uint8_t status = kDfuErrWrite;
    int times = 1;
};

class PsStore;

class DfuPersona {
public:
    DfuPersona(uint16_t runtime_product_id, uint16_t dfu_product_id, bool in_dfu_mode);

    uint16_t runtime_product;
    uint16_t dfu_product;
    bool dfu_mode;
    DfuStatus status; // what GETSTATUS answers
    std::deque<DfuStatus> scripted; // answered first, one per GETSTATUS
    // Every DNLOAD the device took, in order (those of a failed write too).
    std::vector<DfuBlock> downloads;
    bool detached = false;
    bool leave_requested = false;
    // A reset after DETACH brings the device back still running its normal firmware (as if it had
    // never been told to leave).
    bool stays_in_firmware = false;
    // What the device shows when it comes back running its normal firmware.
    UsbLayout runtime_layout;

    // The download. After a block the next GETSTATUS answers dfuDNBUSY with busy_poll_ms, and once
    // that much virtual time has passed the device is in dfuDNLOAD-IDLE; busy_answers says how many
    // busy times a block takes (-1: busy for ever). A GETSTATUS before the time has passed answers
    // busy again.
    uint32_t busy_poll_ms = 5;
    int busy_answers = 1;
    // The manifest after the final block: dfuMANIFEST for this long, then dfuMANIFEST-WAIT-RESET.
    uint32_t manifest_poll_ms = 100;
    std::optional<DfuBlockFault> block_fault;
    // The final block does not send the device away: only request 7 does.
    bool leaves_only_on_request7 = false;
    // The image did not take: told to leave, the loader comes back still in its loader.
    bool image_not_taken = false;

    // The image as written: the blocks by block number, since a download last began with block 0
    // in dfuIDLE (a later block of the same number replaces an earlier one).
    Bytes image() const;

    // One class request to the DFU interface: bytes transferred, or -EPIPE (a stall).
    int request(const ControlSetup& setup, uint8_t* data);
    // A USB reset: switches the layout when the mode changes; returns the product id shown next. A
    // device that leaves its loader writes the version marker of its image into store, if any.
    uint16_t reset(UsbLayout& layout, PsStore* store);

private:
    int download(const ControlSetup& setup, const uint8_t* data);
    // The state GETSTATUS answers now: the busy and manifest times run out as virtual time passes.
    void advance();
    // A GETSTATUS moves a block or the manifest on.
    void answer_status_query();
    int stall();

    std::map<uint16_t, Bytes> written_;
    kivo::Duration busy_until_{};
    int busy_left_ = 0;
};

// A DFU interface as this maker's devices show it (class 0xFE, subclass 1, protocol 0).
UsbAltSetting dfu_alt_setting(uint8_t interface_number);
// The layout of a device running its firmware-management loader.
UsbLayout dfu_mode_layout();

} // namespace sim
