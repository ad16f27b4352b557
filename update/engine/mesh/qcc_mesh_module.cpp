#include "update/engine/mesh/qcc_mesh_module.h"

#include <algorithm>

#include "common/clock.h"
#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "update/engine/hid/hid_image.h"

namespace kivo {
namespace {

constexpr size_t kChunkLengthAt = 3;
constexpr size_t kChunkDataAt = 4;
constexpr int kPauseAfterRunLoaderMs = 5000;

constexpr char kEraseTag[] = "[M][0]";
constexpr char kChunkSendTag[] = "[M][1]";
constexpr char kChunkStatusTag[] = "[M][2]";
constexpr char kVerifyTag[] = "[M][3]";
constexpr char kRunLoaderTag[] = "[M][4]";
constexpr char kNotBackTag[] = "[M][5]";

// One command over 65-byte reports (byte 2 = 0).
bool step65(UpdateRun& run, uint8_t code, const char* tag)
{
    HidCommandReport65 answer{};
    if (hid_command65(0, hid_request65(code), answer) == 1)
        return true;
    status_cannot_get_status(run, tag);
    return false;
}

HidCommandReport65 chunk_report(std::span<const uint8_t> chunk)
{
    HidCommandReport65 report = hid_request65(COMMAND_WRITE_BLOCK);
    report[kChunkLengthAt] = static_cast<uint8_t>(chunk.size());
    std::copy(chunk.begin(), chunk.end(), report.begin() + kChunkDataAt);
    return report;
}

bool send_chunks(UpdateRun& run, std::span<const uint8_t> module)
{
    for (size_t sent = 0; sent < module.size();) {
        const std::span<const uint8_t> chunk =
            module.subspan(sent, std::min(module.size() - sent, kQccMeshChunkLength));
        if (hid_send_report65(0, chunk_report(chunk)) != 1) {
            status_cannot_get_status(run, kChunkSendTag);
            return false;
        }
        if (hid_wait_status65(0) != 1) {
            status_cannot_get_status(run, kChunkStatusTag);
            return false;
        }
        sent += chunk.size();
    }
    return true;
}

// Each try is closed at once, found or not: the headset is opened next.
bool module_back()
{
    const SoughtDevice module = qcc_mesh_module();
    PassedOver passed;
    for (int tries = 1; tries <= kQccModuleBackTries; ++tries) {
        const bool back = open_sought(module, passed);
        hid_close_devices();
        if (back) {
            system_logf("qcc mesh module back at try %d", tries);
            return true;
        }
        sleep_ms(kPollIntervalMs);
    }
    system_logf("qcc mesh module not back after %d tries", kQccModuleBackTries);
    return false;
}

} // namespace

bool write_qcc_mesh_module(UpdateRun& run, std::span<const uint8_t> module)
{
    // What the module makes of the no-op is not looked at: a failure is only traced.
    HidCommandReport65 answer{};
    if (hid_command65(0, hid_request65(COMMAND_NOP), answer) != 1)
        system_log("qcc mesh module: COMMAND_NOP failed");
    system_logf("qcc mesh module: %zu bytes", module.size());
    if (!step65(run, COMMAND_ERASE, kEraseTag) || !send_chunks(run, module) ||
        !step65(run, COMMAND_VERIFY, kVerifyTag) || !step65(run, RUN_LOADER, kRunLoaderTag))
        return false;
    hid_close_devices();
    sleep_ms(kPauseAfterRunLoaderMs);
    if (module_back())
        return true;
    status_cannot_get_status(run, kNotBackTag);
    return false;
}

} // namespace kivo
