#pragma once
// The variants of the all-settings table's kinds: for each kind, per group of products, the
// setting its row reads (a key of the setting catalogue, never an accessor wired again), how the
// value shows (the selected radio cell, or the items and the selected item) and when the row may
// be changed. A product stands under one variant of a kind, except where a layout qualifier tells
// two apart (the equalizers, whose items follow the speaker rows of the layout).

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/table/enabling.h"
#include "settings/table/handlers.h"
#include "settings/table/items.h"
#include "settings/table/layout_selection.h"
#include "settings/table/table_kind.h"

namespace kivo::settings {

// The selected radio cell of an on/off row: column 0 "Enable", column 1 "Disable".
enum class OnOffMapping : std::uint8_t {
    Direct, // Enable unless the value is 0
    Inverted, // Enable while the value is 0
    Code8, // Enable unless the value is 8
};

int selected_column(OnOffMapping mapping, int value);
std::string_view mapping_name(OnOffMapping mapping);

// Which layouts a variant serves, where a product stands under two variants of one kind.
enum class LayoutQualifier : std::uint8_t {
    Any,
    WithSpeakersRow, // layouts whose full list holds the "Speakers" row
    WithoutSpeakersRow, // layouts without it whose line tests the speaker code
};

// Trace lines a row writes to the system log when it is built.
enum class RowTrace : std::uint8_t {
    None,
    RecognizedAndWorking, // "appController <getter> [%d]", then "dataCurrent <getter> [%d]"
    SpeakerValue, // "speaker value =[%d], curr[%d]": the trace key of the recognized record, then the working copy's
    SpeakerValueFrom1_2, // "speaker value 1.2 =[%d], curr[%d]", the same values
    Speaker, // "speaker [%d]": the trace key of the working copy
    SelectedLanguage, // "PQPQ # %d" with the value, after the selection
};

struct KindVariant {
    TableKind kind;
    std::span<const int> products;
    SettingKey getter;
    const EnablingRule* rule; // unless a clause says otherwise
    std::span<const RuleClause> clauses = {};
    LayoutQualifier qualifier = LayoutQualifier::Any;
    OnOffMapping mapping = OnOffMapping::Direct; // on/off rows
    const ItemSource* items = nullptr; // choice rows
    IndexRule index = IndexRule::Direct; // choice rows
    RowTrace trace = RowTrace::None;
    SettingKey traceKey = {}; // the select a speaker trace writes
    RowAction action = {}; // kind_variants() gives a variant without a handler its kind's

    constexpr KindVariant qualified(LayoutQualifier layouts) const
    {
        KindVariant variant = *this;
        variant.qualifier = layouts;
        return variant;
    }
    constexpr KindVariant traced(RowTrace lines, SettingKey select = {}) const
    {
        KindVariant variant = *this;
        variant.trace = lines;
        variant.traceKey = select;
        return variant;
    }
    constexpr KindVariant acts(HandlerId handler, AfterChange after = AfterChange::None) const
    {
        KindVariant variant = *this;
        variant.action = {handler, after};
        return variant;
    }
};

// Every variant, the on/off kinds' first, each kind's variants together.
std::span<const KindVariant> kind_variants();

// The variants of `kind` that list `product`.
std::vector<const KindVariant*> variants_listing(TableKind kind, int product);

// The variant of `kind` that serves `product` in the selected layout: of those that list the
// product, one whose qualifier fits the layout before an unqualified one; a product listed once
// takes its variant whatever its qualifier. None when no variant lists the product, or when two
// fit equally.
const KindVariant* resolve_variant(TableKind kind, int product, const LayoutSelection& selection);

// The row's enabling rule: the first of the variant's clauses that holds, else its own rule.
const EnablingRule& resolve_rule(const KindVariant& variant, const ClauseInputs& inputs);

// Every (key, product) the table reads: the rows' values, the settings their rules and item sets
// test, and the selects their traces write. Sorted, without repeats.
std::vector<std::pair<SettingKey, int>> table_reads();

} // namespace kivo::settings
