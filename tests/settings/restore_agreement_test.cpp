// The restore table against the screens that edit the same settings: for every product of the
// restore table, at every firmware band and FM code, each restore row whose setting (or title) the
// fixed panel or the all-settings table also shows is checked over every value that setting's
// change handlers store. The restore text must name the choice the other screen shows: the same
// on/off word, the same item, the same number.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "device/products/classic_panel.h"
#include "device/products/restore_row_lines.h"
#include "settings/panel_layout.h"
#include "settings/panel_rows.h"
#include "settings/panel_visibility.h"
#include "settings/table/handlers.h"
#include "settings/table/layout_table.h"
#include "settings/table/restore_layouts.h"
#include "settings/table/restore_rows.h"
#include "settings/table/row_model.h"
#include "settings/texts/page_texts.h"
#include "text/app_text.h"

using namespace kivo::settings;
using Record = KIVOBluetoothDeviceData;

namespace {

std::string hex(int id)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", id);
    return text;
}

Record record_at(int product, const FirmwareQuad& version)
{
    Record record;
    record.setDeviceRecognized(product);
    record.setDeviceVersionMajor_Minor(version.major, version.minor);
    return record;
}

// Every version at which the restore rows or the all-settings rows of the product may change: the
// lower bounds of both tables' ranges, and 0.0.
std::vector<FirmwareQuad> bands_of(int product)
{
    std::set<std::pair<int, int>> starts = {{0, 0}};
    auto add = [&](const VersionBound& bound) {
        if (bound.kind != BoundKind::None)
            starts.insert({bound.major, bound.minor});
    };
    const std::optional<int> line = kivo::restore_row_line(product);
    for (const RestoreLayout& layout : restore_layouts())
        if (line && layout.line == *line) {
            add(layout.firmware.from);
            add(layout.firmware.below);
        }
    for (const LayoutLine& table_line : layout_lines())
        if (std::find(table_line.products.begin(), table_line.products.end(), product) != table_line.products.end()) {
            add(table_line.firmware.from);
            add(table_line.firmware.below);
        }
    std::vector<FirmwareQuad> versions;
    for (const auto& [major, minor] : starts)
        versions.push_back({major, minor, 0, 0});
    return versions;
}

// The inputs a handler's control can send.
std::vector<int> inputs_of(HandlerControl control, int items)
{
    std::vector<int> inputs;
    const int count = control == HandlerControl::OnOff ? 2 : control == HandlerControl::GainCells ? 3 : items;
    for (int i = 0; i < count; ++i)
        inputs.push_back(i);
    return inputs;
}

// The handlers whose writer for the product stores `key`; where none does, those that store the
// same setting under another key.
std::vector<const Handler*> handlers_of(SettingKey key, const AccessContext& access)
{
    std::vector<const Handler*> exact;
    std::vector<const Handler*> alias;
    for (const Handler& h : handlers()) {
        if (h.control == HandlerControl::Seconds)
            continue;
        const Writer& w = writer_for(h.id, access.product);
        if (w.key && *w.key == key)
            exact.push_back(&h);
        else if (w.key && same_setting(*w.key, key, access))
            alias.push_back(&h);
    }
    return exact.empty() ? alias : exact;
}

struct Difference {
    std::string where;
    std::string restore;
    std::string shown;
};

