#pragma once
// The three HID report protocols over the two handle slots. Every exchange is synchronous, runs on
// the caller's worker thread and returns 1 for success and 0 for failure.
//
//   A: 1023-byte command report out, 67-byte status reports in, re-read while busy.
//   B: 62-byte command report out, the answer gathered from 62-byte input reports (report id 2).
//   C: 65-byte reports both ways, re-read while busy.

#include <span>

#include "link/hid_reports.h"

// A device that stops answering must not hold a worker for ever: each status report read waits at
// most this long (a slow flash erase stays well inside it) ...
inline constexpr int kHidReportTimeoutMs = 30'000;
// ... and one exchange, busy answers included, at most this long.
inline constexpr int kHidExchangeTimeoutMs = 300'000;

// Protocol B poll counts and intervals.
inline constexpr int kHidTablePolls = 10'000; // hid_command_by_table, 1 ms apart
inline constexpr int kHidBusyRegatherPolls = 20'000; // hid_command62 after a busy answer, 5 ms apart

// Protocol A.
int hid_send_report(int slot, const HidCommandReport& report);
int hid_wait_status(int slot);
int hid_command(int slot, const HidCommandReport& report, HidStatusReport& status);
// Byte swaps of the settings words: of a command report (count in byte 3, words from byte 4) and
// of a status report (count in byte 4, words from byte 5). A count larger than the words the
// report holds is clamped to them.
void hid_swap_words_a(HidCommandReport& report);
void hid_swap_words_b(HidStatusReport& status);

// Protocol B. The answer buffer is the caller's (at least 62 bytes): byte 0 report id, byte 1 the
// count received (the caller puts the expected length there for the first two functions), then
// the answer: echoed command, status, data.
int hid_send_report62(int slot, HidShortCommandReport& report);
int hid_read_response(int slot, std::span<uint8_t> answer, int polls);
int hid_command62(int slot, HidShortCommandReport& report, std::span<uint8_t> answer, int timeout_ms);
int hid_command_by_table(int slot, HidShortCommandReport& report, std::span<uint8_t> answer);

// Protocol C.
int hid_send_report65(int slot, const HidCommandReport65& report);
int hid_wait_status65(int slot);
int hid_command65(int slot, const HidCommandReport65& report, HidCommandReport65& status);

// Closes both slots and ends the HID library; returns hid_exit's result (0 on success).
int hid_close_devices();
