#include <gtest/gtest.h>

#include <set>

#include "flasher/chip_table.h"

namespace {

TEST(ChipTable, LookupFindsListedIdsOnly)
{
    const ChipDescriptor* l1 = stm32_chip_find(0x416);
    ASSERT_NE(l1, nullptr);
    EXPECT_STREQ(l1->name, "STM32L1xxx6(8/B)");
    EXPECT_EQ(l1->flags, CHIP_NO_MASS_ERASE);
    EXPECT_EQ(l1->page_sizes[0], 256u);
    EXPECT_EQ(stm_flash_page_count(*l1), 512u);

    EXPECT_EQ(stm32_chip_find(0), nullptr);
    EXPECT_EQ(stm32_chip_find(0x450), nullptr);

    const ChipDescriptor* f04 = stm32_chip_find(0x445);
    ASSERT_NE(f04, nullptr);
    EXPECT_EQ(f04->ram_start, f04->ram_end);
}

TEST(ChipTable, OnlyOneChipResetsThroughTheOptionBytes)
{
    std::vector<uint16_t> with_reload;
    for (const ChipDescriptor& chip : ChipTable)
        if ((chip.flags & CHIP_OBL_RESET) != 0)
            with_reload.push_back(chip.product_id);
    EXPECT_EQ(with_reload, std::vector<uint16_t>{0x442});
}

// Catches slips in the table: a duplicated id, or a flash size that the page list does not divide.
TEST(ChipTable, IdsAreUniqueAndFlashEndsOnAPageBoundary)
{
    std::set<uint16_t> ids;
    int count = 0;
    for (const ChipDescriptor& chip : ChipTable) {
        SCOPED_TRACE(chip.name);
        ++count;
        EXPECT_TRUE(ids.insert(chip.product_id).second);
        const uint32_t pages = stm_flash_page_count(chip);
        EXPECT_GT(pages, 0u);
        EXPECT_EQ(stm_flash_page_start(chip, pages), chip.flash_end);
        EXPECT_LT(stm_flash_page_start(chip, pages - 1), chip.flash_end);
        EXPECT_EQ(stm_flash_page_index(chip, chip.flash_end - 1), pages - 1);
    }
    EXPECT_EQ(count, 39);
}

TEST(ChipTable, PageWalkOverMixedPageSizes)
{
    const ChipDescriptor& f4 = *stm32_chip_find(0x413);
    const uint32_t start = f4.flash_start;
    struct Case {
        uint32_t address;
        uint32_t pages;
    };
    const Case cases[] = {
        {start, 0},           {start + 1, 1},       {start + 0x3FFF, 1}, {start + 0x4000, 1}, {start + 0x10000, 4},
        {start + 0x10001, 5}, {start + 0x20000, 5}, {f4.flash_end, 12},  {start - 1, 0},      {f4.flash_end + 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stm_flash_page_of_address(f4, c.address), c.pages) << std::hex << c.address;

    EXPECT_EQ(stm_flash_page_count(f4), 12u);
    EXPECT_EQ(stm_flash_page_start(f4, 4), start + 0x10000);
    EXPECT_EQ(stm_flash_page_start(f4, 5), start + 0x20000);
    EXPECT_EQ(stm_flash_page_start(f4, 6), start + 0x40000);
    EXPECT_EQ(stm_flash_page_index(f4, start + 0x1FFFF), 4u);
    EXPECT_EQ(stm_flash_page_index(f4, start + 0x20000), 5u);
}

} // namespace
