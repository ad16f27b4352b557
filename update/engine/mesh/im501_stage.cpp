#include "update/engine/mesh/im501_stage.h"

#include "common/clock.h"
#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "update/engine/mesh/crc16.h"
#include "update/engine/mesh/mesh_stage.h"
#include "update/engine/try_budget.h"

namespace kivo {
namespace {

// A failed exchange is answered at once by a module that refuses it; one that keeps its exchanges
// waiting (silent, or busy for good) spends the link's bound on each. Six passes of such exchanges
// would hold the worker for up to an hour, so the passes end once the exchanges that failed have
// taken more than this for each pass begun. A module that answers in time, or refuses at once,
// gets every pass; a pass that writes the whole image takes as long as its chunks need.
constexpr long long kFailedExchangesMsPerPass = 4 * kAnswerInTimeMs;

// The clock time of the passes' failed exchanges, against what the passes begun allow.
class FailedTime {
public:
    // A pass begins: its allowance is added.
    void begin_pass() { allowedMs_ += kFailedExchangesMsPerPass; }
    // The exchange begun at `since` failed.
    void failed(Duration since) { spentMs_ += elapsed_ms(since); }
    bool spent() const { return spentMs_ > allowedMs_; }

private:
    long long allowedMs_ = 0;
    long long spentMs_ = 0;
};

// One chunk written and checked by its CRC; false at the first of the three that fails.
bool send_checked_chunk(std::span<const uint8_t> chunk)
{
    HidStatusReport answer{};
    return hid_send_report(0, mesh_chunk_report(chunk)) == 1 && hid_wait_status(0) == 1 &&
        hid_command(0, mesh_crc_report(kMeshChunkCrcCommand, crc16_xmodem(chunk)), answer) == 1;
}

enum class PassEnd { Refused, AcceptedPart, AcceptedWhole };

// One pass: its chunks until the first that fails, then the all-CRC of those that got through
// (none once the failed exchanges have taken their time: the passes end).
PassEnd write_pass(std::span<const uint8_t> image, int pass, FailedTime& failed_time)
{
    uint16_t all_crc = 0;
    size_t sent = 0;
    while (sent < image.size()) {
        const std::span<const uint8_t> chunk = mesh_chunk_at(image, sent);
        const Duration began = clock_now();
        if (!send_checked_chunk(chunk)) {
            failed_time.failed(began);
            system_logf("iM501 pass %d: chunk at %zu failed", pass, sent);
            break;
        }
        all_crc = crc16_xmodem(chunk, all_crc);
        sent += chunk.size();
    }
    if (failed_time.spent())
        return PassEnd::Refused;
    HidStatusReport answer{};
    const Duration began = clock_now();
    if (hid_command(0, mesh_crc_report(COMMAND_ALL_CRC_READ, all_crc), answer) != 1) {
        failed_time.failed(began);
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
    FailedTime failed_time;
    for (int pass = 1; pass <= kIm501Passes; ++pass) {
        failed_time.begin_pass();
        const PassEnd end = write_pass(image, pass, failed_time);
        if (end != PassEnd::Refused)
            return end == PassEnd::AcceptedWhole;
        if (failed_time.spent()) {
            system_logf("iM501: the module does not answer in time; passes given up after %d", pass);
            return false;
        }
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
