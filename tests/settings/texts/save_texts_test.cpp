// The words every settings page shows around its save: the Save and Default titles and what a
// failed save names, in every language with English outside 1 to 12, each from one table.

#include <gtest/gtest.h>

#include "settings/texts/save_text_tables.h"
#include "settings/texts/save_texts.h"
#include "tests/text/translation_check.h"

using namespace kivo;
using namespace kivo::settings;

TEST(SaveTexts, TitlesFollowTheLanguageWithEnglishOutsideTheTable)
{
    EXPECT_EQ(SaveTexts::tavk_string_save_in(kEnglish), "SAVE");
    EXPECT_EQ(SaveTexts::tavk_string_save_in(kGerman), "SPEICHERN");
    EXPECT_EQ(SaveTexts::tavk_string_default_in(kEnglish), "DEFAULT");
    EXPECT_EQ(SaveTexts::tavk_string_default_in(kSpanish), "PREDETERMINADO");
    for (int outside : {-1, 13}) {
        EXPECT_EQ(SaveTexts::tavk_string_save_in(outside), "SAVE");
        EXPECT_EQ(SaveTexts::tavk_string_default_in(outside), "DEFAULT");
    }
}

TEST(SaveTexts, CannotSaveNamesTheKeysSetting)
{
    EXPECT_EQ(SaveTexts::tavk_string_cannot_save_in(682, kEnglish), "Cannot save Audio Channel Timeout");
    EXPECT_EQ(SaveTexts::tavk_string_cannot_save_in(239, 99), "Cannot save EDR");
    EXPECT_EQ(SaveTexts::tavk_string_cannot_save_in(671, kEnglish), "Cannot save FM Radio Setting");
    EXPECT_EQ(SaveTexts::tavk_string_cannot_save_in(671, kFrench), "Impossible d'enregistrer Réglages de la radio FM");
    EXPECT_EQ(SaveTexts::tavk_string_cannot_save_in(0x2281, kEnglish), "Cannot save Speed Dial Setting");
    EXPECT_EQ(SaveTexts::tavk_string_cannot_save_in(0x2282, kPolish),
              "Nie można zapisać Ustawienia szybkiego wybierania");
    EXPECT_EQ(SaveTexts::tavk_string_cannot_save_in(654, kGerman), "Geräteeinstellung kann nicht gespeichert werden");
    EXPECT_EQ(SaveTexts::tavk_string_cannot_save_in(1, kEnglish), "Cannot save ") << "a key without a name";
}

TEST(SaveTexts, TranslationsFitTheirEnglish)
{
    using namespace save_text_tables;
    for (const auto& [name, text] :
         {std::pair{"save", &kSave}, std::pair{"default", &kDefault}, std::pair{"cannot save", &kCannotSave}})
        text_check::expect_translations_fit(name, *text);
}
