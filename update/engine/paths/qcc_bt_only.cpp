// Qualcomm headsets whose firmware file holds one Bluetooth image (section entry 0): restarted
// into their loader, then the image is erased as image 0, written, verified and started. Some of
// them need the user to act on the headset before the restart and after the update: an
// instruction box says what to do while the worker polls the headset until it reports the step.

#include "common/system_log.h"
#include "device/products/update_instructions.h"
#include "text/instruction_texts.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr EntryNeed kImageEntry[] = {{ContainerTable::Section, 0}};

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"}, {2, "settings backed up"},
    {4, "transfer started"},     {90, "image being written (headsets without instructions)"},
    {99, "image written"},
};

// The headset has not reported the user's step before the restart within the poll's bound.
constexpr char kInstructionPollTag[] = "[B][8]";

constexpr UserPoll kInstructionPoll{COMMAND_WAIT_POLL};
constexpr UserPoll kReadinessPoll{COMMAND_READY_STATE, true, "rV"};

using InstructionText = std::string (*)(int device_target, ManagerLanguage in);

// The instruction box (unless a box is up already), the poll until the headset reports the step,
// then the box closed. On a failure the box stays for the ending to close.
bool guide_user(UpdateRun& run, InstructionText text, const UserPoll& poll, const char* tag)
{
    open_instruction_box(run, text(run.deviceTarget(), run.in.languageManager));
    if (poll_until_done(poll) != UserPollEnd::Done) {
        status_cannot_get_status(run, tag);
        return false;
    }
    close_instruction_box(run);
    return true;
}

void run_qcc_bt_only(UpdateRun& run)
{
    if (!run_shared_steps(run, kImageEntry))
        return;
    system_log("--------QCC ALL_UPDATE START");
    const bool instructions = update_needs_instructions(run.deviceTarget());
    if (instructions) {
        // The timer keeps pacing the transfer phase while the user acts.
        if (!guide_user(run, InstructionTexts::getMessageBoxFirstButton, kInstructionPoll, kInstructionPollTag))
            return;
    } else {
        // The timer moves the bar towards 90 while the image is written.
        run.shared.change([](UpdateProgress& p) {
            p.addUpdateProcessed = 90;
            p.updateTimerProcessed = 0;
        });
    }
    if (!restart_loader(run, kQccBtOnlyTags))
        return;
    const ContainerEntry& image = *run.container.section(0);
    // Image 0, whatever the entry names.
    if (!write_hid_image(run, {0, image.data}, kQccBtOnlyTags))
        return;
    if (instructions) {
        if (!guide_user(run, InstructionTexts::getMessageBoxSecondButton, kReadinessPoll, kQccBtOnlyTags.readinessPoll))
            return;
    } else {
        run.shared.change([](UpdateProgress& p) {
            p.addUpdateProcessed = 99;
            p.updateTimerProcessed = 0;
            p.updateProcessed = 90;
        });
    }
    succeed(run, "--------QCC ALL_UPDATE END");
}

} // namespace

const TransferPath kQccBtOnlyPath{"QccBtOnly", run_qcc_bt_only, kPhases};

} // namespace kivo
