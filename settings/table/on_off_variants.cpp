// The on/off kinds of the all-settings table: for each kind, per group of products, the setting
// its row reads, how the value selects the Enable or Disable cell, and when the row may be changed.
// Within a kind every product stands under one variant.

#include <array>

#include "device/products/oem_headsets.h"
#include "device/products/second_settings_word.h"
#include "device/products/settings_families.h"
#include "settings/table/titles.h"
#include "settings/table/variant_data.h"

namespace kivo::settings {
namespace {

using enum TableKind;
using K = SettingKey;
using enum OnOffMapping;
using namespace variant_parts;

constexpr KindVariant on_off(TableKind kind, std::span<const int> products, SettingKey getter, OnOffMapping mapping,
                             const EnablingRule& rule, std::span<const RuleClause> clauses = {})
{
    KindVariant variant{kind, products, getter, &rule, clauses};
    variant.mapping = mapping;
    return variant;
}

// clang-format off
constexpr int kAudioOverlayIds[] = {0x321B, 0x3300, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360, 0x3370, 0x3380, 0x3410, 0x3420, 0x3430, 0x3701, 0x4023, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5510, 0x5520, 0x5524, 0x5526, 0x5530, 0x5534, 0x5538, 0x5550, 0x5570, 0x5576, 0x5580, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x6112, 0x6210, 0x6400, 0x6461, 0x6481, 0x6491, 0x6620, 0x6900, 0x6910};
constexpr int kOrletIds[] = {0x6028, 0x6030, 0x6032, 0x6034, 0x6036};
constexpr int kAudioOverlayTitledIds[] = {0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420};
constexpr int kVantorAudioOverlayIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3132, 0x3134, 0x3140, 0x3146, 0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x3223, 0x3232, 0x3233, 0x3240, 0x3264, 0x3310, 0x3320, 0x3330, 0x3900};
constexpr int kVantorVolumeManagementIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3132, 0x3134, 0x3136, 0x3140, 0x3146, 0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3900};
constexpr int kAirohaVolumeManagementIds[] = {0x6800, 0x6805, 0x6806, 0x6808, 0x6810, 0x6811, 0x6812, 0x6817, 0x6821, 0x6825, 0x6838, 0x683A};
constexpr int kBriskoWithout4210[] = {0x2030, 0x4310, 0x4330, 0x4410, 0x4430, 0x4510, 0x4530, 0x4610};
constexpr int kVantorAudioBoostIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3132, 0x3134, 0x3140, 0x3146, 0x3148, 0x3154, 0x3210, 0x3211, 0x3212, 0x3215, 0x3216, 0x3218, 0x3219, 0x321A, 0x321C, 0x3223, 0x3232, 0x3233, 0x3264, 0x3900};
constexpr int kAirohaSpeakerIds[] = {0x6821, 0x6825};
constexpr int kAudioBoostIds[] = {0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5536, 0x5550, 0x5570, 0x5576, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036, 0x6038, 0x6039, 0x6112, 0x6114, 0x6210, 0x6400};
constexpr int kVantorVOXPhoneIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3132, 0x3134, 0x3140, 0x3146, 0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x321D, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3900, 0x6500, 0x6510};
constexpr int kAirohaVOXPhoneIds[] = {0x6800, 0x6805, 0x6806, 0x6808, 0x6810, 0x6811, 0x6812, 0x6814, 0x6817, 0x6821, 0x6824, 0x6825, 0x6831, 0x6838, 0x6839, 0x683A, 0x6840};
constexpr int kBriskoVOXPhoneIds[] = {0x2030, 0x4210, 0x4310, 0x4330, 0x4510, 0x4530, 0x4610};
constexpr int kHandsfreeVOXIds[] = {0x321B, 0x3300, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360, 0x3370, 0x3380, 0x3400, 0x3410, 0x3420, 0x3430, 0x3701, 0x4023, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5510, 0x5520, 0x5526, 0x5530, 0x5532, 0x5534, 0x5538, 0x5570, 0x5576, 0x5580, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036, 0x6038, 0x6039, 0x6042, 0x6112, 0x6114, 0x6210, 0x6320, 0x6330, 0x6335, 0x6400, 0x6900, 0x6910};
constexpr int kVantorVOXIntercomIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3132, 0x3134, 0x3140, 0x3146, 0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x321D, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3900};
constexpr int kIntercomVOXIds[] = {0x321B, 0x3300, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360, 0x3370, 0x3380, 0x3410, 0x3420, 0x3430, 0x3701, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5510, 0x5520, 0x5526, 0x5530, 0x5532, 0x5534, 0x5538, 0x5570, 0x5576, 0x5580, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036, 0x6042, 0x6112, 0x6114, 0x6210, 0x6400, 0x6900, 0x6910};
constexpr int kVantorHDIntercomIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3132, 0x3134, 0x3140, 0x3146, 0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x321D, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3900};
constexpr int kHdIntercomIds[] = {0x321B, 0x3300, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360, 0x3370, 0x3380, 0x3400, 0x3410, 0x3420, 0x3430, 0x3701, 0x4023, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5510, 0x5520, 0x5526, 0x5530, 0x5532, 0x5534, 0x5538, 0x5550, 0x5570, 0x5576, 0x5580, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036, 0x6038, 0x6039, 0x6042, 0x6112, 0x6210, 0x6320, 0x6330, 0x6335, 0x6400, 0x6900, 0x6910};
constexpr int kHeronyxHDVoiceIds[] = {0x3132, 0x3134, 0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x321D, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3900};
constexpr int kHdVoiceIds[] = {0x321B, 0x3300, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360, 0x3370, 0x3380, 0x3400, 0x3410, 0x3420, 0x3430, 0x3701, 0x4023, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5510, 0x5520, 0x5524, 0x5526, 0x5530, 0x5532, 0x5534, 0x5538, 0x5550, 0x5552, 0x5553, 0x5570, 0x5576, 0x5580, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x6042, 0x6112, 0x6210, 0x6320, 0x6330, 0x6335, 0x6400, 0x6900, 0x6910};
constexpr int kVantorMeshGuestModeIds[] = {0x3110, 0x3112, 0x3114, 0x3116};
constexpr int kVantorMeshReachOutIds[] = {0x3110};
constexpr int kAirohaMeshReachOutIds[] = {0x6800, 0x6804, 0x6810, 0x6812, 0x6821, 0x6825, 0x6838, 0x6839, 0x683A, 0x6840};
constexpr int kMeshReachOutIds[] = {0x3132, 0x3134, 0x3148, 0x3154, 0x3170, 0x3210, 0x3211, 0x3212, 0x3214, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x3223, 0x3232, 0x3233, 0x3264, 0x3900};
constexpr int kMeshReachOutLarnexIds[] = {0x3800};
constexpr int kVantorVoicePromptIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x3128, 0x3132, 0x3134, 0x3136, 0x3140, 0x3144, 0x3146, 0x3148, 0x3150, 0x3152, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x321D, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3800, 0x3900, 0x6500, 0x6510};
constexpr int kAirohaVoicePromptIds[] = {0x6800, 0x6801, 0x6802, 0x6803, 0x6804, 0x6805, 0x6806, 0x6808, 0x6810, 0x6811, 0x6812, 0x6814, 0x6815, 0x6816, 0x6817, 0x6821, 0x6822, 0x6825, 0x6831, 0x6838, 0x6839, 0x683A, 0x6840};
constexpr int kVoicePromptIds[] = {0x3030, 0x3032, 0x3040, 0x3050, 0x3060, 0x3070, 0x3080, 0x3085, 0x321B, 0x3300, 0x3340, 0x3341, 0x3342, 0x3343, 0x3370, 0x3380, 0x3400, 0x3410, 0x3420, 0x3430, 0x3701, 0x4023, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5534, 0x5536, 0x5538, 0x5550, 0x5552, 0x5553, 0x5570, 0x5576, 0x5580, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036, 0x6038, 0x6039, 0x6042, 0x6112, 0x6114, 0x6210, 0x6310, 0x6320, 0x6330, 0x6335, 0x6400, 0x6900, 0x6910};
constexpr int kVantorVoiceCommandIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3124, 0x3126, 0x3140, 0x3144, 0x3146, 0x3152};
constexpr int kVoiceAssistantIds[] = {0x3132, 0x3134, 0x3148, 0x3154, 0x3210, 0x3212, 0x3214, 0x3216, 0x3218, 0x3219, 0x321A, 0x321C, 0x3223, 0x3232, 0x3233, 0x3264, 0x3900};
// 0x3211 shows the FM station guide whenever its FM code is not 4: it reads the setting its
// neighbours 0x3210 and 0x3212 read.
constexpr int kVantorFMStationGuideIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x3128, 0x3132, 0x3134, 0x3136, 0x3140, 0x3142, 0x3143, 0x3144, 0x3146, 0x3148, 0x3150, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x321D, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3800, 0x3900};
constexpr int kAirohaFMStationIds[] = {0x6806};
constexpr int kFmStationGuideIds[] = {0x3030, 0x3032, 0x3040, 0x3050, 0x3060, 0x3070, 0x321B, 0x3370, 0x3410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5441, 0x5442, 0x5444, 0x5445, 0x5451, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5534, 0x5536, 0x5538, 0x5550, 0x5552, 0x5553, 0x5560, 0x5562, 0x5570, 0x5576, 0x5580, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5597, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5710, 0x5720, 0x5910, 0x5920, 0x6112, 0x6114, 0x6210, 0x6400, 0x6900, 0x6910};
constexpr int kVantorSidetoneIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3124, 0x3126, 0x3128, 0x3132, 0x3134, 0x3136, 0x3140, 0x3142, 0x3143, 0x3144, 0x3146, 0x3148, 0x3152, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x321D, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3800, 0x3900};
constexpr int kSidetoneIds[] = {0x3070, 0x3080, 0x321B, 0x3300, 0x3380, 0x3410, 0x3701, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5440, 0x5441, 0x5443, 0x5451, 0x5510, 0x5520, 0x5526, 0x5530, 0x5532, 0x5534, 0x5538, 0x5570, 0x5576, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5623, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036, 0x6038, 0x6039, 0x6042, 0x6112, 0x6114};
constexpr int kVantorAdvancedNoiseControlIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3128, 0x3132, 0x3134, 0x3140, 0x3146, 0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3900};
constexpr int kAdvancedNoiseControlIds[] = {0x3030, 0x3032, 0x3040, 0x3050, 0x3060, 0x3300, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5534, 0x5536, 0x5538, 0x5550, 0x5570, 0x5576, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036, 0x6038, 0x6039, 0x6112, 0x6114, 0x6210, 0x6320, 0x6330, 0x6335, 0x6400};
constexpr int kVantorA2DPIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3140, 0x3146};
constexpr int kBitpoolRateIds[] = {0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5536, 0x5550, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026, 0x6210};
constexpr int kVantorHDSpeakerAccessoryIds[] = {0x3110, 0x3112, 0x3146, 0x3215};
constexpr int kKelporHDSpeakerAccessoryIds[] = {0x3310, 0x3330, 0x3340};
constexpr int kHIDOneModuleHDSpeakerAccessoryIds[] = {0x5570, 0x5580};
constexpr int kEgranoMicAccessorySelectIds[] = {0x3132, 0x3134, 0x3210, 0x3211, 0x3212, 0x3214, 0x3216, 0x3217, 0x3218, 0x3219, 0x321C, 0x3900};
constexpr int kBriskoLEDControlIds[] = {0x4610};
constexpr int kAirohaAutoOffIds[] = {0x6838};
constexpr int kQccAutoOffIds[] = {0x6042};
constexpr int kAirohaPowerOffIds[] = {0x683A};
constexpr int kUILayerIds[] = {0x3310, 0x3320, 0x3330, 0x3340, 0x3341, 0x3342, 0x3343, 0x3420, 0x3430};
constexpr int kSmartNaviSystemIds[] = {0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036};
constexpr int kAutoStartRecordingIds[] = {0x5576};
constexpr int kTresselRemoteUIPTTIds[] = {0x3161};

