#include <gtest/gtest.h>

#include "tests/sim_app/sim_app_options.h"

TEST(SimAppOptions, DevicesServerAndScreenshot)
{
    std::string error;
    auto options = parse_sim_app_options({"--device", "hid:0x3142", "--device", "usb:4D10", "--server-base",
                                          "http://127.0.0.1:8080/kivobluetoothmanager/", "--screenshot", "a.png",
                                          "--select", "0x4D10"},
                                         error);
    ASSERT_TRUE(options) << error;
    ASSERT_EQ(options->devices.size(), 2u);
    EXPECT_EQ(options->devices[0].face, SimDeviceOption::Hid);
    EXPECT_EQ(options->devices[0].product_id, 0x3142);
    EXPECT_EQ(options->devices[1].face, SimDeviceOption::Usb);
    EXPECT_EQ(options->devices[1].product_id, 0x4D10);
    EXPECT_EQ(options->server_base, "http://127.0.0.1:8080/kivobluetoothmanager/");
    EXPECT_EQ(options->screenshot, "a.png");
    EXPECT_EQ(options->select, 0x4D10);
    EXPECT_FALSE(parse_sim_app_options({"--device", "usb:4D10"}, error)->select);
}

TEST(SimAppOptions, BadInputIsNamed)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--device", "bt:0x3142"},
                                                 {"--device", "hid:0x13142"},
                                                 {"--device", "hid:"},
                                                 {"--device", "hid:0x3142@"},
                                                 {"--device", "hid:0x3142@2"},
                                                 {"--device", "hid:0x3142@2.1.0"},
                                                 {"--device", "hid:0x3142@2.256"},
                                                 {"--device", "hid:0x3142@2.x"},
                                                 {"--device", "hid:0x3142@2..1"},
                                                 {"--device", "hid:0x3142@-2.1"},
                                                 {"--device", "hid:0x3142@2.1.0.3.4"},
                                                 {"--device", "usb:0xCD10@5.1"},
                                                 {"--device", "usb:0xD310@1.2.0.0"},
                                                 {"--device", "usb:0x4D10@5.10"},
                                                 {"--device", "usb:0x4D10@256.1"},
                                                 {"--device", "usb:0x4D10@5.1.256.0"},
                                                 {"--device"},
                                                 {"--bogus"},
                                                 {"--screenshot-delay", "-5"},
                                                 {"--select"},
                                                 {"--select", "0x13142"},
                                                 {"--select", "0"},
                                                 {"--select", "hid:0x4D10"}}) {
        std::string error;
        EXPECT_FALSE(parse_sim_app_options(args, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimAppOptions, HelpAndDeviceListAreOptions)
{
    std::string error;
    const auto help = parse_sim_app_options({"--device", "hid:0x3142", "--help"}, error);
    ASSERT_TRUE(help) << error;
    EXPECT_TRUE(help->help);
    EXPECT_FALSE(help->list_devices);
    const auto list = parse_sim_app_options({"--list-devices"}, error);
    ASSERT_TRUE(list) << error;
    EXPECT_TRUE(list->list_devices);
}

TEST(SimAppOptions, AHeadsetsStartVersion)
{
    struct Case {
        const char* device;
        SimDeviceOption::Face face;
        uint16_t product_id;
        std::optional<std::array<uint8_t, 4>> version;
    };
    const Case cases[] = {
        {"hid:0x3142@2.1", SimDeviceOption::Hid, 0x3142, std::array<uint8_t, 4>{2, 1, 0, 0}},
        {"hid:0x3142@2.1.1.4", SimDeviceOption::Hid, 0x3142, std::array<uint8_t, 4>{2, 1, 1, 4}},
        {"hid:3142@255.0", SimDeviceOption::Hid, 0x3142, std::array<uint8_t, 4>{255, 0, 0, 0}},
        {"hid:0x3142", SimDeviceOption::Hid, 0x3142, std::nullopt},
        {"usb:0x4D10", SimDeviceOption::Usb, 0x4D10, std::nullopt},
        {"usb:0x4D10@5.1", SimDeviceOption::Usb, 0x4D10, std::array<uint8_t, 4>{5, 1, 0, 0}},
        {"usb:0x4D10@255.9.2.7", SimDeviceOption::Usb, 0x4D10, std::array<uint8_t, 4>{255, 9, 2, 7}},
        {"usb:0xCD10", SimDeviceOption::Usb, 0xCD10, std::nullopt},
        {"usb:0xD310", SimDeviceOption::Usb, 0xD310, std::nullopt},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto options = parse_sim_app_options({"--device", c.device}, error);
        ASSERT_TRUE(options) << c.device << ": " << error;
        ASSERT_EQ(options->devices.size(), 1u);
        EXPECT_EQ(options->devices[0].face, c.face) << c.device;
        EXPECT_EQ(options->devices[0].product_id, c.product_id) << c.device;
        EXPECT_EQ(options->devices[0].version, c.version) << c.device;
    }
}
