#pragma once
// Every link test runs on an empty simulated bus under the virtual clock and leaves no handle open.

#include <gtest/gtest.h>

#include <string>

#include "link/hid_discovery.h"
#include "link/hid_protocol.h"
#include "tests/sim/bus.h"

class LinkTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        hid_close_devices();
        EXPECT_EQ(sim_.bus().open_hid_handles(), 0);
    }

    sim::Bus& bus() { return sim_.bus(); }

    // Empties the bus, plugs a headset that opens on any interface and opens it into slot 0.
    sim::HidInterface& open_headset(sim::HidHandler handler)
    {
        hid_close_devices();
        bus().reset();
        auto device = bus().plug_hid(0x3142, std::move(handler));
        uint32_t product_id = 0;
        char text[64] = {};
        EXPECT_EQ(hid_open_device(product_id, text), 0);
        return *device->hid.front();
    }
    long long virtual_ms() const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(sim::bus().clock().now()).count();
    }

    static void capture() { ::testing::internal::CaptureStdout(); }
    static std::string captured() { return ::testing::internal::GetCapturedStdout(); }

private:
    sim::Session sim_;
};
