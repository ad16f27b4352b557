#include "settings/texts/save_texts.h"

#include "settings/texts/save_text_tables.h"
#include "text/recognition_texts.h"
#include "text/text_format.h"

namespace kivo::settings {

using namespace save_text_tables;

std::string SaveTexts::tavk_string_save_in(ManagerLanguage in) { return localized(kSave, in); }

std::string SaveTexts::tavk_string_default_in(ManagerLanguage in) { return localized(kDefault, in); }

std::string SaveTexts::tavk_string_cannot_save_in(int key, ManagerLanguage in)
{
    return fill_format(localized(kCannotSave, in), {setting_key_name_in(key, in).value_or("")});
}

} // namespace kivo::settings
