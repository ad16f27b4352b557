#pragma once
// The one application controller: it owns the main window, the eight pages, the device session,
// the shared device record and the page mode. It runs on the main thread; workers started by pages
// take copies of what they need and hand an outcome back, which the page applies on the main
// thread after the join. Only the message box may be asked for from a worker.

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/box_routes.h"
#include "app/page_bases.h"
#include "app/page_host.h"
#include "app/window_frame.h"
#include "common/page_ids.h"
#include "device/device_data.h"
#include "device/device_session.h"
#include "device/products/same_product.h"
#include "text/device_panel.h"
#include "text/status_text_set.h"

class KeyedArchiver;
class KeyedUnarchiver;
class DeviceSelectionViewController;
class ManagerUpdateViewController;
class ManagerWindow;
namespace kivo {
class MessageBoxHost;
class StatusLine;
} // namespace kivo

class KIVOBluetoothManagerAppController : public QObject, public kivo::PageHost {
    Q_OBJECT
public:
    explicit KIVOBluetoothManagerAppController(PageFactory pages = placeholder_page_factory(),
                                               QObject* parent = nullptr);
    ~KIVOBluetoothManagerAppController() override;

    // After the window is built: resets the state, reads the configuration and shows the first page.
    void initializeObject();
    // Reads the stored configuration into the controller during initializeObject; without one the
    // defaults stand.
    using ConfigurationReader = std::function<void(KIVOBluetoothManagerAppController&)>;
    void setConfigurationReader(ConfigurationReader reader) { configurationReader_ = std::move(reader); }
    // The configuration archive's keys (app/configuration_archive.h reads and writes the file).
    void encodeWithCoder(KeyedArchiver& coder) const;
    // Takes a stored configuration's values. A value of the wrong type raises ArchiveError before
    // anything changes.
    void initWithCoder(const KeyedUnarchiver& coder);
    ManagerWindow* window() const { return window_.get(); }

    // ---- State -------------------------------------------------------------------------------
    int mode() const override { return mode_; }
    void setMode(int mode) override { mode_ = mode; }
    // The selected device besides its record; workers get a copy and hand a changed one back.
    kivo::DeviceSession& session() override { return session_; }
    const kivo::DeviceSession& session() const override { return session_; }
    bool recognized() const { return session_.recognized; }
    void setRecognized(bool v) { session_.recognized = v; }
    int deviceTarget() const { return session_.deviceTarget; }
    void setDeviceTarget(int v) { session_.deviceTarget = v; }
    int usbStatus() const { return session_.usbStatus; }
    void setUsbStatus(int v) { session_.usbStatus = v; }
    bool onProcessing() const override { return onProcessing_; }
    void setOnProcessing(bool v) override { onProcessing_ = v; }
    int languageManager() const override { return languageManager_; }
    void setLanguageManager(int v) { languageManager_ = v; }
    bool showShortcuts() const override { return showShortcuts_; }
    void setShowShortcuts(bool v) override { showShortcuts_ = v; }

    // Settings tabs of the device.
    int tabCount() const { return session_.tabs.count; }
    void setTabCount(int v) { session_.tabs.count = v; }
    int tabAt(int index) const { return session_.tabs.tabs[static_cast<size_t>(index)]; }
    void setTab_At(int tab, int index) { session_.tabs.tabs[static_cast<size_t>(index)] = tab; }
    int tabIndexSelected() const { return session_.tabs.selected; }
    void setTabIndexSelected(int v) { session_.tabs.selected = v; }
    bool listTabsOpened() const { return listTabsOpened_; }
    void setListTabsOpened(bool v) { listTabsOpened_ = v; }

    // Kept at 10.9.0: nothing here reads the host's version.
    int osVersionPrimary() const { return osVersionPrimary_; }
    int osVersionSecondary() const { return osVersionSecondary_; }
    int osVersionMinor() const { return osVersionMinor_; }
    bool lionIOBluetoothFamilyKextEnabled() const { return false; }
    bool thisIOBluetoothFamilyKextBackedUp() const { return false; }

    // The shared device record. Workers fill a copy; the main thread takes it back after the join.
    KIVOBluetoothDeviceData& data() override { return data_; }
    const KIVOBluetoothDeviceData& data() const override { return data_; }
    void setData(const KIVOBluetoothDeviceData& record) override { data_ = record; }

