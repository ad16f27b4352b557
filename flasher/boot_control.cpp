// Protection commands, Go, programs run from RAM, CRC of a range and the clock-stretching hint.

#include <algorithm>
#include <cstdio>

#include "flasher/boot_frames.h"
#include "flasher/boot_protocol.h"
#include "flasher/byte_order.h"

namespace {

// The program's stack word; the programs use no stack, so it may lie past a small chip's RAM.
constexpr uint32_t kRamProgramStack = 0x20002000;
constexpr size_t kRamProgramSize = 24;

struct ProtectionCommand {
    uint8_t BootCommandSet::*slot;
    uint32_t seconds; // limit of the second acknowledge
    const char* not_offered;
    const char* refused;
    const char* hint_name;
    uint8_t no_stretch_code;
};

constexpr ProtectionCommand kWriteUnprotect = {&BootCommandSet::write_unprotect,
                                               1,
                                               "Error: WRITE UNPROTECT command not implemented in bootloader.\n",
                                               "Error: Failed to WRITE UNPROTECT\n",
                                               "WRITE UNPROTECT",
                                               0x74};
constexpr ProtectionCommand kWriteProtect = {&BootCommandSet::write_protect,
                                             1,
                                             "Error: WRITE PROTECT command not implemented in bootloader.\n",
                                             "Error: Failed to WRITE PROTECT\n",
                                             "WRITE PROTECT",
                                             0x64};
constexpr ProtectionCommand kReadoutUnprotect = {&BootCommandSet::readout_unprotect,
                                                 35,
                                                 "Error: READOUT UNPROTECT command not implemented in bootloader.\n",
                                                 "Error: Failed to READOUT UNPROTECT\n",
                                                 "READOUT UNPROTECT",
                                                 0x93};
constexpr ProtectionCommand kReadoutProtect = {&BootCommandSet::readout_protect,
                                               1,
                                               "Error: READOUT PROTECT command not implemented in bootloader.\n",
                                               "Error: Failed to READOUT PROTECT\n",
                                               "READOUT PROTECT",
                                               0x83};

BootResult protection(BootConnection* c, const ProtectionCommand& command)
{
    const uint8_t code = c->commands.*command.slot;
    if (code == STM32_CMD_NONE) {
        std::fputs(command.not_offered, stderr);
        return BOOT_NO_COMMAND;
    }
    if (stm32_send_command(c, code, 0) != BOOT_OK)
        return BOOT_FAILED;
    const BootResult result = stm32_wait_ack(c, command.seconds);
    if (result == BOOT_OK)
        return BOOT_OK;
    if (result == BOOT_NACK)
        std::fputs(command.refused, stderr);
    else if (boot_port_stretches(c) && code != command.no_stretch_code)
        stm32_print_stretch_hint(command.hint_name);
    return BOOT_FAILED;
}

bool aligned(uint32_t address, uint32_t length)
{
    if (address % 4 == 0 && length % 4 == 0)
        return true;
    std::fputs("Start and end addresses must be 4 byte aligned\n", stderr);
    return false;
}

} // namespace

BootResult stm32_flash_write_unprotect(BootConnection* c) { return protection(c, kWriteUnprotect); }
BootResult stm32_flash_write_protect(BootConnection* c) { return protection(c, kWriteProtect); }
BootResult stm32_flash_readout_unprotect(BootConnection* c) { return protection(c, kReadoutUnprotect); }
BootResult stm32_flash_readout_protect(BootConnection* c) { return protection(c, kReadoutProtect); }

BootResult stm32_jump(BootConnection* c, uint32_t address)
{
    if (c->commands.go == STM32_CMD_NONE) {
        std::fputs("Error: GO command not implemented in bootloader.\n", stderr);
        return BOOT_NO_COMMAND;
    }
    if (stm32_send_command(c, c->commands.go, 0) != BOOT_OK || boot_write_address_frame(c, address) != PORT_ERR_OK ||
        stm32_wait_ack(c, 0) != BOOT_OK)
        return BOOT_FAILED;
    return BOOT_OK;
}

