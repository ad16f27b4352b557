// The headset of two modules, each behind a HID interface of its own (link slots 0 and 1): both
// modules must run the versions recognized; a headset of the newer hardware refuses firmware below
// its floor; each section goes to the module its type names, the loaders of the main sections
// start, and the headset restarts on its own.

#include <vector>

#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "text/app_text.h"
#include "update/engine/firmware_name_version.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/hid/two_module_write.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr EntryNeed kEverySection[] = {{ContainerTable::Section, kEveryEntry}};

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"}, {2, "settings backed up"}, {4, "sections being written"},
    {86, "headset restarting"},  {99, "update written"},
};

// The settings group whose first word names the hardware revision (after the byte swap, its low
// byte is answer byte 5), and the revisions that refuse firmware below the floor.
constexpr uint8_t kRevisionGroup = 5;
constexpr size_t kRevisionByte = 5;
constexpr uint8_t kRevisionsWithFloor[] = {0x1B, 0x10};
// The floor: 1.7 with third number 5 (the secondary type is not compared).
constexpr FirmwareQuad kFloor{1, 7, 2, 5};

// Whether the headset is of a revision with a floor: group 5 read on slot 0, tried twice; two
// failures skip the floor.
bool revision_with_floor()
{
    const HidCommandReport request = hid_request(COMMAND_READ_SETTINGS, kRevisionGroup);
    HidStatusReport answer{};
    if (hid_command(0, request, answer) != 1 && hid_command(0, request, answer) != 1) {
        system_log("revision unknown: no version floor");
        return false;
    }
    hid_swap_words_b(answer);
    for (const uint8_t revision : kRevisionsWithFloor)
        if (answer[kRevisionByte] == revision)
            return true;
    return false;
}

// The firmware must not be below the floor of the headset's revision, as far as its file name tells.
bool firmware_not_below_floor(UpdateRun& run)
{
    if (!revision_with_floor())
        return true;
    const std::optional<FirmwareNameVersion> version = firmware_name_version(run.in.firmwareFile);
    if (!version)
        return true;
    if (KIVOBluetoothDeviceData::
            downGradeBriskoEVOCompareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
                version->major, version->minor, kFloor.secondaryType, version->third, kFloor.major, kFloor.minor,
                kFloor.secondaryType, kFloor.secondary) >= 0)
        return true;
    system_logf("firmware %d.%d.%d below the floor", version->major, version->minor, version->third);
    run.shared.setUpdateRestoreError(1);
    status_message(run, AppText::tavk_cannot_update_briskoevo);
    return false;
}

// Each section on its module, as a cleared report.
bool write_section(UpdateRun& run, const ContainerEntry& section, int slot)
{
    HidImageWrite how;
    how.lastBlockOwnCommand = false;
    how.slot = slot;
    how.endAfterVerify = true;
    return write_hid_image(run, {section.imageId(), section.data}, kNoTags, how);
}

void run_hid4210(UpdateRun& run)
{
    if (!open_recognized_device(run) || !check_second_module_open(run) ||
        !check_version_identity(run, 0, run.in.data.deviceVersion01()) ||
        !check_version_identity(run, 1, run.in.data.deviceVersion02()) || !load_firmware(run, kEverySection) ||
        !firmware_not_below_floor(run) || !back_up_settings(run))
        return;
    begin_transfer(run);
    std::vector<const ContainerEntry*> sections;
    for (int i = 0; i < run.container.count(); ++i)
        sections.push_back(run.container.section(i));
    const TwoModuleWire wire{
        [&run](const ContainerEntry& section, int slot) { return write_section(run, section, slot); },
        [&run](int slot) { return hid_step(run, RUN_LOADER, 0, kNoTags.runLoader, slot); },
    };
    if (!write_two_modules(run, sections, wire))
        return;
    succeed(run, "--------4210 UPDATE END");
}

} // namespace

const TransferPath kHid4210Path{"Hid4210", run_hid4210, kPhases};

} // namespace kivo
