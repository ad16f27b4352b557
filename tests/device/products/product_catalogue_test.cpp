// The product catalogue against every product rule: each id a rule names is a product the manager
// knows, no set lists an id twice, first-match tables have no row that can never match, and the
// sets that answer one question do not overlap. The link's opener lists are held to the same
// catalogue.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <string_view>
#include <tuple>
#include <vector>

#include "device/products/background_volume.h"
#include "device/products/backup_summary_groups.h"
#include "device/products/camera_cards.h"
#include "device/products/camera_files.h"
#include "device/products/camera_mesh_products.h"
#include "device/products/fm_radio_save.h"
#include "device/products/hid_camera_products.h"
#include "device/products/oem_headsets.h"
#include "device/products/product_catalogue.h"
#include "device/products/product_set.h"
#include "device/products/restore_row_lines.h"
#include "device/products/restore_summary_families.h"
#include "device/products/restore_table_families.h"
#include "device/products/same_product.h"
#include "device/products/settings_default_rule.h"
#include "device/products/settings_save_families.h"
#include "device/products/speed_dial_save_paths.h"
#include "device/products/unit_language_shift.h"
#include "device/products/update_paths.h"
#include "device/products/usb_dfu_products.h"
#include "link/hid_discovery.h"
#include "link/usb_products.h"
#include "text/product_names.h"

using namespace kivo;

namespace {

bool in_catalogue(int id) { return find_product(id) != nullptr; }

bool bus_only(int id) { return product_in(kBusOnlyProductIds, id); }

// Every id below bit 15 for which the predicate holds.
std::vector<int> ids_where(const std::function<bool(int)>& holds)
{
    std::vector<int> ids;
    for (int id = 0; id < static_cast<int>(MANAGEMENT_MODE_BIT); ++id)
        if (holds(id))
            ids.push_back(id);
    return ids;
}

std::vector<int> sorted(std::vector<int> ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}

void expect_known_and_once(std::string_view name, const std::vector<int>& ids)
{
    SCOPED_TRACE(std::string(name));
    EXPECT_FALSE(ids.empty());
    for (int id : ids)
        EXPECT_TRUE(in_catalogue(id) || bus_only(id)) << std::hex << "0x" << id << " is no product";
    const std::vector<int> order = sorted(ids);
    EXPECT_EQ(std::adjacent_find(order.begin(), order.end()), order.end()) << "an id is listed twice";
}

} // namespace

TEST(ProductCatalogue, HoldsTheProductsOnce)
{
    EXPECT_EQ(product_table().size(), 285u);
    std::vector<int> ids;
    for (const auto& entry : product_table())
        ids.push_back(entry.id);
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    for (int id : kBusOnlyProductIds)
        EXPECT_FALSE(in_catalogue(id)) << std::hex << id << " is a product after all: list it as one";
}

TEST(ProductCatalogue, EveryRuleNamesKnownProductsOnce)
{
    for (const ProductSet& set : product_sets())
        expect_known_and_once(set.name, set.ids);
    for (const FirstMatchTable& table : first_match_tables())
        for (std::size_t i = 0; i < table.rows.size(); ++i)
            expect_known_and_once(std::string(table.name) + " row " + std::to_string(i + 1), table.rows[i].ids);
}

TEST(ProductCatalogue, FirstMatchTablesHaveNoDeadRowsOrEntries)
{
    for (const FirstMatchTable& table : first_match_tables()) {
        std::set<int> taken;
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            SCOPED_TRACE(std::string(table.name) + " row " + std::to_string(i + 1));
            for (int id : table.rows[i].ids)
                EXPECT_FALSE(taken.count(id)) << std::hex << "0x" << id << " is taken by an earlier row";
            taken.insert(table.rows[i].ids.begin(), table.rows[i].ids.end());
        }
    }
}

TEST(ProductCatalogue, SetsThatAnswerOneQuestionDoNotOverlap)
{
    for (const DisjointSets& group : disjoint_sets()) {
        SCOPED_TRACE(std::string(group.question));
        std::set<int> taken;
        for (std::string_view name : group.sets) {
            const ProductSet* set = find_product_set(name);
            ASSERT_NE(set, nullptr) << name;
            for (int id : set->ids)
                EXPECT_TRUE(taken.insert(id).second) << std::hex << "0x" << id << " again in " << name;
        }
    }
}

