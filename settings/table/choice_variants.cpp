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
constexpr RuleClause kMotionSensorRules[] = {
    {table_rows::kBriskoHeadset, kFrom2_0_2_3, &kInfoNot1, -1, &kUnlessInfo6Or7}};
// One headset keeps the priority whatever the overlay below firmware 1.1.
constexpr RuleClause kAudioSourcePriorityRules[] = {
    {table_rows::kNeverGreyedBelow1_1, below(1, 1), nullptr, -1, &kAlways}};

// clang-format off
// What follows a change.
using H = HandlerId;

// Information: the texts and the box sizes, by family and, for the equalizer and the boost, by the
// speaker select of the working copy at the moment of the press.
using I = InfoText;
constexpr const Translated* kMultitaskingName[] = {&titles::kAudioMultitasking};
constexpr InfoClause kOverlaySensitivityClauses[] = {
    {.products = kBriskoIds, .shows = {I::IntercomAudioOverlaySesitivity, 4, kMultitaskingName}},
    {.products = table_rows::kNoFmGpsText, .shows = {I::IntercomAudioOverlaySesitivityNoFMGPS, 4}},
};
constexpr InfoEntry kOverlaySensitivityInfo{{I::IntercomAudioOverlaySesitivityVantor, 4}, kOverlaySensitivityClauses};
constexpr InfoEntry kMeshVoxInfo{{I::VoxSensitivityBRUMELOX, 3}};
constexpr InfoEntry kMicrophoneInfo{{I::MicrophoneSensitivityVargo, 4}};
constexpr InfoClause kVoxSensitivityClauses[] = {
    {.products = table_rows::kOrletVoxIds, .shows = {I::VOXSensitivityForOrlet, 2}},
    {.products = table_rows::kCorvelVoxIds, .shows = {I::VOXSensitivityCorvel, 2}},
    {.products = table_rows::kPintraLevelIds, .shows = {I::VOXSensitivityForValdrich, 2}},
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
constexpr InfoShown kEqualizerMerrow{I::AudioEqualizerMerrow, 6};
constexpr InfoClause kEqualizerClauses[] = {
    {.products = table_rows::kEqualizerTallFrom1_1Ids, .firmware = below(1, 1), .shows = {I::AudioEqualizer, 4}},
    {.products = table_rows::kDuvaneSpeakerHeadset, .firmware = from(3, 3), .select = SelectTest{K::DuvaneSpeakerAccessorySelect, 1}, .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerMerrowWithSelect1, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 1}, .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerMerrowWithSelect9, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 9}, .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerBySpeakerIds, .flags = &kSpeaker0To7, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 1}, .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerBySpeakerIds, .flags = &kSpeakerOther, .select = SelectTest{K::EgranoSpeakerAccessorySelect, 9}, .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerMerrowIds, .shows = kEqualizerMerrow},
    {.products = table_rows::kBriskoHeadset, .firmware = from(2, 5), .shows = kEqualizerMerrow},
    {.products = table_rows::kEqualizerQuarnIds, .shows = {I::AudioEqualizerQuarn, 6}},
    {.products = table_rows::kEqualizerTallIds, .shows = {I::AudioEqualizer, 6}},
    {.products = table_rows::kEqualizerTallFrom1_1Ids, .shows = {I::AudioEqualizer, 6}},
};
constexpr InfoEntry kEqualizerInfo{{I::AudioEqualizer, 4}, kEqualizerClauses};
constexpr InfoClause kUnitLanguageClauses[] = {
    {.products = table_rows::kHeadsetUnitLanguageIds, .shows = {I::HeadsetUnitLanguage, 2}},
    {.products = table_rows::kEarlyHeadsetUnitLanguageIds, .firmware = below(1, 1), .shows = {I::HeadsetUnitLanguage, 2}},
};
constexpr InfoEntry kUnitLanguageInfo{{I::UnitLanguage, 2}, kUnitLanguageClauses};
constexpr InfoClause kHeadsetLanguageClauses[] = {
    {.products = table_rows::kTallHeadsetLanguageIds, .shows = {I::HeadsetLanguage, 4}},
    {.products = table_rows::kUnitHeadsetLanguageIds, .shows = {I::HeadsetUnitLanguage, 2}},
    {.products = table_rows::kSpeakerHeadsetLanguageIds, .flags = &kSpeaker0To7, .shows = {I::HeadsetUnitLanguage, 2}},
    {.products = table_rows::kSpeakerHeadsetLanguageIds, .shows = {I::UnitLanguage, 2}},
};
constexpr InfoEntry kHeadsetLanguageInfo{{I::HeadsetLanguage, 2}, kHeadsetLanguageClauses};
constexpr InfoEntry kLanguageInfo{{I::UnitLanguageTobrin, 2}};
// The mesh accessory's three port rows have none.

