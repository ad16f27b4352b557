#pragma once
// The settings page in the whole application, offscreen: a device recognized as recognition leaves
// it, then the page entered the way the window enters it.

#include "main/page_factory.h"
#include "settings/page/device_settings_page.h"
#include "tests/app/app_fixture.h"

class SettingsPageTest : public AppTest {
protected:
    PageFactory pages() override { return application_pages(); }

    DeviceSettingsViewController& page()
    {
        return *static_cast<DeviceSettingsViewController*>(app().deviceSettingsViewController());
    }
    const Ui::DeviceSettingsView& ui() { return page().ui(); }

    // Recognized at major.minor, then the settings page shown.
    void enter(int product, int major, int minor, int language = 0)
    {
        recognize(product, major, minor);
        app().setLanguageManager(language);
        app().setControlsFont();
        app().setDeviceSettingsWithStatus(true);
    }
};
