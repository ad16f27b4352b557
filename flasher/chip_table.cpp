#include "flasher/chip_table.h"

#include <algorithm>

namespace {

constexpr uint32_t K = 1024;
constexpr std::array<uint32_t, 1> P1 = {1 * K};
constexpr std::array<uint32_t, 1> P2 = {2 * K};
constexpr std::array<uint32_t, 6> P3 = {16 * K, 16 * K, 16 * K, 16 * K, 64 * K, 128 * K};
constexpr std::array<uint32_t, 14> P4 = {16 * K,  16 * K, 16 * K, 16 * K, 64 * K, 128 * K, 128 * K,
                                         128 * K, 16 * K, 16 * K, 16 * K, 16 * K, 64 * K,  128 * K};
constexpr std::array<uint32_t, 6> P5 = {32 * K, 32 * K, 32 * K, 32 * K, 128 * K, 256 * K};
constexpr std::array<uint32_t, 1> P6 = {128};
constexpr std::array<uint32_t, 1> P7 = {256};

// The size of page `page`: its entry in the list, or the last size, which repeats to flash end.
uint32_t page_size(const ChipDescriptor& chip, uint32_t page)
{
    return chip.page_sizes[std::min<size_t>(page, chip.page_sizes.size() - 1)];
}

} // namespace

