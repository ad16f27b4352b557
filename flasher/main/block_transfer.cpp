#include "flasher/main/block_transfer.h"

#include <algorithm>
#include <cstdio>

#include "flasher/stop_request.h"

// A refusal leaves the bootloader in step; anything else may not.
void BlockTransfer::recover()
{
    if (connection_->last_ack != BOOT_NACK)
        stm32_resynchronise(connection_);
}

BootResult BlockTransfer::read_once(uint32_t address, uint8_t* buffer, size_t length)
{
    connection_->last_ack = BOOT_FAILED;
    const BootResult result = stm32_mem_read(connection_, address, buffer, length);
    if (result == BOOT_FAILED)
        recover();
    return result;
}

bool BlockTransfer::write(uint32_t address, const uint8_t* data, size_t length)
{
    uint8_t back[kBootBlockSize];
    bool outcome_unknown = false;
    for (uint32_t attempt = 0; attempt <= retries_; ++attempt) {
        if (flasher_stop_requested())
            return false;
        if (outcome_unknown) {
            const BootResult read = read_once(address, back, length);
            if (read == BOOT_OK && std::equal(data, data + length, back))
                return true; // the lost acknowledge was the only thing lost
            if (read != BOOT_OK)
                continue;
            outcome_unknown = false;
        }
        connection_->last_ack = BOOT_FAILED;
        const BootResult result = stm32_mem_write(connection_, address, data, length);
        if (result == BOOT_OK)
            return true;
        if (result == BOOT_NO_COMMAND)
            return false;
        recover();
        outcome_unknown = connection_->last_ack != BOOT_NACK;
    }
    if (!flasher_stop_requested())
        std::fprintf(stderr,
                     "Error: writing %zu bytes at 0x%08x failed after %u retries; the flash may hold a partial image\n",
                     length, address, retries_);
    return false;
}

bool BlockTransfer::read(uint32_t address, uint8_t* buffer, size_t length)
{
    for (uint32_t attempt = 0; attempt <= retries_; ++attempt) {
        if (flasher_stop_requested())
            return false;
        const BootResult result = read_once(address, buffer, length);
        if (result == BOOT_OK)
            return true;
        if (result == BOOT_NO_COMMAND)
            return false;
    }
    if (!flasher_stop_requested())
        std::fprintf(stderr, "Error: reading %zu bytes at 0x%08x failed after %u retries\n", length, address, retries_);
    return false;
}

// Read Memory has no checksum: a line error can corrupt a reply, so a block that differs is read
// again before it counts as different.
bool BlockTransfer::verify(uint32_t address, const uint8_t* data, size_t length)
{
    uint8_t back[kBootBlockSize];
    bool read_any = false;
    for (uint32_t attempt = 0; attempt <= retries_; ++attempt) {
        if (flasher_stop_requested())
            return false;
        const BootResult result = read_once(address, back, length);
        if (result == BOOT_NO_COMMAND)
            return false;
        if (result != BOOT_OK)
            continue;
        read_any = true;
        if (std::equal(data, data + length, back))
            return true;
    }
    if (flasher_stop_requested())
        return false;
    if (read_any)
        std::fprintf(stderr, "Error: verify failed at 0x%08x: the flash does not hold the image there\n", address);
    else
        std::fprintf(stderr, "Error: reading back %zu bytes at 0x%08x failed after %u retries\n", length, address,
                     retries_);
    return false;
}
