// What the settings page's save is: the settings save over the path of the product's family, the
// meaning of its ten result codes, and what the page does around the shared save and its end.

#include "settings/page/device_settings_page.h"
#include "settings/save/save_messages.h"

using namespace kivo::settings;

DeviceSavePage::SaveWork DeviceSettingsViewController::saveWork() const
{
    return [](SettingsSaveInput input) { return static_cast<int>(threadMethodSave(std::move(input)).result); };
}

DeviceSavePage::SaveResultMeaning DeviceSettingsViewController::meaningOf(int result) const
{
    const auto code = static_cast<SettingsSaveResult>(result);
    return {save_status_set(code, host().mode(), host().session().usbStatus), save_missed_the_device(code)};
}

void DeviceSettingsViewController::afterSuccessfulSave() { enableOldControlsEnable_hidden(true, false); }

void DeviceSettingsViewController::revertAfterMissedSave()
{
    host().closeListTabs();
    DeviceSavePage::revertAfterMissedSave();
}

// The page stays: its table and panel show the device's values again.
void DeviceSettingsViewController::moveToSettingToSetting() { takeWorkingCopyFrom(host().data()); }
