#include "link/hid_protocol.h"

#include <algorithm>
#include <cstring>

#include "common/clock.h"
#include "link/hid_slots.h"
#include "link/link_trace.h"

using kivo::link_trace;

namespace {

hid_device* open_slot(int slot)
{
    hid_device* dev = hid_slot(slot);
    if (dev == nullptr)
        link_trace("hid slot[%d] not open\n", slot);
    return dev;
}

int write_report(hid_device* dev, std::span<const uint8_t> report)
{
    return hid_write(dev, report.data(), report.size()) < 0 ? 0 : 1;
}

// One status report read, bounded; the buffer is cleared and its status byte preset first, so a
// failed or empty read leaves "unread" behind. Returns hidapi's result (0: nothing arrived).
int read_status(hid_device* dev, std::span<uint8_t> status)
{
    std::fill(status.begin(), status.end(), 0);
    status[2] = kHidStatusUnread;
    return hid_read_timeout(dev, status.data(), status.size(), kHidReportTimeoutMs);
}

// Protocols A and C: reads status reports until the device is no longer busy. Only the first
// read's result counts; a later failed read leaves "unread", which ends the wait as a failure.
bool wait_not_busy(hid_device* dev, std::span<uint8_t> status)
{
    if (read_status(dev, status) <= 0)
        return false;
    const kivo::Duration start = kivo::clock_now();
    while (status[2] == kHidStatusBusy) {
        if (kivo::elapsed_ms(start) >= kHidExchangeTimeoutMs) {
            link_trace("hid status busy timeout(%d ms)\n", kHidExchangeTimeoutMs);
            return false;
        }
        read_status(dev, status);
    }
    return true;
}

int wait_status(int slot, std::span<uint8_t> status)
{
    hid_device* dev = open_slot(slot);
    if (dev == nullptr || !wait_not_busy(dev, status))
        return 0;
    return status[2] == kHidStatusSuccess ? 1 : 0;
}

int exchange(int slot, std::span<const uint8_t> report, std::span<uint8_t> status, bool trace)
{
    hid_device* dev = open_slot(slot);
    if (dev == nullptr)
        return 0;
    status[2] = kHidStatusUnread;
    if (write_report(dev, report) == 0)
        return 0;
    if (!wait_not_busy(dev, status))
        return 0;
    if (trace)
        link_trace("com[%d] lsatcom[%d] status[%d]\n", report[1], status[1], status[2]);
    return status[2] == kHidStatusSuccess ? 1 : 0;
}

void swap_words(std::span<uint8_t> report, size_t count_at)
{
    const size_t first = count_at + 1;
    const size_t fit = (report.size() - first) / 2;
    const size_t count = std::min<size_t>(report[count_at], fit);
    for (size_t i = 0; i < count; ++i)
        std::swap(report[first + 2 * i], report[first + 2 * i + 1]);
}

enum class Gathered { Complete, Overlong, TimedOut };

// Gathers one protocol B answer of `expected` bytes from chunk reports polled every interval_ms,
// at most `polls` times. Chunks go to answer byte 2 onward, the count to byte 1.
Gathered gather_answer(hid_device* dev, std::span<uint8_t> answer, int expected, int polls, int interval_ms,
                       bool trace_timeout)
{
    kivo::sleep_ms(interval_ms);
    if (polls < 1) {
        link_trace("hid read input report timeout(%d:%d)\n", 0, polls);
        return Gathered::TimedOut;
    }
    int count = 0;
    for (int poll = 0; poll < polls; ++poll) {
        if (poll > 0)
            kivo::sleep_ms(interval_ms);
        HidChunkReport chunk{};
        chunk[0] = kHidChunkReportId;
        hid_get_input_report(dev, chunk.data(), chunk.size());
        // The length byte comes from the device: never take more than a chunk holds.
        const int length = std::min<int>(chunk[1], kHidMaxChunkLength);
        if (length == 0)
            continue;
        if (count == 0)
            answer[0] = chunk[0];
        const size_t at = 2 + static_cast<size_t>(count);
        if (at < answer.size())
            std::memcpy(&answer[at], &chunk[2], std::min<size_t>(length, answer.size() - at));
        count += length;
        answer[1] = static_cast<uint8_t>(std::min(count, 0xFF));
        if (count >= expected) {
            if (count == expected)
                return Gathered::Complete;
            link_trace("read input report: rest of data length abnormal(cmd[0x%02x] data_length[%d:%d:%d:%d])\n",
                       answer[2], expected, length, expected - count, count);
            return Gathered::Overlong;
        }
    }
    if (trace_timeout)
        link_trace("hid read input report timeout(%d:%d)\n", polls, polls);
    return Gathered::TimedOut;
}

// Clears the first 62 bytes of a protocol B answer and presets its status byte.
bool reset_answer(std::span<uint8_t> answer)
{
    if (answer.size() < kHidShortReportSize)
        return false;
    std::fill_n(answer.begin(), kHidShortReportSize, 0);
    answer[3] = kHidStatusUnread;
    return true;
}

bool report_id_valid(std::span<const uint8_t> answer)
{
    if (answer[0] == kHidChunkReportId)
        return true;
    link_trace("Invalid report id %d \n", answer[0]);
    return false;
}

} // namespace

