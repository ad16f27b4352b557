// The simulator's own rules that the link tests rely on: virtual time and devices that come and go.

#include <gtest/gtest.h>

#include <hidapi.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

#include "tests/sim/bus.h"
#include "tests/sim/usb_headsets.h"

using namespace std::chrono_literals;

namespace {

int count_entries(uint16_t product_id)
{
    int n = 0;
    hid_device_info* list = hid_enumerate(0, product_id);
    for (hid_device_info* e = list; e != nullptr; e = e->next)
        ++n;
    hid_free_enumeration(list);
    return n;
}

} // namespace

TEST(Simulator, ReadTimeoutCostsVirtualTimeOnly)
{
    sim::Session session;
    auto device = session.bus().plug_hid(0x3142, nullptr);
    hid_device* dev = hid_open_path(device->hid[0]->path().c_str());
    ASSERT_NE(dev, nullptr);
    unsigned char buf[67];
    // A virtual hour that cost a real one would meet the test's ctest time-out.
    EXPECT_EQ(hid_read_timeout(dev, buf, sizeof buf, 3'600'000), 0);
    EXPECT_EQ(kivo::clock().now(), std::chrono::hours(1));
    hid_close(dev);
}

TEST(Simulator, DeviceLeavesAndComesBackAsAnotherProduct)
{
    sim::Session session;
    auto device = session.bus().plug_hid(0x3142, nullptr);
    hid_device* dev = hid_open_path(device->hid[0]->path().c_str());
    session.bus().leave(device, 2s, 3s, 0xB142);

    kivo::sleep_ms(1999);
    EXPECT_EQ(count_entries(0x3142), 1);
    unsigned char buf[67];
    // A read that waits across the departure fails like a device pulled from the port.
    EXPECT_EQ(hid_read_timeout(dev, buf, sizeof buf, 10'000), -1);
    EXPECT_EQ(count_entries(0), 0);
    kivo::sleep_ms(3000);
    EXPECT_EQ(count_entries(0x3142), 0);
    EXPECT_EQ(count_entries(0xB142), 1);
    EXPECT_EQ(hid_write(dev, buf, sizeof buf), -1) << "a handle of the earlier presence stays dead";
    hid_close(dev);
}

// A sleep runs the events that fall due, each at its own time; a sleep inside a device call (a
// device's handler, with the bus lock held) only moves time, and its events wait for the next call.
TEST(Simulator, SleepRunsDueEventsAtTheirTimeExceptInsideADeviceCall)
{
    sim::Session session;
    sim::Bus& b = session.bus();
    std::vector<kivo::Duration> ran;
    auto note = [&] { ran.push_back(kivo::clock().now()); };
    b.schedule(1s, [&] {
        note();
        b.schedule(1s, note);
    });
    kivo::sleep_ms(5000);
    EXPECT_EQ(ran, (std::vector<kivo::Duration>{1s, 2s}));
    EXPECT_EQ(kivo::clock().now(), 5s);

    size_t ran_in_handler = 0;
    auto device = b.plug_hid(0x3142, [&](const sim::Bytes&) {
        kivo::sleep_ms(2000);
        ran_in_handler = ran.size();
        return sim::HidReply{};
    });
    hid_device* dev = hid_open_path(device->hid[0]->path().c_str());
    ASSERT_NE(dev, nullptr);
    b.schedule(1s, note);
    unsigned char report[3] = {1, 0x04, 0};
    EXPECT_EQ(hid_write(dev, report, sizeof report), 3);
    EXPECT_EQ(ran_in_handler, 2u);
    EXPECT_EQ(ran.size(), 2u);
    EXPECT_EQ(count_entries(0x3142), 1);
    EXPECT_EQ(ran, (std::vector<kivo::Duration>{1s, 2s, 7s})) << "run by the next device call";
    hid_close(dev);
}

TEST(Simulator, RepliesWaitForTheirDelay)
{
    sim::Session session;
    auto device = session.bus().plug_hid(0x3142, [](const sim::Bytes& out) {
        return sim::HidReply{{sim::status_report(out[1], 0)}, {}};
    });
    device->hid[0]->faults.reply_delay = 5s;
    hid_device* dev = hid_open_path(device->hid[0]->path().c_str());
    unsigned char report[1023] = {1, 0x12};
    ASSERT_EQ(hid_write(dev, report, sizeof report), 1023);
    unsigned char buf[67];
    EXPECT_EQ(hid_read_timeout(dev, buf, sizeof buf, 1000), 0);
    EXPECT_EQ(hid_read_timeout(dev, buf, sizeof buf, 10'000), 67);
    EXPECT_EQ(kivo::clock().now(), 5s);
    hid_close(dev);
}

TEST(Simulator, EmptyAnswersAreServedWithoutCopyingFromNothing)
{
    sim::Session session;
    auto device = session.bus().plug_hid(0x3142, [](const sim::Bytes&) { return sim::HidReply{{{}}, {{}}}; });
    device->hid[0]->feature_handler = [](const sim::Bytes&) { return sim::HidReply{{{}}, {}}; };
    hid_device* dev = hid_open_path(device->hid[0]->path().c_str());
    ASSERT_NE(dev, nullptr);
    unsigned char report[62] = {1, 60, 0x02};
    ASSERT_EQ(hid_write(dev, report, sizeof report), 62);
    unsigned char buf[67] = {};
    EXPECT_EQ(hid_read_timeout(dev, buf, sizeof buf, 100), 0) << "an empty input report";
    buf[0] = 2;
    buf[1] = 0xAA;
    EXPECT_EQ(hid_get_input_report(dev, buf, 62), 62);
    EXPECT_EQ(buf[1], 0) << "an empty answer is a chunk of length 0";
    ASSERT_EQ(hid_send_feature_report(dev, report, sizeof report), 62);
    buf[0] = 1;
    EXPECT_EQ(hid_get_feature_report(dev, buf, sizeof buf), 0);
    hid_close(dev);

    auto usb = session.bus().plug(std::make_shared<sim::Device>(0x4D10));
    usb->usb.queue_interrupt({});
    uint8_t data[16];
    EXPECT_EQ(usb->usb.take_interrupt(data, sizeof data), 0u);
    EXPECT_EQ(usb->usb.interrupt_ready_at(), nullptr) << "the empty transfer is taken";
}

TEST(Simulator, GateHoldsTheChosenRequestUntilReleased)
{
    sim::Session session;
    auto device = session.bus().plug_hid(0x3142, [](const sim::Bytes&) { return sim::HidReply{}; });
    hid_device* dev = hid_open_path(device->hid[0]->path().c_str());
    ASSERT_NE(dev, nullptr);
    sim::GateRelease guard(device->gate);
    device->gate.hold(sim::hid_command(0x04));

    unsigned char other[3] = {1, 0x03, 0};
    EXPECT_EQ(hid_write(dev, other, sizeof other), 3) << "another command passes";
    std::atomic<int> written{-2};
    std::thread worker([&] {
        unsigned char held[3] = {1, 0x04, 9};
        written = hid_write(dev, held, sizeof held);
    });
    while (!device->gate.held())
        std::this_thread::yield();
    const auto at = kivo::clock().now();
    // The bus stays usable while the call waits, and time does not move under it.
    EXPECT_EQ(count_entries(0x3142), 1);
    EXPECT_EQ(written, -2);
    EXPECT_EQ(kivo::clock().now(), at);
    device->gate.release();
    worker.join();
    EXPECT_EQ(written, 3);
    EXPECT_FALSE(device->gate.held());
    unsigned char again[3] = {1, 0x04, 9};
    EXPECT_EQ(hid_write(dev, again, sizeof again), 3) << "the gate holds one call per arming";
    hid_close(dev);
}

TEST(Simulator, GateMatchesPersistentStoreMessagesByKindAndKey)
{
    // A BCCMD message: opcode 0xFC00, length, channel 0xC2, type, 9 words, sequence, varid, status, key.
    auto message = [](uint16_t type, uint16_t varid, uint16_t key) {
        return sim::Bytes{0x00,
                          0xFC,
                          18,
                          0xC2,
                          static_cast<uint8_t>(type),
                          0,
                          9,
                          0,
                          1,
                          0,
                          static_cast<uint8_t>(varid & 0xFF),
                          static_cast<uint8_t>(varid >> 8),
                          0,
                          0,
                          static_cast<uint8_t>(key & 0xFF),
                          static_cast<uint8_t>(key >> 8),
                          1,
                          0};
    };
    const sim::Bytes write654 = message(2, 0x7003, 654), read654 = message(0, 0x7003, 654),
                     size654 = message(0, 0x3006, 654);
    EXPECT_TRUE(sim::ps_key_write(654)(write654));
    EXPECT_TRUE(sim::ps_key_write()(write654));
    EXPECT_FALSE(sim::ps_key_write(664)(write654));
    EXPECT_FALSE(sim::ps_key_write()(read654));
    EXPECT_TRUE(sim::ps_key_read(654)(read654));
    EXPECT_FALSE(sim::ps_key_read(654)(size654)) << "a size query is no read";
    EXPECT_FALSE(sim::hid_command(0x04)(sim::Bytes{1}));
}

TEST(Simulator, OnlyTheTwoDeviceProductComesAsAPair)
{
    sim::Session session;
    EXPECT_THROW(sim::plug_usb_pair(sim::usb_headset(0x4D10, "Aldero")), std::invalid_argument);
    EXPECT_TRUE(session.bus().devices().empty());
    EXPECT_EQ(sim::plug_usb_pair(sim::usb_headset(sim::kTwoDeviceProduct, "Xandel")).size(), 2u);
}
