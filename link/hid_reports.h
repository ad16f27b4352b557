#pragma once
// The HID report forms of the three protocols, the command codes and the answer-length table.

#include <array>
#include <cstdint>
#include <span>

// Vendor id of every supported device.
inline constexpr uint16_t DEVICE_VENDOR_ID = 0x092B;

inline constexpr size_t kHidCommandReportSize = 1023; // protocol A, out
inline constexpr size_t kHidStatusReportSize = 67; // protocol A, in
inline constexpr size_t kHidShortReportSize = 62; // protocol B, both ways
inline constexpr size_t kHidReport65Size = 65; // protocol C, both ways

// Protocol A: report id, command, parameters; settings words and block lengths big-endian.
using HidCommandReport = std::array<uint8_t, kHidCommandReportSize>;
// Protocol A: report id, last command, status (1 busy, 0 success), result, length, data.
using HidStatusReport = std::array<uint8_t, kHidStatusReportSize>;
// Protocol B: report id, payload length (always 60), command, parameters.
using HidShortCommandReport = std::array<uint8_t, kHidShortReportSize>;
// Protocol B: report id 2, chunk length (0 = nothing yet, at most 60), chunk.
using HidChunkReport = std::array<uint8_t, kHidShortReportSize>;
// Protocol C: report id, command, parameters; in: byte 2 status, bytes 3.. results.
using HidCommandReport65 = std::array<uint8_t, kHidReport65Size>;

inline constexpr uint8_t kHidReportId = 0x01;
inline constexpr uint8_t kHidChunkReportId = 0x02;
inline constexpr uint8_t kHidShortPayloadLength = 60;
inline constexpr size_t kHidMaxChunkLength = 60;
inline constexpr size_t kHidMaxBlockLength = 1019;

// Status byte values of every protocol.
inline constexpr uint8_t kHidStatusSuccess = 0;
inline constexpr uint8_t kHidStatusBusy = 1;
inline constexpr uint8_t kHidStatusUnread = 0xFF; // preset before every read

enum HidCommandCode : uint8_t {
    COMMAND_NOP = 0x00,
    COMMAND_GET_VERSION = 0x01,
    COMMAND_GET_INFO = 0x02,
    COMMAND_READ_SETTINGS = 0x03,
    COMMAND_WRITE_SETTINGS = 0x04,
    COMMAND_ERASE = 0x05,
    COMMAND_WRITE_BLOCK = 0x06,
    COMMAND_VERIFY = 0x07,
    RUN_LOADER = 0x08,
    COMMAND_GET_DFU_RESULT = 0x0A,
    COMMAND_WAIT_POLL = 0x0D,
    COMMAND_ENTER_DNLD_MODE = 0x0E, // alone: restart in download mode; in a block write: last block
    MESH_DFU_COMMAND_QCC = 0x0F,
    COMMAND_MESH_NORMAL_MODE = 0x10,
    COMMAND_STORE_SETTINGS = 0x11,
    COMMAND_READY_STATE = 0x12,
    COMMAND_RESTART_LOADER = 0x13,
    COMMAND_FM_RADIO_QUERY = 0x1A,
    COMMAND_MOTION_SENSOR_QUERY = 0x1B,
    COMMAND_CAMERA_ON = 0x20,
    COMMAND_CAMERA_OFF = 0x21,
    COMMAND_CAMERA_STATUS = 0x22, // answer byte 3: 1 while the camera is on
    COMMAND_HOLD = 0x30,
    COMMAND_IM501_FINAL_CHECK = 0x47,
    MESH_DFU_COMMAND_VANTOR = 0x50,
    COMMAND_POWER_HOLD = 0x52,
    COMMAND_POWER_RELEASE = 0x53,
    COMMAND_UNIT_LANGUAGE_QUERY = 0x59,
    COMMAND_ALL_CRC_READ = 0x5B,
    COMMAND_BLOCK_TEST = 0x80,
};

// One entry of the protocol B answer-length table; the expected answer is data_length + 2 bytes
// (echo and status first).
struct HidResponseLength {
    uint32_t command;
    uint32_t data_length;
};

// Searched in order; command 0x01 has two entries, the shorter first.
extern const std::array<HidResponseLength, 27> HidResponseLengthTable;
