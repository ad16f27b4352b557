#pragma once
// Address ranges of a run, checked against the chip before anything is sent.

#include <cstdint>

#include "flasher/chip_table.h"
#include "flasher/options.h"

struct MemoryRange {
    uint32_t address = 0;
    uint32_t length = 0;
    uint64_t end() const { return uint64_t{address} + length; }
};

bool range_in_flash(const ChipDescriptor& chip, const MemoryRange& range);
bool range_in_ram(const ChipDescriptor& chip, const MemoryRange& range);

// First page and page count of the flash pages holding a non-empty range inside flash.
struct PageSpan {
    uint32_t first = 0;
    uint32_t count = 0;
};
PageSpan pages_holding(const ChipDescriptor& chip, const MemoryRange& range);

// The start of page `page`; false after a message when the chip has no such page.
bool page_address(const ChipDescriptor& chip, uint32_t page, uint32_t& address);

// The range a read or CRC covers: -S address[:length], else from page N (-s) or flash start to
// flash end. An address outside flash needs a length; a range may not wrap past 0xFFFFFFFF.
// False after a message.
bool range_to_read(const FlasherOptions& options, const ChipDescriptor& chip, MemoryRange& range);