TEST(ProductCatalogue, LinkOpenersTakeKnownProducts)
{
    std::vector<int> table_ids;
    for (const UsbProductEntry& entry : UsbProductTable)
        if (entry.product_id < MANAGEMENT_MODE_BIT)
            table_ids.push_back(entry.product_id);
    expect_known_and_once("UsbProductTable", table_ids);
    expect_known_and_once("usb_management_probe_product",
                          ids_where([](int id) { return usb_management_probe_product(static_cast<uint32_t>(id)); }));
    expect_known_and_once("bccmd_known_product",
                          ids_where([](int id) { return bccmd_known_product(static_cast<uint32_t>(id)); }));
    expect_known_and_once("hid_device_product",
                          ids_where([](int id) { return hid_device_product(static_cast<uint32_t>(id)); }));
}

TEST(ProductCatalogue, DescribeProductListsEverySetOfAnId)
{
    const std::vector<std::string> oem = describe_product(0x3142);
    for (const char* name :
         {"kOemHeadsetProducts", "kPreselectedProduct", "settings tabs row 4", "HID settings groups row 4"})
        EXPECT_NE(std::find(oem.begin(), oem.end(), name), oem.end()) << name;
    const std::vector<std::string> pair = describe_product(0x6021);
    EXPECT_NE(std::find(pair.begin(), pair.end(), "kFoundAsSelected (selected)"), pair.end());
    EXPECT_TRUE(describe_product(0x7777).empty());
}

TEST(ProductCatalogue, SettingsFamiliesAndChangeRowsHaveTheirSizesAndDerivations)
{
    const std::vector<std::pair<std::string_view, std::size_t>> sizes = {
        {"kBriskoIds", 9},
        {"kVantorIds", 43},
        {"kHeronyxIds", 29},
        {"kAirohaIds", 22},
        {"kAirohaWideIds", 29},
        {"kCsrSettingIds", 4},
        {"kQccIds", 2},
        {"kOverlayExcludesHdProducts", 28},
        {"kSettingsChangeListA", 62},
        {"kSettingsChangeListB", 44},
        {"kSettingsChangeListC", 93},
    };
    for (const auto& [name, size] : sizes) {
        const ProductSet* set = find_product_set(name);
        ASSERT_NE(set, nullptr) << name;
        EXPECT_EQ(set->ids.size(), size) << name;
    }

    const auto& vantor = find_product_set("kVantorIds")->ids;
    const auto& dropped = find_product_set("kVantorWithoutHeronyxIds")->ids;
    const auto& heronyx = find_product_set("kHeronyxIds")->ids;
    EXPECT_EQ(dropped.size(), 14u);
    for (int id : vantor) {
        const bool kept = std::find(heronyx.begin(), heronyx.end(), id) != heronyx.end();
        EXPECT_NE(kept, std::find(dropped.begin(), dropped.end(), id) != dropped.end()) << std::hex << id;
    }
    std::vector<int> wide = find_product_set("kAirohaIds")->ids;
    for (int id : find_product_set("kAirohaWideOnlyIds")->ids)
        wide.push_back(id);
    EXPECT_EQ(sorted(wide), sorted(find_product_set("kAirohaWideIds")->ids));

    // Change detection covers 268 products, and 0x3150 beside them in list C.
    std::size_t covered = 0;
    for (const DisjointSets& group : disjoint_sets())
        if (group.question == "which stored values tell a settings edit")
            for (std::string_view name : group.sets)
                covered += find_product_set(name)->ids.size();
    EXPECT_EQ(covered, 269u);
    const auto& list_c = find_product_set("kSettingsChangeListC")->ids;
    EXPECT_NE(std::find(list_c.begin(), list_c.end(), 0x3150), list_c.end());
}

