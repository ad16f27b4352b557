#include "settings/save/save_run.h"

#include "common/system_log.h"
#include "device/products/settings_save_families.h"
#include "link/hid_protocol.h"
#include "settings/save/hid_save.h"
#include "settings/save/usb_save.h"

namespace kivo::settings {

SettingsSaveInput settings_save_input(const DeviceSession& session, const KIVOBluetoothDeviceData& data,
                                      const KIVOBluetoothDeviceData& dataCurrent)
{
    return {session.deviceTarget, session.usbStatus, data, dataCurrent, hid_open_device};
}

SettingsSaveOutcome threadMethodSave(SettingsSaveInput input)
{
    hid_close_devices();
    const SettingsSaveFamily family = settings_save_family(input.deviceTarget);
    SettingsSaveOutcome outcome;
    if (family == SettingsSaveFamily::F12) {
        outcome.result = save_over_persistent_store(input);
    } else {
        outcome.result = save_over_hid(family, input);
        hid_close_devices();
    }
    system_logf("settings save F%d: %d", static_cast<int>(family), static_cast<int>(outcome.result));
    return outcome;
}

} // namespace kivo::settings
