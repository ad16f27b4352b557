// The update and restore pages' control states drawn from the page's state, without a window: tables
// of (page state, busy flag, product, fields) and the controls they give.

#include <gtest/gtest.h>

#include <algorithm>

#include "text/update_texts.h"
#include "update/state/page_controls.h"

using kivo::PageContext;
using kivo::ProgressArea;
using kivo::UpdatePageState;
using kivo::UpdateTexts;

namespace {

constexpr int kOem = 0x3142;
constexpr int kCamera = 0x3020;
constexpr int kNoNext = 0x6A01;
// A product whose restore page shows its backup in the summary only.
constexpr int kSummaryOnly = 0x4D10;

const std::string kCannot = UpdateTexts::tavk_string_cannot_connect_to_the_server_in(0);

ProgressArea spinner() { return {true, 50, false, 0, false, ""}; }
ProgressArea nothing() { return {}; }
ProgressArea bar(int percent) { return {false, 0, true, percent, true, std::to_string(percent)}; }

UpdatePageState update_state(int state, int percent, FirmwareQuad latest, int languages, std::string file = "")
{
    UpdatePageState s;
    s.state = state;
    s.updateProcessed = percent;
    s.latestVersion = latest;
    s.fileNameLatestVersion = "Zeltra-v2.1.img";
    s.languageItems = languages;
    s.firmwareFile = std::move(file);
    return s;
}

} // namespace

