// Pictures of the settings page for people to look at: written only when KIVO_SETTINGS_PICTURES
// names a folder, one PNG per product, firmware, language and hint state.

#include <QDir>

#include <cstdlib>
#include <string>

#include "app/manager_window.h"
#include "app/message_box_sheet.h"
#include "tests/settings/page/settings_page_fixture.h"
#include "tests/settings/page/unfit_texts.h"
#include "tests/sim/usb_headsets.h"

namespace {

struct Case {
    int product;
    int major;
    int minor;
};

std::string hex(int id)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", id);
    return text;
}

} // namespace

TEST_F(SettingsPageTest, Pictures)
{
    const char* folder = std::getenv("KIVO_SETTINGS_PICTURES");
    if (folder == nullptr)
        GTEST_SKIP() << "KIVO_SETTINGS_PICTURES names no folder";
    QDir().mkpath(folder);
    const Case cases[] = {{0x4D10, 3, 9}, {0x4D10, 4, 0}, {0x4D10, 4, 1}, {0x4D10, 4, 2}, {0x4D10, 5, 1},
                          {0x4210, 1, 0}, {0x4210, 1, 2}, {0x5210, 1, 0}, {0x3142, 1, 0}, {0x2120, 1, 0},
                          {0x4D05, 1, 1}, {0x4D06, 1, 1}, {0x6600, 1, 0}};
    const char* languages = std::getenv("KIVO_SETTINGS_PICTURE_LANGUAGES");
    const std::string wanted = languages ? languages : "0,1";
    for (int language = 0; language <= 12; ++language) {
        if (("," + wanted + ",").find("," + std::to_string(language) + ",") == std::string::npos)
            continue;
        for (const Case& c : cases)
            for (bool hints : {false, true}) {
                enter(c.product, c.major, c.minor, language);
                if (hints) {
                    app().setShowShortcuts(true);
                    app().reflectShortcuts();
                }
                const std::string name = std::string(folder) + "/" + hex(c.product) + "_" + std::to_string(c.major) +
                    "." + std::to_string(c.minor) + "_lang" + std::to_string(language) + (hints ? "_hints" : "") +
                    ".png";
                EXPECT_TRUE(window().grab().save(QString::fromStdString(name))) << name;
                for (const std::string& text : clipped_texts(page().view()))
                    std::printf("clipped %s: %s\n", name.c_str(), text.c_str());
            }
    }
}

// In a fresh run, so that the rows stand at the interface file's frames: the page scrolls.
TEST_F(SettingsPageTest, PicturesOfAProductOutsideEverySet)
{
    const char* folder = std::getenv("KIVO_SETTINGS_PICTURES");
    if (folder == nullptr)
        GTEST_SKIP() << "KIVO_SETTINGS_PICTURES names no folder";
    QDir().mkpath(folder);
    enter(0x6600, 1, 0);
    EXPECT_TRUE(window().grab().save(QString(folder) + "/6600_fresh_top.png"));
    ui().scrollPanel->ensureVisible(0, ui().panel->height() - 1);
    EXPECT_TRUE(window().grab().save(QString(folder) + "/6600_fresh_bottom.png"));
}

// The information boxes of a product that shows every row, in the languages asked for.
TEST_F(SettingsPageTest, PicturesOfTheInformationBoxes)
{
    const char* folder = std::getenv("KIVO_SETTINGS_PICTURES");
    if (folder == nullptr)
        GTEST_SKIP() << "KIVO_SETTINGS_PICTURES names no folder";
    QDir().mkpath(folder);
    const char* languages = std::getenv("KIVO_SETTINGS_PICTURE_LANGUAGES");
    const std::string wanted = languages ? languages : "0,1";
    for (int language = 0; language <= 12; ++language) {
        if (("," + wanted + ",").find("," + std::to_string(language) + ",") == std::string::npos)
            continue;
        enter(0x6600, 1, 0, language);
        for (const PanelRowWidgets& row : page().outlets().rows()) {
            if (row.info == nullptr)
                continue;
            page().displayInformationRadioTransmitGain(row.info);
            run_events_for(30);
            MessageBoxSheet& box = *window().sheetMessageBox;
            const std::string name = std::string(folder) + "/box_" + std::string(row.outlets->name) + "_lang" +
                std::to_string(language) + ".png";
            EXPECT_TRUE(box.grab().save(QString::fromStdString(name))) << name;
            box.dismiss();
        }
    }
}

// The window after a save that succeeded (a simulated headset, read again) and after one that met
// another device, with its box, and the prompt on leaving with an edit, in the languages asked for.
TEST_F(SettingsPageTest, PicturesOfTheSaveResults)
{
    const char* folder = std::getenv("KIVO_SETTINGS_PICTURES");
    if (folder == nullptr)
        GTEST_SKIP() << "KIVO_SETTINGS_PICTURES names no folder";
    QDir().mkpath(folder);
    sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x4D10, "Aldero")));
    const char* languages = std::getenv("KIVO_SETTINGS_PICTURE_LANGUAGES");
    const std::string wanted = languages ? languages : "0,1";
    auto idle = [&] { run_events_until([&] { return !app().onProcessing(); }); };
    for (int language = 0; language <= 12; ++language) {
        if (("," + wanted + ",").find("," + std::to_string(language) + ",") == std::string::npos)
            continue;
        const std::string suffix = "_lang" + std::to_string(language) + ".png";
        app().setLanguageManager(language);
        app().setControlsFont();
        app().setDeviceTarget(0x4D10);
        app().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, kModeSettings);
        idle();
        ASSERT_EQ(app().mode(), kModeSettings);

        QAbstractButton* other = ui().radioSidetone->checkedId() == 0 ? ui().disableSidetone : ui().enableSidetone;
        other->click();
        counting().saveScript = nullptr;
        ui().btnSave->click();
        idle();
        EXPECT_TRUE(window().grab().save(QString::fromStdString(std::string(folder) + "/save_succeeded" + suffix)));

        other = ui().radioSidetone->checkedId() == 0 ? ui().disableSidetone : ui().enableSidetone;
        other->click();
        counting().saveScript = [] { return kivo::settings::kSaveNotRecognized; };
        ui().btnSave->click();
        idle();
        run_events_for(30);
        EXPECT_TRUE(window().grab().save(QString::fromStdString(std::string(folder) + "/save_other_device" + suffix)));
        MessageBoxSheet& box = *window().sheetMessageBox;
        EXPECT_TRUE(box.grab().save(QString::fromStdString(std::string(folder) + "/save_other_device_box" + suffix)));
        for (const std::string& text : clipped_texts(&box))
            std::printf("clipped save_other_device_box%s: %s\n", suffix.c_str(), text.c_str());
        box.okButton()->click();
        ASSERT_EQ(app().mode(), kModeHome);

        // The prompt on leaving with an edit.
        app().setDeviceTarget(0x4D10);
        app().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, kModeSettings);
        idle();
        other = ui().radioSidetone->checkedId() == 0 ? ui().disableSidetone : ui().enableSidetone;
        other->click();
        app().setDeviceSelection();
        run_events_for(30);
        EXPECT_TRUE(box.grab().save(QString::fromStdString(std::string(folder) + "/save_prompt_box" + suffix)));
        for (const std::string& text : clipped_texts(&box))
            std::printf("clipped save_prompt_box%s: %s\n", suffix.c_str(), text.c_str());
        box.cancelButton()->click();
        ASSERT_EQ(app().mode(), kModeHome);
    }
}
