// The settings page's own words: button titles in every language (More Settings in English for
// Czech and Polish), the gain cells, the notes, the timeout's unit label and what a failed save names.

#include <gtest/gtest.h>

#include "settings/texts/page_texts.h"
#include "tests/app/text/translation_check.h"

using kivo::SettingsPageTexts;
using namespace kivo::text_tables;

TEST(SettingsPageTexts, TitlesFollowTheLanguageWithEnglishOutsideTheTable)
{
    EXPECT_EQ(SettingsPageTexts::tavk_string_save_in(0), "SAVE");
    EXPECT_EQ(SettingsPageTexts::tavk_string_save_in(2), "SPEICHERN");
    EXPECT_EQ(SettingsPageTexts::tavk_string_default_in(13), "DEFAULT");
    EXPECT_EQ(SettingsPageTexts::tavk_string_default_in(-1), "DEFAULT");
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

TEST(SettingsPageTexts, CannotSaveNamesTheKeysSetting)
{
    EXPECT_EQ(SettingsPageTexts::tavk_string_cannot_save_in(682, 0), "Cannot save Audio Channel Timeout");
    EXPECT_EQ(SettingsPageTexts::tavk_string_cannot_save_in(239, 99), "Cannot save EDR");
    EXPECT_EQ(SettingsPageTexts::tavk_string_cannot_save_in(0x2281, 0), "Cannot save Speed Dial Setting");
    EXPECT_EQ(SettingsPageTexts::tavk_string_cannot_save_in(0x2282, kivo::kPolish),
              "Nie można zapisać Ustawienia szybkiego wybierania");
    EXPECT_EQ(SettingsPageTexts::tavk_string_cannot_save_in(654, kivo::kGerman),
              "Geräteeinstellung kann nicht gespeichert werden");
    EXPECT_EQ(SettingsPageTexts::tavk_string_cannot_save_in(1, 0), "Cannot save ") << "a key without a name";
}

TEST(SettingsPageTexts, TranslationsFitTheirEnglish)
{
    for (const auto& [name, text] :
         {std::pair{"save", &kSettingsSave}, std::pair{"default", &kSettingsDefault},
          std::pair{"more settings", &kSettingsMoreSettings}, std::pair{"note EDR", &kNoteEDR},
          std::pair{"note apply", &kNoteApply}, std::pair{"low", &kGainLow}, std::pair{"medium", &kGainMedium},
          std::pair{"high", &kGainHigh}, std::pair{"cannot save", &kCannotSave}})
        text_check::expect_translations_fit(name, *text);
}