int hid_send_report(int slot, const HidCommandReport& report)
{
    hid_device* dev = open_slot(slot);
    return dev == nullptr ? 0 : write_report(dev, report);
}

int hid_wait_status(int slot)
{
    HidStatusReport status{};
    return wait_status(slot, status);
}

int hid_command(int slot, const HidCommandReport& report, HidStatusReport& status)
{
    return exchange(slot, report, status, true);
}

void hid_swap_words_a(HidCommandReport& report) { swap_words(report, 3); }

void hid_swap_words_b(HidStatusReport& status) { swap_words(status, 4); }

int hid_send_report62(int slot, HidShortCommandReport& report)
{
    hid_device* dev = open_slot(slot);
    if (dev == nullptr)
        return 0;
    report[1] = kHidShortPayloadLength;
    return write_report(dev, report);
}

int hid_read_response(int slot, std::span<uint8_t> answer, int polls)
{
    hid_device* dev = open_slot(slot);
    if (dev == nullptr || answer.size() < kHidShortReportSize)
        return 0;
    const int expected = answer[1];
    if (gather_answer(dev, answer, expected, polls, 1, true) != Gathered::Complete)
        return 0;
    if (!report_id_valid(answer))
        return 0;
    return answer[3] == kHidStatusSuccess ? 1 : 0;
}

int hid_command62(int slot, HidShortCommandReport& report, std::span<uint8_t> answer, int timeout_ms)
{
    hid_device* dev = open_slot(slot);
    if (dev == nullptr || answer.size() < kHidShortReportSize)
        return 0;
    const int expected = answer[1];
    reset_answer(answer);
    report[1] = kHidShortPayloadLength;
    if (write_report(dev, report) == 0)
        return 0;

    const kivo::Duration start = kivo::clock_now();
    int polls = timeout_ms / 5;
    for (;;) {
        if (gather_answer(dev, answer, expected, polls, 5, true) != Gathered::Complete)
            return 0;
        if (!report_id_valid(answer))
            return 0;
        if (answer[2] != report[2]) {
            link_trace("Invalid command (command_report->command: %d, status_response->last_command: %d) \n", report[2],
                       answer[2]);
            return 0;
        }
        if (answer[3] != kHidStatusBusy)
            return answer[3] == kHidStatusSuccess ? 1 : 0;
        // Busy: the device sends the whole answer again when it is done; nothing is resent.
        if (kivo::elapsed_ms(start) >= kHidExchangeTimeoutMs) {
            link_trace("hid status busy timeout(%d ms)\n", kHidExchangeTimeoutMs);
            return 0;
        }
        reset_answer(answer);
        polls = kHidBusyRegatherPolls;
    }
}

int hid_command_by_table(int slot, HidShortCommandReport& report, std::span<uint8_t> answer)
{
    hid_device* dev = open_slot(slot);
    if (dev == nullptr || answer.size() < kHidShortReportSize)
        return 0;
    for (const HidResponseLength& entry : HidResponseLengthTable) {
        if (entry.command != report[2])
            continue;
        report[1] = kHidShortPayloadLength;
        reset_answer(answer);
        if (write_report(dev, report) == 0)
            return 0;
        const int expected = static_cast<int>(entry.data_length) + 2;
        switch (gather_answer(dev, answer, expected, kHidTablePolls, 1, false)) {
        case Gathered::Complete: return 1;
        case Gathered::TimedOut: return 0;
        case Gathered::Overlong: break; // the next entry for this command expects a longer answer
        }
    }
    return 0;
}

int hid_send_report65(int slot, const HidCommandReport65& report)
{
    hid_device* dev = open_slot(slot);
    return dev == nullptr ? 0 : write_report(dev, report);
}

int hid_wait_status65(int slot)
{
    HidCommandReport65 status{};
    return wait_status(slot, status);
}

int hid_command65(int slot, const HidCommandReport65& report, HidCommandReport65& status)
{
    return exchange(slot, report, status, false);
}

int hid_close_devices()
{
    for (int slot = 0; slot < kHidSlotCount; ++slot) {
        if (hid_device* dev = hid_slot(slot)) {
            hid_close(dev);
            hid_set_slot(slot, nullptr);
        }
    }
    return hid_exit();
}
