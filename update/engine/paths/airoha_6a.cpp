// The 0x6A Airoha headsets: every block of the file written over 62-byte reports with timed
// exchanges, each after a version read (only traced) and a fresh open. Block 3's version lives in
// the headset's Qualcomm part, a second USB identity that speaks 1023-byte reports. No backup.

#include "common/system_log.h"
#include "link/hid_discovery.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "update/engine/mesh/airoha_block.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr EntryNeed kEveryBlock[] = {{ContainerTable::Block, kEveryEntry}};

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"},
    {2, "about to transfer"},
    {4, "blocks being written"},
    {99, "blocks written"},
};

// The block whose version the Qualcomm part answers.
constexpr uint32_t kQualcommVersionBlock = 3;
constexpr char kQualcommVersionTag[] = "[60][qccver][%d]";

// The Qualcomm part's version over 1023-byte reports. Its identity not found is a failed read: the
// read never goes to an empty slot.
bool read_qualcomm_version(UpdateRun& run, uint32_t block_number)
{
    hid_close_devices();
    uint32_t product_id = 0;
    std::array<char, 256> text{};
    HidStatusReport answer{};
    if (hid_open_airoha_mesh_alt(product_id, text) != 0 ||
        hid_command(0, hid_request(COMMAND_GET_VERSION), answer) != 1) {
        status_cannot_get_status(run, airoha_tag(kQualcommVersionTag, block_number).c_str());
        return false;
    }
    system_logf("block %u: Qualcomm version %d.%d.%d.%d", block_number, answer[3], answer[4], answer[5], answer[6]);
    return true;
}

void run_airoha_6a(UpdateRun& run)
{
    if (!open_recognized_device(run) || !load_firmware(run, kEveryBlock))
        return;
    begin_transfer(run);
    const AirohaBlockWrite how{AirohaExchange::Timed, &kAirohaTimedTags, kPauseAfterRunLoader, {}};
    for (int i = 0; i < run.container.count(); ++i) {
        const ContainerEntry& block = *run.container.block(i);
        AirohaVersion version{};
        const bool read = block.number == kQualcommVersionBlock
            ? read_qualcomm_version(run, block.number)
            : read_airoha_version(run, block.number, AirohaExchange::Timed, kAirohaTimedTags.versionRead, version);
        // Every block is opened afresh, whatever the version read found.
        if (!read || !reopen_recognized_device(run) || !write_airoha_block(run, block, how))
            return;
    }
    succeed(run, "--------AIROHA 6A UPDATE END");
}

} // namespace

const TransferPath kAiroha6APath{"Airoha6A", run_airoha_6a, kPhases};

} // namespace kivo
