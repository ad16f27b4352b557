#include "update/engine/mesh/im501_stage.h"

#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "update/engine/mesh/crc16.h"
#include "update/engine/mesh/mesh_stage.h"

namespace kivo {
namespace {

// One chunk written and checked by its CRC; false at the first of the three that fails.
bool send_checked_chunk(std::span<const uint8_t> chunk)
{
    HidStatusReport answer{};
    return hid_send_report(0, mesh_chunk_report(chunk)) == 1 && hid_wait_status(0) == 1 &&
        hid_command(0, mesh_crc_report(kMeshChunkCrcCommand, crc16_xmodem(chunk)), answer) == 1;
}

enum class PassEnd { Refused, AcceptedPart, AcceptedWhole };

// One pass: its chunks until the first that fails, then the all-CRC of those that got through.
PassEnd write_pass(std::span<const uint8_t> image, int pass)
{
    uint16_t all_crc = 0;
    size_t sent = 0;
    while (sent < image.size()) {
        const std::span<const uint8_t> chunk = mesh_chunk_at(image, sent);
        if (!send_checked_chunk(chunk)) {
            system_logf("iM501 pass %d: chunk at %zu failed", pass, sent);
            break;
        }
        all_crc = crc16_xmodem(chunk, all_crc);
        sent += chunk.size();
    }
    HidStatusReport answer{};
    if (hid_command(0, mesh_crc_report(COMMAND_ALL_CRC_READ, all_crc), answer) != 1) {
        system_logf("iM501 pass %d: all-CRC refused", pass);
        return PassEnd::Refused;
    }
    if (sent < image.size()) {
        system_logf("iM501 pass %d: all-CRC accepted over %zu of %zu bytes", pass, sent, image.size());
        return PassEnd::AcceptedPart;
    }
    return PassEnd::AcceptedWhole;
}

// The passes end at the first all-CRC the module accepts; only a whole pass wrote the image.
bool write_passes(std::span<const uint8_t> image)
{
    for (int pass = 1; pass <= kIm501Passes; ++pass) {
        const PassEnd end = write_pass(image, pass);
        if (end != PassEnd::Refused)
            return end == PassEnd::AcceptedWhole;
    }
    system_logf("iM501: every pass of %d refused", kIm501Passes);
    return false;
}

} // namespace

bool write_im501(std::span<const uint8_t> image)
{
    system_log("iM501 update");
    system_logf("iM501 image: %zu bytes", image.size());
    HidStatusReport answer{};
    const bool erased = hid_command(0, hid_request(COMMAND_ERASE, kIm501Image), answer) == 1;
    if (!erased)
        system_log("iM501 erase failed");
    const bool written = write_passes(image);
    answer = {};
    const bool checked = hid_command(0, hid_request(COMMAND_IM501_FINAL_CHECK), answer) == 1 && answer[3] != 0;
    if (!checked)
        system_log("iM501 final check failed");
    return erased && written && checked;
}

} // namespace kivo
