#pragma once
// Frames shared by the bootloader operations.

#include <cstdint>

#include "flasher/boot_protocol.h"

// The 32-bit value big-endian, then the XOR of its four bytes.
inline PortResult boot_write_address_frame(BootConnection* c, uint32_t value)
{
    const uint8_t frame[5] = {static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
                              static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value),
                              static_cast<uint8_t>((value >> 24) ^ (value >> 16) ^ (value >> 8) ^ value)};
    return c->port->write(c->port, frame, sizeof frame);
}

inline bool boot_port_stretches(const BootConnection* c) { return (c->port->flags & PORT_FLAG_STRETCH_WRITE) != 0; }
