// The all-settings table's layouts: the selection on known examples, and invariants over the whole
// layout data that catch a slip in it without restating it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "settings/table/layout_selection.h"
#include "settings/table/layout_table.h"
#include "text/product_names.h"

using namespace kivo::settings;

namespace {

struct Codes {
    int fm = 0;
    int motion = 0;
    int speaker = 0;
    int info = 0;
};

LayoutKey key(int product, FirmwareQuad version, Codes codes = {})
{
    return {product, version, {codes.fm, codes.motion, codes.speaker, codes.info}};
}

std::vector<const LayoutLine*> lines_of(int product)
{
    std::vector<const LayoutLine*> out;
    for (const LayoutLine& line : layout_lines())
        if (std::find(line.products.begin(), line.products.end(), product) != line.products.end())
            out.push_back(&line);
    return out;
}

std::set<int> all_products()
{
    std::set<int> products;
    for (const LayoutLine& line : layout_lines())
        for (int product : line.products)
            if (product != 0)
                products.insert(product);
    return products;
}

// The version just below a bound, in the bound's own form.
FirmwareQuad just_below(const VersionBound& b)
{
    switch (b.kind) {
    case BoundKind::Full:
        return b.secondary > 0 ? FirmwareQuad{b.major, b.minor, b.secondaryType, b.secondary - 1}
                               : FirmwareQuad{b.major, b.minor, b.secondaryType - 1, 99};
    case BoundKind::Secondary:
        return b.secondary > 0 ? FirmwareQuad{b.major, b.minor, 0, b.secondary - 1}
                               : FirmwareQuad{b.major, b.minor - 1, 0, 99};
    case BoundKind::MajorMinor:
    case BoundKind::None: break;
    }
    return b.minor > 0 ? FirmwareQuad{b.major, b.minor - 1, 0, 0} : FirmwareQuad{b.major - 1, 99, 0, 0};
}

FirmwareQuad at(const VersionBound& b) { return {b.major, b.minor, b.secondaryType, b.secondary}; }

// The values each code takes in the samples, and whether a product's lines test the code.
const std::array<std::vector<int>, 4> kSampleValues = {{{0, 3, 4}, {0, 5, 6}, {-1, 0, 7, 8}, {0, 1, 2, 7}}};

std::array<bool, 4> codes_tested(const std::vector<const LayoutLine*>& lines)
{
    std::array<bool, 4> tested{};
    for (const LayoutLine* line : lines)
        for (const FlagTerm& term : line->flags->terms)
            for (const FlagAtom& atom : term.atoms)
                tested[static_cast<std::size_t>(atom.code)] = true;
    return tested;
}

std::vector<FlagCodes> code_samples(const std::array<bool, 4>& tested)
{
    std::vector<FlagCodes> samples{{}};
    for (std::size_t code = 0; code < 4; ++code) {
        if (!tested[code])
            continue;
        std::vector<FlagCodes> next;
        for (const FlagCodes& s : samples)
            for (int value : kSampleValues[code]) {
                FlagCodes c = s;
                (code == 0 ? c.fm : code == 1 ? c.motion : code == 2 ? c.speaker : c.info) = value;
                next.push_back(c);
            }
        samples = next;
    }
    return samples;
}

std::string run(const std::string& command, int& status)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    status = WEXITSTATUS(pclose(pipe));
    return out;
}

} // namespace