// clang-format off
const std::array<ChipDescriptor, 39> ChipTable = {{
    // id    name                                RAM start   RAM end     flash start flash end   pps page  option bytes            system memory           flags
    {0x440, "STM32F030x8/F05xxx",               0x20000800, 0x20002000, 0x08000000, 0x08010000,  4, P1, 0x1FFFF800, 0x1FFFF80F, 0x1FFFEC00, 0x1FFFF800, 0},
    {0x442, "STM32F030xC/F09xxx",               0x20001800, 0x20008000, 0x08000000, 0x08040000,  2, P2, 0x1FFFF800, 0x1FFFF80F, 0x1FFFC800, 0x1FFFF800, CHIP_OBL_RESET},
    {0x444, "STM32F03xx4/6",                    0x20000800, 0x20001000, 0x08000000, 0x08008000,  4, P1, 0x1FFFF800, 0x1FFFF80F, 0x1FFFEC00, 0x1FFFF800, 0},
    {0x445, "STM32F04xxx/F070x6",               0x20001800, 0x20001800, 0x08000000, 0x08008000,  4, P1, 0x1FFFF800, 0x1FFFF80F, 0x1FFFC400, 0x1FFFF800, 0},
    {0x448, "STM32F070xB/F071xx/F72xx",         0x20001800, 0x20004000, 0x08000000, 0x08020000,  2, P2, 0x1FFFF800, 0x1FFFF80F, 0x1FFFC800, 0x1FFFF800, 0},
    {0x412, "STM32F10xxx Low-density",          0x20000200, 0x20002800, 0x08000000, 0x08008000,  4, P1, 0x1FFFF800, 0x1FFFF80F, 0x1FFFF000, 0x1FFFF800, 0},
    {0x410, "STM32F10xxx Medium-density",       0x20000200, 0x20005000, 0x08000000, 0x08020000,  4, P1, 0x1FFFF800, 0x1FFFF80F, 0x1FFFF000, 0x1FFFF800, 0},
    {0x414, "STM32F10xxx High-density",         0x20000200, 0x20010000, 0x08000000, 0x08080000,  2, P2, 0x1FFFF800, 0x1FFFF80F, 0x1FFFF000, 0x1FFFF800, 0},
    {0x420, "STM32F10xxx Medium-density VL",    0x20000200, 0x20002000, 0x08000000, 0x08020000,  4, P1, 0x1FFFF800, 0x1FFFF80F, 0x1FFFF000, 0x1FFFF800, 0},
    {0x428, "STM32F10xxx High-density VL",      0x20000200, 0x20008000, 0x08000000, 0x08080000,  2, P2, 0x1FFFF800, 0x1FFFF80F, 0x1FFFF000, 0x1FFFF800, 0},
    {0x418, "STM32F105xx/F107xx",               0x20001000, 0x20010000, 0x08000000, 0x08040000,  2, P2, 0x1FFFF800, 0x1FFFF80F, 0x1FFFB000, 0x1FFFF800, 0},
    {0x430, "STM32F10xxx XL-density",           0x20000800, 0x20018000, 0x08000000, 0x08100000,  2, P2, 0x1FFFF800, 0x1FFFF80F, 0x1FFFE000, 0x1FFFF800, 0},
    {0x411, "STM32F2xxxx",                      0x20002000, 0x20020000, 0x08000000, 0x08100000,  1, P3, 0x1FFFC000, 0x1FFFC00F, 0x1FFF0000, 0x1FFF7800, 0},
    {0x432, "STM32F373xx/F378xx",               0x20001400, 0x20008000, 0x08000000, 0x08040000,  2, P2, 0x1FFFF800, 0x1FFFF80F, 0x1FFFD800, 0x1FFFF800, 0},
    {0x422, "STM32F302xB(C)/F303xB(C)/F358xx",  0x20001400, 0x2000A000, 0x08000000, 0x08040000,  2, P2, 0x1FFFF800, 0x1FFFF80F, 0x1FFFD800, 0x1FFFF800, 0},
    {0x439, "STM32F301xx/F302x4(6/8)/F318xx",   0x20001800, 0x20004000, 0x08000000, 0x08010000,  2, P2, 0x1FFFF800, 0x1FFFF80F, 0x1FFFD800, 0x1FFFF800, 0},
    {0x438, "STM32F303x4(6/8)/F334xx/F328xx",   0x20001800, 0x20003000, 0x08000000, 0x08010000,  2, P2, 0x1FFFF800, 0x1FFFF80F, 0x1FFFD800, 0x1FFFF800, 0},
    {0x446, "STM32F302xD(E)/F303xD(E)/F398xx",  0x20001800, 0x20010000, 0x08000000, 0x08080000,  2, P2, 0x1FFFF800, 0x1FFFF80F, 0x1FFFD800, 0x1FFFF800, 0},
    {0x413, "STM32F40xxx/41xxx",                0x20003000, 0x20020000, 0x08000000, 0x08100000,  1, P3, 0x1FFFC000, 0x1FFFC00F, 0x1FFF0000, 0x1FFF7800, 0},
    {0x419, "STM32F42xxx/43xxx",                0x20003000, 0x20030000, 0x08000000, 0x08200000,  1, P4, 0x1FFEC000, 0x1FFFC00F, 0x1FFF0000, 0x1FFF7800, 0},
    {0x423, "STM32F401xB(C)",                   0x20003000, 0x20010000, 0x08000000, 0x08040000,  1, P3, 0x1FFFC000, 0x1FFFC00F, 0x1FFF0000, 0x1FFF7800, 0},
    {0x433, "STM32F401xD(E)",                   0x20003000, 0x20018000, 0x08000000, 0x08080000,  1, P3, 0x1FFFC000, 0x1FFFC00F, 0x1FFF0000, 0x1FFF7800, 0},
    {0x458, "STM32F410xx",                      0x20003000, 0x20008000, 0x08000000, 0x08020000,  1, P3, 0x1FFFC000, 0x1FFFC00F, 0x1FFF0000, 0x1FFF7800, 0},
    {0x431, "STM32F411xx",                      0x20003000, 0x20020000, 0x08000000, 0x08080000,  1, P3, 0x1FFFC000, 0x1FFFC00F, 0x1FFF0000, 0x1FFF7800, 0},
    {0x421, "STM32F446xx",                      0x20003000, 0x20020000, 0x08000000, 0x08080000,  1, P3, 0x1FFFC000, 0x1FFFC00F, 0x1FFF0000, 0x1FFF7800, 0},
    {0x434, "STM32F469xx",                      0x20003000, 0x20060000, 0x08000000, 0x08200000,  1, P4, 0x1FFEC000, 0x1FFFC00F, 0x1FFF0000, 0x1FFF7800, 0},
    {0x449, "STM32F74xxx/75xxx",                0x20004000, 0x20050000, 0x08000000, 0x08100000,  1, P5, 0x1FFF0000, 0x1FFF001F, 0x1FF00000, 0x1FF0EDC0, 0},
    {0x425, "STM32L031xx/041xx",                0x20001000, 0x20002000, 0x08000000, 0x08008000, 32, P6, 0x1FF80000, 0x1FF8001F, 0x1FF00000, 0x1FF01000, 0},
    {0x417, "STM32L05xxx/06xxx",                0x20001000, 0x20002000, 0x08000000, 0x08010000, 32, P6, 0x1FF80000, 0x1FF8001F, 0x1FF00000, 0x1FF01000, 0},
    {0x447, "STM32L07xxx/08xxx",                0x20002000, 0x20005000, 0x08000000, 0x08030000, 32, P6, 0x1FF80000, 0x1FF8001F, 0x1FF00000, 0x1FF02000, 0},
    {0x416, "STM32L1xxx6(8/B)",                 0x20000800, 0x20004000, 0x08000000, 0x08020000, 16, P7, 0x1FF80000, 0x1FF8001F, 0x1FF00000, 0x1FF01000, CHIP_NO_MASS_ERASE},
    {0x429, "STM32L1xxx6(8/B)A",                0x20001000, 0x20008000, 0x08000000, 0x08020000, 16, P7, 0x1FF80000, 0x1FF8001F, 0x1FF00000, 0x1FF01000, 0},
    {0x427, "STM32L1xxxC",                      0x20001000, 0x20008000, 0x08000000, 0x08040000, 16, P7, 0x1FF80000, 0x1FF8001F, 0x1FF00000, 0x1FF02000, 0},
    {0x436, "STM32L1xxxD",                      0x20001000, 0x2000C000, 0x08000000, 0x08060000, 16, P7, 0x1FF80000, 0x1FF8009F, 0x1FF00000, 0x1FF02000, 0},
    {0x437, "STM32L1xxxE",                      0x20001000, 0x20014000, 0x08000000, 0x08080000, 16, P7, 0x1FF80000, 0x1FF8009F, 0x1FF00000, 0x1FF02000, CHIP_NO_MASS_ERASE},
    {0x415, "STM32L476xx/486xx",                0x20003100, 0x20018000, 0x08000000, 0x08100000,  1, P2, 0x1FFF7800, 0x1FFFF80F, 0x1FFF0000, 0x1FFF7000, 0},
    {0x641, "Medium_Density PL",                0x20000200, 0x20005000, 0x08000000, 0x08020000,  4, P1, 0x1FFFF800, 0x1FFFF80F, 0x1FFFF000, 0x1FFFF800, 0},
    {0x9A8, "STM32W-128K",                      0x20000200, 0x20002000, 0x08000000, 0x08020000,  4, P1, 0x08040800, 0x0804080F, 0x08040000, 0x08040800, 0},
    {0x9B0, "STM32W-256K",                      0x20000200, 0x20004000, 0x08000000, 0x08040000,  4, P2, 0x08040800, 0x0804080F, 0x08040000, 0x08040800, 0},
}};
// clang-format on

