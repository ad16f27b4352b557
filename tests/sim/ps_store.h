#pragma once
// The persistent store of a Bluetooth chip reached by BCCMD messages: HCI vendor commands arrive by
// control transfer, answers leave as HCI vendor events on the interrupt endpoint. It answers the
// size query (varid 0x3006), and value reads and writes (varid 0x7003) of any key it holds.

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "common/clock.h"
#include "tests/sim/hid_interface.h"

namespace sim {

// BCCMD status values the store answers with.
inline constexpr uint16_t kBccmdOk = 0;
inline constexpr uint16_t kBccmdNoSuchVarid = 1;
inline constexpr uint16_t kBccmdNoValue = 3;
inline constexpr uint16_t kBccmdBadRequest = 4;

inline constexpr uint16_t kVaridPsSize = 0x3006;
inline constexpr uint16_t kVaridPs = 0x7003;

class PsStore {
public:
    using Keys = std::map<uint16_t, std::vector<uint16_t>>;
    Keys keys;

    struct Faults {
        std::map<uint16_t, uint16_t> status; // key -> the status of every answer about it
        std::map<uint16_t, uint16_t> claimed_words; // key -> the length the size query reports
        std::set<uint16_t> read_only; // writes of these keys are refused
        std::set<uint16_t> unkept; // writes of these keys are answered as done, and not kept
        int silent = 0; // messages left unanswered (counts down; -1 for ever)
        size_t short_by = 0; // answers stop this many bytes early
        bool not_vendor_event = false; // answers carry another event code
        bool wrong_channel = false; // answers carry another channel byte
    } faults;
    kivo::Duration answer_delay{std::chrono::milliseconds(1)};

    // The event answering one HCI command, if the chip answers it.
    std::optional<Bytes> answer(const Bytes& command);
};

} // namespace sim
