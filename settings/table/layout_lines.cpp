// The layout lines of the all-settings table: for a group of products, a firmware range and a
// condition on the four show/hide codes, how many rows the table shows and from which row list.
// The rows a line holds back (they follow its list and are never shown) are named beside it.

#include <array>

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
constexpr std::array<LayoutLine, 236> kLines = {{
    // products, firmware, flags, rows shown, row list (0: none), rows held back
    {{0x2030, 0x4310, 0x4330, 0x4510, 0x4530}, kAnyFirmware, &kAnyFlags, 13, 1, {}},
    {{0x3030, 0x3040, 0x3060}, kAnyFirmware, &kAnyFlags, 3, 2, {}},
    {{0x3032}, kAnyFirmware, &kFmShown, 3, 2, {}},
    {{0x3032}, kAnyFirmware, &kFmHidden, 2, 3, {}},
    {{0x3050}, below(version(1, 4)), &kFmShown, 3, 2, {}},
    {{0x3050}, below(version(1, 4)), &kFmHidden, 2, 3, {}},
    {{0x3050}, from(version(1, 4)), &kFmShown, 2, 160, {}},
    {{0x3050}, from(version(1, 4)), &kFmHidden, 1, 4, {}},
    {{0x3070}, kAnyFirmware, &kFmShown, 4, 5, {}},
    {{0x3070}, kAnyFirmware, &kFmHidden, 3, 6, {}},
    {{0x3080}, kAnyFirmware, &kAnyFlags, 3, 6, {}},
    {{0x3085, 0x6801, 0x6802, 0x6803, 0x6815, 0x6816, 0x6822}, kAnyFirmware, &kAnyFlags, 2, 7, {}},
    {{0x3110, 0x3112, 0x3114}, below(version(1, 1)), &kAnyFlags, 15, 8, {}},
    {{0x3110}, between(version(1, 1), version(2, 1)), &kAnyFlags, 16, 9, {}},
    {{0x3110}, between(version(2, 1), version(3, 0)), &kAnyFlags, 17, 10, {}},
    {{0x3110}, between(version(3, 0), version(3, 1)), &kAnyFlags, 16, 11, {}},
    {{0x3110}, between(version(3, 1), version(3, 4)), &kFmShown, 18, 12, {}},
    {{0x3110}, between(version(3, 1), version(3, 4)), &kFmHidden, 17, 13, {}},
    {{0x3110}, from(version(3, 4)), &kFmShown, 19, 14, {}},
    {{0x3110}, from(version(3, 4)), &kFmHidden, 18, 15, {}},
    {{0x3112, 0x3114}, between(version(1, 1), version(3, 0)), &kAnyFlags, 16, 9, {}},
    {{0x3112}, between(version(3, 0), version(3, 1)), &kAnyFlags, 15, 16, {}},
    {{0x3112}, between(version(3, 1), version(3, 3)), &kAnyFlags, 17, 17, {}},
    {{0x3112}, from(version(3, 3)), &kAnyFlags, 17, 18, {}},
    {{0x3114}, from(version(3, 0)), &kAnyFlags, 15, 16, {}},
    {{0x3116}, below(version(2, 0)), &kAnyFlags, 17, 10, {}},
    {{0x3116}, from(version(2, 0)), &kAnyFlags, 16, 11, {}},
    {{0x3118}, kAnyFirmware, &kAnyFlags, 10, 19, {}},
    {{0x3124, 0x3126, 0x3144}, kAnyFirmware, &kFmShown, 5, 20, {}},
    {{0x3124, 0x3126, 0x3144}, kAnyFirmware, &kFmHidden, 4, 21, {}},
    {{0x3128}, kAnyFirmware, &kFmShown, 5, 22, {}},
    {{0x3128}, kAnyFirmware, &kFmHidden, 4, 23, {}},
    {{0x3132, 0x3134, 0x3210, 0x3218, 0x321C, 0x3900}, below(version(1, 1)), &kAnyFlags, 15, 24, kHeldMeshReachOut},
    {{0x3132, 0x3134}, between(version(1, 1), version(1, 3)), &kSpeakerRowsShown, 19, 25, kHeldMeshReachOut},
    {{0x3132, 0x3134}, between(version(1, 1), version(1, 3)), &kSpeakerRowsHidden, 18, 26, kHeldAudioBoost},
    {{0x3132, 0x3134}, from(version(1, 3)), &kSpeakerRowsShown, 20, 27, {}},
    {{0x3132, 0x3134}, from(version(1, 3)), &kSpeakerRowsHidden, 19, 28, {}},
    {{0x3136}, kAnyFirmware, &kAnyFlags, 6, 29, {}},
    {{0x3140}, kAnyFirmware, &kAnyFlags, 16, 11, {}},
    {{0x3142, 0x3143}, kAnyFirmware, &kAnyFlags, 7, 30, {}},
    {{0x3146}, kAnyFirmware, &kAnyFlags, 18, 12, {}},
    {{0x3148, 0x3154}, kAnyFirmware, &kAnyFlags, 18, 26, {}},
    {{0x3150}, kAnyFirmware, &kFmShown, 3, 31, {}},
    {{0x3150}, kAnyFirmware, &kFmHidden, 2, 32, {}},
    {{0x3152}, kAnyFirmware, &kAnyFlags, 4, 21, {}},
    {{0x3156, 0x3213, 0x3240}, kAnyFirmware, &kAnyFlags, 15, 24, {}},
    {{0x3161}, kAnyFirmware, &kAnyFlags, 3, 33, {}},
    {{0x3170}, below(version(1, 2)), &kAnyFlags, 15, 24, kHeldMeshReachOut},
    {{0x3170}, from(version(1, 2)), &kAnyFlags, 16, 34, {}},
    {{0x3210, 0x3218, 0x321C}, between(version(1, 1), version(2, 2)), &kSpeakerRowsShown, 19, 25, kHeldMeshReachOut},
    {{0x3210, 0x3218, 0x321C}, between(version(1, 1), version(2, 2)), &kSpeakerRowsHidden, 18, 26, {}},
    {{0x3210, 0x3218, 0x321C}, from(version(2, 2)), &kSpeakerRowsShown, 20, 27, {}},
    {{0x3210, 0x3218, 0x321C}, from(version(2, 2)), &kSpeakerRowsHidden, 18, 26, {}},
    {{0x3211}, below(version(1, 3)), &kFmShownSpeakerRowsShown, 17, 35, kHeldMeshReachOut},
    {{0x3211}, below(version(1, 3)), &kFmHiddenSpeakerRowsShown, 16, 36, kHeldMeshReachOut},
    {{0x3211}, below(version(1, 3)), &kFmShownSpeakerRowsHidden, 15, 37, kHeldMeshReachOutAudioBoost},
    {{0x3211}, below(version(1, 3)), &kFmHiddenSpeakerRowsHidden, 14, 38, kHeldMeshReachOutAudioBoost},
    {{0x3211}, between(version(1, 3), version(4, 3)), &kFmShownSpeakerRowsShown, 18, 39, {}},
    {{0x3211}, between(version(1, 3), version(4, 3)), &kFmHiddenSpeakerRowsShown, 17, 40, {}},
    {{0x3211}, between(version(1, 3), version(4, 3)), &kFmShownSpeakerRowsHidden, 16, 41, kHeldAudioBoost},
    {{0x3211}, between(version(1, 3), version(4, 3)), &kFmHiddenSpeakerRowsHidden, 15, 42, kHeldAudioBoost},
    {{0x3211}, from(version(4, 3)), &kFmShownSpeakerRowsShown, 18, 39, {}},
    {{0x3211}, from(version(4, 3)), &kFmHiddenSpeakerRowsShown, 17, 40, {}},
    {{0x3211}, from(version(4, 3)), &kFmShownSpeakerRowsHidden, 17, 43, {}},
    {{0x3211}, from(version(4, 3)), &kFmHiddenSpeakerRowsHidden, 16, 44, {}},
    {{0x3212, 0x3216}, below(version(1, 2)), &kSpeakerRowsShown, 19, 25, kHeldMeshReachOut},
    {{0x3212, 0x3216}, below(version(1, 2)), &kSpeakerRowsHidden, 18, 26, {}},
    {{0x3212, 0x3216}, from(version(1, 2)), &kSpeakerRowsShown, 20, 27, {}},
    {{0x3212, 0x3216}, from(version(1, 2)), &kSpeakerRowsHidden, 18, 26, {}},
    {{0x3214}, below(version(2, 5)), &kSpeakerRowsShown, 17, 35, kHeldVoiceAssistantMeshReachOut},
    {{0x3214}, below(version(2, 5)), &kSpeakerRowsHidden, 15, 37, kHeldVoiceAssistantMeshReachOut},
    {{0x3214}, from(version(2, 5)), &kSpeakerRowsShown, 19, 45, {}},
    {{0x3214}, from(version(2, 5)), &kSpeakerRowsHidden, 17, 46, {}},
    {{0x3215}, kAnyFirmware, &kAnyFlags, 16, 47, {}},
    {{0x3217}, below(version(2, 1)), &kSpeakerRowsShown, 17, 35, kHeldMeshReachOut},
    {{0x3217}, below(version(2, 1)), &kSpeakerRowsHidden, 15, 37, kHeldMeshReachOut},
    {{0x3217}, from(version(2, 1)), &kSpeakerRowsShown, 18, 39, {}},
    {{0x3217}, from(version(2, 1)), &kSpeakerRowsHidden, 16, 41, {}},
    {{0x3219}, kAnyFirmware, &kSpeakerRowsShown, 20, 27, {}},
    {{0x3219}, kAnyFirmware, &kSpeakerRowsHidden, 18, 26, {}},
    {{0x321A}, kAnyFirmware, &kAnyFlags, 19, 48, {}},
    {{0x321B}, kAnyFirmware, &kAnyFlags, 11, 49, {}},
    {{0x321D}, kAnyFirmware, &kAnyFlags, 10, 50, {}},
    {{0x3223}, kAnyFirmware, &kAnyFlags, 18, 51, {}},
    {{0x3232, 0x3233, 0x3264}, kAnyFirmware, &kAnyFlags, 18, 52, {}},
    {{0x3260}, kAnyFirmware, &kAnyFlags, 14, 53, {}},
    {{0x3300}, kAnyFirmware, &kAnyFlags, 11, 54, {}},
    {{0x3310, 0x3330}, kAnyFirmware, &kAnyFlags, 17, 55, {}},
    {{0x3320}, kAnyFirmware, &kAnyFlags, 16, 56, {}},
    {{0x3340}, kAnyFirmware, &kAnyFlags, 11, 57, {}},
    {{0x3341, 0x3342, 0x3343}, kAnyFirmware, &kAnyFlags, 10, 58, {}},
    {{0x3350, 0x3360}, kAnyFirmware, &kAnyFlags, 7, 59, {}},
    {{0x3370}, kAnyFirmware, &kAnyFlags, 9, 60, {}},
    {{0x3380}, kAnyFirmware, &kAnyFlags, 10, 61, {}},
    {{0x3400}, kAnyFirmware, &kAnyFlags, 6, 62, {}},
    {{0x3410}, kAnyFirmware, &kAnyFlags, 12, 63, {}},
    {{0x3420, 0x3430}, kAnyFirmware, &kAnyFlags, 9, 64, {}},
    {{0x3500, 0x3540}, kAnyFirmware, &kAnyFlags, 1, 65, kHeldVolumeLinkbayMicrophoneSensitivity},
    {{0x3560}, below(secondary(1, 4, 3)), &kAnyFlags, 2, 66, kHeldLinkbayMicrophoneSensitivity},
    {{0x3560, 0x3570}, from(secondary(1, 4, 3)), &kAnyFlags, 3, 67, {}},
    {{0x3570}, below(secondary(1, 4, 3)), &kAnyFlags, 1, 65, kHeldVolumeLinkbayMicrophoneSensitivity},
    {{0x3701}, kAnyFirmware, &kAnyFlags, 9, 68, {}},
    {{0x3800}, kAnyFirmware, &kAnyFlags, 6, 69, {}},
    {{0x3900}, from(version(1, 1)), &kSpeakerRowsShown, 19, 25, kHeldMeshReachOut},
    {{0x3900}, from(version(1, 1)), &kSpeakerRowsHidden, 18, 26, {}},
    {{0x4023}, below(version(2, 3)), &kAnyFlags, 5, 70, kHeldAudioMultitasking},
    {{0x4023}, from(version(2, 3)), &kAnyFlags, 6, 71, {}},
    {{0x4050, 0x5564}, kAnyFirmware, &kAnyFlags, 1, 72, {}},
    {{0x4210}, below(version(1, 1)), &kAnyFlags, 4, 73, {}},
    {{0x4210}, between(version(1, 1), version(1, 2)), &kAnyFlags, 6, 74, {}},
    {{0x4210}, between(version(1, 2), version(1, 5)), &kAnyFlags, 11, 75, {}},
    {{0x4210}, between(version(1, 5), full(2, 0, 2, 3)), &kAnyFlags, 13, 76, {}},
    {{0x4210}, between(full(2, 0, 2, 3), version(2, 2)), &kNoHdSpeakerInfo, 15, 77, {}},
    {{0x4210}, between(full(2, 0, 2, 3), version(2, 2)), &kHdSpeakerInfo, 13, 76, {}},
    {{0x4210}, between(version(2, 2), version(2, 5)), &kFmAndMotionShown, 15, 77, {}},
    {{0x4210}, between(version(2, 2), version(2, 5)), &kMotionHiddenByFm3, 14, 78, {}},
    {{0x4210}, between(version(2, 2), version(2, 5)), &kFmHiddenByMotion5, 14, 79, {}},
    {{0x4210}, between(version(2, 2), version(2, 5)), &kFmAndMotionHidden, 13, 80, {}},
    {{0x4210}, between(version(2, 2), version(2, 5)), &kHdSpeakerInfo, 13, 76, {}},
    {{0x4210}, from(version(2, 5)), &kFmAndMotionShown, 15, 77, {}},
    {{0x4210}, from(version(2, 5)), &kMotionHiddenByFm3, 14, 78, {}},
    {{0x4210}, from(version(2, 5)), &kFmHiddenByMotion5, 14, 79, {}},
    {{0x4210}, from(version(2, 5)), &kFmAndMotionHidden, 13, 80, {}},
    {{0x4210}, from(version(2, 5)), &kHdSpeakerInfo, 15, 81, {}},
    {{0x4410, 0x4430}, kAnyFirmware, &kAnyFlags, 12, 82, {}},
    {{0x4610}, kAnyFirmware, &kAnyFlags, 14, 83, {}},
    {{0x5410}, below(version(1, 1)), &kAnyFlags, 7, 84, {}},
    {{0x5410}, between(version(1, 1), version(2, 0)), &kAnyFlags, 8, 85, {}},
    {{0x5410}, from(version(2, 0)), &kAnyFlags, 12, 86, {}},
    {{0x5412, 0x5414}, below(version(1, 1)), &kAnyFlags, 12, 87, {}},
    {{0x5412}, from(version(1, 1)), &kFmShown, 13, 88, {}},
    {{0x5412}, from(version(1, 1)), &kFmHidden, 12, 86, {}},
    {{0x5414}, from(version(1, 1)), &kAnyFlags, 13, 88, {}},
    {{0x5416}, below(version(1, 1)), &kAnyFlags, 11, 89, {}},
    {{0x5416}, between(version(1, 1), version(1, 2)), &kAnyFlags, 12, 87, {}},
    {{0x5416}, from(version(1, 2)), &kAnyFlags, 13, 88, {}},
    {{0x5418}, kAnyFirmware, &kFmShown, 13, 88, {}},
    {{0x5418}, kAnyFirmware, &kFmHidden, 12, 86, {}},
    {{0x5420}, kAnyFirmware, &kAnyFlags, 13, 88, {}},
    {{0x5424, 0x5428, 0x5430, 0x5432, 0x5434}, kAnyFirmware, &kFmShown, 14, 90, {}},
    {{0x5424, 0x5428, 0x5430, 0x5432, 0x5434}, kAnyFirmware, &kFmHidden, 13, 91, {}},
    {{0x5426}, kAnyFirmware, &kFmShown, 13, 92, {}},
    {{0x5426}, kAnyFirmware, &kFmHidden, 12, 93, {}},
    {{0x5440, 0x5443}, kAnyFirmware, &kAnyFlags, 10, 94, {}},
    {{0x5441, 0x5451}, kAnyFirmware, &kAnyFlags, 11, 95, {}},
    {{0x5442, 0x5444, 0x5445, 0x5590, 0x5591, 0x5593, 0x5597, 0x6900, 0x6910}, kAnyFirmware, &kFmShown, 10, 96, {}},
    {{0x5442, 0x5444, 0x5445, 0x5590, 0x5591, 0x5593, 0x5597, 0x6900, 0x6910}, kAnyFirmware, &kFmHidden, 9, 97, {}},
    {{0x5510}, below(version(2, 0)), &kAnyFlags, 18, 98, {}},
    {{0x5510}, between(version(2, 0), version(2, 2)), &kAnyFlags, 22, 100, {}},
    {{0x5510}, between(version(2, 2), version(3, 0)), &kAnyFlags, 23, 101, {}},
    {{0x5510}, from(version(3, 0)), &kAnyFlags, 25, 102, {}},
    {{0x5520}, below(version(1, 1)), &kAnyFlags, 8, 103, {}},
    {{0x5520}, between(version(1, 1), version(1, 3)), &kAnyFlags, 9, 104, {}},
    {{0x5520}, between(version(1, 3), version(2, 0)), &kAnyFlags, 10, 105, {}},
    {{0x5520}, from(version(2, 0)), &kFmShown, 12, 106, {}},
    {{0x5520}, from(version(2, 0)), &kFmHidden, 11, 107, {}},
    {{0x5522, 0x5536}, kAnyFirmware, &kAnyFlags, 5, 108, {}},
    {{0x5524}, below(version(1, 1)), &kAnyFlags, 4, 109, {}},
    {{0x5524}, between(version(1, 1), version(2, 0)), &kAnyFlags, 5, 108, {}},
    {{0x5524, 0x5550}, from(version(2, 0)), &kAnyFlags, 7, 110, {}},
    {{0x5526}, below(version(2, 0)), &kAnyFlags, 10, 105, {}},
    {{0x5526}, from(version(2, 0)), &kAnyFlags, 12, 106, {}},
    {{0x5530}, below(version(1, 4)), &kAnyFlags, 8, 111, {}},
    {{0x5530}, between(version(1, 4), version(2, 0)), &kAnyFlags, 10, 112, {}},
    {{0x5530}, from(version(2, 0)), &kFmShown, 11, 113, {}},
    {{0x5530}, from(version(2, 0)), &kFmHidden, 10, 114, {}},
    {{0x5532}, kAnyFirmware, &kAnyFlags, 10, 112, {}},
    {{0x5534, 0x5538}, kAnyFirmware, &kFmShown, 12, 115, {}},
    {{0x5534, 0x5538}, kAnyFirmware, &kFmHidden, 11, 116, {}},
    {{0x5550}, below(version(1, 2)), &kAnyFlags, 6, 117, {}},
    {{0x5550}, between(version(1, 2), version(2, 0)), &kAnyFlags, 5, 108, {}},
    {{0x5552, 0x5553}, kAnyFirmware, &kAnyFlags, 5, 118, {}},
    {{0x5560, 0x5562}, kAnyFirmware, &kAnyFlags, 1, 119, {}},
    {{0x5570}, below(version(1, 4)), &kAnyFlags, 11, 113, {}},
    {{0x5570}, from(version(1, 4)), &kFmShown, 13, 120, {}},
    {{0x5570}, from(version(1, 4)), &kFmHidden, 12, 121, {}},
    {{0x5576}, kAnyFirmware, &kAnyFlags, 12, 122, {}},
    {{0x5580}, below(version(2, 0)), &kAnyFlags, 9, 123, {}},
    {{0x5580}, between(version(2, 0), version(2, 6)), &kAnyFlags, 11, 113, {}},
    {{0x5580}, from(version(2, 6)), &kAnyFlags, 13, 120, {}},
    {{0x5592, 0x5594}, kAnyFirmware, &kFmShown, 9, 60, {}},
    {{0x5592, 0x5594}, kAnyFirmware, &kFmHidden, 8, 124, {}},
    {{0x5595}, kAnyFirmware, &kAnyFlags, 8, 125, {}},
    {{0x5596}, kAnyFirmware, &kAnyFlags, 9, 126, {}},
    {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, below(version(1, 1)), &kAnyFlags, 7, 127, {}},
    {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, between(version(1, 1), version(2, 0)), &kAnyFlags, 8, 111, {}},
    {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, from(version(2, 0)), &kAnyFlags, 11, 113, {}},
    {{0x5622, 0x5624}, below(version(1, 1)), &kAnyFlags, 8, 128, {}},
    {{0x5622, 0x5624}, between(version(1, 1), version(2, 0)), &kAnyFlags, 9, 129, {}},
    {{0x5622}, from(version(2, 0)), &kAnyFlags, 12, 130, {}},
    {{0x5623, 0x5910, 0x5920}, below(version(1, 1)), &kAnyFlags, 8, 111, {}},
    {{0x5623}, between(version(1, 1), version(2, 0)), &kAnyFlags, 9, 104, {}},
    {{0x5623}, from(version(2, 0)), &kAnyFlags, 11, 107, {}},
    {{0x5624}, from(version(2, 0)), &kAnyFlags, 10, 131, {}},
    {{0x5630, 0x5632}, kAnyFirmware, &kAnyFlags, 1, 132, {}},
    {{0x5710}, below(version(1, 2)), &kAnyFlags, 8, 111, {}},
    {{0x5710}, from(version(1, 2)), &kAnyFlags, 9, 123, {}},
    {{0x5720}, kAnyFirmware, &kAnyFlags, 10, 105, {}},
    {{0x5910, 0x5920}, from(version(1, 1)), &kAnyFlags, 9, 123, {}},
    {{0x6010, 0x6012}, below(version(1, 2)), &kAnyFlags, 11, 133, {}},
    {{0x6010, 0x6012}, from(version(1, 2)), &kAnyFlags, 12, 134, {}},
    {{0x6014, 0x6016}, below(version(1, 2)), &kAnyFlags, 9, 104, {}},
    {{0x6014, 0x6016}, from(version(1, 2)), &kAnyFlags, 10, 135, {}},
    {{0x6018}, below(version(1, 1)), &kAnyFlags, 9, 104, {}},
    {{0x6018}, from(version(1, 1)), &kAnyFlags, 10, 135, {}},
    {{0x6020, 0x6022, 0x6024}, kAnyFirmware, &kAnyFlags, 6, 136, {}},
    {{0x6026}, kAnyFirmware, &kAnyFlags, 10, 135, {}},
    {{0x6028, 0x6030, 0x6032, 0x6036}, kAnyFirmware, &kAnyFlags, 11, 137, {}},
    {{0x6034}, kAnyFirmware, &kAnyFlags, 13, 138, {}},
    {{0x6038, 0x6039}, kAnyFirmware, &kAnyFlags, 11, 139, {}},
    {{0x6042}, kAnyFirmware, &kAnyFlags, 11, 140, {}},
    {{0x6112}, kAnyFirmware, &kAnyFlags, 12, 106, {}},
    {{0x6114}, kAnyFirmware, &kAnyFlags, 8, 141, {}},
    {{0x6210}, below(version(2, 0)), &kAnyFlags, 8, 142, {}},
    {{0x6210}, from(version(2, 0)), &kAnyFlags, 10, 143, {}},
    {{0x6310}, kAnyFirmware, &kAnyFlags, 2, 32, {}},
    {{0x6320, 0x6330, 0x6335}, kAnyFirmware, &kAnyFlags, 6, 144, {}},
    {{0x6400}, kAnyFirmware, &kAnyFlags, 11, 145, {}},
    {{0x6461, 0x6481, 0x6491, 0x6620}, kAnyFirmware, &kAnyFlags, 2, 146, {}},
    {{0x6500, 0x6510}, kAnyFirmware, &kAnyFlags, 7, 147, {}},
    {{0x6800, 0x6810}, below(version(1, 2)), &kAnyFlags, 7, 148, kHeldMeshReachOut},
    {{0x6800, 0x6810}, from(version(1, 2)), &kAnyFlags, 8, 149, {}},
    {{0x6804}, kAnyFirmware, &kAnyFlags, 4, 150, {}},
    {{0x6805, 0x6817}, kAnyFirmware, &kAnyFlags, 7, 148, kHeldMeshReachOut},
    {{0x6806}, kAnyFirmware, &kAnyFlags, 8, 151, {}},
    {{0x6808, 0x6811}, kAnyFirmware, &kAnyFlags, 7, 148, {}},
    {{0x6812}, below(secondary(1, 0, 4)), &kAnyFlags, 6, 152, kHeldMeshReachOut},
    {{0x6812}, from(secondary(1, 0, 4)), &kAnyFlags, 7, 153, {}},
    {{0x6814, 0x6831}, below(secondary(1, 3, 2)), &kAnyFlags, 2, 154, kHeldVoicePromptVOXSensitivityMeshReachOut},
    {{0x6814, 0x6831}, from(secondary(1, 3, 2)), &kAnyFlags, 3, 155, kHeldVOXSensitivityMeshReachOut},
    {{0x6821, 0x6825}, kAnyFirmware, &kAnyFlags, 9, 156, {}},
    {{0x6824}, kAnyFirmware, &kAnyFlags, 2, 154, kHeldVoicePromptVOXSensitivityMeshReachOut},
    {{0x6828, 0x6A01, 0x6A02, 0x6A03, 0x6A04}, kAnyFirmware, &kAnyFlags, 0, 0, kHeldHeadsetRows},
    {{0x6838}, kAnyFirmware, &kAnyFlags, 9, 157, {}},
    {{0x6839, 0x6840}, kAnyFirmware, &kAnyFlags, 5, 158, {}},
    {{0x683A}, kAnyFirmware, &kAnyFlags, 9, 159, {}},
}};
// clang-format on

} // namespace

std::span<const LayoutLine> layout_lines() { return kLines; }

} // namespace kivo::settings
