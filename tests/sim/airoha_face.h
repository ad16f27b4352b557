#pragma once
// The Airoha loader face: what an Airoha-chip device answers over 62-byte reports while a firmware
// block is written into it (version read, erase, chunks with their CRC, verify-all, run loader, DFU
// result), through HidReply::answers. Any HID handler can carry it, a headset or a mesh module: the
// face keeps its own state and takes from its carrier only what a restart does to the device.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "tests/sim/bus.h"
#include "tests/sim/hid_persona_parts.h"

namespace sim {

// What the face answers: the test's choice.
struct AirohaPersona {
    // The five version numbers answered for a block number (byte 3 of the version read). The
    // version reads of other numbers are the carrier's own.
    std::map<uint8_t, std::array<uint8_t, 5>> blockVersions;
    // Version answers of 8 data bytes (the five, then three zeros) in place of 5: the table
    // exchange, which expects 5 first, reads again.
    bool longVersionAnswer = false;
    // The status of every erase answer.
    uint8_t eraseStatus = 0;
    // The status of a verify-all that names the CRC of the block received (a wrong CRC, or byte 4
    // not 2, is answered 2), after this many busy answers.
    uint8_t verifyStatus = 0;
    int verifyBusy = 0;
    // The n-th chunk write of the face's life (from 1) is answered with a wrong CRC; 0: none.
    int wrongCrcChunk = 0;
    // Answered to the DFU result (byte 4).
    uint8_t dfuResult = 0;
};

// What the carrying device lends the face.
struct AirohaCarrier {
    std::weak_ptr<Device> device;
    // After a run loader the device leaves the bus leaveAfter later and comes back `away` after it
    // left (never when empty).
    kivo::Duration leaveAfter{};
    std::optional<kivo::Duration> away;
    // Single occurrences of commands that go wrong, counted over the face's 62-byte reports.
    std::vector<CommandFault> faults;
    // Told the version marker of the bytes a run loader starts, when they carry one.
    std::function<void(const VersionQuad&)> takeVersion;
};

class AirohaFace {
public:
    AirohaFace(AirohaPersona persona, AirohaCarrier carrier);

    // Whether a 62-byte report is the face's: the loader commands, and the version reads of the
    // blocks it lists.
    bool takes(const Bytes& out) const;
    HidReply answer(const Bytes& out);

    // A block as the device assembled it: every chunk since an erase, under the number the erase
    // named (byte 3; 0 on the table exchange, which names none).
    struct Block {
        uint8_t erasedAs = 0;
        Bytes bytes;
        bool operator==(const Block&) const = default;
    };
    // In the order erased.
    const std::vector<Block>& blocks() const { return blocks_; }

private:
    HidReply usual_answer(const Bytes& out);
    HidReply take_chunk(const Bytes& out);
    HidReply verify_all(const Bytes& out) const;
    HidReply run_loader();
    size_t data_length(uint8_t command) const;

    AirohaPersona persona_;
    AirohaCarrier carrier_;
    std::map<uint8_t, int> occurrences_;
    std::vector<Block> blocks_;
    // Every chunk byte since the last run loader, for the version marker.
    Bytes received_;
    int chunks_ = 0;
};

} // namespace sim
