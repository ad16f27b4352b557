// The recognition page's texts: instructions, the two messages, the names of settings a
// write-back can fail on and the link's status texts.

#include <gtest/gtest.h>

#include "tests/text/translation_check.h"
#include "text/recognition_texts.h"
#include "text/tables/setting_keys_table.h"

using kivo::RecognitionTexts;

TEST(RecognitionTexts, InstructionsNameTheNextButtonOfTheLanguage)
{
    EXPECT_EQ(RecognitionTexts::stringInstruction(kivo::kEnglish),
              "1. Power off your product and connect it to your computer using the supplied USB\n     cable.\n\n"
              "2. Press the [NEXT >] button.");
    EXPECT_EQ(RecognitionTexts::stringInstructionPressNextButtonAt(2, kivo::kGerman),
              "2. Drücken Sie die Schaltfläche [WEITER >].");
}

TEST(RecognitionTexts, MessagesFallBackToEnglishOutsideTheirTables)
{
    const std::string restart_english =
        "Restarting Manager may fix this problem.\nWould you like to restart Manager?\n";
    EXPECT_EQ(RecognitionTexts::stringMessageRestartingManager("Manager", kivo::kCzech), restart_english);
    EXPECT_EQ(RecognitionTexts::stringMessageRestartingManager("Manager", 42), restart_english);
    EXPECT_NE(RecognitionTexts::stringMessageRestartingManager("Manager", kivo::kFinnish), restart_english);

    // The format stops at Finnish; the setting names go on to Polish.
    EXPECT_EQ(RecognitionTexts::tavk_string_cannot_restore_in(664, kivo::kCzech), "Cannot restore HLASOVÝ interkom");
    EXPECT_EQ(RecognitionTexts::tavk_string_cannot_restore_in(664, kivo::kEnglish), "Cannot restore VOX Intercom");
    EXPECT_EQ(RecognitionTexts::tavk_string_cannot_restore_in(671, kivo::kFrench),
              "Impossible de restaurer Réglages de la radio FM");
    EXPECT_EQ(RecognitionTexts::tavk_string_cannot_restore_in(1234, kivo::kEnglish), "Cannot restore ");
}

TEST(RecognitionTexts, LinkStatusTextsAreTranslatedAndOthersAreNot)
{
    EXPECT_EQ(RecognitionTexts::tavk_string_for_status_in("Device recognized successfully", kivo::kSpanish),
              "Dispositivo reconocido correctamente");
    EXPECT_EQ(RecognitionTexts::tavk_string_for_status_in("Firmware management mode", kivo::kEnglish),
              "Firmware management mode");
    EXPECT_EQ(RecognitionTexts::tavk_string_for_status_in("Device not available", kivo::kEnglish), std::nullopt);
}

TEST(RecognitionTexts, EverySettingKeyIsNamedInEveryLanguage)
{
    for (const auto& entry : kivo::text_tables::kSettingKeyNames) {
        for (const char* name : entry.name->translations)
            ASSERT_NE(name, nullptr) << entry.key;
        text_check::expect_translations_fit(entry.name->english, *entry.name);
    }
}
