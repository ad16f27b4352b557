#pragma once
// A device that takes a firmware image in HID feature reports and answers a status feature report
// from its own DFU 1.1 state:
//   report 1 out  01 01, block number (u16), data length (u16), data   a block; length 0 ends
//   report 2 in   02, bStatus, bwPollTimeout (u24), bState, 0          status, read at any time
//   report 3 out  03 04 clears an error (DFU CLRSTATUS); 03 FF is taken and noted
// Fields are little-endian. From dfuIDLE or dfuDNLOAD-IDLE a block puts it in dfuDNBUSY for a
// number of status queries, then in dfuDNLOAD-IDLE; a zero-length block there ends the download,
// after which it reports dfuIDLE (or appIDLE, running the new image). Anything else stalls: the
// write fails and the device reports dfuERROR with errSTALLEDPKT, as a USB DFU device does.

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "tests/sim/bus.h"
#include "tests/sim/dfu_persona.h"

namespace sim {

struct HidDfuPersona {
    uint16_t product_id = 0x3A10;
    // Where it starts.
    uint8_t status = kDfuStatusOk;
    uint8_t state = kDfuIdle;
    // The poll time-out of every status answer.
    uint32_t poll_timeout_ms = 20;
    // Status queries after each block that still find it busy.
    int busy_queries = 1;
    // After the closing block it runs the new image (appIDLE) instead of staying in dfuIDLE.
    bool ends_in_app_idle = false;
    // Answered first, one per status query, in place of its own state (which they leave as it is).
    std::deque<DfuStatus> script;

    // Faults. Status queries are numbered from 0 in the order they arrive.
    int failing_gets_from = -1; // status queries fail from this one on ...
    int failing_gets = -1; // ... this many of them (-1: all)
    int failing_block = -1; // the send of the block with this number fails; the device stays as it was
    int wrong_state_after_block = -1; // after the block with this number it reports wrong_state
    uint8_t wrong_state = kDfuManifest;
    size_t status_answer_length = 7; // status answers cut to this many bytes
};

// One feature report, as the device saw it.
struct HidDfuReport {
    enum Kind { Sent, Answered } kind; // written by the host, or a status answer
    Bytes bytes; // empty for a failed status query
    kivo::Duration at; // virtual time
    bool failed = false; // the write or the query failed
};

struct HidDfuState;

struct PluggedHidDfu {
    std::shared_ptr<Device> device;
    std::shared_ptr<HidDfuState> state;
    HidInterface& hid() const { return *device->hid.front(); }

    // Every block it took, the closing zero-length one included, and the image they carried.
    std::vector<DfuBlock> blocks() const;
    Bytes image() const;
    // Every feature report written to it and every status query, in order.
    std::vector<HidDfuReport> transcript() const;
    // What a status query would find now, the script aside.
    DfuStatus current() const;
    // The closing block was taken.
    bool manifested() const;
    // How often request 0xFF came.
    int requests_ff() const;
};

PluggedHidDfu plug_hid_dfu(const HidDfuPersona& persona);

} // namespace sim