TEST(ProductCatalogue, SettingsSaveSplitsCoverTheirFamiliesExactly)
{
    auto family_ids = [](SettingsSaveFamily family) {
        std::vector<int> ids;
        for (const SaveFamilyRow& row : kSaveFamilyRows)
            if (row.family == family)
                ids.assign(row.products.begin(), row.products.end());
        return sorted(ids);
    };
    const std::vector<std::pair<SettingsSaveFamily, std::size_t>> sizes = {
        {SettingsSaveFamily::F1, 9},   {SettingsSaveFamily::F2, 4},   {SettingsSaveFamily::F3, 29},
        {SettingsSaveFamily::F4, 8},   {SettingsSaveFamily::F5, 2},   {SettingsSaveFamily::F6, 2},
        {SettingsSaveFamily::F7, 2},   {SettingsSaveFamily::F8, 41},  {SettingsSaveFamily::F9, 3},
        {SettingsSaveFamily::F10, 42}, {SettingsSaveFamily::F11, 72},
    };
    for (const auto& [family, size] : sizes)
        EXPECT_EQ(family_ids(family).size(), size) << "F" << static_cast<int>(family);

    // Every F10 product has its word count, and the one F1 product with counts of its own is F1.
    std::vector<int> counted;
    for (const SaveWordCountRow& row : kSaveWordCountRows)
        for (int id : row.products)
            if (settings_save_family(id) == SettingsSaveFamily::F10)
                counted.push_back(id);
            else
                EXPECT_EQ(settings_save_family(id), SettingsSaveFamily::F1) << std::hex << id;
    EXPECT_EQ(sorted(counted), family_ids(SettingsSaveFamily::F10));

    // The sub-paths split F2 and F11 and nothing else.
    std::vector<int> f2, f11;
    for (const SaveSubPathRow& row : kSaveSubPathRows)
        for (int id : row.products)
            (settings_save_family(id) == SettingsSaveFamily::F2 ? f2 : f11).push_back(id);
    EXPECT_EQ(sorted(f2), family_ids(SettingsSaveFamily::F2));
    EXPECT_EQ(sorted(f11), family_ids(SettingsSaveFamily::F11));

    for (int id : kSaveF4ReadinessProducts)
        EXPECT_EQ(settings_save_family(id), SettingsSaveFamily::F4) << std::hex << id;
    for (int id : kBackgroundVolumeProducts)
        EXPECT_EQ(settings_save_family(id), SettingsSaveFamily::F8) << std::hex << id;
    for (int id : kOemHeadsetProducts)
        EXPECT_EQ(settings_save_family(id), SettingsSaveFamily::F10) << std::hex << id;
    // The persistent-store groups are reached: no HID family takes them first.
    for (std::string_view name : {"kSaveGroupAProducts", "kSaveGroupBProducts", "kSaveRadioGainProduct"})
        for (int id : find_product_set(name)->ids)
            EXPECT_EQ(settings_save_family(id), SettingsSaveFamily::F12) << name << std::hex << " 0x" << id;
}

TEST(ProductCatalogue, MeshPathRulesBelongToTheirPaths)
{
    for (int id : find_product_set("kModuleInBlockOneProducts")->ids)
        EXPECT_EQ(update_family_path(id), UpdateFamilyPath::MeshBt31) << std::hex << id;
    for (int id : find_product_set("kMeshDfuReadyStateProducts")->ids)
        EXPECT_EQ(update_family_path(id), UpdateFamilyPath::MeshQcc65) << std::hex << id;
}

TEST(ProductCatalogue, CameraMeshRulesBelongToTheirPath)
{
    for (std::string_view name :
         {"kCameraMeshCameraProducts", "kCameraMeshAllEntriesProducts", "kCameraMeshNoLanguageProducts"})
        for (int id : find_product_set(name)->ids)
            EXPECT_EQ(update_family_path(id), UpdateFamilyPath::CameraMeshBt) << name << std::hex << " 0x" << id;
    // The second table of language codes: the one product of the path in the shifted family.
    EXPECT_EQ(ids_where([](int id) {
                  return update_family_path(id) == UpdateFamilyPath::CameraMeshBt &&
                      product_in(kKelporShiftedLanguageProducts, id);
              }),
              std::vector<int>{0x3320});
}

