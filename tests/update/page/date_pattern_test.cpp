// Dates written by Unicode date patterns: the fields, their padding, quoted text.

#include <gtest/gtest.h>

#include "update/page/date_pattern.h"

TEST(DatePattern, FieldsPaddingAndQuotedText)
{
    const DateFields date{2024, 3, 5, 14, 7, 9};
    struct Case {
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {"MM/dd/yyyy HH:mm:ss", "03/05/2024 14:07:09"},
        {"dd.MM.yyyy HH:mm:ss", "05.03.2024 14:07:09"},
        {"yyyy/MM/dd", "2024/03/05"},
        {"y-M-d H:m:s", "2024-3-5 14:7:9"},
        {"yy", "24"},
        {"yyyyy", "02024"},
        {"y\u5E74M\u6708d\u65E5", "2024\u5E743\u67085\u65E5"},
        {"'at' HH 'o''clock'", "at 14 o'clock"},
        {"''yy''", "'24'"},
        {"'dd MM", "dd MM"},
        {"EEE, dd", "EEE, 05"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(format_date_pattern(c.pattern, date), c.text) << c.pattern;
    EXPECT_EQ(format_date_pattern("yy/MM", {2007, 12, 1, 0, 0, 0}), "07/12");
}
