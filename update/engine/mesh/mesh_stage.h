#pragma once
// The mesh-intercom module of the OEM mesh headsets, written over 1023-byte reports before their
// Bluetooth blocks: the headset switches the module over, the module is found under its own
// identity, erased and written in 58-byte chunks (each checked by CRC from module 1.0.2.1 on),
// verified, and started while the headset holds its power; the headset switches it over once more
// and is opened again. The stage ends with the headset open in slot 0; a caller with more to write
// into the module stops when the module is back after that switch, open in slot 0.

#include <cstddef>
#include <cstdint>
#include <span>

#include "link/hid_reports.h"

namespace kivo {

struct UpdateRun;

// The tag each failing step appends to the status; the searches add "Try again" before it.
struct MeshStageTags {
    const char* meshSwitch;
    const char* moduleNotFound; // search
    const char* erase;
    const char* checkedChunkSend;
    const char* checkedChunkStatus;
    // Six refused all-CRC passes, or one chunk's CRC refused kChunkCrcRefusalBound times in a row.
    const char* checkedPasses;
    const char* chunkSend;
    const char* chunkStatus;
    const char* verify;
    const char* headsetAfterWrite; // search
    const char* moduleForLoader; // search
    const char* runLoader;
    const char* headsetAfterLoader; // search
    const char* secondSwitch;
    const char* moduleBack; // search
    const char* headsetAtEnd; // search
};

inline constexpr MeshStageTags kMeshStageTags{"[7]",  "[8]",  "[9]",  "[10][1]", "[11][1]", "[12]", "[10]", "[11]",
                                              "[13]", "[14]", "[15]", "[16]",    "[17]",    "[18]", "[19]", "[17]"};

inline constexpr size_t kMeshChunkLength = 58;
inline constexpr int kModuleSearchAttempts = 20;
inline constexpr int kModuleBackAttempts = 100;
inline constexpr int kHeadsetSearchAttempts = 20;
inline constexpr int kCheckedWritePasses = 6;
// A chunk the module keeps refusing would be sent for ever: this many refusals in a row, or their
// clock time against a module that answers in time, end the run as the sixth refused pass does.
inline constexpr int kChunkCrcRefusalBound = 10;

// The module's version as it answers it (bytes 3 to 7); 1.0.0.0.0 when it does not.
struct MeshVersion {
    int major = 1;
    int minor = 0;
    int secondaryType = 0;
    int secondary = 0;
    int build = 0;
};

// The CRC-checked write from 1.0.2.1 on (the build number aside); the plain write below it.
bool mesh_write_checked(const MeshVersion& version);

// The stage from the switch command to the headset found again, on the module image `module`.
// On a failure the status carries the step's tag.
bool write_mesh_module(UpdateRun& run, std::span<const uint8_t> module, const MeshStageTags& tags = kMeshStageTags);
// The same up to the module back after the second switch, left open in slot 0 (the headset is not
// looked for again; headsetAtEnd is not used).
bool write_mesh_module_keeping_module(UpdateRun& run, std::span<const uint8_t> module,
                                      const MeshStageTags& tags = kMeshStageTags);

// The module's chunk and CRC reports, which whatever goes through the module is written with: a
// chunk of at most kMeshChunkLength bytes (its length in byte 3, its data from byte 4), and a CRC
// command (the chunk CRC or the all-CRC) carrying its value low byte first.
inline constexpr uint8_t kMeshChunkCrcCommand = 0x5A;
HidCommandReport mesh_chunk_report(std::span<const uint8_t> chunk);
HidCommandReport mesh_crc_report(uint8_t code, uint16_t crc);
// The chunk of at most kMeshChunkLength bytes from `sent` on.
std::span<const uint8_t> mesh_chunk_at(std::span<const uint8_t> image, size_t sent);

} // namespace kivo
