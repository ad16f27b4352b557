// The restore table's rows: which rows a product shows for its backup and FM code, what each value
// reads as, the rows whose setting is read where its handler stores it, the interface language,
// a missing backup, and invariants over the layout data that catch a slip in it.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "device/products/restore_row_lines.h"
#include "settings/table/handlers.h"
#include "settings/table/item_texts.h"
#include "settings/table/restore_layouts.h"
#include "settings/table/restore_rows.h"
#include "settings/table/titles.h"

using namespace kivo::settings;
using Record = KIVOBluetoothDeviceData;

namespace {

std::string hex(int id)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", id);
    return text;
}

std::optional<Record> backup_at(int product, int major, int minor)
{
    Record record;
    record.setDeviceRecognized(product);
    record.setDeviceVersionMajor_Minor(major, minor);
    return record;
}

// Title and value of each row, "-" for a row without a cell.
std::vector<std::string> titles_of(int product, const std::optional<Record>& backup, int fm, int language = 0)
{
    std::vector<std::string> titles;
    for (int row = 0; row < restore_row_count(product, backup, fm); ++row) {
        const std::optional<RestoreRow> shown = restore_row(product, backup, fm, row, language);
        titles.push_back(shown ? shown->title : "-");
    }
    return titles;
}

std::string value_of(int product, const std::optional<Record>& backup, int row, int fm = 0, int language = 0)
{
    const std::optional<RestoreRow> shown = restore_row(product, backup, fm, row, language);
    return shown ? shown->value : "(no row)";
}

} // namespace