constexpr KindVariant kVariants[] = {
    // Sensitivities and levels.
    choice(IntercomAudioOverlaySensitivity, kBriskoIds, K::BriskoAudioMultitaskingSensitivity, kOneToTen, ReversedTen, kWhileBriskoMultitasking).acts(H::changeAudioMultitaskingSensitivity).informs(kOverlaySensitivityInfo),
    choice(IntercomAudioOverlaySensitivity, table_rows::kVantorOverlaySensitivityIds, K::VantorAudioOverlaySensitivity, kOneToFive, OneBased).acts(H::changeAudioMultitaskingSensitivity).informs(kOverlaySensitivityInfo),
    choice(IntercomAudioOverlaySensitivity, table_rows::kQccOverlaySensitivityIds, K::QCCAudioOverlaySensitivity, kOneToFive, OneBased).acts(H::changeAudioMultitaskingSensitivity).informs(kOverlaySensitivityInfo),
    choice(IntercomAudioOverlaySensitivity, table_rows::kAirohaOverlaySensitivityIds, K::AirohaIntercomAudioOverlaySensitivity, kOneToFive, Direct).acts(H::changeAudioMultitaskingSensitivity).informs(kOverlaySensitivityInfo),
    choice(MeshIntercomVoxSensitivity, table_rows::kLarnexIds, K::VantorAudioOverlaySensitivity, kOneToFive, OneBased).acts(H::changeAudioMultitaskingSensitivity).informs(kMeshVoxInfo),
    choice(MeshIntercomVoxSensitivity, table_rows::kAirohaMeshVoxIds, K::AirohaIntercomAudioOverlaySensitivity, kOneToFive, Direct).acts(H::changeAudioMultitaskingSensitivity).informs(kMeshVoxInfo),
    choice(MicrophoneSensitivity, kOemHeadsetProducts, K::VantorAudioOverlaySensitivity, kOneToFive, OneBased).acts(H::changeAudioMultitaskingSensitivity).informs(kMicrophoneInfo),
    choice(VOXSensitivity, table_rows::kVantorVoxSensitivityIds, K::VantorVoxSensitivity, kOneToFive, OneBased).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(VOXSensitivity, kQccIds, K::QCCVOXSensitivity, kOneToFive, OneBased).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(VOXSensitivity, table_rows::kJunovaVoxSensitivityIds, K::JUNOVAVOXSensitivity, kOneToFive, OneBased).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(VOXSensitivity, table_rows::kAirohaVoxSensitivityIds, K::AirohaVoxSensitivity, kOneToFive, Direct).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(VOXSensitivity, table_rows::kPintraNumberIds, K::PintraVOXSensitivity, kOneToFive, OneBased).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(VOXSensitivity, table_rows::kPintraLevelIds, K::PintraVOXSensitivity, kLevels, OneBased).acts(H::changeVOXSensitivity).informs(kVoxSensitivityInfo),
    choice(SmartVolumeControl, kBriskoIds, K::BriskoSmartVolumeControl, kDisableThenLevels, Direct).acts(H::changeSmartVolumeControl).informs(kSmartVolumeInfo),
    choice(SmartVolumeControl, table_rows::kVantorAgcIds, K::VantorAGCSensitivity, kDisableThenLevels, Direct).acts(H::changeAGCSensitivity).informs(kSmartVolumeInfo),
    choice(SmartVolumeControl, table_rows::kTavelIds, K::TavelSmartVolumeControl, kDisableThenLevels, Direct).acts(H::changeSmartVolumeControl).informs(kSmartVolumeInfo),
    choice(MotionSensorSensitivity, table_rows::kBriskoHeadset, K::BriskoMotionSensorSensitivity, kDisableThenLowHigh, OneBased, kAlways, kMotionSensorRules).acts(H::changeMotionSensorSensitivity).informs(kMotionSensorInfo),
    choice(AudioSourcePriority, table_rows::kAudioSourcePriorityIds, K::AudioSourcePriority, kAudioSourceItems, Direct, kUnlessAudioOverlay, kAudioSourcePriorityRules).acts(H::changeAudioSourcePriority).informs(kSourcePriorityInfo),
    choice(BackgroundVolume, table_rows::kBackgroundVolumeIds, K::BackgroundVolume, kOneToTen, Direct).acts(H::changeBackgroundVolume).informs(kBackgroundVolumeInfo),
    choice(ESSConfiguration, table_rows::kEssIds, K::EssStatus, kEssLightItems, EssStatus).acts(H::changeESSStatus).informs(kEssStatusInfo),
    choice(ESSSensitivity, table_rows::kEssIds, K::EssSensitivity, kLevels, EssLevel).acts(H::changeESSSensitivity).informs(kEssSensitivityInfo),

    // Channels and the mesh accessory's ports.
    choice(ChannelSelect, table_rows::kTresselIds, K::TresselMeshPublicChannel, kOneToNine, Direct).acts(H::changeMeshPublicChannel).informs(kChannelSelectInfo),
    choice(ChannelSetting, table_rows::kMossraIds, K::MossraMeshPublicChannel, kChannelNameItems, OneBased).acts(H::changeMeshPublicChannel).informs(kChannelSettingInfo),
    choice(Channel, table_rows::kLinkbayIds, K::LinkbayChannel, kNumberedTitle, OneBased).acts(H::changeChannel),
    choice(Volume, table_rows::kLinkbayIds, K::LinkbayVolume, kOneToFive, SpeakerEight).acts(H::changeVolume),
    choice(LinkbayMicrophoneSensitivity, table_rows::kLinkbayMicrophoneIds, K::LinkbayMicrophone, kOneToFive, SpeakerEight).acts(H::changeMicrophone),

    // Camera.
    choice(PhotoMode, table_rows::kWispenCamera, K::WispenCameraPhotoMode, kPhotoModeItems, Direct).acts(H::changePhotoMode).informs(kPhotoModeInfo),
    choice(VideoMode, table_rows::kWispenCamera, K::WispenCameraVideoMode, kVideoModeItems, Direct).acts(H::changeVideoMode).informs(kVideoModeInfo),
    choice(VideoResolution, table_rows::kWispenCamera, K::WispenCameraVideoResolution, kVideoResolutionItems, Direct).acts(H::changeVideoResolution).informs(kVideoResolutionInfo),
    choice(TimelapseInterval, table_rows::kWispenCamera, K::WispenCameraTimelapseInterval, kTimelapseItems, Direct).acts(H::changeTimelapseInterval).informs(kTimelapseInfo),
    choice(VideoTaggingInterval, table_rows::kWispenCamera, K::WispenCameraVideoTaggingInterval, kMinuteItems, Direct).acts(H::changeVideoTaggingInterval).informs(kTaggingInfo),
    choice(LoopRecordingInterval, table_rows::kWispenCamera, K::WispenCameraLoopRecordingInterval, kMinuteItems, Direct).acts(H::changeLoopRecordingInterval).informs(kLoopInfo),
    choice(VideoMicrophoneGain, table_rows::kWispenCamera, K::WispenCameraVideoMicrophoneGain, kLevels, Direct).acts(H::changeVideoMicrophoneGain).informs(kVideoGainInfo),

    // Speakers, helmets and equalizers.
    choice(Speakers, table_rows::kBriskoHeadset, K::BriskoDuvaneSpeakerAccessorySelect, kBriskoSpeakerItems, Direct).acts(H::changeSpeakerSelect, AfterChange::Refresh).informs(kSpeakersInfo),
    choice(Speakers, table_rows::kDuvaneSpeakerHeadset, K::DuvaneSpeakerAccessorySelect, kDuvaneSpeakerItems, Direct).acts(H::changeSpeakerSelect, AfterChange::Refresh).informs(kSpeakersInfo),
    choice(Speakers, table_rows::kEgranoSpeakerIds, K::EgranoSpeakerAccessorySelect, kEgranoSpeakerItems, SpeakerEight).acts(H::changeSpeakerSelect, AfterChange::Refresh).informs(kSpeakersInfo),
    choice(Helmet, table_rows::kHelmetSelectHeadset, K::EgranoSpeakerAccessorySelect, kHelmetItems, SpeakerEight).acts(H::changeSpeakerSelect).informs(kHelmetInfo),
    choice(AudioEqualizer, table_rows::kBriskoHeadset, K::BriskoAudioEqualizer, kSetA, Direct, kWhileBriskoHDSpeaker).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kBriskoHeadset, K::BriskoAudioEqualizer, kSetB, Direct, kWhileBriskoDuvaneSpeakers)
        .qualified(LayoutQualifier::WithSpeakersRow).traced(RowTrace::Speaker, K::BriskoDuvaneSpeakerAccessorySelect).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kVantorEqualizerIds, K::VantorEqualizer, kSetA, Direct, kWhileVantorHDSpeaker).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kDuvaneSpeakerHeadset, K::VantorEqualizer, kSetBWhileDuvane1, Direct, kUnlessBasicSpeakers)
        .qualified(LayoutQualifier::WithSpeakersRow).traced(RowTrace::SpeakerValue, K::DuvaneSpeakerAccessorySelect).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kYarloEqualizerIds, K::YarloEqualizer, kSetA, Direct).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kHidOneModuleEqualizerIds, K::YarloEqualizer, kSetA, Direct, kWhileHIDOneModuleHDSpeaker).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kEgranoSetAIds, K::EgranoEqualizer, kSetA, Direct).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kEgranoSetBIds, K::EgranoEqualizer, kSetB, Direct).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kHelmetSelectHeadset, K::EgranoEqualizer, kSetB, Direct)
        .traced(RowTrace::SpeakerValueFrom1_2, K::EgranoSpeakerAccessorySelect).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kEgranoWithoutSpeakersRowIds, K::EgranoEqualizer, kSetBWhileEgrano1, Direct)
        .qualified(LayoutQualifier::WithoutSpeakersRow).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kEgranoSpeakerIds, K::EgranoEqualizer, kSetBWhileEgrano9, Direct)
        .qualified(LayoutQualifier::WithSpeakersRow).traced(RowTrace::SpeakerValue, K::EgranoSpeakerAccessorySelect).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kKelporEqualizerIds, K::EgranoEqualizer, kSetA, Direct, kWhileKelporHDSpeaker).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, kQccIds, K::QCCAudioEqualizer, kSetA, Direct).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),
    choice(AudioEqualizer, table_rows::kAirohaEqualizerIds, K::AirohaAudioEqualizer, kSetA, Direct).acts(H::changeAudioEqualizer).informs(kEqualizerInfo),

    // Voice-prompt languages: the value is the item's index.
    choice(UnitLanguage, table_rows::kVantorUnitLanguageIds, K::VantorUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(UnitLanguage, table_rows::kYorbitIds, K::YorbitUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(UnitLanguage, table_rows::kZaffreIds, K::ZaffreUnitLanguage, kZaffreList, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(UnitLanguage, table_rows::kYarloUnitLanguageIds, K::YarloUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(UnitLanguage, table_rows::kYarloPackIds, K::YarloUnitLanguage, kPackList, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(UnitLanguage, table_rows::kKelporUnitLanguageIds, K::KelporUnitLanguage, kPackList, Direct).acts(H::changeUnitLanguage).informs(kUnitLanguageInfo),
    choice(HeadsetLanguage, table_rows::kVantorHeadsetLanguageIds, K::VantorUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, table_rows::kYarloHeadsetLanguageIds, K::YarloUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, table_rows::kVoskaIds, K::VOSKAUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, table_rows::kPellonIds, K::PellonUnitLanguage, kPellonList, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, table_rows::kAirohaLanguageIds, K::AirohaUnitLanguage, kL11, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, table_rows::kAirohaThreeLanguageIds, K::AirohaUnitLanguage, kL3, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, table_rows::kDialectIds, K::AirohaUnitLanguage, kDialectList, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, table_rows::kQixaIds, K::AirohaQIXAUnitLanguage, kQixaList, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(HeadsetLanguage, table_rows::kKelpor8RIds, K::AirohaUnitLanguageKELPOR8R, kPackList, Direct).acts(H::changeUnitLanguage).informs(kHeadsetLanguageInfo),
    choice(Language, kGrennikProducts, K::GrennikLanguage, kGrennikList, Direct).traced(RowTrace::SelectedLanguage).acts(H::changeUnitLanguage).informs(kLanguageInfo),
};
// clang-format on

} // namespace

std::span<const KindVariant> choice_variants() { return kVariants; }

} // namespace kivo::settings
