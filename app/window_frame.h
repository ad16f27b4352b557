#pragma once
// The frame around the pages: which main buttons are on and checked, the page title and the two
// page-title tabs, the drop-down list of tabs, the menus, the fonts, the flag, the shortcut labels
// and the recognized-device panel. It draws a FrameState, so it can be shown and tested without
// the controller.

#include <array>

#include "common/page_ids.h"
#include "device/device_data.h"
#include "device/products/settings_tabs.h"
#include "text/device_panel.h"

class ManagerWindow;
class QShortcut;

namespace kivo {

struct FrameState {
    int mode = kModeNone;
    bool onProcessing = false;
    int language = 0;
    bool showShortcuts = false;
    // What the panel shows of the recognized device.
    DevicePanelState panel;
    // The device has no settings pages at its firmware, or none after a restore.
    bool settingsExcluded = false;
    bool restoreWithoutSettings = false;
    // The restore page holds a usable backup.
    bool restorePossible = false;
    // The page-title tabs: the device's settings tabs, or the restore page's in mode 6.
    SettingsTabs tabs;
    bool listTabsOpened = false;
    // The page that asked the recognition page; its title names it.
    int recognitionCaller = 0;
};

class WindowFrame {
public:
    explicit WindowFrame(ManagerWindow& window);

    // Enables, titles and fills every control of the frame for state; the panel shows data.
    void setControls(const FrameState& state, const KIVOBluetoothDeviceData& data);
    void setTitle(int language);
    void setDetailTitle(const FrameState& state);
    // The titles of the main buttons and page-title tabs, or their shortcut labels.
    void setShortcuts(const FrameState& state);
    void setMainButtonTitleColor();
    void setControlsFont(int language);
    void enableListTabsTo(bool open, const FrameState& state);
    void setInformationDeviceRecognized(const DevicePanelState& panel, const KIVOBluetoothDeviceData& data);
    void setMenuTitles(int language, bool showShortcuts);
    // The keys of the three entries of the tab list (enabled while the list shows them).
    QShortcut* listTabShortcut(int index) const { return listTabShortcuts_[static_cast<size_t>(index)]; }

private:
    void layOutPageTitleTabs(int selected, int count);

    ManagerWindow& window_;
    std::array<QShortcut*, 3> listTabShortcuts_{};
};

} // namespace kivo
