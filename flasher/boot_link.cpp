// Acknowledges, commands, resynchronisation, counted replies and the opening of a connection.

#include <algorithm>
#include <cstdio>

#include "common/clock.h"
#include "flasher/boot_protocol.h"
#include "flasher/stop_request.h"

namespace {

constexpr long long kResynchroniseLimitMs = 35000;
// BUSY bytes keep an acknowledge wait going, but never past this or the operation's own limit.
constexpr long long kBusyLimitMs = 35000;
constexpr uint8_t kDefaultGetCount = 17;

PortResult read_bytes(BootConnection* c, uint8_t* buffer, size_t count)
{
    return c->port->read(c->port, buffer, count);
}

PortResult write_bytes(BootConnection* c, const uint8_t* buffer, size_t count)
{
    return c->port->write(c->port, buffer, count);
}

uint8_t expected_get_count(const FlasherPort& port, uint8_t version)
{
    for (const GetReplyLength& entry : port.get_reply_lengths)
        if (entry.version == version)
            return entry.count;
    return kDefaultGetCount;
}

// Step 2 of the open: the init byte and its answer. A device that missed the first 0x7F (still
// starting) acknowledges the second one; that is as good as the refusal of a device in step.
bool send_init(BootConnection* c)
{
    const uint8_t init = STM32_INIT;
    if (write_bytes(c, &init, 1) != PORT_ERR_OK) {
        std::fputs("Failed to send init to device\n", stderr);
        return false;
    }
    uint8_t byte = 0;
    PortResult result = read_bytes(c, &byte, 1);
    std::fprintf(stderr, "1.p_err(%d), byte(%02X).\n", static_cast<int>(result), byte);
    if (result == PORT_ERR_OK && byte == STM32_ACK)
        return true;
    std::fprintf(stderr, "2.p_err(%d), byte(%02X).\n", static_cast<int>(result), byte);
    if (result == PORT_ERR_OK && byte == STM32_NACK) {
        std::fputs("Warning: the interface was not closed properly.\n", stderr);
        return true;
    }
    std::fprintf(stderr, "3.p_err(%d), byte(%02X).\n", static_cast<int>(result), byte);
    if (result != PORT_ERR_TIMEOUT) {
        std::fprintf(stderr, "2. Failed to init device(%d).\n", 336);
        return false;
    }
    // The first 0x7F may have been taken as the start of a command: a second one completes it.
    if (write_bytes(c, &init, 1) != PORT_ERR_OK) {
        std::fputs("Failed to send init to device\n", stderr);
        return false;
    }
    byte = 0;
    result = read_bytes(c, &byte, 1);
    std::fprintf(stderr, "p_err(%d), byte(%02X).\n", static_cast<int>(result), byte);
    std::fprintf(stderr, "PORT_ERR_OK(%d), STM#@_NACK(%02X).\n", static_cast<int>(PORT_ERR_OK), STM32_NACK);
    if (result == PORT_ERR_OK && (byte == STM32_NACK || byte == STM32_ACK))
        return true;
    std::fprintf(stderr, "Failed to init device(%d).\n", 353);
    return false;
}

bool read_versions(BootConnection* c)
{
    if (stm32_send_command(c, 0x01, 0) != BOOT_OK) {
        std::fputs("stm32_send_command Error !!", stderr);
        return false;
    }
    uint8_t reply[3] = {};
    const size_t length = (c->port->flags & PORT_FLAG_GVR_OPTIONS) != 0 ? 3 : 1;
    if (read_bytes(c, reply, length) != PORT_ERR_OK)
        return false;
    c->version = reply[0];
    c->option_byte_1 = reply[1];
    c->option_byte_2 = reply[2];
    return stm32_wait_ack(c, 0) == BOOT_OK;
}

bool read_commands(BootConnection* c)
{
    uint8_t buffer[kBootReplyBufferSize] = {};
    if (stm32_command_reply(c, 0x00, buffer, expected_get_count(*c->port, c->version)) != BOOT_OK)
        return false;
    const uint8_t count = buffer[0];
    c->bootloader_version = buffer[1];
    if (count >= 1 && count <= 254) {
        bool listed_unknown = false;
        for (int i = 2; i <= count + 1; ++i) {
            if (boot_command_set_place(c->commands, buffer[i]))
                continue;
            std::fprintf(stderr, listed_unknown ? ", 0x%2x" : "GET returns unknown commands (0x%2x", buffer[i]);
            listed_unknown = true;
        }
        if (listed_unknown)
            std::fputs(")\n", stderr);
    }
    if (stm32_wait_ack(c, 0) != BOOT_OK)
        return false;
    const BootCommandSet& set = c->commands;
    if (set.get == STM32_CMD_NONE || set.gvr == STM32_CMD_NONE || set.gid == STM32_CMD_NONE) {
        std::fputs("Error: bootloader did not returned correct information from GET command\n", stderr);
        return false;
    }
    return true;
}

bool read_product_id(BootConnection* c)
{
    uint8_t buffer[kBootReplyBufferSize] = {};
    if (stm32_command_reply(c, c->commands.gid, buffer, 1) != BOOT_OK)
        return false;
    const int count = (buffer[0] + 1) % 256;
    if (count < 2) {
        std::fprintf(stderr, "Only %d bytes sent in the PID, unknown/unsupported device\n", count);
        return false;
    }
    c->product_id = static_cast<uint16_t>(buffer[1] << 8 | buffer[2]);
    if (count > 2) {
        std::fprintf(stderr, "This bootloader returns %d extra bytes in PID:", count - 2);
        for (int i = 3; i <= count; ++i)
            std::fprintf(stderr, " %02x", buffer[i]);
        std::fputs("\n", stderr);
    }
    if (stm32_wait_ack(c, 0) != BOOT_OK)
        return false;
    c->chip = stm32_chip_find(c->product_id);
    if (c->chip == nullptr) {
        std::fprintf(stderr, "Unknown/unsupported device (Device ID: 0x%03x)\n", c->product_id);
        return false;
    }
    return true;
}

} // namespace

