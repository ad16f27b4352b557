// Pictures of the settings page for people to look at: written only when KIVO_SETTINGS_PICTURES
// names a folder, one PNG per product, firmware, language and hint state.

#include <QDir>

#include <cstdlib>
#include <string>

#include "app/manager_window.h"
#include "app/message_box_sheet.h"
#include "tests/settings/page/settings_page_fixture.h"
#include "tests/settings/page/text_fit.h"

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
    const Case cases[] = {{0x4D10, 3, 9}, {0x4D10, 4, 0}, {0x4D10, 4, 1}, {0x4D10, 4, 2},
                          {0x4D10, 5, 1}, {0x4210, 1, 0}, {0x4210, 1, 2}, {0x5210, 1, 0},
                          {0x3142, 1, 0}, {0x2120, 1, 0}, {0x4D05, 1, 1}, {0x6600, 1, 0}};
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
            run_events_until([] { return false; }, 30);
            MessageBoxSheet& box = *window().sheetMessageBox;
            const std::string name = std::string(folder) + "/box_" + std::string(row.outlets->name) + "_lang" +
                std::to_string(language) + ".png";
            EXPECT_TRUE(box.grab().save(QString::fromStdString(name))) << name;
            box.dismiss();
        }
    }
}
