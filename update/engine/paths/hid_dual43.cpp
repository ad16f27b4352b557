// The dual-version headsets: two modules, each behind a HID interface of its own (link slots 0 and
// 1), both running the versions recognized. Each block of the file goes to the module its block
// number names, over a command report that is not cleared between commands; the loaders of the
// main blocks start and the headset restarts on its own.

#include <vector>

#include "link/hid_protocol.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/hid/kept_report.h"
#include "update/engine/hid/two_module_write.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr EntryNeed kEveryBlock[] = {{ContainerTable::Block, kEveryEntry}};

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"}, {2, "settings backed up"}, {4, "blocks being written"},
    {86, "headset restarting"},  {99, "update written"},
};

void run_hid_dual43(UpdateRun& run)
{
    if (!open_recognized_device(run) || !check_second_module_open(run) ||
        !check_version_identity(run, 0, run.in.data.deviceVersion01()) ||
        !check_version_identity(run, 1, run.in.data.deviceVersion02()) || !load_firmware(run, kEveryBlock) ||
        !back_up_settings(run))
        return;
    begin_transfer(run);
    std::vector<const ContainerEntry*> blocks;
    for (int i = 0; i < run.container.count(); ++i)
        blocks.push_back(run.container.block(i));
    // The version commands before it wrote bytes 0 and 1 of a zero report only: the kept report
    // starts from the same bytes.
    KeptReport report;
    const TwoModuleWire wire{
        [&](const ContainerEntry& block, int slot) { return write_kept_image(run, report, block, slot); },
        [&](int slot) {
            if (report.command(slot, RUN_LOADER, 0))
                return true;
            status_cannot_get_status(run, nullptr);
            return false;
        },
    };
    if (!write_two_modules(run, blocks, wire))
        return;
    succeed(run, "");
}

} // namespace

const TransferPath kHidDual43Path{"HidDual43", run_hid_dual43, kPhases};

} // namespace kivo