// The place of a text in a list of English texts; -1 for none.
int place_in(const std::vector<std::string>& list, const std::string& text)
{
    const auto found = std::find(list.begin(), list.end(), text);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

bool number_and_level(const std::string& restore, const std::string& shown)
{
    const int level = place_in({"Low", "Medium", "High"}, shown);
    return level >= 0 && restore == std::to_string(level + 1);
}

bool number_and_channel(const std::string& restore, const std::string& shown) { return "Channel " + restore == shown; }

bool same_preset(const std::string& restore, const std::string& shown)
{
    const int here = place_in({"Music Balance", "Music Enhanced", "Voice", "Bass Boost", "Treble Boost"}, restore);
    return here >= 0 && here == place_in({"Off", "Balance", "Bass Boost", "Mid Boost", "Treble Boost"}, shown);
}

// Differences kept on purpose, each the same choice written another way; every other difference
// fails.
struct ListedDifference {
    std::vector<int> products;
    std::string row; // " <kind code> table <table kind> "
    bool (*sameChoice)(const std::string& restore, const std::string& shown);
};

const std::vector<ListedDifference>& listed_differences()
{
    static const std::vector<ListedDifference> listed = {
        // The level as a number here, as Low, Medium or High in the all-settings table.
        {{0x5622, 0x5623, 0x5624, 0x6400}, " VXS-p2 table VOXSensitivity ", number_and_level},
        // The channel as a number here, as "Channel n" there.
        {{0x3500, 0x3540, 0x3560, 0x3570}, " CH-l table Channel ", number_and_channel},
        // The all-settings table names the Egrano equalizer's presets after the speakers the
        // headset drives (set A unless its speaker select is the Merrow speakers); the restore
        // table names them as its layouts give it, after the Merrow speakers. The preset is the
        // same one.
        {{0x3132, 0x3134, 0x3148, 0x3154, 0x3210, 0x3211, 0x3212, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218, 0x3219,
          0x321C, 0x3900},
         " EQ-e table AudioEqualizer ",
         same_preset},
    };
    return listed;
}

// The listed entry the difference is, if any.
const ListedDifference* listed_difference(const Difference& d)
{
    for (const ListedDifference& listed : listed_differences())
        for (int product : listed.products)
            if (d.where.rfind(hex(product) + " ", 0) == 0 && d.where.find(listed.row) != std::string::npos &&
                listed.sameChoice(d.restore, d.shown))
                return &listed;
    return nullptr;
}

// The choice the panel's row shows for a working copy, in English; none where the row is not
// filled or shows no choice the restore table has.
std::optional<std::string> panel_choice(ClassicRow row, GetterColumn column, const Record& working,
                                        const AccessContext& access)
{
    const std::optional<int> shown = shown_value(row, column, working, access);
    if (!shown)
        return std::nullopt;
    switch (classic_row(row).kind) {
    case ControlKind::Radio:
        return *shown == 0 ? kivo::AppText::tavk_string_enabled_in(0) : kivo::AppText::tavk_string_disabled_in(0);
    case ControlKind::PopUp:
        if (row == ClassicRow::MotionSensorSensitivity) {
            const std::string items[] = {kivo::AppText::tavk_string_disable_in(0),
                                         kivo::SettingsPageTexts::gain_title_in(0, 0),
                                         kivo::SettingsPageTexts::gain_title_in(2, 0)};
            return *shown >= 0 && *shown < 3 ? std::optional<std::string>(items[*shown]) : std::nullopt;
        }
        return *shown >= 0 && *shown < 10 ? std::optional<std::string>(std::to_string(*shown + 1)) : std::nullopt;
    default: return std::nullopt;
    }
}

struct Probe {
    int product;
    FirmwareQuad version;
    int fm;
    int speaker;
    int pack;
};

std::string where_of(const Probe& p, int row, const RestoreKindInfo& kind)
{
    return hex(p.product) + " v" + std::to_string(p.version.major) + "." + std::to_string(p.version.minor) + " fm " +
        std::to_string(p.fm) + " speaker " + std::to_string(p.speaker) + " pack " + std::to_string(p.pack) + " row " +
        std::to_string(row) + " " + std::string(kind.code);
}

Record recognized_at(const Probe& p)
{
    Record record = record_at(p.product, p.version);
    record.setDevicelanguagePackType(p.pack);
    return record;
}

// The restore row `row` of kind `kind` for the working copy as the backup, against what the other
// screen shows for it.
void compare(const Probe& p, int row, const RestoreKindInfo& kind, const std::string& shown, const Record& working,
             const std::string& what, std::vector<Difference>& differences, int& comparisons)
{
    const std::optional<RestoreRow> restored = restore_row(p.product, working, p.fm, row, 0);
    ++comparisons;
    if (!restored || restored->value != shown)
        differences.push_back({where_of(p, row, kind) + " " + what, restored ? restored->value : "(none)", shown});
}

// The all-settings table's rows of the same title or setting as restore row `row`.
void against_table(const Probe& p, int row, const RestoreKindInfo& kind, std::vector<Difference>& differences,
                   int& comparisons)
{
    const Record recognized = recognized_at(p);
    kivo::DeviceSession session;
    session.deviceTarget = p.product;
    session.fmRadioShowAndHide = p.fm;
    session.deviceEgranoSpeakerType = p.speaker;
    const AccessContext access{p.product, p.pack};
    const TableContext probe{session, recognized, recognized, 0};
    for (int t = 0; t < row_count(probe); ++t) {
        const std::optional<ResolvedRow> resolved = resolve_row(probe, t);
        if (!resolved || !resolved->variant)
            continue;
        const KindVariant& variant = *resolved->variant;
        if (table_kind(resolved->kind).title != kind.title && !same_setting(variant.getter, *kind.key, access))
            continue;
        const int items = static_cast<int>(row_items(variant, probe).size());
        for (const Handler* h : handlers_of(variant.getter, access)) {
            for (int input : inputs_of(h->control, items)) {
                Record working = recognized;
                if (!apply_change(h->id, input, access, working))
                    continue;
                const std::optional<RowState> state = build_row({session, recognized, working, 0}, t);
                if (!state || state->selected < 0)
                    continue;
                const std::string shown = state->cell == CellKind::OnOff
                    ? (state->selected == 0 ? kivo::AppText::tavk_string_enabled_in(0)
                                            : kivo::AppText::tavk_string_disabled_in(0))
                    : state->items[static_cast<std::size_t>(state->selected)];
                compare(p, row, kind, shown, working,
                        "table " + std::string(table_kind(resolved->kind).name) + " " + std::string(h->name) + " " +
                            std::to_string(input),
                        differences, comparisons);
            }
        }
    }
}

// The fixed panel's rows of the same title or setting as restore row `row`.
void against_panel(const Probe& p, int row, const RestoreKindInfo& kind, std::vector<Difference>& differences,
                   int& comparisons)
{
    if (kivo::shows_all_settings_table(p.product))
        return;
    const Record recognized = recognized_at(p);
    const AccessContext access{p.product, p.pack};
    const ClassicLayout layout = classic_layout(p.product, recognized);
    const ClassicRows visible = classic_visibility(p.product, recognized);
    for (ClassicRow panel_row : layout.filled) {
        const std::optional<SettingKey> getter = row_getter(panel_row, layout.getters);
        const ClassicRowOutlets& outlets = classic_row(panel_row);
        if (!visible.test(row_bit(panel_row)) || !getter || !outlets.handler)
            continue;
        if (outlets.title != kind.title && !same_setting(*getter, *kind.key, access))
            continue;
        const Handler& h = handler(*outlets.handler);
        for (int input : inputs_of(h.control, 10)) {
            Record working = recognized;
            if (!apply_change(h.id, input, access, working))
                continue;
            if (const std::optional<std::string> shown = panel_choice(panel_row, layout.getters, working, access))
                compare(p, row, kind, *shown, working,
                        "panel " + std::string(outlets.name) + " " + std::string(h.name) + " " + std::to_string(input),
                        differences, comparisons);
        }
    }
}

} // namespace

