#pragma once
// What the settings page's Default takes from the device besides the factory values, by product:
// settings words carried over from the record as recognition read it, then settings forced to
// fixed values, each row in the order given. The headsets of group V carry word 3 whatever their
// firmware, then their own row. A product in no row gets nothing; a row's firmware threshold is a
// major.minor compare on the recognized record.

#include <array>
#include <cstdint>
#include <span>

#include "device/device_data.h"
#include "device/products/product_set.h"

namespace kivo {

// A setting Default forces: its setter and value. The speaker select takes the recognized record's
// select plus the value: the getter gives the stored code and the setter adds 8 back.
struct DefaultForced {
    void (KIVOBluetoothDeviceData::*setter)(int);
    int value = 0;
    bool addsRecognizedSpeakerSelect = false;
};

enum class DefaultGate : std::uint8_t {
    None, // every firmware
    From, // below the threshold the row does nothing at all
    WordChoice, // below the threshold the row carries its other words instead; the rest applies
};

struct DefaultRow {
    std::span<const int> products;
    // Carried first, whatever the firmware (group V's word 3).
    std::span<const int> carriedAlways;
    DefaultGate gate = DefaultGate::None;
    int major = 0;
    int minor = 0;
    // Carried where the row applies at or above the threshold, and without one.
    std::span<const int> carried;
    // WordChoice: carried below the threshold instead.
    std::span<const int> carriedBelow;
    std::span<const DefaultForced> forced;
};

namespace default_rule {

using D = KIVOBluetoothDeviceData;

inline constexpr int kWord1[] = {1};
inline constexpr int kWord2[] = {2};
inline constexpr int kWord3[] = {3};
inline constexpr int kWord4[] = {4};
inline constexpr int kWord5[] = {5};
inline constexpr int kWords0And1[] = {0, 1};
inline constexpr int kWords3And4[] = {3, 4};

// clang-format off
// ---- Group V: word 3, then the row --------------------------------------------------------------
inline constexpr std::array kV3128 = {0x3128};
inline constexpr DefaultForced kForcedV3128[] = {{&D::SetBasicSettingMossraMeshPublicChannel, 1}};
inline constexpr std::array kV3214 = {0x3214};
inline constexpr DefaultForced kForcedV3214[] = {{&D::SetBasicSettingVoiceAssistant, 1}, {&D::SetBasicSettingMeshReachOut, 1}};
inline constexpr std::array kVHdVoiceWord4 = {0x3211, 0x3215, 0x3217, 0x3260, 0x3900};
inline constexpr DefaultForced kForcedHdVoiceMesh[] = {
    {&D::SetBasicSettingHeronyxHDVoice, 1}, {&D::SetBasicSettingEgranoEqualizer, 0}, {&D::SetBasicSettingMeshReachOut, 1}};
inline constexpr std::array kVHdVoiceWord5 = {0x3148, 0x3154};
inline constexpr DefaultForced kForcedHdVoiceAll[] = {
    {&D::SetBasicSettingHeronyxHDVoice, 1}, {&D::SetBasicSettingEgranoEqualizer, 0}, {&D::SetBasicSettingVoiceAssistant, 1},
    {&D::SetBasicSettingVantorAudioBoost, 0}, {&D::SetBasicSettingMeshReachOut, 1}};
inline constexpr std::array kV321A = {0x321A};
inline constexpr DefaultForced kForcedV321A[] = {
    {&D::SetBasicSettingVoiceAssistant, 1}, {&D::SetBasicSettingVantorAudioBoost, 0}, {&D::SetBasicSettingMeshReachOut, 1},
    {&D::SetBasicSettingVantorAudioOverlayVolumeManagement, 0}, {&D::SetBasicSettingVantorAudioOverlaySensitivity, 3},
    {&D::SetBasicSettingEgranoSpeakerAccessorySelect, -8, true}};
inline constexpr std::array kVAssistantWord5 = {0x3212, 0x3216, 0x3219};
inline constexpr DefaultForced kForcedAssistant[] = {
    {&D::SetBasicSettingVoiceAssistant, 1}, {&D::SetBasicSettingVantorAudioBoost, 0}, {&D::SetBasicSettingMeshReachOut, 1}};
inline constexpr std::array kVWordChoice = {0x3132, 0x3134, 0x3210, 0x3218, 0x321C, 0x3232, 0x3233, 0x3264};
inline constexpr std::array kVHdVoiceMesh = {0x3156, 0x3170, 0x3213, 0x3240, 0x3310, 0x3320, 0x3330};
inline constexpr std::array kV321D = {0x321D};
inline constexpr DefaultForced kForcedV321D[] = {{&D::SetBasicSettingHeronyxHDVoice, 1}, {&D::SetBasicSettingEgranoEqualizer, 0}};
inline constexpr std::array kV3110 = {0x3110};
inline constexpr DefaultForced kForcedV3110[] = {{&D::SetBasicSettingVantorEqualizer, 0}, {&D::SetBasicSettingVantorMeshReachOut, 0}};
inline constexpr std::array kV3146 = {0x3146};
inline constexpr DefaultForced kForcedVantorHdSpeaker[] = {{&D::SetBasicSettingVantorHDSpeakerAccessory, 0}, {&D::SetBasicSettingVantorEqualizer, 0}};
inline constexpr std::array kVOem = {0x3142, 0x3143};
inline constexpr DefaultForced kForcedOem[] = {{&D::setVARGOFMRadio, 1}, {&D::setVARGOSmartphoneConnet, 1}};
inline constexpr std::array kVWordOnly = {0x3116, 0x3118, 0x3124, 0x3126, 0x3136, 0x3140, 0x3144, 0x3152, 0x3800};

// ---- The other rows -------------------------------------------------------------------------------
inline constexpr std::array kVoxPhoneWords0And1 = {0x4D06, 0x4D16, 0x4D76, 0x4D86};
inline constexpr DefaultForced kForcedVoxPhone[] = {
    {&D::SetBasicSettingVantorVOXPhone, 1}, {&D::SetBasicSettingEDR, 0}, {&D::SetBasicSettingVantorHighQulityA2DP, 1},
    {&D::SetBasicSettingVantorSidetone, 0}};
inline constexpr std::array k3223 = {0x3223};
inline constexpr std::array kVantorHdSpeakerFrom3 = {0x3112, 0x3114};
inline constexpr std::array kQccWord1 = {0x5552, 0x5553, 0x5630, 0x5632};
inline constexpr DefaultForced kForcedQcc[] = {{&D::SetBasicSettingQCCAudioEqualizer, 0}, {&D::SetBasicSettingHeronyxHDVoice, 0}};
inline constexpr std::array k6042 = {0x6042};
inline constexpr DefaultForced kForced6042[] = {
    {&D::SetBasicSettingQCCAudioEqualizer, 0}, {&D::SetBasicSettingQccAutoOff, 1}, {&D::SetBasicSettingJUNOVAVOXSensitivity, 3}};
inline constexpr std::array kGroupY = {
    0x3052, 0x3070, 0x3072, 0x3080, 0x3082, 0x3085, 0x321B, 0x3300, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360,
    0x3370, 0x3380, 0x3400, 0x3410, 0x3420, 0x3430, 0x3701, 0x4023, 0x5424, 0x5428, 0x5430, 0x5432, 0x5434, 0x5441,
    0x5442, 0x5444, 0x5445, 0x5451, 0x5534, 0x5538, 0x5570, 0x5580, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5597,
    0x6038, 0x6039, 0x6310, 0x6900, 0x6910};
inline constexpr DefaultForced kForcedYarlo[] = {{&D::SetBasicSettingYarloEqualizer, 0}};
inline constexpr std::array kYarloVox = {0x5440, 0x5443};
inline constexpr DefaultForced kForcedYarloVox[] = {{&D::SetBasicSettingYarloEqualizer, 0}, {&D::SetBasicSettingJUNOVAVOXSensitivity, 3}};
inline constexpr std::array kBackgroundVolume = {0x6461, 0x6481, 0x6491, 0x6620};
inline constexpr DefaultForced kForcedBackgroundVolume[] = {{&D::setBackgroundVolume, 4}};
inline constexpr std::array k5596 = {0x5596};
inline constexpr std::array k5595 = {0x5595};
inline constexpr std::array kWord1Only = {0x3150, 0x3161, 0x6320, 0x6330, 0x6335};
inline constexpr std::array k4210 = {0x4210};
inline constexpr std::array kAirohaAutoOnOff = {0x6821, 0x6825};
inline constexpr DefaultForced kForcedAirohaAutoOnOff[] = {{&D::SetBasicSettingAirohaAutoOnOff, 1}};
inline constexpr std::array k6806 = {0x6806};
inline constexpr DefaultForced kForced6806[] = {{&D::SetBasicSettingAirohaFMStation, 1}};
inline constexpr std::array k683A = {0x683A};
inline constexpr DefaultForced kForced683A[] = {
    {&D::SetBasicSettingAirohaVoicePrompt, 1}, {&D::SetBasicSettingAirohaVOXPhone, 1},
    {&D::SetBasicSettingAirohaIntercomAudioOverlaySensitivity, 2}, {&D::SetBasicSettingAirohaVoxSensitivity, 2},
    {&D::SetBasicSettingAirohaMeshReachOut, 0}, {&D::SetBasicSettingAirohaAutoOff, 0}};
inline constexpr std::array kAirohaAdaptiveLight = {0x6814, 0x6824, 0x6831};
inline constexpr DefaultForced kForcedAirohaAdaptiveLight[] = {{&D::SetBasicSettingAirohaAdaptiveLight, 1}};
inline constexpr std::array kGroupR = {
    0x6800, 0x6801, 0x6802, 0x6803, 0x6804, 0x6805, 0x6808, 0x6810, 0x6811, 0x6812, 0x6815, 0x6816, 0x6817, 0x6822,
    0x6828, 0x6838, 0x6839, 0x6840, 0x6A01, 0x6A02, 0x6A03, 0x6A04};
// clang-format on

} // namespace default_rule

// Group Y and group R, by name for the product catalogue.
inline constexpr const auto& kDefaultGroupYProducts = default_rule::kGroupY;
inline constexpr const auto& kDefaultGroupRProducts = default_rule::kGroupR;

// Default writes the developer trace of words 0 and 1 of the recognized record for these.
inline constexpr std::array kDefaultTraceProducts = {0x5595, 0x5596};

// clang-format off
inline constexpr DefaultRow kDefaultRows[] = {
    // Group V.
    {default_rule::kV3128, default_rule::kWord3, DefaultGate::None, 0, 0, {}, {}, default_rule::kForcedV3128},
    {default_rule::kV3214, default_rule::kWord3, DefaultGate::From, 2, 5, {}, {}, default_rule::kForcedV3214},
    {default_rule::kVHdVoiceWord4, default_rule::kWord3, DefaultGate::None, 0, 0, default_rule::kWord4, {}, default_rule::kForcedHdVoiceMesh},
    {default_rule::kVHdVoiceWord5, default_rule::kWord3, DefaultGate::None, 0, 0, default_rule::kWord5, {}, default_rule::kForcedHdVoiceAll},
    {default_rule::kV321A, default_rule::kWord3, DefaultGate::None, 0, 0, default_rule::kWord5, {}, default_rule::kForcedV321A},
    {default_rule::kVAssistantWord5, default_rule::kWord3, DefaultGate::None, 0, 0, default_rule::kWord5, {}, default_rule::kForcedAssistant},
    {default_rule::kVWordChoice, default_rule::kWord3, DefaultGate::WordChoice, 1, 1, default_rule::kWord5, default_rule::kWord4, default_rule::kForcedHdVoiceAll},
    {default_rule::kVHdVoiceMesh, default_rule::kWord3, DefaultGate::None, 0, 0, {}, {}, default_rule::kForcedHdVoiceMesh},
    {default_rule::kV321D, default_rule::kWord3, DefaultGate::None, 0, 0, {}, {}, default_rule::kForcedV321D},
    {default_rule::kV3110, default_rule::kWord3, DefaultGate::From, 3, 1, {}, {}, default_rule::kForcedV3110},
    {default_rule::kV3146, default_rule::kWord3, DefaultGate::None, 0, 0, {}, {}, default_rule::kForcedVantorHdSpeaker},
    {default_rule::kVOem, default_rule::kWord3, DefaultGate::None, 0, 0, {}, {}, default_rule::kForcedOem},
    {default_rule::kVWordOnly, default_rule::kWord3, DefaultGate::None, 0, 0, {}, {}, {}},
    // The others.
    {default_rule::kVoxPhoneWords0And1, {}, DefaultGate::None, 0, 0, default_rule::kWords0And1, {}, default_rule::kForcedVoxPhone},
    {default_rule::k3223, {}, DefaultGate::None, 0, 0, default_rule::kWords3And4, {}, default_rule::kForcedHdVoiceAll},
    {default_rule::kVantorHdSpeakerFrom3, {}, DefaultGate::From, 3, 0, default_rule::kWord3, {}, default_rule::kForcedVantorHdSpeaker},
    {default_rule::kQccWord1, {}, DefaultGate::None, 0, 0, default_rule::kWord1, {}, default_rule::kForcedQcc},
    {default_rule::k6042, {}, DefaultGate::None, 0, 0, default_rule::kWord1, {}, default_rule::kForced6042},
    {default_rule::kGroupY, {}, DefaultGate::None, 0, 0, default_rule::kWord1, {}, default_rule::kForcedYarlo},
    {default_rule::kYarloVox, {}, DefaultGate::None, 0, 0, default_rule::kWord1, {}, default_rule::kForcedYarloVox},
    {default_rule::kBackgroundVolume, {}, DefaultGate::None, 0, 0, default_rule::kWord1, {}, default_rule::kForcedBackgroundVolume},
    {default_rule::k5596, {}, DefaultGate::None, 0, 0, default_rule::kWord1, {}, default_rule::kForcedYarlo},
    {default_rule::k5595, {}, DefaultGate::None, 0, 0, default_rule::kWord2, {}, default_rule::kForcedYarlo},
    {default_rule::kWord1Only, {}, DefaultGate::None, 0, 0, default_rule::kWord1, {}, {}},
    {default_rule::k4210, {}, DefaultGate::None, 0, 0, default_rule::kWord4, {}, {}},
    {default_rule::kAirohaAutoOnOff, {}, DefaultGate::None, 0, 0, default_rule::kWord2, {}, default_rule::kForcedAirohaAutoOnOff},
    {default_rule::k6806, {}, DefaultGate::None, 0, 0, default_rule::kWord2, {}, default_rule::kForced6806},
    {default_rule::k683A, {}, DefaultGate::None, 0, 0, default_rule::kWord2, {}, default_rule::kForced683A},
    {default_rule::kAirohaAdaptiveLight, {}, DefaultGate::None, 0, 0, default_rule::kWord2, {}, default_rule::kForcedAirohaAdaptiveLight},
    {default_rule::kGroupR, {}, DefaultGate::None, 0, 0, default_rule::kWord2, {}, {}},
};
// clang-format on

// The row of the product, or none.
constexpr const DefaultRow* default_row(int product_id)
{
    for (const DefaultRow& row : kDefaultRows)
        if (product_in(row.products, product_id))
            return &row;
    return nullptr;
}

constexpr bool default_writes_trace(int product_id) { return product_in(kDefaultTraceProducts, product_id); }

} // namespace kivo
