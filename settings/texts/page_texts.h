#pragma once
// The settings page's own words: the title of its More Settings button, the gain cells, and the
// texts of its notes and unit label (the words every settings page shows around its save are in
// save_texts.h). Constant tables only; English for language 0 and any value outside 1 to 12.

#include <string>

#include "text/localized.h"

namespace kivo {

class SettingsPageTexts {
public:
    // Czech and Polish show the English title.
    static std::string tavk_string_more_settings_in(ManagerLanguage in);
    // "Low", "Medium" or "High": the transmit gain cell 0, 1 or 2; the medium title for any other.
    static std::string gain_title_in(int cell, ManagerLanguage in);
    static std::string stringNoteEDR(ManagerLanguage in);
    static std::string stringNoteApply(ManagerLanguage in);
    // "seconds (3 ~ 60)" with the word for seconds of the language.
    static std::string stringACTUnit(ManagerLanguage in);
};

namespace text_tables {
extern const Translated kSettingsMoreSettings;
extern const Translated kNoteEDR;
extern const Translated kNoteApply;
extern const Translated kGainLow;
extern const Translated kGainMedium;
extern const Translated kGainHigh;
} // namespace text_tables

} // namespace kivo
