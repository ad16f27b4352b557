#include <algorithm>

#include "text/app_text.h"
#include "text/tables/language_names_table.h"

namespace kivo {
namespace {

using text_tables::kLanguageNames;

// The English names are plain ASCII, so an ASCII case fold is a full case-insensitive compare.
bool equal_ignoring_case(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
        std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

std::string AppText::tavk_string_language_in(LanguageNameIndex index, ManagerLanguage in)
{
    if (index < 1 || index >= kLanguageNameCount)
        index = kEnglish;
    return localized(kLanguageNames[static_cast<std::size_t>(index)], in);
}

std::string AppText::tavk_language_manager(LanguageNameIndex index) { return tavk_string_language_in(index, kEnglish); }

LanguageNameIndex AppText::tavk_language_manager_index_with_default(std::optional<std::string_view> name,
                                                                    bool with_default)
{
    if (!name)
        return kEnglish;
    for (LanguageNameIndex index = 0; index < kLanguageNameCount; ++index)
        if (equal_ignoring_case(*name, kLanguageNames[static_cast<std::size_t>(index)].english))
            return index;
    return with_default ? kEnglish : -1;
}

std::string AppText::tavk_language_manager_from_language_in(std::string_view english_name, ManagerLanguage in)
{
    LanguageNameIndex index = tavk_language_manager_index_with_default(english_name, false);
    if (index < 0)
        return std::string(english_name);
    return tavk_string_language_in(index, in);
}

std::string AppText::tavk_string_language_manager_in(ManagerLanguage in)
{
    return localized(text_tables::kManagerSoftwareLanguage, in);
}

std::string AppText::stringApplyToFirmwareLanguage(ManagerLanguage in)
{
    return localized(text_tables::kApplyToFirmwareLanguage, in);
}

} // namespace kivo
