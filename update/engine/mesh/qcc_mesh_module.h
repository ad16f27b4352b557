#pragma once
// The QCC mesh-intercom module, written over 65-byte reports once its headset has switched it over
// and it is open in slot 0: a no-op first, erase, chunks of at most 61 bytes (each with command
// 0x06, the last one too), verify and run loader; then the wait for the module to come back under
// its own identity after its restart.

#include <cstddef>
#include <cstdint>
#include <span>

namespace kivo {

struct UpdateRun;

inline constexpr size_t kQccMeshChunkLength = 61;
// The module is looked for this many times after its run loader.
inline constexpr int kQccModuleBackTries = 20;

// True once the module is back, with nothing left open. On a failure the status carries the
// step's tag: "[M][0]" erase, "[M][1]" chunk send, "[M][2]" chunk status, "[M][3]" verify, "[M][4]"
// run loader, "[M][5]" the module not back.
bool write_qcc_mesh_module(UpdateRun& run, std::span<const uint8_t> module);

} // namespace kivo
