// The headset of two modules, each behind a HID interface of its own (link slots 0 and 1), against
// a simulated headset with two loader faces, in virtual time.

#include <algorithm>
#include <filesystem>
#include <functional>

#include "link/firmware_container.h"
#include "tests/link/test_opener.h"
#include "tests/update/engine/paths/two_module_failures.h"
#include "tests/update/engine/update_fixture.h"
#include "update/engine/hid/hid_image.h"

namespace {

constexpr uint16_t kProduct = 0x4210;
constexpr uint8_t kReadSettings = 0x03;
constexpr uint8_t kRunLoader = 0x08;

const std::string kBelowFloor =
    "Firmware version is not supported by the Brisko EVO. Update to the latest version of Brisko EVO firmware.";
const std::string kNotRecognized = "Failed to update firmware. Not the recognized device";
const std::string kCannotGetStatus = "Failed to update firmware. Cannot get status";

struct Section {
    uint32_t type;
    uint32_t imageId;
    fwfile::Bytes data;
};

// An image whose bytes carry the version the module reports once it runs it.
fwfile::Bytes with_version(size_t size, const std::string& version, uint32_t seed)
{
    fwfile::Bytes image = fwfile::pattern(size, seed);
    const std::string marker = "SIMVERSION=" + version;
    std::copy(marker.begin(), marker.end(), image.begin() + 10);
    return image;
}

} // namespace

class Hid4210 : public UpdateRunTest {
protected:
    void SetUp() override
    {
        UpdateRunTest::SetUp();
        target(kProduct);
        arrange();
    }

    // The headset at 2.0 with its second module at 1.5, recognized so, opened into both slots; a
    // fresh bus and record of the run.
    void arrange()
    {
        bus().reset();
        changes.clear();
        inputs.opener = open_product_in_two_slots(kProduct);
        inputs.data.setDeviceVersion01({2, 0, 0, 0});
        inputs.data.setDeviceVersion02({1, 5, 0, 0});
        persona = {};
        persona.product_id = kProduct;
        persona.version = {2, 0, 0, 0};
        persona.secondModule = sim::SecondModulePersona{{1, 5, 0, 0}, {}, {}};
    }

    void plug() { headset = sim::plug_headset(persona); }

    // A container with these sections (type and image id as given), written as the run's firmware
    // file under `name` (which may name a folder below the test's).
    void useSections(const std::vector<Section>& sections, const std::string& name = "firmware.img")
    {
        std::vector<fwfile::Bytes> data;
        for (const Section& s : sections)
            data.push_back(s.data);
        fwfile::Bytes file = fwfile::make_container({"v1.0", kProduct, false, data});
        for (size_t i = 0; i < sections.size(); ++i) {
            const size_t entry = fwfile::entry_position(sections.size(), false, i);
            fwfile::put_le32(file, entry + FirmwareContainer::kEntryTypeField, sections[i].type);
            fwfile::put_le32(file, entry + FirmwareContainer::kEntryImageIdField, sections[i].imageId);
        }
        std::filesystem::create_directories((folder.path() / name).parent_path());
        useFile(file, name);
    }
    // One main section per module, each of two blocks.
    void useTwoSections(const std::string& name = "firmware.img")
    {
        useSections({{0, 1, fwfile::pattern(1500, 1)}, {1, 2, fwfile::pattern(1500, 2)}}, name);
    }

    std::vector<uint8_t> commands(size_t module) const { return sim::commands_sent(headset.hid(module)); }

    sim::HeadsetPersona persona;
    sim::PluggedHeadset headset;
};

