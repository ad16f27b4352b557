// The settings page's own words: More Settings in every language (in English for Czech and Polish),
// the gain cells, the notes and the timeout's unit label.

#include <gtest/gtest.h>

#include "settings/texts/page_texts.h"
#include "tests/text/translation_check.h"

using kivo::SettingsPageTexts;
using namespace kivo::text_tables;

TEST(SettingsPageTexts, TitlesFollowTheLanguageWithEnglishOutsideTheTable)
{
    EXPECT_EQ(SettingsPageTexts::tavk_string_more_settings_in(1), "PLUS DE RÉGLAGES");
    EXPECT_EQ(SettingsPageTexts::tavk_string_more_settings_in(10), "LISÄÄ ASETUKSIA");
    EXPECT_EQ(SettingsPageTexts::tavk_string_more_settings_in(11), "MORE SETTINGS");
    EXPECT_EQ(SettingsPageTexts::tavk_string_more_settings_in(12), "MORE SETTINGS");
    EXPECT_EQ(SettingsPageTexts::gain_title_in(0, 0), "Low");
    EXPECT_EQ(SettingsPageTexts::gain_title_in(1, 0), "Medium");
    EXPECT_EQ(SettingsPageTexts::gain_title_in(2, 2), "Hoch");
    EXPECT_EQ(SettingsPageTexts::gain_title_in(7, 0), "Medium");
    EXPECT_EQ(SettingsPageTexts::stringNoteApply(0), "NOTE: Changes will be applied after device restarts.");
    EXPECT_EQ(SettingsPageTexts::stringACTUnit(0), "seconds (3 ~ 60)");
    EXPECT_NE(SettingsPageTexts::stringACTUnit(1).find(" (3 ~ 60)"), std::string::npos);
    EXPECT_NE(SettingsPageTexts::stringACTUnit(1), SettingsPageTexts::stringACTUnit(0));
}

TEST(SettingsPageTexts, TranslationsFitTheirEnglish)
{
    for (const auto& [name, text] :
         {std::pair{"more settings", &kSettingsMoreSettings}, std::pair{"note EDR", &kNoteEDR},
          std::pair{"note apply", &kNoteApply}, std::pair{"low", &kGainLow}, std::pair{"medium", &kGainMedium},
          std::pair{"high", &kGainHigh}})
        text_check::expect_translations_fit(name, *text);
}