    // Restart to recover an interrupted update or restore, and the firmware file it will use.
    bool restartToRecover() const { return session_.restartToRecover; }
    void setRestartToRecover(bool v) { session_.restartToRecover = v; }
    int modeRestartToRecover() const { return session_.modeRestartToRecover; }
    void setModeRestartToRecover(int v) { session_.modeRestartToRecover = v; }
    const std::string& strRestartDFUFirmwareFile() const { return session_.strRestartDFUFirmwareFile; }
    void setStrRestartDFUFirmwareFile(const std::string& v) { session_.strRestartDFUFirmwareFile = v; }
    int indexRestartDFUFirmwareLanguage() const { return session_.indexRestartDFUFirmwareLanguage; }
    void setIndexRestartDFUFirmwareLanguage(int v) { session_.indexRestartDFUFirmwareLanguage = v; }
    int deviceVersionMajorRestartDFU() const { return session_.deviceVersionRestartDFU.major; }
    void setDeviceVersionMajorRestartDFU(int v) { session_.deviceVersionRestartDFU.major = v; }
    int deviceVersionMinorRestartDFU() const { return session_.deviceVersionRestartDFU.minor; }
    void setDeviceVersionMinorRestartDFU(int v) { session_.deviceVersionRestartDFU.minor = v; }
    int deviceSecondaryVersionTypeRestartDFU() const { return session_.deviceVersionRestartDFU.secondaryType; }
    void setDeviceSecondaryVersionTypeRestartDFU(int v) { session_.deviceVersionRestartDFU.secondaryType = v; }
    int deviceSecondaryVersionRestartDFU() const { return session_.deviceVersionRestartDFU.secondary; }
    void setDeviceSecondaryVersionRestartDFU(int v) { session_.deviceVersionRestartDFU.secondary = v; }
    bool isRestartDFU() const { return session_.isRestartDFU(); }

    const std::string& strManagerVersion() const { return strManagerVersion_; }
    void setStrManagerVersion(const std::string& v) { strManagerVersion_ = v; }
    const std::string& strLanguageManager() const override { return strLanguageManager_; }
    void setStrLanguageManager(const std::string& v) { strLanguageManager_ = v; }
    std::string strLanguageFirmware() const override { return strLanguageFirmware_; }
    void setStrLanguageFirmware(const std::string& v) override { strLanguageFirmware_ = v; }
    bool applyToLanguageFirmware() const override { return applyToLanguageFirmware_; }
    void setApplyToLanguageFirmware(bool v) { applyToLanguageFirmware_ = v; }
    int deviceUpdatedOrRestored() const { return session_.deviceUpdatedOrRestored; }
    void setDeviceUpdatedOrRestored(int v) { session_.deviceUpdatedOrRestored = v; }
    bool statusWithWarning() const;
    bool skipRestoreBackupFile() const { return session_.skipRestoreBackupFile; }
    void setSkipRestoreBackupFile(bool v) { session_.skipRestoreBackupFile = v; }
    bool startManager() const { return false; }

    // The manager-version check's outcome.
    kivo::LatestManagerVersion managerLatest() const override { return managerLatest_; }
    void setManagerLatest(const kivo::LatestManagerVersion& latest) override { managerLatest_ = latest; }
    const std::string& urlManagerUpdate() const { return managerLatest_.downloadAddress; }
    void setUrlManagerUpdate(const std::string& v) { managerLatest_.downloadAddress = v; }
    int managerLatestVersionMajor() const { return managerLatest_.major; }
    void setManagerLatestVersionMajor(int v) { managerLatest_.major = v; }
    int managerLatestVersionMinor() const { return managerLatest_.minor; }
    void setManagerLatestVersionMinor(int v) { managerLatest_.minor = v; }
    int managerLatestVersionSecondary() const { return managerLatest_.secondary; }
    void setManagerLatestVersionSecondary(int v) { managerLatest_.secondary = v; }
    // The latest manager version read from the server is above the running 1.2.0.
    bool haveNewManagerUpdate() const override;

    // Device answers that recognition records.
    int fmRadioShowAndHide() const { return session_.fmRadioShowAndHide; }
    void setFmRadioShowAndHide(int v) { session_.fmRadioShowAndHide = v; }
    int motionSensorShowAndHide() const { return session_.motionSensorShowAndHide; }
    void setMotionSensorShowAndHide(int v) { session_.motionSensorShowAndHide = v; }
    int deviceInfoStatus() const { return session_.deviceInfoStatus; }
    void setDeviceInfoStatus(int v) { session_.deviceInfoStatus = v; }
    int deviceEgranoSpeakerType() const { return session_.deviceEgranoSpeakerType; }
    void setDeviceEgranoSpeakerType(int v) { session_.deviceEgranoSpeakerType = v; }