TEST(ProductCatalogue, HidCameraGroupsBelongToTheirPath)
{
    EXPECT_EQ(kHidCameraCameraProducts.size(), 5u);
    EXPECT_EQ(kHidCameraGroupQProducts.size(), 29u);
    // Group R is group Q without the two headsets that ask for readiness first.
    std::vector<int> r(kHidCameraGroupQProducts.begin(), kHidCameraGroupQProducts.end());
    std::erase_if(r, [](int id) { return id == 0x5320 || id == 0x5330; });
    EXPECT_EQ(sorted(r), sorted({kHidCameraGroupRProducts.begin(), kHidCameraGroupRProducts.end()}));
    for (int id : kHidCameraSelfOffProducts)
        EXPECT_TRUE(hid_camera_has_camera(id)) << std::hex << id;
    for (std::string_view name : {"kHidCameraCameraProducts", "kHidCameraGroupQProducts"})
        for (int id : find_product_set(name)->ids)
            EXPECT_EQ(update_family_path(id), UpdateFamilyPath::HidCamera) << name << std::hex << " 0x" << id;
}

// Every camera product of the two paths that copy a camera image has its files, and a card found by
// its marker is the card whose version file the update reads.
TEST(ProductCatalogue, CameraFilesServeTheCameraPaths)
{
    std::vector<int> cameras(kHidCameraCameraProducts.begin(), kHidCameraCameraProducts.end());
    for (int id : ids_where([](int id) { return update_family_path(id) == UpdateFamilyPath::CameraMeshBt; }))
        if (id == 0x3232 || id == 0x3233 || id == 0x3240)
            cameras.push_back(id);
    EXPECT_EQ(sorted(find_product_set("kCameraFiles")->ids), sorted(cameras));
    for (const CameraFiles& files : kCameraFiles) {
        SCOPED_TRACE(::testing::Message() << std::hex << files.productId);
        EXPECT_NE(files.temporaryFile, files.firmwareFile);
        EXPECT_NE(files.firmwareFile, files.versionFile);
        const std::string_view marker = camera_card_marker(files.productId);
        if (!marker.empty()) {
            EXPECT_EQ(marker, files.versionFile);
        }
    }
}

TEST(ProductCatalogue, EveryIntermediateImageProductHasOneImage)
{
    EXPECT_EQ(sorted(find_product_set("kIntermediateImages")->ids),
              sorted({kKelporIntermediatePathProducts.begin(), kKelporIntermediatePathProducts.end()}));
}

TEST(ProductCatalogue, FmRadioSaveFamiliesSplitTheFmProducts)
{
    const std::vector<std::pair<std::string_view, std::size_t>> sizes = {
        {"kFmTenPresetProducts", 178},        {"kFmSaveFamilyAProducts", 9},   {"kFmSaveFamilyCProducts", 1},
        {"kFmSaveFamilyDProducts", 47},       {"kFmSaveFamilyEProducts", 105}, {"kFmSaveModuleVersionProducts", 41},
        {"kFmSaveCommittedBlockProducts", 5}, {"kFmSaveKeyWriterProducts", 6},
    };
    for (const auto& [name, size] : sizes) {
        const ProductSet* set = find_product_set(name);
        ASSERT_NE(set, nullptr) << name;
        EXPECT_EQ(set->ids.size(), size) << name;
    }
    // Every family writes FM products only; the key writers take the persistent store.
    for (const FmSaveFamilyRow& row : kFmSaveFamilyRows)
        for (int id : row.products)
            EXPECT_TRUE(fm_radio_product(id)) << std::hex << "0x" << id;
    for (int id : kFmSaveKeyWriterProducts) {
        EXPECT_TRUE(fm_radio_product(id)) << std::hex << "0x" << id;
        EXPECT_EQ(fm_save_family(id), FmSaveFamily::PersistentStore) << std::hex << "0x" << id;
    }
    // The splits of E lie inside E.
    for (std::string_view name :
         {"kFmSaveModuleVersionProducts", "kFmSaveCommittedBlockProducts", "kSixPresetProducts"})
        for (int id : find_product_set(name)->ids)
            EXPECT_EQ(fm_save_family(id), FmSaveFamily::E) << name << std::hex << " 0x" << id;
    EXPECT_TRUE(fm_radio_product(kFmRegionHiddenProduct));
    for (int id : kFmSaveReadinessProducts)
        EXPECT_EQ(fm_save_family(id), FmSaveFamily::D) << std::hex << "0x" << id;
}

