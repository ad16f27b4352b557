// The information-text ids: each has its own name, which the dumps and traces print.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/texts/information_texts.h"

using namespace kivo::settings;

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
