// The choice kinds of the all-settings table: for each kind, per group of products, the setting
// its row reads, its items, how the value selects an item, and when the row may be changed.
// Within a kind every product stands under one variant, except the equalizers of three families,
// whose layout tells their variants apart.

#include <array>

#include "device/products/oem_headsets.h"
#include "device/products/second_settings_word.h"
#include "device/products/settings_families.h"
#include "settings/table/item_texts.h"
#include "settings/table/titles.h"
#include "settings/table/variant_data.h"

namespace kivo::settings {
namespace {

using enum TableKind;
using K = SettingKey;
using enum IndexRule;
using namespace variant_parts;
using namespace item_texts;

constexpr KindVariant choice(TableKind kind, std::span<const int> products, SettingKey getter, const ItemSource& items,
                             IndexRule index, const EnablingRule& rule = kAlways,
                             std::span<const RuleClause> clauses = {})
{
    KindVariant variant{kind, products, getter, &rule, clauses};
    variant.items = &items;
    variant.index = index;
    return variant;
}

// Item sources.
constexpr int kLowMediumHigh[] = {12, 15, 17};
constexpr int kLowHigh[] = {12, 17};
constexpr ItemSource kOneToFive{.kind = ItemKind::Texts, .texts = ItemList(kNumbers).first(5)};
constexpr ItemSource kOneToNine{.kind = ItemKind::Texts, .texts = ItemList(kNumbers).first(9)};
constexpr ItemSource kOneToTen{.kind = ItemKind::Texts, .texts = kNumbers};
constexpr ItemSource kLevels{.kind = ItemKind::Levels, .codes = kLowMediumHigh};
constexpr ItemSource kDisableThenLevels{.kind = ItemKind::Levels, .codes = kLowMediumHigh, .disableFirst = true};
constexpr ItemSource kDisableThenLowHigh{.kind = ItemKind::Levels, .codes = kLowHigh, .disableFirst = true};
constexpr ItemSource kAudioSourceItems{.kind = ItemKind::Texts, .texts = kAudioSources};
constexpr ItemSource kEssLightItems{.kind = ItemKind::Texts, .texts = kEssLightSet};
constexpr ItemSource kChannelNameItems{.kind = ItemKind::Texts, .texts = kChannelNames};
constexpr ItemSource kNumberedTitle{.kind = ItemKind::TitleNumbered, .count = 9};
constexpr ItemSource kPhotoModeItems{.kind = ItemKind::Texts, .texts = kPhotoModes};
constexpr ItemSource kVideoModeItems{.kind = ItemKind::Texts, .texts = kVideoModes, .lastItemFrom = version(1, 1)};
constexpr ItemSource kVideoResolutionItems{.kind = ItemKind::Texts, .texts = kVideoResolutions};
constexpr ItemSource kTimelapseItems{.kind = ItemKind::Texts, .texts = kTimelapseIntervals};
constexpr ItemSource kMinuteItems{.kind = ItemKind::Texts, .texts = kMinuteIntervals};
constexpr ItemSource kBriskoSpeakerItems{.kind = ItemKind::Texts, .texts = kBriskoSpeakers};
constexpr ItemSource kDuvaneSpeakerItems{.kind = ItemKind::Texts, .texts = kDuvaneSpeakerChoices};
constexpr ItemSource kEgranoSpeakerItems{.kind = ItemKind::Texts, .texts = kEgranoSpeakers};
constexpr ItemSource kHelmetItems{.kind = ItemKind::Texts, .texts = kHelmets, .lastItemFrom = version(1, 2)};
constexpr ItemSource kSetA{.kind = ItemKind::Texts, .texts = kEqualizerSetA};
constexpr ItemSource kSetB{.kind = ItemKind::Texts, .texts = kEqualizerSetB};
// Set B while the speaker select of the working copy names the speakers it is tuned for.
constexpr ItemSource kSetBWhileDuvane1{.kind = ItemKind::Texts,
                                       .texts = kEqualizerSetA,
                                       .switchTexts = kEqualizerSetB,
                                       .switchKey = K::DuvaneSpeakerAccessorySelect,
                                       .switchValue = 1};
constexpr ItemSource kSetBWhileEgrano1{.kind = ItemKind::Texts,
                                       .texts = kEqualizerSetA,
                                       .switchTexts = kEqualizerSetB,
                                       .switchKey = K::EgranoSpeakerAccessorySelect,
                                       .switchValue = 1};
constexpr ItemSource kSetBWhileEgrano9{.kind = ItemKind::Texts,
                                       .texts = kEqualizerSetA,
                                       .switchTexts = kEqualizerSetB,
                                       .switchKey = K::EgranoSpeakerAccessorySelect,
                                       .switchValue = 9};
// Voice-prompt languages, by the codes a list names.
constexpr int kL11Codes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr int kL3Codes[] = {0, 1, 2};
constexpr int kZaffreCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12};
constexpr int kPellonCodes[] = {0, 23};
constexpr int kQixaCodes[] = {0, 7};
constexpr int kGrennikCodes[] = {0, 3, 1, 4, 2, 5, 16, 22};
constexpr ItemSource kL11{.kind = ItemKind::Languages, .codes = kL11Codes};
constexpr ItemSource kL3{.kind = ItemKind::Languages, .codes = kL3Codes};
constexpr ItemSource kZaffreList{.kind = ItemKind::Languages, .codes = kZaffreCodes};
constexpr ItemSource kPellonList{.kind = ItemKind::Languages, .codes = kPellonCodes};
constexpr ItemSource kQixaList{.kind = ItemKind::Languages, .codes = kQixaCodes};
constexpr ItemSource kGrennikList{.kind = ItemKind::Languages, .codes = kGrennikCodes};
constexpr ItemSource kPackList{.kind = ItemKind::PackLanguages};
constexpr ItemSource kDialectList{.kind = ItemKind::Texts, .texts = kDialects};

// Rules.
constexpr EnablingRule kWhileBriskoMultitasking = only_while(K::BriskoAudioMultitasking, 1);
constexpr EnablingRule kWhileBriskoHDSpeaker = only_while(K::BriskoHDSpeakerAccessory, 1);
constexpr EnablingRule kWhileBriskoDuvaneSpeakers = only_while(K::BriskoDuvaneSpeakerAccessorySelect, 1);
constexpr EnablingRule kWhileVantorHDSpeaker = only_while(K::VantorHDSpeakerAccessory, 1);
constexpr EnablingRule kUnlessBasicSpeakers = disabled_while(K::DuvaneSpeakerAccessorySelect, 0);
constexpr EnablingRule kWhileHIDOneModuleHDSpeaker = only_while(K::HIDOneModuleHDSpeakerAccessory, 1);
constexpr EnablingRule kWhileKelporHDSpeaker = only_while(K::KelporHDSpeakerAccessory, 1);
constexpr EnablingRule kUnlessAudioOverlay = disabled_while(K::AudioOverlay, 1);
constexpr EnablingRule kUnlessInfo6Or7{"", RuleInput::InfoStatus, {}, {6, 7}, false, false};
// From 2.0.2.3, in the layouts of the device-information codes other than 1, the motion sensor's
// row is greyed by the codes 6 and 7.
constexpr RuleClause kMotionSensorRules[] = {{kHeadset4210, kFrom2_0_2_3, &kInfoNot1, -1, &kUnlessInfo6Or7}};
// 0x5416 below firmware 1.1 keeps the priority whatever the overlay.
constexpr RuleClause kAudioSourcePriorityRules[] = {{k5416, below(1, 1), nullptr, -1, &kAlways}};

// clang-format off
constexpr int kVantorOverlaySensitivityIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3132, 0x3134, 0x3136, 0x3140, 0x3146, 0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3900};
constexpr int kQccOverlaySensitivityIds[] = {0x5630, 0x5632, 0x6500, 0x6510};
constexpr int kAirohaOverlaySensitivityIds[] = {0x6800, 0x6805, 0x6806, 0x6808, 0x6810, 0x6811, 0x6812, 0x6817, 0x6821, 0x6825, 0x6838, 0x683A};
constexpr int kLarnexIds[] = {0x3800};
constexpr int kAirohaMeshVoxIds[] = {0x6804};
constexpr int kVantorVoxSensitivityIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3132, 0x3134, 0x3140, 0x3146, 0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x321D, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3900};
constexpr int kJunovaVoxSensitivityIds[] = {0x3380, 0x3410, 0x3701, 0x5440, 0x5441, 0x5443, 0x5451, 0x6042};
constexpr int kAirohaVoxSensitivityIds[] = {0x6800, 0x6805, 0x6806, 0x6808, 0x6810, 0x6811, 0x6812, 0x6814, 0x6817, 0x6821, 0x6824, 0x6825, 0x6828, 0x6831, 0x6838, 0x6839, 0x683A, 0x6840, 0x6A01, 0x6A02, 0x6A03, 0x6A04};
constexpr int kPintraNumberIds[] = {0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5520, 0x5526, 0x5720, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036, 0x6038, 0x6039, 0x6112, 0x6114};
constexpr int kPintraLevelIds[] = {0x5622, 0x5623, 0x5624, 0x6400};
constexpr int kVantorAgcIds[] = {0x3110, 0x3112, 0x3114, 0x3116, 0x3132, 0x3134, 0x3140, 0x3146, 0x3148, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321A, 0x321C, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3900};
constexpr int kTavelIds[] = {0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5622, 0x5624};
constexpr int kAudioSourcePriorityIds[] = {0x321B, 0x3300, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360, 0x3370, 0x3380, 0x3410, 0x3420, 0x3430, 0x3701, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5510, 0x5520, 0x5524, 0x5526, 0x5530, 0x5534, 0x5538, 0x5550, 0x5570, 0x5576, 0x5580, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x6042, 0x6112, 0x6210, 0x6400, 0x6900, 0x6910};
constexpr int kBackgroundVolumeIds[] = {0x6461, 0x6481, 0x6491, 0x6620};
constexpr int kEssIds[] = {0x6010, 0x6012, 0x6034};
constexpr int kTresselIds[] = {0x3161};
constexpr int kMossraIds[] = {0x3128};
constexpr int kLinkbayIds[] = {0x3500, 0x3540, 0x3560, 0x3570};
constexpr int kLinkbayMicrophoneIds[] = {0x3560, 0x3570};
constexpr int kEgranoSpeakerIds[] = {0x3132, 0x3134, 0x3210, 0x3211, 0x3212, 0x3214, 0x3216, 0x3217, 0x3218, 0x3219, 0x321C, 0x3223, 0x3900};
constexpr int kHelmet321A[] = {0x321A};
constexpr int kVantorEqualizerIds[] = {0x3110, 0x3112, 0x3146};
constexpr int kYarloEqualizerIds[] = {0x321B, 0x3300, 0x3340, 0x3341, 0x3342, 0x3343, 0x3400, 0x3410, 0x5442, 0x5444, 0x5445, 0x5534, 0x5538, 0x5552, 0x5553, 0x5590, 0x5591, 0x5593, 0x5595, 0x5596, 0x5597, 0x6042, 0x6900, 0x6910};
constexpr int kHidOneModuleEqualizerIds[] = {0x5570, 0x5580};
constexpr int kEgranoSetAIds[] = {0x3132, 0x3134, 0x3148, 0x3154, 0x3170, 0x3210, 0x3218, 0x321C, 0x321D, 0x3260, 0x3320, 0x3900};
constexpr int kEgranoSetBIds[] = {0x3156, 0x3213, 0x3232, 0x3233, 0x3240, 0x3264};
constexpr int kEgranoWithoutSpeakersRowIds[] = {0x3132, 0x3134, 0x3210, 0x3211, 0x3212, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219, 0x321C, 0x3900};
constexpr int kKelporEqualizerIds[] = {0x3310, 0x3330};
constexpr int kAirohaEqualizerIds[] = {0x6800, 0x6805, 0x6806, 0x6808, 0x6810, 0x6811, 0x6817, 0x6838, 0x683A};
constexpr int kVantorUnitLanguageIds[] = {0x3110, 0x3116, 0x3118, 0x3124, 0x3126, 0x3132, 0x3134, 0x3136, 0x3140, 0x3142, 0x3143, 0x3144, 0x3146, 0x3148, 0x3152, 0x3154, 0x3156, 0x3210, 0x3212, 0x3213, 0x3216, 0x3218, 0x3219, 0x321C, 0x3223, 0x3240, 0x3800, 0x3900};
constexpr int kYorbitIds[] = {0x3150, 0x3161};
constexpr int kZaffreIds[] = {0x3170};
constexpr int kYarloUnitLanguageIds[] = {0x3070, 0x3080, 0x3300, 0x4050, 0x5424, 0x5428, 0x5430, 0x5432, 0x5434, 0x5564, 0x6310, 0x6320, 0x6330, 0x6335};
constexpr int kYarloPackIds[] = {0x3340, 0x3341, 0x3342, 0x3343, 0x3420, 0x3430};
constexpr int kKelporUnitLanguageIds[] = {0x3310, 0x3320, 0x3330};
constexpr int kVantorHeadsetLanguageIds[] = {0x3211, 0x3214, 0x3215, 0x3217, 0x321A, 0x321D, 0x3232, 0x3233, 0x3260, 0x3264};
constexpr int kYarloHeadsetLanguageIds[] = {0x3085, 0x321B, 0x3350, 0x3360, 0x3370, 0x3380, 0x3400, 0x3410, 0x4023, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5534, 0x5538, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5597, 0x6042, 0x6900, 0x6910};
constexpr int kVoskaIds[] = {0x5552, 0x5553};
constexpr int kPellonIds[] = {0x5596};
constexpr int kAirohaLanguageIds[] = {0x6800, 0x6801, 0x6802, 0x6803, 0x6804, 0x6805, 0x6806, 0x6810, 0x6812, 0x6815, 0x6816, 0x6817, 0x6821, 0x6822, 0x6825, 0x6838, 0x6840};
constexpr int kAirohaThreeLanguageIds[] = {0x6814, 0x6824, 0x6828, 0x6831, 0x6839, 0x6A01, 0x6A02, 0x6A03, 0x6A04};
constexpr int kDialectIds[] = {0x683A};
constexpr int kQixaIds[] = {0x6808};
constexpr int kKelpor8RIds[] = {0x6811};