TEST(TableLayout, ExamplesSelectTheirRows)
{
    using enum TableKind;
    const struct {
        int product;
        FirmwareQuad version;
        Codes codes;
        int count; // -1: no layout
        int fullLength;
        int row; // a row worth naming, or -1
        TableKind kind = {}; // its kind
    } cases[] = {
        {0x1234, {1, 0}, {}, -1, 0, -1},
        {0x6A01, {1, 0}, {}, 0, 5, 4, MeshReachOut},
        {0x6828, {1, 0}, {}, 0, 5, 0, HeadsetLanguage},
        {0x4023, {2, 2}, {}, 5, 6, 5, AudioMultitasking},
        {0x4023, {2, 3}, {}, 6, 6, 1, AudioMultitasking},
        {0x4210, {1, 0}, {}, 4, 4, -1},
        {0x4210, {1, 1}, {}, 6, 6, -1},
        {0x4210, {1, 2}, {}, 11, 11, -1},
        {0x4210, {1, 4}, {}, 11, 11, -1},
        {0x4210, {1, 5}, {}, 13, 13, -1},
        {0x4210, {2, 0, 2, 2}, {}, 13, 13, -1},
        {0x4210, {2, 0, 2, 3}, {}, 15, 15, 13, HDSpeakerAccessory},
        {0x4210, {2, 2}, {4, 6, 0, 0}, 13, 13, -1},
        {0x4210, {2, 2}, {3, 6, 0, 0}, 14, 14, 4, VOXPhone},
        {0x4210, {2, 2}, {4, 5, 0, 0}, 14, 14, 4, MotionSensorSensitivity},
        {0x4210, {2, 2}, {4, 0, 0, 0}, 15, 15, -1},
        {0x4210, {2, 4}, {0, 0, 0, 1}, 13, 13, 12, AdvancedNoiseControl},
        {0x4210, {2, 5}, {0, 0, 0, 1}, 15, 15, 13, Speakers},
        {0x3050, {1, 3}, {0, 0, 0, 0}, 3, 3, 1, FMStationGuide},
        {0x3050, {1, 3}, {4, 0, 0, 0}, 2, 2, 1, AdvancedNoiseControl},
        {0x3050, {1, 4}, {0, 0, 0, 0}, 2, 2, 1, FMStationGuide},
        {0x3050, {1, 4}, {4, 0, 0, 0}, 1, 1, 0, VoicePrompt},
        {0x3212, {1, 2}, {0, 0, -1, 0}, 20, 20, 1, MerrowMic},
        {0x3212, {1, 2}, {0, 0, 0, 0}, 18, 18, 1, AudioEqualizer},
        {0x3212, {1, 2}, {0, 0, 7, 0}, 18, 18, -1},
        {0x3212, {1, 2}, {0, 0, 8, 0}, 20, 20, 2, Speakers},
        {0x3211, {1, 3}, {0, 0, -1, 0}, 18, 18, 12, FMStationGuide},
        {0x3211, {4, 3}, {3, 0, 8, 0}, 18, 18, 12, FMStationGuide},
        {0x3211, {4, 3}, {4, 0, 8, 0}, 17, 17, 12, VOXSensitivity},
        {0x3110, {3, 1}, {0, 0, 0, 0}, 18, 18, -1},
        {0x3110, {3, 1}, {4, 0, 0, 0}, 17, 17, -1},
        {0x3110, {3, 4}, {0, 0, 0, 0}, 19, 19, 18, MeshReachOut},
        {0x3110, {3, 4}, {4, 0, 0, 0}, 18, 18, 17, MeshReachOut},
        {0x3560, {1, 4, 0, 2}, {}, 2, 3, 2, LinkbayMicrophoneSensitivity},
        {0x3560, {1, 4, 0, 3}, {}, 3, 3, 2, LinkbayMicrophoneSensitivity},
        {0x3132, {1, 3}, {0, 0, 0, 0}, 19, 19, 18, AudioBoost},
        {0x6030, {1, 0}, {}, 11, 11, 0, AudioMultitaskingForOrlet},
        {0x3142, {1, 0}, {}, 7, 7, 4, MicrophoneSensitivity},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "0x" << c.product << std::dec << " at " << c.version.major << "."
                                        << c.version.minor << "." << c.version.secondaryType << "."
                                        << c.version.secondary << " fm " << c.codes.fm << " motion " << c.codes.motion
                                        << " speaker " << c.codes.speaker << " info " << c.codes.info);
        const std::optional<LayoutSelection> selection = select_layout(key(c.product, c.version, c.codes));
        ASSERT_EQ(selection.has_value(), c.count >= 0);
        if (!selection) {
            EXPECT_EQ(row_kind(selection, 0), std::nullopt);
            continue;
        }
        EXPECT_EQ(selection->count, c.count);
        EXPECT_EQ(selection->fullLength(), c.fullLength);
        if (c.row >= 0) {
            EXPECT_EQ(row_kind(selection, c.row), c.kind) << "row " << c.row;
        }
        EXPECT_EQ(row_kind(selection, -1), std::nullopt);
        EXPECT_EQ(row_kind(selection, selection->fullLength()), std::nullopt);
        EXPECT_NE(row_kind(selection, selection->fullLength() - 1), std::nullopt);
    }
}

TEST(TableLayout, EveryListIsUsedAndEveryCountIsItsList)
{
    std::set<int> used;
    for (const LayoutLine& line : layout_lines()) {
        const RowList* list = row_list(line.list);
        EXPECT_EQ(list == nullptr, line.list == 0) << "list " << line.list;
        EXPECT_EQ(line.count, list ? static_cast<int>(list->rows.size()) : 0) << "list " << line.list;
        used.insert(line.list);
    }
    for (const RowList& list : row_lists())
        EXPECT_TRUE(used.count(list.number)) << "list " << list.number << " is used by no line";
}

TEST(TableLayout, EveryProductIsKnownAndItsLinesTileVersionsAndCodes)
{
    const std::set<int> secondary_products = {0x3560, 0x3570, 0x6812, 0x6814, 0x6831};
    for (int product : all_products()) {
        SCOPED_TRACE(testing::Message() << std::hex << "0x" << product);
        EXPECT_NE(kivo::find_product(product), nullptr) << "no such product";
        const std::vector<const LayoutLine*> lines = lines_of(product);
        std::vector<FirmwareQuad> versions = {{0, 0, 0, 0}};
        for (const LayoutLine* line : lines)
            for (const VersionBound& bound : {line->firmware.from, line->firmware.below}) {
                if (bound.kind == BoundKind::None)
                    continue;
                EXPECT_TRUE(bound.kind != BoundKind::Secondary || secondary_products.count(product));
                EXPECT_TRUE(bound.kind != BoundKind::Full || product == 0x4210);
                versions.push_back(at(bound));
                versions.push_back(just_below(bound));
            }
        for (const FirmwareQuad& version : versions)
            for (const FlagCodes& codes : code_samples(codes_tested(lines))) {
                const long matches = std::count_if(lines.begin(), lines.end(), [&](const LayoutLine* line) {
                    return in_range(version, line->firmware) && holds(*line->flags, codes);
                });
                EXPECT_EQ(matches, 1) << version.major << "." << version.minor << "." << version.secondaryType << "."
                                      << version.secondary << " fm " << codes.fm << " motion " << codes.motion
                                      << " speaker " << codes.speaker << " info " << codes.info;
            }
    }
}

