#include "common/page_ids.h"
#include "device/device_session.h"
#include "text/app_text.h"
#include "text/tables/messages_table.h"
#include "text/tables/modes_table.h"
#include "text/text_format.h"

namespace kivo {
namespace {

using namespace text_tables;

// The entry of a mode table, or null for a mode outside 2 to 9 or one the table has no text for.
const Translated* by_mode(const ByMode& table, int mode)
{
    if (mode < kFirstMode || mode >= kFirstMode + kModeCount)
        return nullptr;
    return table[static_cast<std::size_t>(mode - kFirstMode)];
}

std::string by_mode_in(const ByMode& table, int mode, ManagerLanguage in)
{
    const Translated* text = by_mode(table, mode);
    return text ? localized(*text, in) : std::string();
}

} // namespace

std::string AppText::tavk_string_mode_in(int mode, ManagerLanguage in)
{
    const Translated* title = by_mode(kModeTitles, mode);
    return title ? localized(*title, in) : kModeNotAvailable;
}

std::string AppText::tavk_string_continue_the_firmware_update_or_restore_in(int mode, ManagerLanguage in)
{
    const Translated& word = mode == kModeUpdate ? kContinueWordUpdate : kContinueWordRestore;
    return fill_format(localized(kContinueTheFirmware, in), {localized(word, in)});
}

std::string AppText::tavk_status_default_usb_in(int mode, int usb_status, ManagerLanguage in)
{
    if (!by_mode(kModeTitles, mode))
        return {};
    if (mode == kModeHome)
        return fill_format(localized(kPressToProceed, in), {tavk_string_next_in(in)});
    std::string title = tavk_string_mode_in(mode, in);
    if ((mode == kModeUpdate || mode == kModeRestore) && usb_status_in_management_mode(usb_status)) {
        // The loader cannot give the current firmware back, so no backup can be made first.
        std::string with_reason =
            fill_format(localized(kReadyForWithReason, in), {tavk_string_cannot_make_backup_firmware_in(in)});
        return fill_format(with_reason, {title});
    }
    return fill_format(localized(kReadyFor, in), {title});
}

std::string AppText::tavk_status_processing_usb_in(int mode, int, ManagerLanguage in)
{
    return by_mode_in(kProcessing, mode, in);
}

std::string AppText::tavk_status_success_usb_in(int mode, int, ManagerLanguage in)
{
    return by_mode_in(kSuccess, mode, in);
}

std::string AppText::tavk_status_failure_usb_in(int mode, int, ManagerLanguage in)
{
    return by_mode_in(kFailure, mode, in);
}

} // namespace kivo
