// The information texts: each id has its own name, which the dumps and traces print, and resolves
// to its text in every language; the video mode and automatic power off follow their own rules.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings/texts/information_texts.h"
#include "tests/text/translation_check.h"

using namespace kivo::settings;

namespace {

// Formats whose every name is one setting's title: seven translations name the setting where the
// English does not, so a translation holds "%@" at most as often as the screens pass the name.
const std::map<InfoText, std::size_t> kOneNameFormats = {{InfoText::AdvancedNoiseControl, 1},
                                                         {InfoText::HDIntercom, 1},
                                                         {InfoText::VOXIntercom, 2},
                                                         {InfoText::NavigationAppOverlay, 2}};

void expect_one_name_format(const kivo::Translated& table, std::size_t names)
{
    for (const char* translation : table.translations) {
        SCOPED_TRACE(translation);
        const std::vector<std::string> placeholders = kivo::format_placeholders(translation);
        EXPECT_LE(placeholders.size(), names);
        for (const std::string& placeholder : placeholders)
            EXPECT_EQ(placeholder, "%@");
        EXPECT_TRUE(text_check::valid_utf8(translation));
        EXPECT_EQ(text_check::line_breaks(translation), text_check::line_breaks(table.english));
    }
}

} // namespace

TEST(InformationTexts, EveryIdHasItsOwnName)
{
    std::set<std::string> names;
    for (InfoText id : all_info_texts()) {
        const std::string name(info_text_name(id));
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(names.insert(name).second) << name;
    }
    EXPECT_EQ(info_text_name(InfoText::AudioBoost2_old), "AudioBoost2_old");
    EXPECT_EQ(info_text_name(InfoText::ACTUnit), "ACTUnit");
}

TEST(InformationTexts, EveryIdResolvesToItsTextWithEnglishOutsideTheTable)
{
    for (InfoText id : all_info_texts()) {
        SCOPED_TRACE(std::string(info_text_name(id)));
        const std::string english = info_text(id, 0);
        EXPECT_FALSE(english.empty());
        EXPECT_EQ(info_text(id, -1), english);
        EXPECT_EQ(info_text(id, 13), english);
        EXPECT_EQ(info_text(id, kivo::kTranslationCount + 100), english);
        if (const kivo::Translated* table = info_text_table(id)) {
            EXPECT_EQ(english, table->english);
            EXPECT_EQ(info_text(id, kivo::kPolish), table->translations[kivo::kPolish - 1]);
            if (const auto named = kOneNameFormats.find(id); named != kOneNameFormats.end())
                expect_one_name_format(*table, named->second);
            else
                text_check::expect_translations_fit(info_text_name(id), *table);
        }
    }
    EXPECT_EQ(info_text(InfoText::MessageACT, 0),
              "Audio Channel Timeout should be between 3 and 60. Enter valid value again.");
    EXPECT_EQ(info_text(InfoText::NoteApply, 0), "NOTE: Changes will be applied after device restarts.");
    EXPECT_EQ(info_text(InfoText::ACTUnit, 0), "seconds (3 ~ 60)");
    // Written as the original has them: double blanks and misspellings included.
    EXPECT_NE(info_text(InfoText::HDIntercom, 0).find("the coupled  intercom"), std::string::npos);
    EXPECT_NE(info_text(InfoText::AutoOff, 0).find("connection.  To turn"), std::string::npos);
}

TEST(InformationTexts, FormatsComeBackUnfilled)
{
    auto placeholders = [](const std::string& text) {
        std::size_t count = 0;
        for (auto at = text.find("%@"); at != std::string::npos; at = text.find("%@", at + 2))
            ++count;
        return count;
    };
    EXPECT_EQ(placeholders(info_text(InfoText::RTG, 0)), 2u);
    EXPECT_EQ(placeholders(info_text(InfoText::ACT, 0)), 2u);
    EXPECT_EQ(placeholders(info_text(InfoText::EDR43, 0)), 1u);
    EXPECT_EQ(placeholders(info_text(InfoText::EDR43, kivo::kKorean)), 1u);
}

TEST(InformationTexts, VideoModeByFirmwareAndAutomaticPowerOffByLanguage)
{
    for (int language : {0, static_cast<int>(kivo::kGerman)}) {
        const std::string two = info_text(InfoText::VideoMode, language, 1, 9);
        const std::string three = info_text(InfoText::VideoMode, language, 2, 0);
        EXPECT_NE(two, three);
        EXPECT_EQ(info_text(InfoText::VideoMode, language, 3, 1), three);
        EXPECT_EQ(info_text(InfoText::VideoMode, language, 0, 0), two);
    }
    EXPECT_NE(info_text(InfoText::VideoMode, 0, 2, 0).find("loop recording mode"), std::string::npos);
    EXPECT_EQ(info_text(InfoText::VideoMode, 0, 1, 9).find("loop recording mode"), std::string::npos);

    const std::string english = info_text(InfoText::AutomaticPowerOff, 0);
    EXPECT_TRUE(english.starts_with("[Automatic Power Off]\nWhen Automatic Power Off is enabled"));
    EXPECT_EQ(info_text(InfoText::AutomaticPowerOff, kivo::kFrench), english);
    EXPECT_EQ(info_text(InfoText::AutomaticPowerOff, kivo::kKorean), english);
    const std::string japanese = info_text(InfoText::AutomaticPowerOff, kivo::kJapanese);
    const std::string chinese = info_text(InfoText::AutomaticPowerOff, kivo::kChinese);
    EXPECT_NE(japanese, english);
    EXPECT_NE(chinese, english);
    EXPECT_NE(chinese, japanese);
    EXPECT_TRUE(chinese.starts_with("[Automatic Power Off]\n")) << "the Chinese text keeps the English heading";
}
