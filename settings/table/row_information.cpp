#include "settings/table/row_information.h"

#include <algorithm>

#include "text/text_format.h"

namespace kivo::settings {
namespace {

bool clause_holds(const InfoClause& clause, const LayoutKey& key, const TableContext& context)
{
    if (!clause.products.empty() &&
        std::find(clause.products.begin(), clause.products.end(), key.product) == clause.products.end())
        return false;
    if (!in_range(key.version, clause.firmware))
        return false;
    if (clause.flags && !holds(*clause.flags, key.codes))
        return false;
    return !clause.select ||
        read(clause.select->key, context.dataCurrent, access_context(context)) == clause.select->value;
}

std::string filled(const std::string& format, std::span<const Translated* const> names, ManagerLanguage language)
{
    const auto name = [&](std::size_t i) -> std::string_view { return localized(*names[i], language); };
    switch (names.size()) {
    case 0: return format;
    case 1: return fill_format(format, {name(0)});
    default: return fill_format(format, {name(0), name(1)});
    }
}

} // namespace

std::optional<InfoShown> row_information_entry(const TableContext& context, int row)
{
    const std::optional<ResolvedRow> resolved = resolve_row(context, row);
    // A row no variant serves shows nothing, its information neither.
    if (!resolved || !resolved->variant || !table_kind(resolved->kind).information)
        return std::nullopt;
    const InfoEntry& entry = *table_kind(resolved->kind).information;
    const LayoutKey key = layout_key(context.session, context.data);
    for (const InfoClause& clause : entry.clauses)
        if (clause_holds(clause, key, context))
            return clause.shows;
    return entry.shows;
}

std::optional<RowInformation> row_information(const TableContext& context, int row)
{
    const std::optional<InfoShown> shown = row_information_entry(context, row);
    if (!shown)
        return std::nullopt;
    const std::string text =
        info_text(shown->text, context.language, context.data.deviceVersionMajor(), context.data.deviceVersionMinor());
    return RowInformation{filled(text, shown->names, context.language), shown->size};
}

} // namespace kivo::settings