TEST_F(Hid4210, WritesEachSectionToItsModuleThenWaitsWithoutReopening)
{
    plug();
    const fwfile::Bytes main0 = with_version(2500, "2.1.0.0", 1);
    const fwfile::Bytes main1 = with_version(1200, "1.6.0.0", 2);
    const fwfile::Bytes extra0 = fwfile::pattern(300, 3);
    const fwfile::Bytes extra1 = fwfile::pattern(1019, 4);
    useSections({{2, 7, extra0}, {0, 5, main0}, {3, 8, extra1}, {1, 6, main1}});
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 86, 99}));

    EXPECT_EQ(commands(0), (std::vector<uint8_t>{0x01, 0x03, 0x05, 0x06, 0x07, 0x05, 0x06, 0x06, 0x06, 0x07, 0x08}));
    EXPECT_EQ(commands(1), (std::vector<uint8_t>{0x01, 0x05, 0x06, 0x07, 0x05, 0x06, 0x06, 0x07, 0x08}));
    EXPECT_EQ(headset.image(7, 0), extra0);
    EXPECT_EQ(headset.image(5, 0), main0);
    EXPECT_EQ(headset.image(8, 1), extra1);
    EXPECT_EQ(headset.image(6, 1), main1);
    EXPECT_EQ(headset.version(0), (sim::VersionQuad{2, 1, 0, 0}));
    EXPECT_EQ(headset.version(1), (sim::VersionQuad{1, 6, 0, 0}));

    // The pause of 5 seconds, one poll that finds the headset back (both interfaces), and no open
    // after it.
    const kivo::Duration loaders = sim::writes_of(headset.hid(1), kRunLoader).back().at;
    EXPECT_GE(sim::bus().clock().now() - loaders, std::chrono::seconds(5 + 1 + 1));
    EXPECT_LT(sim::bus().clock().now() - loaders, std::chrono::seconds(5 + 1 + 2));
    EXPECT_EQ(bus().hid_opens().size(), 2u + 2u);
}

TEST_F(Hid4210, SecondModuleWithoutAVersionAnswerCountsAsOneZero)
{
    persona.secondModule->commandFaults = {{0x01, 1, sim::CommandFault::Silent}};
    for (const auto& [recorded, error] :
         {std::pair{FirmwareQuad{1, 0, 0, 0}, 0}, std::pair{FirmwareQuad{1, 5, 0, 0}, 2}}) {
        SCOPED_TRACE(recorded.minor);
        bus().reset();
        plug();
        inputs.data.setDeviceVersion02(recorded);
        useTwoSections();
        run();
        EXPECT_EQ(progress().updateRestoreError, error) << status();
    }
}

// The version floor of the newer hardware (settings group 5, word 0x001B or 0x0010) against the
// firmware file's name.
TEST_F(Hid4210, VersionFloorReadsTheFileName)
{
    using sim::CommandFault;
    struct Case {
        const char* name;
        std::vector<uint16_t> revision;
        bool blocked;
        std::vector<CommandFault> faults = {};
        size_t revisionReads = 1;
    };
    const Case cases[] = {
        {"x_v1.7.4_01.img", {0x001B}, true},
        {"x_v1.7.5_01.img", {0x001B}, false},
        {"x_v1.8.img", {0x0010}, false},
        {"x_v17.img", {0x0010}, true}, // no dot: 0.0
        {"x-1.2.img", {0x001B}, false}, // no "v" in the name
        {"v0.1/x_1.2.img", {0x001B}, false}, // the folder's "v" is not read
        {"x_v99999999999999999999999.1.img", {0x001B}, false}, // saturates, nothing thrown
        {"x_v1.7.4_01.img", {0x0011}, false}, // a revision without the floor
        {"x_v1.7.4_01.img", {0x001B}, false, {{0x03, 1}, {0x03, 2}}, 2}, // both reads fail: no floor
        {"x_v1.7.4_01.img", {0x001B}, true, {{0x03, 1}}, 2}, // read again after a failure
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.name << " " << std::hex << c.revision[0]);
        arrange();
        persona.records = {{5, c.revision}};
        persona.commandFaults = c.faults;
        plug();
        useTwoSections(c.name);
        run();
        const std::vector<uint8_t> sent = commands(0);
        EXPECT_EQ(std::count(sent.begin(), sent.end(), kReadSettings), static_cast<long>(c.revisionReads));
        if (c.blocked) {
            EXPECT_EQ(status(), kBelowFloor);
            EXPECT_EQ(progress().updateRestoreError, 1);
            EXPECT_EQ(progress().addUpdateProcessed, 1) << "before the backup";
            EXPECT_EQ(sent.back(), kReadSettings) << "no command after the floor";
            EXPECT_EQ(commands(1), (std::vector<uint8_t>{0x01}));
        } else {
            EXPECT_EQ(progress().updateRestoreError, 0) << status();
        }
    }
}

