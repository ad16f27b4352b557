// The camera-mesh headsets: a mesh-intercom module and an iM501 voice chip beside the Bluetooth
// part, three of them with a camera, every image from one file. In order: the camera image onto
// the camera's memory card (the camera products), the mesh module, the iM501 through the module,
// the Bluetooth blocks, then the voice-prompt language.

#include <vector>

#include "common/clock.h"
#include "common/system_log.h"
#include "device/products/camera_files.h"
#include "device/products/camera_mesh_products.h"
#include "device/products/unit_language_shift.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "text/app_text.h"
#include "update/engine/camera/camera_card_steps.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/hid/voice_prompt_language.h"
#include "update/engine/mesh/im501_stage.h"
#include "update/engine/mesh/mesh_stage.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"},
    {2, "settings backed up"},
    {4, "camera, module, voice chip and Bluetooth blocks being written"},
    {89, "closing"},
    {99, "update written"},
};

// The Bluetooth blocks' tags: the erase [1][50], the rest [2] to [6].
constexpr const HidStepTags& kBluetoothTags = kCameraMeshBtBluetoothTags;
constexpr char kHeadsetNotBackTag[] = "[27]";
// The iM501 left unwritten, reported once the module and the headset are back.
constexpr char kIm501NotWrittenTag[] = "[28]";

// Asked after the verify of the block numbered 1 (the voice prompts): byte 3 not 0 in a failed
// answer means they did not mount, and the block is written again.
constexpr uint8_t kVoicePromptMountStatus = COMMAND_BLOCK_TEST;
constexpr uint32_t kVoicePromptBlockNumber = 1;
// A block whose voice prompts never mount would be written for ever: after this many rewrites the
// next refusal ends the run as a failed verify.
constexpr int kMountRewriteBound = 3;

bool start_camera_mesh_bt(UpdateRun& run)
{
    const CameraMeshLayout layout = camera_mesh_layout(run.deviceTarget());
    std::vector<EntryNeed> needs;
    for (const int block : {layout.cameraBlock, layout.meshBlock, layout.voiceChipBlock})
        if (block >= 0)
            needs.push_back({ContainerTable::Block, block});
    // The Bluetooth blocks are written as far as the table has them.
    if (layout.bluetoothBlocks < 0)
        needs.push_back({ContainerTable::Block, kEveryEntry, false});
    for (int block = 0; block < layout.bluetoothBlocks; ++block)
        needs.push_back({ContainerTable::Block, block, false});
    return run_shared_steps_checking_version(run, needs);
}

// ---- Camera stage --------------------------------------------------------------------------------
// Switched on, the camera shows its memory card as a disk: the camera image is copied onto it and
// checked (camera_card_steps.h), the camera switched off and on to take it, its version read back,
// and the camera left off. Failures say "<failure>. <reason> [50][c][n]. Try again.".

constexpr CameraCopyTags kCameraCopyTags{
    .create = "[50][c][3]",
    .move = "[50][c][4]",
    .openCleanTemporary = "[50][c][5]",
    .openCleanFirmware = "[50][c][6]",
    .open = "[50][c][7]",
    .digestCleanTemporary = "[50][c][8]",
    .digestCleanFirmware = "[50][c][9]",
    .digest = "[50][c][10]",
    .size = "[50][c][11]",
};

constexpr int kCardLooks = 20;
constexpr int kCardLooksAfterRestart = 120;
constexpr int kSecondMs = 1000;

// The camera on; its state asked once, a failed exchange only traced: a cleared answer reads off.
bool switch_camera_on(UpdateRun& run)
{
    if (!camera_command(COMMAND_CAMERA_ON))
        return camera_step_fails(run, "[50][c][0]");
    sleep_ms(2 * kSecondMs);
    HidStatusReport answer{};
    if (!camera_command(COMMAND_CAMERA_STATUS, &answer))
        system_log("camera status exchange failed");
    if (answer[3] != 1)
        return camera_step_fails(run, "[50][c][1]");
    return true;
}

// The copy on the card taken by the camera: off, on, its card back with the image's version, off.
bool restart_camera_with_copy(UpdateRun& run, const CameraFiles& files, const ContainerEntry& image)
{
    sleep_ms(2 * kSecondMs);
    if (!camera_command(COMMAND_CAMERA_OFF))
        return camera_step_fails(run, "[50][c][12]");
    sleep_ms(10 * kSecondMs);
    if (!camera_command(COMMAND_CAMERA_ON))
        return camera_step_fails(run, "[50][c][13]");
    sleep_ms(15 * kSecondMs);
    const std::string card = find_camera_card(run, kCardLooksAfterRestart);
    if (card.empty())
        return camera_update_fails(run, "[50][c][16]");
    sleep_ms(3 * kSecondMs);
    if (!camera_runs_image_version(card, files, image))
        return camera_update_fails(run, "[50][c][14]");
    sleep_ms(3 * kSecondMs);
    system_log("camera updated, switched off");
    if (!camera_command(COMMAND_CAMERA_OFF))
        return camera_step_fails(run, "[50][c][15]");
    return true;
}

