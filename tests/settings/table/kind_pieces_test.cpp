// Every kind of the all-settings table has the pieces a row is made of: a title of the registry,
// an information text in every language (or none, said in its row), a handler for its cell, a
// variant that says which setting it reads for which products, and a layout line that shows it.
// A kind that lacks one is named with the piece and where it goes, not found later as a blank
// cell or a row no layout reaches.

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/table/kinds.h"
#include "settings/table/layout_table.h"
#include "settings/table/titles.h"

using namespace kivo::settings;

namespace {

struct Piece {
    std::string_view name;
    std::string_view where;
};

constexpr Piece kTitle{"title", "a title of settings/table/titles.h, listed in kAllTitles"};
constexpr Piece kInformationText{"information text",
                                 "its texts in settings/texts in every language, or kNoInformation in its row"};
constexpr Piece kHandler{"handler", "its row of table_kind.cpp: a handler of handlers.h that sends its cell"};
constexpr Piece kVariant{"variant", "a variant in on_off_variants.cpp or choice_variants.cpp"};
constexpr Piece kLayoutLine{"layout line", "a row list of row_lists.cpp that a line of layout_lines.cpp shows"};

// What the pieces are looked up in.
struct Tables {
    std::span<const titles::TitleEntry> titles;
    std::span<const KindVariant> variants;
    std::span<const LayoutLine> lines;
};

bool has_text(const InfoShown& shown)
{
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language)
        if (info_text(shown.text, language).empty())
            return false;
    return true;
}

bool shown_by_a_line(TableKind kind, std::span<const LayoutLine> lines)
{
    for (const LayoutLine& line : lines) {
        const RowList* list = row_list(line.list);
        if (!list)
            continue;
        const std::span<const TableKind> shown = list->rows.first(static_cast<std::size_t>(line.count));
        if (std::find(shown.begin(), shown.end(), kind) != shown.end())
            return true;
    }
    return false;
}

std::vector<const Piece*> missing_pieces(const TableKindInfo& kind, const Tables& tables)
{
    std::vector<const Piece*> missing;
    if (std::none_of(tables.titles.begin(), tables.titles.end(),
                     [&](const titles::TitleEntry& entry) { return entry.text == kind.title; }))
        missing.push_back(&kTitle);
    if (kind.information) {
        bool whole = has_text(kind.information->shows);
        for (const InfoClause& clause : kind.information->clauses)
            whole = whole && has_text(clause.shows);
        if (!whole)
            missing.push_back(&kInformationText);
    }
    const HandlerControl control = kind.cell == CellKind::OnOff ? HandlerControl::OnOff : HandlerControl::PopUp;
    if (!kind.action.handler || handler(*kind.action.handler).control != control)
        missing.push_back(&kHandler);
    if (std::none_of(tables.variants.begin(), tables.variants.end(),
                     [&](const KindVariant& variant) { return variant.kind == kind.kind; }))
        missing.push_back(&kVariant);
    if (!shown_by_a_line(kind.kind, tables.lines))
        missing.push_back(&kLayoutLine);
    return missing;
}

std::vector<std::string_view> names(const std::vector<const Piece*>& pieces)
{
    std::vector<std::string_view> out;
    for (const Piece* piece : pieces)
        out.push_back(piece->name);
    return out;
}

} // namespace

TEST(TableKindPieces, EveryKindHasItsTitleInformationHandlerVariantAndLayoutLine)
{
    const Tables tables{titles::kAllTitles, kind_variants(), layout_lines()};
    for (const TableKindInfo& kind : table_kinds())
        for (const Piece* piece : missing_pieces(kind, tables))
            ADD_FAILURE() << kind.name << " lacks its " << piece->name << ": " << piece->where;
}

TEST(TableKindPieces, AKindWithoutItsTablesIsNamedWithEachMissingPiece)
{
    // A kind as a newcomer might leave it: a title written but not registered, an information
    // text id without a text, no handler, and neither variant nor layout line.
    const kivo::Translated unregistered{"Unregistered", {}};
    const InfoEntry textless{{static_cast<InfoText>(250), 2}};
    TableKindInfo kind = table_kind(TableKind::AudioBoost);
    kind.title = &unregistered;
    kind.information = &textless;
    kind.action = {};
    EXPECT_EQ(names(missing_pieces(kind, {titles::kAllTitles, {}, {}})),
              (std::vector<std::string_view>{"title", "information text", "handler", "variant", "layout line"}));

    // A handler that sends another cell than the kind's is no handler for it.
    kind = table_kind(TableKind::AudioBoost);
    kind.action = {HandlerId::changeUnitLanguage};
    EXPECT_EQ(names(missing_pieces(kind, {titles::kAllTitles, kind_variants(), layout_lines()})),
              (std::vector<std::string_view>{"handler"}));
}
