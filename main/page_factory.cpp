#include "main/page_factory.h"

#include "recognition/page/recognition_page.h"
#include "settings/page/device_settings_page.h"
#include "settings/page/device_settings_second_page.h"
#include "settings/page/device_settings_speed_dial_page.h"
#include "update/page/update_page.h"

PageFactory application_pages()
{
    PageFactory pages = placeholder_page_factory();
    pages.recognition = [](kivo::PageHost& host) { return std::make_unique<DeviceRecognitionViewController>(host); };
    pages.update = [](kivo::PageHost& host, int mode) { return std::make_unique<UpdateViewController>(host, mode); };
    // The settings, FM radio and speed-dial pages; the placeholder stands in for any other mode.
    pages.settings = [placeholder = pages.settings](kivo::PageHost& host,
                                                    int mode) -> std::unique_ptr<SettingsPageBase> {
        if (mode == kModeSettings)
            return std::make_unique<DeviceSettingsViewController>(host);
        if (mode == kModeSecondSettings)
            return std::make_unique<DeviceSettingsSecondViewController>(host);
        if (mode == kModeSpeedDial)
            return std::make_unique<DeviceSettingsSpeedDialViewController>(host);
        return placeholder(host, mode);
    };
    return pages;
}
