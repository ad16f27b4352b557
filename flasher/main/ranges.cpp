#include "flasher/main/ranges.h"

#include <cstdio>

bool range_in_flash(const ChipDescriptor& chip, const MemoryRange& range)
{
    return range.address >= chip.flash_start && range.end() <= chip.flash_end;
}

bool range_in_ram(const ChipDescriptor& chip, const MemoryRange& range)
{
    return range.address >= chip.ram_start && range.end() <= chip.ram_end;
}

PageSpan pages_holding(const ChipDescriptor& chip, const MemoryRange& range)
{
    const uint32_t first = stm_flash_page_index(chip, range.address);
    const uint32_t last = stm_flash_page_index(chip, static_cast<uint32_t>(range.end() - 1));
    return {first, last - first + 1};
}

bool page_address(const ChipDescriptor& chip, uint32_t page, uint32_t& address)
{
    const uint32_t pages = stm_flash_page_count(chip);
    if (page >= pages) {
        std::fprintf(stderr, "Error: page %u is past the last page of flash (%u)\n", page, pages - 1);
        return false;
    }
    address = stm_flash_page_start(chip, page);
    return true;
}

bool range_to_read(const FlasherOptions& options, const ChipDescriptor& chip, MemoryRange& range)
{
    if (options.start_address != 0 || options.length != 0) {
        range.address = options.start_address;
        if (options.length != 0) {
            range.length = options.length;
        } else if (range.address >= chip.flash_start && range.address < chip.flash_end) {
            range.length = chip.flash_end - range.address;
        } else {
            std::fprintf(stderr, "Error: address 0x%08x is outside flash: give a length with -S address:length\n",
                         range.address);
            return false;
        }
        if (range.end() > (uint64_t{1} << 32)) {
            std::fprintf(stderr, "Error: the range of %u bytes at 0x%08x runs past 0xFFFFFFFF\n", range.length,
                         range.address);
            return false;
        }
        return true;
    }
    range.address = chip.flash_start;
    if (options.start_page != 0 && !page_address(chip, options.start_page, range.address))
        return false;
    range.length = chip.flash_end - range.address;
    return true;
}
