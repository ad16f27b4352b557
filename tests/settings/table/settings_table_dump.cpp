// Prints what the all-settings table shows, for review:
//   settings_table_dump layout PID MAJOR.MINOR[.TYPE.NUMBER] [fm=N] [motion=N] [speaker=N] [info=N]
// Without a query after "layout" it reads one query per line from standard input. For each query
// it prints "count<TAB>N<TAB>list<TAB>M" (rows shown, rows of the full list), then one line per row
// of the full list: index, O or C, English title, kind id. A malformed query prints
// "error<TAB>query" and the rest go on; the exit status is then 1. Numbers are decimal or 0x
// hexadecimal and may be negative; an absent code is 0.

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "settings/table/layout_selection.h"

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

std::optional<LayoutKey> parse(const std::vector<std::string>& words)
{
    if (words.size() < 2)
        return std::nullopt;
    LayoutKey key;
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
                                 : nullptr;
        if (!code)
            return std::nullopt;
        *code = *value;
    }
    return key;
}

void print(const LayoutKey& key)
{
    const std::optional<LayoutSelection> selection = select_layout(key);
    const int full = selection ? selection->fullLength() : 0;
    std::printf("count\t%d\tlist\t%d\n", selection ? selection->count : 0, full);
    for (int row = 0; row < full; ++row) {
        const TableKindInfo& kind = table_kind(*row_kind(selection, row));
        std::printf("%d\t%s\t%s\t%.*s\n", row, kind.cell == CellKind::OnOff ? "O" : "C", kind.title->english,
                    static_cast<int>(kind.name.size()), kind.name.data());
    }
}

// True when the query was well formed.
bool answer(const std::vector<std::string>& words, const std::string& query)
{
    const std::optional<LayoutKey> key = parse(words);
    if (!key) {
        std::printf("error\t%s\n", query.c_str());
        return false;
    }
    print(*key);
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
    if (argc < 2 || std::string(argv[1]) != "layout") {
        std::fprintf(stderr,
                     "usage: settings_table_dump layout [PID MAJOR.MINOR[.TYPE.NUMBER] [fm=N] [motion=N] "
                     "[speaker=N] [info=N]]\n");
        return 2;
    }
    bool all_well = true;
    if (argc > 2) {
        std::vector<std::string> words(argv + 2, argv + argc);
        std::string query;
        for (const std::string& word : words)
            query += (query.empty() ? "" : " ") + word;
        all_well = answer(words, query);
    } else {
        for (std::string line; std::getline(std::cin, line);) {
            const std::vector<std::string> words = split(line);
            if (!words.empty())
                all_well = answer(words, line) && all_well;
        }
    }
    std::fflush(stdout);
    return all_well ? 0 : 1;
}
