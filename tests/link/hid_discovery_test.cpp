// The HID openers: vendor, product-id and usage filters, enumeration order, slots, texts.

#include <cstring>
#include <functional>
#include <string>

#include "link/hid_slots.h"
#include "tests/link/link_fixture.h"

namespace {

using SingleOpener = int (*)(uint32_t&, std::span<char>, const kivo::ProductFilter&);

struct Opener {
    const char* name;
    SingleOpener open;
};

const Opener kSingleOpeners[] = {
    {"hid_open_device", hid_open_device},
    {"hid_open_vantor_mesh", hid_open_vantor_mesh},
    {"hid_open_qcc_mesh", hid_open_qcc_mesh},
    {"hid_open_airoha_mesh", hid_open_airoha_mesh},
    {"hid_open_airoha_mesh_alt", hid_open_airoha_mesh_alt},
};

} // namespace

class Discovery : public LinkTest {
protected:
    std::shared_ptr<sim::Device> plug(uint16_t product_id, uint16_t usage_page = 0xFF00, uint16_t usage = 1,
                                      uint16_t vendor_id = 0x092B)
    {
        return bus().plug_hid(product_id, nullptr, usage_page, usage, vendor_id);
    }
};

TEST_F(Discovery, NothingOnTheBusLeavesSlotsAndTextUntouched)
{
    for (const Opener& o : kSingleOpeners) {
        uint32_t product_id = 0xDEAD;
        char text[40] = "untouched";
        capture();
        EXPECT_EQ(o.open(product_id, std::span<char>(text), {}), -2) << o.name;
        captured();
        EXPECT_EQ(product_id, 0xDEADu);
        EXPECT_STREQ(text, "untouched");
    }
    uint32_t a = 0, b = 0;
    char text[40] = "untouched";
    EXPECT_EQ(hid_open_quvin_devices(a, b, text, 3), -2);
    EXPECT_STREQ(text, "untouched");
    EXPECT_EQ(hid_slot(0), nullptr);
    EXPECT_EQ(hid_slot(1), nullptr);
}

TEST_F(Discovery, EachOpenerTakesItsProductsOnTheRightInterface)
{
    struct Case {
        SingleOpener open;
        uint16_t product_id;
        uint16_t usage_page;
        uint16_t usage;
        bool opens;
    };
    const Case cases[] = {
        {hid_open_device, 0x3142, 0x000C, 5, true}, // the OEM headset: any interface
        {hid_open_device, 0x3143, 0x0001, 2, true},
        {hid_open_device, 0x6800, 0xFF00, 1, true}, // general list: vendor interface only
        {hid_open_device, 0x6800, 0xFF00, 2, false},
        {hid_open_device, 0x6800, 0x000C, 1, false},
        {hid_open_device, 0x3052, 0xFF00, 1, true},
        {hid_open_device, 0x6910, 0xFF00, 1, true},
        {hid_open_device, 0x3120, 0xFF00, 1, false},
        {hid_open_vantor_mesh, 0x3120, 0x000C, 1, true},
        {hid_open_vantor_mesh, 0x3142, 0xFF00, 1, false},
        {hid_open_qcc_mesh, 0x3160, 0x000C, 1, true},
        {hid_open_qcc_mesh, 0x3220, 0x0001, 1, true},
        {hid_open_qcc_mesh, 0x6501, 0xFF00, 1, true},
        {hid_open_qcc_mesh, 0x6511, 0xFF00, 1, true},
        {hid_open_qcc_mesh, 0x3120, 0xFF00, 1, false},
        {hid_open_airoha_mesh, 0x3220, 0xFF00, 1, true},
        {hid_open_airoha_mesh, 0x3220, 0x000C, 1, false},
        {hid_open_airoha_mesh, 0x33F0, 0xFF00, 1, false},
        {hid_open_airoha_mesh_alt, 0x33F0, 0xFF00, 1, true},
        {hid_open_airoha_mesh_alt, 0x33F0, 0xFF00, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product_id << " usage " << c.usage_page << "/" << c.usage);
        bus().reset(); // a fresh bus per case
        plug(c.product_id, c.usage_page, c.usage);
        uint32_t product_id = 0;
        char text[31];
        capture();
        const int result = c.open(product_id, std::span<char>(text), {});
        captured();
        EXPECT_EQ(result, c.opens ? 0 : -2);
        if (c.opens) {
            EXPECT_EQ(product_id, c.product_id);
            EXPECT_STREQ(text, "Device recognized successfully");
            EXPECT_NE(hid_slot(0), nullptr);
        }
        hid_close_devices();
    }
}

TEST_F(Discovery, VendorInterfaceOfAMultiInterfaceDeviceIsTaken)
{
    auto device = std::make_shared<sim::Device>(0x6800);
    auto& consumer = device->add_hid(0x000C, 1, 0);
    auto& vendor = device->add_hid(0xFF00, 1, 1);
    bus().plug(device);
    uint32_t product_id = 0;
    char text[31];
    capture();
    ASSERT_EQ(hid_open_device(product_id, text), 0);
    captured();
    EXPECT_FALSE(consumer.is_open());
    EXPECT_TRUE(vendor.is_open());
}

