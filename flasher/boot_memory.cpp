// Reading and writing memory, and erasing flash.

#include <algorithm>
#include <cstdio>
#include <vector>

#include "flasher/boot_frames.h"
#include "flasher/boot_protocol.h"

namespace {

constexpr uint32_t kMassEraseSeconds = 35;
constexpr uint32_t kPageEraseSeconds = 5; // per page of a frame
constexpr uint32_t kExtendedFramePages = 512;
// The standard erase frame carries count - 1 and page numbers in one byte each, and a count byte
// of 0xFF would mean a global erase.
constexpr uint32_t kStandardFramePages = 255;
constexpr uint32_t kStandardLastPage = 255;
constexpr uint32_t kLastPageNumber = 0xFFFF;

BootResult mass_erase(BootConnection* c)
{
    const uint8_t code = c->commands.erase;
    if (stm32_send_command(c, code, 0) != BOOT_OK) {
        std::fputs("Can't initiate chip mass erase!\n", stderr);
        return BOOT_FAILED;
    }
    if (code == 0x43) {
        if (stm32_send_command(c, 0xFF, kMassEraseSeconds) == BOOT_OK)
            return BOOT_OK;
        if (boot_port_stretches(c))
            stm32_print_stretch_hint("mass erase");
        return BOOT_FAILED;
    }
    const uint8_t frame[3] = {0xFF, 0xFF, 0x00};
    if (c->port->write(c->port, frame, sizeof frame) != PORT_ERR_OK) {
        std::fputs("Mass erase error.\n", stderr);
        return BOOT_FAILED;
    }
    if (stm32_wait_ack(c, kMassEraseSeconds) == BOOT_OK)
        return BOOT_OK;
    std::fputs("Mass erase failed. Try specifying the number of pages to be erased.\n", stderr);
    if (boot_port_stretches(c) && code != 0x45)
        stm32_print_stretch_hint("mass erase");
    return BOOT_FAILED;
}

BootResult erase_frame(BootConnection* c, uint32_t first_page, uint32_t count)
{
    const uint8_t code = c->commands.erase;
    if (stm32_send_command(c, code, 0) != BOOT_OK)
        return BOOT_FAILED;
    std::vector<uint8_t> frame;
    if (code == 0x43) {
        frame.push_back(static_cast<uint8_t>(count - 1));
        for (uint32_t page = first_page; page < first_page + count; ++page)
            frame.push_back(static_cast<uint8_t>(page));
    } else {
        auto put16 = [&](uint32_t value) {
            frame.push_back(static_cast<uint8_t>(value >> 8));
            frame.push_back(static_cast<uint8_t>(value));
        };
        put16(count - 1);
        for (uint32_t page = first_page; page < first_page + count; ++page)
            put16(page);
    }
    uint8_t check = 0;
    for (const uint8_t b : frame)
        check ^= b;
    frame.push_back(check);
    if (c->port->write(c->port, frame.data(), frame.size()) != PORT_ERR_OK) {
        std::fputs(code == 0x43 ? "Erase failed.\n" : "Page-by-page erase error.\n", stderr);
        return BOOT_FAILED;
    }
    if (stm32_wait_ack(c, kPageEraseSeconds * count) == BOOT_OK)
        return BOOT_OK;
    if (code != 0x43)
        std::fputs("Page-by-page erase failed. Check the maximum pages your device supports.\n", stderr);
    if (boot_port_stretches(c) && code != 0x45)
        stm32_print_stretch_hint("erase");
    return BOOT_FAILED;
}

} // namespace

BootResult stm32_mem_read(BootConnection* c, uint32_t address, uint8_t* buffer, size_t length)
{
    if (length == 0)
        return BOOT_OK;
    if (length > kBootBlockSize) {
        std::fputs("Error: READ length limit at 256 bytes\n", stderr);
        return BOOT_FAILED;
    }
    if (c->commands.read == STM32_CMD_NONE) {
        std::fputs("Error: READ command not implemented in bootloader.\n", stderr);
        return BOOT_NO_COMMAND;
    }
    if (stm32_send_command(c, c->commands.read, 0) != BOOT_OK || boot_write_address_frame(c, address) != PORT_ERR_OK ||
        stm32_wait_ack(c, 0) != BOOT_OK || stm32_send_command(c, static_cast<uint8_t>(length - 1), 0) != BOOT_OK ||
        c->port->read(c->port, buffer, length) != PORT_ERR_OK)
        return BOOT_FAILED;
    return BOOT_OK;
}

