#pragma once
// The products the setting change handlers single out besides the named families of
// settings_families.h: for each handler, which products reach which setter. The handlers'
// writer tables (settings/table/handlers.cpp) list them in their order.

#include <array>

#include "device/products/product_set.h"
#include "device/products/settings_families.h"

namespace kivo {

// clang-format off
// The OEM headsets keep their sidetone, overlay, FM guide and overlay sensitivity in Vantor words.
inline constexpr std::array kVantorWordOemIds = {0x3142, 0x3143};
inline constexpr std::array kYorbitIds = {0x3150, 0x3161};
// Intercom VOX in the Vantor word besides the Vantor family.
inline constexpr std::array kVantorIntercomVoxExtraIds = {0x4D76};
inline constexpr std::array kAirohaSidetoneIds = {0x6801, 0x6802, 0x6803, 0x6814, 0x6816, 0x6824, 0x6828, 0x6831, 0x6838, 0x6839, 0x6840, 0x6A01, 0x6A02, 0x6A03, 0x6A04};
inline constexpr std::array kBriskoLedControlIds = {0x4610};
inline constexpr std::array kAirohaAudioBoostIds = {0x6821, 0x6825};
// The HD speaker accessory, by family: the Brisko product, three Vantor models, two one-module
// headsets (which store audio boost inverted in their plain setting).
inline constexpr std::array kBriskoHdSpeakerIds = {0x4210};
inline constexpr std::array kVantorHdSpeakerIds = {0x3110, 0x3112, 0x3146};
inline constexpr std::array kOneModuleHdSpeakerIds = {0x5570, 0x5580};
inline constexpr std::array kQccWordHeadsetIds = {0x5630, 0x5632};
inline constexpr std::array kMossraMeshChannelIds = {0x3128};
inline constexpr std::array kTresselMeshChannelIds = {0x3161};
inline constexpr std::array kDuvaneSpeakerSelectIds = {0x3112};
inline constexpr std::array kAirohaFmStationIds = {0x6806};
inline constexpr std::array kAirohaAutoOnOffIds = {0x6821, 0x6825};
inline constexpr std::array kAirohaAutoOffIds = {0x6838, 0x683A};
inline constexpr std::array kQccAutoOffIds = {0x6042};
// Smart volume in the Tavel word: every product whose all-settings row reads it there and whose
// save writes that word.
inline constexpr std::array kTavelSmartVolumeIds = {0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5622, 0x5624};
inline constexpr std::array kJunovaVoxSensitivityIds = {0x3380, 0x3410, 0x3701, 0x5440, 0x5441, 0x5443, 0x5451, 0x6042};
// The Airoha models without the Airoha mesh reach-out switch.
inline constexpr std::array kAirohaWithoutMeshReachOutIds = {0x6805, 0x6808, 0x6811, 0x6817};
inline constexpr std::array kAirohaMeshReachOutIds = family_detail::without<18>(kAirohaIds, kAirohaWithoutMeshReachOutIds);
inline constexpr std::array kVantorMeshReachOutIds = {0x3110};
inline constexpr std::array kLarnexMeshReachOutIds = {0x3800};

// The Yarlo equalizer.
inline constexpr std::array kYarloEqualizerIds = {
    0x3052, 0x3072, 0x3082, 0x3085, 0x321B, 0x3300, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360, 0x3370, 0x3380,
    0x3400, 0x3410, 0x3420, 0x3430, 0x3701, 0x4023, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5534,
    0x5538, 0x5552, 0x5553, 0x5570, 0x5580, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x6038,
    0x6039, 0x6042, 0x6900, 0x6910};
static_assert(kYarloEqualizerIds.size() == 46);

// The unit (voice-prompt) language, by family.
inline constexpr std::array kVantorUnitLanguageIds = {
    0x3110, 0x3132, 0x3134, 0x3142, 0x3143, 0x3146, 0x3148, 0x3154, 0x3156, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214,
    0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x321D, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264,
    0x3900};
inline constexpr std::array kZaffreUnitLanguageIds = {0x3170};
inline constexpr std::array kKelporUnitLanguageIds = {0x3310, 0x3320, 0x3330};
inline constexpr std::array kVoskaUnitLanguageIds = {0x5552, 0x5553};
inline constexpr std::array kPellonUnitLanguageIds = {0x5596};
inline constexpr std::array kRuskanUnitLanguageIds = {0x5630, 0x5632};
inline constexpr std::array kUlmeckUnitLanguageIds = {0x6038, 0x6039};
inline constexpr std::array kYarloUnitLanguageIds = {
    0x3052, 0x3070, 0x3072, 0x3080, 0x3082, 0x3085, 0x321B, 0x3300, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360,
    0x3370, 0x3380, 0x3400, 0x3410, 0x3420, 0x3430, 0x3701, 0x4023, 0x4050, 0x5424, 0x5428, 0x5430, 0x5432, 0x5434,
    0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5534, 0x5538, 0x5564, 0x5590, 0x5591, 0x5592, 0x5593,
    0x5594, 0x5597, 0x6042, 0x6310, 0x6320, 0x6330, 0x6335, 0x6900, 0x6910};
// The two Airoha models with a unit-language setter of their own.
inline constexpr std::array kAirohaOwnUnitLanguageIds = {0x6808, 0x6811};
inline constexpr std::array kAirohaUnitLanguageIds = family_detail::without<27>(kAirohaWideIds, kAirohaOwnUnitLanguageIds);
inline constexpr std::array kQixaUnitLanguageIds = {0x6808};
// Its setter takes the language-pack type of the device as recognized.
inline constexpr std::array kKelpor8rUnitLanguageIds = {0x6811};
// clang-format on

} // namespace kivo
