// The headsets with an Airoha mesh-intercom module beside their Qualcomm part, both from one
// firmware file. Stage A switches the headset into mesh DFU, finds the module under its own identity
// and writes the module's block over 62-byte reports; stage B writes the Bluetooth image over
// 1023-byte reports; stage C (voice-prompt headsets only) the voice-prompt image, unless the
// headset holds that version already. Each stage checks, loads the file and backs up afresh, so the
// bar starts again at every stage.

#include "common/clock.h"
#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/mesh/airoha_block.h"
#include "update/engine/mesh/mesh_dfu_switch.h"
#include "update/engine/mesh/mesh_stage.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

// The voice-prompt headsets: the Bluetooth image in block 0, the voice prompts in block 1, the
// module in block 2.
constexpr int kVpBluetoothBlock = 0;
constexpr int kVpVoicePromptBlock = 1;
constexpr int kVpModuleBlock = 2;
constexpr EntryNeed kVpNeeds[] = {
    {ContainerTable::Block, kVpBluetoothBlock},
    {ContainerTable::Block, kVpVoicePromptBlock},
    {ContainerTable::Block, kVpModuleBlock},
};

// The others: the module in block 1, the Bluetooth image in section entry 0.
constexpr int kModuleBlock = 1;
constexpr int kBluetoothSection = 0;
constexpr EntryNeed kNeeds[] = {
    {ContainerTable::Block, kModuleBlock},
    {ContainerTable::Section, kBluetoothSection},
};

constexpr PathPhase kVpPhases[] = {
    {1, "firmware file loaded"},
    {2, "settings backed up, headset switched to mesh DFU"},
    {4, "module found and its block written"},
    {1, "firmware file loaded again"},
    {2, "settings backed up"},
    {4, "Bluetooth image"},
    {1, "firmware file loaded again"},
    {2, "settings backed up"},
    {4, "voice-prompt image"},
    {99, "update written"},
};
constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"},
    {2, "settings backed up, headset switched to mesh DFU"},
    {4, "module found and its block written"},
    {1, "firmware file loaded again"},
    {2, "settings backed up"},
    {4, "Bluetooth image"},
    {99, "update written"},
};

constexpr char kModuleNotFoundTag[] = "[8]";
// The open of the headset for its image.
constexpr char kHeadsetOpenTag[] = "[B][9]";

constexpr int kPauseAfterSwitchMs = 2000;

// The voice-prompt version: command 0x03 for this group, the number in answer byte 16.
constexpr uint8_t kVoicePromptGroup = 0x3E;
constexpr size_t kVoicePromptNumberAt = 16;

// Stage A, from the recognized headset to the headset open again after its module's block.
bool update_module(UpdateRun& run, std::span<const EntryNeed> needs, int module_block)
{
    if (!open_recognized_device(run) || !check_version_identity(run) || !load_firmware(run, needs) ||
        !back_up_settings(run))
        return false;
    // The marker stays 2 until the module is searched for.
    begin_transfer(run, 2);
    if (!switch_to_mesh_dfu(run, true))
        return false;
    hid_close_devices();
    sleep_ms(kPauseAfterSwitchMs);
    enter_phase(run, 4);
    hid_close_devices();
    system_log("mesh module search");
    if (!search_device(airoha_mesh_module(), kModuleSearchAttempts)) {
        status_not_found(run, kModuleNotFoundTag);
        return false;
    }
    return write_airoha_mesh_block(run, *run.container.block(module_block)) && reopen_recognized_device(run);
}

// The number that decides whether the voice prompts are written (answer byte 16); 0 when the
// headset does not answer.
uint8_t read_voice_prompt_number()
{
    HidStatusReport answer{};
    if (hid_command(0, hid_request(COMMAND_READ_SETTINGS, kVoicePromptGroup), answer) != 1) {
        system_log("voice-prompt version not read");
        return 0;
    }
    system_logf("voice-prompt version %d.%d.%d.%d", answer[13], answer[14], answer[15], answer[16]);
    return answer[kVoicePromptNumberAt];
}

// The start of stages B and C: the file loaded again (the view rebuilt: entries are taken from it
// afresh), the backup, the transfer begun, and the headset opened for its image. Both slots are
// closed first: the headset is still open from the stage before, and the opener refuses a filled
// slot.
bool begin_image_stage(UpdateRun& run, std::span<const EntryNeed> needs)
{
    if (!load_firmware(run, needs) || !back_up_settings(run))
        return false;
    begin_transfer(run);
    hid_close_devices();
    if (open_sought(updated_headset(run)))
        return true;
    status_cannot_get_status(run, kHeadsetOpenTag);
    return false;
}

// An image of the headset's Qualcomm part, erased as image 0 whatever the entry names.
bool write_headset_image(UpdateRun& run, const ContainerEntry& entry)
{
    if (!write_hid_image(run, {0, entry.data}, kQccBtOnlyTags))
        return false;
    hid_close_devices();
    return true;
}

void run_mesh_airoha_qcc_vp(UpdateRun& run)
{
    if (!update_module(run, kVpNeeds, kVpModuleBlock))
        return;
    const uint8_t held = read_voice_prompt_number();
    if (!begin_image_stage(run, kVpNeeds) || !write_headset_image(run, *run.container.block(kVpBluetoothBlock)))
        return;
    const ContainerEntry& voice_prompts = *run.container.block(kVpVoicePromptBlock);
    if (voice_prompts_held(held, voice_prompts.versions[0], voice_prompts.versions[1])) {
        succeed(run, "--------MESH AIROHA QCC VP UPDATE END (voice prompts current)");
        return;
    }
    if (!reopen_recognized_device(run) || !begin_image_stage(run, kVpNeeds) ||
        !write_headset_image(run, *run.container.block(kVpVoicePromptBlock)))
        return;
    succeed(run, "--------MESH AIROHA QCC VP UPDATE END");
}

void run_mesh_airoha_qcc(UpdateRun& run)
{
    if (!update_module(run, kNeeds, kModuleBlock) || !begin_image_stage(run, kNeeds) ||
        !write_headset_image(run, *run.container.section(kBluetoothSection)))
        return;
    succeed(run, "--------MESH AIROHA QCC UPDATE END");
}

} // namespace

bool voice_prompts_held(uint8_t held, uint32_t first, uint32_t second)
{
    // In 64 bits: a large first number must not wrap round to a small one.
    return uint64_t{held} == 10 * uint64_t{first} + uint64_t{second};
}

const TransferPath kMeshAirohaQccVpPath{"MeshAirohaQccVp", run_mesh_airoha_qcc_vp, kVpPhases};
const TransferPath kMeshAirohaQccPath{"MeshAirohaQcc", run_mesh_airoha_qcc, kPhases};

} // namespace kivo
