#pragma once
// Interface languages and the shape of a translated text. Every text the user sees exists in the
// 13 interface languages; English is the fallback of every table.

#include <array>
#include <cstddef>
#include <cstdint>

namespace kivo {

// An interface language, 0 to 12 (see LanguageId).
using ManagerLanguage = std::int32_t;
// A language name: 0 to 12 as ManagerLanguage, 13 to 20 only as devices' voice-prompt languages.
using LanguageNameIndex = std::int32_t;

enum LanguageId : std::int32_t {
    kEnglish = 0,
    kFrench,
    kGerman,
    kItalian,
    kJapanese,
    kKorean,
    kSpanish,
    kDutch,
    kRussian,
    kChinese,
    kFinnish,
    kCzech,
    kPolish,
    kDanish,
    kNorwegian,
    kSwedish,
    kTurkish,
    kHungarian,
    kPortuguese,
    kHebrew,
    kGreek,
};

inline constexpr int kInterfaceLanguageCount = 13;
inline constexpr int kTranslationCount = kInterfaceLanguageCount - 1;
inline constexpr int kLanguageNameCount = 21;

// One text: the English literal and its translations, entry L-1 for language L (French to Polish).
// A null entry is a language the text is not translated into; it shows the English text.
struct Translated {
    const char* english;
    std::array<const char*, kTranslationCount> translations;
};

// The English text for 0 and any language outside 1 to 12 or not covered by the table.
constexpr const char* localized(const Translated& text, ManagerLanguage language)
{
    if (language < 1 || language > kTranslationCount)
        return text.english;
    const char* translation = text.translations[static_cast<std::size_t>(language - 1)];
    return translation ? translation : text.english;
}

// Tables that cover only some languages; the others keep English.
constexpr Translated korean_only(const char* english, const char* korean)
{
    Translated text{english, {}};
    text.translations[kKorean - 1] = korean;
    return text;
}

constexpr Translated french_to_finnish(const char* english, const std::array<const char*, 10>& in)
{
    Translated text{english, {}};
    for (std::size_t i = 0; i < in.size(); ++i)
        text.translations[i] = in[i];
    return text;
}

constexpr Translated italian_to_polish(const char* english, const std::array<const char*, 10>& in)
{
    Translated text{english, {}};
    for (std::size_t i = 0; i < in.size(); ++i)
        text.translations[i + 2] = in[i];
    return text;
}

// The form the settings and update pages keep their setting names and values in: one entry per
// interface language, English first.
using LabelTable = std::array<const char*, kInterfaceLanguageCount>;

// Entry `language` of the table; English for a language outside 0 to 12 or an empty entry.
constexpr const char* label_in(const LabelTable& table, ManagerLanguage language)
{
    if (language < 0 || language >= kInterfaceLanguageCount)
        return table[kEnglish];
    const char* label = table[static_cast<std::size_t>(language)];
    return label ? label : table[kEnglish];
}

} // namespace kivo
