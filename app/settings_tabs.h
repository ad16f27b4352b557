#pragma once
// The settings tabs a device gets, by product id and firmware version.

#include <array>

#include "common/page_ids.h"

struct SettingsTabs {
    int count = 0;
    std::array<int, 3> tabs{};
    int selected = 0;
};

// The tabs of a product at firmware major.minor; fm_radio is the device's FM show/hide answer.
SettingsTabs settings_tabs_for(int product_id, int major, int minor, int fm_radio);

// Devices without settings pages at this firmware (cameras, the smart-helmet controller and a few
// early versions): the settings button and the settings navigation leave them alone, and the update
// page's Next leads back to device selection.
bool settings_excluded(int product_id, int major, int minor);

// The mode whose tab id is tab (7, 8 or 9), 0 for none.
int settings_mode_of_tab(int tab);
// The tab id of a settings mode (7 -> 1, 8 -> 3, 9 -> 2), 0 for other modes.
int settings_tab_of_mode(int mode);