bool update_camera(UpdateRun& run, const ContainerEntry& image)
{
    const CameraFiles& files = *camera_files(run.deviceTarget());
    if (!switch_camera_on(run))
        return false;
    sleep_ms(10 * kSecondMs);
    const std::string card = find_camera_card(run, kCardLooks);
    if (card.empty()) {
        status_failure(run, AppText::tavk_string_check_sd_card_in);
        return false;
    }
    remove_leftover_copy(card, files);
    if (camera_runs_image_version(card, files, image)) {
        if (!camera_command(COMMAND_CAMERA_OFF))
            return camera_step_fails(run, "[50][c][2]");
        return true;
    }
    return copy_camera_image(run, card, files, image, kCameraCopyTags) && restart_camera_with_copy(run, files, image);
}

std::vector<const ContainerEntry*> bluetooth_blocks(const UpdateRun& run, const CameraMeshLayout& layout)
{
    const int count = layout.bluetoothBlocks < 0 ? run.container.count() : layout.bluetoothBlocks;
    std::vector<const ContainerEntry*> blocks;
    for (int i = 0; i < count; ++i)
        if (const ContainerEntry* block = run.container.block(i))
            blocks.push_back(block);
    return blocks;
}

// The answer is cleared first: an exchange whose write never reached the headset reads 0 in byte 3,
// not what the previous answer left there.
AfterVerify check_voice_prompts_mounted(UpdateRun& run, const ContainerEntry& block, int verified)
{
    if (block.number != kVoicePromptBlockNumber)
        return AfterVerify::Next;
    HidStatusReport answer{};
    if (hid_command(0, hid_request(kVoicePromptMountStatus), answer) == 1 || answer[3] == 0)
        return AfterVerify::Next;
    system_logf("voice prompts not mounted [%d], block %u written again", answer[3], block.number);
    if (verified <= kMountRewriteBound)
        return AfterVerify::Again;
    system_logf("voice prompts still not mounted after %d rewrites", kMountRewriteBound);
    status_cannot_get_status(run, kBluetoothTags.verify);
    return AfterVerify::Stop;
}

// Told to the Bluetooth part open in slot 0; the result is only traced by the writers.
void set_unit_language(const UpdateRun& run)
{
    using L = VoicePromptLanguage;
    const int product_id = run.deviceTarget();
    const std::string& language = run.in.strLanguageFirmware;
    if (!camera_mesh_language_written(product_id))
        return;
    if (product_in(kKelporShiftedLanguageProducts, product_id))
        L::bt_set_unit_language_kelpor_with(0, L::UnitLanguageCodeFromStringForKelpor(language));
    else
        L::bt_set_unit_language_with(0, L::UnitLanguageCodeFromString(language));
}

void run_camera_mesh_bt(UpdateRun& run)
{
    system_log("--------CAMERA MESH BT UPDATE START");
    if (!start_camera_mesh_bt(run))
        return;
    const CameraMeshLayout layout = camera_mesh_layout(run.deviceTarget());
    if (layout.cameraBlock >= 0 && !update_camera(run, *run.container.block(layout.cameraBlock)))
        return;
    if (!write_mesh_module_keeping_module(run, run.container.block(layout.meshBlock)->data))
        return;

    // The iM501 fails nothing here: the module and the headset must come back whatever it did.
    const bool im501_written = write_im501(run.container.block(layout.voiceChipBlock)->data);
    system_log("iM501 done");
    hid_close_devices();
    system_log("headset search after the iM501");
    if (!search_device(updated_headset(run), kHeadsetSearchAttempts)) {
        status_not_found(run, kHeadsetNotBackTag);
        return;
    }

    AfterVerifyHook after_verify;
    if (camera_mesh_all_entries(run.deviceTarget()))
        after_verify = [&run](const ContainerEntry& block, int verified) {
            return check_voice_prompts_mounted(run, block, verified);
        };
    if (!write_bluetooth_blocks(run, bluetooth_blocks(run, layout), kBluetoothTags, after_verify))
        return;
    set_unit_language(run);

    hid_close_devices();
    enter_phase(run, 89);
    if (!im501_written) {
        system_log("iM501 not written");
        status_cannot_get_status(run, kIm501NotWrittenTag);
        return;
    }
    succeed(run, "--------CAMERA MESH BT UPDATE END");
}

} // namespace

const TransferPath kCameraMeshBtPath{"CameraMeshBt", run_camera_mesh_bt, kPhases};

} // namespace kivo
