#pragma once
// The write of one firmware block into an Airoha-chip device over 62-byte reports: erase, chunks of
// at most 58 bytes each answered with its CRC, verify-all with the CRC of the whole block, run
// loader, the wait for the device to come back, and the DFU result; and the version read that
// decides whether a block is written at all. The Airoha headsets and the Airoha mesh modules share
// it; the caller chooses the exchange, the tags, the reconnect pause and the opener that finds the
// device again.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "link/hid_discovery.h"
#include "update/engine/container_view.h"
#include "update/engine/device_identity.h"
#include "update/engine/hid/hid_image.h"

namespace kivo {

struct UpdateRun;

// How each command is exchanged.
enum class AirohaExchange {
    // Each command with its own time-out, chunk answers polled every millisecond; a final status
    // other than 0 fails. The 0x6A headsets: their erase and run loader name the block.
    Timed,
    // Each command through the answer-length table; only verify-all and the CRCs look at the answer.
    // Erase and run loader name block 0.
    Table,
};

// The tag each failing step appends to "Cannot get status"; "%d" stands for the block number.
struct AirohaBlockTags {
    const char* versionRead;
    const char* erase;
    const char* chunkSend;
    const char* chunkAnswer;
    const char* chunkCrc;
    const char* verifyAll;
    const char* runLoader;
    const char* reopen;
    const char* result;
};

inline constexpr AirohaBlockTags kAirohaTimedTags{
    "[60][vertion][%d]",
    "[60][erase][%d]",
    "[60][write][%d]",
    "[60][read][%d]",
    "[60][crc][%d]_Write CRC Check Fail",
    "[60][verify][%d]_Verify All Fail",
    "[60][runloader][%d]",
    "[60][open][%d]",
    "[60][dfu][%d]",
};
// The send and the answer of a chunk are one exchange, with one tag.
inline constexpr AirohaBlockTags kAirohaTableTags{
    "[20][ai][%d]",
    "[0][ai][%d]",
    "[1][ai][%d]",
    "[1][ai][%d]",
    "[1][ai][%d]_Write CRC Check Fail",
    "[1][ai][%d]_Verify All Fail",
    "[4][ai][%d]",
    "[5][ai][%d]",
    "[6][ai][%d]",
};

inline constexpr size_t kAirohaChunkLength = 58;
// Only blocks of this type carry versions the device can be asked for.
inline constexpr uint32_t kAirohaVersionedBlockType = 1;

struct AirohaBlockWrite {
    AirohaExchange exchange = AirohaExchange::Table;
    const AirohaBlockTags* tags = &kAirohaTableTags;
    // The first pause of the reconnect wait after run loader, in seconds.
    int reconnectPause = kPauseAfterRunLoader;
    // What finds the device again after its run loader; none: the headset being updated.
    std::optional<SoughtDevice> device;
};

// The five version numbers the device answers for a block (answer bytes 4 to 8).
using AirohaVersion = std::array<uint8_t, 5>;

// The tag with the block number in place of "%d".
std::string airoha_tag(const char* format, uint32_t block_number);

// Reads the device's versions of a block (the block number in byte 3). On a failure the status
// carries `tag` with the block number.
bool read_airoha_version(UpdateRun& run, uint32_t block_number, AirohaExchange exchange, const char* tag,
                         AirohaVersion& version);

// Whether the device holds the block already: its five numbers equal the block's, as numbers.
bool airoha_block_current(const ContainerEntry& block, const AirohaVersion& version);

// The block sequence, on slot 0 from the device open there. On a failure the status carries the
// step's tag with the block number; the device is open again in slot 0 after a success.
bool write_airoha_block(UpdateRun& run, const ContainerEntry& block, const AirohaBlockWrite& how);

// The mesh form, for an Airoha mesh module open in slot 0: the table exchange, a version read first
// for a block of the versioned type (it only decides whether the run goes on: the block is written
// whatever the module holds), and the module found again by its own identity after a shorter pause.
bool write_airoha_mesh_block(UpdateRun& run, const ContainerEntry& block);

} // namespace kivo
