// The recognized-device panel for every state of the controller and the kinds of versions.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "text/device_panel.h"
#include "text/product_names.h"

using namespace kivo;

namespace {

struct Quad {
    int major, minor, type, secondary;
};

KIVOBluetoothDeviceData device(int product, const std::string& name, Quad main, Quad first = {}, Quad second = {})
{
    KIVOBluetoothDeviceData data;
    data.setDeviceRecognized(product);
    data.setDeviceName(name);
    data.setDeviceVersionMajor(main.major);
    data.setDeviceVersionMinor(main.minor);
    data.setDeviceSecondaryVersionType(main.type);
    data.setDeviceSecondaryVersion(main.secondary);
    data.setDeviceVersionMajor01(first.major);
    data.setDeviceVersionMinor01(first.minor);
    data.setDeviceSecondaryVersionType01(first.type);
    data.setDeviceSecondaryVersion01(first.secondary);
    data.setDeviceVersionMajor02(second.major);
    data.setDeviceVersionMinor02(second.minor);
    data.setDeviceSecondaryVersionType02(second.type);
    data.setDeviceSecondaryVersion02(second.secondary);
    return data;
}

DevicePanelState recognized(int usb_status = 0, ManagerLanguage language = kEnglish)
{
    DevicePanelState state;
    state.recognized = true;
    state.usbStatus = usb_status;
    state.languageManager = language;
    return state;
}

} // namespace

TEST(DevicePanel, NothingRecognizedShowsTheEmblemAndTheLanguagePair)
{
    struct Case {
        ManagerLanguage language;
        std::string name, version;
    };
    const Case cases[] = {
        {kEnglish, "No device", "recognized"},   {kFrench, "Aucun appareil", "n'est reconnu"},
        {kJapanese, "デバイスが", "ありません"}, {kPolish, "BRAK urządzenia", "Rozpoznane"},
        {13, "No device", "recognized"},         {-1, "No device", "recognized"},
    };
    const KIVOBluetoothDeviceData data = device(0x4D10, "Aldero", {1, 2, 0, 0});
    for (const Case& c : cases) {
        DevicePanelState state;
        state.languageManager = c.language;
        state.usbStatus = 0x8000; // the loader state only counts for a recognized device
        EXPECT_EQ(recognized_device_panel(state, data), (DevicePanel{"kivo_emblem", c.name, c.version})) << c.language;
    }
}

TEST(DevicePanel, FirmwareLoaderStateShowsTheLockUnlessARestartIsPending)
{
    const KIVOBluetoothDeviceData aldero = device(0x4D10, "Aldero", {1, 2, 0, 0});
    EXPECT_EQ(recognized_device_panel(recognized(0x8000), aldero), (DevicePanel{"lock", "Firmware", "Management"}));
    EXPECT_EQ(recognized_device_panel(recognized(0xCD10, kRussian), aldero),
              (DevicePanel{"lock", "Управление", "Прошивкой"}));
    EXPECT_EQ(recognized_device_panel(recognized(0x8000, 13), aldero), (DevicePanel{"lock", "Firmware", "Management"}));
    // -1 (no USB answer) is below the loader range: the normal panel.
    EXPECT_EQ(recognized_device_panel(recognized(-1), aldero), (DevicePanel{"aldero", "Aldero", "v1.2"}));
    EXPECT_EQ(recognized_device_panel(recognized(0x7FFF), aldero), (DevicePanel{"aldero", "Aldero", "v1.2"}));

    DevicePanelState restart = recognized(0x8000);
    restart.isRestartDFU = true;
    restart.deviceVersionMajorRestartDFU = 3;
    restart.deviceVersionMinorRestartDFU = 4;
    restart.deviceSecondaryVersionTypeRestartDFU = 1;
    restart.deviceSecondaryVersionRestartDFU = 2;
    // The name line keeps what it showed; the version is not known yet.
    EXPECT_EQ(recognized_device_panel(restart, aldero), (DevicePanel{"aldero", std::nullopt, ""}));
    // The camera shows its fixed name and the firmware it is being given, secondary pair first.
    const KIVOBluetoothDeviceData camera = device(0x3020, "", {9, 9, 9, 9});
    EXPECT_EQ(recognized_device_panel(restart, camera),
              (DevicePanel{"lumora", ProductNames::tavk_product_name(0x3020), "v1.2.3.4"}));
}

