#pragma once
// The settings page in the whole application, offscreen: a device recognized as recognition leaves
// it, then the page entered the way the window enters it. The page counts its refreshes.

#include <functional>
#include <string>
#include <vector>

#include "settings/page/device_settings_page.h"
#include "tests/settings/page/page_test_support.h"

// A settings page that counts its refreshes, the table's reloads and its questions for the row
// count, and notes the order of its three refreshes.
class CountingSettingsPage : public DeviceSettingsViewController {
public:
    using DeviceSettingsViewController::DeviceSettingsViewController;
    void setControls() override
    {
        ++refreshes;
        steps.push_back("enabling");
        atLastRefresh = dataCurrent();
        DeviceSettingsViewController::setControls();
    }
    void setControlsWithData() override
    {
        steps.push_back("values");
        DeviceSettingsViewController::setControlsWithData();
    }
    void callTableviewReloadDataForOutsideClass() override
    {
        ++reloads;
        steps.push_back("table");
        DeviceSettingsViewController::callTableviewReloadDataForOutsideClass();
    }
    int numberOfRowsInTableView(DeviceSettingsTableView& table) override
    {
        ++rowCountsAsked;
        return DeviceSettingsViewController::numberOfRowsInTableView(table);
    }
    int refreshes = 0;
    int reloads = 0;
    int rowCountsAsked = 0;
    // "table", "values" and "enabling", in the order the refreshes ran.
    std::vector<std::string> steps;
    // The working copy as the last refresh saw it.
    KIVOBluetoothDeviceData atLastRefresh;

    // When set, a save's device work is this script (run on the save's worker).
    std::function<kivo::settings::SettingsSaveResult()> saveScript;

protected:
    SaveWork saveWork() const override
    {
        if (saveScript)
            return [script = saveScript](kivo::settings::SettingsSaveInput) { return static_cast<int>(script()); };
        return DeviceSettingsViewController::saveWork();
    }
};

class SettingsPageTest : public SettingsScreensTest {
protected:
    PageFactory pages() override
    {
        PageFactory factory = application_pages();
        factory.settings = [stand_in = factory.settings](kivo::PageHost& host,
                                                         int mode) -> std::unique_ptr<SettingsPageBase> {
            if (mode == kModeSettings)
                return std::make_unique<CountingSettingsPage>(host);
            return stand_in(host, mode);
        };
        return factory;
    }
    CountingSettingsPage& counting() { return static_cast<CountingSettingsPage&>(page()); }

    DeviceSettingsViewController& page()
    {
        return *static_cast<DeviceSettingsViewController*>(app().deviceSettingsViewController());
    }
    const Ui::DeviceSettingsView& ui() { return page().ui(); }

    // Recognized at major.minor, then the settings page shown.
    void enter(int product, int major, int minor, int language = 0)
    {
        recognize(product, major, minor);
        // A device reports its audio channel timeout; an empty record would hold the page.
        if (app().data().audioChannelTimeout() == 0)
            app().data().setAudioChannelTimeout(5);
        app().setLanguageManager(language);
        app().setControlsFont();
        app().setDeviceSettingsWithStatus(true);
    }

    // The device on the bus read by the application, then its settings page shown.
    void readAndEnter(int product) { recognizeFor(product, kModeSettings); }
};
