// Recognition over HID: the search, the readiness test, the identity reads per family and the
// success end; a device that is not usable over HID goes on to the plain-USB road.

#include <algorithm>
#include <atomic>
#include <string>

#include "common/clock.h"
#include "device/products/settings_tabs.h"
#include "link/hid_discovery.h"
#include "recognition/hid_reads.h"
#include "tests/recognition/recognition_fixture.h"
#include "text/product_names.h"

namespace {

bool sent(const sim::HidInterface& iface, uint8_t command)
{
    const auto commands = sim::commands_sent(iface);
    return std::find(commands.begin(), commands.end(), command) != commands.end();
}

// The protocol A request with this command, as written.
sim::Bytes request_with(const sim::HidInterface& iface, uint8_t command)
{
    for (const sim::Bytes& out : iface.outputs())
        if (out.size() > 2 && out.size() != 62 && out[1] == command)
            return out;
    return {};
}

} // namespace

using Recognition = RecognitionRunTest;

TEST_F(Recognition, OemHeadsetEndsRecognizedWithItsNameVersionsAndStatus)
{
    const sim::PluggedHeadset plugged = sim::plug_headset(sim::oem_headset());
    run.session.restartToRecover = true;
    run.session.modeRestartToRecover = 5;

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);

    EXPECT_EQ(data.deviceName(), "VARGO Zeltra");
    EXPECT_EQ(data.deviceVersion(), (FirmwareQuad{2, 1, 0, 0}));
    EXPECT_EQ(data.deviceVersion01(), data.deviceVersion()) << "the first module repeats the main version";
    EXPECT_EQ(data.deviceVersion02(), (FirmwareQuad{1, 3, 0, 0})) << "the module's own version";
    EXPECT_EQ(data.devicelanguagePackType(), 1);
    EXPECT_EQ(data.devicelanguagePackTypeVerMajor(), 1);
    EXPECT_EQ(data.deviceRecognized(), 0x3142);
    EXPECT_EQ(data.managerVersionMajor(), 1);
    EXPECT_EQ(data.managerVersionMinor(), 2);

    const kivo::DeviceSession& c = run.session;
    EXPECT_EQ(c.deviceTarget, 0x3142);
    EXPECT_TRUE(c.recognized);
    EXPECT_EQ(c.usbStatus, 0x3142);
    EXPECT_EQ(c.fmRadioShowAndHide, 3);
    EXPECT_EQ(c.motionSensorShowAndHide, 6);
    EXPECT_EQ(c.deviceInfoStatus, 0);
    EXPECT_FALSE(c.restartToRecover) << "every run clears the restart state";
    EXPECT_EQ(c.modeRestartToRecover, 0);
    const kivo::SettingsTabs tabs = kivo::settings_tabs_for(0x3142, 2, 1, 3);
    EXPECT_EQ(c.tabs.count, tabs.count);
    EXPECT_EQ(c.tabs.tabs, tabs.tabs);

    EXPECT_TRUE(run.goFirmwareUpgrade);
    EXPECT_FALSE(run.doWarn);
    EXPECT_EQ(run.strStatus[0], "Device recognized successfully. Ready for FIRMWARE UPDATE");
    EXPECT_EQ(run.strStatus[2], "Gerät erfolgreich erkannt. Bereit für FIRMWARE-AKTUALISIERUNG");

    // Outside every readiness, FM and name set: its own name record, and no way back to normal mode.
    const sim::HidInterface& hid = plugged.hid();
    EXPECT_FALSE(sent(hid, COMMAND_READY_STATE));
    EXPECT_FALSE(sent(hid, COMMAND_FM_RADIO_QUERY));
    EXPECT_FALSE(sent(hid, COMMAND_MESH_NORMAL_MODE));
    EXPECT_EQ(request_with(hid, COMMAND_READ_SETTINGS).at(2), 0x1D);
    EXPECT_EQ(request_with(hid, COMMAND_GET_VERSION).at(2), 0x1D) << "the version asks on the name request";
    EXPECT_EQ(hid.open_count(), 2) << "opened again after its module was read";
}