TEST(RestoreAgreement, RestoreRowsNameTheChoiceTheOtherScreensShow)
{
    std::vector<Difference> differences;
    int comparisons = 0;
    for (const kivo::RestoreRowLine& line : kivo::kRestoreRowLines)
        for (int product : line)
            for (const FirmwareQuad& version : product == 0 ? std::vector<FirmwareQuad>{} : bands_of(product))
                for (int fm : {0, 4})
                    for (int speaker : {0, 8})
                        for (int pack : {0, 1, 2}) {
                            const Probe p{product, version, fm, speaker, pack};
                            const std::optional<Record> backup = recognized_at(p);
                            for (int row = 0; row < restore_row_count(product, backup, fm); ++row) {
                                const std::optional<RestoreRow> zero = restore_row(product, backup, fm, row, 0);
                                if (!zero || !restore_kind(zero->kind).key)
                                    continue;
                                against_table(p, row, restore_kind(zero->kind), differences, comparisons);
                                against_panel(p, row, restore_kind(zero->kind), differences, comparisons);
                            }
                        }
    EXPECT_GT(comparisons, 10000);
    std::set<const ListedDifference*> seen;
    for (const Difference& d : differences)
        if (const ListedDifference* listed = listed_difference(d))
            seen.insert(listed);
        else
            ADD_FAILURE() << d.where << ": restore \"" << d.restore << "\", shown \"" << d.shown << "\"";
    for (const ListedDifference& listed : listed_differences())
        EXPECT_TRUE(seen.count(&listed)) << "no longer differs, unlist it:" << listed.row;
}