bool boot_command_set_place(BootCommandSet& set, uint8_t code)
{
    uint8_t* slot = nullptr;
    switch (code) {
    case 0x00: slot = &set.get; break;
    case 0x01: slot = &set.gvr; break;
    case 0x02: slot = &set.gid; break;
    case 0x11: slot = &set.read; break;
    case 0x21: slot = &set.go; break;
    case 0x31:
    case 0x32: slot = &set.write; break;
    case 0x43:
    case 0x44:
    case 0x45: slot = &set.erase; break;
    case 0x63:
    case 0x64: slot = &set.write_protect; break;
    case 0x73:
    case 0x74: slot = &set.write_unprotect; break;
    case 0x82:
    case 0x83: slot = &set.readout_protect; break;
    case 0x92:
    case 0x93: slot = &set.readout_unprotect; break;
    case 0xA1: slot = &set.checksum; break;
    default: return false;
    }
    if (*slot == STM32_CMD_NONE || code > *slot)
        *slot = code;
    return true;
}

BootResult stm32_wait_ack(BootConnection* c, uint32_t seconds)
{
    const long long limit = (c->port->flags & PORT_FLAG_ACK_TIMEOUT) != 0 ? seconds * 1000LL : 0;
    const long long busy_limit = std::max(limit, kBusyLimitMs);
    const kivo::Duration start = kivo::clock_now();
    for (;;) {
        uint8_t byte = 0;
        const PortResult result = read_bytes(c, &byte, 1);
        const bool stop = flasher_stop_requested();
        if (result == PORT_ERR_TIMEOUT && limit > 0 && !stop && kivo::elapsed_ms(start) < limit)
            continue;
        if (result != PORT_ERR_OK) {
            std::fputs("Failed to read ACK byte\n", stderr);
            return c->last_ack = BOOT_FAILED;
        }
        if (byte == STM32_ACK)
            return c->last_ack = BOOT_OK;
        if (byte == STM32_NACK)
            return c->last_ack = BOOT_NACK;
        if (byte == STM32_BUSY) {
            if (!stop && kivo::elapsed_ms(start) < busy_limit)
                continue;
            std::fputs("Failed to read ACK byte\n", stderr);
            return c->last_ack = BOOT_FAILED;
        }
        std::fprintf(stderr, "Got byte 0x%02x instead of ACK\n", byte);
        return c->last_ack = BOOT_FAILED;
    }
}

