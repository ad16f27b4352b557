#pragma once
// The variant tables of the all-settings table's kinds, one file per cell kind, and what both
// build them from (the kinds' information in table_kind.cpp shares the show/hide conditions).
// Reached through kinds.h, which indexes them.

#include <span>

#include "settings/table/kinds.h"

namespace kivo::settings {

std::span<const KindVariant> on_off_variants();
std::span<const KindVariant> choice_variants();

namespace variant_parts {

using namespace range_parts;
// The full version 2.0 with secondary type 2 and number 3, from which one headset's rows change.
inline constexpr FirmwareRange kFrom2_0_2_3 = from(full(2, 0, 2, 3));

// The show/hide codes the rules test: speaker types 0 to 7 hide the speaker-accessory rows (a type
// below 0 or above 7 shows them), and one headset's layouts go by its device-information code 1.
inline constexpr FlagAtom kSpeaker0To7Atoms[] = {{FlagCode::Speaker, 0, 7, false}};
inline constexpr FlagAtom kSpeakerOtherAtoms[] = {{FlagCode::Speaker, 0, 7, true}};
inline constexpr FlagAtom kInfo1Atoms[] = {{FlagCode::Info, 1, 1, false}};
inline constexpr FlagAtom kInfoNot1Atoms[] = {{FlagCode::Info, 1, 1, true}};
inline constexpr FlagTerm kSpeaker0To7Terms[] = {{kSpeaker0To7Atoms}};
inline constexpr FlagTerm kSpeakerOtherTerms[] = {{kSpeakerOtherAtoms}};
inline constexpr FlagTerm kInfo1Terms[] = {{kInfo1Atoms}};
inline constexpr FlagTerm kInfoNot1Terms[] = {{kInfoNot1Atoms}};
inline constexpr FlagCondition kSpeaker0To7{"speaker 0 to 7", kSpeaker0To7Terms};
inline constexpr FlagCondition kSpeakerOther{"speaker below 0 or above 7", kSpeakerOtherTerms};
inline constexpr FlagCondition kInfo1{"info 1", kInfo1Terms};
inline constexpr FlagCondition kInfoNot1{"info not 1", kInfoNot1Terms};

} // namespace variant_parts
} // namespace kivo::settings
