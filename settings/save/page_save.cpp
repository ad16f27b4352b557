#include "settings/save/page_save.h"

#include <array>

#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "link/usb_link.h"
#include "settings/save/usb_save.h"
#include "settings/texts/save_texts.h"
#include "text/app_text.h"
#include "text/text_format.h"

namespace kivo::settings {

PageSaveResult confirm_for_page_save(const HidIdentityCheck& check, const SettingsSaveInput& input)
{
    switch (confirm_hid_device(check, input.opener, input.usbStatus, input.data)) {
    case HidIdentity::NotRecognized: return kPageSaveNotRecognized;
    case HidIdentity::NotReady: return kPageSaveNotSaved;
    case HidIdentity::Confirmed: break;
    }
    return kPageSaveSucceeded;
}

PageSaveResult save_page_over_persistent_store(const SettingsSaveInput& input,
                                               const std::function<PageSaveResult()>& write_device)
{
    std::array<uint32_t, 2> product_ids{};
    switch (open_usb_devices_for_save(product_ids)) {
    case UsbSaveOpen::OpenFailed: return kPageSaveUsbOpenFailed;
    case UsbSaveOpen::ManagementMode: usb_close_devices(); return kPageSaveManagementMode;
    case UsbSaveOpen::Opened: break;
    }
    const int result = write_each_recognized_device(product_ids, input.usbStatus, input.data, kPageSaveNotRecognized,
                                                    [&] { return static_cast<int>(write_device()); });
    usb_close_devices();
    return static_cast<PageSaveResult>(result);
}

StatusTextSet page_save_status_set(PageSaveResult result, int mode, int usb_status, int saved_key)
{
    return status_in_every_language([&](int language) {
        if (result == kPageSaveSucceeded)
            return AppText::tavk_status_success_usb_in(mode, usb_status, language);
        std::string cause;
        switch (result) {
        case kPageSaveUsbOpenFailed: cause = AppText::tavk_string_cannot_open_usb_in(language); break;
        case kPageSaveManagementMode: cause = AppText::tavk_string_firmware_management_mode_in(language); break;
        case kPageSaveNotSaved: cause = SaveTexts::tavk_string_cannot_save_in(saved_key, language); break;
        default: cause = AppText::tavk_string_not_recognized_device_in(language); break;
        }
        return fill_format("%@. %@", {AppText::tavk_status_failure_usb_in(mode, usb_status, language), cause});
    });
}

bool page_save_missed_the_device(PageSaveResult result)
{
    return result == kPageSaveUsbOpenFailed || result == kPageSaveManagementMode || result == kPageSaveNotRecognized;
}

PageSaveOutcome run_page_save(const char* name, bool over_hid, const std::function<PageSaveResult()>& path)
{
    // An opener refuses a filled slot: nothing left open by an earlier run may stand in the way.
    hid_close_devices();
    PageSaveOutcome outcome{path()};
    if (over_hid)
        hid_close_devices();
    system_logf("%s save: %d", name, static_cast<int>(outcome.result));
    return outcome;
}

} // namespace kivo::settings