// What follows a change.
using H = HandlerId;

// Information: the texts and the box sizes, by family and, for the equalizer and the boost, by the
// speaker select of the working copy at the moment of the press.
using I = InfoText;
constexpr const Translated* kMultitaskingName[] = {&titles::kAudioMultitasking};
constexpr int k6808[] = {0x6808};
constexpr InfoClause kOverlaySensitivityClauses[] = {
    {.products = kBriskoIds, .shows = {I::IntercomAudioOverlaySesitivity, 4, kMultitaskingName}},
    {.products = k6808, .shows = {I::IntercomAudioOverlaySesitivityNoFMGPS, 4}},
};
constexpr InfoEntry kOverlaySensitivityInfo{{I::IntercomAudioOverlaySesitivityVantor, 4}, kOverlaySensitivityClauses};
constexpr InfoEntry kMeshVoxInfo{{I::VoxSensitivityBRUMELOX, 3}};
constexpr InfoEntry kMicrophoneInfo{{I::MicrophoneSensitivityVargo, 4}};
constexpr int kOrletVoxIds[] = {0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036, 0x6038, 0x6039};
constexpr int kCorvelVoxIds[] = {0x6500, 0x6510, 0x6800, 0x6805, 0x6806, 0x6808, 0x6810, 0x6811, 0x6812, 0x6817, 0x6821, 0x6825, 0x6838, 0x6839, 0x683A, 0x6840};
constexpr InfoClause kVoxSensitivityClauses[] = {
    {.products = kOrletVoxIds, .shows = {I::VOXSensitivityForOrlet, 2}},
    {.products = kCorvelVoxIds, .shows = {I::VOXSensitivityCorvel, 2}},
    {.products = kPintraLevelIds, .shows = {I::VOXSensitivityForValdrich, 2}},
};
constexpr InfoEntry kVoxSensitivityInfo{{I::VOXSensitivity, 2}, kVoxSensitivityClauses};
constexpr InfoEntry kSmartVolumeInfo{{I::SmartVolumeControl, 2}};
constexpr InfoEntry kMotionSensorInfo{{I::MotionSensorSensitivity, 2}};
constexpr InfoEntry kSourcePriorityInfo{{I::AudioSourcePriority, 4}};
constexpr InfoEntry kBackgroundVolumeInfo{{I::BackgroundVolume, 2}};
constexpr InfoEntry kEssStatusInfo{{I::ESSStatus, 2}};
constexpr InfoEntry kEssSensitivityInfo{{I::ESSSensitivity, 2}};
// The settings page's text of the mesh module's public channel.
constexpr InfoEntry kChannelSelectInfo{{I::MeshPublicChannel, 2}};
constexpr InfoEntry kChannelSettingInfo{{I::ChannelSetting, 2}};
constexpr InfoEntry kPhotoModeInfo{{I::PhotoMode, 2}};
// Below firmware 2.0 the shorter text of two modes.
constexpr InfoClause kVideoModeClauses[] = {{.firmware = below(2, 0), .shows = {I::VideoMode, 2}}};
constexpr InfoEntry kVideoModeInfo{{I::VideoMode, 4}, kVideoModeClauses};
constexpr InfoEntry kVideoResolutionInfo{{I::VideoResolution, 2}};
constexpr InfoEntry kTimelapseInfo{{I::TimelapseInterval, 2}};
constexpr InfoEntry kTaggingInfo{{I::VideoTaggingInterval, 2}};
constexpr InfoEntry kLoopInfo{{I::LoopRecordingInterval, 2}};
constexpr InfoEntry kVideoGainInfo{{I::VideoMicrophoneGain, 2}};
constexpr InfoEntry kSpeakersInfo{{I::HDSpeakerAccessorySelect, 2}};
constexpr InfoEntry kHelmetInfo{{I::HelmetSelect, 2}};
// The equalizer's text names the partner speakers while they are selected: the select value that
// names them depends on the speaker code. Six headsets show the plain text in the smaller box
// below firmware 1.1, whatever the select.
constexpr int k3215[] = {0x3215};
constexpr int k3223[] = {0x3223};
constexpr int kEqualizerBySpeakerIds[] = {0x3132, 0x3134, 0x3210, 0x3211, 0x3212, 0x3214, 0x3216, 0x3217, 0x3218, 0x3219, 0x321C, 0x3900};
constexpr int kEqualizerMerrowIds[] = {0x321A, 0x3232, 0x3233, 0x3264};
constexpr int kEqualizerQuarnIds[] = {0x3156, 0x3213, 0x3240};
constexpr int kEqualizerTallIds[] = {0x3112, 0x3211, 0x3212, 0x3214, 0x3215, 0x3216, 0x3217, 0x3219, 0x3223};
constexpr int kEqualizerTallFrom1_1Ids[] = {0x3132, 0x3134, 0x3210, 0x3218, 0x321C, 0x3900};
constexpr InfoShown kEqualizerMerrow{I::AudioEqualizerMerrow, 6};
constexpr InfoClause kEqualizerClauses[] = {
    {.products = kEqualizerTallFrom1_1Ids, .firmware = below(1, 1), .shows = {I::AudioEqualizer, 4}},
    {.products = k3112, .firmware = from(3, 3), .select = SelectTest{K::DuvaneSpeakerAccessorySelect, 1}, .shows = kEqualizerMerrow},
    {.products = k3215, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 1}, .shows = kEqualizerMerrow},
    {.products = k3223, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 9}, .shows = kEqualizerMerrow},
    {.products = kEqualizerBySpeakerIds, .flags = &kSpeaker0To7, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 1}, .shows = kEqualizerMerrow},
    {.products = kEqualizerBySpeakerIds, .flags = &kSpeakerOther, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 9}, .shows = kEqualizerMerrow},
    {.products = kEqualizerMerrowIds, .shows = kEqualizerMerrow},
    {.products = kHeadset4210, .firmware = from(2, 5), .shows = kEqualizerMerrow},
    {.products = kEqualizerQuarnIds, .shows = {I::AudioEqualizerQuarn, 6}},
    {.products = kEqualizerTallIds, .shows = {I::AudioEqualizer, 6}},
    {.products = kEqualizerTallFrom1_1Ids, .shows = {I::AudioEqualizer, 6}},
};
constexpr InfoEntry kEqualizerInfo{{I::AudioEqualizer, 4}, kEqualizerClauses};
constexpr int kHeadsetUnitLanguageIds[] = {0x3148, 0x3154, 0x3161, 0x3170};
constexpr int kEarlyHeadsetUnitLanguageIds[] = {0x3132, 0x3134, 0x3210, 0x3218, 0x321C, 0x3900};
constexpr InfoClause kUnitLanguageClauses[] = {
    {.products = kHeadsetUnitLanguageIds, .shows = {I::HeadsetUnitLanguage, 2}},
    {.products = kEarlyHeadsetUnitLanguageIds, .firmware = below(1, 1), .shows = {I::HeadsetUnitLanguage, 2}},
};
constexpr InfoEntry kUnitLanguageInfo{{I::UnitLanguage, 2}, kUnitLanguageClauses};
constexpr int kTallHeadsetLanguageIds[] = {0x5440, 0x5443};
constexpr int kUnitHeadsetLanguageIds[] = {0x3211, 0x3215, 0x321D, 0x3260, 0x6800, 0x6801, 0x6802, 0x6803, 0x6804, 0x6805, 0x6806, 0x6808, 0x6810, 0x6811, 0x6812, 0x6814, 0x6815, 0x6816, 0x6817, 0x6821, 0x6822, 0x6824, 0x6825, 0x6831, 0x6838, 0x6839, 0x683A, 0x6840};
constexpr int kSpeakerHeadsetLanguageIds[] = {0x3214, 0x3217};
constexpr InfoClause kHeadsetLanguageClauses[] = {
    {.products = kTallHeadsetLanguageIds, .shows = {I::HeadsetLanguage, 4}},
    {.products = kUnitHeadsetLanguageIds, .shows = {I::HeadsetUnitLanguage, 2}},
    {.products = kSpeakerHeadsetLanguageIds, .flags = &kSpeaker0To7, .shows = {I::HeadsetUnitLanguage, 2}},
    {.products = kSpeakerHeadsetLanguageIds, .shows = {I::UnitLanguage, 2}},
};
constexpr InfoEntry kHeadsetLanguageInfo{{I::HeadsetLanguage, 2}, kHeadsetLanguageClauses};
constexpr InfoEntry kLanguageInfo{{I::UnitLanguageTobrin, 2}};
// The mesh accessory's three port rows have none.

