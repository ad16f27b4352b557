#include "main/page_factory.h"

#include "recognition/page/recognition_page.h"
#include "settings/page/device_settings_page.h"
#include "update/page/update_page.h"

PageFactory application_pages()
{
    PageFactory pages = placeholder_page_factory();
    pages.recognition = [](kivo::PageHost& host) { return std::make_unique<DeviceRecognitionViewController>(host); };
    pages.update = [](kivo::PageHost& host, int mode) { return std::make_unique<UpdateViewController>(host, mode); };
    // The FM radio and speed-dial pages keep their stand-ins.
    pages.settings = [stand_in = pages.settings](kivo::PageHost& host, int mode) -> std::unique_ptr<SettingsPageBase> {
        if (mode == kModeSettings)
            return std::make_unique<DeviceSettingsViewController>(host);
        return stand_in(host, mode);
    };
    return pages;
}
