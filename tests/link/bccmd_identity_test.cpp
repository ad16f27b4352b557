// The identity reads over the persistent store: product id with its name fallback, and the
// firmware version with its per-product defaults.

#include <optional>
#include <string_view>
#include <vector>

#include "tests/link/usb_fixture.h"

namespace {

constexpr uint16_t kProductIdKey = 0x02A3;
constexpr uint16_t kNameKey = 0x0108;
constexpr uint16_t kVersionKey = 0x02A4;
constexpr uint16_t kOldVersionKey = 0x0293;

// A text as the chip stores it: two bytes a word, the first in the low byte.
std::vector<uint16_t> text_words(std::string_view text)
{
    std::vector<uint16_t> words((text.size() + 1) / 2);
    for (size_t i = 0; i < text.size(); ++i)
        words[i / 2] = static_cast<uint16_t>(words[i / 2] | (static_cast<uint8_t>(text[i]) << (i % 2 ? 8 : 0)));
    return words;
}

struct Version {
    uint32_t major, minor, third, fourth;
    int result;
    bool operator==(const Version&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Version& v)
{
    return os << v.major << "." << v.minor << " " << v.third << "/" << v.fourth << " result " << v.result;
}

} // namespace

class BccmdIdentity : public UsbLinkTest { };

TEST_F(BccmdIdentity, ProductIdFromTheKeyOrTheName)
{
    struct Case {
        const char* what;
        sim::PsStore::Keys keys;
        int expected;
    };
    const Case cases[] = {
        {"known id", {{kProductIdKey, {0x4D30}}}, 0x4D30},
        {"chip-reported stand-in", {{kProductIdKey, {0x6020}}}, 0x6020},
        {"table id the chip never reports", {{kProductIdKey, {0x6021}}}, -2},
        {"unknown id, name matches", {{kProductIdKey, {0x6021}}, {kNameKey, text_words("My Aldero 2")}}, 0x4D10},
        {"unknown id, other name", {{kProductIdKey, {0x1234}}, {kNameKey, text_words("Other")}}, -2},
        {"no key, no name", {}, 0},
        {"no key, second name", {{kNameKey, text_words("Elmora")}}, 0x5010},
        {"two words", {{kProductIdKey, {0x4D10, 0}}}, -1},
        {"two words, name matches", {{kProductIdKey, {0x4D10, 0}}, {kNameKey, text_words("Aldero")}}, 0x4D10},
        {"name ends before the match", {{kNameKey, text_words(std::string_view("Ab\0Aldero", 9))}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        open_bccmd_headset(0x4D10, c.keys);
        EXPECT_EQ(bccmd_read_product_id(), c.expected);
    }
}

TEST_F(BccmdIdentity, NameAndAddressCopyOnlyWhatFits)
{
    open_bccmd_headset(0x4D10, {{kNameKey, text_words("Aldero")}, {0x0001, {0x1122, 0x3344, 0x5566, 0x7788}}});
    std::array<uint8_t, 8> address{};
    ASSERT_EQ(bccmd_read_bdaddr(address), 8);
    EXPECT_EQ(address, (std::array<uint8_t, 8>{0x22, 0x11, 0x44, 0x33, 0x66, 0x55, 0x88, 0x77}));
    std::array<uint8_t, 5> name{};
    ASSERT_EQ(bccmd_read_device_name(name), 5);
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(name.data()), 5), "Alder");
}

TEST_F(BccmdIdentity, FirmwareVersionWithItsDefaults)
{
    struct Case {
        const char* what;
        uint16_t product;
        sim::PsStore::Keys keys;
        Version expected;
        std::optional<std::vector<uint16_t>> version_key_after; // nullopt: the key stays absent
        bool version_key_read_only = false;
    };
    const std::vector<uint16_t> zeros = {0, 0};
    const Case cases[] = {
        {"0x3020 takes the bytes high first",
         0x3020,
         {{kVersionKey, {0x0201, 0x0403}}},
         {4, 3, 2, 1, 0},
         std::vector<uint16_t>{0x0201, 0x0403}},
        {"0x3020 without the key", 0x3020, {}, {1, 0, 1, 0, 1}, std::nullopt},
        {"tenths in the first word, secondary from the second",
         0x5010,
         {{kVersionKey, {35, 0x0102}}},
         {3, 5, 1, 2, 0},
         std::vector<uint16_t>{35, 0x0102}},
        {"zero version: the default, secondary as read",
         0x5010,
         {{kVersionKey, {0, 0x0102}}},
         {3, 2, 1, 2, 0},
         std::vector<uint16_t>{0, 0x0102}},
        {"key of the wrong length: the default",
         0x4D20,
         {{kVersionKey, {45}}},
         {4, 2, 0, 0, 0},
         std::vector<uint16_t>{45}},
        {"no key: the default", 0x4D20, {}, {4, 2, 0, 0, 0}, std::nullopt},
        {"no key, no default", 0x9999, {}, {0, 0, 0, 0, 1}, std::nullopt},
        {"old key with a small value replaces the version",
         0x4D10,
         {{kVersionKey, {45, 0x0102}}, {kOldVersionKey, {20, 0}}},
         {2, 0, 0, 0, 0},
         zeros},
        {"old key ignored at version 3.2",
         0x4D10,
         {{kVersionKey, {32, 0x0102}}, {kOldVersionKey, {20, 0}}},
         {3, 2, 0, 0, 0},
         std::vector<uint16_t>{32, 0x0102}},
        {"old key ignored when the clearing fails",
         0x4D10,
         {{kVersionKey, {45, 0x0102}}, {kOldVersionKey, {20, 0}}},
         {4, 5, 0, 0, 0},
         std::vector<uint16_t>{45, 0x0102},
         true},
        {"old key with a large value leaves the version",
         0x4D30,
         {{kVersionKey, {45, 0x0102}}, {kOldVersionKey, {60, 0}}},
         {4, 5, 0, 0, 0},
         std::vector<uint16_t>{45, 0x0102}},
        {"neither key: a fixed default, nothing written", 0x4D10, {}, {3, 0, 0, 0, 0}, std::nullopt},
        {"old key of the wrong length, 0x4D30", 0x4D30, {{kOldVersionKey, {20}}}, {4, 2, 0, 0, 0}, std::nullopt},
        {"old key of the wrong length, 0x4D40", 0x4D40, {{kOldVersionKey, {20}}}, {5, 0, 0, 0, 0}, std::nullopt},
        {"old key with a small value, cleared", 0x4D10, {{kOldVersionKey, {20, 0}}}, {2, 0, 0, 0, 0}, zeros},
        {"old key low word first", 0x4D40, {{kOldVersionKey, {80, 1}}}, {8, 0, 0, 0, 0}, std::nullopt},
        {"old key zero", 0x4D10, {{kOldVersionKey, {0, 0}}}, {0, 0, 0, 0, 1}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        auto device = open_bccmd_headset(0x4D10, c.keys);
        if (c.version_key_read_only)
            device->usb.ps_store->faults.read_only.insert(kVersionKey);
        Version v{7, 7, 7, 7, 0};
        v.result = bccmd_read_firmware_version(c.product, v.major, v.minor, v.third, v.fourth);
        EXPECT_EQ(v, c.expected);
        const auto& keys = device->usb.ps_store->keys;
        if (c.version_key_after)
            EXPECT_EQ(keys.at(kVersionKey), *c.version_key_after);
        else
            EXPECT_FALSE(keys.contains(kVersionKey));
    }
}
