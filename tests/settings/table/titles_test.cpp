// The title registry: one text per English title, and every translation fit to stand in for it.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/table/titles.h"
#include "tests/app/text/translation_check.h"

TEST(SettingTitles, OneEntryPerEnglishTitleAndTranslationsFit)
{
    std::set<std::string> english;
    for (const auto& entry : kivo::settings::titles::kAllTitles) {
        EXPECT_TRUE(english.insert(entry.text->english).second) << entry.name << " repeats an English title";
        text_check::expect_translations_fit(entry.name, *entry.text);
    }
}
