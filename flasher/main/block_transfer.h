#pragma once
// Block transfers with recovery: a refused block is sent again at once, any other failure first
// resynchronises; a write whose outcome is unknown is read back before it is written again (flash
// that was programmed cannot be programmed twice). Up to the retry count, then a message naming
// the address.

#include <cstddef>
#include <cstdint>

#include "flasher/boot_protocol.h"

class BlockTransfer {
public:
    BlockTransfer(BootConnection* connection, uint32_t retries)
        : connection_(connection)
        , retries_(retries)
    { }

    bool write(uint32_t address, const uint8_t* data, size_t length);
    bool read(uint32_t address, uint8_t* buffer, size_t length);
    // Reads the block back: it passes when one read matches the data.
    bool verify(uint32_t address, const uint8_t* data, size_t length);

private:
    // One read with the recovery of a failure; BOOT_OK, or the failure.
    BootResult read_once(uint32_t address, uint8_t* buffer, size_t length);
    void recover();

    BootConnection* connection_;
    uint32_t retries_;
};
