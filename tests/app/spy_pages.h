#pragma once
// Placeholder pages that record what the controller asks of them.

#include <string>
#include <vector>

#include "app/box_answer_wait.h"
#include "app/placeholder_pages.h"

struct SpyRecognitionPage : PlaceholderRecognitionPage {
    using PlaceholderRecognitionPage::PlaceholderRecognitionPage;
    void doRecognize(std::optional<KIVOBluetoothDeviceData> info) override
    {
        ++recognitions;
        lastInfo = std::move(info);
        lastCaller = callerMode();
    }
    int recognitions = 0;
    int lastCaller = -1;
    std::optional<KIVOBluetoothDeviceData> lastInfo;
};

struct SpySettingsPage : PlaceholderSettingsPage {
    using PlaceholderSettingsPage::PlaceholderSettingsPage;
    bool checkNeedToSave() override
    {
        ++prompts;
        return unsaved;
    }
    void save(QObject*) override { ++saves; }
    void setControls() override
    {
        ++controlsSet;
        PlaceholderSettingsPage::setControls();
    }
    void callTableviewReloadDataForOutsideClass() override { ++tableReloads; }
    bool unsaved = false;
    int prompts = 0;
    int saves = 0;
    int controlsSet = 0;
    int tableReloads = 0;
};

struct SpyUpdatePage : PlaceholderUpdatePage {
    using PlaceholderUpdatePage::PlaceholderUpdatePage;
    void setOpenedMessageBox(bool opened) override { answer.setOpen(opened); }
    void endLumoraUpdate() override { ++cameraDone; }
    void initializeObjectWithDefaultStatus(bool status) override
    {
        calls.push_back(status ? "initializeObjectWithDefaultStatus YES" : "initializeObjectWithDefaultStatus NO");
        PlaceholderUpdatePage::initializeObjectWithDefaultStatus(status);
    }
    void setControlsFirmwareRestore() override { calls.push_back("setControlsFirmwareRestore"); }
    void readLatest() override { calls.push_back("readLatest"); }
    BoxAnswerWait answer;
    int cameraDone = 0;
    // The language sheet's calls, in order.
    std::vector<std::string> calls;
};

// The pages of an application whose recognition, update and settings pages are spies.
struct SpyPages {
    SpyRecognitionPage* recognition = nullptr;
    SpyUpdatePage* update = nullptr;
    SpyUpdatePage* restore = nullptr;
    SpySettingsPage* settings[3] = {nullptr, nullptr, nullptr}; // modes 7, 8, 9

    PageFactory factory()
    {
        PageFactory f;
        f.recognition = [this](kivo::PageHost& host) {
            auto page = std::make_unique<SpyRecognitionPage>(host);
            recognition = page.get();
            return page;
        };
        f.update = [this](kivo::PageHost& host, int mode) {
            auto page = std::make_unique<SpyUpdatePage>(host, mode);
            (mode == 5 ? update : restore) = page.get();
            return page;
        };
        f.settings = [this](kivo::PageHost& host, int mode) {
            auto page = std::make_unique<SpySettingsPage>(host, mode);
            settings[mode - 7] = page.get();
            return page;
        };
        return f;
    }
};
