#pragma once
// The update and restore page (one class, modes 5 and 6): its view, drawn from the page's state
// (update/state), the starter of an update or restore run on the page's worker with its one-second
// timer, and the page's small operations; on the restore page, the summary of the settings backup
// a restore would write back.

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/box_answer_wait.h"
#include "app/page_bases.h"
#include "app/worker_run.h"
#include "text/localized.h"
#include "ui_restore_view.h"
#include "ui_update_view.h"
#include "update/engine/hid/voice_prompt_language.h"
#include "update/engine/run.h"
#include "update/engine/shared_block.h"
#include "update/page/page_update_host.h"
#include "update/page/restore_table_cell_view.h"
#include "update/server/download_into_file.h"
#include "update/server/latest_read.h"
#include "update/state/backup_summary_rows.h"
#include "update/state/page_controls.h"
#include "update/state/update_page_state.h"

class NewUpdateSheet;

// The step at which a download failed; each has its row of failure texts.
enum class DownloadFailure { FileNotCreated, FileNotOpened, NoConnection, ConnectionFailed };

class UpdateViewController : public UpdatePageBase {
    Q_OBJECT
public:
    UpdateViewController(kivo::PageHost& host, int mode);
    ~UpdateViewController() override;

    QWidget* view() override { return view_; }
    // Page entry: the firmware index is read (on the restore page, when a usable backup is there);
    // status asks the restore read to write the press-restore status at its end.
    void initializeObjectWithDefaultStatus(bool status) override;
    // Reads the index again (after a language change), without the new-update decision.
    void readLatest() override;
    // Resets the restore page's list tabs and closes the window's list of tabs.
    void initTabData();
    // The Update and Restore buttons' actions. Each first switches to the page that owns it. On
    // its own page Update starts the run with the firmware file (with a run to recover, the
    // remembered file); Restore downloads the backup's image into the restore image and restores
    // from it when the download ends.
    virtual void updateFirmware(QObject* sender);
    virtual void restoreFirmware(QObject* sender);
    // Browse (update page): a file the user picks becomes the firmware file.
    virtual void browseFirmware(QObject* sender);
    // Download (update page) and YES on the sheet: the save panel, then the download of the
    // selected language's file into the file the user names.
    virtual void downloadFirmware(QObject* sender);
    // The firmware file changed: the Update button follows whether there is one.
    void firmwareFileChanged(QObject* sender);
    // The image the next run writes: the update page's file field, the restore page's restore image.
    std::string firmwareFile() const;
    // The file the last download was asked to write.
    const std::filesystem::path& localPathLatestVersion() const { return state_.localPathLatestVersion; }
    bool downloadActive() const { return download_ != nullptr; }
    // A usable backup is there (and, once the server is asked, its version is listed).
    bool restorePossible() const override { return state_.restorePossible; }
    void setRestorePossible(bool possible) { state_.restorePossible = possible; }
    void setControlsFirmwareRestore() override;
    int tabCount() const override { return state_.tabs.count; }
    int tabAt(int index) const override
    {
        const std::array<int, 3>& tabs = state_.tabs.tabs;
        return index >= 0 && index < static_cast<int>(tabs.size()) ? tabs[static_cast<size_t>(index)] : 0;
    }
    int tabIndexSelected() const override { return state_.tabs.selected; }
    void setTabIndexSelected(int index) override { state_.tabs.selected = index; }
    QPushButton* btnNext() override { return btnNext_; }
    QPushButton* btnBack() override { return btnBack_; }
    void moveToNext(QObject*) override { goToNextPage(); }
    void moveToBack(QObject*) override { goBackToRecognition(); }
    // Ends a camera run as a success at the next tick.
    void endLumoraUpdate() override;
    void setOpenedMessageBox(bool opened) override { openedMessageBox_.setOpen(opened); }
    bool openedMessageBox() const { return openedMessageBox_.isOpen(); }
    // Lays out the page's own view: the update page (mode 5) or the restore page.
    void setControls() override;
    void setShortcuts() override;
    void routeMessageBoxes() override;
    void setShortcutsFirmwareUpdate();
    void setControlsFirmwareUpdate();
    void setShortcutsFirmwareRestore();
    // Loads the backup of the selected product into dataToUnarchive and writes the summary's
    // header and then its rows for the selected tab; without a usable backup, says so on the status
    // line and clears restorePossible.
    void setBackupInfo();
    // The language pop-up is about to open: the window's list of tabs closes first.
    void menuWillOpen();
    // The restore table's data source: its rows for the selected product, the loaded backup, the
    // FM code and the language, and the view of a row (nullptr for a blank row), owned by the caller.
    int numberOfRowsInTableView() const;
    RestoreTableCellView* tableView_viewForTableColumn_row(int row) const;
    // Shows the restore table and its scroll view while a restore is possible, hides them else.
    void restoreTableViewHiddenWithRestorePossible();

