#pragma once
// The whole application, offscreen, on an empty simulated bus: tests drive it through the window's
// buttons and the controller, and read back what it shows. Its configuration lives in a folder of
// its own, its firmware server is a closed local port unless a test serves one, and a relaunch is
// only counted.

#include <QAbstractButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/address_opener.h"
#include "app/application.h"
#include "app/configuration_archive.h"
#include "app/data_folders.h"
#include "app/home_page.h"
#include "app/manager_window.h"
#include "app/server_choice.h"
#include "tests/app/net/local_http_server.h"
#include "tests/app/run_events.h"
#include "tests/sim/bus.h"

class AppTest : public ::testing::Test {
protected:
    // The pages the application is started with; tests that spy on a page override it.
    virtual PageFactory pages() { return placeholder_page_factory(); }
    // Runs after the controller has read its configuration file, before it uses it.
    virtual void configure(KIVOBluetoothManagerAppController&) { }
    // The firmware server the application starts with.
    virtual std::string serverBase() { return testnet::closed_local_base(); }
    // Whether SetUp waits for the home page's manager check to end.
    virtual bool waitForManagerCheck() { return true; }

    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        kivo::set_address_opener([this](const std::string& address) { opened_.push_back(address); });
        kivo::set_firmware_server_base(serverBase());
        kivo::set_archive_folder(archiveFolder());
        startApplication();
    }

    // The application as the program's entry starts it: a delegate and its controller reading this
    // test's configuration file.
    void startApplication()
    {
        delegate_ = std::make_unique<KIVOBluetoothManagerAppDelegate>(pages());
        delegate_->setConfigurationFile(configurationFile());
        delegate_->setRelauncher([this] { ++relaunches_; });
        app().setConfigurationReader([this](KIVOBluetoothManagerAppController& c) {
            kivo::read_configuration(configurationFile(), c);
            configure(c);
        });
        delegate_->start();
        // The home page's manager check ends before a test acts.
        if (waitForManagerCheck()) {
            run_events_until([this] { return !app().deviceSelectionViewController()->managerCheckRunning(); });
        }
    }

    void TearDown() override
    {
        delegate_.reset();
        kivo::set_address_opener(nullptr);
        kivo::set_firmware_server_base({});
        kivo::set_archive_folder({});
    }

    // The relaunched program: the application ended (a quit that has not written its configuration
    // writes it now), then a new one started, reading the configuration the quit left. The
    // simulated bus stays as it is.
    void startAgain()
    {
        delegate_->applicationWillTerminate();
        delegate_.reset();
        startApplication();
    }

    KIVOBluetoothManagerAppController& app() { return delegate_->appController(); }
    KIVOBluetoothManagerAppDelegate& delegate() { return *delegate_; }
    ManagerWindow& window() { return *app().window(); }
    Ui::KIVOBluetoothManagerWindow& ui() { return window().ui; }
    std::string statusLine() { return ui().tfStatus->text().toStdString(); }
    const std::vector<std::string>& openedAddresses() const { return opened_; }
    int relaunches() const { return relaunches_; }
    // Where this test's configuration is read and written; the folder is this test's own.
    std::filesystem::path configurationFile() const
    {
        return std::filesystem::path(folder_.path().toStdString()) / "config" / "VARGOZeltraDeviceManager.tavkconf";
    }

    // Where this test's backups go (made when the first one is written).
    std::filesystem::path archiveFolder() const
    {
        return std::filesystem::path(folder_.path().toStdString()) / "archive";
    }

    // A recognized device as recognition leaves it.
    void recognize(int product_id, int major = 1, int minor = 0)
    {
        app().setDeviceTarget(product_id);
        app().data().setDeviceRecognized(product_id);
        app().data().setDeviceVersionMajor(major);
        app().data().setDeviceVersionMinor(minor);
        app().setRecognized(true);
        app().setTabsForDevice(product_id, major, minor, 0);
    }

private:
    QTemporaryDir folder_;
    sim::Session sim_;
    std::unique_ptr<KIVOBluetoothManagerAppDelegate> delegate_;
    std::vector<std::string> opened_;
    int relaunches_ = 0;
};
