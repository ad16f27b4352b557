#include "settings/table/enabling.h"

#include <algorithm>

namespace kivo::settings {
namespace {

bool test_holds(const EnablingRule& rule, int value)
{
    const bool listed = value == rule.values[0] || value == rule.values[1];
    return listed != rule.negated;
}

bool clause_holds(const RuleClause& clause, const ClauseInputs& in)
{
    if (!clause.products.empty() &&
        std::find(clause.products.begin(), clause.products.end(), in.product) == clause.products.end())
        return false;
    if (!in_range(in.version, clause.firmware))
        return false;
    if (clause.flags && !holds(*clause.flags, in.codes))
        return false;
    return clause.occurrence < 0 || clause.occurrence == in.occurrence;
}

std::string values_text(const EnablingRule& rule)
{
    std::string text = std::to_string(rule.values[0]);
    if (rule.values[1] != rule.values[0])
        text += " or " + std::to_string(rule.values[1]);
    return text;
}

} // namespace

bool enabled_by(const EnablingRule& rule, const RuleInputs& in)
{
    int value = 0;
    switch (rule.input) {
    case RuleInput::Nothing: return true;
    case RuleInput::WorkingCopy: value = read(rule.key, in.working, in.access); break;
    case RuleInput::InfoStatus: value = in.deviceInfoStatus; break;
    }
    if (rule.enabledFrom.kind != BoundKind::None && at_or_above(in.recognized.deviceVersion(), rule.enabledFrom))
        return true;
    return test_holds(rule, value) == rule.enabledWhenHolds;
}

const EnablingRule& rule_for(const EnablingRule& otherwise, std::span<const RuleClause> clauses,
                             const ClauseInputs& inputs)
{
    for (const RuleClause& clause : clauses)
        if (clause_holds(clause, inputs))
            return *clause.rule;
    return otherwise;
}

std::string rule_name(const EnablingRule& rule)
{
    if (!rule.name.empty())
        return std::string(rule.name);
    if (rule.input == RuleInput::Nothing)
        return "always";
    const std::string subject =
        rule.input == RuleInput::InfoStatus ? "deviceInfoStatus" : std::string(setting(rule.key).getterName);
    return std::string(rule.enabledWhenHolds ? "only while " : "disabled while ") + subject +
        (rule.negated ? " is not " : " is ") + values_text(rule);
}

} // namespace kivo::settings