// Audio boost greyed by a speaker accessory, by product, firmware and speaker type. On 0x3132 and
// 0x3134 with a type of 0 to 7 the layout from firmware 1.3 shows the row twice: the second is
// greyed by the speaker choice, the first never.
constexpr int k3146And3215[] = {0x3146, 0x3215};
constexpr int k3110[] = {0x3110};
constexpr int k3211[] = {0x3211};
constexpr int kEgranoSpeakerHeadsets[] = {0x3210, 0x3218, 0x321C, 0x3900};
constexpr int kEgranoEarlyHeadsets[] = {0x3132, 0x3134};
constexpr RuleClause kVantorAudioBoostRules[] = {
    {k3146And3215, kAnyFirmware, nullptr, -1, &kE4},
    {k3110, from(3, 1), nullptr, -1, &kE4},
    {k3112, {version(3, 1), version(3, 3)}, nullptr, -1, &kE4},
    {k3112, from(3, 3), nullptr, -1, &kE5},
    {k3211, kAnyFirmware, nullptr, -1, &kE2},
    {kEgranoSpeakerHeadsets, kAnyFirmware, &kSpeakerOther, -1, &kE2},
    {kEgranoEarlyHeadsets, kAnyFirmware, &kSpeakerOther, -1, &kE3},
    {kEgranoEarlyHeadsets, kAnyFirmware, &kSpeaker0To7, 1, &kE2},
};
constexpr int k5570[] = {0x5570};
constexpr int k5580[] = {0x5580};
constexpr RuleClause kAudioBoostRules[] = {
    {k5570, from(1, 4), nullptr, -1, &kE8},
    {k5580, from(2, 6), nullptr, -1, &kE8},
};
constexpr RuleClause kBriskoAudioBoostRules[] = {
    {kHeadset4210, kFrom2_0_2_3, &kInfoNot1, -1, &kE7},
    {kHeadset4210, from(2, 5), &kInfo1, -1, &kE6},
};

