#pragma once
// The bootloader's byte link: port kinds as records of operations, the selection of a kind for a
// device path, and the serial port over a POSIX terminal, the one kind that works.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

enum class PortResult : int {
    PORT_ERR_OK = 0,
    PORT_ERR_NO_DEVICE = 1, // this kind does not handle the device; the selection tries the next
    PORT_ERR_TIMEOUT = 2, // nothing arrived within the read time-out
    PORT_ERR_FAILED = 3,
};
using enum PortResult;

// Counted replies are read count byte first.
inline constexpr uint32_t PORT_FLAG_BYTEWISE = 1;
// The GVR reply carries the two option bytes after the version.
inline constexpr uint32_t PORT_FLAG_GVR_OPTIONS = 2;
// A connection starts with the init byte 0x7F.
inline constexpr uint32_t PORT_FLAG_SEND_INIT = 4;
// Acknowledge waits repeat timed-out reads up to the operation's limit.
inline constexpr uint32_t PORT_FLAG_ACK_TIMEOUT = 8;
// The link needs clock stretching on writes (enables the stretching hint).
inline constexpr uint32_t PORT_FLAG_STRETCH_WRITE = 16;

// The lines an entry or exit sequence drives.
enum class PortLine : int { Rts = 1, Dtr = 2, Break = 3 };

struct PortOptions {
    std::string device; // the path; empty when none was given
    uint32_t baud_index = 8; // 115200 baud
    std::string mode = "8e1"; // data bits, parity, stop bits
    uint32_t bus_address = 0; // for a bus port
    uint32_t rx_frame_max = 256;
    uint32_t tx_frame_max = 258;
};

// A line of a port's GET reply-length table: the count byte a GET reply carries from a bootloader
// of this version.
struct GetReplyLength {
    uint8_t version;
    uint8_t count;
};

struct FlasherPort {
    const char* name = nullptr;
    uint32_t flags = 0;
    PortResult (*open)(FlasherPort* port, const PortOptions& options) = nullptr;
    PortResult (*close)(FlasherPort* port) = nullptr;
    // Exactly count bytes, or a failure.
    PortResult (*read)(FlasherPort* port, uint8_t* buffer, size_t count) = nullptr;
    PortResult (*write)(FlasherPort* port, const uint8_t* buffer, size_t count) = nullptr;
    // level 1 asserted, 0 released.
    PortResult (*set_line)(FlasherPort* port, PortLine line, int level) = nullptr;
    const char* (*describe)(FlasherPort* port) = nullptr;
    // Searched for the version GVR gives; a version it lacks (or an empty table) expects 17.
    std::span<const GetReplyLength> get_reply_lengths;
    // Owned by the kind from a successful open to close.
    void* state = nullptr;
};

// The kinds in selection order.
extern const std::array<FlasherPort, 2> FlasherPortList;

// Opens the device with the first kind that takes it: 0 with the open port in port_out, or 3.
int flasher_port_select(const PortOptions& options, FlasherPort& port_out);

PortResult serial_port_open(FlasherPort* port, const PortOptions& options);
PortResult serial_port_close(FlasherPort* port);
PortResult serial_port_read(FlasherPort* port, uint8_t* buffer, size_t count);
PortResult serial_port_write(FlasherPort* port, const uint8_t* buffer, size_t count);
PortResult serial_port_set_line(FlasherPort* port, PortLine line, int level);
const char* serial_port_describe(FlasherPort* port);
// The common teardown: restores the settings found at open and closes the descriptor.
void serial_port_release(FlasherPort* port);

// The bus kind declines every device.
PortResult i2c_port_open(FlasherPort* port, const PortOptions& options);
