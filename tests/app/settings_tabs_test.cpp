// The settings tabs of a product by firmware version and FM answer.

#include <gtest/gtest.h>

#include <vector>

#include "app/app_controller.h"
#include "app/settings_tabs.h"

namespace {

std::vector<int> tabs_of(int product, int major, int minor, int fm = 0)
{
    int count = -1, selected = -1;
    std::array<int, 3> tabs{9, 9, 9};
    KIVOBluetoothManagerAppController::
        SetTabDataInTabCount_tabs_tabIndexSelected_toDevice_withVerMajor_Minor_fmRadioShowAndHide(
            count, tabs, selected, product, major, minor, fm);
    EXPECT_EQ(selected, 0);
    for (int i = count; i < 3; ++i)
        EXPECT_EQ(tabs[static_cast<size_t>(i)], 0) << "unused tabs are cleared";
    return {tabs.begin(), tabs.begin() + count};
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