// HD intercom and HD voice greyed while audio overlay is on.
constexpr int kVantorOverlayHeadsets[] = {0x3116, 0x3118, 0x3140, 0x3146};
constexpr int kVantorLateOverlayHeadsets[] = {0x3110, 0x3112, 0x3114};
constexpr RuleClause kVantorHDIntercomRules[] = {
    {kVantorOverlayHeadsets, kAnyFirmware, nullptr, -1, &kE10},
    {kVantorLateOverlayHeadsets, from(1, 1), nullptr, -1, &kE10},
};
constexpr int kHdIntercomNeverGreyed[] = {0x5532, 0x5550, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026};
constexpr int kHdIntercomGreyedFrom2_0[] = {0x5520, 0x5526, 0x5530, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x6210};
constexpr RuleClause kHdIntercomRules[] = {
    {kHdIntercomNeverGreyed, kAnyFirmware, nullptr, -1, &kE0},
    {k5416, below(1, 1), nullptr, -1, &kE0},
    {kWispenCamera, below(3, 0), nullptr, -1, &kE0},
    {kHdIntercomGreyedFrom2_0, below(2, 0), nullptr, -1, &kE0},
};
constexpr int k5532[] = {0x5532};
constexpr int k5530[] = {0x5530};
constexpr RuleClause kHdVoiceRules[] = {
    {k5532, kAnyFirmware, nullptr, -1, &kE0},
    {k5530, below(2, 0), nullptr, -1, &kE0},
};

