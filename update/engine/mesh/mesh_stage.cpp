#include "update/engine/mesh/mesh_stage.h"

#include <algorithm>

#include "common/clock.h"
#include "common/system_log.h"
#include "device/device_data.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/mesh/crc16.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"
#include "update/engine/try_budget.h"

namespace kivo {
namespace {

constexpr uint8_t kCrcLength = 2;
constexpr size_t kChunkDataAt = 4;
constexpr MeshVersion kCrcThreshold{1, 0, 2, 1, 0};

constexpr int kPauseAfterSwitchMs = 5000;
constexpr int kPauseAfterModuleRunLoaderMs = 10'000;
constexpr int kPauseAfterSecondSwitchMs = 3000;
// A chunk goes out and is checked in three exchanges (the chunk, its status, its CRC): a module that
// answers in time takes this a send.
constexpr long long kChunkSendTryMs = 3 * kAnswerInTimeMs;

// A command whose failure is only traced.
void traced_command(uint8_t code, const char* name)
{
    HidStatusReport answer{};
    if (hid_command(0, hid_request(code), answer) != 1)
        system_logf("%s failed", name);
}

MeshVersion read_mesh_version()
{
    MeshVersion version;
    HidStatusReport answer{};
    if (hid_command(0, hid_request(COMMAND_GET_VERSION), answer) == 1)
        version = {answer[3], answer[4], answer[5], answer[6], answer[7]};
    system_logf("mesh version %d.%d.%d.%d build %d", version.major, version.minor, version.secondaryType,
                version.secondary, version.build);
    return version;
}

bool send_chunk(UpdateRun& run, std::span<const uint8_t> chunk, const char* send_tag, const char* status_tag)
{
    if (hid_send_report(0, mesh_chunk_report(chunk)) != 1) {
        status_cannot_get_status(run, send_tag);
        return false;
    }
    if (hid_wait_status(0) != 1) {
        status_cannot_get_status(run, status_tag);
        return false;
    }
    return true;
}

// Each chunk is followed by its CRC; a refused chunk goes again from the same offset, within the
// count of refusals and the clock time of as many sends answered in time. After the last chunk the
// all-CRC over every accepted chunk; a refused one starts the next pass afresh.
bool write_checked(UpdateRun& run, std::span<const uint8_t> module, const MeshStageTags& tags)
{
    for (int pass = 1; pass <= kCheckedWritePasses; ++pass) {
        uint16_t all_crc = 0;
        int refusals = 0;
        TryBudget sends(kChunkCrcRefusalBound, kChunkSendTryMs);
        for (size_t sent = 0; sent < module.size();) {
            const std::span<const uint8_t> chunk = mesh_chunk_at(module, sent);
            if (!send_chunk(run, chunk, tags.checkedChunkSend, tags.checkedChunkStatus))
                return false;
            HidStatusReport answer{};
            if (hid_command(0, mesh_crc_report(kMeshChunkCrcCommand, crc16_xmodem(chunk)), answer) == 1) {
                all_crc = crc16_xmodem(chunk, all_crc);
                sent += chunk.size();
                refusals = 0;
                sends = TryBudget(kChunkCrcRefusalBound, kChunkSendTryMs);
                continue;
            }
            system_logf("chunk CRC at %zu refused", sent);
            if (++refusals == kChunkCrcRefusalBound || !sends.left()) {
                system_logf("chunk at %zu given up after %d refusals", sent, refusals);
                status_cannot_get_status(run, tags.checkedPasses);
                return false;
            }
        }
        HidStatusReport answer{};
        if (hid_command(0, mesh_crc_report(COMMAND_ALL_CRC_READ, all_crc), answer) == 1)
            return true;
        system_logf("all-CRC pass %d refused", pass);
    }
    status_cannot_get_status(run, tags.checkedPasses);
    return false;
}

bool write_plain(UpdateRun& run, std::span<const uint8_t> module, const MeshStageTags& tags)
{
    for (size_t sent = 0; sent < module.size();) {
        const std::span<const uint8_t> chunk = mesh_chunk_at(module, sent);
        if (!send_chunk(run, chunk, tags.chunkSend, tags.chunkStatus))
            return false;
        sent += chunk.size();
    }
    return true;
}

bool find_module(UpdateRun& run, int attempts, const char* tag)
{
    if (search_device(vantor_mesh_module(), attempts))
        return true;
    status_not_found(run, tag);
    return false;
}

bool find_headset(UpdateRun& run, const char* tag)
{
    if (search_device(updated_headset(run), kHeadsetSearchAttempts))
        return true;
    status_not_found(run, tag);
    return false;
}

// Steps 1 to 8: from the switch to the module written and verified.
bool write_module(UpdateRun& run, std::span<const uint8_t> module, const MeshStageTags& tags)
{
    if (!hid_step(run, MESH_DFU_COMMAND_VANTOR, 0, tags.meshSwitch))
        return false;
    sleep_ms(kPauseAfterSwitchMs);
    system_log("mesh module search");
    hid_close_devices();
    if (!find_module(run, kModuleSearchAttempts, tags.moduleNotFound))
        return false;
    const MeshVersion version = read_mesh_version();
    if (!hid_step(run, COMMAND_ERASE, 0, tags.erase))
        return false;
    const bool checked = mesh_write_checked(version);
    system_logf("mesh module: %zu bytes, %s write", module.size(), checked ? "CRC-checked" : "plain");
    if (!(checked ? write_checked(run, module, tags) : write_plain(run, module, tags)))
        return false;
    return hid_step(run, COMMAND_VERIFY, 0, tags.verify);
}

} // namespace

bool mesh_write_checked(const MeshVersion& v)
{
    const MeshVersion& t = kCrcThreshold;
    return KIVOBluetoothDeviceData::
               compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_ForLumora(
                   v.major, v.minor, v.secondaryType, v.secondary, t.major, t.minor, t.secondaryType, t.secondary,
                   false) >= 0;
}

HidCommandReport mesh_chunk_report(std::span<const uint8_t> chunk)
{
    HidCommandReport report = hid_request(COMMAND_WRITE_BLOCK);
    report[3] = static_cast<uint8_t>(chunk.size());
    std::copy(chunk.begin(), chunk.end(), report.begin() + kChunkDataAt);
    return report;
}

HidCommandReport mesh_crc_report(uint8_t code, uint16_t crc)
{
    HidCommandReport report = hid_request(code);
    report[3] = kCrcLength;
    report[4] = static_cast<uint8_t>(crc & 0xFF);
    report[5] = static_cast<uint8_t>(crc >> 8);
    return report;
}

std::span<const uint8_t> mesh_chunk_at(std::span<const uint8_t> image, size_t sent)
{
    return image.subspan(sent, std::min(image.size() - sent, kMeshChunkLength));
}

bool write_mesh_module(UpdateRun& run, std::span<const uint8_t> module, const MeshStageTags& tags)
{
    if (!write_mesh_module_keeping_module(run, module, tags))
        return false;
    system_log("mesh module back");
    hid_close_devices();
    system_log("headset search");
    return find_headset(run, tags.headsetAtEnd);
}

bool write_mesh_module_keeping_module(UpdateRun& run, std::span<const uint8_t> module, const MeshStageTags& tags)
{
    if (!write_module(run, module, tags))
        return false;

    // The headset holds its power while the module starts its new image.
    hid_close_devices();
    system_log("headset search after the module write");
    if (!find_headset(run, tags.headsetAfterWrite))
        return false;
    traced_command(COMMAND_POWER_HOLD, "COMMAND_POWER_HOLD");
    system_log("mesh module search for its run loader");
    hid_close_devices();
    if (!find_module(run, kModuleSearchAttempts, tags.moduleForLoader) || !hid_step(run, RUN_LOADER, 0, tags.runLoader))
        return false;
    hid_close_devices();
    sleep_ms(kPauseAfterModuleRunLoaderMs);
    system_log("headset search after the module's run loader");
    if (!find_headset(run, tags.headsetAfterLoader))
        return false;
    traced_command(COMMAND_POWER_RELEASE, "COMMAND_POWER_RELEASE");

    // Switched over once more, the module runs its new image before the headset goes on.
    if (!hid_step(run, MESH_DFU_COMMAND_VANTOR, 0, tags.secondSwitch))
        return false;
    sleep_ms(kPauseAfterSecondSwitchMs);
    system_log("mesh module search after the second switch");
    hid_close_devices();
    return find_module(run, kModuleBackAttempts, tags.moduleBack);
}

} // namespace kivo
