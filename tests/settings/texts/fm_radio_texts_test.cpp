// The FM radio page's texts: English exactly as the screens show it, every translation with the
// English placeholders and line breaks, the frequency slots filled from text, and English outside
// 1 to 12.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/texts/fm_radio_text_tables.h"
#include "settings/texts/fm_radio_texts.h"
#include "tests/text/translation_check.h"

using namespace kivo;
using namespace kivo::settings;

namespace {

size_t count_of(std::string_view text, std::string_view part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

} // namespace

TEST(FmRadioTexts, EveryTranslationFitsItsEnglish)
{
    using namespace fm_radio_text_tables;
    const std::vector<std::pair<std::string_view, const Translated*>> tables = {
        {"Region", &kRegion},
        {"FM Radio Presets", &kFMRadioPresets},
        {"RDS AF", &kRDSAF},
        {"shortcut label", &kShortCutFMRadioPreset},
        {"RDS information", &kInformationRDS},
        {"preset warning", &kMessageFMRadioPreset},
        {"preset range", &kPresetRange},
    };
    for (const auto& [name, text] : tables) {
        text_check::expect_translations_fit(name, *text);
        for (const char* translation : text->translations)
            EXPECT_NE(translation, nullptr) << name;
    }
    // The frequency slots are not printf's: each translation keeps both.
    for (const Translated* text : {&kMessageFMRadioPreset, &kPresetRange})
        for (const char* translation : text->translations)
            EXPECT_EQ(count_of(translation, "%0.1f"), 2u) << translation;
}

TEST(FmRadioTexts, EnglishAsShownAndFilled)
{
    EXPECT_EQ(FmRadioTexts::stringShortCutFMRadioPreset(kEnglish),
              "Check Box: [O]-No.     FM Radio Setting: [S][C]-No.");
    EXPECT_EQ(FmRadioTexts::stringMessageFMRadioPreset(kEnglish, "87.5", "108.0"),
              " FM Radio preset should be between 87.5\n MHz and 108.0 MHz. Enter valid value\n again.");
    EXPECT_EQ(FmRadioTexts::stringPresetRange(kEnglish, "87.5", "95.0"), "(87.5 MHz ~ 95.0 MHz)");
    EXPECT_EQ(FmRadioTexts::stringRDSAF(kSpanish), "AF (Frecuencias Alternat.) RDS");
    EXPECT_TRUE(FmRadioTexts::stringInformationRDS(kEnglish).starts_with(
        "[RDS (Radio Data System) AF (Alternative Frequencies)]\nRDS AF (Radio Data System Alternative Frequencies) "
        "enables"));
    EXPECT_EQ(FmRadioTexts::stringShortCutFMRadioPreset(kGerman),
              "Kontrollkästchen: [O]-Nr.     UKW-Radio-Einstellung: [S][C]-Nr.");
    for (int outside : {-1, 13})
        EXPECT_EQ(FmRadioTexts::stringRegion(outside), "Region");
    EXPECT_EQ(FmRadioTexts::stringRegion(kPolish), "Region");
    EXPECT_EQ(fill_decimal_slots("%0.1f to %0.1f and %0.1f", {"1.0", "2.0"}), "1.0 to 2.0 and %0.1f");
}
