#include "settings/table/row_model.h"

#include <algorithm>

#include "common/system_log.h"
#include "text/app_text.h"

namespace kivo::settings {
namespace {

void write_trace(const KindVariant& variant, const TableContext& context, const AccessContext& access)
{
    const auto recognized = [&](SettingKey key) { return read(key, context.data, access); };
    const auto working = [&](SettingKey key) { return read(key, context.dataCurrent, access); };
    switch (variant.trace) {
    case RowTrace::RecognizedAndWorking: {
        const std::string name(setting(variant.getter).getterName);
        system_log("appController " + name + " [" + std::to_string(recognized(variant.getter)) + "]");
        system_log("dataCurrent " + name + " [" + std::to_string(working(variant.getter)) + "]");
        break;
    }
    case RowTrace::SpeakerValue:
        system_logf("speaker value =[%d], curr[%d]", recognized(variant.traceKey), working(variant.traceKey));
        break;
    case RowTrace::SpeakerValueFrom1_2:
        system_logf("speaker value 1.2 =[%d], curr[%d]", recognized(variant.traceKey), working(variant.traceKey));
        break;
    case RowTrace::Speaker: system_logf("speaker [%d]", working(variant.traceKey)); break;
    case RowTrace::None:
    case RowTrace::SelectedLanguage: break;
    }
}

} // namespace

AccessContext access_context(const TableContext& context)
{
    return {context.session.deviceTarget, context.data.devicelanguagePackType()};
}

int row_count(const TableContext& context)
{
    const std::optional<LayoutSelection> selection = select_layout(layout_key(context.session, context.data));
    return selection ? selection->count : 0;
}

std::optional<ResolvedRow> resolve_row(const TableContext& context, int row)
{
    const LayoutKey key = layout_key(context.session, context.data);
    const std::optional<LayoutSelection> selection = select_layout(key);
    const std::optional<TableKind> kind = row_kind(selection, row);
    if (!kind)
        return std::nullopt;
    int occurrence = 0;
    for (int earlier = 0; earlier < row; ++earlier)
        occurrence += row_kind(selection, earlier) == kind ? 1 : 0;
    const KindVariant* variant = resolve_variant(*kind, key.product, *selection);
    const EnablingRule* rule =
        variant ? &resolve_rule(*variant, {key.product, key.version, key.codes, occurrence}) : nullptr;
    return ResolvedRow{*kind, occurrence, variant, rule};
}

std::vector<std::string> row_items(const KindVariant& variant, const TableContext& context)
{
    if (!variant.items)
        return {};
    return items_of(
        *variant.items,
        {context.dataCurrent, context.data, access_context(context), context.language, table_kind(variant.kind).title});
}

std::optional<RowState> build_row(const TableContext& context, int row)
{
    const std::optional<ResolvedRow> resolved = resolve_row(context, row);
    if (!resolved || !resolved->variant)
        return std::nullopt;
    const KindVariant& variant = *resolved->variant;
    const TableKindInfo& kind = table_kind(resolved->kind);
    const AccessContext access = access_context(context);

    RowState state{kind.kind, kind.cell, localized(*kind.title, context.language),
                   {},        {},        {},
                   -1,        true,      kind.information != nullptr};
    const int value = read(variant.getter, context.dataCurrent, access);
    if (kind.cell == CellKind::OnOff) {
        state.enableTitle = AppText::tavk_string_enable_in(context.language);
        state.disableTitle = AppText::tavk_string_disable_in(context.language);
        state.selected = selected_column(variant.mapping, value);
        write_trace(variant, context, access);
    } else {
        write_trace(variant, context, access);
        state.items = row_items(variant, context);
        state.selected = selected_item(variant.index, value, static_cast<int>(state.items.size()));
        if (variant.trace == RowTrace::SelectedLanguage)
            system_logf("PQPQ # %d", value);
    }
    state.enabled =
        enabled_by(*resolved->rule, {context.dataCurrent, context.data, context.session.deviceInfoStatus, access});
    return state;
}

} // namespace kivo::settings