BootResult stm32_send_command(BootConnection* c, uint8_t code, uint32_t seconds)
{
    const uint8_t frame[2] = {code, static_cast<uint8_t>(code ^ 0xFF)};
    if (write_bytes(c, frame, 2) != PORT_ERR_OK) {
        std::fputs("Failed to send command\n", stderr);
        return BOOT_FAILED;
    }
    const BootResult result = stm32_wait_ack(c, seconds);
    if (result == BOOT_OK)
        return BOOT_OK;
    if (result == BOOT_NACK)
        std::fprintf(stderr, "Got NACK from device on command 0x%02x\n", code);
    else
        std::fprintf(stderr, "Unexpected reply from device on command 0x%02x\n", code);
    return BOOT_FAILED;
}

int stm32_resynchronise(BootConnection* c)
{
    const kivo::Duration start = kivo::clock_now();
    const uint8_t frame[2] = {0xFF, 0x00};
    for (;;) {
        if (flasher_stop_requested())
            return 1;
        if (write_bytes(c, frame, 2) == PORT_ERR_OK) {
            uint8_t byte = 0;
            if (read_bytes(c, &byte, 1) == PORT_ERR_OK && byte == STM32_NACK)
                return 0;
        } else {
            kivo::sleep_ms(500);
        }
        if (kivo::elapsed_ms(start) >= kResynchroniseLimitMs)
            return 1;
    }
}

BootResult stm32_command_reply(BootConnection* c, uint8_t code, uint8_t* buffer, uint8_t expected_count)
{
    if (stm32_send_command(c, code, 0) != BOOT_OK)
        return BOOT_FAILED;
    if ((c->port->flags & PORT_FLAG_BYTEWISE) != 0) {
        if (read_bytes(c, buffer, 1) != PORT_ERR_OK)
            return BOOT_FAILED;
        return read_bytes(c, buffer + 1, buffer[0] + 1u) == PORT_ERR_OK ? BOOT_OK : BOOT_FAILED;
    }

    const PortResult result = read_bytes(c, buffer, expected_count + 2u);
    if (result == PORT_ERR_OK && buffer[0] == expected_count)
        return BOOT_OK;
    uint8_t count = buffer[0];
    if (result != PORT_ERR_OK) {
        if (stm32_resynchronise(c) != 0 || stm32_send_command(c, code, 0) != BOOT_OK ||
            read_bytes(c, buffer, 1) != PORT_ERR_OK)
            return BOOT_FAILED;
        count = buffer[0];
    }
    std::fprintf(stderr, "Re sync (len = %d)\n", count);
    if (stm32_resynchronise(c) != 0 || stm32_send_command(c, code, 0) != BOOT_OK)
        return BOOT_FAILED;
    return read_bytes(c, buffer, count + 2u) == PORT_ERR_OK ? BOOT_OK : BOOT_FAILED;
}

BootConnection* stm32_connect(FlasherPort* port, bool send_init_byte)
{
    auto* c = new BootConnection;
    c->port = port;
    const bool opened = (!send_init_byte || (port->flags & PORT_FLAG_SEND_INIT) == 0 || send_init(c)) &&
        read_versions(c) && read_commands(c) && read_product_id(c);
    if (!opened) {
        delete c;
        return nullptr;
    }
    return c;
}

void stm32_disconnect(BootConnection* connection) { delete connection; }
