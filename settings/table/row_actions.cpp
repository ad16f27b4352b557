#include "settings/table/row_actions.h"

#include "device/products/overlay_exclusion.h"

namespace kivo::settings {
namespace {

using K = SettingKey;

// The coupling after the handler stored the change: it reads the working copy as the handler left
// it. True when every row must be rebuilt.
bool couple(AfterChange after, const AccessContext& access, Record& working)
{
    const auto is_on = [&](SettingKey key) { return read(key, working, access) == 1; };
    const auto set = [&](SettingKey key, int value) { write(key, working, value, access); };
    switch (after) {
    case AfterChange::None: return false;
    case AfterChange::Refresh: return true;
    case AfterChange::OverlayExcludesHd:
        if (is_on(K::VantorAudioOverlay)) {
            set(K::VantorHDIntercom, 0);
            set(K::HeronyxHDVoice, 0);
        }
        return true;
    case AfterChange::HdIntercomExcludesOverlay:
        if (is_on(K::VantorHDIntercom))
            set(K::VantorAudioOverlay, 0);
        return true;
    case AfterChange::HdVoiceExcludesOverlay:
        if (is_on(K::HeronyxHDVoice))
            set(K::VantorAudioOverlay, 0);
        return true;
    case AfterChange::RecordingGetsSources:
        // Touching the master while no source records gives it three; the phone stays off.
        if (working.emptyCheckSpeakerSoundRecording()) {
            set(K::WispenCameraSpeakerSoundRecordingMusic, 1);
            set(K::WispenCameraSpeakerSoundRecordingFMRadio, 1);
            set(K::WispenCameraSpeakerSoundRecordingIntercom, 1);
        }
        return true;
    case AfterChange::LastSourceStopsRecording:
        if (!working.emptyCheckSpeakerSoundRecording())
            return false;
        set(K::WispenCameraSpeakerSoundRecording, 0);
        return true;
    }
    return false;
}

bool change_row(const ChangeContext& context, int row, CellKind cell, int column_or_index)
{
    const TableContext table{context.session, context.data, context.dataCurrent, kEnglish};
    const std::optional<ResolvedAction> action = row_action(table, row);
    if (!action || action->cell != cell)
        return false;
    const AccessContext access = access_context(table);
    apply_change(action->handler, column_or_index, access, context.dataCurrent);
    return couple(action->after, access, context.dataCurrent);
}

} // namespace

AfterChange after_change_for(AfterChange after, int product)
{
    if (overlay_excludes_hd(product))
        return after;
    switch (after) {
    case AfterChange::OverlayExcludesHd: return AfterChange::Refresh;
    case AfterChange::HdIntercomExcludesOverlay:
    case AfterChange::HdVoiceExcludesOverlay: return AfterChange::None;
    default: return after;
    }
}

std::optional<ResolvedAction> row_action(const TableContext& context, int row)
{
    const std::optional<ResolvedRow> resolved = resolve_row(context, row);
    if (!resolved || !resolved->variant || !resolved->variant->action.handler)
        return std::nullopt;
    const RowAction& action = resolved->variant->action;
    return ResolvedAction{resolved->kind, table_kind(resolved->kind).cell, *action.handler,
                          after_change_for(action.after, context.session.deviceTarget)};
}

bool change_on_off(const ChangeContext& context, int row, int column)
{
    return change_row(context, row, CellKind::OnOff, column);
}

bool change_choice(const ChangeContext& context, int row, int index)
{
    return change_row(context, row, CellKind::Choice, index);
}

} // namespace kivo::settings