BootResult stm32_exec_in_ram(BootConnection* c, uint32_t address, const RamProgram& program)
{
    if (address % 4 != 0) {
        std::fputs("Error: code address must be 4 byte aligned\n", stderr);
        return BOOT_FAILED;
    }
    uint8_t code[kRamProgramSize];
    const uint32_t words[2] = {to_little_endian32(kRamProgramStack), to_little_endian32(address + 9)};
    for (size_t i = 0; i < 8; ++i)
        code[i] = static_cast<uint8_t>(words[i / 4] >> (8 * (i % 4)));
    std::copy(program.begin(), program.end(), code + 8);
    if (stm32_mem_write(c, address, code, sizeof code) != BOOT_OK)
        return BOOT_FAILED;
    return stm32_jump(c, address);
}

BootResult stm32_reboot_target(BootConnection* c)
{
    const ChipDescriptor& chip = *c->chip;
    if (chip.ram_end < chip.ram_start || chip.ram_end - chip.ram_start < kRamProgramSize) {
        std::fprintf(stderr, "Error: the RAM of %s cannot hold the reset program\n", chip.name);
        return BOOT_FAILED;
    }
    const RamProgram& program = (chip.flags & CHIP_OBL_RESET) != 0 ? kOptionByteReloadProgram : kSystemResetProgram;
    return stm32_exec_in_ram(c, chip.ram_start, program);
}

BootResult stm32_crc_by_command(BootConnection* c, uint32_t address, uint32_t length, uint32_t& crc_out)
{
    if (!aligned(address, length))
        return BOOT_FAILED;
    if (c->commands.checksum == STM32_CMD_NONE) {
        std::fputs("Error: CRC command not implemented in bootloader.\n", stderr);
        return BOOT_NO_COMMAND;
    }
    uint8_t reply[5];
    if (stm32_send_command(c, c->commands.checksum, 0) != BOOT_OK ||
        boot_write_address_frame(c, address) != PORT_ERR_OK || stm32_wait_ack(c, 0) != BOOT_OK ||
        boot_write_address_frame(c, length) != PORT_ERR_OK || stm32_wait_ack(c, 0) != BOOT_OK ||
        stm32_wait_ack(c, 0) != BOOT_OK || c->port->read(c->port, reply, sizeof reply) != PORT_ERR_OK)
        return BOOT_FAILED;
    if ((reply[0] ^ reply[1] ^ reply[2] ^ reply[3]) != reply[4])
        return BOOT_FAILED;
    crc_out = uint32_t{reply[0]} << 24 | uint32_t{reply[1]} << 16 | uint32_t{reply[2]} << 8 | reply[3];
    return BOOT_OK;
}

BootResult stm32_flash_crc(BootConnection* c, uint32_t address, uint32_t length, uint32_t& crc_out)
{
    if (!aligned(address, length))
        return BOOT_FAILED;
    if (c->commands.checksum != STM32_CMD_NONE)
        return stm32_crc_by_command(c, address, length, crc_out);
    uint32_t crc = 0xFFFFFFFF;
    uint8_t block[kBootBlockSize];
    const uint32_t start = address;
    const uint32_t end = address + length;
    while (address != end) {
        const uint32_t n = std::min<uint32_t>(end - address, kBootBlockSize);
        if (stm32_mem_read(c, address, block, n) != BOOT_OK) {
            std::fprintf(stderr, "Failed to read memory at address 0x%08x, target write-protected?\n", address);
            return BOOT_FAILED;
        }
        crc = stm32_crc_software(crc, block, n);
        address += n;
        std::fprintf(stderr, "\rCRC address 0x%08x (%.2f%%) ", address,
                     static_cast<double>(static_cast<float>(address - start) * (100.0f / static_cast<float>(length))));
        std::fflush(stderr);
    }
    std::fputs("Done.\n", stderr);
    crc_out = crc;
    return BOOT_OK;
}

void stm32_print_stretch_hint(const char* operation_name)
{
    std::fputs("Attention !!!\n", stderr);
    std::fprintf(stderr, "\tThis %s error could be caused by your I2C\n", operation_name);
    std::fputs("\tcontroller not accepting \"clock stretching\"\n", stderr);
    std::fputs("\tas required by bootloader.\n", stderr);
    std::fputs("\tCheck \"I2C.txt\" in Brellwick source code.\n", stderr);
}
