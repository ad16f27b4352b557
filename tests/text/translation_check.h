#pragma once
// Checks that every translation of a text can stand in for its English: the same placeholders in
// the same order (so a fill never shifts or drops an argument), the same line breaks, and valid,
// non-empty UTF-8.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "text/localized.h"
#include "text/text_format.h"

namespace text_check {

inline bool valid_utf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        auto lead = static_cast<unsigned char>(s[i]);
        std::size_t extra = lead < 0x80 ? 0
            : (lead >> 5) == 0x6        ? 1
            : (lead >> 4) == 0xE        ? 2
            : (lead >> 3) == 0x1E       ? 3
                                        : 4;
        if (extra == 4 || i + extra >= s.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2)
                return false;
        i += extra + 1;
    }
    return true;
}

inline std::size_t line_breaks(std::string_view s)
{
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), '\n'));
}

inline void expect_translations_fit(std::string_view name, const kivo::Translated& text)
{
    const auto english = kivo::format_placeholders(text.english);
    for (int language = 1; language <= kivo::kTranslationCount; ++language) {
        const char* translation = text.translations[static_cast<std::size_t>(language - 1)];
        if (!translation)
            continue;
        SCOPED_TRACE(testing::Message() << name << " in language " << language << ": \"" << translation << "\"");
        EXPECT_FALSE(std::string_view(translation).empty());
        EXPECT_TRUE(valid_utf8(translation));
        EXPECT_EQ(kivo::format_placeholders(translation), english);
        EXPECT_EQ(line_breaks(translation), line_breaks(text.english));
    }
}

} // namespace text_check
