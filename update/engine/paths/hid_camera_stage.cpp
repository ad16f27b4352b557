// The camera stage of the HID camera headsets. Switched on, the camera shows its memory card as a
// disk; the worker copies the camera image onto it and checks the copy
// (update/engine/camera/camera_card_steps.h), switches the camera off and on so that it takes the
// image, reads its version back from the card, and leaves it off. The status poll between the
// switches counts a failed 6th exchange as the state it waits for (the headset drops off while the
// camera restarts); the switch after such a poll fails with a tag of its own.

#include "update/engine/paths/hid_camera_stage.h"

#include "common/clock.h"
#include "common/system_log.h"
#include "device/products/camera_files.h"
#include "device/products/hid_camera_products.h"
#include "text/app_text.h"
#include "update/engine/camera/camera_card_steps.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"
#include "update/engine/try_budget.h"

namespace kivo {
namespace {

constexpr CameraCopyTags kCopyTags{
    .create = "[2][0]",
    .move = "[2][1]",
    .openCleanTemporary = "[2][9]",
    .openCleanFirmware = "[2][10]",
    .open = "[2][5]",
    .digestCleanTemporary = "[2][9]",
    .digestCleanFirmware = "[2][10]",
    .digest = "[2][6]",
    .size = "[2][4]",
};

constexpr int kStatusPolls = 30;
// A failed exchange at this poll counts as the state awaited: the headset drops off the bus while
// its camera restarts.
constexpr int kPollThatMayFail = 6;
constexpr int kCardLooks = 70;
constexpr int kCardLooksAfterRestart = 200;
// The camera that switches itself off after taking its image: the exchanges that wait for it, then
// those that wait for it to be off after it is switched off once more.
constexpr int kSelfOffExchanges = 100;
constexpr int kOffExchangesAfterSelfOff = 30;

constexpr int kSecondMs = 1000;
// Each status exchange is followed by a second's pause: a camera that answers in time takes this a
// try, so that the polls end in clock time too (try_budget.h).
constexpr long long kStatusTryMs = kSecondMs + kAnswerInTimeMs;

enum class PollEnd { Reached, ReachedByFailedSixthPoll, Failed };

// Up to kStatusPolls status exchanges, a second apart, until the camera answers `on` (1) or off (0);
// within the clock time of as many exchanges answered in time.
PollEnd poll_camera_state(bool on)
{
    const TryBudget budget(kStatusPolls, kStatusTryMs);
    for (int poll = 1; poll <= kStatusPolls; ++poll) {
        if (!budget.left()) {
            system_logf("camera status: not %s within %lld s, %d polls", on ? "on" : "off", budget.allowedMs() / 1000,
                        poll - 1);
            return PollEnd::Failed;
        }
        HidStatusReport answer{};
        if (camera_command(COMMAND_CAMERA_STATUS, &answer)) {
            if (answer[3] == (on ? 1 : 0))
                return PollEnd::Reached;
        } else if (poll == kPollThatMayFail) {
            system_logf("camera status poll %d failed: taken as %s", poll, on ? "on" : "off");
            return PollEnd::ReachedByFailedSixthPoll;
        }
        if (poll < kStatusPolls)
            sleep_ms(kSecondMs);
    }
    system_logf("camera never %s", on ? "on" : "off");
    return PollEnd::Failed;
}

// Up to `exchanges` status exchanges, a second apart, until one answers off; a failed exchange is a
// "not yet". Within the clock time of as many exchanges answered in time.
bool exchange_until_off(int exchanges)
{
    const TryBudget budget(exchanges, kStatusTryMs);
    for (int exchange = 1; exchange <= exchanges; ++exchange) {
        if (!budget.left()) {
            system_logf("camera not off within %lld s, %d status exchanges", budget.allowedMs() / 1000, exchange - 1);
            return false;
        }
        HidStatusReport answer{};
        if (camera_command(COMMAND_CAMERA_STATUS, &answer) && answer[3] == 0) {
            system_logf("camera off after %d status exchanges", exchange);
            return true;
        }
        if (exchange < exchanges)
            sleep_ms(kSecondMs);
    }
    system_logf("camera not off after %d status exchanges", exchanges);
    return false;
}

// A status poll for a state, then a switch. The switch's failure tag depends on how the poll ended.
struct PollThenSwitch {
    bool awaitOn;
    const char* pollTag;
    uint8_t command;
    const char* switchTag;
    const char* switchTagAfterFailedSixthPoll;
};

bool poll_then_switch(UpdateRun& run, const PollThenSwitch& step)
{
    const PollEnd end = poll_camera_state(step.awaitOn);
    if (end == PollEnd::Failed)
        return camera_step_fails(run, step.pollTag);
    if (!camera_command(step.command))
        return camera_step_fails(run, end == PollEnd::Reached ? step.switchTag : step.switchTagAfterFailedSixthPoll);
    return true;
}

// The camera that switches itself off once it has taken its image is waited for until it is off,
// switched off and on once more, and only then shows its card again.
bool cycle_self_switching_camera(UpdateRun& run)
{
    sleep_ms(30 * kSecondMs);
    if (!exchange_until_off(kSelfOffExchanges))
        return camera_update_fails(run, "[5][1]");
    if (!camera_command(COMMAND_CAMERA_OFF))
        return camera_step_fails(run, "[5][0]");
    sleep_ms(10 * kSecondMs);
    if (!exchange_until_off(kOffExchangesAfterSelfOff))
        return camera_step_fails(run, "[5][3]");
    if (!camera_command(COMMAND_CAMERA_ON))
        return camera_step_fails(run, "[5][2]");
    return true;
}

// The copy on the card taken by the camera: off, on, and its card back with the image's version.
bool restart_camera_with_copy(UpdateRun& run, const CameraFiles& files, const ContainerEntry& image)
{
    sleep_ms(kSecondMs);
    if (!poll_then_switch(run, {true, "[4][2]", COMMAND_CAMERA_OFF, "[0][0]", "[3][2]"}))
        return false;
    sleep_ms(2 * kSecondMs);
    if (!poll_then_switch(run, {false, "[4][3]", COMMAND_CAMERA_ON, "[3][3]", "[1][1]"}))
        return false;
    sleep_ms(20 * kSecondMs);
    if (hid_camera_switches_itself_off(run.deviceTarget()) && !cycle_self_switching_camera(run))
        return false;
    const std::string card = find_camera_card(run, kCardLooksAfterRestart);
    if (card.empty())
        return camera_update_fails(run, "[2][3]");
    sleep_ms(3 * kSecondMs);
    if (!camera_runs_image_version(card, files, image))
        return camera_update_fails(run, "[2][2]");
    sleep_ms(3 * kSecondMs);
    return true;
}

} // namespace

bool run_hid_camera_stage(UpdateRun& run)
{
    const CameraFiles& files = *camera_files(run.deviceTarget());
    // Checked by the start, which asks for it.
    const ContainerEntry& image = *run.container.block(kCameraImageEntry);

    if (!camera_command(COMMAND_CAMERA_ON))
        return camera_step_fails(run, "[1][0]");
    sleep_ms(kSecondMs);
    if (poll_camera_state(true) == PollEnd::Failed)
        return camera_step_fails(run, "[4][1]");
    sleep_ms(15 * kSecondMs);
    const std::string card = find_camera_card(run, kCardLooks);
    if (card.empty()) {
        status_failure(run, AppText::tavk_string_check_sd_card_in);
        return false;
    }
    remove_leftover_copy(card, files);

    PollThenSwitch off_step{true, "[4][4]", COMMAND_CAMERA_OFF, "[3][4]", "[3][2]"};
    if (camera_runs_image_version(card, files, image)) {
        off_step = {true, "[4][2]", COMMAND_CAMERA_OFF, "[3][2]", "[3][2]"};
    } else if (!copy_camera_image(run, card, files, image, kCopyTags) || !restart_camera_with_copy(run, files, image)) {
        return false;
    }
    if (!poll_then_switch(run, off_step))
        return false;
    if (poll_camera_state(false) == PollEnd::Failed)
        return camera_step_fails(run, "[4][5]");
    return true;
}

} // namespace kivo
