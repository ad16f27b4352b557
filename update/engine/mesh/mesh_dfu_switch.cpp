#include "update/engine/mesh/mesh_dfu_switch.h"

#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "update/engine/hid/hid_image.h"

namespace kivo {
namespace {

constexpr char kReadyExchangeTag[] = "[01][qm]";
constexpr char kNotReadyTag[] = "[02][qm]";
constexpr char kSwitchTag[] = "[1][50]";

// Answer byte 3 of the ready-state command: 0 when the headset is ready for the switch.
constexpr size_t kReadinessAt = 3;

bool headset_ready(UpdateRun& run)
{
    HidStatusReport answer{};
    if (hid_command(0, hid_request(COMMAND_READY_STATE), answer) != 1) {
        status_cannot_get_status(run, kReadyExchangeTag);
        return false;
    }
    if (answer[kReadinessAt] != 0) {
        system_logf("ready state %d", answer[kReadinessAt]);
        status_cannot_get_status(run, kNotReadyTag);
        return false;
    }
    return true;
}

} // namespace

bool switch_to_mesh_dfu(UpdateRun& run, bool ask_ready)
{
    return (!ask_ready || headset_ready(run)) && hid_step(run, MESH_DFU_COMMAND_QCC, 0, kSwitchTag);
}

} // namespace kivo
