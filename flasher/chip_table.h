#pragma once
// The STM32 chips the bootloader client can work with, keyed by the product id that GET ID returns:
// memory map, flash page sizes and the two flags that change how a chip is erased and reset.

#include <array>
#include <cstdint>
#include <span>

// Flash page sizes in bytes from the start of flash; the last size repeats to the end. Never empty.
using PageSizeList = std::span<const uint32_t>;

// A mass erase is done page by page.
inline constexpr uint32_t CHIP_NO_MASS_ERASE = 1;
// Reset by reloading the option bytes instead of by a system reset.
inline constexpr uint32_t CHIP_OBL_RESET = 2;

struct ChipDescriptor {
    uint16_t product_id;
    const char* name;
    uint32_t ram_start;
    uint32_t ram_end;
    uint32_t flash_start;
    uint32_t flash_end; // just past the flash
    uint32_t pages_per_sector; // kept for callers; no operation reads it
    PageSizeList page_sizes;
    uint32_t option_bytes_start;
    uint32_t option_bytes_end;
    uint32_t system_memory_start;
    uint32_t system_memory_end;
    uint32_t flags;
};

// The table in search order.
extern const std::array<ChipDescriptor, 39> ChipTable;

// The first descriptor with this product id, or nullptr.
const ChipDescriptor* stm32_chip_find(uint16_t product_id);

// The pages counted from flash start up to the address, plus 1 when the address lies inside a page:
// flash start gives 0, an address inside the first page 1, a page boundary the pages below it and
// flash end the pages in flash. An address outside flash gives 0.
uint32_t stm_flash_page_of_address(const ChipDescriptor& chip, uint32_t address);

// The number of pages in flash.
uint32_t stm_flash_page_count(const ChipDescriptor& chip);

// The address where page `page` begins; flash end for the page count or above.
uint32_t stm_flash_page_start(const ChipDescriptor& chip, uint32_t page);

// The index of the page holding an address inside flash.
uint32_t stm_flash_page_index(const ChipDescriptor& chip, uint32_t address);