TEST_F(Discovery, OtherVendorsAreNeverOpenedAndTheFirstListedDeviceWins)
{
    auto foreign = plug(0x3142, 0xFF00, 1, 0x1234);
    auto first = plug(0x6801);
    auto second = plug(0x3142);
    uint32_t product_id = 0;
    char text[31];
    capture();
    ASSERT_EQ(hid_open_device(product_id, text), 0);
    EXPECT_EQ(captured(), "devs =[3142]\n") << "the first entry of the list, whatever its vendor";
    EXPECT_EQ(product_id, 0x6801u);
    EXPECT_EQ(foreign->hid[0]->open_count(), 0);
    EXPECT_TRUE(first->hid[0]->is_open());
    EXPECT_EQ(second->hid[0]->open_count(), 0);
}

TEST_F(Discovery, ADeviceTheCallerRefusesIsPassedOverUnopened)
{
    auto refused = plug(0x6801);
    auto taken = plug(0x3142);
    uint32_t product_id = 0;
    char text[31];
    capture();
    ASSERT_EQ(hid_open_device(product_id, text, [](uint32_t id) { return id == 0x3142; }), 0);
    captured();
    EXPECT_EQ(product_id, 0x3142u);
    EXPECT_EQ(refused->hid[0]->open_count(), 0);
    EXPECT_TRUE(taken->hid[0]->is_open());
}

TEST_F(Discovery, AnEntryThatFailsToOpenIsPassedOver)
{
    auto denied = plug(0x3142);
    denied->hid[0]->faults.fail_open = 1;
    denied->hid[0]->faults.open_permission_denied = true;
    auto broken = plug(0x3120);
    broken->hid[0]->faults.fail_open = 1;
    plug(0x3143);
    uint32_t product_id = 0;
    char text[31];
    capture();
    ASSERT_EQ(hid_open_device(product_id, text), 0);
    const std::string trace = captured();
    EXPECT_NE(trace.find("hid open failed pid[3142]: permission denied"), std::string::npos) << trace;
    EXPECT_EQ(product_id, 0x3143u);

    hid_close_devices();
    capture();
    EXPECT_EQ(hid_open_vantor_mesh(product_id, text), -2);
    EXPECT_EQ(captured(),
              "vantor mesh pid[3142]\nvantor mesh pid[3120]\nhid open failed pid[3120]\n"
              "vantor mesh pid[3143]\n");
}

TEST_F(Discovery, AFilledSlotIsRefused)
{
    plug(0x3142);
    plug(0x3160);
    uint32_t product_id = 0;
    char text[31];
    capture();
    ASSERT_EQ(hid_open_device(product_id, text), 0);
    hid_device* first = hid_slot(0);
    EXPECT_EQ(hid_open_qcc_mesh(product_id, text), -2);
    EXPECT_EQ(hid_slot(0), first);
    EXPECT_EQ(product_id, 0x3142u);
    captured();
}

TEST_F(Discovery, TextIsBoundedByTheCallersBuffer)
{
    plug(0x3142);
    uint32_t product_id = 0;
    char text[8];
    capture();
    ASSERT_EQ(hid_open_device(product_id, text), 0);
    captured();
    EXPECT_STREQ(text, "Device ");
}

TEST_F(Discovery, SmartHelmetOpensBothDevicesIntoBothSlots)
{
    uint32_t a = 0, b = 0;
    char text[31] = "";
    plug(0x5345);
    plug(0x3142);
    EXPECT_EQ(hid_open_quvin_devices(a, b, text, 1), -2) << "only modes 2 and 3 look";
    EXPECT_EQ(hid_slot(0), nullptr);

    EXPECT_EQ(hid_open_quvin_devices(a, b, text, 3), -1);
    EXPECT_NE(hid_slot(0), nullptr);
    EXPECT_EQ(hid_slot(1), nullptr);
    EXPECT_STREQ(text, "");
    hid_close_devices();

    plug(0x5346);
    EXPECT_EQ(hid_open_quvin_devices(a, b, text, 2), 0);
    EXPECT_EQ(a, 0x5345u);
    EXPECT_EQ(b, 0x5346u);
    EXPECT_STREQ(text, "Device recognized successfully");
    EXPECT_NE(hid_slot(1), nullptr);
    EXPECT_EQ(hid_open_quvin_devices(a, b, text, 3), -2) << "filled slots are refused";
}

TEST_F(Discovery, SmartHelmetReportsTheIdsItOpened)
{
    auto broken = plug(0x5346);
    broken->hid[0]->faults.fail_open = -1;
    plug(0x5345);
    plug(0x5345);
    uint32_t a = 0, b = 0;
    char text[31];
    capture();
    EXPECT_EQ(hid_open_quvin_devices(a, b, text, 3), 0);
    captured();
    EXPECT_EQ(a, 0x5345u);
    EXPECT_EQ(b, 0x5345u);
}
