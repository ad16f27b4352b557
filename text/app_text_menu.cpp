#include "common/manager_version.h"
#include "common/page_ids.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/tables/manager_update_table.h"
#include "text/tables/menu_table.h"
#include "text/text_format.h"

namespace kivo {

using namespace text_tables;

std::string AppText::stringMenuHelp(ManagerLanguage in) { return localized(kMenuHelp, in); }

std::string AppText::stringMenuItemAbout(ManagerLanguage in, std::string_view title)
{
    return fill_format(localized(kMenuAbout, in), {title});
}

std::string AppText::stringMenuItemHideThis(ManagerLanguage in, std::string_view title)
{
    return fill_format(localized(kMenuHideThis, in), {title});
}

std::string AppText::stringMenuItemHideOthers(ManagerLanguage in) { return localized(kMenuHideOthers, in); }
std::string AppText::stringMenuItemShowAll(ManagerLanguage in) { return localized(kMenuShowAll, in); }

std::string AppText::stringMenuItemQuit(ManagerLanguage in, std::string_view title)
{
    return fill_format(localized(kMenuQuit, in), {title});
}

std::string AppText::stringMenuItemOnlineHelp(ManagerLanguage in) { return localized(kMenuOnlineHelp, in); }
std::string AppText::stringMenuItemManagerLanguage(ManagerLanguage in) { return tavk_string_language_manager_in(in); }
std::string AppText::stringMenuItemDiagnosticLog(ManagerLanguage in) { return localized(kMenuDiagnosticLog, in); }

std::string AppText::stringMenuItemKeyboradShortcuts(ManagerLanguage in, bool show_shortcuts)
{
    const Translated& word = show_shortcuts ? kMenuShortcutHide : kMenuShortcutShow;
    return fill_format(localized(kMenuKeyboardShortcut, in), {localized(word, in)});
}

std::string AppText::stringMenuItemShowPrecaution(ManagerLanguage in) { return localized(kMenuShowPrecaution, in); }

std::string AppText::stringPromptSave(ManagerLanguage in)
{
    return fill_format(localized(kPromptSave, in), {tavk_string_mode_in(kModeSettings, in)});
}

std::string AppText::stringManagerUpdateInstruction(ManagerLanguage in, int latest_major, int latest_minor,
                                                    int latest_secondary)
{
    const std::string title = ProductNames::tavk_title_in(0, in);
    const std::string suffix = latest_secondary >= 1 ? fill_format(".%d", {latest_secondary}) : std::string();
    return fill_format(localized(kManagerUpdateOffer, in),
                       {title, title, latest_major, latest_minor, suffix, tavk_string_yes_in(in), tavk_string_no_in(in),
                        title, kManagerVersionMajor, kManagerVersionMinor, ""});
}

} // namespace kivo
