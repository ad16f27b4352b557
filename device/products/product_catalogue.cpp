#include "device/products/product_catalogue.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

#include "device/products/background_volume.h"
#include "device/products/backup_compatibility.h"
#include "device/products/backup_summary_groups.h"
#include "device/products/basic_word_layouts.h"
#include "device/products/camera_cards.h"
#include "device/products/camera_files.h"
#include "device/products/camera_mesh_products.h"
#include "device/products/classic_panel.h"
#include "device/products/diagnostic_log_modules.h"
#include "device/products/factory_table.h"
#include "device/products/factory_trace.h"
#include "device/products/fm_presets.h"
#include "device/products/fm_radio_save.h"
#include "device/products/helmet_camera.h"
#include "device/products/hid_camera_products.h"
#include "device/products/hid_name_records.h"
#include "device/products/hid_readiness.h"
#include "device/products/hid_settings_groups.h"
#include "device/products/home_selection.h"
#include "device/products/instruction_key_products.h"
#include "device/products/intermediate_images.h"
#include "device/products/late_hd_intercom.h"
#include "device/products/mesh_block_layout.h"
#include "device/products/mesh_dfu_readiness.h"
#include "device/products/mesh_module_headsets.h"
#include "device/products/new_update_rules.h"
#include "device/products/oem_headsets.h"
#include "device/products/overlay_exclusion.h"
#include "device/products/panel_module_versions.h"
#include "device/products/panel_names.h"
#include "device/products/plain_update_status.h"
#include "device/products/progress_pacing.h"
#include "device/products/restart_to_recover.h"
#include "device/products/restore_row_lines.h"
#include "device/products/restore_summary_families.h"
#include "device/products/restore_table_families.h"
#include "device/products/restore_without_settings.h"
#include "device/products/same_product.h"
#include "device/products/second_settings_word.h"
#include "device/products/setting_writers.h"
#include "device/products/settings_change_rows.h"
#include "device/products/settings_default_rule.h"
#include "device/products/settings_families.h"
#include "device/products/settings_save_families.h"
#include "device/products/settings_table_sets.h"
#include "device/products/settings_tabs.h"
#include "device/products/short_report_families.h"
#include "device/products/speed_dial_first.h"
#include "device/products/speed_dial_save_paths.h"
#include "device/products/torvik_address.h"
#include "device/products/unit_language_shift.h"
#include "device/products/unit_language_write.h"
#include "device/products/update_instructions.h"
#include "device/products/update_next_hidden.h"
#include "device/products/update_paths.h"
#include "device/products/update_run_endings.h"
#include "device/products/usb_chip_identity.h"
#include "device/products/usb_dfu_products.h"
#include "device/products/usb_power_tables.h"
#include "device/products/usb_settings_reads.h"
#include "device/products/usb_write_back_rows.h"
#include "device/products/without_settings_pages.h"

