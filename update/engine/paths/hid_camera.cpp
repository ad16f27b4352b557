// The HID camera path's headsets: the headset's images written on slot 0 over cleared command
// reports, the voice-prompt language of one family, the loader started (after the headset says it
// is ready, for most), a minute for the restart, and the ending shared with the download-mode
// headsets. Most products show a box that asks the user to re-plug the headset meanwhile.
//
// Five products carry a camera whose image goes onto its memory card first
// (paths/hid_camera_stage.cpp); their headset stage then runs on the file's entries 0 and 1.

#include <vector>

#include "common/clock.h"
#include "device/products/hid_camera_products.h"
#include "device/products/unit_language_shift.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "text/instruction_texts.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/hid/voice_prompt_language.h"
#include "update/engine/paths/hid_camera_stage.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

// Every block entry is a headset image; on the camera products entries 0 and 1 are (2 is the
// camera's).
constexpr EntryNeed kEveryBlock[] = {{ContainerTable::Block, kEveryEntry}};
constexpr EntryNeed kCameraProductBlocks[] = {
    {ContainerTable::Block, 0}, {ContainerTable::Block, 1}, {ContainerTable::Block, kCameraImageEntry}};

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"}, {2, "settings backed up"}, {98, "camera and headset images being written"},
    {99, "headset restarting"},  {100, "update written"},
};

constexpr int kPauseAroundImagesMs = 5000;
constexpr int kPauseAfterLoaderMs = 1000;

std::span<const EntryNeed> entries_read(int product_id)
{
    if (hid_camera_has_camera(product_id))
        return kCameraProductBlocks;
    return kEveryBlock;
}

std::vector<const ContainerEntry*> headset_images(const UpdateRun& run)
{
    const int count = hid_camera_has_camera(run.deviceTarget()) ? 2 : run.container.count();
    std::vector<const ContainerEntry*> images;
    for (int i = 0; i < count; ++i)
        images.push_back(run.container.block(i));
    return images;
}

// Open, the main version, load, backup, and the transfer begun at marker 98.
bool start_hid_camera(UpdateRun& run)
{
    if (!open_recognized_device(run) || !check_version_identity(run, 0, run.in.data.deviceVersion()) ||
        !load_firmware(run, entries_read(run.deviceTarget())) || !back_up_settings(run))
        return false;
    begin_transfer(run, 98);
    return true;
}

// The box that asks the user to re-plug the headset, unless a box is up already.
void open_replug_box(UpdateRun& run)
{
    open_instruction_box(run, InstructionTexts::getMessageBoxFirstButton(run.deviceTarget(), run.in.languageManager));
}

bool ready_after_cleared_polls(UpdateRun& run)
{
    return wait_until_ready(
        run, [](HidStatusReport& answer) { return hid_command(0, hid_request(COMMAND_WAIT_POLL), answer) == 1; },
        hid_camera_replug_box(run.deviceTarget()));
}

// The headset's images, in order, on slot 0; then its loader and the wait for it to come back.
void run_headset_stage(UpdateRun& run, std::span<const ContainerEntry* const> images)
{
    const int product = run.deviceTarget();
    sleep_ms(kPauseAroundImagesMs);
    bool start_loader = false;
    for (const ContainerEntry* image : images) {
        start_loader = start_loader || image->number == 0;
        HidImageWrite how;
        how.lastBlockOwnCommand = false;
        how.endAfterVerify = true;
        if (!write_hid_image(run, {image->imageId(), image->data}, kNoTags, how))
            return;
    }
    sleep_ms(kPauseAroundImagesMs);
    if (product_in(kKelporShiftedLanguageProducts, product)) {
        // Only traced: the images are written whatever the headset answers.
        VoicePromptLanguage::bt_set_unit_language_kelpor_with(
            0, VoicePromptLanguage::UnitLanguageCodeFromStringForKelpor(run.in.strLanguageFirmware));
    }
    if (hid_camera_replug_box(product))
        open_replug_box(run);
    if (hid_camera_loader_without_readiness(product)) {
        if (start_loader && !hid_step(run, RUN_LOADER, 0, nullptr))
            return;
        sleep_ms(kPauseAfterLoaderMs);
    } else {
        if (!ready_after_cleared_polls(run))
            return;
        // Without a main image the box stays up until the ending.
        if (start_loader) {
            if (!hid_step(run, RUN_LOADER, 0, nullptr))
                return;
            close_instruction_box(run);
        }
    }
    end_after_restart(run, hid_camera_replug_box(product) ? open_replug_box : mark_box_without_box);
}

void run_hid_camera(UpdateRun& run)
{
    if (!start_hid_camera(run))
        return;
    if (hid_camera_has_camera(run.deviceTarget()) && !run_hid_camera_stage(run))
        return;
    run_headset_stage(run, headset_images(run));
}

} // namespace

const TransferPath kHidCameraPath{"HidCamera", run_hid_camera, kPhases};

} // namespace kivo