// The HD speaker accessory greyed by the device-information code recognition stored.
constexpr int k3110And3215[] = {0x3110, 0x3215};
constexpr RuleClause kVantorHDSpeakerRules[] = {{k3110And3215, kAnyFirmware, nullptr, -1, &kE11}};
constexpr RuleClause kHIDOneModuleHDSpeakerRules[] = {{k5570, kAnyFirmware, nullptr, -1, &kE11}};

// What follows a change.
using H = HandlerId;
constexpr AfterChange kRefresh = AfterChange::Refresh;

// Information: the texts, the names that fill the formats and the box sizes, by family.
using I = InfoText;
constexpr const Translated* kMultitaskingAndFMRadio[] = {&titles::kAudioMultitasking, &titles::kFMRadio};
constexpr const Translated* kMultitaskingTwice[] = {&titles::kAudioMultitasking, &titles::kAudioMultitasking};
constexpr const Translated* kNoiseControlName[] = {&titles::kAdvancedNoiseControl};
constexpr const Translated* kHdIntercomName[] = {&titles::kHDIntercom};
constexpr const Translated* kVoxIntercomTwice[] = {&titles::kVOXIntercom, &titles::kVOXIntercom};
constexpr const Translated* kEightWayTwice[] = {&titles::kEightWayIntercom, &titles::kEightWayIntercom};
constexpr const Translated* kRecordingTwice[] = {&titles::kSpeakerSoundRecording, &titles::kSpeakerSoundRecording};
constexpr const Translated* kCameraSleepTwice[] = {&titles::kAutoCameraSleep, &titles::kAutoCameraSleep};

