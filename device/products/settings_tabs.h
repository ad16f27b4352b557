#pragma once
// The settings tabs a device gets, by product id and firmware version: which settings pages it
// has, in the order of its page-title tabs. The first row that lists a product decides.

#include <array>
#include <vector>

#include "common/page_ids.h"

namespace kivo {

struct SettingsTabs {
    int count = 0;
    std::array<int, 3> tabs{};
    int selected = 0;
};

enum class TabCondition {
    None,
    FmRadio4, // the device's FM show/hide answer is 4
    AboveVersion, // firmware above major.minor
    SpeedDialFirst, // the product opens the speed-dial page first at this firmware
};

// A row of the tab table: its products get `tabs`, or `other` while the condition holds.
struct TabRow {
    std::vector<int> products;
    std::vector<int> tabs;
    TabCondition condition = TabCondition::None;
    int major = 0;
    int minor = 0;
    std::vector<int> other = {};
};

const std::vector<TabRow>& settings_tab_table();

// The tabs of a product at firmware major.minor; fm_radio is the device's FM show/hide answer.
SettingsTabs settings_tabs_for(int product_id, int major, int minor, int fm_radio);

// The mode whose tab id is tab (7, 8 or 9), 0 for none.
int settings_mode_of_tab(int tab);
// The tab id of a settings mode (7 -> 1, 8 -> 3, 9 -> 2), 0 for other modes.
int settings_tab_of_mode(int mode);
// Index in tabs of a settings mode's tab, -1 when absent.
int tab_index_of_mode(const SettingsTabs& tabs, int mode);

} // namespace kivo
