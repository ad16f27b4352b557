#pragma once
// The products and firmware versions that reach every layout and every row set of the settings
// page's fixed panel.

#include <set>
#include <utility>
#include <vector>

#include "device/products/product_catalogue.h"

// Every product the panel's sets name, the all-settings table families included.
inline std::vector<int> panel_products()
{
    std::set<int> ids;
    for (const kivo::ProductSet& set : kivo::product_sets())
        if (set.name.starts_with("kPanel") || set.name == "kAllSettingsTableProducts" || set.name == "kBriskoProductId")
            ids.insert(set.ids.begin(), set.ids.end());
    return {ids.begin(), ids.end()};
}

// A version in each firmware band of the tables, and each threshold itself.
inline constexpr std::pair<int, int> kPanelVersions[] = {{0, 0}, {1, 0}, {1, 1}, {1, 2}, {1, 9}, {2, 0}, {3, 9},
                                                         {4, 0}, {4, 1}, {4, 2}, {4, 9}, {5, 0}, {5, 3}};
