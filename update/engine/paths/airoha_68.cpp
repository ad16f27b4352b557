// The 0x68 Airoha headsets: the blocks of the file written over 62-byte reports through the
// answer-length table, on the link opened at the start; a type-1 block the headset already holds
// (all five version numbers equal) is left as it is.

#include "common/system_log.h"
#include "update/engine/mesh/airoha_block.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr EntryNeed kEveryBlock[] = {{ContainerTable::Block, kEveryEntry}};

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"},
    {2, "settings backed up"},
    {4, "blocks being written"},
    {99, "blocks written"},
};

void run_airoha_68(UpdateRun& run)
{
    if (!run_shared_steps(run, kEveryBlock))
        return;
    const AirohaBlockWrite how{};
    for (int i = 0; i < run.container.count(); ++i) {
        const ContainerEntry& block = *run.container.block(i);
        if (block.type == kAirohaVersionedBlockType) {
            AirohaVersion version{};
            if (!read_airoha_version(run, block.number, AirohaExchange::Table, kAirohaTableTags.versionRead, version))
                return;
            if (airoha_block_current(block, version)) {
                system_logf("block %u is current", block.number);
                continue;
            }
        }
        if (!write_airoha_block(run, block, how))
            return;
    }
    succeed(run, "--------AIROHA 68 UPDATE END");
}

} // namespace

const TransferPath kAiroha68Path{"Airoha68", run_airoha_68, kPhases};

} // namespace kivo
