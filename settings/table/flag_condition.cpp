#include "settings/table/flag_condition.h"

#include <algorithm>

namespace kivo::settings {
namespace {

int code_of(const FlagCodes& codes, FlagCode code)
{
    switch (code) {
    case FlagCode::Fm: return codes.fm;
    case FlagCode::Motion: return codes.motion;
    case FlagCode::Speaker: return codes.speaker;
    case FlagCode::Info: return codes.info;
    }
    return 0;
}

bool holds(const FlagAtom& atom, const FlagCodes& codes)
{
    const int value = code_of(codes, atom.code);
    return (value >= atom.lowest && value <= atom.highest) != atom.negated;
}

} // namespace

bool holds(const FlagCondition& condition, const FlagCodes& codes)
{
    if (condition.terms.empty())
        return true;
    return std::any_of(condition.terms.begin(), condition.terms.end(), [&](const FlagTerm& term) {
        return std::all_of(term.atoms.begin(), term.atoms.end(),
                           [&](const FlagAtom& atom) { return holds(atom, codes); });
    });
}

} // namespace kivo::settings
