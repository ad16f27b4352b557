#pragma once
// What the three settings pages (the settings page, the FM radio page and the speed-dial page)
// share: a working copy of the recognized record and its factory defaults; Default and Cancel; Back
// and New Device; the save prompt on leaving and its NO; and the save, started on the page's worker
// and ended on the main thread, which shows the result in every language, throws the edits away
// (the device was missed), keeps them (a write failed) or takes them into the recognized record and
// asks for recognition last. Each page brings its own device work, the meaning of its result codes,
// its entry and its refresh.

#include <QPushButton>

#include <functional>

#include "app/page_bases.h"
#include "app/worker_run.h"
#include "device/device_data.h"
#include "link/hid_discovery.h"
#include "settings/save/page_save.h"
#include "text/status_text_set.h"

// The key labels of the buttons every settings page has.
namespace kivo::page_keys {
inline constexpr char kSave[] = "[O][C]-S";
inline constexpr char kDefault[] = "[C]-D";
inline constexpr char kCancel[] = "[C]-C";
} // namespace kivo::page_keys

class DeviceSavePage : public SettingsPageBase {
    Q_OBJECT
public:
    DeviceSavePage(kivo::PageHost& host, int mode);
    ~DeviceSavePage() override;

    // The FM radio and speed-dial pages' entry (the settings page has its own): the shortcut labels
    // off, fresh copies of the recognized record, the defaults with the working copy's voice prompt,
    // then the controls.
    void initializeObject() override;
    int modeToGo() const { return modeToGo_; }
    void setModeToGo(int mode) override { modeToGo_ = mode; }
    // Leaving with changes opens the save prompt of the page's purpose (true); its OK saves, its
    // Cancel moves on.
    bool checkNeedToSave() override;
    // Save: nothing while busy; an open tab list closes; the page's checkACT must pass (only the
    // settings page has a field to check); then the save starts.
    void save(QObject* sender) override;
    // The prompt declined: the edits go and the page the user was leaving for is shown (or the
    // application ends, when quitting raised the prompt).
    void moveToModeToGo() override;
    void moveToDeviceSelection(QObject* sender) override;
    void moveToFirmwareUpdate(QObject* sender) override;
    // The working copy takes the factory defaults (after the page's Default rule has changed
    // them), or the device's values: nothing while busy, an open tab list closes, then the refresh.
    void changeToDefault(QObject* sender);
    void changeToOriginal(QObject* sender);

    // The working copy differs from the recognized record in what the page saves.
    virtual bool isSettingsChanged() const = 0;
    // Fills the page's controls from the working copy.
    virtual void setControlsWithData() = 0;

    // The working copy every control edits and a save writes.
    const KIVOBluetoothDeviceData& dataCurrent() const { return dataCurrent_; }
    // The factory defaults of the recognized product and firmware.
    const KIVOBluetoothDeviceData& dataDefault() const { return dataDefault_; }
    // -1 while a save runs, then its result; written on the main thread only.
    int rcThreadSave() const { return rcThreadSave_; }
    // The opener of the saves started from now on (hid_open_device unless changed).
    void setOpener(kivo::HidOpener opener) { opener_ = std::move(opener); }
    bool saveRunning() const { return worker_.active(); }

protected:
    // The save itself, without the guard and the timeout check: the processing status, busy on,
    // both refreshes, then the page's device work on the worker over copies of the records.
    void startSave();

    // The device work of one save, taken on the main thread and run on the worker, where it
    // reaches nothing of the page; returns the page's result code (0 is success).
    using SaveWork = std::function<int(kivo::settings::SettingsSaveInput input)>;
    virtual SaveWork saveWork() const = 0;
    // What a finished save's result code means on the page: its status in every language, and
    // whether the save missed the device (the edits go, with a box) rather than failed a write
    // (the edits stay for another try).
    struct SaveResultMeaning {
        kivo::StatusTextSet status;
        bool missedTheDevice = false;
    };
    virtual SaveResultMeaning meaningOf(int result) const = 0;
    // The FM radio and speed-dial pages' saves: their worker's outcome as the page's code, and the
    // meaning of their codes, whose write failure names the setting under saved_key.
    static SaveWork pageSaveWork(kivo::settings::PageSaveOutcome (*worker)(kivo::settings::SettingsSaveInput));
    SaveResultMeaning pageSaveMeaning(int result, int saved_key) const;
    // Done on the main thread once the edits are the device's.
    virtual void afterSuccessfulSave() { }
    // A save that missed the device: the working copy takes the device's values again.
    virtual void revertAfterMissedSave();
    // The working copy was replaced as a whole: the controls show it and are enabled for it.
    virtual void refreshFromWorkingCopy();
    // What the page clears when it is shown again (an edit in progress).
    virtual void resetEditing() { }

    // The guard of every action: refused while busy, else an open list of tabs is closed first.
    bool refuseAction();
    // Default's own change to the defaults before the working copy takes them; it stays in the
    // defaults until the page is entered again.
    virtual void applyDefaultRule() { }
    // The working copy takes every setting of source (not its firmware versions), then the refresh.
    void takeWorkingCopyFrom(const KIVOBluetoothDeviceData& source);
    // The question whether to save the page's changes, answered through the routes of purpose.
    void openSavePrompt(kivo::MessageBoxPurpose purpose);
    KIVOBluetoothDeviceData& workingCopy() { return dataCurrent_; }
    KIVOBluetoothDeviceData& defaults() { return dataDefault_; }
    // The shortcut labels off, fresh copies of the recognized record (the working copy with its
    // versions, its factory defaults) and the page's tab selected.
    void takeRecognizedRecord();

    struct PageButtons {
        QPushButton* save;
        QPushButton* defaults;
        QPushButton* cancel;
        QPushButton* back;
        QPushButton* newDevice;
    };
    virtual PageButtons pageButtons() = 0;
    // The five buttons' titles, or their key labels while shortcuts are shown.
    void titlePageButtons();
    // Busy: all five off; else all on but Save, which needs a change (and `editable`).
    void enablePageButtons(bool editable = true);
    // Each key runs the button's click while the page is shown (a disabled button does nothing).
    void addKey(const QKeySequence& key, QAbstractButton* button);

private:
    // The timer's half, on the main thread after the join.
    void timerMethodSave(int result);

    int modeToGo_ = 0;
    int rcThreadSave_ = kivo::settings::kSaveSucceeded;
    KIVOBluetoothDeviceData dataCurrent_;
    KIVOBluetoothDeviceData dataDefault_;
    kivo::HidOpener opener_;
    // Last: joined before anything its outcome would reach is gone.
    kivo::WorkerRun worker_;
};
