#include "device/products/settings_tabs.h"

#include <algorithm>

#include "device/device_data.h"
#include "device/products/speed_dial_first.h"

namespace kivo {
namespace {

std::vector<int> ids(std::span<const int> set) { return {set.begin(), set.end()}; }

bool holds(const TabRow& row, int product_id, int major, int minor, int fm_radio)
{
    switch (row.condition) {
    case TabCondition::None: return false;
    case TabCondition::FmRadio4: return fm_radio == 4;
    case TabCondition::AboveVersion:
        return KIVOBluetoothDeviceData::compareVersionUpToMinorMajor_Minor_WithMajor_Minor(major, minor, row.major,
                                                                                           row.minor) > 0;
    case TabCondition::SpeedDialFirst: return speed_dial_first_below_version(product_id, major, minor);
    }
    return false;
}

} // namespace

const std::vector<TabRow>& settings_tab_table()
{
    static const std::vector<TabRow> rows = {
        {{0x2010, 0x2011, 0x2110, 0x2120, 0x2210, 0x2310, 0x3080, 0x3152, 0x4010, 0x4020, 0x4021, 0x4030, 0x4040,
          0x5210, 0x6310},
         {1}},
        {{0x2020, 0x3223, 0x3300, 0x4110, 0x4113, 0x4120, 0x4D06, 0x4D75, 0x4D76, 0x5011, 0x5410,
          0x6000, 0x6020, 0x6022, 0x6024, 0x6036, 0x6110, 0x6111, 0x6120, 0x6121, 0x6420, 0x6430,
          0x6440, 0x6450, 0x6470, 0x6500, 0x6510, 0x6800, 0x6804, 0x6805, 0x6808, 0x6810, 0x6811,
          0x6812, 0x6815, 0x6817, 0x6821, 0x6822, 0x6825, 0x6838, 0x683A},
         {1, 2}},
        {{0x2030, 0x3030, 0x3040, 0x3060, 0x3112, 0x3114, 0x3116, 0x3118, 0x3132, 0x3134, 0x3136, 0x3140, 0x3146,
          0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3212, 0x3213, 0x3214, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A,
          0x321C, 0x321D, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3800, 0x3900, 0x4050,
          0x4310, 0x4330, 0x4410, 0x4430, 0x4510, 0x4530, 0x4610, 0x4D16, 0x4D85, 0x4D86, 0x5414, 0x5416, 0x5420,
          0x5510, 0x5522, 0x5524, 0x5526, 0x5532, 0x5536, 0x5550, 0x5564, 0x5576, 0x5580, 0x5610, 0x5611, 0x5612,
          0x5620, 0x5621, 0x5622, 0x5623, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018,
          0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6112, 0x6114, 0x6210, 0x6400, 0x6806},
         {1, 2, 3}},
        {{0x3142, 0x3143, 0x5560, 0x5562}, {1, 3}},
        {ids(kSpeedDialOnlyProducts), {2}},
        {{0x3032, 0x3050, 0x3110, 0x3211, 0x3215, 0x321B, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360, 0x3370,
          0x3380, 0x3410, 0x3420, 0x3430, 0x3701, 0x4210, 0x5412, 0x5418, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432,
          0x5434, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5520, 0x5530, 0x5534, 0x5538, 0x5552,
          0x5553, 0x5570, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x6042, 0x6900, 0x6910},
         {1, 2, 3},
         TabCondition::FmRadio4,
         0,
         0,
         {1, 2}},
        {{0x3070, 0x3124, 0x3126, 0x3128, 0x3144, 0x3150, 0x3161}, {1, 3}, TabCondition::FmRadio4, 0, 0, {1}},
        {{0x4D05, 0x4D35, 0x4D55}, {1}, TabCondition::AboveVersion, 1, 2, {1, 2}},
        {{0x4D15, 0x4D45, 0x4D65}, {1, 3}, TabCondition::AboveVersion, 1, 2, {1, 2, 3}},
        {{0x4D10, 0x4D20, 0x4D30, 0x4D40, 0x4D50, 0x5010, 0x5020, 0x5030, 0x5060, 0x5061, 0x5070, 0x5080},
         {1},
         TabCondition::AboveVersion,
         4,
         2,
         {1, 2}},
        {{0x5040, 0x5050}, {1, 3}, TabCondition::AboveVersion, 4, 2, {1, 2, 3}},
        {ids(kSpeedDialFirstBelow2_1Products), {1, 2}, TabCondition::SpeedDialFirst, 0, 0, {2}},
        {ids(kSpeedDialFirstBelow1_1Products), {1, 2}, TabCondition::SpeedDialFirst, 0, 0, {2}},
    };
    return rows;
}

SettingsTabs settings_tabs_for(int product_id, int major, int minor, int fm_radio)
{
    SettingsTabs result;
    for (const TabRow& row : settings_tab_table()) {
        if (std::find(row.products.begin(), row.products.end(), product_id) == row.products.end())
            continue;
        const std::vector<int>& tabs = holds(row, product_id, major, minor, fm_radio) ? row.other : row.tabs;
        result.count = static_cast<int>(tabs.size());
        std::copy(tabs.begin(), tabs.end(), result.tabs.begin());
        break;
    }
    return result;
}

int settings_mode_of_tab(int tab)
{
    switch (tab) {
    case kTabDeviceSettings: return kModeSettings;
    case kTabSecondSettings: return kModeSecondSettings;
    case kTabSpeedDial: return kModeSpeedDial;
    default: return kModeNone;
    }
}

int settings_tab_of_mode(int mode)
{
    switch (mode) {
    case kModeSettings: return kTabDeviceSettings;
    case kModeSecondSettings: return kTabSecondSettings;
    case kModeSpeedDial: return kTabSpeedDial;
    default: return kTabNone;
    }
}

int tab_index_of_mode(const SettingsTabs& tabs, int mode)
{
    const int tab = settings_tab_of_mode(mode);
    if (tab == kTabNone)
        return -1;
    for (int i = 0; i < tabs.count && i < 3; ++i)
        if (tabs.tabs[static_cast<size_t>(i)] == tab)
            return i;
    return -1;
}

} // namespace kivo
