// The OEM mesh headsets' whole update: the module, the Bluetooth blocks and the voice-prompt
// language, against the simulated headset and its module, in virtual time.

#include <algorithm>

#include "link/usb_link.h"
#include "recognition/recognition_run.h"
#include "tests/link/test_opener.h"
#include "tests/update/engine/mesh_fixture.h"
#include "update/engine/hid/hid_image.h"

namespace {

constexpr uint8_t kErase = 0x05;
constexpr uint8_t kVerify = 0x07;
constexpr uint8_t kRunLoader = 0x08;
constexpr uint8_t kUnitLanguage = 0x59;

long count(const std::vector<uint8_t>& commands, uint8_t command)
{
    return std::count(commands.begin(), commands.end(), command);
}

} // namespace

class MeshBt31 : public MeshRunTest { };

TEST_F(MeshBt31, UpdatesModuleAndBluetoothBlocksEndToEnd)
{
    persona = sim::oem_headset_with_settings();
    plug();
    const fwfile::Bytes bluetooth0 = withVersion(7000, "2.2.0.0", 1);
    const fwfile::Bytes bluetooth1 = fwfile::pattern(2500, 2);
    const fwfile::Bytes module = withVersion(5000, "1.4.0.0", 3);
    useBlocks({bluetooth0, bluetooth1, module}, "VARGO_Zeltra-v2.2_de.img");
    run();

    EXPECT_EQ(progress().updateRestoreError, 0);
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(status(), "On updating firmware.");
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 89, 99}));
    EXPECT_TRUE(host.boxes.empty());

    EXPECT_GT(count(moduleCommands(), 0x5A), 0) << "the module 1.3 gets the CRC-checked write";
    EXPECT_EQ(headset.moduleImage(), module);
    EXPECT_EQ(headset.moduleVersion(), (sim::VersionQuad{1, 4, 0, 0}));
    EXPECT_EQ(headset.image(6), bluetooth0);
    EXPECT_EQ(headset.image(7), bluetooth1);

    const std::vector<uint8_t> sent = commands();
    EXPECT_EQ(count(sent, 0x0E), 0) << "every block as 0x06";
    EXPECT_EQ(count(sent, 0x0A), 0) << "no result request";
    EXPECT_EQ(count(sent, kRunLoader), 1);
    const std::vector<sim::HidWrite> erases = sim::writes_of(headset.hid(), kErase);
    ASSERT_EQ(erases.size(), 2u);
    EXPECT_EQ(erases[0].bytes[2], 6);
    EXPECT_EQ(erases[1].bytes[2], 7);
    const std::vector<sim::HidWrite> language = sim::writes_of(headset.hid(), kUnitLanguage);
    ASSERT_EQ(language.size(), 1u);
    EXPECT_EQ(language[0].bytes[2], 4) << "the code of \"de\" from the file name";
    EXPECT_GE(language[0].at - sim::writes_of(headset.hid(), kRunLoader)[0].at, std::chrono::seconds(10 + 1));

    EXPECT_EQ(headset.version(), (sim::VersionQuad{2, 2, 0, 0}));
    EXPECT_EQ(headset.record(0x04), persona.factoryRecords->at(0x04));
    EXPECT_EQ(headset.record(0x15), persona.factoryRecords->at(0x15));
}

TEST_F(MeshBt31, ModuleInBlockOneAndOneBluetoothBlock)
{
    target(0x3540);
    inputs.opener = open_product(0x3540);
    persona.product_id = 0x3540;
    plug();
    const fwfile::Bytes bluetooth = fwfile::pattern(3000, 4);
    const fwfile::Bytes module = fwfile::pattern(400, 5);
    useBlocks({bluetooth, module});
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(headset.moduleImage(), module);
    EXPECT_EQ(headset.image(6), bluetooth);
    EXPECT_EQ(count(commands(), kErase), 1);
}

TEST_F(MeshBt31, NoLoaderRunWithoutBlockZeroButTheWaitAllTheSame)
{
    plug();
    useBlocks({fwfile::pattern(3000, 6), fwfile::pattern(1000, 7), fwfile::pattern(300, 8)},
              {{3, 6, {}}, {4, 7, {}}, {2, 8, {}}});
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(count(commands(), kRunLoader), 0);
    const kivo::Duration verified = sim::writes_of(headset.hid(), kVerify).back().at;
    EXPECT_GE(sim::writes_of(headset.hid(), kUnitLanguage)[0].at - verified, std::chrono::seconds(10 + 1))
        << "the pause and a poll";
    const std::vector<uint16_t> opens = bus().hid_opens();
    EXPECT_EQ(std::count(opens.begin(), opens.end(), 0x3142), 4 + 2) << "a poll, then the open for good";
}

