#pragma once
// Conditions on the four show/hide codes that recognition leaves for the selected device: a
// disjunction of conjunctions of atoms, each atom a code within a range of values, or outside it.
// A condition without terms holds always. The tables name their few conditions and share them.

#include <cstdint>
#include <span>
#include <string_view>

namespace kivo::settings {

enum class FlagCode : std::uint8_t { Fm, Motion, Speaker, Info };

// fmRadioShowAndHide, motionSensorShowAndHide, deviceEgranoSpeakerType, deviceInfoStatus.
struct FlagCodes {
    int fm = 0;
    int motion = 0;
    int speaker = 0;
    int info = 0;
};

// The code lies in lowest..highest (a set of adjacent values), or not when negated.
struct FlagAtom {
    FlagCode code;
    int lowest;
    int highest;
    bool negated;
};

struct FlagTerm {
    std::span<const FlagAtom> atoms; // all of them
};

struct FlagCondition {
    std::string_view name;
    std::span<const FlagTerm> terms; // any of them; none: always
};

bool holds(const FlagCondition& condition, const FlagCodes& codes);

} // namespace kivo::settings
