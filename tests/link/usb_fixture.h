#pragma once
// Plain-USB link tests: every test leaves no USB handle open, no interface claimed and no transfer
// in flight.

#include <array>
#include <memory>
#include <string>

#include "link/bccmd.h"
#include "link/dfu.h"
#include "link/usb_link.h"
#include "tests/link/link_fixture.h"
#include "tests/sim/usb_devices.h"

class UsbLinkTest : public LinkTest {
protected:
    void TearDown() override
    {
        usb_close_devices();
        dfu_close_device();
        EXPECT_EQ(bus().open_usb_handles(), 0);
        EXPECT_EQ(bus().claimed_usb_interfaces(), 0);
        EXPECT_EQ(bus().usb_transfers_in_flight(), 0);
        LinkTest::TearDown();
    }

    std::shared_ptr<sim::Device> plug(std::shared_ptr<sim::Device> device) { return bus().plug(std::move(device)); }

    // Plugs a headset of the oldest chip family holding keys, opens it in mode 0 and selects it.
    std::shared_ptr<sim::Device> open_bccmd_headset(uint16_t product_id, sim::PsStore::Keys keys = {})
    {
        auto device = plug(sim::make_bccmd_device(product_id, std::move(keys)));
        EXPECT_EQ(open(0), 0) << text_;
        EXPECT_EQ(usb_select_device(0), 1);
        return device;
    }

    int open(int mode)
    {
        ids_ = {0, 0};
        return usb_open_devices(ids_, text_, mode);
    }
    int open_retry(int tries, int mode)
    {
        ids_ = {0, 0};
        return usb_open_devices_retry(ids_, text_, tries, mode);
    }
    std::string text() const { return text_; }
    const std::array<uint32_t, 2>& ids() const { return ids_; }

private:
    std::array<uint32_t, 2> ids_{};
    char text_[64] = {};
};
