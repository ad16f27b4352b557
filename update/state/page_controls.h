#pragma once
// The control states of the update and restore pages, drawn from the page's state and the little
// the page takes from the application at each refresh (busy flag, language, selected product): which
// controls are enabled and shown, the progress area and the page's own texts. The page renders
// them as they are; titles and shortcut hints are its setShortcuts'.

#include <array>
#include <optional>
#include <string>

#include "update/state/update_page_state.h"

namespace kivo {

// What a refresh takes from the application.
struct PageContext {
    bool onProcessing = false;
    int language = 0;
    int deviceTarget = 0;
};

// The spinner, or the bar with its number and percent sign.
struct ProgressArea {
    bool spinning = false;
    double spinnerValue = 0;
    bool barShown = false;
    int barValue = 0;
    bool numberShown = false;
    std::string number;

    bool operator==(const ProgressArea&) const = default;
};

struct UpdatePageControls {
    std::string firmwareFileLabel;
    bool browseEnabled = false;
    bool downloadEnabled = false;
    bool updateEnabled = false;
    bool restoreEnabled = false;
    bool nextEnabled = false;
    bool backEnabled = false;
    bool popUpEnabled = false;
    bool nextShown = false;
    // The update page never shows the restore button.
    bool restoreShown = false;
    ProgressArea progress;
    // The voice-prompt instructions; their text changes only where there are languages to choose.
    bool instructionsShown = false;
    std::optional<std::string> instructions;
    std::string latestVersionLine;
    // With two or more languages: the pop-up and its caption, a shorter version line, and Download
    // below the pop-up.
    bool popUpShown = false;
    bool downloadBelowPopUp = false;

    bool operator==(const UpdatePageControls&) const = default;
};

struct RestorePageControls {
    std::string header;
    // "Version: v2.1" centred while there are languages, else "Version:" right-aligned beside its value.
    std::string versionLabel;
    bool versionLabelCentred = false;
    bool restoreEnabled = false;
    bool updateEnabled = false;
    bool nextEnabled = false;
    bool backEnabled = false;
    bool popUpEnabled = false;
    bool versionShown = false;
    bool versionValueShown = false;
    bool dateShown = false;
    // The pop-up and its caption.
    bool popUpShown = false;
    bool instructionsShown = false;
    std::string instructions;
    // The summary's six data rows: with a usable backup, those the connected product's family keeps
    // for the selected tab and the backup's firmware.
    std::array<bool, 6> dataRowsShown{};
    // Without a usable backup row 1's label is right-aligned.
    bool rowOneRightAligned = false;
    // The table of backed-up settings and its scroll view, above the instructions when they show.
    bool tableShown = false;
    bool tableAboveInstructions = false;
    ProgressArea progress;

    bool operator==(const RestorePageControls&) const = default;
};

UpdatePageControls update_page_controls(const UpdatePageState& state, const PageContext& context);
RestorePageControls restore_page_controls(const UpdatePageState& state, const PageContext& context);

// The id of the selected list tab; 0 for a selection outside the tabs.
int selected_tab(const SettingsTabs& tabs);

// The backup's version as the restore page writes it: "v2.1", with three or four parts for the
// products whose versions have them.
std::string backup_version_text(int product_id, const KIVOBluetoothDeviceData& backup);

} // namespace kivo
