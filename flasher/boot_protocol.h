#pragma once
// The client side of the STM32 system-memory bootloader protocol over a FlasherPort: connection
// open with command discovery and chip identification, memory read and write, erase, the four
// protection commands, Go, a reset through a program run from RAM, and the CRC of a range. Every
// message goes to standard error.

#include <array>
#include <cstddef>
#include <cstdint>

#include "flasher/chip_table.h"
#include "flasher/crc_software.h"
#include "flasher/port.h"

enum class BootResult : int {
    BOOT_OK = 0,
    BOOT_FAILED = 1, // port error, refusal, bad reply, bad argument
    BOOT_NACK = 2, // only from stm32_wait_ack: the device refused
    BOOT_NO_COMMAND = 3, // the bootloader does not offer the command
};
using enum BootResult;

inline constexpr uint8_t STM32_INIT = 0x7F;
inline constexpr uint8_t STM32_ACK = 0x79;
inline constexpr uint8_t STM32_NACK = 0x1F;
inline constexpr uint8_t STM32_BUSY = 0x76;
inline constexpr uint8_t STM32_CMD_NONE = 0xFF; // a slot the bootloader does not offer

inline constexpr uint32_t ERASE_MASS = 0x100000;
inline constexpr size_t kBootBlockSize = 256; // the protocol's largest read or write
inline constexpr size_t kBootReplyBufferSize = 257;

// The command codes the bootloader offers, one slot each, 0xFF when not offered.
struct BootCommandSet {
    uint8_t get = STM32_CMD_NONE;
    uint8_t gvr = STM32_CMD_NONE;
    uint8_t gid = STM32_CMD_NONE;
    uint8_t read = STM32_CMD_NONE;
    uint8_t go = STM32_CMD_NONE;
    uint8_t write = STM32_CMD_NONE; // 0x31, or 0x32 without clock stretching
    uint8_t erase = STM32_CMD_NONE; // 0x43 one-byte pages, 0x44 two-byte pages, 0x45 without stretching
    uint8_t write_protect = STM32_CMD_NONE;
    uint8_t write_unprotect = STM32_CMD_NONE;
    uint8_t readout_protect = STM32_CMD_NONE;
    uint8_t readout_unprotect = STM32_CMD_NONE;
    uint8_t checksum = STM32_CMD_NONE;
};

// Places a code listed by GET in its slot (the highest listed code wins a slot); false for a code
// no slot accepts.
bool boot_command_set_place(BootCommandSet& set, uint8_t code);

struct BootConnection {
    FlasherPort* port = nullptr; // borrowed; the connection never closes it
    uint8_t bootloader_version = 0; // from GET
    uint8_t version = 0; // from GVR
    uint8_t option_byte_1 = 0;
    uint8_t option_byte_2 = 0;
    uint16_t product_id = 0;
    BootCommandSet commands;
    const ChipDescriptor* chip = nullptr;
    // What the last acknowledge wait gave, so that a caller can tell a refusal from a lost reply.
    BootResult last_ack = BOOT_OK;
};

// Opens a connection, or gives nullptr after its message. send_init sends the init byte first on
// ports that take one; cleared, the device must still be in its bootloader (resume).
BootConnection* stm32_connect(FlasherPort* port, bool send_init);
void stm32_disconnect(BootConnection* connection);

// 0 acknowledge, 2 refusal, 1 anything else.
BootResult stm32_wait_ack(BootConnection* connection, uint32_t seconds);
BootResult stm32_send_command(BootConnection* connection, uint8_t code, uint32_t seconds);
// 0 once the device is back in step, 1 after 35 seconds (or a stop request).
int stm32_resynchronise(BootConnection* connection);
// Sends a command and reads a reply that begins with its count byte into a 257-byte buffer.
BootResult stm32_command_reply(BootConnection* connection, uint8_t code, uint8_t* buffer, uint8_t expected_count);

BootResult stm32_mem_read(BootConnection* connection, uint32_t address, uint8_t* buffer, size_t length);
BootResult stm32_mem_write(BootConnection* connection, uint32_t address, const uint8_t* data, size_t length);
BootResult stm32_flash_erase(BootConnection* connection, uint32_t first_page, uint32_t page_count);

// The bootloader resets the chip after each of these; the connection is not used again.
BootResult stm32_flash_write_unprotect(BootConnection* connection);
BootResult stm32_flash_write_protect(BootConnection* connection);
BootResult stm32_flash_readout_unprotect(BootConnection* connection);
BootResult stm32_flash_readout_protect(BootConnection* connection);

BootResult stm32_jump(BootConnection* connection, uint32_t address);
// A program run from RAM: Thumb code that loads an address and a value from the two words after
// it, stores the value there and loops forever.
using RamProgram = std::array<uint8_t, 16>;

// Runs the program from RAM at address.
BootResult stm32_exec_in_ram(BootConnection* connection, uint32_t address, const RamProgram& program);
BootResult stm32_reboot_target(BootConnection* connection);

BootResult stm32_crc_by_command(BootConnection* connection, uint32_t address, uint32_t length, uint32_t& crc_out);
BootResult stm32_flash_crc(BootConnection* connection, uint32_t address, uint32_t length, uint32_t& crc_out);

void stm32_print_stretch_hint(const char* operation_name);

// The two programs stm32_reboot_target runs from RAM: 0x05FA0004 to 0xE000ED0C, a system reset
// request, and 0x00002000 to 0x40022010, a reload of the option bytes.
inline constexpr RamProgram kSystemResetProgram = {0x01, 0x49, 0x02, 0x4A, 0x0A, 0x60, 0xFE, 0xE7,
                                                   0x0C, 0xED, 0x00, 0xE0, 0x04, 0x00, 0xFA, 0x05};
inline constexpr RamProgram kOptionByteReloadProgram = {0x01, 0x49, 0x02, 0x4A, 0x0A, 0x60, 0xFE, 0xE7,
                                                        0x10, 0x20, 0x02, 0x40, 0x00, 0x20, 0x00, 0x00};
