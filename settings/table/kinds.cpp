#include "settings/table/kinds.h"

#include <algorithm>
#include <tuple>

#include "settings/table/layout_table.h"
#include "settings/table/variant_data.h"

namespace kivo::settings {
namespace {

const std::vector<KindVariant>& all_variants()
{
    static const std::vector<KindVariant> variants = [] {
        std::vector<KindVariant> out(on_off_variants().begin(), on_off_variants().end());
        out.insert(out.end(), choice_variants().begin(), choice_variants().end());
        // A variant names a handler only where it differs from its kind's.
        for (KindVariant& variant : out)
            if (!variant.action.handler)
                variant.action = table_kind(variant.kind).action;
        return out;
    }();
    return variants;
}

using Listing = std::tuple<TableKind, int, std::size_t>; // kind, product, index into all_variants()

// Every (kind, product) a variant lists, sorted: one lookup per row built.
const std::vector<Listing>& listings()
{
    static const std::vector<Listing> index = [] {
        std::vector<Listing> out;
        const std::vector<KindVariant>& variants = all_variants();
        for (std::size_t i = 0; i < variants.size(); ++i)
            for (int product : variants[i].products)
                out.emplace_back(variants[i].kind, product, i);
        std::sort(out.begin(), out.end());
        return out;
    }();
    return index;
}

bool holds_speakers_row(const LayoutSelection& selection)
{
    const auto has = [](std::span<const TableKind> rows) {
        return std::find(rows.begin(), rows.end(), TableKind::Speakers) != rows.end();
    };
    return has(selection.list) || has(selection.heldBack);
}

bool tests_speaker_code(const LayoutSelection& selection)
{
    const std::span<const LayoutLine> lines = layout_lines();
    if (selection.line < 0 || static_cast<std::size_t>(selection.line) >= lines.size())
        return false;
    for (const FlagTerm& term : lines[static_cast<std::size_t>(selection.line)].flags->terms)
        for (const FlagAtom& atom : term.atoms)
            if (atom.code == FlagCode::Speaker)
                return true;
    return false;
}

// 0: does not fit; 1: fits any layout; 2: fits this layout by its qualifier.
int fit(const KindVariant& variant, const LayoutSelection& selection)
{
    switch (variant.qualifier) {
    case LayoutQualifier::Any: return 1;
    case LayoutQualifier::WithSpeakersRow: return holds_speakers_row(selection) ? 2 : 0;
    case LayoutQualifier::WithoutSpeakersRow:
        return !holds_speakers_row(selection) && tests_speaker_code(selection) ? 2 : 0;
    }
    return 0;
}

} // namespace

int selected_column(OnOffMapping mapping, int value)
{
    switch (mapping) {
    case OnOffMapping::Direct: return value != 0 ? 0 : 1;
    case OnOffMapping::Inverted: return value == 0 ? 0 : 1;
    case OnOffMapping::Code8: return value != 8 ? 0 : 1;
    }
    return 1;
}

std::string_view mapping_name(OnOffMapping mapping)
{
    switch (mapping) {
    case OnOffMapping::Direct: return "direct";
    case OnOffMapping::Inverted: return "inverted";
    case OnOffMapping::Code8: return "code 8";
    }
    return "?";
}

std::span<const KindVariant> kind_variants() { return all_variants(); }

std::vector<const KindVariant*> variants_listing(TableKind kind, int product)
{
    const std::vector<Listing>& index = listings();
    std::vector<const KindVariant*> out;
    for (auto it = std::lower_bound(index.begin(), index.end(), Listing{kind, product, 0});
         it != index.end() && std::get<0>(*it) == kind && std::get<1>(*it) == product; ++it)
        out.push_back(&all_variants()[std::get<2>(*it)]);
    return out;
}

const KindVariant* resolve_variant(TableKind kind, int product, const LayoutSelection& selection)
{
    const std::vector<const KindVariant*> listed = variants_listing(kind, product);
    if (listed.size() == 1)
        return listed.front();
    const KindVariant* best = nullptr;
    int best_fit = 0;
    bool tied = false;
    for (const KindVariant* variant : listed) {
        const int f = fit(*variant, selection);
        if (f > best_fit) {
            best = variant;
            best_fit = f;
            tied = false;
        } else if (f > 0 && f == best_fit) {
            tied = true;
        }
    }
    return tied ? nullptr : best;
}

const EnablingRule& resolve_rule(const KindVariant& variant, const ClauseInputs& inputs)
{
    return rule_for(*variant.rule, variant.clauses, inputs);
}

std::vector<std::pair<SettingKey, int>> table_reads()
{
    std::vector<std::pair<SettingKey, int>> reads;
    const auto rule_reads = [&](const EnablingRule& rule, int product) {
        if (rule.input == RuleInput::WorkingCopy)
            reads.emplace_back(rule.key, product);
    };
    for (const KindVariant& variant : all_variants())
        for (int product : variant.products) {
            reads.emplace_back(variant.getter, product);
            rule_reads(*variant.rule, product);
            for (const RuleClause& clause : variant.clauses)
                if (clause.products.empty() ||
                    std::find(clause.products.begin(), clause.products.end(), product) != clause.products.end())
                    rule_reads(*clause.rule, product);
            if (variant.items && !variant.items->switchTexts.empty())
                reads.emplace_back(variant.items->switchKey, product);
            if (variant.trace == RowTrace::SpeakerValue || variant.trace == RowTrace::SpeakerValueFrom1_2 ||
                variant.trace == RowTrace::Speaker)
                reads.emplace_back(variant.traceKey, product);
        }
    std::sort(reads.begin(), reads.end());
    reads.erase(std::unique(reads.begin(), reads.end()), reads.end());
    return reads;
}

} // namespace kivo::settings
