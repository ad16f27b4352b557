#pragma once
// What the FM radio and speed-dial pages share: a working copy of the recognized record and its
// factory defaults, made each time the page is shown; Default and Cancel; Back and New Device; the
// save prompt on leaving; and the save on the page's worker with its timer end, which shows the
// result in every language, reverts the edits or takes them into the recognized record, and asks
// for recognition last.

#include <QPushButton>

#include "app/page_bases.h"
#include "app/worker_run.h"
#include "device/device_data.h"
#include "link/hid_discovery.h"
#include "settings/save/page_save.h"

namespace kivo {

// The caller recognition hands back to after a good save: the page's own mode when the user
// pressed Save there (mode_to_go 0), else the page the user was leaving for, reached without the
// success status of recognition (100 + that mode).
int recognition_caller_after_save(int mode, int mode_to_go);

} // namespace kivo

class DeviceSavePage : public SettingsPageBase {
    Q_OBJECT
public:
    DeviceSavePage(kivo::PageHost& host, int mode);
    ~DeviceSavePage() override;

    // Shows the page: the shortcut labels off, a fresh working copy (settings and versions) of the
    // recognized record and its defaults (with the working copy's voice prompt), its tab selected,
    // then the controls.
    void initializeObject() override;
    int modeToGo() const { return modeToGo_; }
    void setModeToGo(int mode) override { modeToGo_ = mode; }
    // Leaving with changes opens the save prompt (true); its OK saves, its Cancel moves on.
    bool checkNeedToSave() override;
    void save(QObject* sender) override;
    void moveToModeToGo() override;
    void moveToDeviceSelection(QObject* sender) override;
    void moveToFirmwareUpdate(QObject* sender) override;
    void changeToDefault(QObject* sender);
    void changeToOriginal(QObject* sender);

    // The working copy differs from the recognized record in what the page saves.
    virtual bool isSettingsChanged() const = 0;
    virtual void setControlsWithData() = 0;

    const KIVOBluetoothDeviceData& dataCurrent() const { return dataCurrent_; }
    const KIVOBluetoothDeviceData& dataDefault() const { return dataDefault_; }
    // -1 while a save runs, then its result; written on the main thread only.
    int rcThreadSave() const { return rcThreadSave_; }
    // The opener of the saves started from now on (hid_open_device unless changed).
    void setOpener(kivo::HidOpener opener) { opener_ = std::move(opener); }
    bool saveRunning() const { return worker_.active(); }

protected:
    struct PageButtons {
        QPushButton* save;
        QPushButton* defaults;
        QPushButton* cancel;
        QPushButton* back;
        QPushButton* newDevice;
    };
    virtual PageButtons pageButtons() = 0;
    // What the page clears when it is shown again (an edit in progress).
    virtual void resetEditing() { }
    // The worker's half: the save of the page's family over copied inputs. Taken on the main
    // thread; the worker reaches nothing of the page.
    using SaveWorker = kivo::settings::PageSaveOutcome (*)(kivo::settings::SettingsSaveInput input);
    virtual SaveWorker saveWorker() const = 0;
    // The persistent-store key whose setting a failed write names.
    virtual int savedSettingKey() const = 0;
    // Done on the main thread once the edits are the device's.
    virtual void afterSuccessfulSave() { }

    // Fills the controls from the working copy, then enables them.
    void refresh();
    // The guard of every action: refused while busy, else an open list of tabs is closed first.
    bool refuseAction();
    KIVOBluetoothDeviceData& workingCopy() { return dataCurrent_; }
    // The five buttons' titles, or their key labels while shortcuts are shown.
    void titlePageButtons();
    // Busy: all five off; else all on but Save, which needs a change (and `editable`).
    void enablePageButtons(bool editable = true);
    // Each key runs the button's click while the page is shown (a disabled button does nothing).
    void addKey(const QKeySequence& key, QAbstractButton* button);

private:
    // The timer's half, on the main thread after the join.
    void timerMethodSave(kivo::settings::PageSaveOutcome outcome);

    int modeToGo_ = 0;
    int rcThreadSave_ = kivo::settings::kPageSaveSucceeded;
    KIVOBluetoothDeviceData dataCurrent_;
    KIVOBluetoothDeviceData dataDefault_;
    kivo::HidOpener opener_;
    kivo::WorkerRun worker_;
};
