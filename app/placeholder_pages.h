#pragma once
// Stand-ins for the recognition, update/restore and settings pages until those are built: a plain
// "not yet available" view with working navigation. They start no worker.

#include "app/page_bases.h"
#include "ui_placeholder_page.h"

class PlaceholderView {
public:
    PlaceholderView();
    QWidget* widget;
    Ui::PlaceholderPage ui;
};

class PlaceholderRecognitionPage : public RecognitionPageBase {
    Q_OBJECT
public:
    explicit PlaceholderRecognitionPage(kivo::PageHost& host);
    QWidget* view() override { return view_.widget; }
    int callerMode() const override { return callerMode_; }
    void setCallerMode(int mode) override { callerMode_ = mode; }
    void initializeObject() override;
    void doRecognize(std::optional<KIVOBluetoothDeviceData>) override { }
    void recognize(QObject*) override { doRecognize(std::nullopt); }
    void targetDevice(QObject* sender) override;
    QPushButton* btnNext() override { return view_.ui.btnNext; }
    QPushButton* btnBack() override { return view_.ui.btnBack; }
    void setControls() override;
    void setShortcuts() override;

private:
    PlaceholderView view_;
    int callerMode_ = 0;
};

class PlaceholderUpdatePage : public UpdatePageBase {
    Q_OBJECT
public:
    PlaceholderUpdatePage(kivo::PageHost& host, int mode);
    QWidget* view() override { return view_.widget; }
    void initializeObjectWithDefaultStatus(bool status) override;
    void readLatest() override { setControls(); }
    bool restorePossible() const override { return false; }
    void setControlsFirmwareRestore() override { }
    int tabCount() const override { return 0; }
    int tabAt(int) const override { return 0; }
    int tabIndexSelected() const override { return tabIndexSelected_; }
    void setTabIndexSelected(int index) override { tabIndexSelected_ = index; }
    QPushButton* btnNext() override { return view_.ui.btnNext; }
    QPushButton* btnBack() override { return view_.ui.btnBack; }
    void moveToNext(QObject* sender) override;
    void moveToBack(QObject* sender) override;
    void endLumoraUpdate() override { }
    void setOpenedMessageBox(bool) override { }
    void setControls() override;
    void setShortcuts() override;

private:
    PlaceholderView view_;
    int tabIndexSelected_ = 0;
};

class PlaceholderSettingsPage : public SettingsPageBase {
    Q_OBJECT
public:
    PlaceholderSettingsPage(kivo::PageHost& host, int mode);
    QWidget* view() override { return view_.widget; }
    void initializeObject() override;
    void setModeToGo(int mode) override { modeToGo_ = mode; }
    int modeToGo() const { return modeToGo_; }
    bool checkNeedToSave() override { return false; }
    void save(QObject*) override { }
    void moveToModeToGo() override;
    QPushButton* btnNewDevice() override { return view_.ui.btnNext; }
    QPushButton* btnBack() override { return view_.ui.btnBack; }
    void moveToDeviceSelection(QObject* sender) override;
    void moveToFirmwareUpdate(QObject* sender) override;
    void setControls() override;
    void setShortcuts() override;

private:
    PlaceholderView view_;
    int modeToGo_ = 0;
};
