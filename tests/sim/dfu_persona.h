#pragma once
// A device's USB DFU interface: it answers the DFU class requests (status with state and poll
// timeout, scripted or short answers, errors on cue through the device's faults) and records what
// is downloaded. After a DETACH, a USB reset brings the device back in firmware-management mode
// (its DFU product id), unless it is one that stays in its normal firmware.
//
// Two modes. Strict, the default, keeps to USB DFU 1.1: a request counts only in the states the
// standard's state table gives it (kDfuStateTable); anywhere else it stalls and the device goes to
// its error state, and the states that wait for the host (dfuDNLOAD-SYNC, dfuMANIFEST-SYNC) move
// on only at a GETSTATUS. Lenient is the maker's loader as the update path was first written for:
// busy and manifest times run out on the clock alone, CLRSTATUS and ABORT are taken anywhere, a
// DETACH never times out and blocks are placed by their number. In both, request 7 (the maker's
// own) tells the loader to leave, and so does the final block in the lenient mode, a finished
// manifestation in the strict one. A reset brings it back running its normal firmware only when
// it was told to leave and holds an image it manifested (the final block taken and its manifest
// over: in the lenient mode on the clock alone); otherwise it comes back still in the loader.

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <ostream>
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
inline constexpr uint8_t kDfuUploadIdle = 9;
inline constexpr uint8_t kDfuError = 10;

// Values of the DFU status answer's status byte.
inline constexpr uint8_t kDfuStatusOk = 0;
inline constexpr uint8_t kDfuErrWrite = 3;
inline constexpr uint8_t kDfuErrFirmware = 10;
inline constexpr uint8_t kDfuErrStalledPkt = 15;

// The class requests (bRequest). Request 7 is the maker's own.
inline constexpr uint8_t kDfuDetach = 0;
inline constexpr uint8_t kDfuDnload = 1;
inline constexpr uint8_t kDfuUpload = 2;
inline constexpr uint8_t kDfuGetStatus = 3;
inline constexpr uint8_t kDfuClrStatus = 4;
inline constexpr uint8_t kDfuGetState = 5;
inline constexpr uint8_t kDfuAbort = 6;
inline constexpr uint8_t kDfuRequest7 = 7;

enum class DfuMode { Strict, Lenient };
const char* dfu_mode_name(DfuMode mode);
// How test frameworks print a mode.
inline void PrintTo(DfuMode mode, std::ostream* os) { *os << dfu_mode_name(mode); }

// What a request is to the state table: a DNLOAD with data (a block) differs from the zero-length
// one that ends a download.
enum class DfuRequestKind : uint8_t { Detach, Block, FinalBlock, Upload, GetStatus, ClrStatus, GetState, Abort };

// One row of the strict device's state table: the request that state takes, and the state it is in
// after. kDfuMovesOn: where the device has got to (a GETSTATUS in dfuDNLOAD-SYNC answers dfuDNBUSY
// while the block is being written, else dfuDNLOAD-IDLE; in dfuMANIFEST-SYNC it answers dfuMANIFEST,
// or dfuIDLE once a manifestation-tolerant device has manifested). A request a state has no row for
// stalls: the device goes to appIDLE in its normal firmware, to dfuERROR (errSTALLEDPKT) in its
// loader, and stays where it is in dfuMANIFEST-WAIT-RESET, which answers no request until a reset.
struct DfuTransition {
    uint8_t state;
    DfuRequestKind request;
    uint8_t next;
};
inline constexpr uint8_t kDfuMovesOn = 0xFF;

// clang-format off
inline constexpr DfuTransition kDfuStateTable[] = {
    {kDfuAppIdle,      DfuRequestKind::Detach,     kDfuAppDetach},
    {kDfuAppIdle,      DfuRequestKind::GetStatus,  kDfuAppIdle},
    {kDfuAppIdle,      DfuRequestKind::GetState,   kDfuAppIdle},
    {kDfuAppDetach,    DfuRequestKind::GetStatus,  kDfuAppDetach},
    {kDfuAppDetach,    DfuRequestKind::GetState,   kDfuAppDetach},
    {kDfuIdle,         DfuRequestKind::Block,      kDfuDnloadSync}, // a new download begins
    {kDfuIdle,         DfuRequestKind::Abort,      kDfuIdle},
    {kDfuIdle,         DfuRequestKind::GetStatus,  kDfuIdle},
    {kDfuIdle,         DfuRequestKind::GetState,   kDfuIdle},
    {kDfuDnloadSync,   DfuRequestKind::GetStatus,  kDfuMovesOn},
    {kDfuDnloadSync,   DfuRequestKind::GetState,   kDfuDnloadSync},
    {kDfuDnloadIdle,   DfuRequestKind::Block,      kDfuDnloadSync},
    {kDfuDnloadIdle,   DfuRequestKind::FinalBlock, kDfuManifestSync},
    {kDfuDnloadIdle,   DfuRequestKind::Abort,      kDfuIdle},
    {kDfuDnloadIdle,   DfuRequestKind::GetStatus,  kDfuDnloadIdle},
    {kDfuDnloadIdle,   DfuRequestKind::GetState,   kDfuDnloadIdle},
    {kDfuManifestSync, DfuRequestKind::GetStatus,  kDfuMovesOn},
    {kDfuManifestSync, DfuRequestKind::GetState,   kDfuManifestSync},
    {kDfuError,        DfuRequestKind::GetStatus,  kDfuError},
    {kDfuError,        DfuRequestKind::GetState,   kDfuError},
    {kDfuError,        DfuRequestKind::ClrStatus,  kDfuIdle},
};
// clang-format on
// And by time alone: appDETACH goes back to appIDLE when no reset came within the detach time-out;
// dfuDNBUSY goes to dfuDNLOAD-SYNC once its poll time-out has passed; dfuMANIFEST goes to
// dfuMANIFEST-WAIT-RESET then (a manifestation-tolerant device: to dfuMANIFEST-SYNC).

