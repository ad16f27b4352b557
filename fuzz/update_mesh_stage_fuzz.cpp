// The mesh-module stage of the OEM mesh headsets against untrusted module answers, on the
// simulated bus under the virtual clock.
//
// Input: bytes 0 to 4 the module's version answer (major, minor, secondary type and number,
// build), byte 5 the module image's length, then pairs (command, occurrence) of module commands
// that answer a failure status.
//
// Beside the sanitizers, it checks that the stage ends within its bounds, that a stage that
// succeeded left the module holding exactly its image, and that the chunk CRCs were sent exactly
// when the module's version asks for them.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "link/hid_discovery.h"
#include "link/hid_protocol.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_headsets.h"
#include "tests/update/engine/fake_update_host.h"
#include "update/engine/mesh/mesh_stage.h"
#include "update/engine/run.h"

namespace {

// The module's commands a fault may strike.
constexpr std::array<uint8_t, 8> kModuleCommands = {0x01, 0x05, 0x06, 0x07, 0x08, 0x5A, 0x5B, 0x00};
// The longest stage: every search at its bound, every exchange at the link's read bound.
constexpr auto kStageBound = std::chrono::hours(2);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The link's lines would drown the fuzzer's own output.
    static const bool quiet = std::freopen("/dev/null", "w", stdout) != nullptr;
    (void)quiet;
    if (size < 6)
        return 0;
    sim::HeadsetPersona persona = sim::oem_headset();
    persona.module->version = {data[0], data[1], data[2], data[3]};
    persona.module->build = data[4];
    for (size_t i = 6; i + 1 < size; i += 2)
        persona.module->commandFaults.push_back(
            {kModuleCommands[data[i] % kModuleCommands.size()], 1 + data[i + 1] % 16, sim::CommandFault::FinalStatus});
    std::vector<uint8_t> module(data[5]);
    for (size_t i = 0; i < module.size(); ++i)
        module[i] = static_cast<uint8_t>(i * 37 + data[5]);

    sim::Session session;
    const sim::PluggedHeadset headset = sim::plug_headset(persona);
    kivo::UpdateShared shared;
    FakeUpdateHost host;
    kivo::UpdateInputs inputs;
    inputs.opener = hid_open_device;
    kivo::UpdateRun run(inputs, shared, host);
    uint32_t product = 0;
    std::array<char, 64> text{};
    if (hid_open_device(product, text) != 0)
        std::abort();
    const bool written = kivo::write_mesh_module(run, module);
    hid_close_devices();

    if (sim::bus().clock().now() > kStageBound || sim::bus().open_hid_handles() != 0)
        std::abort();
    if (!written)
        return 0;
    if (headset.moduleImage() != module)
        std::abort();
    const std::vector<uint8_t> sent = sim::commands_sent(*headset.module->hid.front());
    const bool crcs = std::find(sent.begin(), sent.end(), 0x5A) != sent.end();
    const auto& faults = persona.module->commandFaults;
    const bool read_failed = std::any_of(faults.begin(), faults.end(), [](const sim::CommandFault& f) {
        return f.command == 0x01 && f.occurrence == 1;
    });
    const kivo::MeshVersion answered{data[0], data[1], data[2], data[3], data[4]};
    const bool checked = !read_failed && kivo::mesh_write_checked(answered);
    if (crcs != (checked && !module.empty()))
        std::abort();
    return 0;
}
