#pragma once
// What the controller asks of the pages that live in other subsystems: recognition, the update
// and restore pages (one class, two instances) and the three settings pages. Each real page
// derives from its base; until a page exists, a placeholder stands in.

#include <QPushButton>

#include <functional>
#include <memory>
#include <optional>

#include "app/detail_view_controller.h"
#include "device/device_data.h"

class RecognitionPageBase : public DetailViewController {
    Q_OBJECT
public:
    using DetailViewController::DetailViewController;
    virtual int callerMode() const = 0;
    virtual void setCallerMode(int mode) = 0;
    virtual void initializeObject() = 0;
    // Starts a recognition; a record is written back to the device after it is found.
    virtual void doRecognize(std::optional<KIVOBluetoothDeviceData> info) = 0;
    virtual void recognize(QObject* sender) = 0;
    virtual void targetDevice(QObject* sender) = 0;
    virtual QPushButton* btnNext() = 0;
    virtual QPushButton* btnBack() = 0;
};

class UpdatePageBase : public DetailViewController {
    Q_OBJECT
public:
    // mode 5 (update page) or 6 (restore page)
    UpdatePageBase(kivo::PageHost& host, int mode)
        : DetailViewController(host)
        , pageMode_(mode)
    { }
    int pageMode() const { return pageMode_; }
    // The camera update's end (both pages) and, on the update page, the backup question of the
    // update worker, which waits for the answer.
    void routeMessageBoxes() override;
    virtual void initializeObjectWithDefaultStatus(bool status) = 0;
    virtual void readLatest() = 0;
    virtual bool restorePossible() const = 0;
    virtual void setControlsFirmwareRestore() = 0;
    virtual int tabCount() const = 0;
    virtual int tabAt(int index) const = 0;
    virtual int tabIndexSelected() const = 0;
    virtual void setTabIndexSelected(int index) = 0;
    virtual QPushButton* btnNext() = 0;
    virtual QPushButton* btnBack() = 0;
    virtual void moveToNext(QObject* sender) = 0;
    virtual void moveToBack(QObject* sender) = 0;
    virtual void endLumoraUpdate() = 0;
    virtual void setOpenedMessageBox(bool opened) = 0;

protected:
    // The update page's Next leads back to device selection for these devices ...
    bool nextIsNewDevice() const;
    // ... else to the device's first settings page; Back asks for a new recognition.
    void goToNextPage();
    void goBackToRecognition();

private:
    int pageMode_;
};

class SettingsPageBase : public DetailViewController {
    Q_OBJECT
public:
    // mode 7, 8 or 9
    SettingsPageBase(kivo::PageHost& host, int mode)
        : DetailViewController(host)
        , pageMode_(mode)
    { }
    int pageMode() const { return pageMode_; }
    // The save prompt of the page.
    void routeMessageBoxes() override;
    virtual void initializeObject() = 0;
    virtual void setModeToGo(int mode) = 0;
    virtual bool checkNeedToSave() = 0;
    // Settings page only: the audio-channel-timeout field holds an acceptable value.
    virtual bool checkACT() { return true; }
    virtual void save(QObject* sender) = 0;
    virtual void moveToModeToGo() = 0;
    // Settings page only: re-titles the all-settings table after a language change.
    virtual void callTableviewReloadDataForOutsideClass() { }
    virtual QPushButton* btnNewDevice() = 0;
    virtual QPushButton* btnBack() = 0;
    virtual void moveToDeviceSelection(QObject* sender) = 0;
    virtual void moveToFirmwareUpdate(QObject* sender) = 0;

protected:
    // The save prompt was declined: on to the page the user was leaving for, or out of the
    // application when a quit raised it.
    void moveOnWithoutSaving(int mode_to_go);

private:
    int pageMode_;
};

// Makes the pages that live in other subsystems; the programs pass the real ones (main/).
struct PageFactory {
    std::function<std::unique_ptr<RecognitionPageBase>(kivo::PageHost&)> recognition;
    // mode 5 (update page) or 6 (restore page)
    std::function<std::unique_ptr<UpdatePageBase>(kivo::PageHost&, int)> update;
    // mode 7, 8 or 9
    std::function<std::unique_ptr<SettingsPageBase>(kivo::PageHost&, int)> settings;
};

// Stand-ins for the pages that are not built yet.
PageFactory placeholder_page_factory();