const ChipDescriptor* stm32_chip_find(uint16_t product_id)
{
    const auto chip = std::find_if(ChipTable.begin(), ChipTable.end(),
                                   [&](const ChipDescriptor& c) { return c.product_id == product_id; });
    return chip != ChipTable.end() ? &*chip : nullptr;
}

uint32_t stm_flash_page_of_address(const ChipDescriptor& chip, uint32_t address)
{
    if (address < chip.flash_start || address > chip.flash_end)
        return 0;
    uint32_t offset = address - chip.flash_start;
    uint32_t pages = 0;
    for (; offset >= page_size(chip, pages); ++pages)
        offset -= page_size(chip, pages);
    return offset != 0 ? pages + 1 : pages;
}

uint32_t stm_flash_page_count(const ChipDescriptor& chip) { return stm_flash_page_of_address(chip, chip.flash_end); }

uint32_t stm_flash_page_start(const ChipDescriptor& chip, uint32_t page)
{
    uint32_t address = chip.flash_start;
    for (uint32_t n = 0; n < page && address < chip.flash_end; ++n)
        address += page_size(chip, n);
    return address < chip.flash_end ? address : chip.flash_end;
}

uint32_t stm_flash_page_index(const ChipDescriptor& chip, uint32_t address)
{
    return stm_flash_page_of_address(chip, address + 1) - 1;
}