    // The page's state, from which its controls are drawn.
    const kivo::UpdatePageState& pageState() const { return state_; }
    // What the page is doing (UpdateScreenState).
    int state() const { return state_.state; }
    void setState(int state) { state_.state = state; }
    // The percentage shown, as the timer last took it from the run; -1 shows none.
    int updateProcessed() const { return state_.updateProcessed; }
    // Sets the run's percentage and the one shown.
    void setUpdateProcessed(int percent)
    {
        shared_->setUpdateProcessed(percent);
        state_.updateProcessed = percent;
    }
    // The update page's view (mode 5 only).
    const Ui::UpdateView& updateUi() const { return update_; }
    Ui::UpdateView& updateUi() { return update_; }
    // The restore page's view (mode 6 only).
    const Ui::RestoreView& restoreUi() const { return restore_; }
    Ui::RestoreView& restoreUi() { return restore_; }

    // Starts an update (mode 5) or restore (mode 6) of the firmware file on the page's worker,
    // with the timer beside it: state 3 or 6 and onProcessing set. Everything the worker reads is
    // copied here, on the main thread.
    void startUpdateRun(const std::string& firmware_file);
    // The opener of the runs started from now on (hid_open_device unless changed).
    void setOpener(kivo::HidOpener opener) { opener_ = std::move(opener); }
    // The timer's tick, on the main thread.
    void timerMethodUpdate();
    // The shared block of the last run started (before the first, the page's own).
    const kivo::UpdateShared* runShared() const { return shared_.get(); }
    bool runActive() const { return worker_.active(); }

    // The backup record the restore page loaded (kept even when it does not fit the device); a
    // successful restore hands it to recognition, which writes it back.
    const std::optional<KIVOBluetoothDeviceData>& dataToUnarchive() const { return state_.dataToUnarchive; }
    void setDataToUnarchive(std::optional<KIVOBluetoothDeviceData> record)
    {
        state_.dataToUnarchive = std::move(record);
    }
    // The selected voice-prompt language of the page; -1 while it has none to offer.
    int indexOfSelectedLanguageFirmware() const;

    // ---- The new-update sheet (update page) -----------------------------------------------------
    // The sheet; null on the restore page.
    NewUpdateSheet* sheetNewUpdateFound() const { return sheetNewUpdateFound_; }
    // Fills the sheet's fixed texts, image and button titles in the interface language.
    void setControlsNewUpdateFound();
    // YES: the sheet's language becomes the page's and the remembered one, the sheet closes and
    // the save panel opens for the download.
    virtual void yesButtonSelectedAt(QObject* sender);
    // NO (or the sheet closed otherwise): the offer is declined.
    virtual void noButtonSelectedAt(QObject* sender);

    // ---- Small operations -----------------------------------------------------------------------
    // The firmware index's version text (without its "v"): two parts, or four for the camera.
    bool getLatestVersionFromString(std::string_view text);
    bool getLumoraLatestVersionFromString(std::string_view text);
    int latestVersionMajor() const { return state_.latestVersion.major; }
    int latestVersionMinor() const { return state_.latestVersion.minor; }
    int latestVersionSecondaryType() const { return state_.latestVersion.secondaryType; }
    int latestVersionSecondary() const { return state_.latestVersion.secondary; }
    const FirmwareQuad& latestVersion() const { return state_.latestVersion; }
    void setLatestVersion(const FirmwareQuad& version) { state_.latestVersion = version; }
    // The files and languages the index listed, index-aligned with the pop-up's items.
    const std::vector<std::string>& arrFileNamesLatestVersion() const { return state_.arrFileNamesLatestVersion; }
    const std::vector<std::string>& arrLanguageFirmware() const { return state_.arrLanguageFirmware; }
    bool checkNewUpdate() const { return state_.checkNewUpdate; }
    bool newUpdateFound() const { return state_.newUpdateFound; }
    bool writeDefaultStatus() const { return state_.writeDefaultStatus; }
    // A read of the index is going (from its start to the tick that ends it).
    bool readActive() const { return reading_; }
    // The file of the latest version, as the server names it.
    const std::string& fileNameLatestVersion() const { return state_.fileNameLatestVersion; }
    void setFileNameLatestVersion(std::string name) { state_.fileNameLatestVersion = std::move(name); }
    // Whether the selected device is a unit told apart by this address.
    bool changePSKeyTorvikWith(std::string_view address) const;
    bool checkLumoraUpdateComplete() const { return checkLumoraUpdateComplete_; }

