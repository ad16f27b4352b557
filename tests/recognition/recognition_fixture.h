#pragma once
// A recognition run driven directly on the simulated bus under the virtual clock: every run must
// leave no HID or USB handle open.

#include <gtest/gtest.h>

#include <chrono>

#include "link/hid_protocol.h"
#include "link/usb_link.h"
#include "recognition/recognition_run.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_headsets.h"

class RecognitionRunTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(usb_link_start(), 0); }

    void TearDown() override { expect_nothing_left_open(); }

    void expect_nothing_left_open()
    {
        EXPECT_EQ(bus().open_hid_handles(), 0);
        EXPECT_EQ(bus().open_usb_handles(), 0);
    }

    sim::Bus& bus() { return session_.bus(); }

    int recognize() { return kivo::recognize_device(run, data); }

    // A fresh bus, run and record for the next case of a table.
    void start_over()
    {
        expect_nothing_left_open();
        bus().reset();
        run = {};
        data = {};
    }

    long long virtual_seconds() const
    {
        return std::chrono::duration_cast<std::chrono::seconds>(sim::bus().clock().now()).count();
    }

    sim::Session session_;
    kivo::RecognitionRun run;
    KIVOBluetoothDeviceData data;
};

// A headset that answers everything, as product_id.
inline sim::HeadsetPersona test_headset(uint16_t product_id)
{
    sim::HeadsetPersona persona;
    persona.product_id = product_id;
    persona.name = "Trail Rider";
    persona.version = {3, 2, 1, 4};
    return persona;
}