TEST(DevicePanel, NameLineDropsTheLastWordOfNamesWithAPeriod)
{
    struct Case {
        std::string device_name, shown;
    };
    const Case cases[] = {
        {"Aldero", "Aldero"},
        {"Aldero 1.2", "Aldero"},
        {"My Aldero R 2.0.1", "My Aldero R"},
        {"Aldero.v2", "Aldero.v2"},
        {"Rider's Aldero", "Rider's Aldero"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recognized_device_panel(recognized(), device(0x4D10, c.device_name, {1, 0, 0, 0})).nameLine, c.shown)
            << c.device_name;
    EXPECT_EQ(recognized_device_panel(recognized(), device(0x4112, "Remote 1.0", {1, 0, 0, 0})).nameLine,
              ProductNames::tavk_product_name(0x4112));
}

TEST(DevicePanel, VersionLineFollowsTheSecondaryTypeAndTheProduct)
{
    struct Case {
        int product;
        Quad main, first, second;
        std::string version;
    };
    const Case cases[] = {
        {0x4D10, {1, 2, 0, 5}, {}, {}, "v1.2"},
        {0x4D10, {1, 2, 1, 3}, {}, {}, "v1.2rc3"},
        {0x4D10, {1, 2, 1, 0}, {}, {}, "v1.2rc"},
        {0x4D10, {1, 2, 2, 5}, {}, {}, "v1.2.5"},
        {0x4D10, {1, 2, 2, 0}, {}, {}, "v1.2"},
        {0x4D10, {1, 2, 7, 5}, {}, {}, "v1.2"},
        // The camera: secondary type, secondary, major, minor.
        {0x3020, {4, 3, 2, 1}, {}, {}, "v2.1.4.3"},
        // Module products read the first module; 0x321B is not one of them.
        {0x3142, {9, 9, 0, 0}, {2, 1, 2, 3}, {}, "v2.1.3"},
        {0x321B, {9, 9, 0, 0}, {2, 1, 2, 3}, {}, "v9.9"},
        // Two modules: the second is added only when it differs.
        {0x4210, {9, 9, 0, 0}, {1, 0, 2, 4}, {1, 0, 2, 4}, "v1.0.4"},
        {0x4210, {9, 9, 0, 0}, {1, 0, 2, 4}, {1, 1, 1, 0}, "v1.0.4 / v1.1rc"},
        {0x2030, {9, 9, 0, 0}, {1, 0, 0, 0}, {1, 0, 1, 2}, "v1.0 / v1.0rc2"},
        // 0x5345 always shows three numbers and compares its modules as if both were type 2.
        {0x5345, {9, 9, 0, 0}, {1, 2, 0, 7}, {1, 2, 1, 7}, "v1.2.7"},
        {0x5345, {9, 9, 0, 0}, {1, 2, 0, 7}, {1, 2, 0, 8}, "v1.2.7 / v1.2.8"},
    };
    for (const Case& c : cases) {
        const DevicePanel panel =
            recognized_device_panel(recognized(), device(c.product, "Name", c.main, c.first, c.second));
        EXPECT_EQ(panel.versionLine, c.version) << std::hex << c.product;
    }
}

TEST(DevicePanel, PictureFollowsTheRecognizedProduct)
{
    KIVOBluetoothDeviceData brisko = device(0x4210, "Brisko", {1, 0, 0, 0});
    brisko.setDivisionBriskoevoValue(27);
    EXPECT_EQ(recognized_device_panel(recognized(), brisko).picture, "brisko_evo");
    brisko.setDivisionBriskoevoValue(3);
    EXPECT_EQ(getImageFileName(brisko), "brisko");
    EXPECT_EQ(recognized_device_panel(recognized(), device(0x3082, "X", {1, 0, 0, 0})).picture, "kivo_emblem");
}
