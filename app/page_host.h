#pragma once
// What a page may ask of the application: the narrow face of the controller that every page
// receives in place of the controller itself. Navigation by the imposed set...WithStatus names, the
// frame around the page, the status line, the message box and its routes, the busy flag, language
// and shortcuts, and the device: its session and its record. Main thread only, except the message
// box, which a worker may ask for.

#include <optional>
#include <string>

#include "app/box_routes.h"
#include "app/manager_version_list.h"
#include "common/page_ids.h"
#include "device/device_data.h"
#include "device/device_session.h"
#include "text/status_text_set.h"

namespace kivo {

class PageHost {
public:
    virtual ~PageHost() = default;

    // ---- Navigation ----------------------------------------------------------------------------
    virtual int mode() const = 0;
    virtual void setMode(int mode) = 0;
    DetailMode detailMode() const { return static_cast<DetailMode>(mode()); }
    virtual void setDetailViewController(int mode) = 0;
    virtual void setManagerUpdate() = 0;
    virtual void setDeviceSelection() = 0;
    // Recognition asked for by `from` (0: the recognition page itself; 100 + a mode: hand back to
    // that mode without its success status); info is a record to write back once the device is found.
    virtual void setDeviceRecognitionWithStatus_info_from(bool status, std::optional<KIVOBluetoothDeviceData> info,
                                                          int from) = 0;
    virtual void setFirmwareUpdateWithStatus(bool status) = 0;
    virtual void setFirmwareRestoreWithStatus(bool status) = 0;
    virtual void setDeviceSettingsWithStatus(bool status) = 0;
    virtual void setDeviceSettingsSecondWithStatus(bool status) = 0;
    virtual void setDeviceSettingsSpeedDialWithStatus(bool status) = 0;

    // ---- The frame around the page --------------------------------------------------------------
    // Enables, titles and fills the window's own controls for the current state.
    virtual void setControls() = 0;
    virtual void setTitle() = 0;
    // Closes the list of settings tabs when it is open.
    virtual void closeListTabs() = 0;

    // ---- Status line ----------------------------------------------------------------------------
    // The status in the interface language.
    virtual std::string getStrStatus() const = 0;
    // Fills the status set with the processing text of the current mode; returns it.
    virtual std::string getStatusProcessing() = 0;
    // Takes a whole set (a language change shows it again) without showing it.
    virtual void setStrStatusAll(const StatusTextSet& texts) = 0;
    // Shows text, in the warning colour when warning is set.
    virtual void setStatus_withWarning(const std::string& text, bool warning) = 0;
    // The ready status of the current mode.
    virtual void setStatusWithDefault() = 0;
    // The normal (white) look, keeping the text shown.
    virtual void setStatusLookPlain() = 0;

    // ---- Message box ----------------------------------------------------------------------------
    // Any thread may open it; a nullopt title hides its button. Returns the number of the box.
    virtual int openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        const std::string& message, bool warning, const std::optional<std::string>& cancel,
        const std::optional<std::string>& ok, int size, int purpose) = 0;
    // Closes the box of that number unless a newer box took its place; any thread. Returns the
    // purpose it was kept for.
    virtual int closeMessageBox(int box) = 0;
    // What the answers to a box of purpose do for page, until page is left (see BoxRoutes).
    virtual void routeMessageBox(MessageBoxPurpose purpose, const void* page, BoxRoute route) = 0;

    // Ends the application unless something is being processed; unsaved changes of a settings page
    // are asked about first, as when the page is left.
    virtual void stopManager() = 0;
    // The save prompt that quitting raised has been answered (and a save it asked for has ended
    // well): ends the application without asking again.
    virtual void quitAfterSavePrompt() = 0;

    // ---- Busy flag: while set, every action of the window is refused ------------------------------
    virtual bool onProcessing() const = 0;
    virtual void setOnProcessing(bool processing) = 0;

    // ---- Language and shortcuts -----------------------------------------------------------------
    virtual int languageManager() const = 0;
    // The English name of the voice-prompt language the user chose.
    virtual std::string strLanguageFirmware() const = 0;
    virtual void setStrLanguageFirmware(const std::string& name) = 0;
    // The English name of the interface language, and whether the firmware's voice-prompt language
    // follows it.
    virtual const std::string& strLanguageManager() const = 0;
    virtual bool applyToLanguageFirmware() const = 0;
    virtual bool showShortcuts() const = 0;
    virtual void setShowShortcuts(bool show) = 0;
    // Shows the shortcut labels, or the titles, in the frame and the current page.
    virtual void reflectShortcuts() = 0;

    // ---- The device -----------------------------------------------------------------------------
    virtual DeviceSession& session() = 0;
    virtual const DeviceSession& session() const = 0;
    virtual KIVOBluetoothDeviceData& data() = 0;
    virtual const KIVOBluetoothDeviceData& data() const = 0;
    virtual void setData(const KIVOBluetoothDeviceData& record) = 0;
    // Removes the temporary file an interrupted download may have left.
    virtual void deleteTampFile() = 0;

    // ---- The manager itself ---------------------------------------------------------------------
    // The newest manager the server lists, once the check has read it.
    virtual LatestManagerVersion managerLatest() const = 0;
    virtual void setManagerLatest(const LatestManagerVersion& latest) = 0;
    // The latest version is above the running one.
    virtual bool haveNewManagerUpdate() const = 0;
};

} // namespace kivo