TEST(RestoreRows, ProductFirmwareAndFmCodeChooseTheRows)
{
    struct Case {
        int product;
        int major;
        int minor;
        int fm;
        int count;
        std::map<int, std::string> titles; // "-": a row without a cell
    };
    const Case cases[] = {
        {0x4210, 1, 0, 0, 4, {{0, "VOX Phone"}, {3, "Intercom-audio Overlay Sensi..."}}},
        {0x4210, 1, 1, 0, 6, {{2, "Motion Sensor Sensitivity"}}},
        {0x4210, 1, 2, 0, 11, {{4, "Motion Sensor Sensitivity"}}},
        {0x4210, 1, 5, 0, 13, {{5, "Motion Sensor Sensitivity"}, {12, "Advanced Noise Control"}}},
        {0x5510, 1, 0, 0, 18, {{17, "Auto Camera Sleep"}}},
        {0x5510, 1, 1, 0, 18, {{17, "\u25B6 Music"}, {13, "Loop Recording Mode"}}},
        {0x5510, 2, 0, 0, 22, {}},
        {0x5510, 2, 2, 0, 23, {}},
        {0x5510, 3, 0, 0, 25, {{24, "Auto Camera Sleep"}}},
        {0x3032, 1, 3, 4, 2, {{0, "Voice Prompt"}, {1, "Advanced Noise Control"}}},
        {0x3032, 1, 4, 4, 2, {{0, "Voice Prompt"}, {1, "-"}}},
        {0x3032, 2, 0, 0, 3, {{0, "Voice Prompt"}, {1, "FM Station Guide"}, {2, "-"}}},
        {0x3132, 1, 0, 0, 18, {{16, "Intercom-audio Overlay Sensi..."}, {17, "-"}}},
        {0x4D06, 1, 0, 0, 4, {{0, "-"}, {3, "-"}}},
        {0x6114, 1, 0, 0, 8, {{7, "-"}}},
        {0x3360, 1, 0, 0, 0, {}},
        {0x5345, 1, 0, 0, 0, {}},
        {0x3500, 2, 1, 0, 0, {}},
        {0x3500, 2, 2, 0, 1, {{0, "Channel"}}},
        {0x1234, 1, 0, 0, 0, {}},
        {0x3142, 2, 1, 4, 7, {{0, "Unit Language"}, {6, "Smartphone Connection"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(hex(c.product) + " at " + std::to_string(c.major) + "." + std::to_string(c.minor) + " fm " +
                     std::to_string(c.fm));
        const std::vector<std::string> titles = titles_of(c.product, backup_at(c.product, c.major, c.minor), c.fm);
        ASSERT_EQ(static_cast<int>(titles.size()), c.count);
        for (const auto& [row, title] : c.titles)
            EXPECT_EQ(titles[static_cast<std::size_t>(row)], title) << "row " << row;
    }
    // A row outside the count has no cell either.
    EXPECT_FALSE(restore_row(0x4210, backup_at(0x4210, 1, 0), 0, 4, 0));
    EXPECT_FALSE(restore_row(0x4210, backup_at(0x4210, 1, 0), 0, -1, 0));
}

TEST(RestoreRows, ValueRulesAndTheirBounds)
{
    using R = RestoreRule;
    struct Case {
        RestoreRule rule;
        int value;
        std::string text;
        int pack = 0;
    };
    const Case cases[] = {
        {R::O, 0, "Disabled"},
        {R::O, 1, "Enabled"},
        {R::O, 2, "Enabled"},
        {R::I, 0, "Enabled"},
        {R::I, 1, "Disabled"},
        {R::I, 2, "Enabled"},
        {R::Z, 0, "Enabled"},
        {R::Z, 1, "Disabled"},
        {R::N, -3, "-3"},
        {R::NPlus1, INT_MAX, "2147483648"},
        {R::NMinus1, 0, "-1"},
        {R::NMinus7, INT_MIN, "-2147483655"},
        {R::ElevenMinusN, 0, "11"},
        {R::ElevenMinusN, 10, "1"},
        {R::L3, 0, "Disable"},
        {R::L3, 1, "Low"},
        {R::L3, 2, "Medium"},
        {R::L3, 3, "High"},
        {R::L3, 9, "High"},
        {R::L3, -1, "High"},
        {R::LM, 0, "High"},
        {R::LM, 1, "Disable"},
        {R::LM, 2, "Low"},
        {R::LG, 0, "Low"},
        {R::LG, 1, "Medium"},
        {R::LG, 2, "High"},
        {R::LG, -1, "High"},
        {R::ES, 0, "Medium"},
        {R::ES, 1, "Low"},
        {R::ES, 3, "High"},
        {R::ES, 4, "Medium"},
        {R::ES, INT_MIN, "Medium"},
        {R::P, 1, "Music"},
        {R::P, 0, "Intercom"},
        {R::P, -1, "Intercom"},
        {R::E1, 0, "Off"},
        {R::E1, 1, "Balance"},
        {R::E1, 4, "Treble Boost"},
        {R::E1, 5, "Off"},
        {R::E1, -1, "Off"},
        {R::E2, 0, "Music Balance"},
        {R::E2, 1, "Music Enhanced"},
        {R::E2, 4, "Treble Boost"},
        {R::E2, 5, "Music Balance"},
        {R::EC, 0, "ESS LIGHT"},
        {R::EC, 1, "Headlight + ESS"},
        {R::EC, 3, "Disabled function"},
        {R::EC, 5, "ESS LIGHT"},
        {R::CH, 0, "0"},
        {R::CH, 1, "CH 1 (Common)"},
        {R::CH, 9, "CH 9"},
        {R::CH, 10, "10"},
        {R::PH, 0, "Single Shot"},
        {R::PH, 1, "Burst Shot"},
        {R::VM, 0, "Video Mode"},
        {R::VM, 1, "Timelapse Mode"},
        {R::VM, 2, "Loop Recording Mode"},
        {R::VM, 3, "Timelapse Mode"},
        {R::VR, 0, "1080p/30fps"},
        {R::VR, 1, "720p/60fps"},
        {R::VR, 2, "720p/30fps"},
        {R::VR, -1, "720p/30fps"},
        {R::TL, 0, "1 sec"},
        {R::TL, 1, "10 secs"},
        {R::LR, 0, "1 min"},
        {R::LR, 1, "3 mins"},
        {R::LR, 2, "5 mins"},
        {R::U1, 10, "Finnish"},
        {R::U1, 13, "English"},
        {R::U1, -1, "English"},
        {R::U2, 11, "Norwegian"},
        {R::U2, 12, "Swedish"},
        {R::U2, 13, "Brazilian Portuguese"},
        {R::U2, 14, "English"},
        {R::U3, 5, "Dutch"},
        {R::U3, 6, "Chinese"},
        {R::U3, 10, "Czech"},
        {R::U3, 11, "English"},
        {R::U3, 0, "Russian", 2},
        {R::U3, 1, "Danish", 2},
        {R::U3, 0, "English", 1},
        {R::U3, 9, "Greek", 1},
        {R::U3, 10, "English", 1},
        {R::U4, 8, "Korean"},
        {R::U4, 9, "Czech"},
        {R::U4, 10, "Brazilian Portuguese"},
        {R::U4, 11, "Czech"},
        {R::U4, 12, "Brazilian Portuguese"},
        {R::U4, 13, "English"},
        {R::UQ, 0, "English"},
        {R::UQ, 1, "Chinese"},
        {R::UQ, 7, "English"},
        {R::UD, 0, "\u666E\u901A\u8BDD"},
        {R::UD, 6, "\u53F0\u6E7E\u8BDD"},
        {R::UD, 7, "\u666E\u901A\u8BDD"},
        {R::Blank, 1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(restore_value_text(c.rule, c.value, 0, c.pack), c.text)
            << restore_rule_name(c.rule) << " of " << c.value << " in pack " << c.pack;
}

TEST(RestoreRows, RowsReadWhereTheirHandlersStoreTheSetting)
{
    const AccessContext none{};
    auto stored = [](int product, int major, int minor, std::initializer_list<std::pair<HandlerId, int>> changes) {
        std::optional<Record> backup = backup_at(product, major, minor);
        for (const auto& [id, input] : changes)
            apply_change(id, input, {product, 0}, *backup);
        return backup;
    };
    using H = HandlerId;

    // The voice assistant follows its own bit; the voice prompt beside it stays.
    for (int column : {0, 1}) {
        const auto backup = stored(0x3132, 1, 0, {{H::changeVoiceAssistant, column}});
        EXPECT_EQ(value_of(0x3132, backup, 8), column == 0 ? "Enabled" : "Disabled");
        EXPECT_EQ(value_of(0x3132, backup, 9), value_of(0x3132, backup_at(0x3132, 1, 0), 9));
    }
    Record auto_on = *backup_at(0x6028, 1, 0);
    write(SettingKey::AutoOnOff, auto_on, 1, none);
    EXPECT_EQ(value_of(0x6028, auto_on, 2), "Enabled");

    struct Case {
        int product;
        HandlerId handler;
        int input;
        int row;
        std::string text;
    };
    const Case cases[] = {
        {0x3128, H::changeMeshPublicChannel, 0, 0, "CH 1 (Common)"},
        {0x3128, H::changeMeshPublicChannel, 8, 0, "CH 9"},
        {0x3560, H::changeChannel, 2, 0, "3"},
        {0x3560, H::changeVolume, 4, 1, "5"},
        {0x6510, H::changeVOXSensitivity, 4, 5, "5"},
        {0x6038, H::changeVOXSensitivity, 0, 8, "1"},
        {0x6038, H::changeSmartNaviSystem2, 0, 4, "Enabled"},
        {0x6038, H::changeAutoOff, 0, 5, "Enabled"},
        {0x6038, H::changeSimpleUI, 1, 6, "Disabled"},
        {0x3161, H::changeMeshPublicChannel, 3, 0, "4"},
        {0x3161, H::changeRemoteUIPTT, 1, 2, "Disabled"},
        {0x321D, H::changeHVOX, 0, 2, "Enabled"},
        {0x683A, H::changeUnitLanguage, 2, 0, "\u5E7F\u4E1C\u8BDD"},
        {0x6808, H::changeUnitLanguage, 1, 0, "Chinese"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(hex(c.product) + " " + std::string(handler(c.handler).name) + " " + std::to_string(c.input));
        EXPECT_EQ(value_of(c.product, stored(c.product, 2, 2, {{c.handler, c.input}}), c.row), c.text);
    }

    // The 0x3142 switches kept outside the backup: their rows stay, without a value.
    Record oem = *backup_at(0x3142, 2, 1);
    oem.setVARGOFMRadio(1);
    oem.setVARGOSmartphoneConnet(1);
    EXPECT_EQ(
        titles_of(0x3142, oem, 0),
        (std::vector<std::string>{"Unit Language", "Sidetone", "FM Station Guide", "Audio Overlay Volume Management",
                                  "Intercom-audio Overlay Sensi...", "FM Radio", "Smartphone Connection"}));
    EXPECT_EQ(value_of(0x3142, oem, 5), "");
    EXPECT_EQ(value_of(0x3142, oem, 6), "");
    EXPECT_EQ(titles_of(0x3161, backup_at(0x3161, 1, 0), 0),
              (std::vector<std::string>{"Channel Select", "Unit Language", "Remote UI RTT"}));
    EXPECT_EQ(titles_of(0x6038, backup_at(0x6038, 1, 0), 0)[4], "Smart Navi System");
    EXPECT_EQ(titles_of(0x6038, backup_at(0x6038, 1, 0), 0)[5], "AUTO OFF");
    EXPECT_EQ(titles_of(0x6038, backup_at(0x6038, 1, 0), 0)[6], "Simple Mode");
}

TEST(RestoreRows, InterfaceLanguageAndAMissingBackup)
{
    const std::optional<Record> backup = backup_at(0x4210, 1, 5);
    // Polish is entry 12 of every table; a language outside 0 to 12 reads English.
    EXPECT_EQ(restore_row(0x4210, backup, 0, 11, 12)->title, "Dog\u0142os");
    EXPECT_EQ(restore_row(0x4210, backup, 0, 11, 12)->value, "Wy\u0142\u0105czone");
    EXPECT_EQ(restore_row(0x4210, backup, 0, 4, 12)->value, "Wy\u0142\u0105cz");
    for (int language : {-1, 13, 99}) {
        EXPECT_EQ(titles_of(0x4210, backup, 0, language), titles_of(0x4210, backup, 0, 0)) << language;
        EXPECT_EQ(restore_row(0x4210, backup, 0, 4, language)->value, "Disable") << language;
    }
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language)
        for (const std::string& title : titles_of(0x5510, backup_at(0x5510, 3, 0), 0, language))
            EXPECT_FALSE(title.empty()) << language;

    // Without a backup: the newest range, every value read from zero.
    EXPECT_EQ(restore_row_count(0x4210, std::nullopt, 0), 13);
    EXPECT_EQ(value_of(0x4210, std::nullopt, 5), "High");
    EXPECT_EQ(value_of(0x4210, std::nullopt, 0), "Disabled");
    EXPECT_EQ(restore_row_count(0x3500, std::nullopt, 0), 1);
    EXPECT_EQ(restore_row_count(0x1234, std::nullopt, 0), 0);
}

TEST(RestoreRows, LayoutDataHoldsItsInvariants)
{
    // Every line's first product names its layouts, and its layouts stand together.
    std::set<int> leads;
    for (const kivo::RestoreRowLine& line : kivo::kRestoreRowLines)
        EXPECT_TRUE(leads.insert(line[0]).second) << hex(line[0]);
    std::vector<int> order;
    for (const RestoreLayout& layout : restore_layouts()) {
        EXPECT_TRUE(leads.count(layout.line)) << hex(layout.line) << " leads no line";
        if (order.empty() || order.back() != layout.line) {
            EXPECT_EQ(std::count(order.begin(), order.end(), layout.line), 0) << hex(layout.line) << " is split";
            order.push_back(layout.line);
        }
    }
    EXPECT_EQ(order.size(), kivo::kRestoreRowLines.size());

    // For each line and FM code the ranges are contiguous from no bound to no bound: at each
    // bound and below it, exactly one layout holds, and every layout holds somewhere.
    std::set<const RestoreLayout*> reached;
    for (int lead : leads) {
        std::set<std::pair<int, int>> versions = {{0, 0}, {99, 9}};
        for (const RestoreLayout& layout : restore_layouts())
            if (layout.line == lead)
                for (const VersionBound& bound : {layout.firmware.from, layout.firmware.below})
                    if (bound.kind != BoundKind::None) {
                        EXPECT_EQ(bound.kind, BoundKind::MajorMinor);
                        versions.insert({bound.major, bound.minor});
                        versions.insert(
                            {bound.minor > 0 ? bound.major : bound.major - 1, bound.minor > 0 ? bound.minor - 1 : 9});
                    }
        for (const auto& [major, minor] : versions)
            for (int fm : {0, 3, 4}) {
                int holding = 0;
                for (const RestoreLayout& layout : restore_layouts())
                    if (layout.line == lead && (!layout.fm || holds(*layout.fm, {.fm = fm})) &&
                        in_range({major, minor, 0, 0}, layout.firmware))
                        ++holding;
                EXPECT_EQ(holding, 1) << hex(lead) << " at " << major << "." << minor << " fm " << fm;
                reached.insert(select_restore_layout(lead, backup_at(lead, major, minor), fm));
            }
    }
    EXPECT_EQ(reached.size(), restore_layouts().size()) << "a layout no version reaches";

    // Every kind is shown somewhere, and its title is a shared text.
    std::set<RestoreKind> used;
    for (const RestoreLayout& layout : restore_layouts())
        for (RestoreKind kind : layout.cells.list())
            used.insert(kind);
    std::set<const kivo::Translated*> shared;
    for (const auto& entry : titles::kAllTitles)
        shared.insert(entry.text);
    for (const auto& entry : item_texts::kAllItemTexts)
        shared.insert(entry.text);
    std::set<std::string_view> codes;
    for (const RestoreKindInfo& kind : restore_kinds()) {
        EXPECT_TRUE(used.count(kind.kind)) << kind.code << " is in no layout";
        EXPECT_TRUE(codes.insert(kind.code).second) << kind.code;
        EXPECT_TRUE(shared.count(kind.title)) << kind.code << " has a title of its own";
        EXPECT_EQ(kind.key.has_value(), kind.rule != RestoreRule::Blank) << kind.code;
    }
}
