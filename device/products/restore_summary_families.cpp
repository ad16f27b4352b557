#include "device/products/restore_summary_families.h"

#include "common/page_ids.h"
#include "device/device_data.h"

namespace kivo {
namespace {

using namespace summary_families;

constexpr SummaryRowSet kNone = 0;
constexpr SummaryRowSet kRow1 = summary_rows_up_to(1);
constexpr SummaryRowSet kRows1To2 = summary_rows_up_to(2);
constexpr SummaryRowSet kRows1To3 = summary_rows_up_to(3);
constexpr SummaryRowSet kRows1To4 = summary_rows_up_to(4);
constexpr SummaryRowSet kRows1To5 = summary_rows_up_to(5);
constexpr SummaryRowSet kRows1To6 = summary_rows_up_to(6);
// Rows 4 and 5 hold the presets a six-preset FM page leaves out.
constexpr SummaryRowSet kRows1To3And6 = kRows1To3 | (1u << 5);

// The settings tab's rows by the backup's version.
constexpr SummaryRowsFrom kOneRow[] = {{0, 0, kRow1}};
constexpr SummaryRowsFrom kTwoRows[] = {{0, 0, kRows1To2}};
constexpr SummaryRowsFrom kThreeRows[] = {{0, 0, kRows1To3}};
constexpr SummaryRowsFrom kFourRows[] = {{0, 0, kRows1To4}};
constexpr SummaryRowsFrom kFiveRows[] = {{0, 0, kRows1To5}};
constexpr SummaryRowsFrom kSixRows[] = {{0, 0, kRows1To6}};
constexpr SummaryRowsFrom kF2Settings[] = {{0, 0, kRows1To5}, {1, 1, kRows1To6}};
constexpr SummaryRowsFrom kF9Settings[] = {{0, 0, kRows1To4}, {1, 1, kRows1To6}};
constexpr SummaryRowsFrom kF10Settings[] = {{0, 0, kRows1To3}, {2, 0, kRows1To4}};
constexpr SummaryRowsFrom kF11Settings[] = {
    {0, 0, kRows1To3}, {4, 0, kRows1To4}, {4, 1, kRows1To6}, {4, 2, kRows1To5}, {5, 0, kRows1To6}};
constexpr SummaryRowsFrom kF12Settings[] = {
    {0, 0, kRows1To3}, {4, 0, kRows1To4}, {4, 1, kRows1To5}, {4, 2, kRows1To4}, {5, 0, kRows1To5}};
constexpr SummaryRowsFrom kF13Settings[] = {{0, 0, kRows1To3}, {4, 0, kRows1To4}, {4, 1, kRows1To5}, {4, 2, kRows1To4}};

// clang-format off
constexpr RestoreSummaryFamily kFamilies[] = {
    // products, settings tab, speed dial, second settings page, other
    {kF1, kThreeRows, kRows1To3, kRows1To3, kRows1To3},
    {kF2, kF2Settings, kRows1To3, kRows1To6, kRows1To6},
    {kF3, kSixRows, kRows1To3, kRows1To6, kRows1To6},
    {kF4, kOneRow, kRow1, kRow1, kRow1},
    {kF5, kSixRows, kRows1To6, kRows1To6, kRows1To6},
    {kF6, kOneRow, kRows1To6, kRows1To6, kRows1To6},
    {kF7, kTwoRows, kRows1To3, kRows1To6, kRows1To6},
    {kF8, kFiveRows, kRows1To3, kRows1To6, kRows1To6},
    {kF9, kF9Settings, kRows1To3, kRows1To6, kRows1To6},
    {kF10, kF10Settings, kRows1To3, kRows1To6, kRows1To6},
    {kF11, kF11Settings, kRows1To3, kRows1To6, kRows1To6},
    {kF12, kF12Settings, kRows1To3, kRows1To6, kRows1To6},
    {kF13, kF13Settings, kRows1To3, kRows1To6, kRows1To6},
    {kF14, kOneRow, kRows1To3, kRows1To6, kRows1To6},
    {kF15, kFourRows, kRows1To3, kRows1To6, kRows1To6},
    {kF16, kTwoRows, kRows1To2, kRows1To2, kRows1To2},
    {kF17, kSixRows, kNone, kRows1To6, kRows1To6},
    {kF18, kSixRows, kRows1To3, kRows1To3And6, kRows1To6},
};
// clang-format on

} // namespace

std::span<const RestoreSummaryFamily> restore_summary_families() { return kFamilies; }

SummaryRowSet restore_summary_rows_shown(int product_id, int tab, int backup_major, int backup_minor)
{
    for (const RestoreSummaryFamily& family : kFamilies) {
        if (!product_in(family.products, product_id))
            continue;
        switch (tab) {
        case kTabDeviceSettings: {
            // The last entry the backup has reached; a version on an entry's bound is in it.
            SummaryRowSet rows = family.settingsTab.front().rows;
            for (const SummaryRowsFrom& from : family.settingsTab.subspan(1)) {
                if (KIVOBluetoothDeviceData::compareVersionUpToMinorMajor_Minor_WithMajor_Minor(
                        backup_major, backup_minor, from.major, from.minor) < 0)
                    break;
                rows = from.rows;
            }
            return rows;
        }
        case kTabSpeedDial: return family.speedDialTab;
        case kTabSecondSettings: return family.secondSettingsTab;
        default: return family.otherTab;
        }
    }
    return kNone;
}

} // namespace kivo
