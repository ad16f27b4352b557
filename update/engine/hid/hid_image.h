#pragma once
// The write of one firmware image into a Qualcomm headset over 1023-byte command reports: erase,
// blocks of at most 1019 bytes, verify, run loader, the wait for the headset to come back, and the
// result; the loader restart before it; and the tags each path appends to a failing step's status.
// Every HID path calls these with its own image ids, tags, waits and opener (the run's); a headset
// of two modules takes the second one's commands in link slot 1. And the poll of a headset while a
// person acts on it.

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "link/hid_reports.h"
#include "update/engine/container_view.h"
#include "update/engine/device_identity.h"
#include "update/engine/run.h"

namespace kivo {

struct UpdateRun;

// The tag a path appends to the status of each failing step: nullptr where the path has no such
// step, "" where it appends none.
struct HidStepTags {
    const char* restartLoader;
    const char* reopenAfterRestart;
    const char* reopenBeforeFirstImage;
    const char* erase;
    const char* blockSend;
    const char* blockStatus;
    const char* verify;
    const char* runLoader;
    const char* reopenAfterRunLoader;
    const char* result;
    const char* readinessPoll;
};

// The real image of the intermediate-image headsets, and the voice-prompt headsets.
inline constexpr HidStepTags kRealImageTags{nullptr, nullptr, "",       "[E]", "[B][1]", "[B][2]",
                                            "[V]",   "[R]",   "[B][5]", "[D]", nullptr};
// The intermediate image fetched from the server.
inline constexpr HidStepTags kIntermediateImageTags{nullptr,  nullptr,  nullptr,  "[u]",    "[u][1]", "[u][2]",
                                                    "[u][3]", "[u][4]", "[B][5]", "[u][5]", nullptr};
// The single-image Qualcomm headsets.
inline constexpr HidStepTags kQccBtOnlyTags{"[B][00]", "[B][9]", nullptr,  "[B][0]", "[B][1]", "[B][2]",
                                            "[B][3]",  "[B][4]", "[B][5]", "[B][6]", "[B][7]"};

// The paths whose failing steps append no tag.
inline constexpr HidStepTags kNoTags{"", "", "", "", "", "", "", "", "", "", ""};

// The Bluetooth blocks of the OEM mesh headsets.
inline constexpr HidStepTags kMeshBt31BluetoothTags{nullptr, nullptr, nullptr, "[1]",   "[2]",  "[3]",
                                                    "[4]",   "[5]",   "[6]",   nullptr, nullptr};
// The Bluetooth blocks of the headsets whose Airoha module goes first.
inline constexpr HidStepTags kMeshThenBt32BluetoothTags{nullptr, nullptr, nullptr, "[1][50]", "[2]",  "[3]",
                                                        "[4]",   "[5]",   "[6]",   nullptr,   nullptr};
// The Bluetooth blocks of the camera-mesh headsets (the same values today, each path its own).
inline constexpr HidStepTags kCameraMeshBtBluetoothTags{nullptr, nullptr, nullptr, "[1][50]", "[2]",  "[3]",
                                                        "[4]",   "[5]",   "[6]",   nullptr,   nullptr};

// A headset that never comes back is given up after this many one-second polls (after the first
// pause); a failed poll counts as a "not yet".
inline constexpr int kReconnectPollBound = 300;
inline constexpr int kPollIntervalMs = 1000;

// The first pauses of the reconnect wait, in seconds.
inline constexpr int kPauseAfterRunLoader = 6;
inline constexpr int kPauseAfterRestartLoader = 2;
inline constexpr int kPauseAfterBluetoothBlocks = 10;

struct HidImage {
    uint8_t imageId = 0;
    std::span<const uint8_t> data;
};

struct HidImageWrite {
    // 0x0E for the last block; otherwise 0x06 for every block.
    bool lastBlockOwnCommand = true;
    int reconnectPause = kPauseAfterRunLoader;
    // Asks for the result after the headset is back.
    bool askResult = true;
    // The link slot of the module the image goes to.
    int slot = 0;
    // Ends after the verify, for a caller that starts the loaders and waits itself.
    bool endAfterVerify = false;
};

// One command on a slot from a cleared report (byte 2 the parameter); on a failure the status
// names the step with its tag.
bool hid_step(UpdateRun& run, uint8_t code, uint8_t parameter, const char* tag, int slot = 0);

// The block report of `block` (at most 1019 bytes), last or not.
HidCommandReport hid_block_report(std::span<const uint8_t> block, bool last, bool last_block_own_command);

// The image write sequence, on the slot `how` names. On a failure the status carries the step's tag.
bool write_hid_image(UpdateRun& run, const HidImage& image, const HidStepTags& tags, const HidImageWrite& how = {});

// What follows a Bluetooth block's verify: the next block, the same block handled again from its
// erase, or the end of the run (the hook has written the status).
enum class AfterVerify { Next, Again, Stop };
// Asked after each verify with the block and how often it has been verified so far (1 the first
// time).
using AfterVerifyHook = std::function<AfterVerify(const ContainerEntry& block, int verified)>;

// The Bluetooth blocks of the mesh headsets, on slot 0 in the order given: each erased as the low
// byte of its block type, sent in blocks of 0x06 (the last one too) and verified, then the hook (if
// any); then the loader run, only when a block numbered 0 was written, and the reconnect wait, which
// follows in every case. On a failure the status carries the step's tag.
bool write_bluetooth_blocks(UpdateRun& run, std::span<const ContainerEntry* const> blocks, const HidStepTags& tags,
                            const AfterVerifyHook& after_verify = {});

// The loader restart: the restart command, then the reconnect wait with its first pause.
bool restart_loader(UpdateRun& run, const HidStepTags& tags);

enum class ReconnectForm {
    // Close both slots, pause, poll (open and close) once a second, then open for good.
    CloseAndReopen,
    // Pause and poll only: the link stays as it was during the pause (closed just before the first
    // poll, which could not open otherwise) and ends closed.
    PollOnly,
};

// The wait for the headset being updated, which restarts. True once it is back (and,
// CloseAndReopen, open in slot 0). Writes no status: the caller names the failure with its tag.
bool reconnect_wait(UpdateRun& run, int pause_seconds, ReconnectForm form = ReconnectForm::CloseAndReopen);
// The same after the headset's loader has run (and in the final polls): it may come back under the
// id of its firmware file (updated_headset_after_loader).
bool reconnect_after_loader(UpdateRun& run, int pause_seconds, ReconnectForm form = ReconnectForm::CloseAndReopen);
// The same for the device `sought` (a module's identity): the polls and the last open look for it
// alone.
bool reconnect_wait(int pause_seconds, ReconnectForm form, const SoughtDevice& sought);

// The search for a device that shows up under an identity of its own (a mesh module) or comes
// back (the headset after its module): up to `attempts` opens; after each failed one both slots
// are closed and a second passes. True with the device open in slot 0.
bool search_device(const SoughtDevice& sought, int attempts);

// ---- A person acts on the headset ---------------------------------------------------------------
// While an instruction box is up, the worker asks the headset once a second whether the person has
// done the step. A person may never act, and a headset may be gone, silent or busy for good: the
// poll gives up once this much clock time has passed since it began, its exchanges included (one
// under way at the bound ends first: at most kHidExchangeTimeoutMs more). Five minutes, as the
// wait for a re-plugged device gives: pressing a key or re-plugging a cable takes seconds.
inline constexpr int kUserPollBoundSeconds = 300;
// A headset asked the same until it is ready, with no person to act, is given the ten minutes of
// the 600 one-second polls it once had: its own time, not a person's.
inline constexpr int kReadinessPollBoundSeconds = 600;

enum class UserPollEnd { Done, ExchangeFailed, BoundReached };

struct UserPoll {
    // Sent on slot 0 from a cleared report; answer byte 3 not 0 means done.
    uint8_t command;
    // A failed exchange ends the poll; otherwise it waits a second, like a "not yet" answer, and its
    // time counts towards the bound.
    bool failedExchangeEnds = false;
    // Each answered value is traced as "<name> = [<value>]"; nullptr for none.
    const char* traceName = nullptr;
    // The clock time the poll may take.
    int boundSeconds = kUserPollBoundSeconds;
};

// Polls until done, a second between polls, for at most the poll's bound of clock time. Writes no
// status: the caller names the failure.
UserPollEnd poll_until_done(const UserPoll& poll);
// One poll's exchange: true with the answer when it succeeded.
using PollExchange = std::function<bool(HidStatusReport& answer)>;
// The same with each poll sent by `exchange`, for a path whose report is not cleared between
// commands.
UserPollEnd poll_until_done(const UserPoll& poll, const PollExchange& exchange);

// "<failure>. Cannot get status<tag>" (no tag for nullptr).
void status_cannot_get_status(UpdateRun& run, const char* tag);
// The failure of a search: "<failure>. Cannot get status. Try again.<tag>".
void status_not_found(UpdateRun& run, const char* tag);

} // namespace kivo