    // ---- Pages -------------------------------------------------------------------------------
    ManagerUpdateViewController* managerUpdateViewController() const { return managerUpdate_.get(); }
    DeviceSelectionViewController* deviceSelectionViewController() const { return home_.get(); }
    RecognitionPageBase* deviceRecognitionViewController() const { return recognition_.get(); }
    UpdatePageBase* updateViewController() const { return update_.get(); }
    UpdatePageBase* restoreViewController() const { return restore_.get(); }
    SettingsPageBase* deviceSettingsViewController() const { return settings_.get(); }
    SettingsPageBase* deviceSettingsSecondViewController() const { return settingsSecond_.get(); }
    SettingsPageBase* deviceSettingsSpeedDialViewController() const { return settingsSpeedDial_.get(); }
    // The page of the current mode, nullptr outside 2..9.
    DetailViewController* currentDetailViewController() const;

    // ---- Page switching ----------------------------------------------------------------------
    void setDetailViewController(int mode) override;
    void setManagerUpdate() override;
    void setDeviceSelection() override;
    void setDeviceSelectionOnStartUp(bool onStartUp);
    void setDeviceRecognitionWithStatus_info_from(bool status, std::optional<KIVOBluetoothDeviceData> info,
                                                  int from) override;
    void setFirmwareUpdateWithStatus(bool status) override;
    void setFirmwareRestoreWithStatus(bool status) override;
    void setDeviceSettingsWithStatus(bool status) override;
    void setDeviceSettingsSecondWithStatus(bool status) override;
    void setDeviceSettingsSpeedDialWithStatus(bool status) override;
    void switchDetailViewWithViewController(DetailViewController* page);

    // ---- Frame (drawn by kivo::WindowFrame) ---------------------------------------------------
    // What the frame shows now.
    kivo::FrameState frameState() const;
    void setControls() override;
    void setShortcuts();
    void reflectShortcuts() override;
    void setMainButtonTitleColor();
    void setControlsFont();
    void setDetailTitle();
    void enableListTabsTo(bool open);
    void closeListTabs() override;
    void initTabData();
    // The window title and the recognized-device panel.
    void setTitle() override;
    void setInformationDeviceRecognized();
    // The recognized product's picture name.
    std::string getImageFileName() const;
    // The mounted card of the selected camera, ending in "/"; empty when there is none.
    std::string getCameraDiskPath() const;

    bool isDeviceTargetSameAs(int product_id) const
    {
        return kivo::is_device_target_same_as(deviceTarget(), product_id);
    }
    int compareOsVersionWithVersionPrimary_VersionSecondary(int primary, int secondary) const;
    // Removes the temporary file that an interrupted download may have left.
    void deleteTampFile() override;

    // Settings tabs per product and firmware version.
    static void SetTabDataDefaultInTabCount_tabs_tabIndexSelected(int& count, std::array<int, 3>& tabs, int& selected);
    static void SetTabDataInTabCount_tabs_tabIndexSelected_toDevice_withVerMajor_Minor_fmRadioShowAndHide(
        int& count, std::array<int, 3>& tabs, int& selected, int product_id, int major, int minor, int fm_radio);
    // Sets the controller's own tabs for a product and version.
    void setTabsForDevice(int product_id, int major, int minor, int fm_radio);
    // Index in the controller's tabs of a settings mode's tab, -1 when absent.
    int GetTabIndexWith(int mode) const;

    // ---- Actions (refused while processing; each first closes an open tab list) ---------------
    void deviceSelection();
    void deviceRecognition();
    void firmwareUpdate();
    void firmwareRestore();
    void deviceSettings();
    void goNext();
    void goBack();
    void moveToFirstPage();
    void moveToSecondPage();
    void changeSelectionListTabs(int index);
    void changeShortcuts();
    void about();
    void aboutOK();
    void showOnlineHelp();
    void showStatus();
    void stopManager() override;
    void quitAfterSavePrompt() override;
    // Quits and starts the manager again, on its home page: the restart its boxes announce, without
    // a recovery.
    void restartManager();
    // The quit asked for is to be followed by a new run of the manager.
    bool relaunchAtQuit() const { return relaunchAtQuit_; }
    // Saves the diagnostic log where the user chooses.
    void logStatus();
    // Writes the diagnostic log to file; false when it cannot be written.
    bool writeDiagnosticLog(const std::string& file);

