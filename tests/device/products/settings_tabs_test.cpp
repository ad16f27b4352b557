// The settings tabs of a product by firmware version and FM answer.

#include <gtest/gtest.h>

#include <vector>

#include "device/products/settings_tabs.h"
#include "device/products/speed_dial_first.h"
#include "device/products/without_settings_pages.h"

using namespace kivo;

namespace {

std::vector<int> tabs_of(int product, int major, int minor, int fm = 0)
{
    const SettingsTabs tabs = settings_tabs_for(product, major, minor, fm);
    EXPECT_EQ(tabs.selected, 0);
    for (int i = tabs.count; i < 3; ++i)
        EXPECT_EQ(tabs.tabs[static_cast<size_t>(i)], 0) << "unused tabs are cleared";
    return {tabs.tabs.begin(), tabs.tabs.begin() + tabs.count};
}

} // namespace

TEST(SettingsTabs, ByProductVersionAndFmAnswer)
{
    struct Case {
        int product, major, minor, fm;
        std::vector<int> tabs;
    };
    const Case cases[] = {
        {0x2010, 9, 9, 0, {1}},    {0x6838, 1, 0, 0, {1, 2}},  {0x6806, 1, 0, 0, {1, 2, 3}},
        {0x3142, 1, 0, 0, {1, 3}}, {0x6700, 1, 0, 0, {2}},     {0x3032, 1, 0, 0, {1, 2, 3}},
        {0x3032, 1, 0, 4, {1, 2}}, {0x3161, 1, 0, 3, {1, 3}},  {0x3161, 1, 0, 4, {1}},
        {0x4D05, 1, 2, 0, {1}}, // "above 1.2" is strictly above
        {0x4D05, 1, 3, 0, {1, 2}}, {0x4D45, 1, 2, 0, {1, 3}},  {0x4D45, 2, 0, 0, {1, 2, 3}},
        {0x5010, 4, 2, 0, {1}},    {0x5010, 4, 10, 0, {1, 2}}, {0x5050, 4, 3, 0, {1, 2, 3}},
        {0x6461, 2, 0, 0, {2}},    {0x6461, 2, 1, 0, {1, 2}},  {0x6620, 1, 0, 0, {2}},
        {0x6620, 1, 1, 0, {1, 2}}, {0x5624, 1, 0, 0, {}}, // not listed: no tabs
        {0x0000, 1, 0, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tabs_of(c.product, c.major, c.minor, c.fm), c.tabs)
            << std::hex << c.product << " " << std::dec << c.major << "." << c.minor << " fm " << c.fm;
}

TEST(SettingsTabs, ModesAndTabIds)
{
    EXPECT_EQ(settings_tab_of_mode(7), kTabDeviceSettings);
    EXPECT_EQ(settings_tab_of_mode(8), kTabSecondSettings);
    EXPECT_EQ(settings_tab_of_mode(9), kTabSpeedDial);
    EXPECT_EQ(settings_tab_of_mode(6), 0);
    for (int mode : {7, 8, 9})
        EXPECT_EQ(settings_mode_of_tab(settings_tab_of_mode(mode)), mode);
}

TEST(SettingsTabs, ProductsWithoutSettingsPages)
{
    struct Case {
        int product, major, minor;
        bool excluded;
    };
    for (const Case c :
         {Case{0x5310, 9, 9, true}, Case{0x3020, 1, 0, true}, Case{0x3500, 2, 1, true}, Case{0x3500, 2, 2, false},
          Case{0x3560, 1, 0, true}, Case{0x3570, 1, 1, false}, Case{0x3142, 0, 0, false}})
        EXPECT_EQ(settings_excluded(c.product, c.major, c.minor), c.excluded)
            << std::hex << c.product << " " << std::dec << c.major << "." << c.minor;
}

TEST(SpeedDialFirst, SettingsButtonAndUpdateNextAgreeWithTheTabs)
{
    struct Case {
        int product, major, minor;
        bool settings_button, update_next;
    };
    for (const Case c :
         {Case{0x4111, 9, 9, true, true}, Case{0x6700, 1, 0, true, false}, Case{0x6480, 1, 0, true, true},
          Case{0x6480, 1, 1, false, false}, Case{0x6461, 2, 0, true, true}, Case{0x6461, 2, 1, false, false},
          Case{0x3142, 0, 0, false, false}}) {
        EXPECT_EQ(settings_open_on_speed_dial(c.product, c.major, c.minor), c.settings_button) << std::hex << c.product;
        EXPECT_EQ(update_next_opens_speed_dial(c.product, c.major, c.minor), c.update_next) << std::hex << c.product;
    }
    // The settings button opens the speed-dial page exactly when it is the first tab.
    for (const TabRow& row : settings_tab_table())
        for (int product : row.products)
            for (const auto& [major, minor] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{1, 1}, std::pair{2, 1}})
                EXPECT_EQ(settings_open_on_speed_dial(product, major, minor),
                          settings_tabs_for(product, major, minor, 0).tabs[0] == kTabSpeedDial)
                    << std::hex << product << std::dec << " " << major << "." << minor;
}
