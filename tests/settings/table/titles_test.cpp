// The title registry: one text per English title, every title in every language and every
// translation fit to stand in for it.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "device/device_data.h"
#include "settings/table/titles.h"
#include "tests/text/translation_check.h"

TEST(SettingTitles, OneEntryPerEnglishTitleAndTranslationsFit)
{
    std::set<std::string> english;
    for (const auto& entry : kivo::settings::titles::kAllTitles) {
        EXPECT_TRUE(english.insert(entry.text->english).second) << entry.name << " repeats an English title";
        for (const char* translation : entry.text->translations)
            EXPECT_NE(translation, nullptr) << entry.name << " misses a language";
        text_check::expect_translations_fit(entry.name, *entry.text);
    }
}

TEST(SettingTitles, OneWordReadsTheSameWhereTheWindowShowsItTwice)
{
    using namespace kivo::settings::titles;
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
        SCOPED_TRACE(language);
        const auto tab = KIVOBluetoothDeviceData::getTabText_With_In(3, false, language);
        ASSERT_TRUE(tab.has_value());
        EXPECT_EQ(tab->text, localized(kFMRadio, language));
        EXPECT_STREQ(localized(kRemoteUIRTT, language), "Remote UI RTT");
    }
    EXPECT_STREQ(localized(kVoicePrompt, kivo::kGerman), "Sprachansage");
}