TEST(ProductCatalogue, SpeedDialSavePathsHaveTheirSizesAndTheRestTakeThePersistentStore)
{
    const std::vector<std::pair<std::string_view, std::size_t>> sizes = {
        {"kSpeedDialPathAProducts", 9},   {"kSpeedDialPathBProducts", 22},  {"kSpeedDialPathCProducts", 57},
        {"kSpeedDialPathD1Products", 36}, {"kSpeedDialPathD2Products", 65},
    };
    for (const auto& [name, size] : sizes) {
        const ProductSet* set = find_product_set(name);
        ASSERT_NE(set, nullptr) << name;
        EXPECT_EQ(set->ids.size(), size) << name;
    }
    using enum SpeedDialSavePath;
    for (const auto& [product, path] : std::vector<std::pair<int, SpeedDialSavePath>>{
             {0x4210, A}, {0x6806, B}, {0x5440, C}, {0x3142, E}, {0x3110, D1}, {0x5410, D2}, {0x4D10, E}})
        EXPECT_EQ(speed_dial_save_path(product), path) << std::hex << "0x" << product;
    for (int id : kSpeedDialReadinessProducts)
        EXPECT_EQ(speed_dial_save_path(id), C) << std::hex << "0x" << id;
}

TEST(ProductCatalogue, DefaultRuleGroupsHaveTheirSizesAndEveryRowActs)
{
    EXPECT_EQ(find_product_set("kDefaultGroupYProducts")->ids.size(), 47u);
    EXPECT_EQ(find_product_set("kDefaultGroupRProducts")->ids.size(), 22u);
    // The groups' members stand in their group's row alone (no id is in two rows: the first-match
    // check), and every row carries or forces something.
    for (const DefaultRow& row : kDefaultRows) {
        EXPECT_FALSE(row.carriedAlways.empty() && row.carried.empty() && row.forced.empty());
        EXPECT_EQ(row.gate == DefaultGate::WordChoice, !row.carriedBelow.empty());
    }
    EXPECT_EQ(default_row(0x5440)->products.size(), 2u) << "0x5440 is not in group Y";
    for (int id : kDefaultTraceProducts)
        EXPECT_NE(default_row(id), nullptr) << std::hex << "0x" << id;
}

TEST(ProductCatalogue, RestoreTableLinesAndFamilies)
{
    std::vector<int> lined;
    for (const RestoreRowLine& line : kRestoreRowLines) {
        EXPECT_NE(line[0], 0) << "an empty line";
        for (int id : line)
            if (id != 0) {
                lined.push_back(id);
                EXPECT_EQ(restore_row_line(id), line[0]) << std::hex << id;
            }
    }
    EXPECT_EQ(kRestoreRowLines.size(), 106u);
    EXPECT_EQ(lined.size(), 212u);
    EXPECT_FALSE(restore_row_line(0).has_value());
    EXPECT_FALSE(restore_row_line(0x1234).has_value());
    EXPECT_EQ(kRestoreTableProducts.size(), 215u);
    // Every product with a line shows the table on its restore page, but 0x5345, whose line shows
    // no row.
    for (int id : lined)
        EXPECT_EQ(shows_restore_table(id), id != 0x5345) << std::hex << id;
}

