// The choice kinds of the all-settings table: for each kind, per group of products, the setting
// its row reads, its items, how the value selects an item, and when the row may be changed.
// Within a kind every product stands under one variant, except the equalizers of three families,
// whose layout tells their variants apart.

#include <array>

#include "device/products/oem_headsets.h"
#include "device/products/second_settings_word.h"
#include "device/products/settings_families.h"
#include "device/products/table_rows.h"
#include "settings/table/item_texts.h"
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
constexpr RuleClause kMotionSensorRules[] = {
    {table_rows::kBriskoHeadset, kFrom2_0_2_3, &kInfoNot1, -1, &kUnlessInfo6Or7}};
// One headset keeps the priority whatever the overlay below firmware 1.1.
constexpr RuleClause kAudioSourcePriorityRules[] = {
    {table_rows::kNeverGreyedBelow1_1, below(1, 1), nullptr, -1, &kAlways}};

// clang-format off
// The handlers of the variants whose products reach another than their kind's (table_kind.cpp).
using H = HandlerId;

constexpr KindVariant kVariants[] = {
    // Sensitivities and levels.
    choice(IntercomAudioOverlaySensitivity, kBriskoIds, K::BriskoAudioMultitaskingSensitivity, kOneToTen, ReversedTen, kWhileBriskoMultitasking),
    choice(IntercomAudioOverlaySensitivity, table_rows::kVantorOverlaySensitivityIds, K::VantorAudioOverlaySensitivity, kOneToFive, OneBased),
    choice(IntercomAudioOverlaySensitivity, table_rows::kQccOverlaySensitivityIds, K::QCCAudioOverlaySensitivity, kOneToFive, OneBased),
    choice(IntercomAudioOverlaySensitivity, table_rows::kAirohaOverlaySensitivityIds, K::AirohaIntercomAudioOverlaySensitivity, kOneToFive, Direct),
    choice(MeshIntercomVoxSensitivity, table_rows::kLarnexIds, K::VantorAudioOverlaySensitivity, kOneToFive, OneBased),
    choice(MeshIntercomVoxSensitivity, table_rows::kAirohaMeshVoxIds, K::AirohaIntercomAudioOverlaySensitivity, kOneToFive, Direct),
    choice(MicrophoneSensitivity, kOemHeadsetProducts, K::VantorAudioOverlaySensitivity, kOneToFive, OneBased),
    choice(VOXSensitivity, table_rows::kVantorVoxSensitivityIds, K::VantorVoxSensitivity, kOneToFive, OneBased),
    choice(VOXSensitivity, kQccIds, K::QCCVOXSensitivity, kOneToFive, OneBased),
    choice(VOXSensitivity, table_rows::kJunovaVoxSensitivityIds, K::JUNOVAVOXSensitivity, kOneToFive, OneBased),
    choice(VOXSensitivity, table_rows::kAirohaVoxSensitivityIds, K::AirohaVoxSensitivity, kOneToFive, Direct),
    choice(VOXSensitivity, table_rows::kPintraNumberIds, K::PintraVOXSensitivity, kOneToFive, OneBased),
    choice(VOXSensitivity, table_rows::kPintraLevelIds, K::PintraVOXSensitivity, kLevels, OneBased),
    choice(SmartVolumeControl, kBriskoIds, K::BriskoSmartVolumeControl, kDisableThenLevels, Direct),
    choice(SmartVolumeControl, table_rows::kVantorAgcIds, K::VantorAGCSensitivity, kDisableThenLevels, Direct).acts(H::changeAGCSensitivity),
    choice(SmartVolumeControl, table_rows::kTavelIds, K::TavelSmartVolumeControl, kDisableThenLevels, Direct),
    choice(MotionSensorSensitivity, table_rows::kBriskoHeadset, K::BriskoMotionSensorSensitivity, kDisableThenLowHigh, OneBased, kAlways, kMotionSensorRules),
    choice(AudioSourcePriority, table_rows::kAudioSourcePriorityIds, K::AudioSourcePriority, kAudioSourceItems, Direct, kUnlessAudioOverlay, kAudioSourcePriorityRules),
    choice(BackgroundVolume, table_rows::kBackgroundVolumeIds, K::BackgroundVolume, kOneToTen, Direct),
    choice(ESSConfiguration, table_rows::kEssIds, K::EssStatus, kEssLightItems, EssStatus),
    choice(ESSSensitivity, table_rows::kEssIds, K::EssSensitivity, kLevels, EssLevel),

    // Channels and the mesh accessory's ports.
    choice(ChannelSelect, table_rows::kTresselIds, K::TresselMeshPublicChannel, kOneToNine, Direct),
    choice(ChannelSetting, table_rows::kMossraIds, K::MossraMeshPublicChannel, kChannelNameItems, OneBased),
    choice(Channel, table_rows::kLinkbayIds, K::LinkbayChannel, kNumberedTitle, OneBased),
    choice(Volume, table_rows::kLinkbayIds, K::LinkbayVolume, kOneToFive, SpeakerEight),
    choice(LinkbayMicrophoneSensitivity, table_rows::kLinkbayMicrophoneIds, K::LinkbayMicrophone, kOneToFive, SpeakerEight),

    // Camera.
    choice(PhotoMode, table_rows::kWispenCamera, K::WispenCameraPhotoMode, kPhotoModeItems, Direct),
    choice(VideoMode, table_rows::kWispenCamera, K::WispenCameraVideoMode, kVideoModeItems, Direct),
    choice(VideoResolution, table_rows::kWispenCamera, K::WispenCameraVideoResolution, kVideoResolutionItems, Direct),
    choice(TimelapseInterval, table_rows::kWispenCamera, K::WispenCameraTimelapseInterval, kTimelapseItems, Direct),
    choice(VideoTaggingInterval, table_rows::kWispenCamera, K::WispenCameraVideoTaggingInterval, kMinuteItems, Direct),
    choice(LoopRecordingInterval, table_rows::kWispenCamera, K::WispenCameraLoopRecordingInterval, kMinuteItems, Direct),
    choice(VideoMicrophoneGain, table_rows::kWispenCamera, K::WispenCameraVideoMicrophoneGain, kLevels, Direct),

    // Speakers, helmets and equalizers.
    choice(Speakers, table_rows::kBriskoHeadset, K::BriskoDuvaneSpeakerAccessorySelect, kBriskoSpeakerItems, Direct),
    choice(Speakers, table_rows::kDuvaneSpeakerHeadset, K::DuvaneSpeakerAccessorySelect, kDuvaneSpeakerItems, Direct),
    choice(Speakers, table_rows::kEgranoSpeakerIds, K::EgranoSpeakerAccessorySelect, kEgranoSpeakerItems, SpeakerEight),
    choice(Helmet, table_rows::kHelmetSelectHeadset, K::EgranoSpeakerAccessorySelect, kHelmetItems, SpeakerEight),
    choice(AudioEqualizer, table_rows::kBriskoHeadset, K::BriskoAudioEqualizer, kSetA, Direct, kWhileBriskoHDSpeaker),
    choice(AudioEqualizer, table_rows::kBriskoHeadset, K::BriskoAudioEqualizer, kSetB, Direct, kWhileBriskoDuvaneSpeakers)
        .qualified(LayoutQualifier::WithSpeakersRow).traced(RowTrace::Speaker, K::BriskoDuvaneSpeakerAccessorySelect),
    choice(AudioEqualizer, table_rows::kVantorEqualizerIds, K::VantorEqualizer, kSetA, Direct, kWhileVantorHDSpeaker),
    choice(AudioEqualizer, table_rows::kDuvaneSpeakerHeadset, K::VantorEqualizer, kSetBWhileDuvane1, Direct, kUnlessBasicSpeakers)
        .qualified(LayoutQualifier::WithSpeakersRow).traced(RowTrace::SpeakerValue, K::DuvaneSpeakerAccessorySelect),
    choice(AudioEqualizer, table_rows::kYarloEqualizerIds, K::YarloEqualizer, kSetA, Direct),
    choice(AudioEqualizer, table_rows::kHidOneModuleEqualizerIds, K::YarloEqualizer, kSetA, Direct, kWhileHIDOneModuleHDSpeaker),
    choice(AudioEqualizer, table_rows::kEgranoSetAIds, K::EgranoEqualizer, kSetA, Direct),
    choice(AudioEqualizer, table_rows::kEgranoSetBIds, K::EgranoEqualizer, kSetB, Direct),
    choice(AudioEqualizer, table_rows::kHelmetSelectHeadset, K::EgranoEqualizer, kSetB, Direct)
        .traced(RowTrace::SpeakerValueFrom1_2, K::EgranoSpeakerAccessorySelect),
    choice(AudioEqualizer, table_rows::kEgranoWithoutSpeakersRowIds, K::EgranoEqualizer, kSetBWhileEgrano1, Direct)
        .qualified(LayoutQualifier::WithoutSpeakersRow),
    choice(AudioEqualizer, table_rows::kEgranoSpeakerIds, K::EgranoEqualizer, kSetBWhileEgrano9, Direct)
        .qualified(LayoutQualifier::WithSpeakersRow).traced(RowTrace::SpeakerValue, K::EgranoSpeakerAccessorySelect),
    choice(AudioEqualizer, table_rows::kKelporEqualizerIds, K::EgranoEqualizer, kSetA, Direct, kWhileKelporHDSpeaker),
    choice(AudioEqualizer, kQccIds, K::QCCAudioEqualizer, kSetA, Direct),
    choice(AudioEqualizer, table_rows::kAirohaEqualizerIds, K::AirohaAudioEqualizer, kSetA, Direct),

    // Voice-prompt languages: the value is the item's index.
    choice(UnitLanguage, table_rows::kVantorUnitLanguageIds, K::VantorUnitLanguage, kL11, Direct),
    choice(UnitLanguage, table_rows::kYorbitIds, K::YorbitUnitLanguage, kL11, Direct),
    choice(UnitLanguage, table_rows::kZaffreIds, K::ZaffreUnitLanguage, kZaffreList, Direct),
    choice(UnitLanguage, table_rows::kYarloUnitLanguageIds, K::YarloUnitLanguage, kL11, Direct),
    choice(UnitLanguage, table_rows::kYarloPackIds, K::YarloUnitLanguage, kPackList, Direct),
    choice(UnitLanguage, table_rows::kKelporUnitLanguageIds, K::KelporUnitLanguage, kPackList, Direct),
    choice(HeadsetLanguage, table_rows::kVantorHeadsetLanguageIds, K::VantorUnitLanguage, kL11, Direct),
    choice(HeadsetLanguage, table_rows::kYarloHeadsetLanguageIds, K::YarloUnitLanguage, kL11, Direct),
    choice(HeadsetLanguage, table_rows::kVoskaIds, K::VOSKAUnitLanguage, kL11, Direct),
    choice(HeadsetLanguage, table_rows::kPellonIds, K::PellonUnitLanguage, kPellonList, Direct),
    choice(HeadsetLanguage, table_rows::kAirohaLanguageIds, K::AirohaUnitLanguage, kL11, Direct),
    choice(HeadsetLanguage, table_rows::kAirohaThreeLanguageIds, K::AirohaUnitLanguage, kL3, Direct),
    choice(HeadsetLanguage, table_rows::kDialectIds, K::AirohaUnitLanguage, kDialectList, Direct),
    choice(HeadsetLanguage, table_rows::kQixaIds, K::AirohaQIXAUnitLanguage, kQixaList, Direct),
    choice(HeadsetLanguage, table_rows::kKelpor8RIds, K::AirohaUnitLanguageKELPOR8R, kPackList, Direct),
    choice(Language, kGrennikProducts, K::GrennikLanguage, kGrennikList, Direct).traced(RowTrace::SelectedLanguage),
};
// clang-format on

} // namespace

std::span<const KindVariant> choice_variants() { return kVariants; }

} // namespace kivo::settings
