#include "update/engine/hid/kept_report.h"

#include <algorithm>

#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "update/engine/container_view.h"
#include "update/engine/hid/hid_image.h"

namespace kivo {
namespace {

constexpr size_t kCodeAt = 1;
constexpr size_t kParameterAt = 2;
constexpr size_t kLengthAt = 2;
constexpr size_t kBlockDataAt = 4;

} // namespace

void KeptReport::write_code(uint8_t code)
{
    report_[0] = kHidReportId;
    report_[kCodeAt] = code;
}

bool KeptReport::command(int slot, uint8_t code, std::optional<uint8_t> parameter, HidStatusReport* answer)
{
    write_code(code);
    if (parameter)
        report_[kParameterAt] = *parameter;
    HidStatusReport own{};
    return hid_command(slot, report_, answer != nullptr ? *answer : own) == 1;
}

bool KeptReport::block(int slot, std::span<const uint8_t> data)
{
    const size_t n = std::min(data.size(), kHidMaxBlockLength);
    write_code(COMMAND_WRITE_BLOCK);
    report_[kLengthAt] = static_cast<uint8_t>(n >> 8);
    report_[kLengthAt + 1] = static_cast<uint8_t>(n & 0xFF);
    std::copy_n(data.begin(), n, report_.begin() + kBlockDataAt);
    if (hid_send_report(slot, report_) != 1) {
        system_logf("block not sent, slot %d", slot);
        return false;
    }
    if (hid_wait_status(slot) != 1) {
        system_logf("block not taken, slot %d", slot);
        return false;
    }
    return true;
}

bool write_kept_image(UpdateRun& run, KeptReport& report, const ContainerEntry& image, int slot)
{
    system_logf("block %u, image %u: %zu bytes, slot %d", image.number, image.imageId(), image.data.size(), slot);
    bool written = report.command(slot, COMMAND_ERASE, image.imageId());
    for (size_t sent = 0; written && sent < image.data.size(); sent += kHidMaxBlockLength)
        written = report.block(slot, image.data.subspan(sent, std::min(image.data.size() - sent, kHidMaxBlockLength)));
    written = written && report.command(slot, COMMAND_VERIFY);
    if (!written)
        status_cannot_get_status(run, nullptr);
    return written;
}

} // namespace kivo