constexpr int kQccMultitaskingIds[] = {0x4023, 0x6461, 0x6481, 0x6491, 0x6620};
constexpr InfoClause kAudioMultitaskingClauses[] = {
    {.products = kBriskoIds, .shows = {I::AudioMultitasking, 6, kMultitaskingAndFMRadio}},
    {.products = kQccMultitaskingIds, .shows = {I::AudioMultitaskingWithQCC, 6}},
};
constexpr InfoEntry kAudioMultitaskingInfo{{I::AudioMultitaskingOneModule, 6}, kAudioMultitaskingClauses};
constexpr InfoEntry kOrletMultitaskingInfo{{I::AudioMultitaskingOneModuleForOrlet, 2}};
constexpr int k5410[] = {0x5410};
constexpr InfoClause kAudioOverlayClauses[] = {{.products = k5410, .shows = {I::AudioOverlayBrannoc, 2}}};
constexpr InfoEntry kAudioOverlayInfo{{I::AudioOverlay, 6}, kAudioOverlayClauses};
constexpr InfoEntry kBluetoothMultitaskingInfo{{I::BluetoothIntercomAudioMultitasking, 6}};
constexpr InfoEntry kNavigationInfo{{I::NavigationAppOverlay, 2, kMultitaskingTwice}};
constexpr int k6808[] = {0x6808};
constexpr InfoClause kVolumeManagementClauses[] = {
    {.products = kBriskoWithout4210, .shows = {I::AudioOverlayVolumeManagement, 4}},
    {.products = k6808, .shows = {I::AudioOverlayVolumeManagementNoFMGPS, 3}},
};
constexpr InfoEntry kVolumeManagementInfo{{I::AudioOverlayVolumeManagement, 3}, kVolumeManagementClauses};
constexpr InfoEntry kMultitaskingVolumeInfo{{I::AudioMultitaskingVolumeManagement, 3}};
// The early Egrano headsets keep the old text below firmware 1.4 and while the speaker select is 1.
constexpr InfoClause kAudioBoostClauses[] = {
    {.products = kEgranoEarlyHeadsets, .firmware = below(1, 4), .shows = {I::AudioBoost2_old, 2}},
    {.products = kEgranoEarlyHeadsets, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 1}, .shows = {I::AudioBoost2_old, 2}},
    {.products = kEgranoEarlyHeadsets, .shows = {I::AudioBoost2, 2}},
    {.products = k3211, .shows = {I::AudioBoost2, 2}},
};
constexpr InfoEntry kAudioBoostInfo{{I::AudioBoost, 2}, kAudioBoostClauses};
constexpr InfoEntry kVoxPhoneInfo{{I::VOXPhone, 2}};
constexpr InfoEntry kVoxIntercomInfo{{I::VOXIntercom, 4, kVoxIntercomTwice}};
constexpr InfoEntry kHdIntercomInfo{{I::HDIntercom, 2, kHdIntercomName}};
constexpr InfoEntry kEightWayInfo{{I::EightwayIntercom, 2, kEightWayTwice}};
constexpr InfoEntry kHdVoiceInfo{{I::HDVoice, 2}};
constexpr InfoEntry kGuestModeInfo{{I::MeshGuestMode, 6}};
constexpr int kReachOutTallerIds[] = {0x3110, 0x3217};
constexpr InfoClause kReachOutClauses[] = {{.products = kReachOutTallerIds, .shows = {I::MeshReachOut, 4}}};
constexpr InfoEntry kReachOutInfo{{I::MeshReachOut, 3}, kReachOutClauses};
constexpr InfoEntry kVoicePromptInfo{{I::VoicePrompt, 2}};
constexpr InfoEntry kVoiceCommandInfo{{I::VoiceCommand, 2}};
constexpr InfoEntry kVoiceAssistantInfo{{I::VoiceAssistant, 2}};
constexpr InfoEntry kStationGuideInfo{{I::FMStationGuide, 2}};
constexpr InfoEntry kSidetoneInfo{{I::Sidetone, 2}};
constexpr InfoEntry kNoiseControlInfo{{I::AdvancedNoiseControl, 2, kNoiseControlName}};
constexpr InfoEntry kA2dpInfo{{I::BitpoolRate, 2}};
constexpr int k3340[] = {0x3340};
constexpr InfoClause kHdSpeakerClauses[] = {{.products = k3340, .shows = {I::HDSpeakerAccessorySelect, 2}}};
constexpr InfoEntry kHdSpeakerInfo{{I::HDSpeakerAccessory, 2}, kHdSpeakerClauses};
constexpr InfoEntry kMicSelectInfo{{I::MicAccessorySelect, 2}};
constexpr InfoEntry kLedInfo{{I::LEDControl, 2}};
constexpr InfoEntry kAutoOnOffInfo{{I::AutoOnOff, 2}};
constexpr InfoClause kAutoOffClauses[] = {{.products = kAirohaAutoOffIds, .shows = {I::AutoOff, 3}}};
constexpr InfoEntry kAutoOffInfo{{I::AutoOff, 2}, kAutoOffClauses};
constexpr InfoEntry kPowerOffInfo{{I::AutomaticPowerOff, 3}};
constexpr InfoEntry kSimpleUIInfo{{I::SimpleUI, 2}};
constexpr InfoEntry kUILayerInfo{{I::UILayer, 2}};
constexpr InfoEntry kSmartNaviInfo{{I::SmartNaviSystem, 2}};
constexpr InfoEntry kAutoStartInfo{{I::AutoStartRecording, 2}};
constexpr InfoEntry kDateCaptionInfo{{I::DateCaption, 2}};
constexpr InfoEntry kRecordingInfo{{I::SpeakerSoundRecording, 4, kRecordingTwice}};
constexpr InfoEntry kCameraSleepInfo{{I::AutoCameraSleep, 4, kCameraSleepTwice}};
constexpr InfoEntry kFmRadioInfo{{I::FMRadioOn, 4}};
constexpr InfoEntry kPhoneInfo{{I::PhoneOn, 4}};
// The four sources of the camera's sound recording and the mesh module's remote RTT have none.

