// Prints what the all-settings table shows, for review:
//   settings_table_dump layout PID MAJOR.MINOR[.TYPE.NUMBER] [fm=N] [motion=N] [speaker=N] [info=N]
//   settings_table_dump rows   (the same query) [pack=N]
// Without a query after the command it reads one query per line from standard input. For each query
// it prints "count<TAB>N<TAB>list<TAB>M" (rows shown, rows of the full list), then one line per row
// of the full list: index, O or C, English title, kind id; "rows" goes on with the getter (and its
// argument), the mapping or index rule, the enabling rule and, for a choice, the English items
// joined by "|" (an equalizer's other set follows in brackets with the select that shows it), read
// from an all-zero working copy, then the handler ("changeSidetone:"), the rule after a change
// ("none", "refresh", "A" to "E"), the information text ("stringInformationSidetone") and its box
// size; a row no variant serves, or a kind without information, shows "-" there. pack=N is the recognized
// device's language-pack type. A malformed query prints "error<TAB>query" and the rest go on; the
// exit status is then 1. Numbers are decimal or 0x hexadecimal and may be negative; an absent code
// is 0.

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "settings/table/layout_selection.h"
#include "settings/table/row_actions.h"
#include "settings/table/row_information.h"
#include "settings/table/row_model.h"

using namespace kivo::settings;

namespace {

std::optional<int> number(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 0);
    if (*end != '\0' || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<FirmwareQuad> version(const std::string& text)
{
    std::vector<int> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, '.')) {
        const std::optional<int> n = number(part);
        if (!n)
            return std::nullopt;
        parts.push_back(*n);
    }
    if (!text.empty() && text.back() == '.')
        return std::nullopt;
    if (parts.size() == 2)
        return FirmwareQuad{parts[0], parts[1], 0, 0};
    if (parts.size() == 4)
        return FirmwareQuad{parts[0], parts[1], parts[2], parts[3]};
    return std::nullopt;
}

struct Query {
    LayoutKey key;
    int pack = 0;
};

std::optional<Query> parse(const std::vector<std::string>& words)
{
    if (words.size() < 2)
        return std::nullopt;
    Query query;
    LayoutKey& key = query.key;
    const std::optional<int> product = number(words[0]);
    const std::optional<FirmwareQuad> quad = version(words[1]);
    if (!product || !quad)
        return std::nullopt;
    key.product = *product;
    key.version = *quad;
    for (std::size_t i = 2; i < words.size(); ++i) {
        const auto eq = words[i].find('=');
        if (eq == std::string::npos)
            return std::nullopt;
        const std::string name = words[i].substr(0, eq);
        const std::optional<int> value = number(words[i].substr(eq + 1));
        if (!value)
            return std::nullopt;
        int* code = name == "fm" ? &key.codes.fm
            : name == "motion"   ? &key.codes.motion
            : name == "speaker"  ? &key.codes.speaker
            : name == "info"     ? &key.codes.info
            : name == "pack"     ? &query.pack
                                 : nullptr;
        if (!code)
            return std::nullopt;
        *code = *value;
    }
    return query;
}

std::string getter_text(SettingKey key)
{
    const Setting& row = setting(key);
    std::string text(row.getterName);
    switch (row.argument) {
    case ArgumentKind::None: break;
    case ArgumentKind::ProductId: text += " (product id)"; break;
    case ArgumentKind::Port: text += " (port " + std::to_string(row.port) + ")"; break;
    case ArgumentKind::PackType: text += " (pack type)"; break;
    }
    return text;
}

std::string joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : "|") + item;
    return text;
}

std::string english(std::span<const kivo::Translated* const> texts)
{
    std::vector<std::string> items;
    for (const kivo::Translated* text : texts)
        items.emplace_back(text->english);
    return joined(items);
}

