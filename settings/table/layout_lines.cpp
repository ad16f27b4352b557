// The layout lines of the all-settings table: for a family of products, a firmware range and a
// condition on the four show/hide codes, how many rows the table shows and from which row list.
// The rows a line holds back (they follow its list and are never shown) are named beside it. A
// family's lines stand together, in the order they are tried.

#include <array>

#include "device/products/table_layouts.h"
#include "settings/table/layout_table.h"

namespace kivo::settings {
namespace {

using enum TableKind;
using enum FlagCode;

// The flag conditions the lines use, by what they decide.
constexpr FlagCondition kAnyFlags{"any", {}};

constexpr FlagAtom kFm4{Fm, 4, 4, false};
constexpr FlagAtom kFmNot4{Fm, 4, 4, true};
constexpr FlagAtom kFm3{Fm, 3, 3, false};
constexpr FlagAtom kFmNot3Or4{Fm, 3, 4, true};
constexpr FlagAtom kMotion5{Motion, 5, 5, false};
constexpr FlagAtom kMotion6{Motion, 6, 6, false};
constexpr FlagAtom kMotionNot6{Motion, 6, 6, true};
constexpr FlagAtom kMotionNot5Or6{Motion, 5, 6, true};
// Speaker types 0 to 7 hide the speaker-accessory rows; a type below 0 or above 7 shows them.
constexpr FlagAtom kSpeaker0To7{Speaker, 0, 7, false};
constexpr FlagAtom kSpeakerNot0To7{Speaker, 0, 7, true};
constexpr FlagAtom kInfo1{Info, 1, 1, false};
constexpr FlagAtom kInfoNot1{Info, 1, 1, true};

// The FM row is shown unless the FM code is 4.
constexpr FlagAtom kFmShownAtoms[] = {kFmNot4};
constexpr FlagAtom kFmHiddenAtoms[] = {kFm4};
constexpr FlagAtom kSpeakerShownAtoms[] = {kSpeakerNot0To7};
constexpr FlagAtom kSpeakerHiddenAtoms[] = {kSpeaker0To7};
constexpr FlagAtom kFmShownSpeakerShownAtoms[] = {kFmNot4, kSpeakerNot0To7};
constexpr FlagAtom kFmHiddenSpeakerShownAtoms[] = {kFm4, kSpeakerNot0To7};
constexpr FlagAtom kFmShownSpeakerHiddenAtoms[] = {kFmNot4, kSpeaker0To7};
constexpr FlagAtom kFmHiddenSpeakerHiddenAtoms[] = {kFm4, kSpeaker0To7};
constexpr FlagAtom kInfo1Atoms[] = {kInfo1};
constexpr FlagAtom kInfoNot1Atoms[] = {kInfoNot1};
// The headset with the HD speaker information: its FM and motion-sensor rows go by both codes.
constexpr FlagAtom kFmHiddenMotionShownAtoms[] = {kFm4, kMotionNot5Or6, kInfoNot1};
constexpr FlagAtom kFmShownMotion6Atoms[] = {kFmNot3Or4, kMotion6, kInfoNot1};
constexpr FlagAtom kFmShownMotionShownAtoms[] = {kFmNot4, kMotionNot6, kInfoNot1};
constexpr FlagAtom kFm3Motion6Atoms[] = {kFm3, kMotion6, kInfoNot1};
constexpr FlagAtom kFm4Motion5Atoms[] = {kFm4, kMotion5, kInfoNot1};
constexpr FlagAtom kFm4Motion6Atoms[] = {kFm4, kMotion6, kInfoNot1};

constexpr FlagTerm kFmShownTerms[] = {{kFmShownAtoms}};
constexpr FlagTerm kFmHiddenTerms[] = {{kFmHiddenAtoms}};
constexpr FlagTerm kSpeakerShownTerms[] = {{kSpeakerShownAtoms}};
constexpr FlagTerm kSpeakerHiddenTerms[] = {{kSpeakerHiddenAtoms}};
constexpr FlagTerm kFmShownSpeakerShownTerms[] = {{kFmShownSpeakerShownAtoms}};
constexpr FlagTerm kFmHiddenSpeakerShownTerms[] = {{kFmHiddenSpeakerShownAtoms}};
constexpr FlagTerm kFmShownSpeakerHiddenTerms[] = {{kFmShownSpeakerHiddenAtoms}};
constexpr FlagTerm kFmHiddenSpeakerHiddenTerms[] = {{kFmHiddenSpeakerHiddenAtoms}};
constexpr FlagTerm kInfo1Terms[] = {{kInfo1Atoms}};
constexpr FlagTerm kInfoNot1Terms[] = {{kInfoNot1Atoms}};
constexpr FlagTerm kFmAndMotionShownTerms[] = {
    {kFmHiddenMotionShownAtoms}, {kFmShownMotion6Atoms}, {kFmShownMotionShownAtoms}};
constexpr FlagTerm kMotionHiddenByFm3Terms[] = {{kFm3Motion6Atoms}};
constexpr FlagTerm kFmHiddenByMotion5Terms[] = {{kFm4Motion5Atoms}};
constexpr FlagTerm kFmAndMotionHiddenTerms[] = {{kFm4Motion6Atoms}};

constexpr FlagCondition kFmShown{"FM shown", kFmShownTerms};
constexpr FlagCondition kFmHidden{"FM hidden", kFmHiddenTerms};
constexpr FlagCondition kSpeakerRowsShown{"speaker rows shown", kSpeakerShownTerms};
constexpr FlagCondition kSpeakerRowsHidden{"speaker rows hidden", kSpeakerHiddenTerms};
constexpr FlagCondition kFmShownSpeakerRowsShown{"FM shown, speaker rows shown", kFmShownSpeakerShownTerms};
constexpr FlagCondition kFmHiddenSpeakerRowsShown{"FM hidden, speaker rows shown", kFmHiddenSpeakerShownTerms};
constexpr FlagCondition kFmShownSpeakerRowsHidden{"FM shown, speaker rows hidden", kFmShownSpeakerHiddenTerms};
constexpr FlagCondition kFmHiddenSpeakerRowsHidden{"FM hidden, speaker rows hidden", kFmHiddenSpeakerHiddenTerms};
constexpr FlagCondition kHdSpeakerInfo{"HD speaker information", kInfo1Terms};
constexpr FlagCondition kNoHdSpeakerInfo{"no HD speaker information", kInfoNot1Terms};
constexpr FlagCondition kFmAndMotionShown{"FM and motion shown", kFmAndMotionShownTerms};
constexpr FlagCondition kMotionHiddenByFm3{"motion hidden with FM 3", kMotionHiddenByFm3Terms};
constexpr FlagCondition kFmHiddenByMotion5{"FM hidden with motion 5", kFmHiddenByMotion5Terms};
constexpr FlagCondition kFmAndMotionHidden{"FM and motion hidden", kFmAndMotionHiddenTerms};

using namespace range_parts;

// The rows a line holds back.
constexpr TableKind kHeldMeshReachOut[] = {MeshReachOut};
constexpr TableKind kHeldAudioBoost[] = {AudioBoost};
constexpr TableKind kHeldMeshReachOutAudioBoost[] = {MeshReachOut, AudioBoost};
constexpr TableKind kHeldVoiceAssistantMeshReachOut[] = {VoiceAssistant, MeshReachOut};
constexpr TableKind kHeldVolumeLinkbayMicrophoneSensitivity[] = {Volume, LinkbayMicrophoneSensitivity};
constexpr TableKind kHeldLinkbayMicrophoneSensitivity[] = {LinkbayMicrophoneSensitivity};
constexpr TableKind kHeldAudioMultitasking[] = {AudioMultitasking};
constexpr TableKind kHeldVoicePromptVOXSensitivityMeshReachOut[] = {VoicePrompt, VOXSensitivity, MeshReachOut};
constexpr TableKind kHeldVOXSensitivityMeshReachOut[] = {VOXSensitivity, MeshReachOut};
constexpr TableKind kHeldHeadsetRows[] = {HeadsetLanguage, VOXPhone, VoicePrompt, VOXSensitivity, MeshReachOut};

// clang-format off
constexpr std::array<LayoutLine, 247> kLines = {{
    // products, firmware, flags, rows shown, row list (0: none), rows held back
    {table_layouts::kBriskoHub, kAnyFirmware, &kAnyFlags, 13, 1, {}},
    {table_layouts::kRimble, kAnyFirmware, &kAnyFlags, 3, 2, {}},
    {table_layouts::kRimbleDuo, kAnyFirmware, &kFmShown, 3, 2, {}},
    {table_layouts::kRimbleDuo, kAnyFirmware, &kFmHidden, 2, 3, {}},
    {table_layouts::kRimbleLite, below(version(1, 4)), &kFmShown, 3, 2, {}},
    {table_layouts::kRimbleLite, below(version(1, 4)), &kFmHidden, 2, 3, {}},
    {table_layouts::kRimbleLite, from(version(1, 4)), &kFmShown, 2, 160, {}},
    {table_layouts::kRimbleLite, from(version(1, 4)), &kFmHidden, 1, 4, {}},
    {table_layouts::kHalvernFennic, kAnyFirmware, &kFmShown, 4, 5, {}},
    {table_layouts::kHalvernFennic, kAnyFirmware, &kFmHidden, 3, 6, {}},
    {table_layouts::kHalvernFennicX, kAnyFirmware, &kAnyFlags, 3, 6, {}},
    {table_layouts::kHalvernFennicXS, kAnyFirmware, &kAnyFlags, 2, 7, {}},
    {table_layouts::kVantor, below(version(1, 1)), &kAnyFlags, 15, 8, {}},
    {table_layouts::kVantor, between(version(1, 1), version(2, 1)), &kAnyFlags, 16, 9, {}},
    {table_layouts::kVantor, between(version(2, 1), version(3, 0)), &kAnyFlags, 17, 10, {}},
    {table_layouts::kVantor, between(version(3, 0), version(3, 1)), &kAnyFlags, 16, 11, {}},
    {table_layouts::kVantor, between(version(3, 1), version(3, 4)), &kFmShown, 18, 12, {}},
    {table_layouts::kVantor, between(version(3, 1), version(3, 4)), &kFmHidden, 17, 13, {}},
    {table_layouts::kVantor, from(version(3, 4)), &kFmShown, 19, 14, {}},
    {table_layouts::kVantor, from(version(3, 4)), &kFmHidden, 18, 15, {}},
    {table_layouts::kVantorHD, below(version(1, 1)), &kAnyFlags, 15, 8, {}},
    {table_layouts::kVantorHD, between(version(1, 1), version(3, 0)), &kAnyFlags, 16, 9, {}},
    {table_layouts::kVantorHD, between(version(3, 0), version(3, 1)), &kAnyFlags, 15, 16, {}},
    {table_layouts::kVantorHD, between(version(3, 1), version(3, 3)), &kAnyFlags, 17, 17, {}},
    {table_layouts::kVantorHD, from(version(3, 3)), &kAnyFlags, 17, 18, {}},
    {table_layouts::kVantorDuo, below(version(1, 1)), &kAnyFlags, 15, 8, {}},
    {table_layouts::kVantorDuo, between(version(1, 1), version(3, 0)), &kAnyFlags, 16, 9, {}},
    {table_layouts::kVantorDuo, from(version(3, 0)), &kAnyFlags, 15, 16, {}},
    {table_layouts::kVantorS, below(version(2, 0)), &kAnyFlags, 17, 10, {}},
    {table_layouts::kVantorS, from(version(2, 0)), &kAnyFlags, 16, 11, {}},
    {table_layouts::kVantorSDuo, kAnyFirmware, &kAnyFlags, 10, 19, {}},
    {table_layouts::kVantorRally, kAnyFirmware, &kFmShown, 5, 20, {}},
    {table_layouts::kVantorRally, kAnyFirmware, &kFmHidden, 4, 21, {}},
    {table_layouts::kMossra, kAnyFirmware, &kFmShown, 5, 22, {}},
    {table_layouts::kMossra, kAnyFirmware, &kFmHidden, 4, 23, {}},
    {table_layouts::kMerrowEgranoM, below(version(1, 1)), &kAnyFlags, 15, 24, kHeldMeshReachOut},
    {table_layouts::kMerrowEgranoM, between(version(1, 1), version(1, 3)), &kSpeakerRowsShown, 19, 25, kHeldMeshReachOut},
    {table_layouts::kMerrowEgranoM, between(version(1, 1), version(1, 3)), &kSpeakerRowsHidden, 18, 26, kHeldAudioBoost},
    {table_layouts::kMerrowEgranoM, from(version(1, 3)), &kSpeakerRowsShown, 20, 27, {}},
    {table_layouts::kMerrowEgranoM, from(version(1, 3)), &kSpeakerRowsHidden, 19, 28, {}},
    {table_layouts::kEgrano, below(version(1, 1)), &kAnyFlags, 15, 24, kHeldMeshReachOut},
    {table_layouts::kEgrano, between(version(1, 1), version(2, 2)), &kSpeakerRowsShown, 19, 25, kHeldMeshReachOut},
    {table_layouts::kEgrano, between(version(1, 1), version(2, 2)), &kSpeakerRowsHidden, 18, 26, {}},
    {table_layouts::kEgrano, from(version(2, 2)), &kSpeakerRowsShown, 20, 27, {}},
    {table_layouts::kEgrano, from(version(2, 2)), &kSpeakerRowsHidden, 18, 26, {}},
    {table_layouts::kEgranoPrime, below(version(1, 1)), &kAnyFlags, 15, 24, kHeldMeshReachOut},
    {table_layouts::kEgranoPrime, from(version(1, 1)), &kSpeakerRowsShown, 19, 25, kHeldMeshReachOut},
    {table_layouts::kEgranoPrime, from(version(1, 1)), &kSpeakerRowsHidden, 18, 26, {}},
    {table_layouts::kKorvaneTrail, kAnyFirmware, &kAnyFlags, 6, 29, {}},
    {table_layouts::kKorvaneTrailDuo, kAnyFirmware, &kAnyFlags, 16, 11, {}},
    {table_layouts::kVARGOZeltra, kAnyFirmware, &kAnyFlags, 7, 30, {}},
    {table_layouts::kKorvanePeakDuo, kAnyFirmware, &kAnyFlags, 18, 12, {}},
    {table_layouts::kKorvaneSonic, kAnyFirmware, &kAnyFlags, 18, 26, {}},
    {table_layouts::kYorbit, kAnyFirmware, &kFmShown, 3, 31, {}},
    {table_layouts::kYorbit, kAnyFirmware, &kFmHidden, 2, 32, {}},
    {table_layouts::kYorbitDuo, kAnyFirmware, &kAnyFlags, 4, 21, {}},
    {table_layouts::kKorvaneLite, kAnyFirmware, &kAnyFlags, 15, 24, {}},
    {table_layouts::kTressel, kAnyFirmware, &kAnyFlags, 3, 33, {}},
    {table_layouts::kZaffre, below(version(1, 2)), &kAnyFlags, 15, 24, kHeldMeshReachOut},
    {table_layouts::kZaffre, from(version(1, 2)), &kAnyFlags, 16, 34, {}},
    {table_layouts::kEgranoDuo, below(version(1, 3)), &kFmShownSpeakerRowsShown, 17, 35, kHeldMeshReachOut},
    {table_layouts::kEgranoDuo, below(version(1, 3)), &kFmHiddenSpeakerRowsShown, 16, 36, kHeldMeshReachOut},
    {table_layouts::kEgranoDuo, below(version(1, 3)), &kFmShownSpeakerRowsHidden, 15, 37, kHeldMeshReachOutAudioBoost},
    {table_layouts::kEgranoDuo, below(version(1, 3)), &kFmHiddenSpeakerRowsHidden, 14, 38, kHeldMeshReachOutAudioBoost},
    {table_layouts::kEgranoDuo, between(version(1, 3), version(4, 3)), &kFmShownSpeakerRowsShown, 18, 39, {}},
    {table_layouts::kEgranoDuo, between(version(1, 3), version(4, 3)), &kFmHiddenSpeakerRowsShown, 17, 40, {}},
    {table_layouts::kEgranoDuo, between(version(1, 3), version(4, 3)), &kFmShownSpeakerRowsHidden, 16, 41, kHeldAudioBoost},
    {table_layouts::kEgranoDuo, between(version(1, 3), version(4, 3)), &kFmHiddenSpeakerRowsHidden, 15, 42, kHeldAudioBoost},
    {table_layouts::kEgranoDuo, from(version(4, 3)), &kFmShownSpeakerRowsShown, 18, 39, {}},
    {table_layouts::kEgranoDuo, from(version(4, 3)), &kFmHiddenSpeakerRowsShown, 17, 40, {}},
    {table_layouts::kEgranoDuo, from(version(4, 3)), &kFmShownSpeakerRowsHidden, 17, 43, {}},
    {table_layouts::kEgranoDuo, from(version(4, 3)), &kFmHiddenSpeakerRowsHidden, 16, 44, {}},
    {table_layouts::kEgranoS, below(version(1, 2)), &kSpeakerRowsShown, 19, 25, kHeldMeshReachOut},
    {table_layouts::kEgranoS, below(version(1, 2)), &kSpeakerRowsHidden, 18, 26, {}},
    {table_layouts::kEgranoS, from(version(1, 2)), &kSpeakerRowsShown, 20, 27, {}},
    {table_layouts::kEgranoS, from(version(1, 2)), &kSpeakerRowsHidden, 18, 26, {}},
    {table_layouts::kEgranoVoice, below(version(2, 5)), &kSpeakerRowsShown, 17, 35, kHeldVoiceAssistantMeshReachOut},
    {table_layouts::kEgranoVoice, below(version(2, 5)), &kSpeakerRowsHidden, 15, 37, kHeldVoiceAssistantMeshReachOut},
    {table_layouts::kEgranoVoice, from(version(2, 5)), &kSpeakerRowsShown, 19, 45, {}},
    {table_layouts::kEgranoVoice, from(version(2, 5)), &kSpeakerRowsHidden, 17, 46, {}},
    {table_layouts::kEgranoVoiceDuo, kAnyFirmware, &kAnyFlags, 16, 47, {}},
    {table_layouts::kEgranoTourDuo, below(version(2, 1)), &kSpeakerRowsShown, 17, 35, kHeldMeshReachOut},
    {table_layouts::kEgranoTourDuo, below(version(2, 1)), &kSpeakerRowsHidden, 15, 37, kHeldMeshReachOut},
    {table_layouts::kEgranoTourDuo, from(version(2, 1)), &kSpeakerRowsShown, 18, 39, {}},
    {table_layouts::kEgranoTourDuo, from(version(2, 1)), &kSpeakerRowsHidden, 16, 41, {}},
    {table_layouts::kEgranoRidgeDuo, kAnyFirmware, &kSpeakerRowsShown, 20, 27, {}},
    {table_layouts::kEgranoRidgeDuo, kAnyFirmware, &kSpeakerRowsHidden, 18, 26, {}},
    {table_layouts::kEgranoLite, kAnyFirmware, &kAnyFlags, 19, 48, {}},
    {table_layouts::kEgranoLite2, kAnyFirmware, &kAnyFlags, 11, 49, {}},
    {table_layouts::kHeronyx, kAnyFirmware, &kAnyFlags, 10, 50, {}},
    {table_layouts::kHeronyxS, kAnyFirmware, &kAnyFlags, 18, 51, {}},
    {table_layouts::kTARSK, kAnyFirmware, &kAnyFlags, 18, 52, {}},
    {table_layouts::kHeronyxHD, kAnyFirmware, &kAnyFlags, 14, 53, {}},
    {table_layouts::kKelpor, kAnyFirmware, &kAnyFlags, 11, 54, {}},
    {table_layouts::kKelporS, kAnyFirmware, &kAnyFlags, 17, 55, {}},
    {table_layouts::kKelporHD, kAnyFirmware, &kAnyFlags, 16, 56, {}},
    {table_layouts::kKelporNova, kAnyFirmware, &kAnyFlags, 11, 57, {}},
    {table_layouts::kKelporNovaDuo, kAnyFirmware, &kAnyFlags, 10, 58, {}},
    {table_layouts::kOstlerJunova, kAnyFirmware, &kAnyFlags, 7, 59, {}},
    {table_layouts::kOstlerJunovaLite, kAnyFirmware, &kAnyFlags, 9, 60, {}},
    {table_layouts::kOstlerJunovaS, kAnyFirmware, &kAnyFlags, 10, 61, {}},
    {table_layouts::kOstlerJunovaTrek, kAnyFirmware, &kAnyFlags, 6, 62, {}},
    {table_layouts::kOstlerJunovaTrekS, kAnyFirmware, &kAnyFlags, 12, 63, {}},
    {table_layouts::kKelporRoad, kAnyFirmware, &kAnyFlags, 9, 64, {}},
    {table_layouts::kLinkbay, kAnyFirmware, &kAnyFlags, 1, 65, kHeldVolumeLinkbayMicrophoneSensitivity},
    {table_layouts::kLinkbayHD, below(secondary(1, 4, 3)), &kAnyFlags, 2, 66, kHeldLinkbayMicrophoneSensitivity},
    {table_layouts::kLinkbayHD, from(secondary(1, 4, 3)), &kAnyFlags, 3, 67, {}},
    {table_layouts::kLinkbayHDDuo, from(secondary(1, 4, 3)), &kAnyFlags, 3, 67, {}},
    {table_layouts::kLinkbayHDDuo, below(secondary(1, 4, 3)), &kAnyFlags, 1, 65, kHeldVolumeLinkbayMicrophoneSensitivity},
    {table_layouts::kOstlerJunovaX, kAnyFirmware, &kAnyFlags, 9, 68, {}},
    {table_layouts::kLarnex, kAnyFirmware, &kAnyFlags, 6, 69, {}},
    {table_layouts::kCedrin2, below(version(2, 3)), &kAnyFlags, 5, 70, kHeldAudioMultitasking},
    {table_layouts::kCedrin2, from(version(2, 3)), &kAnyFlags, 6, 71, {}},
    {table_layouts::kTolvan2, kAnyFirmware, &kAnyFlags, 1, 72, {}},
    {table_layouts::kBrisko, below(version(1, 1)), &kAnyFlags, 4, 73, {}},
    {table_layouts::kBrisko, between(version(1, 1), version(1, 2)), &kAnyFlags, 6, 74, {}},
    {table_layouts::kBrisko, between(version(1, 2), version(1, 5)), &kAnyFlags, 11, 75, {}},
    {table_layouts::kBrisko, between(version(1, 5), full(2, 0, 2, 3)), &kAnyFlags, 13, 76, {}},
    {table_layouts::kBrisko, between(full(2, 0, 2, 3), version(2, 2)), &kNoHdSpeakerInfo, 15, 77, {}},
    {table_layouts::kBrisko, between(full(2, 0, 2, 3), version(2, 2)), &kHdSpeakerInfo, 13, 76, {}},
    {table_layouts::kBrisko, between(version(2, 2), version(2, 5)), &kFmAndMotionShown, 15, 77, {}},
    {table_layouts::kBrisko, between(version(2, 2), version(2, 5)), &kMotionHiddenByFm3, 14, 78, {}},
    {table_layouts::kBrisko, between(version(2, 2), version(2, 5)), &kFmHiddenByMotion5, 14, 79, {}},
    {table_layouts::kBrisko, between(version(2, 2), version(2, 5)), &kFmAndMotionHidden, 13, 80, {}},
    {table_layouts::kBrisko, between(version(2, 2), version(2, 5)), &kHdSpeakerInfo, 13, 76, {}},
    {table_layouts::kBrisko, from(version(2, 5)), &kFmAndMotionShown, 15, 77, {}},
    {table_layouts::kBrisko, from(version(2, 5)), &kMotionHiddenByFm3, 14, 78, {}},
    {table_layouts::kBrisko, from(version(2, 5)), &kFmHiddenByMotion5, 14, 79, {}},
    {table_layouts::kBrisko, from(version(2, 5)), &kFmAndMotionHidden, 13, 80, {}},
    {table_layouts::kBrisko, from(version(2, 5)), &kHdSpeakerInfo, 15, 81, {}},
    {table_layouts::kBriskoStreet, kAnyFirmware, &kAnyFlags, 12, 82, {}},
    {table_layouts::kBriskoGlow, kAnyFirmware, &kAnyFlags, 14, 83, {}},
    {table_layouts::kTavelArvo, below(version(1, 1)), &kAnyFlags, 7, 84, {}},
    {table_layouts::kTavelArvo, between(version(1, 1), version(2, 0)), &kAnyFlags, 8, 85, {}},
    {table_layouts::kTavelArvo, from(version(2, 0)), &kAnyFlags, 12, 86, {}},
    {table_layouts::kTavelArvoDuo, below(version(1, 1)), &kAnyFlags, 12, 87, {}},
    {table_layouts::kTavelArvoDuo, from(version(1, 1)), &kFmShown, 13, 88, {}},
    {table_layouts::kTavelArvoDuo, from(version(1, 1)), &kFmHidden, 12, 86, {}},
    {table_layouts::kTavelArvoS, below(version(1, 1)), &kAnyFlags, 12, 87, {}},
    {table_layouts::kTavelArvoS, from(version(1, 1)), &kAnyFlags, 13, 88, {}},
    {table_layouts::kTavelArvoSDuo, below(version(1, 1)), &kAnyFlags, 11, 89, {}},
    {table_layouts::kTavelArvoSDuo, between(version(1, 1), version(1, 2)), &kAnyFlags, 12, 87, {}},
    {table_layouts::kTavelArvoSDuo, from(version(1, 2)), &kAnyFlags, 13, 88, {}},
    {table_layouts::kTavelCorrin, kAnyFirmware, &kFmShown, 13, 88, {}},
    {table_layouts::kTavelCorrin, kAnyFirmware, &kFmHidden, 12, 86, {}},
    {table_layouts::kTavelCorrinDuo, kAnyFirmware, &kAnyFlags, 13, 88, {}},
    {table_layouts::kTavelCorrinS, kAnyFirmware, &kFmShown, 14, 90, {}},
    {table_layouts::kTavelCorrinS, kAnyFirmware, &kFmHidden, 13, 91, {}},
    {table_layouts::kTavelCorrinSDuo, kAnyFirmware, &kFmShown, 13, 92, {}},
    {table_layouts::kTavelCorrinSDuo, kAnyFirmware, &kFmHidden, 12, 93, {}},
    {table_layouts::kOstlerJunovaGo, kAnyFirmware, &kAnyFlags, 10, 94, {}},
    {table_layouts::kOstlerJunovaGoDuo, kAnyFirmware, &kAnyFlags, 11, 95, {}},
    {table_layouts::kOstlerJunovaRide, kAnyFirmware, &kFmShown, 10, 96, {}},
    {table_layouts::kOstlerJunovaRide, kAnyFirmware, &kFmHidden, 9, 97, {}},
    {table_layouts::kYarloWispen, below(version(2, 0)), &kAnyFlags, 18, 98, {}},
    {table_layouts::kYarloWispen, between(version(2, 0), version(2, 2)), &kAnyFlags, 22, 100, {}},
    {table_layouts::kYarloWispen, between(version(2, 2), version(3, 0)), &kAnyFlags, 23, 101, {}},
    {table_layouts::kYarloWispen, from(version(3, 0)), &kAnyFlags, 25, 102, {}},
    {table_layouts::kBranwickSela, below(version(1, 1)), &kAnyFlags, 8, 103, {}},
    {table_layouts::kBranwickSela, between(version(1, 1), version(1, 3)), &kAnyFlags, 9, 104, {}},
    {table_layouts::kBranwickSela, between(version(1, 3), version(2, 0)), &kAnyFlags, 10, 105, {}},
    {table_layouts::kBranwickSela, from(version(2, 0)), &kFmShown, 12, 106, {}},
    {table_layouts::kBranwickSela, from(version(2, 0)), &kFmHidden, 11, 107, {}},
    {table_layouts::kBranwickSela2, kAnyFirmware, &kAnyFlags, 5, 108, {}},
    {table_layouts::kBranwickSelaS, below(version(1, 1)), &kAnyFlags, 4, 109, {}},
    {table_layouts::kBranwickSelaS, between(version(1, 1), version(2, 0)), &kAnyFlags, 5, 108, {}},
    {table_layouts::kBranwickSelaS, from(version(2, 0)), &kAnyFlags, 7, 110, {}},
    {table_layouts::kBranwickVallo, from(version(2, 0)), &kAnyFlags, 7, 110, {}},
    {table_layouts::kBranwickVallo, below(version(1, 2)), &kAnyFlags, 6, 117, {}},
    {table_layouts::kBranwickVallo, between(version(1, 2), version(2, 0)), &kAnyFlags, 5, 108, {}},
    {table_layouts::kBranwickSelaS2, below(version(2, 0)), &kAnyFlags, 10, 105, {}},
    {table_layouts::kBranwickSelaS2, from(version(2, 0)), &kAnyFlags, 12, 106, {}},
    {table_layouts::kBranwickTarro, below(version(1, 4)), &kAnyFlags, 8, 111, {}},
    {table_layouts::kBranwickTarro, between(version(1, 4), version(2, 0)), &kAnyFlags, 10, 112, {}},
    {table_layouts::kBranwickTarro, from(version(2, 0)), &kFmShown, 11, 113, {}},
    {table_layouts::kBranwickTarro, from(version(2, 0)), &kFmHidden, 10, 114, {}},
    {table_layouts::kBranwickTarroDuo, kAnyFirmware, &kAnyFlags, 10, 112, {}},
    {table_layouts::kBranwickTarroX, kAnyFirmware, &kFmShown, 12, 115, {}},
    {table_layouts::kBranwickTarroX, kAnyFirmware, &kFmHidden, 11, 116, {}},
    {table_layouts::kBranwickValloQ, kAnyFirmware, &kAnyFlags, 5, 118, {}},
    {table_layouts::kQuarrinDune, kAnyFirmware, &kAnyFlags, 1, 119, {}},
    {table_layouts::kYarloWispenEVO, below(version(1, 4)), &kAnyFlags, 11, 113, {}},
    {table_layouts::kYarloWispenEVO, from(version(1, 4)), &kFmShown, 13, 120, {}},
    {table_layouts::kYarloWispenEVO, from(version(1, 4)), &kFmHidden, 12, 121, {}},
    {table_layouts::kYarloTEMBRA, kAnyFirmware, &kAnyFlags, 12, 122, {}},
    {table_layouts::kYarloWispenPRO, below(version(2, 0)), &kAnyFlags, 9, 123, {}},
    {table_layouts::kYarloWispenPRO, between(version(2, 0), version(2, 6)), &kAnyFlags, 11, 113, {}},
    {table_layouts::kYarloWispenPRO, from(version(2, 6)), &kAnyFlags, 13, 120, {}},
    {table_layouts::kPellonRookS, kAnyFirmware, &kFmShown, 9, 60, {}},
    {table_layouts::kPellonRookS, kAnyFirmware, &kFmHidden, 8, 124, {}},
    {table_layouts::kPellonRookHDDuo, kAnyFirmware, &kAnyFlags, 8, 125, {}},
    {table_layouts::kPellonRookVoice, kAnyFirmware, &kAnyFlags, 9, 126, {}},
    {table_layouts::kQuarrinSorra, below(version(1, 1)), &kAnyFlags, 7, 127, {}},
    {table_layouts::kQuarrinSorra, between(version(1, 1), version(2, 0)), &kAnyFlags, 8, 111, {}},
    {table_layouts::kQuarrinSorra, from(version(2, 0)), &kAnyFlags, 11, 113, {}},
    {table_layouts::kPintraVorelS, below(version(1, 1)), &kAnyFlags, 8, 128, {}},
    {table_layouts::kPintraVorelS, between(version(1, 1), version(2, 0)), &kAnyFlags, 9, 129, {}},
    {table_layouts::kPintraVorelS, from(version(2, 0)), &kAnyFlags, 12, 130, {}},
    {table_layouts::kPintraVorelT, below(version(1, 1)), &kAnyFlags, 8, 128, {}},
    {table_layouts::kPintraVorelT, between(version(1, 1), version(2, 0)), &kAnyFlags, 9, 129, {}},
    {table_layouts::kPintraVorelT, from(version(2, 0)), &kAnyFlags, 10, 131, {}},
    {table_layouts::kPintraVorelSDuo, below(version(1, 1)), &kAnyFlags, 8, 111, {}},
    {table_layouts::kPintraVorelSDuo, between(version(1, 1), version(2, 0)), &kAnyFlags, 9, 104, {}},
    {table_layouts::kPintraVorelSDuo, from(version(2, 0)), &kAnyFlags, 11, 107, {}},
    {table_layouts::kQuarrinFenna, below(version(1, 1)), &kAnyFlags, 8, 111, {}},
    {table_layouts::kQuarrinFenna, from(version(1, 1)), &kAnyFlags, 9, 123, {}},
    {table_layouts::kPintraOssel, kAnyFirmware, &kAnyFlags, 1, 132, {}},
    {table_layouts::kQuarrinLedo, below(version(1, 2)), &kAnyFlags, 8, 111, {}},
    {table_layouts::kQuarrinLedo, from(version(1, 2)), &kAnyFlags, 9, 123, {}},
    {table_layouts::kQuarrinLedo2, kAnyFirmware, &kAnyFlags, 10, 105, {}},
    {table_layouts::kPintraArdo, below(version(1, 2)), &kAnyFlags, 11, 133, {}},
    {table_layouts::kPintraArdo, from(version(1, 2)), &kAnyFlags, 12, 134, {}},
    {table_layouts::kPintraArdoS, below(version(1, 2)), &kAnyFlags, 9, 104, {}},
    {table_layouts::kPintraArdoS, from(version(1, 2)), &kAnyFlags, 10, 135, {}},
    {table_layouts::kPintraBelvo, below(version(1, 1)), &kAnyFlags, 9, 104, {}},
    {table_layouts::kPintraBelvo, from(version(1, 1)), &kAnyFlags, 10, 135, {}},
    {table_layouts::kPintraBelvoDuo, kAnyFirmware, &kAnyFlags, 6, 136, {}},
    {table_layouts::kPintraCindra, kAnyFirmware, &kAnyFlags, 10, 135, {}},
    {table_layouts::kPintraCindraDuo, kAnyFirmware, &kAnyFlags, 11, 137, {}},
    {table_layouts::kPintraDovelDuo, kAnyFirmware, &kAnyFlags, 13, 138, {}},
    {table_layouts::kUlmeckZento, kAnyFirmware, &kAnyFlags, 11, 139, {}},
    {table_layouts::kOstlerJunovaQ, kAnyFirmware, &kAnyFlags, 11, 140, {}},
    {table_layouts::kGrennikUvra, kAnyFirmware, &kAnyFlags, 12, 106, {}},
    {table_layouts::kGrennikUvraDuo, kAnyFirmware, &kAnyFlags, 8, 141, {}},
    {table_layouts::kGrennikVesso, below(version(2, 0)), &kAnyFlags, 8, 142, {}},
    {table_layouts::kGrennikVesso, from(version(2, 0)), &kAnyFlags, 10, 143, {}},
    {table_layouts::kMorvikWendo, kAnyFirmware, &kAnyFlags, 2, 32, {}},
    {table_layouts::kMorvikWendoDuo, kAnyFirmware, &kAnyFlags, 6, 144, {}},
    {table_layouts::kMorvikLumo, kAnyFirmware, &kAnyFlags, 11, 145, {}},
    {table_layouts::kGrennikRisso2, kAnyFirmware, &kAnyFlags, 2, 146, {}},
    {table_layouts::kMorvikKesso, kAnyFirmware, &kAnyFlags, 7, 147, {}},
    {table_layouts::kHalvernSarda, below(version(1, 2)), &kAnyFlags, 7, 148, kHeldMeshReachOut},
    {table_layouts::kHalvernSarda, from(version(1, 2)), &kAnyFlags, 8, 149, {}},
    {table_layouts::kHalvernSardaVoice, kAnyFirmware, &kAnyFlags, 4, 150, {}},
    {table_layouts::kHalvernTolle, kAnyFirmware, &kAnyFlags, 7, 148, kHeldMeshReachOut},
    {table_layouts::kHalvernTolleDuo, kAnyFirmware, &kAnyFlags, 8, 151, {}},
    {table_layouts::kHalvernTolleS, kAnyFirmware, &kAnyFlags, 7, 148, {}},
    {table_layouts::kHalvernVarro, below(secondary(1, 0, 4)), &kAnyFlags, 6, 152, kHeldMeshReachOut},
    {table_layouts::kHalvernVarro, from(secondary(1, 0, 4)), &kAnyFlags, 7, 153, {}},
    {table_layouts::kHalvernVarroDuo, below(secondary(1, 3, 2)), &kAnyFlags, 2, 154, kHeldVoicePromptVOXSensitivityMeshReachOut},
    {table_layouts::kHalvernVarroDuo, from(secondary(1, 3, 2)), &kAnyFlags, 3, 155, kHeldVOXSensitivityMeshReachOut},
    {table_layouts::kKorvaneYesta, kAnyFirmware, &kAnyFlags, 9, 156, {}},
    {table_layouts::kKorvaneYestaS, kAnyFirmware, &kAnyFlags, 2, 154, kHeldVoicePromptVOXSensitivityMeshReachOut},
    {table_layouts::kKorvaneYestaX, kAnyFirmware, &kAnyFlags, 0, 0, kHeldHeadsetRows},
    {table_layouts::kKorvaneZirraS, kAnyFirmware, &kAnyFlags, 9, 157, {}},
    {table_layouts::kKorvaneZirraSDuo, kAnyFirmware, &kAnyFlags, 5, 158, {}},
    {table_layouts::kKorvaneZirraX, kAnyFirmware, &kAnyFlags, 9, 159, {}},
}};
// clang-format on

} // namespace

std::span<const LayoutLine> layout_lines() { return kLines; }

} // namespace kivo::settings