TEST(TableLayout, KindsOfOneTitleShareItsText)
{
    using enum TableKind;
    EXPECT_EQ(table_kind(AudioMultitasking).title, table_kind(AudioMultitaskingForOrlet).title);
    EXPECT_EQ(table_kind(MicrophoneSensitivity).title, table_kind(LinkbayMicrophoneSensitivity).title);
    long on_off = std::count_if(table_kinds().begin(), table_kinds().end(),
                                [](const TableKindInfo& kind) { return kind.cell == CellKind::OnOff; });
    EXPECT_EQ(on_off, 42);
    EXPECT_EQ(static_cast<long>(table_kinds().size()) - on_off, 28);
}

TEST(TableLayoutDump, AnswersArgumentsAndStandardInput)
{
    int status = -1;
    EXPECT_EQ(run(std::string(SETTINGS_TABLE_DUMP) + " layout 0x3050 1.4 fm=4", status),
              "count\t1\tlist\t1\n0\tO\tVoice Prompt\tVoicePrompt\n");
    EXPECT_EQ(status, 0);

    const std::string queries = "0x1234 1.0\\n0x6828 0x1.0\\nbogus\\n0x3560 1.4.0.3 speaker=-1\\n";
    EXPECT_EQ(run("printf '" + queries + "' | " + SETTINGS_TABLE_DUMP + " layout", status),
              "count\t0\tlist\t0\n"
              "count\t0\tlist\t5\n"
              "0\tC\tHeadset Language\tHeadsetLanguage\n"
              "1\tO\tVOX Phone\tVOXPhone\n"
              "2\tO\tVoice Prompt\tVoicePrompt\n"
              "3\tC\tVOX Sensitivity\tVOXSensitivity\n"
              "4\tO\tMesh Reach-Out\tMeshReachOut\n"
              "error\tbogus\n"
              "count\t3\tlist\t3\n"
              "0\tC\tChannel\tChannel\n"
              "1\tC\tVolume\tVolume\n"
              "2\tC\tMicrophone sensitivity\tLinkbayMicrophoneSensitivity\n");
    EXPECT_EQ(status, 1);
}

TEST(TableLayoutDump, RowsNameTheirGetterRulesAndItems)
{
    int status = -1;
    EXPECT_EQ(run(std::string(SETTINGS_TABLE_DUMP) + " rows 0x3500 1.0", status),
              "count\t1\tlist\t3\n"
              "0\tC\tChannel\tChannel\tbasicSettingLinkbayChannelAt (port 0)\tone-based\talways\tChannel 1|Channel "
              "2|Channel 3|Channel 4|Channel 5|Channel 6|Channel 7|Channel 8|Channel 9\tchangeChannel:\tnone\t-\t-\n"
              "1\tC\tVolume\tVolume\tbasicSettingLinkbayVolumeAt (port 1)\tspeaker eight\talways\t1|2|3|4|5\t"
              "changeVolume:\tnone\t-\t-\n"
              "2\tC\tMicrophone sensitivity\tLinkbayMicrophoneSensitivity\t-\t-\t-\t-\t-\t-\t-\t-\n");
    EXPECT_EQ(status, 0);
    const std::string rows = run(std::string(SETTINGS_TABLE_DUMP) + " rows 0x3132 1.3 speaker=0", status);
    EXPECT_NE(rows.find("\n1\tC\tAudio Equalizer\tAudioEqualizer\tGetBasicSettingEgranoEqualizer\tdirect\talways\t"
                        "Off|Balance|Bass Boost|Mid Boost|Treble Boost [GetBasicSettingEgranoSpeakerAccessorySelect=1: "
                        "Music Balance|Music Enhanced|Voice|Bass Boost|Treble Boost]\tchangeAudioEqualizer:\tnone\t"
                        "stringInformationAudioEqualizer\t6\n"),
              std::string::npos)
        << rows;
    EXPECT_NE(rows.find("\n18\tO\tAudio Boost\tAudioBoost\tGetBasicSettingVantorAudioBoost\tinverted\tE2\t-\t"
                        "changeAudioBoost:\tnone\tstringInformationAudioBoost2_old\t2\n"),
              std::string::npos)
        << rows;
    const std::string pack = run(std::string(SETTINGS_TABLE_DUMP) + " rows 0x3340 1.0 pack=2", status);
    EXPECT_NE(pack.find("\tGetBasicSettingyarloUnitLanguage (product id)\tdirect\talways\tRussian|Danish|"),
              std::string::npos)
        << pack;
}