struct DfuBlock {
    uint16_t number;
    Bytes data;
};

// A block the device fails to write: when block `block` arrives, its bytes are dropped and the
// device goes to dfuERROR with `status` (the strict device says so at the GETSTATUS that follows),
// `times` times (-1: every time).
struct DfuBlockFault {
    uint16_t block = 0;
    uint8_t status = kDfuErrWrite;
    int times = 1;
};

class PsStore;

// The mode a DFU persona takes when it is made: strict unless a test asks for the other.
DfuMode default_dfu_mode();
// For its lifetime, the personas made take `mode`.
class DfuModeScope {
public:
    explicit DfuModeScope(DfuMode mode);
    ~DfuModeScope();
    DfuModeScope(const DfuModeScope&) = delete;
    DfuModeScope& operator=(const DfuModeScope&) = delete;

private:
    DfuMode before_;
};

class DfuPersona {
public:
    DfuPersona(uint16_t runtime_product_id, uint16_t dfu_product_id, bool in_dfu_mode);

    DfuMode mode;
    uint16_t runtime_product;
    uint16_t dfu_product;
    bool dfu_mode;
    DfuStatus status; // the device's state, and what GETSTATUS answers
    // Answered first, one per GETSTATUS, in place of the device's own answer; the device stays
    // where it is.
    std::deque<DfuStatus> scripted;
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
    // that much virtual time has passed the device has written it; busy_answers says how many busy
    // times a block takes (-1: busy for ever). Before the time has passed the lenient device
    // answers busy again, the strict one stalls.
    uint32_t busy_poll_ms = 5;
    int busy_answers = 1;
    // The manifest after the final block: dfuMANIFEST for this long, then dfuMANIFEST-WAIT-RESET.
    uint32_t manifest_poll_ms = 100;
    // Strict: after its manifest the device goes back to dfuMANIFEST-SYNC and, at the next
    // GETSTATUS, to dfuIDLE (bitManifestationTolerant).
    bool manifestation_tolerant = false;
    // Strict: how long after a DETACH the device waits for its reset (wDetachTimeOut), at most
    // the time the DETACH asked for.
    uint32_t detach_timeout_ms = 1000;
    std::optional<DfuBlockFault> block_fault;
    // The final block (strict: the manifest) does not send the device away: only request 7 does.
    bool leaves_only_on_request7 = false;
    // The image did not take: told to leave, the loader comes back still in its loader.
    bool image_not_taken = false;

    // The image as written. Lenient: the blocks by block number, since a download last began with
    // block 0 in dfuIDLE (a later block of the same number replaces an earlier one). Strict: the
    // blocks in the order taken, since the last DNLOAD in dfuIDLE.
    Bytes image() const;

    // One class request to the DFU interface: bytes transferred, or -EPIPE (a stall).
    int request(const ControlSetup& setup, uint8_t* data);
    // A request to the DFU interface that a fault stalled before the device answered it: the
    // strict device goes to its error state as for any request it stalls.
    void stalled_by_fault();
    // A USB reset: switches the layout when the mode changes; returns the product id shown next. A
    // device that leaves its loader writes the version marker of its image into store, if any.
    uint16_t reset(UsbLayout& layout, PsStore* store);

private:
    int lenient_request(const ControlSetup& setup, uint8_t* data);
    int lenient_download(const ControlSetup& setup, const uint8_t* data);
    // The state GETSTATUS answers now: the busy and manifest times run out as virtual time passes.
    void lenient_advance();
    // A GETSTATUS moves a block or the manifest on.
    void lenient_status_query();
    int lenient_stall();

    int strict_request(const ControlSetup& setup, uint8_t* data);
    // The moves by time alone: the detach time-out, the end of a busy or manifest time.
    void strict_advance();
    // Where a request in the current state leads, if the state takes it.
    std::optional<uint8_t> strict_next(DfuRequestKind kind) const;
    void strict_take_block(const ControlSetup& setup, const uint8_t* data);
    void strict_status_query();
    int strict_stall();

    // A block the fault drops, if it strikes now.
    std::optional<uint8_t> block_fault_strikes(uint16_t number);
    void manifested();
    // Whether a reset now brings the device back running its image: told to leave, with an image
    // it manifested.
    bool runs_its_image();
    static int answer(const DfuStatus& answer, uint8_t* data);

    std::map<uint16_t, Bytes> written_; // lenient
    Bytes in_sequence_; // strict
    // Strict: the status the block being written ends with.
    uint8_t block_status_ = kDfuStatusOk;
    kivo::Duration busy_until_{};
    kivo::Duration detach_until_{};
    int busy_left_ = 0;
    bool manifest_done_ = false;
    // The image the loader holds was manifested: only such an image runs. A device made running its
    // firmware holds that firmware; one made in its loader holds none. Kept over a reset in the
    // loader; a new download, or a new final block, clears it.
    bool image_manifested_;
    // Lenient: the final block taken, its manifest over at manifest_until_.
    bool manifest_pending_ = false;
    kivo::Duration manifest_until_{};
};

// A DFU interface as this maker's devices show it (class 0xFE, subclass 1, protocol 0).
UsbAltSetting dfu_alt_setting(uint8_t interface_number);
// The layout of a device running its firmware-management loader.
UsbLayout dfu_mode_layout();

} // namespace sim