TEST_F(Recognition, ReadinessDecidesWhetherTheDeviceIsUsedOverHid)
{
    struct Case {
        uint16_t product;
        uint8_t readiness;
        bool failing;
        bool usable;
    };
    for (const Case c : {Case{0x4D16, 0, false, false}, Case{0x4D16, 1, false, true}, Case{0x5552, 1, false, false},
                         Case{0x5552, 0, false, true}, Case{0x3052, 0, true, false}, Case{0x6900, 0, false, true}}) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product << " answering " << int(c.readiness));
        start_over();
        sim::HeadsetPersona persona = test_headset(c.product);
        persona.readiness = c.readiness;
        if (c.failing)
            persona.failingCommands = {COMMAND_READY_STATE};
        sim::plug_headset(persona);
        run.callerMode = 5;
        run.session.deviceTarget = c.product;

        const int result = recognize();

        if (c.usable) {
            EXPECT_EQ(result, kivo::kRecognitionSucceeded);
            EXPECT_EQ(run.session.deviceTarget, c.product);
            EXPECT_EQ(data.deviceName(), "Trail Rider");
        } else {
            EXPECT_EQ(result, kivo::kRecognitionFailed) << "on to the plain-USB road, which opens nothing";
            EXPECT_EQ(run.session.deviceTarget, 0);
            EXPECT_FALSE(run.session.recognized);
            EXPECT_TRUE(run.doWarn);
            EXPECT_EQ(run.strStatus[0].rfind("Cannot open USB [", 0), 0u) << run.strStatus[0];
        }
    }
}

TEST_F(Recognition, NameComesFromTheWordsTheAnswerHolds)
{
    const std::string default_name = kivo::ProductNames::tavk_product_name(0x3052);
    const std::string long_name(40, 'x');
    struct Case {
        const char* what;
        std::string name;
        std::optional<int> count;
        bool failing;
        std::string expected;
    };
    const Case cases[] = {
        {"a plain name", "Trail Rider", std::nullopt, false, "Trail Rider"},
        {"one word: word 0 only", "Trail Rider", 1, false, ""},
        {"no words", "Trail Rider", 0, false, default_name},
        {"failed read", "Trail Rider", std::nullopt, true, default_name},
        {"longer than a report", long_name, 41, false, std::string(30, 'x')},
        {"count beyond the report", "Trail", 200, false, "Trail"},
        {"not UTF-8", "\xFF\xFE", std::nullopt, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start_over();
        sim::HeadsetPersona persona = test_headset(0x3052);
        persona.name = c.name;
        persona.nameWordCount = c.count;
        if (c.failing)
            persona.failingCommands = {COMMAND_READ_SETTINGS};
        sim::plug_headset(persona);
        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        EXPECT_EQ(data.deviceName(), c.expected);
    }
}

TEST_F(Recognition, VersionAndFmRadioAnswers)
{
    struct Case {
        const char* what;
        uint16_t product;
        std::vector<uint8_t> failing;
        bool fm_shown;
        FirmwareQuad version;
        int fm;
        bool fm_asked;
    };
    const Case cases[] = {
        {"both read", 0x3052, {}, true, {3, 2, 1, 4}, 3, true},
        {"FM hidden", 0x3052, {}, false, {3, 2, 1, 4}, 4, true},
        {"both fail", 0x3052, {COMMAND_GET_VERSION, COMMAND_FM_RADIO_QUERY}, false, {1, 0, 0, 0}, 3, true},
        {"not asked for FM", 0x5630, {}, false, {3, 2, 1, 4}, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start_over();
        sim::HeadsetPersona persona = test_headset(c.product);
        persona.failingCommands = c.failing;
        persona.fmRadioShown = c.fm_shown;
        const sim::PluggedHeadset plugged = sim::plug_headset(persona);
        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        EXPECT_EQ(data.deviceVersion(), c.version);
        EXPECT_EQ(run.session.fmRadioShowAndHide, c.fm);
        EXPECT_EQ(sent(plugged.hid(), COMMAND_FM_RADIO_QUERY), c.fm_asked);
    }
}

TEST_F(Recognition, SomeProductsTakeVersionAndLanguagePackFromTheNameRequest)
{
    sim::HeadsetPersona persona = test_headset(0x3340);
    persona.languagePackType = 2;
    persona.languagePackMajor = 1;
    persona.languagePackMinor = 7;
    const sim::PluggedHeadset plugged = sim::plug_headset(persona);

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    EXPECT_EQ(data.deviceName(), "Trail Rider");
    EXPECT_EQ(data.deviceVersion(), (FirmwareQuad{3, 2, 1, 4}));
    EXPECT_EQ(data.devicelanguagePackType(), 2);
    EXPECT_EQ(data.devicelanguagePackTypeVerMinor(), 7);
    EXPECT_EQ(request_with(plugged.hid(), COMMAND_GET_VERSION).at(2), 0x3C);
}

TEST_F(Recognition, ShortReportFamiliesTellNameVersionAndLanguagePack)
{
    struct Case {
        uint16_t product;
        std::string name;
        std::string expected;
    };
    const std::string default_name = kivo::ProductNames::tavk_product_name(0x6800);
    for (const Case& c :
         {Case{0x6800, "Summit Duo", "Summit Duo"}, Case{0x6800, "", default_name}, Case{0x6831, "", ""}}) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product << " named \"" << c.name << "\"");
        start_over();
        sim::HeadsetPersona persona = test_headset(c.product);
        persona.shortReports = true;
        persona.name = c.name;
        persona.languagePackType = 3;
        persona.languagePackMajor = 2;
        persona.languagePackMinor = 5;
        sim::plug_headset(persona);

        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        EXPECT_EQ(data.deviceName(), c.expected);
        EXPECT_EQ(data.deviceVersion(), (FirmwareQuad{3, 2, 1, 4})) << "read whatever the name gave";
        EXPECT_EQ(data.devicelanguagePackType(), 3);
        EXPECT_EQ(data.devicelanguagePackTypeVerMajor(), 2);
        EXPECT_EQ(data.devicelanguagePackTypeVerMinor(), 5);
    }
}

