#pragma once
// Which rows the restore page's summary of a settings backup writes for a product: the products
// fall into groups, each with its rows, its handling of the selected list tab and its FM page
// (update/state/summary_row_lists.cpp). The first group that lists a product decides; a product in
// no group gets no rows. The sets are disjoint, so their order changes no product's group.

#include <optional>

#include "device/products/product_set.h"

namespace kivo {

// U1 to U23 are the older headsets reached over plain USB, asked first; U1 is one test whose first
// three products get more rows from firmware 4.1 on (U1A) than the others (U1B). G1 to G10 follow.
// clang-format off
enum class SummaryGroup {
    U1A, U1B, U2, U3, U4, U5, U6, U7, U8, U9, U10, U11, U12, U13, U14, U15, U16, U17, U18, U19, U20, U21, U22, U23,
    G1, G2, G3, G4, G5, G6, G7, G8, G9, G10,
};
// clang-format on

namespace summary_groups {
// clang-format off
inline constexpr std::array kU1A = {0x4D10, 0x4D30, 0x4D40};
inline constexpr std::array kU1B = {0x4D20, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040, 0x5050};
inline constexpr std::array kU2 = {0x6000};
inline constexpr std::array kU3 = {0x4D21};
inline constexpr std::array kU4 = {0x4D75};
inline constexpr std::array kU5 = {0x5011};
inline constexpr std::array kU6 = {0x5020, 0x5070};
inline constexpr std::array kU7 = {0x4040};
inline constexpr std::array kU8 = {0x2020};
inline constexpr std::array kU9 = {0x6110, 0x6111};
inline constexpr std::array kU10 = {0x6120, 0x6121};
inline constexpr std::array kU11 = {0x4110};
inline constexpr std::array kU12 = {0x4113};
inline constexpr std::array kU13 = {0x4111};
inline constexpr std::array kU14 = {0x4112};
inline constexpr std::array kU15 = {0x4120};
inline constexpr std::array kU16 = {0x6420};
inline constexpr std::array kU17 = {0x6470};
inline constexpr std::array kU18 = {0x6460, 0x6480, 0x6490};
inline constexpr std::array kU19 = {0x6440, 0x6450};
inline constexpr std::array kU20 = {0x6430};
inline constexpr std::array kU21 = {0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65};
inline constexpr std::array kU22 = {0x4D85};
inline constexpr std::array kU23 = {0x4020, 0x2310, 0x2010, 0x2011, 0x2120, 0x2210, 0x4030, 0x4010};
inline constexpr std::array kG1 = {0x4021, 0x2110};
inline constexpr std::array kG2 = {0x5210};
inline constexpr std::array kG3 = {0x4210};
inline constexpr std::array kG4 = {0x4310, 0x4330, 0x4430, 0x4510, 0x4530, 0x4610, 0x2030, 0x4410};
inline constexpr std::array kG5 = {
    0x3070, 0x3080, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x3128, 0x3132, 0x3134, 0x3136,
    0x3140, 0x3142, 0x3143, 0x3144, 0x3146, 0x3148, 0x3152, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212,
    0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x321D, 0x3223, 0x3240, 0x3260,
    0x3264, 0x3300, 0x3310, 0x3320, 0x3330, 0x3800, 0x3900, 0x4050, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432,
    0x5434, 0x5510, 0x5520, 0x5526, 0x5530, 0x5532, 0x5534, 0x5538, 0x5550, 0x5564, 0x5570, 0x5576, 0x5580,
    0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6112,
    0x6114, 0x6210, 0x6310, 0x6320, 0x6330, 0x6335, 0x6400};
inline constexpr std::array kG6 = {0x3232, 0x3233};
inline constexpr std::array kG7 = {0x5524, 0x5536, 0x5522};
inline constexpr std::array kG8 = {0x3030, 0x3032, 0x3050, 0x3060, 0x3040};
inline constexpr std::array kG9 = {
    0x6010, 0x6018, 0x6020, 0x6022, 0x6024, 0x6012, 0x6014, 0x6016, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036};
inline constexpr std::array kG10 = {
    0x3052, 0x3072, 0x3082, 0x3085, 0x3150, 0x3161, 0x321B, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360,
    0x3370, 0x3380, 0x3410, 0x3420, 0x3430, 0x3701, 0x4D06, 0x4D16, 0x4D76, 0x4D86, 0x5410, 0x5412, 0x5414,
    0x5416, 0x5418, 0x5420, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5552, 0x5553, 0x5560,
    0x5562, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x5630, 0x5632, 0x6038, 0x6039,
    0x6042, 0x6461, 0x6481, 0x6491, 0x6500, 0x6510, 0x6600, 0x6610, 0x6620, 0x6700, 0x6800, 0x6801, 0x6802,
    0x6803, 0x6804, 0x6805, 0x6806, 0x6808, 0x6810, 0x6811, 0x6812, 0x6814, 0x6815, 0x6816, 0x6817, 0x6821,
    0x6822, 0x6824, 0x6825, 0x6828, 0x6831, 0x6838, 0x6839, 0x683A, 0x6840, 0x6900, 0x6910, 0x6A01, 0x6A02,
    0x6A03, 0x6A04};
// clang-format on
} // namespace summary_groups

struct SummaryGroupRow {
    SummaryGroup group;
    std::span<const int> products;
};

// In the order they are asked.
inline constexpr std::array<SummaryGroupRow, 34> kSummaryGroupRows{{
    {SummaryGroup::U1A, summary_groups::kU1A}, {SummaryGroup::U1B, summary_groups::kU1B},
    {SummaryGroup::U2, summary_groups::kU2},   {SummaryGroup::U3, summary_groups::kU3},
    {SummaryGroup::U4, summary_groups::kU4},   {SummaryGroup::U5, summary_groups::kU5},
    {SummaryGroup::U6, summary_groups::kU6},   {SummaryGroup::U7, summary_groups::kU7},
    {SummaryGroup::U8, summary_groups::kU8},   {SummaryGroup::U9, summary_groups::kU9},
    {SummaryGroup::U10, summary_groups::kU10}, {SummaryGroup::U11, summary_groups::kU11},
    {SummaryGroup::U12, summary_groups::kU12}, {SummaryGroup::U13, summary_groups::kU13},
    {SummaryGroup::U14, summary_groups::kU14}, {SummaryGroup::U15, summary_groups::kU15},
    {SummaryGroup::U16, summary_groups::kU16}, {SummaryGroup::U17, summary_groups::kU17},
    {SummaryGroup::U18, summary_groups::kU18}, {SummaryGroup::U19, summary_groups::kU19},
    {SummaryGroup::U20, summary_groups::kU20}, {SummaryGroup::U21, summary_groups::kU21},
    {SummaryGroup::U22, summary_groups::kU22}, {SummaryGroup::U23, summary_groups::kU23},
    {SummaryGroup::G1, summary_groups::kG1},   {SummaryGroup::G2, summary_groups::kG2},
    {SummaryGroup::G3, summary_groups::kG3},   {SummaryGroup::G4, summary_groups::kG4},
    {SummaryGroup::G5, summary_groups::kG5},   {SummaryGroup::G6, summary_groups::kG6},
    {SummaryGroup::G7, summary_groups::kG7},   {SummaryGroup::G8, summary_groups::kG8},
    {SummaryGroup::G9, summary_groups::kG9},   {SummaryGroup::G10, summary_groups::kG10},
}};

constexpr std::optional<SummaryGroup> summary_group(int product_id)
{
    for (const SummaryGroupRow& row : kSummaryGroupRows)
        if (product_in(row.products, product_id))
            return row.group;
    return std::nullopt;
}

} // namespace kivo
