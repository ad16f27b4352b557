// The new-update decision by each rule family, and the version texts the sheet shows.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "update/server/new_update.h"

namespace {

constexpr int kDefaultRule = 0x4D10;
constexpr int kGroup = 0x3142;
constexpr int kCamera = 0x3020;
constexpr int kPartner = 0x5060;
constexpr char kInRange[] = "3323F1A0B0C0";
constexpr char kOutOfRange[] = "333585000000";

KIVOBluetoothDeviceData record(int product, FirmwareQuad version, const std::string& address = "")
{
    KIVOBluetoothDeviceData data;
    data.setDeviceRecognized(product);
    data.setDeviceVersionMajor(version.major);
    data.setDeviceVersionMinor(version.minor);
    data.setDeviceSecondaryVersionType(version.secondaryType);
    data.setDeviceSecondaryVersion(version.secondary);
    data.setLastSixBDAddress(address);
    return data;
}

} // namespace

TEST(NewUpdate, DecisionByRuleFamily)
{
    struct Case {
        const char* what;
        int product;
        FirmwareQuad device;
        FirmwareQuad latest;
        const char* address;
        bool expected;
    };
    const FirmwareQuad none{};
    const Case cases[] = {
        {"no reply, default", kDefaultRule, {2, 1, 0, 0}, none, "", false},
        {"no reply, group", kGroup, {2, 1, 0, 0}, none, "", false},
        {"no reply, camera", kCamera, {4, 0, 1, 1}, none, "", false},
        {"no reply, partner outside its range", kPartner, {2, 1, 0, 0}, none, kOutOfRange, false},
        {"no reply, partner in its range", kPartner, {2, 1, 0, 0}, none, kInRange, true},
        {"older major.minor, default", kDefaultRule, {2, 0, 0, 0}, {2, 1, 0, 0}, "", true},
        {"older major.minor, group", kGroup, {1, 9, 0, 0}, {2, 1, 0, 0}, "", true},
        {"pre-release of the same version, default", kDefaultRule, {2, 1, 1, 0}, {2, 1, 0, 0}, "", true},
        {"pre-release of the same version, group", kGroup, {2, 1, 1, 4}, {2, 1, 0, 0}, "", true},
        {"pre-release of a newer version, group", kGroup, {2, 2, 1, 0}, {2, 1, 0, 0}, "", false},
        {"release, server's secondary 3, default", kDefaultRule, {2, 1, 0, 0}, {2, 1, 0, 3}, "", true},
        {"release, server's secondary 3, group", kGroup, {2, 1, 0, 0}, {2, 1, 0, 3}, "", true},
        {"own secondary 5 over 3, default", kDefaultRule, {2, 1, 0, 5}, {2, 1, 0, 3}, "", false},
        {"own secondary 5 over 3, group (not consulted)", kGroup, {2, 1, 0, 5}, {2, 1, 0, 3}, "", true},
        {"release, server without secondary, group", kGroup, {2, 1, 0, 0}, {2, 1, 0, 0}, "", false},
        {"type 2 at 3 against 3, default", kDefaultRule, {2, 1, 2, 3}, {2, 1, 0, 3}, "", false},
        {"type 2 at 3 against 3, group", kGroup, {2, 1, 2, 3}, {2, 1, 0, 3}, "", false},
        {"type 2 at 3 against 4, default", kDefaultRule, {2, 1, 2, 3}, {2, 1, 0, 4}, "", true},
        {"type 2 at 3 against 4, group", kGroup, {2, 1, 2, 3}, {2, 1, 0, 4}, "", true},
        {"newer device, default", kDefaultRule, {2, 2, 0, 0}, {2, 1, 0, 9}, "", false},
        {"newer device, group", kGroup, {2, 2, 0, 0}, {2, 1, 0, 9}, "", false},
        {"newer device, partner outside its range", kPartner, {2, 2, 0, 0}, {2, 1, 0, 9}, kOutOfRange, false},
        {"newer device, partner in its range", kPartner, {2, 2, 0, 0}, {2, 1, 0, 9}, kInRange, true},
        {"partner, older device outside its range", kPartner, {2, 0, 0, 0}, {2, 1, 0, 0}, kOutOfRange, true},
        {"camera: secondary pair ranks first", kCamera, {4, 0, 1, 1}, {3, 0, 1, 2}, "", true},
        {"camera: same pair, older major", kCamera, {3, 0, 1, 2}, {4, 0, 1, 2}, "", true},
        {"camera: newer pair", kCamera, {3, 0, 1, 3}, {4, 0, 1, 2}, "", false},
        {"saturated server version above", kGroup, {2, 1, 0, 0}, {INT_MAX, INT_MAX, 0, INT_MAX}, "", true},
        {"saturated server version below", kDefaultRule, {2, 1, 0, 0}, {INT_MIN, INT_MIN, 0, INT_MIN}, "", false},
        {"saturated device secondary", kDefaultRule, {2, 1, 0, INT_MIN}, {2, 1, 0, INT_MAX}, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(kivo::haveNewUpdate(c.latest, c.product, record(c.product, c.device, c.address)), c.expected);
    }
}

TEST(NewUpdate, VersionTextsByProduct)
{
    struct Case {
        int product;
        FirmwareQuad device;
        FirmwareQuad latest;
        const char* current;
        const char* newer;
    };
    const Case cases[] = {
        {kGroup, {2, 1, 0, 0}, {2, 2, 0, 0}, "v2.1", "v2.2"},
        {kGroup, {2, 1, 0, 5}, {2, 2, 0, 3}, "v2.1", "v2.2.3"},
        {kGroup, {2, 1, 1, 4}, {2, 1, 0, 0}, "v2.1rc4", "v2.1"},
        {kGroup, {2, 1, 1, 0}, {2, 1, 0, 0}, "v2.1rc", "v2.1"},
        {kGroup, {2, 1, 2, 3}, {2, 1, 0, 4}, "v2.1.3", "v2.1.4"},
        {kGroup, {2, 1, 2, 0}, {2, 1, 0, 4}, "v2.1", "v2.1.4"},
        {0x5345, {1, 0, 0, 0}, {1, 1, 0, 0}, "v1.0.0", "v1.1.0"},
        {kCamera, {4, 0, 1, 1}, {3, 0, 1, 2}, "v1.1.4.0", "v1.2.3.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        const kivo::NewUpdateVersionTexts texts =
            kivo::new_update_version_texts(c.product, c.latest, record(c.product, c.device));
        EXPECT_EQ(texts.current, c.current);
        EXPECT_EQ(texts.latest, c.newer);
    }
}
