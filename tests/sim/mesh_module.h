#pragma once
// The mesh-intercom module a headset carries: switched over by its headset, it shows up on the bus
// as a HID device of its own. It answers its version (65-byte reports for the QCC modules,
// 1023-byte reports for the OEM module) and has a loader face in either report form: over 1023-byte
// reports erase, chunks of at most 58 bytes checked by CRC, the all-CRC, verify and run loader; over
// 65-byte reports no-op, erase, chunks of at most 61 bytes, verify and run loader. An Airoha module
// takes its block over 62-byte reports through the Airoha face instead (see tests/sim/README.md).

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "tests/sim/airoha_face.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_persona_parts.h"

namespace sim {

struct ModulePersona {
    uint16_t product_id = 0x3160;
    VersionQuad version;
    // Byte 7 of its 1023-byte version answer.
    uint8_t build = 0;
    bool appears = true; // shows up after the headset's switch command
    bool answers = true; // answers its version read
    kivo::Duration appear_after = std::chrono::seconds(3);
    // Leaves the bus after this long, or when the headset is told to go back to normal mode; a
    // module in its loader (erased, not yet run) stays until its run loader.
    kivo::Duration stays = std::chrono::seconds(30);
    // After its run loader it leaves the bus this much later, until the headset switches it over
    // again.
    kivo::Duration leaveAfter = std::chrono::milliseconds(100);
    // ... or, when set, comes back by itself when it has been away this long.
    std::optional<kivo::Duration> backAfterRunLoader;
    // An Airoha module: its 62-byte reports go to the Airoha face, which answers them so; it is in
    // its loader from the face's erase to its run loader. commandFaults strike the face's commands.
    std::optional<AirohaPersona> airoha;
    // Commands answered with a failure status every time, and single occurrences that go wrong.
    std::vector<uint8_t> failingCommands;
    std::vector<CommandFault> commandFaults;
};

struct ModuleState;

// A module made once with its headset; on the bus only while switched over.
struct SimModule {
    std::shared_ptr<Device> device;
    std::shared_ptr<ModuleState> state;
};

SimModule make_module(const ModulePersona& persona);

// The headset's switch command: the module shows up appear_after later, unless it is there
// already, never appears, or has left for good.
void switch_module_over(const SimModule& module);
// The headset back in normal mode: the module leaves the bus.
void send_module_back(const SimModule& module);

// With the bus lock held by the caller: the image the module holds (every chunk it accepted since
// its erase) and the version it reports.
Bytes module_image(const ModuleState& state);
VersionQuad module_version(const ModuleState& state);
// The blocks an Airoha module assembled, in the order erased (none for the others).
std::vector<AirohaFace::Block> module_airoha_blocks(const ModuleState& state);

} // namespace sim
