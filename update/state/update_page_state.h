#pragma once
// The update and restore pages' state as a value: what the page is doing, the percentage the timer
// last took from a run, whether a restore is possible, what the firmware index read and a download
// left, the backup the restore page loaded, its list tabs, and the two inputs the controls follow
// (the firmware file and the number of languages to choose from). The page keeps one, changes it
// on the main thread and draws its controls from it (page_controls.h).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "device/device_data.h"
#include "device/products/settings_tabs.h"

// What the page is doing (its field `state`).
enum UpdateScreenState : int {
    kStateIdle = 0,
    kStateReadingIndex = 1,
    kStateDownloadingFirmware = 2,
    kStateUpdateRunning = 3,
    kStateReadingRevisions = 4,
    kStateDownloadingBackup = 5,
    kStateRestoreRunning = 6,
};

namespace kivo {

struct UpdatePageState {
    // UpdateScreenState.
    int state = kStateIdle;
    // The percentage shown, as the timer last took it from the run; -1 shows none.
    int updateProcessed = -1;
    // A usable backup is there (and, once the server is asked, its version is listed).
    bool restorePossible = false;

    // What the firmware index read left: the latest version (all 0: none came), its file, and the
    // files and languages it listed, index-aligned with the language pop-up's items.
    FirmwareQuad latestVersion;
    std::string fileNameLatestVersion;
    std::vector<std::string> arrFileNamesLatestVersion;
    std::vector<std::string> arrLanguageFirmware;
    // The read from page entry decides whether a newer firmware is offered; a re-read does not.
    bool checkNewUpdate = false;
    bool newUpdateFound = false;
    // The restore page's read writes the press-restore status at its end.
    bool writeDefaultStatus = false;

    // The file the last download was asked to write.
    std::filesystem::path localPathLatestVersion;
    // The image the next run writes: the update page's file field, the restore page's restore image.
    std::string firmwareFile;
    // The items of the voice-prompt language pop-up.
    int languageItems = 0;

    // The backup record the restore page loaded (kept even when it does not fit the device).
    std::optional<KIVOBluetoothDeviceData> dataToUnarchive;
    // The restore page's list tabs: the backed-up device's settings pages.
    SettingsTabs tabs;
};

} // namespace kivo
