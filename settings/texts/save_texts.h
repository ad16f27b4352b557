#pragma once
// The texts every settings page shows around its save, one home for each: the Save and Default
// buttons (the page's and the all-settings sheet's) and the cause of a failed save. Each takes the interface language
// and gives English for 0 and any value outside 1 to 12.

#include <string>

#include "text/localized.h"

namespace kivo::settings {

class SaveTexts {
public:
    static std::string tavk_string_save_in(ManagerLanguage in);
    static std::string tavk_string_default_in(ManagerLanguage in);
    // "Cannot save %@" with the name of the setting under a persistent-store key (no name for a key
    // outside the table).
    static std::string tavk_string_cannot_save_in(int key, ManagerLanguage in);
};

} // namespace kivo::settings