TEST(UpdatePageControls, ByStateBusyFlagProductAndFields)
{
    struct Case {
        const char* what;
        UpdatePageState state;
        bool busy;
        int product;
        // Expected:
        bool buttons; // Browse, Back, Next and the pop-up follow the busy flag
        bool download;
        bool update;
        bool next;
        ProgressArea progress;
        bool instructions;
        std::string line;
        bool popUp;
    };
    const FirmwareQuad v21{2, 1, 0, 0};
    const Case cases[] = {
        {"page entry, the index read going", update_state(kStateReadingIndex, -1, {}, 0), true, kOem, false, false,
         false, true, spinner(), false, "", false},
        {"the read ended without a version", update_state(kStateIdle, -1, {}, 0), false, kOem, true, false, false, true,
         nothing(), false, kCannot, false},
        {"state 1 left while idle: the text again", update_state(kStateReadingIndex, -1, {}, 0), false, kOem, true,
         false, false, true, nothing(), false, kCannot, false},
        {"one file, nothing chosen yet", update_state(kStateIdle, -1, v21, 1), false, kOem, true, true, false, true,
         nothing(), false, "Latest Version: v2.1 (Zeltra-v2.1.img)", false},
        {"three languages and a file", update_state(kStateIdle, -1, {2, 1, 0, 3}, 3, "/tmp/a.img"), false, kOem, true,
         true, true, true, nothing(), true, "Latest Version: v2.1.3", true},
        {"downloading", update_state(kStateDownloadingFirmware, 20, v21, 3, "/tmp/a.img"), true, kOem, false, false,
         false, true, spinner(), true, "Latest Version: v2.1", true},
        {"update running", update_state(kStateUpdateRunning, 37, v21, 3, "/tmp/a.img"), true, kOem, false, false, false,
         true, bar(37), false, "Latest Version: v2.1", true},
        {"ended at 100 %", update_state(kStateIdle, 100, v21, 1, "/tmp/a.img"), false, kOem, true, true, true, true,
         bar(100), false, "Latest Version: v2.1 (Zeltra-v2.1.img)", false},
        {"the camera's four parts in stored order", update_state(kStateIdle, -1, {2, 5, 1, 3}, 1), false, kCamera, true,
         true, false, true, nothing(), false, "Latest Version: v1.3.2.5 (Zeltra-v2.1.img)", false},
        {"no page after the update", update_state(kStateIdle, -1, v21, 1), false, kNoNext, true, true, false, false,
         nothing(), false, "Latest Version: v2.1 (Zeltra-v2.1.img)", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const kivo::UpdatePageControls controls =
            kivo::update_page_controls(c.state, PageContext{c.busy, 0, c.product});
        for (bool enabled : {controls.browseEnabled, controls.backEnabled, controls.nextEnabled, controls.popUpEnabled,
                             controls.restoreEnabled})
            EXPECT_EQ(enabled, c.buttons);
        EXPECT_EQ(controls.downloadEnabled, c.download);
        EXPECT_EQ(controls.updateEnabled, c.update);
        EXPECT_EQ(controls.nextShown, c.next);
        EXPECT_FALSE(controls.restoreShown);
        EXPECT_EQ(controls.progress, c.progress);
        EXPECT_EQ(controls.instructionsShown, c.instructions);
        EXPECT_EQ(controls.latestVersionLine, c.line);
        EXPECT_EQ(controls.popUpShown, c.popUp);
        EXPECT_EQ(controls.downloadBelowPopUp, c.popUp);
        EXPECT_EQ(controls.instructions.has_value(), c.popUp);
        EXPECT_EQ(controls.firmwareFileLabel, UpdateTexts::stringFirmwareToUpdate(0));
    }
}

TEST(UpdatePageControls, TextsInTheInterfaceLanguage)
{
    const UpdatePageState state = update_state(kStateIdle, -1, {2, 1, 0, 0}, 2);
    for (int language : {0, int{kivo::kGerman}, 13}) {
        SCOPED_TRACE(language);
        const kivo::UpdatePageControls controls = kivo::update_page_controls(state, PageContext{false, language, kOem});
        EXPECT_EQ(controls.instructions, UpdateTexts::stringVoicePromptInformation(language));
        EXPECT_EQ(controls.latestVersionLine, UpdateTexts::stringLatestVersion(language) + ": v2.1");
    }
    const kivo::UpdatePageControls none =
        kivo::update_page_controls(update_state(kStateIdle, -1, {}, 0), PageContext{false, kivo::kGerman, kOem});
    EXPECT_EQ(none.latestVersionLine, UpdateTexts::tavk_string_cannot_connect_to_the_server_in(kivo::kGerman));
}

TEST(RestorePageControls, ByStateBusyFlagProductAndFields)
{
    // The OEM headset's backup: its settings tab, whose rows the table shows, and its FM tab.
    const kivo::SettingsTabs settings_tab{2, {kTabDeviceSettings, kTabSecondSettings, 0}, 0};
    const kivo::SettingsTabs fm_tab{2, {kTabDeviceSettings, kTabSecondSettings, 0}, 1};
    KIVOBluetoothDeviceData backup;
    backup.setDeviceVersionMajor_Minor(2, 1);
    auto restore_state = [&](int state, int percent, bool possible, int languages, kivo::SettingsTabs tabs) {
        UpdatePageState s;
        s.state = state;
        s.updateProcessed = percent;
        s.restorePossible = possible;
        s.languageItems = languages;
        s.tabs = tabs;
        s.dataToUnarchive = backup;
        return s;
    };
    struct Case {
        const char* what;
        UpdatePageState state;
        bool busy;
        int product;
        // Expected:
        bool restore;
        std::string versionLabel;
        bool centred;
        bool summary; // version label and date
        bool versionValue;
        bool popUp; // and the instructions
        bool table;
        ProgressArea progress;
    };
    const Case cases[] = {
        {"reading the revisions", restore_state(kStateReadingRevisions, -1, true, 0, settings_tab), true, kOem, false,
         "Version:", false, true, true, false, true, spinner()},
        {"read, one file", restore_state(kStateIdle, -1, true, 0, settings_tab), false, kOem, true, "Version:", false,
         true, true, false, true, nothing()},
        {"one language: the version in its label", restore_state(kStateIdle, -1, true, 1, settings_tab), false, kOem,
         true, "Version: v2.1", true, true, true, false, true, nothing()},
        {"languages to choose", restore_state(kStateIdle, -1, true, 2, settings_tab), false, kOem, true,
         "Version: v2.1", true, true, false, true, true, nothing()},
        {"the FM tab", restore_state(kStateIdle, -1, true, 0, fm_tab), false, kOem, true, "Version:", false, true, true,
         false, false, nothing()},
        {"a family without the table", restore_state(kStateIdle, -1, true, 0, settings_tab), false, kSummaryOnly, true,
         "Version:", false, true, true, false, false, nothing()},
        {"no usable backup", restore_state(kStateIdle, -1, false, 2, settings_tab), false, kOem, false, "Version: v2.1",
         true, false, false, false, false, nothing()},
        {"downloading the backup image", restore_state(kStateDownloadingBackup, -1, true, 0, settings_tab), true, kOem,
         false, "Version:", false, true, true, false, true, spinner()},
        {"restore running", restore_state(kStateRestoreRunning, 0, true, 0, settings_tab), true, kOem, false,
         "Version:", false, true, true, false, true, bar(0)},
        {"restore running on the FM tab", restore_state(kStateRestoreRunning, 40, true, 0, fm_tab), true, kOem, false,
         "Version:", false, true, true, false, false, bar(40)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const kivo::RestorePageControls controls =
            kivo::restore_page_controls(c.state, PageContext{c.busy, 0, c.product});
        EXPECT_EQ(controls.restoreEnabled, c.restore);
        for (bool enabled : {controls.updateEnabled, controls.nextEnabled, controls.backEnabled, controls.popUpEnabled})
            EXPECT_EQ(enabled, !c.busy);
        EXPECT_EQ(controls.header, UpdateTexts::stringBackupFirmwareInformation(0));
        EXPECT_EQ(controls.versionLabel, c.versionLabel);
        EXPECT_EQ(controls.versionLabelCentred, c.centred);
        EXPECT_EQ(controls.versionShown, c.summary);
        EXPECT_EQ(controls.dateShown, c.summary);
        EXPECT_EQ(controls.versionValueShown, c.versionValue);
        EXPECT_EQ(controls.popUpShown, c.popUp);
        EXPECT_EQ(controls.instructionsShown, c.popUp);
        // The OEM headset's family keeps all six rows on these tabs; the other family three at 2.1.
        const long rows = std::count(controls.dataRowsShown.begin(), controls.dataRowsShown.end(), true);
        EXPECT_EQ(rows, !c.state.restorePossible ? 0 : c.product == kOem ? 6 : 3);
        EXPECT_EQ(controls.rowOneRightAligned, !c.state.restorePossible);
        EXPECT_EQ(controls.tableShown, c.table);
        EXPECT_EQ(controls.tableAboveInstructions, c.state.languageItems >= 2);
        EXPECT_EQ(controls.progress, c.progress);
    }
}

TEST(RestorePageControls, ASelectionOutsideTheTabsShowsNoTable)
{
    UpdatePageState state;
    state.restorePossible = true;
    state.tabs = {2, {kTabDeviceSettings, kTabSecondSettings, 0}, 5};
    EXPECT_EQ(kivo::selected_tab(state.tabs), 0);
    EXPECT_FALSE(kivo::restore_page_controls(state, PageContext{false, 0, kOem}).tableShown);
    state.tabs.selected = -1;
    EXPECT_FALSE(kivo::restore_page_controls(state, PageContext{false, 0, kOem}).tableShown);
}

TEST(RestorePageControls, BackupVersionTextsByProduct)
{
    KIVOBluetoothDeviceData backup;
    backup.setDeviceVersionMajor_Minor(2, 5);
    backup.setDeviceSecondaryVersionType(1);
    backup.setDeviceSecondaryVersion(3);
    EXPECT_EQ(kivo::backup_version_text(kCamera, backup), "v1.3.2.5");
    EXPECT_EQ(kivo::backup_version_text(0x5345, backup), "v2.5.3");
    EXPECT_EQ(kivo::backup_version_text(kOem, backup), "v2.5");
}

TEST(RestorePageControls, DataRowsByFamilyTabAndBackupVersion)
{
    const int other = -1;
    struct Case {
        const char* what;
        int product;
        int tab; // -1: a selection outside the tabs
        int major;
        int minor;
        bool possible;
        std::array<bool, 6> rows;
        bool table;
    };
    constexpr bool y = true;
    constexpr bool n = false;
    const Case cases[] = {
        {"a product in no family", 0x3020, kTabDeviceSettings, 2, 1, y, {n, n, n, n, n, n}, n},
        {"... on the FM tab", 0x3020, kTabSecondSettings, 2, 1, y, {n, n, n, n, n, n}, n},
        {"the older family below 4.0", 0x5060, kTabDeviceSettings, 3, 9, y, {y, y, y, n, n, n}, n},
        {"the six-preset FM page", 0x6010, kTabSecondSettings, 1, 0, y, {y, y, y, n, n, y}, n},
        {"no speed dial rows", 0x5560, kTabSpeedDial, 1, 0, y, {n, n, n, n, n, n}, n},
        {"4.0", 0x4D10, kTabDeviceSettings, 4, 0, y, {y, y, y, y, n, n}, n},
        {"4.1", 0x4D10, kTabDeviceSettings, 4, 1, y, {y, y, y, y, y, y}, n},
        {"4.2", 0x4D10, kTabDeviceSettings, 4, 2, y, {y, y, y, y, y, n}, n},
        {"4.9", 0x4D10, kTabDeviceSettings, 4, 9, y, {y, y, y, y, y, n}, n},
        {"5.0", 0x4D10, kTabDeviceSettings, 5, 0, y, {y, y, y, y, y, y}, n},
        {"3.9, the speed-dial tab", 0x4D10, kTabSpeedDial, 3, 9, y, {y, y, y, n, n, n}, n},
        {"1.0 below the bound", 0x2020, kTabDeviceSettings, 1, 0, y, {y, y, y, y, y, n}, n},
        {"1.1 on the bound", 0x2020, kTabDeviceSettings, 1, 1, y, {y, y, y, y, y, y}, n},
        {"1.9 below the bound", 0x4D45, kTabDeviceSettings, 1, 9, y, {y, y, y, n, n, n}, n},
        {"2.0 on the bound", 0x4D45, kTabDeviceSettings, 2, 0, y, {y, y, y, y, n, n}, n},
        {"the table's family below 1.1", 0x4210, kTabDeviceSettings, 1, 0, y, {y, y, y, y, n, n}, y},
        {"the table and six rows", 0x3110, kTabDeviceSettings, 2, 1, y, {y, y, y, y, y, y}, y},
        {"neither without a restore", 0x3110, kTabDeviceSettings, 2, 1, n, {n, n, n, n, n, n}, n},
        {"one row on the settings tab", 0x4040, kTabDeviceSettings, 1, 0, y, {y, n, n, n, n, n}, n},
        {"six on the speed-dial tab", 0x4040, kTabSpeedDial, 1, 0, y, {y, y, y, y, y, y}, n},
        {"tab kind 0", 0x4040, other, 1, 0, y, {y, y, y, y, y, y}, n},
        {"tab kind 0, one row", 0x2120, other, 1, 0, y, {y, n, n, n, n, n}, n},
        {"two rows on every tab", 0x5210, other, 1, 0, y, {y, y, n, n, n, n}, n},
        {"the first family on the FM tab", 0x2110, kTabSecondSettings, 1, 0, y, {y, y, y, n, n, n}, n},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UpdatePageState state;
        state.restorePossible = c.possible;
        state.tabs = {1, {c.tab == other ? kTabDeviceSettings : c.tab, 0, 0}, c.tab == other ? 3 : 0};
        KIVOBluetoothDeviceData& backup = state.dataToUnarchive.emplace();
        backup.setDeviceVersionMajor_Minor(c.major, c.minor);
        const kivo::RestorePageControls controls = kivo::restore_page_controls(state, PageContext{false, 0, c.product});
        EXPECT_EQ(controls.dataRowsShown, c.rows);
        EXPECT_EQ(controls.tableShown, c.table);
        EXPECT_EQ(controls.dateShown, c.possible);
    }
}