// handler, after-change rule, information text, box size.
std::string action_columns(const TableContext& context, int row)
{
    const std::optional<ResolvedAction> action = row_action(context, row);
    const std::optional<InfoShown> information = row_information_entry(context, row);
    std::string text = action
        ? std::string(handler(action->handler).name) + ":\t" + std::string(after_change_name(action->after))
        : "-\t-";
    text += information ? "\tstringInformation" + std::string(info_text_name(information->text)) + "\t" +
            std::to_string(information->size)
                        : "\t-\t-";
    return text;
}

// getter, rule of mapping or index, enabling rule, items; then the action's columns.
std::string row_columns(const TableContext& context, int row)
{
    const std::optional<ResolvedRow> resolved = resolve_row(context, row);
    if (!resolved || !resolved->variant)
        return "-\t-\t-\t-\t" + action_columns(context, row);
    const KindVariant& variant = *resolved->variant;
    const bool on_off = table_kind(resolved->kind).cell == CellKind::OnOff;
    std::string items = on_off ? "-" : joined(row_items(variant, context));
    if (!on_off && !variant.items->switchTexts.empty())
        items = english(variant.items->texts) + " [" + std::string(setting(variant.items->switchKey).getterName) + "=" +
            std::to_string(variant.items->switchValue) + ": " + english(variant.items->switchTexts) + "]";
    return getter_text(variant.getter) + "\t" +
        std::string(on_off ? mapping_name(variant.mapping) : index_rule_name(variant.index)) + "\t" +
        rule_name(*resolved->rule) + "\t" + items + "\t" + action_columns(context, row);
}

void print(const Query& query, bool rows)
{
    const std::optional<LayoutSelection> selection = select_layout(query.key);
    const int full = selection ? selection->fullLength() : 0;
    std::printf("count\t%d\tlist\t%d\n", selection ? selection->count : 0, full);

    kivo::DeviceSession session;
    session.deviceTarget = query.key.product;
    session.fmRadioShowAndHide = query.key.codes.fm;
    session.motionSensorShowAndHide = query.key.codes.motion;
    session.deviceEgranoSpeakerType = query.key.codes.speaker;
    session.deviceInfoStatus = query.key.codes.info;
    KIVOBluetoothDeviceData device;
    device.setDeviceVersion(query.key.version);
    device.setDevicelanguagePackType(query.pack);
    const KIVOBluetoothDeviceData working;
    const TableContext context{session, device, working, kivo::kEnglish};

    for (int row = 0; row < full; ++row) {
        const TableKindInfo& kind = table_kind(*row_kind(selection, row));
        std::printf("%d\t%s\t%s\t%.*s", row, kind.cell == CellKind::OnOff ? "O" : "C", kind.title->english,
                    static_cast<int>(kind.name.size()), kind.name.data());
        if (rows)
            std::printf("\t%s", row_columns(context, row).c_str());
        std::printf("\n");
    }
}

// True when the query was well formed.
bool answer(const std::vector<std::string>& words, const std::string& text, bool rows)
{
    const std::optional<Query> query = parse(words);
    if (!query) {
        std::printf("error\t%s\n", text.c_str());
        return false;
    }
    print(*query, rows);
    return true;
}

std::vector<std::string> split(const std::string& line)
{
    std::vector<std::string> words;
    std::stringstream in(line);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command != "layout" && command != "rows") {
        std::fprintf(stderr,
                     "usage: settings_table_dump layout|rows [PID MAJOR.MINOR[.TYPE.NUMBER] [fm=N] [motion=N] "
                     "[speaker=N] [info=N] [pack=N]]\n");
        return 2;
    }
    const bool rows = command == "rows";
    bool all_well = true;
    if (argc > 2) {
        std::vector<std::string> words(argv + 2, argv + argc);
        std::string query;
        for (const std::string& word : words)
            query += (query.empty() ? "" : " ") + word;
        all_well = answer(words, query, rows);
    } else {
        for (std::string line; std::getline(std::cin, line);) {
            const std::vector<std::string> words = split(line);
            if (!words.empty())
                all_well = answer(words, line, rows) && all_well;
        }
    }
    std::fflush(stdout);
    return all_well ? 0 : 1;
}