    // ---- Language sheet ----------------------------------------------------------------------
    void openLanguageManager();
    // The action of the sheet's radio cells and language names.
    void changeLanguageManager(QObject* sender);
    // Re-titles the sheet in the language of its selected row.
    void setControlsLanguageManager();
    void languageManagerOK();
    void languageManagerCancel();
    // The sheet's row r shows language R(r): English, French, Spanish, Italian, German, Dutch,
    // Russian, Chinese, Korean, Japanese, Finnish, Czech, Polish. Outside 1 to 12: row or language 0.
    static int languageManagerFromButtonCellIndex(int row);
    static int buttonCellIndexFromLanguageManager(int language);

    // ---- Status line -------------------------------------------------------------------------
    std::string getStrStatus() const override;
    void setStrStatus_In(const std::string& text, int language);
    // Stores a whole set at once (workers hand theirs over this way).
    void setStrStatusAll(const kivo::StatusTextSet& texts) override;
    kivo::StatusTextSet strStatus() const;
    std::string getStatusDefault();
    std::string getStatusProcessing() override;
    std::string getStatusSuccess();
    std::string getStatusFailure();
    void setStatus_withWarning(const std::string& text, bool warning) override;
    void setStatusWithDefault() override;
    void setStatusLookPlain() override;
    void updateStatusInManagerLanguage();

    // ---- Message box (any thread may open it) --------------------------------------------------
    int openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        const std::string& message, bool warning, const std::optional<std::string>& cancel,
        const std::optional<std::string>& ok, int size, int purpose) override;
    int closeMessageBox();
    int closeMessageBox(int box) override;
    void messageBoxOK();
    void messageBoxCancel();
    void routeMessageBox(kivo::MessageBoxPurpose purpose, const void* page, kivo::BoxRoute route) override;
    int messageBoxStatus() const;

signals:
    // Emitted once the controller decided to end the application.
    void quitRequested();

private:
    void routeShellMessageBoxes();
    // Connects the window's buttons, menus, sheets and keys to the actions.
    void connectWindow();

    bool refuseAction();
    // The quit's guard: work that can be stopped is, other work keeps it refused (false).
    bool stopWorkForQuit();
    // Ends the application, unless a settings page's save prompt opens first (true then too);
    // false when the quit is refused.
    bool quitManager();
    bool leaveSettingsPageFor(int target, bool check_act);
    bool settingsExcluded() const;
    void showPage(DetailViewController* page);
    void openSettingsTab(int tab);
    void showHomePage(bool onStartUp);
    bool fallBackWithoutRecognizedDevice();
    void showUpdatePage(int mode, UpdatePageBase* page, bool status);
    void showSettingsPage(int mode, SettingsPageBase* page, bool status);
    void resetDataToNoDevice();
    kivo::DevicePanelState panelState() const;

    std::unique_ptr<ManagerWindow> window_;
    std::unique_ptr<kivo::WindowFrame> frame_;
    std::unique_ptr<kivo::StatusLine> statusLine_;
    std::unique_ptr<kivo::MessageBoxHost> messageBox_;
    std::unique_ptr<ManagerUpdateViewController> managerUpdate_;
    std::unique_ptr<DeviceSelectionViewController> home_;
    std::unique_ptr<RecognitionPageBase> recognition_;
    std::unique_ptr<UpdatePageBase> update_;
    std::unique_ptr<UpdatePageBase> restore_;
    std::unique_ptr<SettingsPageBase> settings_;
    std::unique_ptr<SettingsPageBase> settingsSecond_;
    std::unique_ptr<SettingsPageBase> settingsSpeedDial_;

    int mode_ = kModeNone;
    kivo::DeviceSession session_;
    KIVOBluetoothDeviceData data_;
    bool onProcessing_ = false;
    int languageManager_ = 0;
    bool showShortcuts_ = false;
    bool listTabsOpened_ = false;
    bool relaunchAtQuit_ = false;
    int osVersionPrimary_ = 10;
    int osVersionSecondary_ = 9;
    int osVersionMinor_ = 0;

    std::string strManagerVersion_;
    std::string strLanguageManager_;
    std::string strLanguageFirmware_;
    bool applyToLanguageFirmware_ = true;

    // Zero until the check has read the server's list.
    kivo::LatestManagerVersion managerLatest_{0, 0, 0, {}};

    ConfigurationReader configurationReader_;
    // The page in the detail box; its box routes go when it is left.
    DetailViewController* shownPage_ = nullptr;
};
