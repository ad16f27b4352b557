#include "settings/save/hid_save.h"

#include "settings/save/hid_identity_check.h"
#include "settings/save/hid_save_plan.h"

namespace kivo::settings {

SettingsSaveResult save_over_hid(SettingsSaveFamily family, const SettingsSaveInput& input)
{
    const HidIdentityCheck check = hid_identity_check_of(family, input.deviceTarget);
    switch (confirm_hid_device(check, input.opener, input.usbStatus, input.data)) {
    case HidIdentity::NotRecognized: return kSaveNotRecognized;
    case HidIdentity::NotReady: return kSaveWriteFailed;
    case HidIdentity::Confirmed: break;
    }
    const bool written = run_hid_save_plan(hid_save_plan(input.deviceTarget, input.data, input.dataCurrent));
    return written ? kSaveSucceeded : kSaveWriteFailed;
}

} // namespace kivo::settings
