#include "text/status_sets.h"

#include "common/page_ids.h"
#include "text/app_text.h"
#include "text/text_format.h"

namespace kivo {

StatusTextSet default_status_set(int mode, int usb_status)
{
    return status_in_every_language(
        [&](int language) { return AppText::tavk_status_default_usb_in(mode, usb_status, language); });
}

StatusTextSet processing_status_set(int mode, int usb_status)
{
    return status_in_every_language(
        [&](int language) { return AppText::tavk_status_processing_usb_in(mode, usb_status, language); });
}

StatusTextSet success_status_set(int mode, int usb_status)
{
    return status_in_every_language(
        [&](int language) { return AppText::tavk_status_success_usb_in(mode, usb_status, language); });
}

StatusTextSet failure_status_set(int mode, int usb_status)
{
    return status_in_every_language(
        [&](int language) { return AppText::tavk_status_failure_usb_in(mode, usb_status, language); });
}

StatusTextSet recognition_for_caller_status_set(int caller_mode, int usb_status)
{
    return status_in_every_language([&](int language) {
        return fill_format("%@. %@",
                           {AppText::tavk_status_success_usb_in(caller_mode, usb_status, language),
                            AppText::tavk_status_default_usb_in(kModeRecognition, usb_status, language)});
    });
}

} // namespace kivo