namespace kivo {
namespace {

std::vector<int> ids(std::span<const int> set) { return {set.begin(), set.end()}; }

template <typename Row, typename Field> std::vector<int> column(std::span<const Row> rows, Field field)
{
    std::vector<int> out;
    for (const Row& row : rows)
        out.push_back(row.*field);
    return out;
}

// A fixed-size list of ids that 0 pads.
template <size_t N> std::vector<int> padded(const std::array<int, N>& set)
{
    std::vector<int> out;
    std::copy_if(set.begin(), set.end(), std::back_inserter(out), [](int id) { return id != 0; });
    return out;
}

std::vector<int> distinct(std::vector<int> ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

template <typename T> std::vector<T> joined(std::vector<T> first, const std::vector<T>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::string row_name(std::string_view table, std::size_t index)
{
    return std::string(table) + " row " + std::to_string(index + 1);
}

// Every rule's sets but the all-settings table's, which settings_table_sets.cpp lists.
const std::vector<ProductSet>& rule_sets()
{
    static const std::vector<ProductSet> sets = {
        {"kCameraProductId", {kCameraProductId}},
        {"kCameraCardMarkers", column<CameraCardMarker>(kCameraCardMarkers, &CameraCardMarker::productId)},
        {"kCameraFiles", column<CameraFiles>(kCameraFiles, &CameraFiles::productId)},
        {"kSixPresetProducts", ids(kSixPresetProducts)},
        {"kBackgroundVolumeProducts", ids(kBackgroundVolumeProducts)},
        {"kKelporShiftedLanguageProducts", ids(kKelporShiftedLanguageProducts)},
        {"kYarloShiftedLanguageProducts", ids(kYarloShiftedLanguageProducts)},
        {"kAutoStartRecordingProducts", ids(kAutoStartRecordingProducts)},
        {"kGrennikProducts", ids(kGrennikProducts)},
        {"kLateHdIntercomProducts", ids(kLateHdIntercomProducts)},
        {"kReadyWhenNonZeroProducts", ids(kReadyWhenNonZeroProducts)},
        {"kReadyWhenZeroProducts", ids(kReadyWhenZeroProducts)},
        {"kNoFmQueryProducts", ids(kNoFmQueryProducts)},
        {"kMeshModuleProducts", ids(kMeshModuleProducts)},
        {"kOemHeadsetProducts", ids(kOemHeadsetProducts)},
        {"kVersionWithNameRecordProducts", ids(kVersionWithNameRecordProducts)},
        {"kNoDefaultNameProducts", ids(kNoDefaultNameProducts)},
        {"kProtocolBSettingsProducts", ids(kProtocolBSettingsProducts)},
        {"kProtocolBNoSpeedDialProducts", ids(kProtocolBNoSpeedDialProducts)},
        {"kProtocolBFmBlockProducts", ids(kProtocolBFmBlockProducts)},
        {"kProtocolBBasicWordProducts", ids(kProtocolBBasicWordProducts)},
        {"kSettingsGroupG1Products", ids(kSettingsGroupG1Products)},
        {"kSettingsGroupG2Products", ids(kSettingsGroupG2Products)},
        {"kSettingsGroupG5Products", ids(kSettingsGroupG5Products)},
        {"kSettingsGroupG6Products", ids(kSettingsGroupG6Products)},
        {"kSettingsGroupG7Products", ids(kSettingsGroupG7Products)},
        {"kSettingsGroupG8Products", ids(kSettingsGroupG8Products)},
        {"kSettingsGroupG10Products", ids(kSettingsGroupG10Products)},
        {"kSpeedDialOnlyProducts", ids(kSpeedDialOnlyProducts)},
        {"kSpeedDialOnlyRemotes", ids(kSpeedDialOnlyRemotes)},
        {"kSpeedDialFirstBelow2_1Products", ids(kSpeedDialFirstBelow2_1Products)},
        {"kSpeedDialFirstBelow1_1Products", ids(kSpeedDialFirstBelow1_1Products)},
        {"kWithoutSettingsProducts", ids(kWithoutSettingsProducts)},
        {"kWithoutSettingsBelow", column<WithoutSettingsBelow>(kWithoutSettingsBelow, &WithoutSettingsBelow::product)},
        {"kRestoreWithoutSettingsProducts", ids(kRestoreWithoutSettingsProducts)},
        {"kUpdateNextHiddenProducts", ids(kUpdateNextHiddenProducts)},
        {"kBackupFrom1_2Products", ids(kBackupFrom1_2Products)},
        {"kBackupFrom4_2Products", ids(kBackupFrom4_2Products)},
        {"kFoundAsSelected (found)", column<FoundAsSelected>(kFoundAsSelected, &FoundAsSelected::found)},
        // Several found ids stand for one selected id.
        {"kFoundAsSelected (selected)",
         distinct(column<FoundAsSelected>(kFoundAsSelected, &FoundAsSelected::selected))},
        {"kBusOnlyProductIds", ids(kBusOnlyProductIds)},
        {"kPreselectedProduct", {kPreselectedProduct}},
        {"kRenamedProduct", {kRenamedProduct}},
        {"kRenamedProductNow", {kRenamedProductNow}},
        {"kLegacyModelProducts", ids(kLegacyModelProducts)},
        {"kRestartAdviceProduct", {kRestartAdviceProduct}},
        {"kRecoveryStatusProduct", {kRecoveryStatusProduct}},
        {"kUnknownChipProduct", {kUnknownChipProduct}},
        {"kRemoteWithFixedName", {kRemoteWithFixedName}},
        {"kThreeNumberProduct", {kThreeNumberProduct}},
        {"kBriskoProductId", {kBriskoProductId}},
        {"kTwoModuleLogProducts", ids(kTwoModuleLogProducts)},
        {"kBriskoIds", ids(kBriskoIds)},
        {"kVantorIds", ids(kVantorIds)},
        {"kVantorWithoutHeronyxIds", ids(kVantorWithoutHeronyxIds)},
        {"kHeronyxIds", ids(kHeronyxIds)},
        {"kAirohaIds", ids(kAirohaIds)},
        {"kAirohaWideOnlyIds", ids(kAirohaWideOnlyIds)},
        {"kAirohaWideIds", ids(kAirohaWideIds)},
        {"kCsrSettingIds", ids(kCsrSettingIds)},
        {"kQccIds", ids(kQccIds)},
        {"kSettingsChangeRow1", ids(kSettingsChangeRow1)},
        {"kSettingsChangeListA", ids(kSettingsChangeListA)},
        {"kSettingsChangeRow3", ids(kSettingsChangeRow3)},
        {"kSettingsChangeRow4", ids(kSettingsChangeRow4)},
        {"kSettingsChangeRow5", ids(kSettingsChangeRow5)},
        {"kSettingsChangeRow6", ids(kSettingsChangeRow6)},
        {"kSettingsChangeListB", ids(kSettingsChangeListB)},
        {"kSettingsChangeRow8", ids(kSettingsChangeRow8)},
        {"kSettingsChangeRow9", ids(kSettingsChangeRow9)},
        {"kSettingsChangeListC", ids(kSettingsChangeListC)},
        {"kSettingsChangeRow11", ids(kSettingsChangeRow11)},
        {"kSettingsChangeRow12", ids(kSettingsChangeRow12)},
        {"kSettingsChangeRow13", ids(kSettingsChangeRow13)},
        {"kSettingsChangeRow14", ids(kSettingsChangeRow14)},
        {"kSettingsChangeRow15", ids(kSettingsChangeRow15)},
        {"kSettingsChangeRow16", ids(kSettingsChangeRow16)},
        {"kSettingsChangeRow17", ids(kSettingsChangeRow17)},
        {"kUpdateInstructionProducts", ids(kUpdateInstructionProducts)},
        {"kHidCameraCameraProducts", ids(kHidCameraCameraProducts)},
        {"kHidCameraGroupQProducts", ids(kHidCameraGroupQProducts)},
        {"kHidCameraGroupRProducts", ids(kHidCameraGroupRProducts)},
        {"kHidCameraSelfOffProducts", ids(kHidCameraSelfOffProducts)},
        {"kPlainStatusProducts", ids(kPlainStatusProducts)},
        {"kReconfigureAfterUpdateProducts", ids(kReconfigureAfterUpdateProducts)},
        {"kPowerCycleAfterUpdateProduct", {kPowerCycleAfterUpdateProduct}},
        {"kTorvikAddressProduct", {kTorvikAddressProduct}},
        {"kUnitLanguageWriteProducts", ids(kUnitLanguageWriteProducts)},
        {"kUnitLanguageWriteFrom2_1Product", {kUnitLanguageWriteFrom2_1Product}},
        {"kSaveF4ReadinessProducts", ids(kSaveF4ReadinessProducts)},
        {"kSaveGroupAProducts", ids(kSaveGroupAProducts)},
        {"kSaveGroupBProducts", ids(kSaveGroupBProducts)},
        {"kSaveRadioGainProduct", {kSaveRadioGainProduct}},
        {"kPanelC1Products", ids(kPanelC1Products)},
        {"kPanelC2Products", ids(kPanelC2Products)},
        {"kPanelC3Products", ids(kPanelC3Products)},
        {"kPanelDProducts", ids(kPanelDProducts)},
        {"kPanelFiveRowProducts", ids(kPanelFiveRowProducts)},
        {"kPanelNoiseControlLaterProduct", {kPanelNoiseControlLaterProduct}},
        {"kPanelVantorFiveRowProduct", {kPanelVantorFiveRowProduct}},
        {"kPanelThreeRowProducts", ids(kPanelThreeRowProducts)},
        {"kPanelFourRowProduct", {kPanelFourRowProduct}},
        {"kPanelFourRowLateProduct", {kPanelFourRowLateProduct}},
        {"kPanelVantorFourRowProducts", ids(kPanelVantorFourRowProducts)},
        {"kPanelPhoneVoxSecondProducts", ids(kPanelPhoneVoxSecondProducts)},
        {"kPanelSidetoneFirstProduct", {kPanelSidetoneFirstProduct}},
        {"kPanelSidetoneSecondProduct", {kPanelSidetoneSecondProduct}},
        {"kPanelPhoneVoxEdrProducts", ids(kPanelPhoneVoxEdrProducts)},
        {"kPanelPhoneVoxProduct", {kPanelPhoneVoxProduct}},
        {"kPanelNoiseControlProducts", ids(kPanelNoiseControlProducts)},
        {"kPanelGainControlProduct", {kPanelGainControlProduct}},
        {"kPanelEdrA2dpProducts", ids(kPanelEdrA2dpProducts)},
        {"kPanelBriskoLayoutProducts", ids(kPanelBriskoLayoutProducts)},
        {"kPanelPProducts", ids(kPanelPProducts)},
        {"kPanelQProducts", ids(kPanelQProducts)},
        {"kPanelAudioBoostThreeRowProducts", ids(kPanelAudioBoostThreeRowProducts)},
        {"kPanelA2dpNoiseControlProducts", ids(kPanelA2dpNoiseControlProducts)},
        {"kPanelRadioProduct", {kPanelRadioProduct}},
        {"kPanelBProducts", ids(kPanelBProducts)},
        {"kPanelEarlyEdrNoteProducts", ids(kPanelEarlyEdrNoteProducts)},
        {"kPanelFiveRowShownProducts", ids(kPanelFiveRowShownProducts)},
        {"kPanelFourRowShownProducts", ids(kPanelFourRowShownProducts)},
        {"kPanelPhoneVoxShownProducts", ids(kPanelPhoneVoxShownProducts)},
        {"kPanelSidetoneShownProducts", ids(kPanelSidetoneShownProducts)},
        {"kAllSettingsTableProducts", ids(kAllSettingsTableProducts)},
        {"kOverlayExcludesHdProducts", ids(kOverlayExcludesHdProducts)},
        {"kVantorWordOemIds", ids(kVantorWordOemIds)},
        {"kYorbitIds", ids(kYorbitIds)},
        {"kVantorIntercomVoxExtraIds", ids(kVantorIntercomVoxExtraIds)},
        {"kAirohaSidetoneIds", ids(kAirohaSidetoneIds)},
        {"kBriskoLedControlIds", ids(kBriskoLedControlIds)},
        {"kAirohaAudioBoostIds", ids(kAirohaAudioBoostIds)},
        {"kBriskoHdSpeakerIds", ids(kBriskoHdSpeakerIds)},
        {"kVantorHdSpeakerIds", ids(kVantorHdSpeakerIds)},
        {"kOneModuleHdSpeakerIds", ids(kOneModuleHdSpeakerIds)},
        {"kQccWordHeadsetIds", ids(kQccWordHeadsetIds)},
        {"kMossraMeshChannelIds", ids(kMossraMeshChannelIds)},
        {"kTresselMeshChannelIds", ids(kTresselMeshChannelIds)},
        {"kDuvaneSpeakerSelectIds", ids(kDuvaneSpeakerSelectIds)},
        {"kAirohaFmStationIds", ids(kAirohaFmStationIds)},
        {"kAirohaAutoOnOffIds", ids(kAirohaAutoOnOffIds)},
        {"kAirohaAutoOffIds", ids(kAirohaAutoOffIds)},
        {"kQccAutoOffIds", ids(kQccAutoOffIds)},
        {"kTavelSmartVolumeIds", ids(kTavelSmartVolumeIds)},
        {"kJunovaVoxSensitivityIds", ids(kJunovaVoxSensitivityIds)},
        {"kAirohaWithoutMeshReachOutIds", ids(kAirohaWithoutMeshReachOutIds)},
        {"kAirohaMeshReachOutIds", ids(kAirohaMeshReachOutIds)},
        {"kVantorMeshReachOutIds", ids(kVantorMeshReachOutIds)},
        {"kLarnexMeshReachOutIds", ids(kLarnexMeshReachOutIds)},
        {"kYarloEqualizerIds", ids(kYarloEqualizerIds)},
        {"kVantorUnitLanguageIds", ids(kVantorUnitLanguageIds)},
        {"kZaffreUnitLanguageIds", ids(kZaffreUnitLanguageIds)},
        {"kKelporUnitLanguageIds", ids(kKelporUnitLanguageIds)},
        {"kVoskaUnitLanguageIds", ids(kVoskaUnitLanguageIds)},
        {"kPellonUnitLanguageIds", ids(kPellonUnitLanguageIds)},
        {"kRuskanUnitLanguageIds", ids(kRuskanUnitLanguageIds)},
        {"kUlmeckUnitLanguageIds", ids(kUlmeckUnitLanguageIds)},
        {"kYarloUnitLanguageIds", ids(kYarloUnitLanguageIds)},
        {"kAirohaOwnUnitLanguageIds", ids(kAirohaOwnUnitLanguageIds)},
        {"kAirohaUnitLanguageIds", ids(kAirohaUnitLanguageIds)},
        {"kQixaUnitLanguageIds", ids(kQixaUnitLanguageIds)},
        {"kKelpor8rUnitLanguageIds", ids(kKelpor8rUnitLanguageIds)},
        {"kModuleInBlockOneProducts", ids(kModuleInBlockOneProducts)},
        {"kCameraMeshCameraProducts", ids(kCameraMeshCameraProducts)},
        {"kCameraMeshAllEntriesProducts", ids(kCameraMeshAllEntriesProducts)},
        {"kCameraMeshNoLanguageProducts", ids(kCameraMeshNoLanguageProducts)},
        {"kMeshDfuReadyStateProducts", ids(kMeshDfuReadyStateProducts)},
        {"kIntermediateImages", column<IntermediateImage>(kIntermediateImages, &IntermediateImage::productId)},
        {"kFmTenPresetProducts", ids(kFmTenPresetProducts)},
        {"kFmSaveFamilyAProducts", ids(kFmSaveFamilyAProducts)},
        {"kFmSaveFamilyCProducts", ids(kFmSaveFamilyCProducts)},
        {"kFmSaveFamilyDProducts", ids(kFmSaveFamilyDProducts)},
        {"kFmSaveFamilyEProducts", ids(kFmSaveFamilyEProducts)},
        {"kFmSaveModuleVersionProducts", ids(kFmSaveModuleVersionProducts)},
        {"kFmSaveCommittedBlockProducts", ids(kFmSaveCommittedBlockProducts)},
        {"kFmSaveKeyWriterProducts", ids(kFmSaveKeyWriterProducts)},
        {"kFmRegionHiddenProduct", {kFmRegionHiddenProduct}},
        {"kSpeedDialPathAProducts", ids(kSpeedDialPathAProducts)},
        {"kSpeedDialPathBProducts", ids(kSpeedDialPathBProducts)},
        {"kSpeedDialPathCProducts", ids(kSpeedDialPathCProducts)},
        {"kSpeedDialPathD1Products", ids(kSpeedDialPathD1Products)},
        {"kSpeedDialPathD2Products", ids(kSpeedDialPathD2Products)},
        {"kDefaultGroupYProducts", ids(kDefaultGroupYProducts)},
        {"kDefaultGroupRProducts", ids(kDefaultGroupRProducts)},
        {"kDefaultTraceProducts", ids(kDefaultTraceProducts)},
        {"kRestoreTableProducts", ids(kRestoreTableProducts)},
        {"kSecondaryUpdateGroup", ids(kSecondaryUpdateGroup)},
        {"kDfuTwoDeviceProduct", {kDfuTwoDeviceProduct}},
        {"kDfuTargetModelProducts", ids(kDfuTargetModelProducts)},
        {"kDfuSecondModels (recognized)", column<DfuOtherModel>(kDfuSecondModels, &DfuOtherModel::recognized)},
        {"kDfuSecondModels (model)", distinct(column<DfuOtherModel>(kDfuSecondModels, &DfuOtherModel::model))},
        {"kDfuThirdModels (recognized)", column<DfuOtherModel>(kDfuThirdModels, &DfuOtherModel::recognized)},
        {"kDfuThirdModels (model)", distinct(column<DfuOtherModel>(kDfuThirdModels, &DfuOtherModel::model))},
        {"kDfuPsClearProducts", ids(kDfuPsClearProducts)},
        {"kDfuExpectedIds (product)", column<DfuExpectedId>(kDfuExpectedIds, &DfuExpectedId::product)},
        // The ids the loader shows carry the management-mode bit: the normal ids stand for them.
        {"kDfuExpectedIds (normal)", column<DfuExpectedId>(kDfuExpectedIds, &DfuExpectedId::normal)},
        {"kDfuNoReplugBoxProducts", ids(kDfuNoReplugBoxProducts)},
        {"kDfuNoPowerCycleBoxProducts", ids(kDfuNoPowerCycleBoxProducts)},
        {"kDfuClaimReopenProduct", {kDfuClaimReopenProduct}},
        {"kDfuWaitRestartIds", ids(kDfuWaitRestartIds)},
        {"kDfuWaitIgnoredIds", ids(kDfuWaitIgnoredIds)},
        {"kDfuWaitRecoveryProduct", {kDfuWaitRecoveryProduct}},
        {"kFactoryTracedProduct", {kFactoryTracedProduct}},
        {"kInstructionCableOnlyProducts", ids(kInstructionCableOnlyProducts)},
        {"kInstructionFirstMinusProducts", ids(kInstructionFirstMinusProducts)},
        {"kInstructionPhoneKeyProducts", ids(kInstructionPhoneKeyProducts)},
        {"kInstructionFirstCenterProducts", ids(kInstructionFirstCenterProducts)},
        {"kInstructionLeftKeyProducts", ids(kInstructionLeftKeyProducts)},
        {"kInstructionPairingKeyProducts", ids(kInstructionPairingKeyProducts)},
        {"kInstructionMinusKeyProducts", ids(kInstructionMinusKeyProducts)},
        {"kInstructionRetryPhoneKeyProducts", ids(kInstructionRetryPhoneKeyProducts)},
        {"kInstructionRetryCenterProducts", ids(kInstructionRetryCenterProducts)},
        {"kInstructionSecondCenterPlusProducts", ids(kInstructionSecondCenterPlusProducts)},
        {"kInstructionSwitchOffProducts", ids(kInstructionSwitchOffProducts)},
        {"kInstructionCameraProducts", ids(kInstructionCameraProducts)},
        {"kFirstModuleVersionProducts", ids(kFirstModuleVersionProducts)},
        {"kSecondModuleProducts", ids(kSecondModuleProducts)},
        {"usb_settings::kFmBlockChips", ids(usb_settings::kFmBlockChips)},
        {"usb_settings::kRadioGainChips", ids(usb_settings::kRadioGainChips)},
        {"usb_settings::kSidetoneWhenUnreadChip", {usb_settings::kSidetoneWhenUnreadChip}},
        {"usb_power::kLowAddressTableChips", ids(usb_power::kLowAddressTableChips)},
    };
    return sets;
}

} // namespace

const std::vector<ProductSet>& product_sets()
{
    static const std::vector<ProductSet> sets = joined(rule_sets(), settings_table_product_sets());
    return sets;
}

const std::vector<FirstMatchTable>& first_match_tables()
{
    static const std::vector<FirstMatchTable> tables = [] {
        FirstMatchTable tabs{"settings tabs", {}};
        for (const TabRow& row : settings_tab_table())
            tabs.rows.push_back({"", row.products});
        FirstMatchTable groups{"HID settings groups", {}};
        for (const SettingsGroupRow& row : kSettingsGroupRows)
            groups.rows.push_back({"", ids(row.products)});
        FirstMatchTable paths{"update paths", {}};
        for (const UpdatePathRow& row : kUpdatePathRows)
            paths.rows.push_back({"", ids(row.products)});
        FirstMatchTable pacing{"progress pacing", {}};
        for (const PacingGroupRow& row : kPacingGroupRows)
            pacing.rows.push_back({"", ids(row.products)});
        FirstMatchTable families{"settings save families", {}};
        for (const SaveFamilyRow& row : kSaveFamilyRows)
            families.rows.push_back({"", ids(row.products)});
        FirstMatchTable word_counts{"settings save word counts", {}};
        for (const SaveWordCountRow& row : kSaveWordCountRows)
            word_counts.rows.push_back({"", ids(row.products)});
        FirstMatchTable sub_paths{"settings save sub-paths", {}};
        for (const SaveSubPathRow& row : kSaveSubPathRows)
            sub_paths.rows.push_back({"", ids(row.products)});
        FirstMatchTable fm_families{"FM save families", {}};
        for (const FmSaveFamilyRow& row : kFmSaveFamilyRows)
            fm_families.rows.push_back({"", ids(row.products)});
        FirstMatchTable speed_dial_paths{"speed-dial save paths", {}};
        for (const SpeedDialPathRow& row : kSpeedDialPathRows)
            speed_dial_paths.rows.push_back({"", ids(row.products)});
        FirstMatchTable default_rows{"settings Default rule", {}};
        for (const DefaultRow& row : kDefaultRows)
            default_rows.rows.push_back({"", ids(row.products)});
        FirstMatchTable restore_lines{"restore row lines", {}};
        for (const RestoreRowLine& line : kRestoreRowLines)
            restore_lines.rows.push_back({"", ids(line)});
        FirstMatchTable summary_groups{"backup summary groups", {}};
        for (const SummaryGroupRow& row : kSummaryGroupRows)
            summary_groups.rows.push_back({"", ids(row.products)});
        FirstMatchTable summary_families{"restore summary families", {}};
        for (const RestoreSummaryFamily& family : restore_summary_families())
            summary_families.rows.push_back({"", ids(family.products)});
        FirstMatchTable factory_groups{"factory settings", {}};
        for (const factory::Group& group : factory::factory_table())
            factory_groups.rows.push_back({"", group.products});
        FirstMatchTable word_layouts{"basic settings word layouts", {}};
        for (const BasicWordLayout& layout : kBasicWordLayouts)
            word_layouts.rows.push_back({"", ids(layout.products)});
        FirstMatchTable usb_reads{"USB settings reads", {}};
        for (const usb_settings::SettingsReadRow& row : usb_settings::settings_read_rows())
            usb_reads.rows.push_back({"", row.chips});
        FirstMatchTable usb_write_backs{"USB write-back rows", {}};
        for (const usb_write_back::WriteBackRow& row : usb_write_back::write_back_rows())
            usb_write_backs.rows.push_back({"", row.targets});
        FirstMatchTable power_groups{"USB power table groups", {}};
        for (const usb_power::PowerTableGroup& group : usb_power::kPowerTableGroups)
            power_groups.rows.push_back({"", padded(group.targets)});
        FirstMatchTable power_thresholds{"USB power address thresholds", {}};
        for (const usb_power::AddressThreshold& row : usb_power::kAddressThresholds)
            power_thresholds.rows.push_back({"", padded(row.targets)});
        return std::vector<FirstMatchTable>{tabs,
                                            groups,
                                            paths,
                                            pacing,
                                            families,
                                            word_counts,
                                            sub_paths,
                                            fm_families,
                                            speed_dial_paths,
                                            default_rows,
                                            restore_lines,
                                            summary_groups,
                                            summary_families,
                                            factory_groups,
                                            word_layouts,
                                            usb_reads,
                                            usb_write_backs,
                                            power_groups,
                                            power_thresholds};
    }();
    return tables;
}

namespace {

const std::vector<DisjointSets>& rule_disjoint_sets()
{
    static const std::vector<DisjointSets> groups = {
        {"how a device found over HID says it is ready", {"kReadyWhenNonZeroProducts", "kReadyWhenZeroProducts"}},
        {"which 62-byte-report family",
         {"kProtocolBSettingsProducts", "kProtocolBNoSpeedDialProducts", "kProtocolBFmBlockProducts",
          "kProtocolBBasicWordProducts"}},
        {"which backup versions a device takes back", {"kBackupFrom1_2Products", "kBackupFrom4_2Products"}},
        {"which unit-language codes shift", {"kKelporShiftedLanguageProducts", "kYarloShiftedLanguageProducts"}},
        {"what the second basic settings word carries", {"kAutoStartRecordingProducts", "kGrennikProducts"}},
        {"which page the settings button opens",
         {"kSpeedDialOnlyProducts", "kSpeedDialFirstBelow2_1Products", "kSpeedDialFirstBelow1_1Products",
          "kWithoutSettingsProducts", "kWithoutSettingsBelow"}},
        {"found under another id, or selected under it", {"kFoundAsSelected (found)", "kFoundAsSelected (selected)"}},
        {"which stored values tell a settings edit",
         {"kSettingsChangeRow1", "kSettingsChangeListA", "kSettingsChangeRow3", "kSettingsChangeRow4",
          "kSettingsChangeRow5", "kSettingsChangeRow6", "kSettingsChangeListB", "kSettingsChangeRow8",
          "kSettingsChangeRow9", "kSettingsChangeListC", "kSettingsChangeRow11", "kSettingsChangeRow12",
          "kSettingsChangeRow13", "kSettingsChangeRow14", "kSettingsChangeRow15", "kSettingsChangeRow16",
          "kSettingsChangeRow17"}},
        {"which Heronyx-or-not family a Vantor model is", {"kVantorWithoutHeronyxIds", "kHeronyxIds"}},
        {"which Airoha list a model is in first", {"kAirohaIds", "kAirohaWideOnlyIds"}},
        {"which keys a persistent-store save writes besides the features",
         {"kSaveGroupAProducts", "kSaveGroupBProducts", "kSaveRadioGainProduct"}},
        {"which layout places the settings panel",
         {"kPanelC1Products",
          "kPanelC2Products",
          "kPanelC3Products",
          "kPanelDProducts",
          "kPanelFiveRowProducts",
          "kPanelNoiseControlLaterProduct",
          "kPanelVantorFiveRowProduct",
          "kPanelThreeRowProducts",
          "kPanelFourRowProduct",
          "kPanelFourRowLateProduct",
          "kPanelVantorFourRowProducts",
          "kPanelPhoneVoxSecondProducts",
          "kPanelSidetoneFirstProduct",
          "kPanelSidetoneSecondProduct",
          "kPanelPhoneVoxEdrProducts",
          "kPanelPhoneVoxProduct",
          "kPanelNoiseControlProducts",
          "kPanelGainControlProduct",
          "kPanelEdrA2dpProducts",
          "kPanelBriskoLayoutProducts",
          "kBriskoProductId",
          "kPanelPProducts",
          "kPanelQProducts",
          "kPanelAudioBoostThreeRowProducts",
          "kPanelA2dpNoiseControlProducts",
          "kPanelRadioProduct",
          "kPanelBProducts"}},
        {"which unit-language setter a product's handler uses",
         {"kVantorUnitLanguageIds", "kYorbitIds", "kZaffreUnitLanguageIds", "kKelporUnitLanguageIds",
          "kVoskaUnitLanguageIds", "kPellonUnitLanguageIds", "kRuskanUnitLanguageIds", "kUlmeckUnitLanguageIds",
          "kYarloUnitLanguageIds", "kAirohaUnitLanguageIds", "kQixaUnitLanguageIds", "kKelpor8rUnitLanguageIds"}},
        {"which rows the settings panel shows",
         {"kPanelC1Products", "kPanelC2Products", "kPanelC3Products", "kPanelEarlyEdrNoteProducts",
          "kPanelNoiseControlLaterProduct", "kPanelFiveRowShownProducts", "kPanelFourRowShownProducts",
          "kPanelThreeRowProducts", "kPanelPhoneVoxEdrProducts", "kPanelEdrA2dpProducts", "kPanelGainControlProduct",
          "kPanelNoiseControlProducts", "kPanelPhoneVoxShownProducts", "kPanelSidetoneShownProducts",
          "kPanelRadioProduct", "kAllSettingsTableProducts"}},
        {"how many FM presets a product keeps", {"kSixPresetProducts", "kFmTenPresetProducts"}},
        {"how the FM radio save writes a product",
         {"kFmSaveFamilyAProducts", "kFmSaveFamilyCProducts", "kFmSaveFamilyDProducts", "kFmSaveFamilyEProducts",
          "kFmSaveKeyWriterProducts"}},
        {"how the speed-dial save writes a product",
         {"kSpeedDialPathAProducts", "kSpeedDialPathBProducts", "kSpeedDialPathCProducts", "kSpeedDialPathD1Products",
          "kSpeedDialPathD2Products"}},
        {"what a normal-firmware id on the bus means to the wait for DFU mode",
         {"kDfuWaitRestartIds", "kDfuWaitIgnoredIds", "kDfuWaitRecoveryProduct"}},
    };
    return groups;
}

} // namespace

const std::vector<DisjointSets>& disjoint_sets()
{
    static const std::vector<DisjointSets> groups = joined(rule_disjoint_sets(), settings_table_disjoint_sets());
    return groups;
}

const ProductSet* find_product_set(std::string_view name)
{
    const std::vector<ProductSet>& sets = product_sets();
    const auto it = std::find_if(sets.begin(), sets.end(), [&](const ProductSet& set) { return set.name == name; });
    return it == sets.end() ? nullptr : &*it;
}

std::vector<std::string> describe_product(int product_id)
{
    auto lists = [&](const std::vector<int>& set) {
        return std::find(set.begin(), set.end(), product_id) != set.end();
    };
    std::vector<std::string> names;
    for (const ProductSet& set : product_sets())
        if (lists(set.ids))
            names.emplace_back(set.name);
    for (const FirstMatchTable& table : first_match_tables())
        for (std::size_t i = 0; i < table.rows.size(); ++i)
            if (lists(table.rows[i].ids))
                names.push_back(row_name(table.name, i));
    return names;
}

} // namespace kivo
