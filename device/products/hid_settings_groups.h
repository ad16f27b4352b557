#pragma once
// Which of the fourteen settings groups a device found over HID belongs to: its group decides
// which records its settings are read from and written back to (recognition/hid_group_records.h
// holds the records of each group). The first set that lists a product decides.

#include "device/products/background_volume.h"
#include "device/products/oem_headsets.h"
#include "device/products/product_set.h"
#include "device/products/second_settings_word.h"
#include "device/products/short_report_families.h"

namespace kivo {

// G4 are the OEM headsets and G11 to G14 the four families of 62-byte reports; G3 and G9 are the
// products whose record keeps VOX sensitivity and background volume.
enum class SettingsGroup { None, G1, G2, G3, G4, G5, G6, G7, G8, G9, G10, G11, G12, G13, G14 };

inline constexpr std::array kSettingsGroupG1Products = {
    0x3052, 0x3072, 0x3082, 0x3085, 0x321B, 0x3340, 0x3341, 0x3350, 0x3360, 0x3370, 0x3380, 0x3400,
    0x3410, 0x3420, 0x3430, 0x3701, 0x4023, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451,
    0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x6042, 0x6900, 0x6910};
inline constexpr std::array kSettingsGroupG2Products = {0x3342, 0x3343};
inline constexpr std::array kSettingsGroupG5Products = {0x4D06, 0x4D76};
inline constexpr std::array kSettingsGroupG6Products = {0x4D16, 0x4D86};
inline constexpr std::array kSettingsGroupG7Products = {0x5552, 0x5553};
inline constexpr std::array kSettingsGroupG8Products = {0x5630, 0x5632};
inline constexpr std::array kSettingsGroupG10Products = {0x6600, 0x6610, 0x6700};

struct SettingsGroupRow {
    SettingsGroup group;
    std::span<const int> products;
};

// In the order they are asked.
inline constexpr std::array<SettingsGroupRow, 14> kSettingsGroupRows{{
    {SettingsGroup::G1, kSettingsGroupG1Products},
    {SettingsGroup::G2, kSettingsGroupG2Products},
    {SettingsGroup::G3, kGrennikProducts},
    {SettingsGroup::G4, kOemHeadsetProducts},
    {SettingsGroup::G5, kSettingsGroupG5Products},
    {SettingsGroup::G6, kSettingsGroupG6Products},
    {SettingsGroup::G7, kSettingsGroupG7Products},
    {SettingsGroup::G8, kSettingsGroupG8Products},
    {SettingsGroup::G9, kBackgroundVolumeProducts},
    {SettingsGroup::G10, kSettingsGroupG10Products},
    {SettingsGroup::G11, kProtocolBSettingsProducts},
    {SettingsGroup::G12, kProtocolBNoSpeedDialProducts},
    {SettingsGroup::G13, kProtocolBFmBlockProducts},
    {SettingsGroup::G14, kProtocolBBasicWordProducts},
}};

constexpr SettingsGroup settings_group(int product_id)
{
    for (const SettingsGroupRow& row : kSettingsGroupRows)
        if (product_in(row.products, product_id))
            return row.group;
    return SettingsGroup::None;
}

} // namespace kivo
