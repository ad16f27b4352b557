// The words the FM radio and speed-dial pages share with the backup summary: every entry there and
// well formed, the entries the tables were written from, and English or region 0 outside the range.

#include <gtest/gtest.h>

#include <string>

#include "tests/text/translation_check.h"
#include "text/setting_words.h"

using namespace kivo;

TEST(SettingWords, EveryLanguageHasEveryWord)
{
    for (int language = 0; language < kInterfaceLanguageCount; ++language) {
        SCOPED_TRACE(testing::Message() << "language " << language);
        for (const std::string& word :
             {empty_entry_in(language), speed_dial_label_in(language), fm_region_name_in(0, language),
              fm_region_name_in(1, language), fm_region_name_in(2, language), fm_region_name_in(3, language),
              fm_region_name_in(4, language), fm_region_name_in(5, language)}) {
            EXPECT_FALSE(word.empty());
            EXPECT_TRUE(text_check::valid_utf8(word)) << word;
        }
    }
}

TEST(SettingWords, EntriesAsTheyStandAndTheirFallbacks)
{
    EXPECT_EQ(empty_entry_in(kEnglish), "Empty");
    EXPECT_EQ(empty_entry_in(kGerman), "Leer");
    EXPECT_EQ(empty_entry_in(kJapanese), "未入力");
    EXPECT_EQ(speed_dial_label_in(kFrench), "Appel Rapide");
    EXPECT_EQ(speed_dial_label_in(kPolish), "Szybkie wybieranie");
    EXPECT_EQ(fm_region_name_in(4, kEnglish), "Europe");
    EXPECT_EQ(fm_region_name_in(0, kFrench), "Monde");
    EXPECT_EQ(fm_region_name_in(1, kGerman), "Amerika");
    EXPECT_EQ(fm_region_name_in(5, kChinese), "日本");

    EXPECT_EQ(empty_entry_in(-1), "Empty");
    EXPECT_EQ(speed_dial_label_in(13), "Speed Dial");
    EXPECT_EQ(fm_region_name_in(3, 13), "Australia");
    EXPECT_EQ(fm_region_name_in(6, kEnglish), "Worldwide");
    EXPECT_EQ(fm_region_name_in(-1, kItalian), "Tutto il mondo");
}
