#pragma once
// The steps every transfer path shares, in the order the paths call them, and the status-text
// convention: each status change writes the line of all 13 interface languages at once, from the
// processing or failure text of the run's mode and the texts of the step.
//
//   1, 2  open the link and check that it is the recognized device    open_recognized_device
//         (headsets with a module) the headset's version                check_version_identity
//         (headsets of two modules) the second one open in slot 1      check_second_module_open
//   3     load the firmware file and check the entries the path reads  load_firmware
//   4     the settings backup (update mode only)                       back_up_settings
//   5, 6  processing text, counters cleared, marker 4                  begin_transfer
//   7     the success ending                                           succeed
//
// A step that fails has written the status and updateRestoreError; it returns false and the path
// returns, so that the frame's ending runs.

#include <span>
#include <string>
#include <string_view>

#include "device/device_data.h"
#include "text/localized.h"
#include "update/engine/container_view.h"

namespace kivo {

struct UpdateRun;

// A text of the text tables, in one interface language.
using LanguageText = std::string (*)(ManagerLanguage in);

// ---- Status texts ------------------------------------------------------------------------------
// "<processing>  <step>"
void status_processing_step(UpdateRun& run, LanguageText step);
// "<processing>"
void status_processing(UpdateRun& run);
// "<failure>. <reason><tag>"
void status_failure(UpdateRun& run, LanguageText reason, std::string_view tag = {});
// "<failure>"
void status_failure_alone(UpdateRun& run);
// "<failure>. <the loader's message in the language><tag>"
void status_loader_message(UpdateRun& run, std::string_view message, std::string_view tag = {});
// A firmware file its loader rejected: updateRestoreError 3 and "<failure>. <the loader's message>"
// in each language (a message the texts do not know stands as it is).
void fail_loading(UpdateRun& run, std::string_view message);
// "<failure>. <reason>. Try again.<tag>"
void status_failure_try_again(UpdateRun& run, LanguageText reason, std::string_view tag);
// "<failure>. <reason> <tag>. Try again.": the camera stages' form, the tag before "Try again".
void status_failure_tagged_try_again(UpdateRun& run, LanguageText reason, std::string_view tag);
// "<message>": one message alone, neither processing nor failure text before it.
void status_message(UpdateRun& run, LanguageText message);

// ---- Shared steps ------------------------------------------------------------------------------
// Steps 1 and 2: both slots closed first (unless the path keeps them), then the run's opener; the
// device it finds first must report the id it was recognized under. Otherwise updateRestoreError 2.
bool open_recognized_device(UpdateRun& run, bool close_first = true);
// The same once the run is under way (device_identity.h): both slots closed, then the headset being
// updated opened again, any other device passed over. Otherwise updateRestoreError 2, the
// not-recognized text and `tag`.
bool reopen_recognized_device(UpdateRun& run, std::string_view tag = {});
// The headsets with a module: the version the headset answers (1.0.0.0 when it does not) must be
// the module-01 version of the record. Otherwise updateRestoreError 2, as a device not recognized.
bool check_version_identity(UpdateRun& run);
// The same for one module of a headset of two: the version the module in `slot` answers (1.0.0.0
// when it does not) must be `recorded`.
bool check_version_identity(UpdateRun& run, int slot, const FirmwareQuad& recorded);
// A headset of two modules has the second one in link slot 1, which the run's opener fills. An
// empty slot ends the run as a device not recognized (updateRestoreError 2), before any command:
// the second module's version would read as the default, and its writes would fail after the
// first module was erased.
bool check_second_module_open(UpdateRun& run);
// Step 3, then the entries the path will read checked by the run's container view (inside the
// file, digests matching), which takes the file; marker 1 whatever the result. Otherwise
// updateRestoreError 3 with the loader's message, "Firmware corrupted" for an entry that fails.
bool load_firmware(UpdateRun& run, std::span<const EntryNeed> entries);
// Step 4: in update mode, the settings backup, and the question when it cannot be written.
bool back_up_settings(UpdateRun& run);
// Steps 5 and 6: marker 2, the processing text, the pacing fields cleared, updateRestoreError 1,
// then the marker the transfer starts with (4, unless the path's first phase says otherwise).
void begin_transfer(UpdateRun& run, int marker = 4);
// A phase of the path's own between the transfer's start and the ending: its marker, and the timer's
// counter cleared so that the bar is paced afresh.
void enter_phase(UpdateRun& run, int marker);
// Steps 1 to 6 in order.
bool run_shared_steps(UpdateRun& run, std::span<const EntryNeed> entries, bool close_first = true);
// Steps 1 and 2, the version identity check, then steps 3 to 6.
bool run_shared_steps_checking_version(UpdateRun& run, std::span<const EntryNeed> entries);
// Step 7: both slots closed, the trace line (none when empty), updateRestoreError 0, marker 99, a
// second, 100 %.
void succeed(UpdateRun& run, std::string_view trace_line);

// ---- Message boxes the worker waits for ----------------------------------------------------------
// Marks the box open, opens it, and blocks until the user has answered.
void open_box_and_wait(UpdateRun& run, const std::string& message, bool warning, const std::string& ok, int size,
                       int purpose);

// ---- Boxes the worker opens and closes itself ------------------------------------------------------
// An instruction for the user while the worker polls the device: warning, no buttons, purpose
// kBoxInstruction. Opened only when no box of the run is up (the flag is clear); the flag is set
// before it opens, and its number kept in run.box.
void open_instruction_box(UpdateRun& run, const std::string& text, int size = 0);
// When the flag is set: closes the box open_instruction_box opened (none after
// mark_box_without_box) and clears the flag.
void close_instruction_box(UpdateRun& run);
// The flag alone, for a step that behaves as if its box were up without showing one: with no box
// number kept, neither close_instruction_box nor the run's ending closes a box someone else opened.
// A box the worker opened and left up is closed first.
void mark_box_without_box(UpdateRun& run);

} // namespace kivo
