#pragma once
// The whole application, offscreen, on an empty simulated bus: tests drive it through the window's
// buttons and the controller, and read back what it shows.

#include <QAbstractButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/address_opener.h"
#include "app/application.h"
#include "app/manager_window.h"
#include "tests/app/run_events.h"
#include "tests/sim/bus.h"

class AppTest : public ::testing::Test {
protected:
    // The pages the application is started with; tests that spy on a page override it.
    virtual PageFactory pages() { return placeholder_page_factory(); }
    // Runs before the controller reads its configuration.
    virtual void configure(KIVOBluetoothManagerAppController&) {}

    void SetUp() override
    {
        kivo::set_address_opener([this](const std::string& address) { opened_.push_back(address); });
        delegate_ = std::make_unique<KIVOBluetoothManagerAppDelegate>(pages());
        app().setConfigurationReader([this](KIVOBluetoothManagerAppController& c) { configure(c); });
        delegate_->start();
    }

    void TearDown() override
    {
        delegate_.reset();
        kivo::set_address_opener(nullptr);
    }

    KIVOBluetoothManagerAppController& app() { return delegate_->appController(); }
    ManagerWindow& window() { return *app().window(); }
    Ui::KIVOBluetoothManagerWindow& ui() { return window().ui; }
    std::string statusLine() { return ui().tfStatus->text().toStdString(); }
    const std::vector<std::string>& openedAddresses() const { return opened_; }

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
    sim::Session sim_;
    std::unique_ptr<KIVOBluetoothManagerAppDelegate> delegate_;
    std::vector<std::string> opened_;
};