constexpr KindVariant kVariants[] = {
    // Sensitivities and levels.
    choice(IntercomAudioOverlaySensitivity, kBriskoIds, K::BriskoAudioMultitaskingSensitivity, kOneToTen, ReversedTen, kWhileBriskoMultitasking).acts(H::changeAudioMultitaskingSensitivity).informs(kOverlaySensitivityInfo),
    choice(IntercomAudioOverlaySensitivity, kVantorOverlaySensitivityIds, K::VantorAudioOverlaySensitivity, kOneToFive, OneBased).acts(H::changeAudioMultitaskingSensitivity).informs(kOverlaySensitivityInfo),
    choice(IntercomAudioOverlaySensitivity, kQccOverlaySensitivityIds, K::QCCAudioOverlaySensitivity, kOneToFive, OneBased).acts(H::changeAudioMultitaskingSensitivity).informs(kOverlaySensitivityInfo),
    choice(IntercomAudioOverlaySensitivity, kAirohaOverlaySensitivityIds, K::AirohaIntercomAudioOverlaySensitivity, kOneToFive, Direct).acts(H::changeAudioMultitaskingSensitivity).informs(kOverlaySensitivityInfo),
    choice(MeshIntercomVoxSensitivity, kLarnexIds, K::VantorAudioOverlaySensitivity, kOneToFive, OneBased).acts(H::changeAudioMultitaskingSensitivity).informs(kMeshVoxInfo),
    choice(MeshIntercomVoxSensitivity, kAirohaMeshVoxIds, K::AirohaIntercomAudioOverlaySensitivity, kOneToFive, Direct).acts(H::changeAudioMultitaskingSensitivity).informs(kMeshVoxInfo),
    choice(MicrophoneSensitivity, kOemHeadsetProducts, K::VantorAudioOverlaySensitivity, kOneToFive, OneBased).acts(H::changeAudioMultitaskingSensitivity).informs(kMicrophoneInfo),
    choice(VOXSensitivity, kVantorVoxSensitivityIds, K::VantorVoxSensitivity, kOneToFive, OneBased).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(VOXSensitivity, kQccIds, K::QCCVOXSensitivity, kOneToFive, OneBased).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(VOXSensitivity, kJunovaVoxSensitivityIds, K::JUNOVAVOXSensitivity, kOneToFive, OneBased).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(VOXSensitivity, kAirohaVoxSensitivityIds, K::AirohaVoxSensitivity, kOneToFive, Direct).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(VOXSensitivity, kPintraNumberIds, K::PintraVOXSensitivity, kOneToFive, OneBased).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(VOXSensitivity, kPintraLevelIds, K::PintraVOXSensitivity, kLevels, OneBased).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(SmartVolumeControl, kBriskoIds, K::BriskoSmartVolumeControl, kDisableThenLevels, Direct).acts(H::changeSmartVolumeControl).informs(kSmartVolumeInfo),
    choice(SmartVolumeControl, kVantorAgcIds, K::VantorAGCSensitivity, kDisableThenLevels, Direct).acts(H::changeAGCSensitivity).informs(kSmartVolumeInfo),
    choice(SmartVolumeControl, kTavelIds, K::TavelSmartVolumeControl, kDisableThenLevels, Direct).acts(H::changeSmartVolumeControl).informs(kSmartVolumeInfo),
    choice(MotionSensorSensitivity, kHeadset4210, K::BriskoMotionSensorSensitivity, kDisableThenLowHigh, OneBased, kAlways, kMotionSensorRules).acts(H::changeMotionSensorSensitivity).informs(kMotionSensorInfo),
    choice(AudioSourcePriority, kAudioSourcePriorityIds, K::AudioSourcePriority, kAudioSourceItems, Direct, kUnlessAudioOverlay, kAudioSourcePriorityRules).acts(H::changeAudioSourcePriority).informs(kSourcePriorityInfo),
    choice(BackgroundVolume, kBackgroundVolumeIds, K::BackgroundVolume, kOneToTen, Direct).acts(H::changeBackgroundVolume).informs(kBackgroundVolumeInfo),
    choice(ESSConfiguration, kEssIds, K::EssStatus, kEssLightItems, EssStatus).acts(H::changeESSStatus).informs(kEssStatusInfo),
    choice(ESSSensitivity, kEssIds, K::EssSensitivity, kLevels, EssLevel).acts(H::changeESSSensitivity).informs(kEssSensitivityInfo),

    // Channels and the mesh accessory's ports.
    choice(ChannelSelect, kTresselIds, K::TresselMeshPublicChannel, kOneToNine, Direct).acts(H::changeMeshPublicChannel).informs(kChannelSelectInfo),
    choice(ChannelSetting, kMossraIds, K::MossraMeshPublicChannel, kChannelNameItems, OneBased).acts(H::changeMeshPublicChannel).informs(kChannelSettingInfo),
    choice(Channel, kLinkbayIds, K::LinkbayChannel, kNumberedTitle, OneBased).acts(H::changeChannel),
    choice(Volume, kLinkbayIds, K::LinkbayVolume, kOneToFive, SpeakerEight).acts(H::changeVolume),
    choice(LinkbayMicrophoneSensitivity, kLinkbayMicrophoneIds, K::LinkbayMicrophone, kOneToFive, SpeakerEight).acts(H::changeMicrophone),

    // Camera.
    choice(PhotoMode, kWispenCamera, K::WispenCameraPhotoMode, kPhotoModeItems, Direct).acts(H::changePhotoMode).informs(kPhotoModeInfo),
    choice(VideoMode, kWispenCamera, K::WispenCameraVideoMode, kVideoModeItems, Direct).acts(H::changeVideoMode).informs(kVideoModeInfo),
    choice(VideoResolution, kWispenCamera, K::WispenCameraVideoResolution, kVideoResolutionItems, Direct).acts(H::changeVideoResolution).informs(kVideoResolutionInfo),
    choice(TimelapseInterval, kWispenCamera, K::WispenCameraTimelapseInterval, kTimelapseItems, Direct).acts(H::changeTimelapseInterval).informs(kTimelapseInfo),
    choice(VideoTaggingInterval, kWispenCamera, K::WispenCameraVideoTaggingInterval, kMinuteItems, Direct).acts(H::changeVideoTaggingInterval).informs(kTaggingInfo),
    choice(LoopRecordingInterval, kWispenCamera, K::WispenCameraLoopRecordingInterval, kMinuteItems, Direct).acts(H::changeLoopRecordingInterval).informs(kLoopInfo),
    choice(VideoMicrophoneGain, kWispenCamera, K::WispenCameraVideoMicrophoneGain, kLevels, Direct).acts(H::changeVideoMicrophoneGain).informs(kVideoGainInfo),

    // Speakers, helmets and equalizers.
    choice(Speakers, kHeadset4210, K::BriskoDuvaneSpeakerAccessorySelect, kBriskoSpeakerItems, Direct).acts(H::changeSpeakerSelect, AfterChange::Refresh).informs(kSpeakersInfo),
    choice(Speakers, k3112, K::DuvaneSpeakerAccessorySelect, kDuvaneSpeakerItems, Direct).acts(H::changeSpeakerSelect, AfterChange::Refresh).informs(kSpeakersInfo),
    choice(Speakers, kEgranoSpeakerIds, K::EgranoSpeakerAccessorySelect, kEgranoSpeakerItems, SpeakerEight).acts(H::changeSpeakerSelect, AfterChange::Refresh).informs(kSpeakersInfo),
    choice(Helmet, kHelmet321A, K::EgranoSpeakerAccessorySelect, kHelmetItems, SpeakerEight).acts(H::changeSpeakerSelect).informs(kHelmetInfo),
    choice(AudioEqualizer, kHeadset4210, K::BriskoAudioEqualizer, kSetA, Direct, kWhileBriskoHDSpeaker).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kHeadset4210, K::BriskoAudioEqualizer, kSetB, Direct, kWhileBriskoDuvaneSpeakers)
        .qualified(LayoutQualifier::WithSpeakersRow).traced(RowTrace::Speaker, K::BriskoDuvaneSpeakerAccessorySelect).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kVantorEqualizerIds, K::VantorEqualizer, kSetA, Direct, kWhileVantorHDSpeaker).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, k3112, K::VantorEqualizer, kSetBWhileDuvane1, Direct, kUnlessBasicSpeakers)
        .qualified(LayoutQualifier::WithSpeakersRow).traced(RowTrace::SpeakerValue, K::DuvaneSpeakerAccessorySelect).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kYarloEqualizerIds, K::YarloEqualizer, kSetA, Direct).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kHidOneModuleEqualizerIds, K::YarloEqualizer, kSetA, Direct, kWhileHIDOneModuleHDSpeaker).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kEgranoSetAIds, K::EgranoEqualizer, kSetA, Direct).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kEgranoSetBIds, K::EgranoEqualizer, kSetB, Direct).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kHelmet321A, K::EgranoEqualizer, kSetB, Direct)
        .traced(RowTrace::SpeakerValueFrom1_2, K::EgranoSpeakerAccessorySelect).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kEgranoWithoutSpeakersRowIds, K::EgranoEqualizer, kSetBWhileEgrano1, Direct)
        .qualified(LayoutQualifier::WithoutSpeakersRow).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kEgranoSpeakerIds, K::EgranoEqualizer, kSetBWhileEgrano9, Direct)
        .qualified(LayoutQualifier::WithSpeakersRow).traced(RowTrace::SpeakerValue, K::EgranoSpeakerAccessorySelect).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kKelporEqualizerIds, K::EgranoEqualizer, kSetA, Direct, kWhileKelporHDSpeaker).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kQccIds, K::QCCAudioEqualizer, kSetA, Direct).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kAirohaEqualizerIds, K::AirohaAudioEqualizer, kSetA, Direct).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),

    // Voice-prompt languages: the value is the item's index.
    choice(UnitLanguage, kVantorUnitLanguageIds, K::VantorUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(UnitLanguage, kYorbitIds, K::YorbitUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(UnitLanguage, kZaffreIds, K::ZaffreUnitLanguage, kZaffreList, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(UnitLanguage, kYarloUnitLanguageIds, K::YarloUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(UnitLanguage, kYarloPackIds, K::YarloUnitLanguage, kPackList, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(UnitLanguage, kKelporUnitLanguageIds, K::KelporUnitLanguage, kPackList, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(HeadsetLanguage, kVantorHeadsetLanguageIds, K::VantorUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, kYarloHeadsetLanguageIds, K::YarloUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, kVoskaIds, K::VOSKAUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, kPellonIds, K::PellonUnitLanguage, kPellonList, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, kAirohaLanguageIds, K::AirohaUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, kAirohaThreeLanguageIds, K::AirohaUnitLanguage, kL3, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, kDialectIds, K::AirohaUnitLanguage, kDialectList, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, kQixaIds, K::AirohaQIXAUnitLanguage, kQixaList, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, kKelpor8RIds, K::AirohaUnitLanguageKELPOR8R, kPackList, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(Language, kGrennikProducts, K::GrennikLanguage, kGrennikList, Direct).traced(RowTrace::SelectedLanguage).acts(H::changeUnitLanguage).informs(kLanguageInfo),
};
// clang-format on

} // namespace

std::span<const KindVariant> choice_variants() { return kVariants; }

} // namespace kivo::settings