TEST_F(MeshBt31, HeadsetThatNeverComesBackIsGivenUpAtTheBound)
{
    persona.awayAfterRunLoader = std::nullopt;
    plug();
    useBlocks({fwfile::pattern(3000, 9), fwfile::pattern(1000, 10), fwfile::pattern(300, 11)});
    run();

    EXPECT_EQ(status(), cannotGetStatus("[6]"));
    EXPECT_EQ(progress().updateRestoreError, 1);
    EXPECT_GE(virtualSeconds(), kivo::kReconnectPollBound);
    EXPECT_LT(virtualSeconds(), kivo::kReconnectPollBound + 120);
    EXPECT_EQ(commands().back(), kRunLoader);
}

TEST_F(MeshBt31, BluetoothBlockStepsFailWithTheirTags)
{
    using sim::CommandFault;
    struct Case {
        const char* tag;
        CommandFault fault;
    };
    // The module stage sends 0x01, 0x50, 0x52, 0x53 and 0x50 to the headset first.
    for (const Case& c : {Case{"[1]", {kErase, 1}}, Case{"[2]", {0x06, 2, CommandFault::WriteFails}},
                          Case{"[3]", {0x06, 3}}, Case{"[4]", {kVerify, 2}}, Case{"[5]", {kRunLoader, 1}}}) {
        SCOPED_TRACE(c.tag);
        bus().reset();
        persona.commandFaults = {c.fault};
        plug();
        useBlocks({fwfile::pattern(3000, 12), fwfile::pattern(1000, 13), fwfile::pattern(300, 14)});
        run();
        EXPECT_EQ(status(), cannotGetStatus(c.tag));
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_EQ(count(commands(), kUnitLanguage), 0);
    }
}

TEST_F(MeshBt31, HostileContainersChangeNothing)
{
    struct Case {
        const char* what;
        std::function<void(fwfile::Bytes&)> spoil;
        int blocks;
    };
    const Case cases[] = {
        {"no block 2", [](fwfile::Bytes&) {}, 2},
        {"a Bluetooth block past the end",
         [](fwfile::Bytes& file) {
             fwfile::put_le32(file, fwfile::entry_position(3, true, 1) + FirmwareContainer::kEntryLengthField, 1 << 30);
         },
         3},
        {"a count of 0", [](fwfile::Bytes&) {}, 0},
        {"a count below 0",
         [](fwfile::Bytes& file) { fwfile::put_le32(file, FirmwareContainer::kSectionCountOffset, 0xFFFFFFFF); }, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        plug();
        useSpoiledBlocks(c.blocks, c.spoil, 500, 20);
        run();
        expectCorruptedBeforeAnyChange();
    }
}

TEST_F(MeshBt31, RestoreAfterTheUpdateBringsBackTheSettings)
{
    ASSERT_EQ(usb_link_start(), 0);
    persona = sim::oem_headset_with_settings();
    plug();
    kivo::RecognitionRun recognition;
    KIVOBluetoothDeviceData record;
    ASSERT_EQ(kivo::recognize_device(recognition, record), kivo::kRecognitionSucceeded);
    EXPECT_EQ(record.deviceVersion01(), (FirmwareQuad{2, 1, 0, 0}));

    inputs.session = recognition.session;
    inputs.data = record;
    useBlocks({withVersion(3000, "2.2.0.0", 15), fwfile::pattern(1000, 16), fwfile::pattern(700, 17)});
    run();
    ASSERT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(headset.record(0x04), persona.factoryRecords->at(0x04));

    kivo::RecognitionRun after;
    after.callerMode = kModeUpdate;
    after.session = recognition.session;
    after.saved = record;
    KIVOBluetoothDeviceData updated;
    ASSERT_EQ(kivo::recognize_device(after, updated), kivo::kRecognitionSucceeded);
    EXPECT_EQ(updated.deviceVersion(), (FirmwareQuad{2, 2, 0, 0}));
    for (const uint8_t id : {uint8_t{0x04}, uint8_t{0x09}, uint8_t{0x15}})
        EXPECT_EQ(headset.record(id), persona.records.at(id)) << std::hex << int{id};
}