TEST_F(Hid4210, EachFailingStepEndsTheRun)
{
    using sim::CommandFault;
    const TwoModuleFailure cases[] = {
        // The application's opener does not take this product.
        {"opened as the application opens",
         kNotRecognized,
         2,
         0,
         0,
         {},
         {},
         [this] { inputs.opener = hid_open_device; }},
        {"one slot open", kNotRecognized, 2, 0, 0, {}, {}, [this] { inputs.opener = open_product(kProduct); }},
        {"first module another version",
         kNotRecognized,
         2,
         1,
         0,
         {},
         {},
         [this] {
             inputs.data.setDeviceVersion01({2, 0, 0, 1});
         }},
        {"second module another version",
         kNotRecognized,
         2,
         1,
         1,
         {},
         {},
         [this] {
             inputs.data.setDeviceVersion02({1, 4, 0, 0});
         }},
        {"file corrupted",
         "Failed to update firmware. Firmware corrupted",
         3,
         1,
         1,
         {},
         {},
         [this] {
             fwfile::Bytes file = fwfile::make_container({"v1.0", kProduct, false, {fwfile::pattern(100, 1)}});
             file.back() ^= 0xFF;
             useFile(file);
         }},
        // Nothing to write is no firmware: refused at the load, before the version floor's read.
        {"file without sections",
         "Failed to update firmware. Firmware corrupted",
         3,
         1,
         1,
         {},
         {},
         [this] { useSections({}); }},
        {"erase, first module", kCannotGetStatus, 1, 3, 1, {{0x05, 1}}},
        {"block send, first module", kCannotGetStatus, 1, 4, 1, {{0x06, 2, CommandFault::WriteFails}}},
        {"block status, first module", kCannotGetStatus, 1, 4, 1, {{0x06, 1}}},
        {"verify, first module", kCannotGetStatus, 1, 6, 1, {{0x07, 1}}},
        {"erase, second module", kCannotGetStatus, 1, 6, 2, {}, {{0x05, 1}}},
        {"block send, second module", kCannotGetStatus, 1, 6, 3, {}, {{0x06, 2, CommandFault::WriteFails}}},
        {"block status, second module", kCannotGetStatus, 1, 6, 4, {}, {{0x06, 2}}},
        {"verify, second module", kCannotGetStatus, 1, 6, 5, {}, {{0x07, 1}}},
        {"loader, first module (before the second's)", kCannotGetStatus, 1, 7, 5, {{0x08, 1}}},
        {"loader, second module", kCannotGetStatus, 1, 7, 6, {}, {{0x08, 1}}},
        {"headset never back",
         kCannotGetStatus,
         1,
         7,
         6,
         {},
         {},
         [this] { persona.awayAfterRunLoader = std::nullopt; }},
    };
    for (const TwoModuleFailure& c : cases) {
        SCOPED_TRACE(c.step);
        arrange();
        persona.commandFaults = c.faults0;
        persona.secondModule->commandFaults = c.faults1;
        useTwoSections();
        if (c.arrange)
            c.arrange();
        plug();
        run();
        expectEnded(c.status, c.error);
        EXPECT_EQ(commands(0).size(), c.sent0);
        EXPECT_EQ(commands(1).size(), c.sent1);
    }
}
