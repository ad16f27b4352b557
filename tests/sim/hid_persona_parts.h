#pragma once
// What the virtual HID devices share: the version quad they report, the version marker their
// images may carry, and faults armed on single occurrences of a command (or on one and every later
// one).

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "tests/sim/bus.h"
#include "tests/sim/hid_interface.h"

namespace sim {

struct VersionQuad {
    uint8_t major = 1;
    uint8_t minor = 0;
    uint8_t secondaryType = 0;
    uint8_t secondary = 0;

    bool operator==(const VersionQuad&) const = default;
};

// One occurrence of a command that goes wrong (the n-th time the device gets that command), or with
// everyLater that one and every later one.
struct CommandFault {
    enum Kind {
        WriteFails, // the write of the report fails
        FinalStatus, // answered with `status` (not 0) as its final status
        Busy, // answered busy `busy` times before its final status 0
        Silent, // never answered
        Leaves, // answered as usual, then the device leaves for good (see leave_for_good)
    };
    uint8_t command;
    int occurrence = 1;
    Kind kind = FinalStatus;
    uint8_t status = 2;
    int busy = 0;
    bool everyLater = false;
};

// The fault armed for this occurrence of a command, if any.
const CommandFault* fault_of(const std::vector<CommandFault>& faults, uint8_t command, int occurrence);

// The reply to one command under its fault: `answer` makes the usual reply (for Busy and Leaves
// too), `leave` takes the device off the bus for good.
HidReply reply_with_fault(const CommandFault& fault, const std::function<HidReply()>& answer,
                          const std::function<void()>& leave);

// A device that leaves for good: from now on it refuses every open, and it is off the bus `after`
// later (the answer it has just queued can still be read).
void leave_for_good(const std::shared_ptr<Device>& device, kivo::Duration after);

// "SIMVERSION=a.b.c.d" anywhere in the bytes: the version they carry (the first marker).
std::optional<VersionQuad> version_marker(const Bytes& bytes);

// A 67-byte answer to the version command: the quad in bytes 3 to 6.
Bytes version_status_report(const VersionQuad& version);

HidReply one_report(Bytes report);

// CRC-16/XMODEM reckoned bit by bit, as a device does: apart from the manager's table.
uint16_t device_crc16(const Bytes& bytes);

} // namespace sim