TEST(ProductCatalogue, UsbDfuSetsHaveTheirSizesAndBelongToTheDfuPaths)
{
    const std::vector<std::pair<std::string_view, std::size_t>> sizes = {
        {"kDfuWaitRestartIds", 45},          {"kDfuWaitIgnoredIds", 15}, {"kDfuNoReplugBoxProducts", 13},
        {"kDfuNoPowerCycleBoxProducts", 16}, {"kDfuPsClearProducts", 8}, {"kDfuSecondModels (recognized)", 12},
        {"kDfuTargetModelProducts", 3},
    };
    for (const auto& [name, size] : sizes) {
        const ProductSet* set = find_product_set(name);
        ASSERT_NE(set, nullptr) << name;
        EXPECT_EQ(set->ids.size(), size) << name;
    }
    // The wait reads 62 normal ids: the two groups and the camera with and without its loader bit.
    EXPECT_EQ(dfu_wait_id(0x3020), DfuWaitId::Recovery);
    EXPECT_EQ(dfu_wait_id(0xB020), DfuWaitId::Recovery);
    EXPECT_EQ(dfu_wait_id(0xCD10), DfuWaitId::Other);
    // The download-mode products are the DfuAfterDownloadMode row; the rules keyed by a recognized
    // or selected product name products of the DFU paths.
    std::vector<int> download_mode;
    for (const DfuExpectedId& e : kDfuExpectedIds)
        download_mode.push_back(e.product);
    EXPECT_EQ(
        sorted(download_mode),
        sorted(std::vector<int>(kDfuAfterDownloadModePathProducts.begin(), kDfuAfterDownloadModePathProducts.end())));
    for (std::string_view name :
         {"kDfuTargetModelProducts", "kDfuSecondModels (recognized)", "kDfuPsClearProducts", "kDfuNoReplugBoxProducts",
          "kDfuNoPowerCycleBoxProducts", "kDfuClaimReopenProduct", "kDfuTwoDeviceProduct"})
        for (int id : find_product_set(name)->ids)
            EXPECT_TRUE(update_family_path(id) == UpdateFamilyPath::UsbDfu ||
                        update_family_path(id) == UpdateFamilyPath::DfuAfterDownloadMode)
                << name << std::hex << " 0x" << id;
}

// The DFU progress scale: the pair's line and everyone else's. Each chains up: the download's span
// ends where the manifest wait starts, that wait ends at 100, and the timer's target lies past the wait's start.
TEST(ProductCatalogue, DfuProgressScaleLines)
{
    struct Row {
        int product;
        DfuProgressScale expected;
    };
    const Row rows[] = {{kDfuTwoDeviceProduct, {8, 16, 24, 76, 90}}, {0x4D10, {5, 11, 16, 84, 99}},
                        {0x3020, {5, 11, 16, 84, 99}}};
    for (const Row& row : rows) {
        const DfuProgressScale s = dfu_progress_scale(row.product);
        EXPECT_EQ(std::tie(s.start, s.downloadSpan, s.afterDownload, s.manifestSpan, s.timerTarget),
                  std::tie(row.expected.start, row.expected.downloadSpan, row.expected.afterDownload,
                           row.expected.manifestSpan, row.expected.timerTarget))
            << std::hex << row.product;
        EXPECT_EQ(s.start + s.downloadSpan, s.afterDownload) << std::hex << row.product;
        EXPECT_EQ(s.afterDownload + s.manifestSpan, 100) << std::hex << row.product;
        EXPECT_GT(s.timerTarget, s.afterDownload) << std::hex << row.product;
    }
}

TEST(ProductCatalogue, BackupSummaryGroupsAndFamilies)
{
    EXPECT_EQ(kSummaryGroupRows.size(), 34u);
    EXPECT_EQ(summary_groups::kG5.size(), 85u);
    EXPECT_EQ(summary_groups::kG10.size(), 93u);
    const std::span<const RestoreSummaryFamily> families = restore_summary_families();
    ASSERT_EQ(families.size(), 18u);
    EXPECT_EQ(families[2].products.size(), 194u);
    // The families whose settings tab shows the restore table are exactly the table's products.
    std::vector<int> with_table;
    for (std::size_t f : {2, 4, 8, 16, 17})
        with_table.insert(with_table.end(), families[f].products.begin(), families[f].products.end());
    EXPECT_EQ(sorted(with_table), sorted({kRestoreTableProducts.begin(), kRestoreTableProducts.end()}));
    // Every family's settings-tab versions rise, and its first entry holds from any version.
    for (const RestoreSummaryFamily& family : families) {
        ASSERT_FALSE(family.settingsTab.empty());
        EXPECT_EQ(family.settingsTab.front().major, 0);
        EXPECT_EQ(family.settingsTab.front().minor, 0);
        for (std::size_t i = 1; i < family.settingsTab.size(); ++i)
            EXPECT_LT(std::pair(family.settingsTab[i - 1].major, family.settingsTab[i - 1].minor),
                      std::pair(family.settingsTab[i].major, family.settingsTab[i].minor));
    }
}