BootResult stm32_mem_write(BootConnection* c, uint32_t address, const uint8_t* data, size_t length)
{
    if (length == 0)
        return BOOT_OK;
    if (length > kBootBlockSize)
        return BOOT_FAILED;
    if (address % 4 != 0) {
        std::fputs("Error: WRITE address must be 4 byte aligned\n", stderr);
        return BOOT_FAILED;
    }
    if (c->commands.write == STM32_CMD_NONE) {
        std::fputs("Error: WRITE command not implemented in bootloader.\n", stderr);
        return BOOT_NO_COMMAND;
    }
    if (stm32_send_command(c, c->commands.write, 0) != BOOT_OK || boot_write_address_frame(c, address) != PORT_ERR_OK ||
        stm32_wait_ack(c, 0) != BOOT_OK)
        return BOOT_FAILED;

    // Count byte (padded length - 1), the data, 0xFF up to a multiple of 4, then the XOR of them all.
    const size_t padded = (length + 3) / 4 * 4;
    uint8_t frame[kBootBlockSize + 2];
    frame[0] = static_cast<uint8_t>(padded - 1);
    std::copy_n(data, length, frame + 1);
    std::fill(frame + 1 + length, frame + 1 + padded, 0xFF);
    uint8_t check = 0;
    for (size_t i = 0; i < padded + 1; ++i)
        check ^= frame[i];
    frame[padded + 1] = check;
    if (c->port->write(c->port, frame, padded + 2) != PORT_ERR_OK)
        return BOOT_FAILED;
    if (stm32_wait_ack(c, 1) == BOOT_OK)
        return BOOT_OK;
    if (boot_port_stretches(c) && c->commands.write != 0x32)
        stm32_print_stretch_hint("write");
    return BOOT_FAILED;
}

BootResult stm32_flash_erase(BootConnection* c, uint32_t first_page, uint32_t page_count)
{
    if (page_count == 0)
        return BOOT_OK;
    if (first_page > kLastPageNumber ||
        (page_count != ERASE_MASS && uint64_t{first_page} + page_count > kLastPageNumber)) {
        std::fprintf(stderr, "Error: cannot erase %u pages from page %u: page numbers end at 0xFFFF\n",
                     page_count == ERASE_MASS ? 0u : page_count, first_page);
        return BOOT_FAILED;
    }
    if (c->commands.erase == STM32_CMD_NONE) {
        std::fputs("Error: ERASE command not implemented in bootloader.\n", stderr);
        return BOOT_NO_COMMAND;
    }
    if (page_count == ERASE_MASS) {
        if ((c->chip->flags & CHIP_NO_MASS_ERASE) == 0)
            return mass_erase(c);
        // This chip erases its whole flash page by page: from the first page to the last.
        const uint32_t pages = stm_flash_page_count(*c->chip);
        if (pages == 0)
            return BOOT_OK;
        if (first_page >= pages) {
            std::fprintf(stderr, "Error: page %u is past the last page of flash (%u)\n", first_page, pages - 1);
            return BOOT_FAILED;
        }
        page_count = pages - first_page;
    }

    const bool standard = c->commands.erase == 0x43;
    if (standard && first_page + page_count - 1 > kStandardLastPage) {
        std::fprintf(stderr, "Error: ERASE command 0x43 cannot name page %u: its page numbers end at 255\n",
                     first_page + page_count - 1);
        return BOOT_FAILED;
    }
    const uint32_t frame_pages = standard ? kStandardFramePages : kExtendedFramePages;
    while (page_count > 0) {
        const uint32_t n = std::min(page_count, frame_pages);
        if (erase_frame(c, first_page, n) != BOOT_OK)
            return BOOT_FAILED;
        first_page += n;
        page_count -= n;
    }
    return BOOT_OK;
}