    // ---- Voice-prompt language (the worker calls kivo::VoicePromptLanguage itself) ----------------
    static int UnitLanguageCodeFromString(std::string_view name)
    {
        return kivo::VoicePromptLanguage::UnitLanguageCodeFromString(name);
    }
    static int UnitLanguageCodeFromStringForKelpor(std::string_view name)
    {
        return kivo::VoicePromptLanguage::UnitLanguageCodeFromStringForKelpor(name);
    }
    static int GetLanguageCodeFromIMGFileNmae(std::string_view token)
    {
        return kivo::VoicePromptLanguage::GetLanguageCodeFromIMGFileNmae(token);
    }
    static int LanguageCodeFromString(int index) { return kivo::VoicePromptLanguage::LanguageCodeFromString(index); }
    static bool bt_set_unit_language_with(int slot, int code)
    {
        return kivo::VoicePromptLanguage::bt_set_unit_language_with(slot, code);
    }
    static bool bt_set_unit_language_kelpor_with(int slot, int code)
    {
        return kivo::VoicePromptLanguage::bt_set_unit_language_kelpor_with(slot, code);
    }

protected:
    // The worker's half: one run over its inputs; tests stand a fake worker in.
    virtual void runUpdate(kivo::UpdateInputs inputs, kivo::UpdateShared& shared, kivo::UpdateHost& host);

private:
    using PageText = std::string (*)(kivo::ManagerLanguage);

    kivo::UpdateInputs inputsFromController(const std::string& firmware_file) const;
    // The download (firmware_download.cpp): its start on the page's worker, and its ends.
    void downloadFirmwareFromServer();
    void connectionDidFinishLoading();
    void connection_didFailWithError();
    // Every failure of a download ends here; one at its start also declines the offer.
    void endDownload(DownloadFailure step, bool at_start);
    // A page text in every language on the status line; the processing text before one.
    void showPageStatus(PageText text, bool warning);
    void showProcessingText(PageText text);
    void setFirmwareFile(const std::string& path);
    // Selects a remembered language; an index outside the items selects nothing.
    void selectLanguageFirmware(int index);
    // The firmware index read (index_read.cpp): its start from page entry or again (both pages'
    // shared steps; false when the restore page has no usable backup to ask about), the read on
    // the page's worker over its inputs, and its ends at a tick.
    bool startIndexRead(bool check_new_update);
    void startReadLatest();
    kivo::LatestReadInputs readInputsFromController() const;
    void applyLatestRead(const kivo::LatestReadOutcome& outcome);
    void endUpdateRead(const kivo::LatestReadOutcome& outcome);
    // The end of a read from page entry that found a newer firmware: the sheet, or for units of
    // the partner-branded headset the message that sends them to the partner's manager.
    void offerNewUpdate();
    void setUpNewUpdateSheet();
    void endRevisionsRead(const kivo::LatestReadOutcome& outcome);
    PopUpButton* popUpLanguageFirmware() const;
    // What a refresh takes from the application.
    kivo::PageContext pageContext() const;
    // The timer's steps (update_timer.cpp).
    void finishRun();
    void endSucceededRun();
    void endShortRun(int error);
    void showRunStatus();
    void openEndingBox(const std::string& message, bool warning, int size, int purpose);

    void setUpView();

    // The step of setBackupInfo that loads and checks the backup; false for none usable.
    bool loadBackup();
    void showBackupHeader();
    void showSummaryRows();
    void showNoBackup();
    // Visible summary fields this refresh did not write are cleared, and long texts get a smaller
    // font (restore_layout.cpp).
    void finishSummaryRows(const std::array<bool, 6>& shown);
    // The restore table's set-up and its reload (restore_table.cpp).
    void setUpRestoreTable();
    void reloadRestoreTable();
    // The frames of the restore page; its table's is shorter above the voice-prompt instructions.
    void placeRestoreControls(bool table_above_instructions);

    QWidget* view_ = nullptr;
    Ui::UpdateView update_{};
    Ui::RestoreView restore_{};
    QPushButton* btnNext_ = nullptr;
    QPushButton* btnBack_ = nullptr;
    kivo::UpdatePageState state_;
    // What the summary wrote at the last refresh; nothing without a usable backup.
    kivo::BackupSummaryRows summaryRows_;
    // A read of the firmware index is going, from its start to the tick that ends it.
    bool reading_ = false;
    NewUpdateSheet* sheetNewUpdateFound_ = nullptr;
    BoxAnswerWait openedMessageBox_;
    PageUpdateHost engineHost_;
    kivo::HidOpener opener_;
    // The run going, or the last one; the page's own block before the first run.
    std::shared_ptr<kivo::UpdateShared> shared_;
    kivo::UpdateInputs runInputs_;
    // The download going, from its start to its end.
    std::unique_ptr<kivo::DownloadFile> download_;
    bool checkLumoraUpdateComplete_ = false;
    kivo::WorkerRun worker_;
};
