#pragma once
// The settings page's own words: the titles of its Save, Default and More Settings buttons (the FM
// radio and speed-dial pages share the first two), the gain cells, and the texts of its notes and
// unit label. Constant tables only; English for language 0 and any value outside 1 to 12.

#include <string>

#include "app/text/localized.h"

namespace kivo {

class SettingsPageTexts {
public:
    static std::string tavk_string_save_in(ManagerLanguage in);
    static std::string tavk_string_default_in(ManagerLanguage in);
    // Czech and Polish show the English title.
    static std::string tavk_string_more_settings_in(ManagerLanguage in);
    // "Low", "Medium" or "High": the transmit gain cell 0, 1 or 2; the medium title for any other.
    static std::string gain_title_in(int cell, ManagerLanguage in);
    static std::string stringNoteEDR(ManagerLanguage in);
    static std::string stringNoteApply(ManagerLanguage in);
    // "seconds (3 ~ 60)" with the word for seconds of the language.
    static std::string stringACTUnit(ManagerLanguage in);
    // "Cannot save %@" with the name of the setting a persistent-store key holds; a key without a
    // name leaves the name empty.
    static std::string tavk_string_cannot_save_in(int key, ManagerLanguage in);
};

namespace text_tables {
extern const Translated kSettingsSave;
extern const Translated kSettingsDefault;
extern const Translated kSettingsMoreSettings;
extern const Translated kNoteEDR;
extern const Translated kNoteApply;
extern const Translated kGainLow;
extern const Translated kGainMedium;
extern const Translated kGainHigh;
extern const Translated kCannotSave;
} // namespace text_tables

} // namespace kivo
