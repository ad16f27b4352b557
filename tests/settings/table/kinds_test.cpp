// The kinds' variants against the layouts: every row a layout shows has exactly one variant, every
// variant serves a known product on some layout, and the texts rows show are whole in every
// language.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "settings/table/item_texts.h"
#include "settings/table/kinds.h"
#include "settings/table/layout_table.h"
#include "tests/settings/table/table_device.h"
#include "tests/text/translation_check.h"
#include "text/product_names.h"

using namespace kivo::settings;

namespace {

// The selection a layout line gives, as select_layout() would return it.
LayoutSelection selection_of(std::size_t index)
{
    const LayoutLine& line = layout_lines()[index];
    const RowList* list = row_list(line.list);
    return {line.count, static_cast<int>(index), list ? list->rows : std::span<const TableKind>{}, line.heldBack};
}

void expect_whole(std::string_view name, const kivo::Translated& text)
{
    for (const char* translation : text.translations)
        EXPECT_NE(translation, nullptr) << name << " misses a language";
    text_check::expect_translations_fit(name, text);
}

} // namespace

TEST(TableKinds, EveryShownRowHasOneVariantAndEveryVariantServesAProduct)
{
    std::set<std::pair<const KindVariant*, int>> served;
    for (std::size_t index = 0; index < layout_lines().size(); ++index) {
        const LayoutSelection selection = selection_of(index);
        for (int product : layout_lines()[index].products) {
            if (product == 0)
                continue;
            for (int row = 0; row < selection.fullLength(); ++row) {
                const TableKind kind = *row_kind(selection, row);
                const KindVariant* variant = resolve_variant(kind, product, selection);
                if (variant)
                    served.emplace(variant, product);
                else
                    EXPECT_GE(row, selection.count)
                        << "line " << index << " shows row " << row << " " << table_kind(kind).name << " of "
                        << hex(product) << " without a variant";
            }
        }
    }
    for (const KindVariant& variant : kind_variants())
        for (int product : variant.products) {
            EXPECT_NE(kivo::find_product(product), nullptr) << hex(product) << " is no product";
            EXPECT_TRUE(served.count({&variant, product}))
                << table_kind(variant.kind).name << " of " << hex(product) << " (" << setting(variant.getter).name
                << ") serves no layout";
        }
}

TEST(TableKinds, OnlyQualifiedVariantsShareAProduct)
{
    std::map<std::pair<TableKind, int>, int> unqualified;
    const auto count = [&](TableKind kind, int product) { return ++unqualified[std::pair{kind, product}]; };
    for (const KindVariant& variant : kind_variants()) {
        EXPECT_EQ(variant.items == nullptr, table_kind(variant.kind).cell == CellKind::OnOff)
            << table_kind(variant.kind).name;
        if (variant.qualifier != LayoutQualifier::Any)
            continue;
        for (int product : variant.products) {
            EXPECT_EQ(count(variant.kind, product), 1)
                << table_kind(variant.kind).name << " of " << hex(product) << " stands under two variants";
        }
    }
}

TEST(TableKinds, ItemTextsAreOneTextPerEnglishAndWholeInEveryLanguage)
{
    std::set<std::string> english;
    for (const auto& entry : titles::kAllTitles)
        english.insert(entry.text->english);
    for (const auto& entry : item_texts::kAllItemTexts) {
        // "Video Mode" is a title and an item: the item is the title's entry, not a copy.
        EXPECT_TRUE(english.insert(entry.text->english).second) << entry.name << " repeats an English text";
        expect_whole(entry.name, *entry.text);
    }
    for (const kivo::Translated* name : item_texts::kUnitLanguageNames)
        expect_whole(name->english, *name);
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language)
        EXPECT_STREQ(localized(*item_texts::kUnitLanguageNames[22], language), "Slovene");
}

TEST(TableKinds, TheTableReadsRowValuesRuleSettingsAndSpeakerSelects)
{
    const std::vector<std::pair<SettingKey, int>> reads = table_reads();
    const auto reads_for = [&](SettingKey key, int product) {
        return std::binary_search(reads.begin(), reads.end(), std::pair{key, product});
    };
    EXPECT_TRUE(reads_for(SettingKey::BriskoAudioMultitaskingSensitivity, 0x4310)); // a row's value
    EXPECT_TRUE(reads_for(SettingKey::BriskoAudioMultitasking, 0x4310)); // what its rule tests
    EXPECT_TRUE(reads_for(SettingKey::VantorHDSpeakerAccessory, 0x3110)); // a clause's rule, E4 from 3.1
    EXPECT_FALSE(reads_for(SettingKey::VantorHDSpeakerAccessory, 0x3114)); // no clause names it
    EXPECT_TRUE(reads_for(SettingKey::EgranoSpeakerAccessorySelect, 0x3215)); // the select of its items
    EXPECT_FALSE(reads_for(SettingKey::BriskoAudioMultitasking, 0x3110));
}
