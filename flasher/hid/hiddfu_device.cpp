// The exchanges with the device: status queries and waits, block reports, request 0xFF and the
// command-and-wait exchange.

#include "flasher/hid/hiddfu.h"

#include <algorithm>
#include <array>

#include "common/clock.h"
#include "link/hid_protocol.h"
#include "link/link_trace.h"

using kivo::link_trace;

namespace {

constexpr uint8_t kRequestFf = 0xFF;
// A status answer must reach its state byte.
constexpr int kStatusAnswerMinimum = 6;

// The poll time-out as the waits honour it.
long long bounded_poll_timeout_ms(const HidDfuSession& session)
{
    return static_cast<long long>(std::min<uint64_t>(session.poll_timeout_ms, kHidDfuPollTimeoutLimitMs));
}

// Queries until the device answers. A failed query is tried again after a short pause until the
// failures have lasted the poll time-out, or not at all in a final wait.
bool query_until_answered(HidDfuSession& session, bool final, HidDfuStatusCode& status, HidDfuStateCode& state)
{
    const kivo::Duration first = kivo::clock_now();
    while (hiddfu_get_status(session, status, state) != HIDDFU_OK) {
        if (final || kivo::elapsed_ms(first) >= bounded_poll_timeout_ms(session))
            return false;
        kivo::sleep_ms(kHidDfuStatusRetryPauseMs);
    }
    return true;
}

} // namespace

int hiddfu_get_status(HidDfuSession& session, HidDfuStatusCode& status, HidDfuStateCode& state)
{
    std::array<uint8_t, kHidDfuStatusReportSize> report{};
    report[0] = kHidDfuStatusReportId;
    // A short answer would leave status and state to the zeros preset here, and read as success.
    if (hid_get_feature_report(session.device, report.data(), report.size()) < kStatusAnswerMinimum) {
        link_trace("failed to get status\n");
        return HIDDFU_TRANSFER_FAILED;
    }
    status = static_cast<HidDfuStatusCode>(report[1]);
    session.poll_timeout_ms = uint64_t{report[2]} | uint64_t{report[3]} << 8 | uint64_t{report[4]} << 16;
    state = static_cast<HidDfuStateCode>(report[5]);
    return HIDDFU_OK;
}

int hiddfu_wait_status(HidDfuSession& session, bool final)
{
    if (final)
        kivo::sleep_ms(bounded_poll_timeout_ms(session));
    const kivo::Duration start = kivo::clock_now();
    HidDfuStatusCode status = HidDfuStatusCode::Ok;
    HidDfuStateCode state = HidDfuStateCode::AppIdle;
    if (!query_until_answered(session, final, status, state))
        return HIDDFU_TRANSFER_FAILED;
    // Still busy with the block: give it the rest of the time it asked for, once.
    if (!final && status == HidDfuStatusCode::Ok && state == HidDfuStateCode::DnBusy) {
        const long long left = bounded_poll_timeout_ms(session) - kivo::elapsed_ms(start);
        if (left > 0)
            kivo::sleep_ms(left);
        if (!query_until_answered(session, final, status, state))
            return HIDDFU_TRANSFER_FAILED;
    }
    if (status == HidDfuStatusCode::ErrFirmware)
        return HIDDFU_DEVICE_ERROR;
    if (status == HidDfuStatusCode::Ok &&
        (state == HidDfuStateCode::AppIdle || state == HidDfuStateCode::DfuIdle ||
         state == HidDfuStateCode::DnloadIdle))
        return HIDDFU_OK;
    link_trace("\nstatus %d / state = %d\n", static_cast<int>(status), static_cast<int>(state));
    return HIDDFU_UNEXPECTED_STATUS;
}

int hiddfu_send_block(hid_device* device, size_t largest_data, std::span<uint8_t> report, int32_t& remaining,
                      uint16_t& block)
{
    if (report.size() < kHidDfuBlockHeaderSize) {
        link_trace("SetFeature error\n");
        return HIDDFU_TRANSFER_FAILED;
    }
    const size_t room = report.size() - kHidDfuBlockHeaderSize;
    const size_t length = remaining > 0 ? std::min({static_cast<size_t>(remaining), largest_data, room}) : 0;
    report[0] = kHidDfuBlockReportId;
    report[1] = kHidDfuDownloadRequest;
    report[2] = static_cast<uint8_t>(block);
    report[3] = static_cast<uint8_t>(block >> 8);
    report[4] = static_cast<uint8_t>(length);
    report[5] = static_cast<uint8_t>(length >> 8);
    if (hid_send_feature_report(device, report.data(), report.size()) < 0) {
        link_trace("SetFeature error\n");
        return HIDDFU_TRANSFER_FAILED;
    }
    remaining -= static_cast<int32_t>(length);
    ++block;
    return HIDDFU_OK;
}

int hiddfu_send_control_ff(hid_device* device)
{
    const uint8_t report[] = {kHidDfuRequestReportId, kRequestFf};
    return hid_send_feature_report(device, report, sizeof report) < 0 ? HIDDFU_REQUEST_FF_FAILED : HIDDFU_OK;
}

uint32_t hiddfu_image_length(std::span<const uint8_t> image)
{
    constexpr size_t at = 10;
    if (image.size() < at + 4)
        return 0;
    return uint32_t{image[at]} | uint32_t{image[at + 1]} << 8 | uint32_t{image[at + 2]} << 16 |
        uint32_t{image[at + 3]} << 24;
}

int hiddfu_write_and_wait(hid_device* device, const HidCommandReport& command_report, HidStatusReport& status_report)
{
    const kivo::Duration start = kivo::clock_now();
    status_report[2] = kHidStatusUnread;
    if (hid_write(device, command_report.data(), command_report.size()) < 0)
        return 0;
    if (hid_read_timeout(device, status_report.data(), status_report.size(), kHidReportTimeoutMs) <= 0)
        return 0;
    while (status_report[2] == kHidStatusBusy) {
        if (kivo::elapsed_ms(start) >= kHidExchangeTimeoutMs)
            return 0;
        // A read that fails or times out leaves "unread" behind, which ends the wait as a failure.
        status_report[2] = kHidStatusUnread;
        hid_read_timeout(device, status_report.data(), status_report.size(), kHidReportTimeoutMs);
    }
    return status_report[2] == kHidStatusSuccess ? 1 : 0;
}