constexpr KindVariant kVariants[] = {
    on_off(AudioMultitasking, kAudioOverlayIds, K::AudioOverlay, Direct, kE0).acts(H::changeAudioOverlay, kRefresh).informs(kAudioMultitaskingInfo),
    on_off(AudioMultitasking, kBriskoIds, K::BriskoAudioMultitasking, Direct, kE0).acts(H::changeAudioMultitasking, kRefresh).informs(kAudioMultitaskingInfo),
    on_off(AudioMultitaskingForOrlet, kOrletIds, K::AudioOverlay, Direct, kE0).acts(H::changeAudioOverlay, kRefresh).informs(kOrletMultitaskingInfo),
    on_off(AudioOverlay, kAudioOverlayTitledIds, K::AudioOverlay, Direct, kE0).acts(H::changeAudioOverlay, kRefresh).informs(kAudioOverlayInfo),
    on_off(BluetoothIntercomAudioMultitasking, kVantorAudioOverlayIds, K::VantorAudioOverlay, Direct, kE0).acts(H::changeAudioOverlay, AfterChange::OverlayExcludesHd).informs(kBluetoothMultitaskingInfo),
    on_off(NavigationAppSupport, kHeadset4210, K::BriskoNavigationAppOverlay, Direct, kE1).acts(H::changeNavigationAppOverlay).informs(kNavigationInfo),
    on_off(AudioOverlayVolumeManagement, kVantorVolumeManagementIds, K::VantorAudioOverlayVolumeManagement, Direct, kE0).acts(H::changeAudioOverlayVolumeManagement).informs(kVolumeManagementInfo),
    on_off(AudioOverlayVolumeManagement, kAirohaVolumeManagementIds, K::AirohaAudioOverlayVolumeManagement, Direct, kE0).acts(H::changeAudioOverlayVolumeManagement).informs(kVolumeManagementInfo),
    on_off(AudioOverlayVolumeManagement, kQccIds, K::QCCAudioOverlayVolumeManagement, Direct, kE0).acts(H::changeAudioOverlayVolumeManagement).informs(kVolumeManagementInfo),
    on_off(AudioOverlayVolumeManagement, kBriskoWithout4210, K::BriskoNavigationAppOverlay, Direct, kE1).acts(H::changeNavigationAppOverlay).informs(kVolumeManagementInfo),
    on_off(AudioMultitaskingVolumeManagement, kOemHeadsetProducts, K::VantorAudioOverlayVolumeManagement, Inverted, kE0).acts(H::changeAudioOverlayVolumeManagement).informs(kMultitaskingVolumeInfo),
    on_off(AudioBoost, kVantorAudioBoostIds, K::VantorAudioBoost, Inverted, kE0, kVantorAudioBoostRules).acts(H::changeAudioBoost).informs(kAudioBoostInfo),
    on_off(AudioBoost, kAirohaSpeakerIds, K::AirohaAudioBoost, Direct, kE0).acts(H::changeAudioBoost).informs(kAudioBoostInfo),
    on_off(AudioBoost, kAudioBoostIds, K::AudioBoost, Inverted, kE0, kAudioBoostRules).acts(H::changeAudioBoost).informs(kAudioBoostInfo),
    on_off(AudioBoost, kBriskoIds, K::BriskoAudioBoost, Direct, kE0, kBriskoAudioBoostRules).acts(H::changeAudioBoost).informs(kAudioBoostInfo),
    on_off(VOXPhone, kVantorVOXPhoneIds, K::VantorVOXPhone, Direct, kE0).acts(H::changeHVOX).informs(kVoxPhoneInfo),
    on_off(VOXPhone, kAirohaVOXPhoneIds, K::AirohaVOXPhone, Direct, kE0).acts(H::changeHVOX).informs(kVoxPhoneInfo),
    on_off(VOXPhone, kBriskoVOXPhoneIds, K::BriskoVOXPhone, Direct, kE0).acts(H::changeHVOX).informs(kVoxPhoneInfo),
    on_off(VOXPhone, kHandsfreeVOXIds, K::HandsfreeVOX, Direct, kE0).acts(H::changeHVOX).informs(kVoxPhoneInfo),
    on_off(VOXIntercom, kVantorVOXIntercomIds, K::VantorVOXIntercom, Direct, kE0).acts(H::changeIVOX).informs(kVoxIntercomInfo),
    on_off(VOXIntercom, kIntercomVOXIds, K::IntercomVOX, Direct, kE0).acts(H::changeIVOX).informs(kVoxIntercomInfo),
    on_off(HDIntercom, kVantorHDIntercomIds, K::VantorHDIntercom, Direct, kE0, kVantorHDIntercomRules).acts(H::changeHDIntercom, AfterChange::HdIntercomExcludesOverlay).informs(kHdIntercomInfo),
    on_off(HDIntercom, kBriskoIds, K::BriskoHDIntercom, Direct, kE0).acts(H::changeHDIntercom, AfterChange::HdIntercomExcludesOverlay).informs(kHdIntercomInfo),
    on_off(HDIntercom, kHdIntercomIds, K::HdIntercom, Direct, kE9, kHdIntercomRules).acts(H::changeHDIntercom, AfterChange::HdIntercomExcludesOverlay).informs(kHdIntercomInfo),
    on_off(EightWayIntercom, kBriskoIds, K::BriskoEightWayIntercom, Direct, kE0).acts(H::changeEightWayIntercom).informs(kEightWayInfo),
    on_off(HDVoice, kHeronyxHDVoiceIds, K::HeronyxHDVoice, Direct, kE0).acts(H::changeHDVoice, AfterChange::HdVoiceExcludesOverlay).informs(kHdVoiceInfo),
    on_off(HDVoice, kQccIds, K::QCCHDVoice, Direct, kE0).acts(H::changeHDVoice, AfterChange::HdVoiceExcludesOverlay).informs(kHdVoiceInfo),
    on_off(HDVoice, kHdVoiceIds, K::HdVoice, Direct, kE9, kHdVoiceRules).acts(H::changeHDVoice, AfterChange::HdVoiceExcludesOverlay).informs(kHdVoiceInfo),
    on_off(GuestMode, kVantorMeshGuestModeIds, K::VantorMeshGuestMode, Direct, kE0).acts(H::changeMeshGuestMode).informs(kGuestModeInfo),
    on_off(MeshReachOut, kVantorMeshReachOutIds, K::VantorMeshReachOut, Direct, kE0).acts(H::changeMeshReachOut).informs(kReachOutInfo),
    on_off(MeshReachOut, kAirohaMeshReachOutIds, K::AirohaMeshReachOut, Direct, kE0).acts(H::changeMeshReachOut).informs(kReachOutInfo),
    on_off(MeshReachOut, kMeshReachOutIds, K::MeshReachOut, Direct, kE0).acts(H::changeMeshReachOut).informs(kReachOutInfo),
    on_off(MeshReachOut, kMeshReachOutLarnexIds, K::MeshReachOutLarnex, Direct, kE0).acts(H::changeMeshReachOut).informs(kReachOutInfo),
    on_off(VoicePrompt, kVantorVoicePromptIds, K::VantorVoicePrompt, Inverted, kE0).acts(H::changeVoicePrompt).informs(kVoicePromptInfo),
    on_off(VoicePrompt, kAirohaVoicePromptIds, K::AirohaVoicePrompt, Direct, kE0).acts(H::changeVoicePrompt).informs(kVoicePromptInfo),
    on_off(VoicePrompt, kBriskoIds, K::BriskoVoicePrompt, Direct, kE0).acts(H::changeVoicePrompt).informs(kVoicePromptInfo),
    on_off(VoicePrompt, kVoicePromptIds, K::VoicePrompt, Inverted, kE0).acts(H::changeVoicePrompt).informs(kVoicePromptInfo),
    on_off(VoiceCommand, kBriskoWithout4210, K::BriskoVoiceCommand, Direct, kE0).acts(H::changeVoiceCommand).informs(kVoiceCommandInfo),
    on_off(VoiceCommand, kVantorVoiceCommandIds, K::VantorVoiceCommand, Direct, kE0).acts(H::changeVoiceCommand).informs(kVoiceCommandInfo),
    on_off(VoiceAssistant, kVoiceAssistantIds, K::VoiceAssistant, Inverted, kE0).acts(H::changeVoiceAssistant).informs(kVoiceAssistantInfo),
    on_off(FMStationGuide, kVantorFMStationGuideIds, K::VantorFMStationGuide, Direct, kE0).acts(H::changeFMStationGuide).informs(kStationGuideInfo),
    on_off(FMStationGuide, kAirohaFMStationIds, K::AirohaFMStation, Direct, kE0).acts(H::changeFMStationGuide).informs(kStationGuideInfo),
    on_off(FMStationGuide, kFmStationGuideIds, K::FmStationGuide, Direct, kE0).acts(H::changeFMStationGuide).informs(kStationGuideInfo),
    on_off(FMStationGuide, kBriskoIds, K::BriskoFMStationGuide, Direct, kE0).acts(H::changeFMStationGuide).informs(kStationGuideInfo),
    on_off(Sidetone, kVantorSidetoneIds, K::VantorSidetone, Direct, kE0).acts(H::changeSidetone).informs(kSidetoneInfo),
    on_off(Sidetone, kBriskoIds, K::BriskoSidetone, Direct, kE0).acts(H::changeSidetone).informs(kSidetoneInfo),
    on_off(Sidetone, kSidetoneIds, K::Sidetone, Direct, kE0).acts(H::changeSidetone).informs(kSidetoneInfo),
    on_off(AdvancedNoiseControl, kVantorAdvancedNoiseControlIds, K::VantorAdvancedNoiseControl, Inverted, kE0).acts(H::changeAdvancedNoiseControl).informs(kNoiseControlInfo),
    on_off(AdvancedNoiseControl, kAdvancedNoiseControlIds, K::AdvancedNoiseControl, Inverted, kE0).acts(H::changeAdvancedNoiseControl).informs(kNoiseControlInfo),
    on_off(AdvancedNoiseControl, kBriskoIds, K::BriskoAdvancedNoiseControl, Direct, kE0).acts(H::changeAdvancedNoiseControl).informs(kNoiseControlInfo),
    on_off(HighQualityA2DP, kVantorA2DPIds, K::VantorHighQulityA2DP, Direct, kE0).acts(H::changeBitpoolRate).informs(kA2dpInfo),
    on_off(HighQualityA2DP, kBitpoolRateIds, K::BitpoolRate, Direct, kE0).acts(H::changeBitpoolRate).informs(kA2dpInfo),
    on_off(HDSpeakerAccessory, kVantorHDSpeakerAccessoryIds, K::VantorHDSpeakerAccessory, Direct, kE0, kVantorHDSpeakerRules).acts(H::changeHDSpeakerAccessory, kRefresh).informs(kHdSpeakerInfo),
    on_off(HDSpeakerAccessory, kKelporHDSpeakerAccessoryIds, K::KelporHDSpeakerAccessory, Direct, kE0).acts(H::changeKelporHDSPeakerAccessory, kRefresh).informs(kHdSpeakerInfo),
    on_off(HDSpeakerAccessory, kHeadset4210, K::BriskoHDSpeakerAccessory, Direct, kE12).acts(H::changeHDSpeakerAccessory, kRefresh).informs(kHdSpeakerInfo),
    on_off(HDSpeakerAccessory, kHIDOneModuleHDSpeakerAccessoryIds, K::HIDOneModuleHDSpeakerAccessory, Direct, kE0, kHIDOneModuleHDSpeakerRules).acts(H::changeHDSpeakerAccessory, kRefresh).informs(kHdSpeakerInfo),
    on_off(MerrowMic, kEgranoMicAccessorySelectIds, K::EgranoMicAccessorySelect, Code8, kE0).acts(H::changeMicSelect).informs(kMicSelectInfo),
    on_off(WhiteLEDAlwaysOn, kBriskoLEDControlIds, K::BriskoLEDControl, Direct, kE0).acts(H::changeLEDControl).informs(kLedInfo),
    on_off(AutoOnOff, kAirohaSpeakerIds, K::AirohaAutoOnOff, Direct, kE0).acts(H::changeAutoOff).informs(kAutoOnOffInfo),
    on_off(AutoOnOff, kOrletIds, K::AutoOnOff, Direct, kE0).acts(H::changeAutoOnOff).informs(kAutoOnOffInfo),
    on_off(AutoOff, kAirohaAutoOffIds, K::AirohaAutoOff, Direct, kE0).acts(H::changeAutoOff).informs(kAutoOffInfo),
    on_off(AutoOff, kQccAutoOffIds, K::QccAutoOff, Direct, kE0).acts(H::changeAutoOff).informs(kAutoOffInfo),
    on_off(AutoOff, kGrennikProducts, K::AutoOff, Direct, kE0).acts(H::changeAutoOff).informs(kAutoOffInfo),
    on_off(AutomaticPowerOff, kAirohaPowerOffIds, K::AirohaAutoOff, Direct, kE0).acts(H::changeAutoOff).informs(kPowerOffInfo),
    on_off(SimpleMode, kGrennikProducts, K::SimpleUI, Direct, kE0).acts(H::changeSimpleUI).informs(kSimpleUIInfo),
    on_off(AdvancedFeatures, kUILayerIds, K::UILayer, Direct, kE0).acts(H::changeUILayer).informs(kUILayerInfo),
    on_off(SmartNaviSystem, kSmartNaviSystemIds, K::SmartNaviSystem, Direct, kE0).acts(H::changeSmartNaviSystem).informs(kSmartNaviInfo),
    on_off(SmartNaviSystem, kGrennikProducts, K::SmartNaviSystem2, Direct, kE0).acts(H::changeSmartNaviSystem2).informs(kSmartNaviInfo),
    on_off(AutoStartRecording, kAutoStartRecordingIds, K::AutoStartRecording, Inverted, kE0).acts(H::changeAutoStartRecording).informs(kAutoStartInfo),
    on_off(DateCaption, kWispenCamera, K::WispenCameraDateCaption, Direct, kE0).acts(H::changeDateCaption).informs(kDateCaptionInfo),
    on_off(SpeakerSoundRecording, kWispenCamera, K::WispenCameraSpeakerSoundRecording, Direct, kE0).acts(H::changeSpeakerSoundRecording, AfterChange::RecordingGetsSources).informs(kRecordingInfo),
    on_off(SpeakerSoundRecordingMusic, kWispenCamera, K::WispenCameraSpeakerSoundRecordingMusic, Direct, kE13).acts(H::changeSpeakerSoundRecordingMusic, AfterChange::LastSourceStopsRecording),
    on_off(SpeakerSoundRecordingFMRadio, kWispenCamera, K::WispenCameraSpeakerSoundRecordingFMRadio, Direct, kE13).acts(H::changeSpeakerSoundRecordingFMRadio, AfterChange::LastSourceStopsRecording),
    on_off(SpeakerSoundRecordingIntercom, kWispenCamera, K::WispenCameraSpeakerSoundRecordingIntercom, Direct, kE13).acts(H::changeSpeakerSoundRecordingIntercom, AfterChange::LastSourceStopsRecording),
    on_off(SpeakerSoundRecordingPhone, kWispenCamera, K::WispenCameraSpeakerSoundRecordingPhone, Direct, kE13).acts(H::changeSpeakerSoundRecordingPhone, AfterChange::LastSourceStopsRecording),
    on_off(AutoCameraSleep, kWispenCamera, K::WispenCameraAutoCameraSleep, Direct, kE0).acts(H::changeAutoCameraSleep).informs(kCameraSleepInfo),
    on_off(FMRadio, kOemHeadsetProducts, K::VARGOFMRadio, Direct, kE0).traced(RowTrace::RecognizedAndWorking).acts(H::changeFMRadioOnVargo).informs(kFmRadioInfo),
    on_off(SmartphoneConnection, kOemHeadsetProducts, K::VARGOSmartphoneConnet, Direct, kE0).traced(RowTrace::RecognizedAndWorking).acts(H::changePhoneOnVargo).informs(kPhoneInfo),
    on_off(RemoteUIRTT, kTresselRemoteUIPTTIds, K::TresselRemoteUIPTT, Inverted, kE0).acts(H::changeRemoteUIPTT),

};
// clang-format on

} // namespace

std::span<const KindVariant> on_off_variants() { return kVariants; }

} // namespace kivo::settings