TEST_F(Recognition, NoDeviceOpensTakesThreeTriesThenTheUsbRoad)
{
    run.callerMode = 0;
    run.session.deviceTarget = 0x3142;
    EXPECT_EQ(recognize(), kivo::kRecognitionFailed);
    EXPECT_EQ(run.session.deviceTarget, 0) << "the page's own recognition forgets the selection";
    EXPECT_GE(virtual_seconds(), 3);
    EXPECT_TRUE(run.doWarn);
    EXPECT_FALSE(run.goFirmwareUpgrade);
    EXPECT_EQ(run.strStatus[0], "Cannot open USB [-1]") << "after the probe, the normal open found nothing either";
    EXPECT_EQ(run.strStatus[1], "Impossible d'ouvrir l'USB [-1]");
    EXPECT_GE(virtual_seconds(), 3 + 19) << "the firmware-management probe tried 20 times";
    EXPECT_TRUE(run.isFirst) << "the probe has not succeeded yet";

    // Once the probe has succeeded, only the normal open runs.
    run = {};
    run.isFirst = false;
    run.callerMode = 5;
    run.session.deviceTarget = 0x3142;
    EXPECT_EQ(recognize(), kivo::kRecognitionFailed);
    EXPECT_EQ(run.strStatus[0], "Cannot open USB [-1]");
    EXPECT_EQ(run.session.deviceTarget, 0x3142) << "a caller's selection stays";
}

TEST(RecognitionProductSets, SizesOfTheIdentificationSets)
{
    int hid = 0, names = 0, versions = 0, fm = 0, ready_zero = 0, ready_nonzero = 0;
    for (int id = 0; id <= 0xFFFF; ++id) {
        hid += hid_device_product(static_cast<uint32_t>(id)) ? 1 : 0;
        names += kivo::reads_name_record(id) ? 1 : 0;
        versions += kivo::reads_version(id) ? 1 : 0;
        fm += kivo::queries_fm_radio(id) ? 1 : 0;
        ready_zero += kivo::readiness_rule(id) == kivo::Readiness::ReadyWhenZero ? 1 : 0;
        ready_nonzero += kivo::readiness_rule(id) == kivo::Readiness::ReadyWhenNonZero ? 1 : 0;
    }
    EXPECT_EQ(hid, 83);
    EXPECT_EQ(names, 54);
    EXPECT_EQ(versions, 48);
    EXPECT_EQ(fm, 39);
    EXPECT_EQ(ready_zero, 41);
    EXPECT_EQ(ready_nonzero, 4);
}

// A run on a thread whose stop flag is raised (the user quits) ends at its first wait, with the
// headset open while its module is switched over: it closes every device and says it stopped.
TEST_F(Recognition, StoppedRunEndsAtItsNextWaitWithEveryDeviceClosed)
{
    auto headset = sim::plug_headset(sim::oem_headset());
    const std::atomic<bool> stop{true};
    const kivo::StopFlagWatch watch(stop);
    EXPECT_EQ(recognize(), kivo::kRecognitionStopped);
    EXPECT_GE(headset.hid().open_count(), 1) << "it had opened the headset";
    EXPECT_FALSE(run.session.recognized);
}
