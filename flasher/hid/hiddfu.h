#pragma once
// Firmware download over HID feature reports: a DFU file (the image, then the 16-byte USB DFU 1.1
// file suffix with its CRC-32) is checked and sent in numbered blocks, the device's DFU status and
// state polled between blocks, and closed by a zero-length block. Beside it: a command-and-wait
// exchange over the 1023-byte command and 67-byte status reports. The caller opens the device.
// Messages go to standard output.
//
// Feature reports (byte 0 the report id, fields little-endian):
//   block         out  report length  01 01, block number u16, data length u16, data, zeros
//   status        in   7              02, bStatus, bwPollTimeout u24, bState, unused
//   clear status  out  2              03 04 (DFU CLRSTATUS)
//   request 0xFF  out  2              03 FF

#include <hidapi.h>

#include <cstddef>
#include <cstdint>
#include <span>

#include "link/hid_reports.h"

// What the download and its steps return.
enum hiddfu_result : int {
    HIDDFU_OK = 0,
    HIDDFU_INVALID_FILE = -1, // missing, too short, unreadable, bad suffix or image length; no payload room
    HIDDFU_CRC_MISMATCH = -6,
    HIDDFU_READ_ERROR = -7,
    HIDDFU_UNEXPECTED_STATUS = -8,
    HIDDFU_REQUEST_FF_FAILED = -9,
    HIDDFU_TRANSFER_FAILED = -12, // a feature report not sent, or no status answer
    HIDDFU_CLEAR_STATUS_FAILED = -15,
    HIDDFU_DEVICE_ERROR = -16, // the device reported status 10
};

// DFU 1.1 bStatus and bState values the download tells apart; a device may answer any byte.
enum class HidDfuStatusCode : uint8_t { Ok = 0, ErrFirmware = 10 };
enum class HidDfuStateCode : uint8_t { AppIdle = 0, DfuIdle = 2, DnBusy = 4, DnloadIdle = 5 };

// Report ids, and the DFU 1.1 request numbers that follow them.
inline constexpr uint8_t kHidDfuBlockReportId = 0x01;
inline constexpr uint8_t kHidDfuStatusReportId = 0x02;
inline constexpr uint8_t kHidDfuRequestReportId = 0x03;
inline constexpr uint8_t kHidDfuDownloadRequest = 0x01; // DFU_DNLOAD
inline constexpr uint8_t kHidDfuClearStatusRequest = 0x04; // DFU_CLRSTATUS

inline constexpr uint16_t kHidDfuReportLength = kHidCommandReportSize;
inline constexpr size_t kHidDfuBlockHeaderSize = 6;
inline constexpr size_t kHidDfuStatusReportSize = 7;
// A device may ask for up to 2^24 - 1 ms (over four hours) between status queries; waits honour
// at most this much of it.
inline constexpr long long kHidDfuPollTimeoutLimitMs = 30'000;
// Pause between status queries that fail, so that retrying for the poll time-out is not a busy spin.
inline constexpr long long kHidDfuStatusRetryPauseMs = 10;

// One download to one device: the size of every block report (its data part is the length less 6)
// and the poll time-out the latest status answer asked for.
struct HidDfuSession {
    hid_device* device = nullptr;
    uint16_t report_length = kHidDfuReportLength;
    uint64_t poll_timeout_ms = 0;
};

// Checks the DFU file at path and downloads its image to the device: as many bytes as the u32 at
// image bytes 10 to 13 says, which must be at least 1, below 2^31 and no more than the bytes before
// the suffix. Returns a hiddfu_result. The first form downloads in reports of kHidDfuReportLength.
int hiddfu_download_file(hid_device* device, const char* path);
int hiddfu_download_file(HidDfuSession& session, const char* path);

// Waits until the device is ready for the next block: 0, or -8, -12, -16. A final wait (after the
// closing block) first sleeps the poll time-out and does not retry a failed query.
int hiddfu_wait_status(HidDfuSession& session, bool final);
// One status query: 0 with status and state set (and the session's poll time-out with them), or
// -12.
int hiddfu_get_status(HidDfuSession& session, HidDfuStatusCode& status, HidDfuStateCode& state);
// Sends the block whose data already stands in report from byte 6: min(remaining, largest_data)
// bytes as block number block. On success remaining shrinks by that length and block goes up by
// one (0); on failure nothing changes (-12). The whole report is sent.
int hiddfu_send_block(hid_device* device, size_t largest_data, std::span<uint8_t> report, int32_t& remaining,
                      uint16_t& block);
// Sends request 0xFF: 0, or -9.
int hiddfu_send_control_ff(hid_device* device);
// The u32 at image bytes 10 to 13 (0 for an image shorter than that).
uint32_t hiddfu_image_length(std::span<const uint8_t> image);

// Writes command_report as an output report and reads status reports until the device is no longer
// busy (byte 2: 1 busy, 0 success); each read waits at most kHidReportTimeoutMs and the whole
// exchange at most kHidExchangeTimeoutMs. 1 when the last status is success, else 0.
int hiddfu_write_and_wait(hid_device* device, const HidCommandReport& command_report, HidStatusReport& status_report);
