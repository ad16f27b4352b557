// The headsets with an Airoha mesh module, end to end against the simulated headset and its module
// in virtual time: the module's block over 62-byte reports, then the Bluetooth image and (on the
// voice-prompt headsets) the voice-prompt image over 1023-byte reports, each stage from a fresh
// open, load and backup; every failing step with its tag and nothing sent after it.

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "common/page_ids.h"
#include "link/usb_link.h"
#include "recognition/recognition_run.h"
#include "tests/update/engine/mesh_fixture.h"
#include "update/engine/backup_file.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/mesh/mesh_stage.h"
#include "update/engine/paths/paths.h"

namespace {

using sim::CommandFault;

constexpr uint8_t kVersionRead = 0x01;
constexpr uint8_t kReadGroup = 0x03;
constexpr uint8_t kErase = 0x05;
constexpr uint8_t kBlock = 0x06;
constexpr uint8_t kVerify = 0x07;
constexpr uint8_t kRunLoader = 0x08;
constexpr uint8_t kResult = 0x0A;
constexpr uint8_t kLastBlock = 0x0E;
constexpr uint8_t kMeshSwitch = 0x0F;
constexpr uint8_t kReadyState = 0x12;
constexpr uint8_t kVerifyAll = 0x5B;
size_t parts(size_t length, size_t part) { return (length + part - 1) / part; }

// What the headset is sent for one image, worked out apart from the engine: erase, blocks of 1019
// bytes with 0x0E for the last, verify, run loader, result.
std::vector<uint8_t> image_commands(size_t length)
{
    std::vector<uint8_t> commands{kErase};
    commands.insert(commands.end(), parts(length, 1019) - 1, kBlock);
    commands.insert(commands.end(), {kLastBlock, kVerify, kRunLoader, kResult});
    return commands;
}

// ... and the module for its block: (for a block of type 1, a version read,) erase, chunks of 58
// bytes, verify-all, run loader, result.
std::vector<uint8_t> module_commands(size_t length, bool version_read)
{
    std::vector<uint8_t> commands;
    if (version_read)
        commands.push_back(kVersionRead);
    commands.push_back(kErase);
    commands.insert(commands.end(), parts(length, 58), kBlock);
    commands.insert(commands.end(), {kVerifyAll, kRunLoader, kResult});
    return commands;
}

// The images the headset was sent over 1023-byte reports, one per erase, in order.
std::vector<fwfile::Bytes> images_sent(const sim::HidInterface& headset)
{
    std::vector<fwfile::Bytes> images;
    for (const sim::Bytes& out : headset.outputs()) {
        if (out[1] == kErase)
            images.emplace_back();
        if ((out[1] == kBlock || out[1] == kLastBlock) && !images.empty())
            images.back().insert(images.back().end(), out.begin() + 4, out.begin() + 4 + (out[2] << 8 | out[3]));
    }
    return images;
}

// Section entry 0 describes the data of entry `index` (offset, length, digest).
void aim_section_zero_at(fwfile::Bytes& file, size_t count, size_t index)
{
    const size_t from = fwfile::entry_position(count, false, index) + FirmwareContainer::kEntryOffsetField;
    const size_t to = fwfile::entry_position(count, false, 0) + FirmwareContainer::kEntryOffsetField;
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(from), 24, file.begin() + static_cast<std::ptrdiff_t>(to));
}

void put_length(fwfile::Bytes& file, size_t count, bool extended, size_t index, uint32_t length)
{
    fwfile::put_le32(file, fwfile::entry_position(count, extended, index) + FirmwareContainer::kEntryLengthField,
                     length);
}

} // namespace

class MeshAirohaQcc : public UpdateRunTest {
protected:
    // The recognized headset, with its own version as module-01 version.
    void plug(const sim::HeadsetPersona& p)
    {
        persona = p;
        target(p.product_id);
        inputs.data.setDeviceVersion01(
            {p.version.major, p.version.minor, p.version.secondaryType, p.version.secondary});
        headset = sim::plug_headset(persona);
    }

    // A file for the voice-prompt headsets: the Bluetooth image, the voice prompts with these two
    // version numbers, the module's block (type 1).
    fwfile::Bytes useVoicePromptFile(uint32_t first, uint32_t second)
    {
        return useBlocks({bluetooth, voicePrompts, module},
                         {{0, 2, {}}, {1, 2, {first, second}}, {2, 1, {2, 0, 0, 0, 0}}});
    }
    // A file for the others: other bytes in block 0, the module's block (type 2), and the Bluetooth
    // image that section entry 0 describes.
    fwfile::Bytes useBluetoothSectionFile()
    {
        fwfile::Bytes file = useBlocks({other, module, bluetooth}, {{0, 2, {}}, {1, 2, {}}, {2, 2, {}}});
        aim_section_zero_at(file, 3, 2);
        useFile(file);
        return file;
    }

    const sim::HidInterface& moduleInterface() const { return *headset.module->hid.front(); }
    std::vector<uint8_t> commands() const { return sim::commands_sent(headset.hid()); }
    std::vector<uint8_t> moduleCommands() const { return sim::commands_sent(moduleInterface()); }

    std::pair<std::string, uint8_t> lastWrite() const { return last_write(headset); }

    std::string cannotGetStatus(const std::string& tag) const
    {
        return "Failed to update firmware. Cannot get status" + tag;
    }

    const fwfile::Bytes bluetooth = fwfile::pattern(2500, 1);
    const fwfile::Bytes voicePrompts = fwfile::pattern(1500, 2);
    const fwfile::Bytes module = fwfile::pattern(150, 3);
    const fwfile::Bytes other = fwfile::pattern(700, 4);
    sim::HeadsetPersona persona;
    sim::PluggedHeadset headset;
};

TEST_F(MeshAirohaQcc, VoicePromptHeadsetGetsModuleBluetoothAndVoicePrompts)
{
    plug(sim::mesh_airoha_qcc_vp_headset());
    // The headset holds 12; the file's voice prompts are 1.3.
    useVoicePromptFile(1, 3);
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 1, 2, 4, 1, 2, 4, 99}));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(std::filesystem::exists(kivo::backup_archive_file(inputs.archiveFolder, 0x5630)));

    EXPECT_EQ(headset.moduleAirohaBlocks(), (std::vector<sim::AirohaFace::Block>{{0, module}}));
    ASSERT_EQ(moduleCommands(), module_commands(module.size(), true));
    const sim::Bytes verify_all = moduleInterface().outputs()[2 + parts(module.size(), 58)];
    const uint16_t crc = sim::device_crc16(module);
    EXPECT_EQ((std::vector<uint8_t>{verify_all[4], verify_all[5], verify_all[6]}),
              (std::vector<uint8_t>{2, static_cast<uint8_t>(crc & 0xFF), static_cast<uint8_t>(crc >> 8)}));

    EXPECT_EQ(images_sent(headset.hid()), (std::vector<fwfile::Bytes>{bluetooth, voicePrompts}));
    std::vector<uint8_t> expected{kVersionRead, kReadyState, kMeshSwitch, kReadGroup};
    for (const size_t length : {bluetooth.size(), voicePrompts.size()}) {
        const std::vector<uint8_t> image = image_commands(length);
        expected.insert(expected.end(), image.begin(), image.end());
    }
    EXPECT_EQ(commands(), expected);
    for (const sim::Bytes& out : headset.hid().outputs()) {
        if (out[1] == kErase) {
            EXPECT_EQ(out[2], 0) << "erased as image 0";
        }
        if (out[1] == kReadGroup) {
            EXPECT_EQ(out[2], sim::kVoicePromptVersionRecord);
        }
    }

    std::vector<uint16_t> opens = bus().hid_opens();
    opens.erase(std::unique(opens.begin(), opens.end()), opens.end());
    EXPECT_EQ(opens, (std::vector<uint16_t>{0x5630, 0x3220, 0x5630}));
}

TEST_F(MeshAirohaQcc, VoicePromptsTheHeadsetHoldsAreNotWrittenAgain)
{
    plug(sim::mesh_airoha_qcc_vp_headset());
    useVoicePromptFile(1, 2);
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 1, 2, 4, 99}));
    EXPECT_EQ(headset.moduleAirohaBlocks(), (std::vector<sim::AirohaFace::Block>{{0, module}}));
    EXPECT_EQ(images_sent(headset.hid()), (std::vector<fwfile::Bytes>{bluetooth}));
}

TEST_F(MeshAirohaQcc, BluetoothImageComesFromSectionEntryZero)
{
    plug(sim::mesh_airoha_qcc_headset());
    useBluetoothSectionFile();
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 1, 2, 4, 99}));
    EXPECT_EQ(headset.moduleAirohaBlocks(), (std::vector<sim::AirohaFace::Block>{{0, module}}));
    EXPECT_EQ(moduleCommands(), module_commands(module.size(), false)) << "no version read for a block of type 2";
    // Not block 0's bytes.
    EXPECT_EQ(images_sent(headset.hid()), (std::vector<fwfile::Bytes>{bluetooth}));
    std::vector<uint8_t> expected{kVersionRead, kReadyState, kMeshSwitch};
    const std::vector<uint8_t> image = image_commands(bluetooth.size());
    expected.insert(expected.end(), image.begin(), image.end());
    EXPECT_EQ(commands(), expected);

    std::vector<uint16_t> opens = bus().hid_opens();
    opens.erase(std::unique(opens.begin(), opens.end()), opens.end());
    EXPECT_EQ(opens, (std::vector<uint16_t>{0x5552, 0x3220, 0x5552}));
}

TEST_F(MeshAirohaQcc, RecognizedHeadsetIsUpdated)
{
    // Recognition reads the module over 65-byte reports, the update writes it over 62-byte ones.
    ASSERT_EQ(usb_link_start(), 0);
    plug(sim::mesh_airoha_qcc_vp_headset());
    kivo::RecognitionRun recognition;
    KIVOBluetoothDeviceData record;
    ASSERT_EQ(kivo::recognize_device(recognition, record), kivo::kRecognitionSucceeded);
    EXPECT_EQ(record.deviceVersion02(), (FirmwareQuad{2, 0, 0, 0})) << "the module's version";

    inputs.session = recognition.session;
    inputs.data = record;
    useVoicePromptFile(1, 3);
    run();
    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(headset.moduleAirohaBlocks(), (std::vector<sim::AirohaFace::Block>{{0, module}}));
    EXPECT_EQ(images_sent(headset.hid()), (std::vector<fwfile::Bytes>{bluetooth, voicePrompts}));
}

TEST(VoicePromptDecision, HeldWhenTheNumberIsTenTimesTheFirstPlusTheSecond)
{
    struct Case {
        uint8_t held;
        uint32_t first;
        uint32_t second;
        bool skipped;
    };
    for (const Case c : {
             Case{12, 1, 2, true},
             Case{12, 1, 3, false},
             // The group read failed: the headset counts as 0.
             Case{0, 1, 2, false},
             Case{0, 0, 0, true},
             // 10 x the first wraps round to 4 in 32 bits.
             Case{12, 0x1999999A, 8, false},
             Case{255, 25, 5, true},
         }) {
        EXPECT_EQ(kivo::voice_prompts_held(c.held, c.first, c.second), c.skipped)
            << int{c.held} << " against " << c.first << "." << c.second;
    }
}

TEST_F(MeshAirohaQcc, ModuleSearchMakesTwentyAttemptsOneSecondApartAfterTwo)
{
    struct Case {
        double appearsAfter;
        bool found;
    };
    // The switch, 2 s, then attempt k at 2 + (k - 1) s: attempt 20 at 21 s.
    for (const Case c : {Case{20.5, true}, Case{21.5, false}}) {
        SCOPED_TRACE(c.appearsAfter);
        bus().reset();
        sim::HeadsetPersona p = sim::mesh_airoha_qcc_headset();
        p.module->appear_after =
            std::chrono::duration_cast<kivo::Duration>(std::chrono::duration<double>(c.appearsAfter));
        plug(p);
        useBluetoothSectionFile();
        run();
        if (c.found) {
            EXPECT_EQ(progress().updateRestoreError, 0) << status();
            continue;
        }
        EXPECT_EQ(status(), "Failed to update firmware. Cannot get status. Try again.[8]");
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_TRUE(moduleCommands().empty());
        EXPECT_EQ(commands().back(), kMeshSwitch);
        EXPECT_LT(virtualSeconds(), 2 + 20 + 1);
    }
}

TEST_F(MeshAirohaQcc, EachFailingStepEndsWithItsTagAndNothingAfter)
{
    struct Case {
        std::string status;
        std::function<void(sim::HeadsetPersona&)> arm;
        std::string lastDevice;
        uint8_t lastCommand;
        int error = 1;
    };
    auto headset_fault = [](CommandFault fault) {
        return [fault](sim::HeadsetPersona& p) { p.commandFaults = {fault}; };
    };
    auto module_fault = [](CommandFault fault) {
        return [fault](sim::HeadsetPersona& p) { p.module->commandFaults = {fault}; };
    };
    const std::string not_recognized = "Failed to update firmware. Not the recognized device";
    const Case cases[] = {
        // Unanswered, the version is 1.0.0.0: not the 1.6 recognized.
        {not_recognized, [](sim::HeadsetPersona& p) { p.failingCommands = {kVersionRead}; }, "headset", kVersionRead,
         2},
        {cannotGetStatus("[01][qm]"), headset_fault({kReadyState, 1}), "headset", kReadyState},
        {cannotGetStatus("[02][qm]"), [](sim::HeadsetPersona& p) { p.readiness = 1; }, "headset", kReadyState},
        {cannotGetStatus("[1][50]"), headset_fault({kMeshSwitch, 1}), "headset", kMeshSwitch},
        {"Failed to update firmware. Cannot get status. Try again.[8]",
         [](sim::HeadsetPersona& p) { p.module->appears = false; }, "headset", kMeshSwitch},
        // The module's table exchanges pass on any status: a silent module fails them.
        {cannotGetStatus("[20][ai][2]"), module_fault({kVersionRead, 1, CommandFault::Silent}), "module", kVersionRead},
        {cannotGetStatus("[0][ai][2]"), module_fault({kErase, 1, CommandFault::Silent}), "module", kErase},
        {cannotGetStatus("[1][ai][2]"), module_fault({kBlock, 2, CommandFault::Silent}), "module", kBlock},
        {cannotGetStatus("[1][ai][2]_Write CRC Check Fail"),
         [](sim::HeadsetPersona& p) { p.module->airoha->wrongCrcChunk = 2; }, "module", kBlock},
        {cannotGetStatus("[1][ai][2]_Verify All Fail"), module_fault({kVerifyAll, 1}), "module", kVerifyAll},
        {cannotGetStatus("[4][ai][2]"), module_fault({kRunLoader, 1, CommandFault::Silent}), "module", kRunLoader},
        {cannotGetStatus("[5][ai][2]"), [](sim::HeadsetPersona& p) { p.module->backAfterRunLoader = std::nullopt; },
         "module", kRunLoader},
        {cannotGetStatus("[6][ai][2]"), module_fault({kResult, 1, CommandFault::Silent}), "module", kResult},
        // The headset gone while its module was written.
        {not_recognized, headset_fault({kMeshSwitch, 1, CommandFault::Leaves}), "module", kResult, 2},
        // Gone after the voice-prompt read: the open for the image.
        {cannotGetStatus("[B][9]"), headset_fault({kReadGroup, 1, CommandFault::Leaves}), "headset", kReadGroup},
        {cannotGetStatus("[B][0]"), headset_fault({kErase, 1}), "headset", kErase},
        // The block never reached the headset.
        {cannotGetStatus("[B][1]"), headset_fault({kBlock, 1, CommandFault::WriteFails}), "headset", kErase},
        {cannotGetStatus("[B][2]"), headset_fault({kBlock, 1}), "headset", kBlock},
        {cannotGetStatus("[B][3]"), headset_fault({kVerify, 1}), "headset", kVerify},
        {cannotGetStatus("[B][4]"), headset_fault({kRunLoader, 1}), "headset", kRunLoader},
        {cannotGetStatus("[B][5]"), headset_fault({kRunLoader, 1, CommandFault::Leaves}), "headset", kRunLoader},
        {cannotGetStatus("[B][6]"), headset_fault({kResult, 1}), "headset", kResult},
        // Stage C: gone after the Bluetooth image, then a step of the voice prompts.
        {not_recognized, headset_fault({kResult, 1, CommandFault::Leaves}), "headset", kResult, 2},
        {cannotGetStatus("[B][3]"), headset_fault({kVerify, 2}), "headset", kVerify},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        bus().reset();
        sim::HeadsetPersona p = sim::mesh_airoha_qcc_vp_headset();
        c.arm(p);
        plug(p);
        useVoicePromptFile(1, 3);
        run();
        EXPECT_EQ(status(), c.status);
        EXPECT_EQ(progress().updateRestoreError, c.error);
        EXPECT_EQ(lastWrite(), std::make_pair(c.lastDevice, c.lastCommand));
        // Silent devices end within the link's bounds, the search count or the reconnect bound.
        EXPECT_LT(virtualSeconds(), kivo::kReconnectPollBound + 120);
    }
}

TEST_F(MeshAirohaQcc, HostileContainersSendNothing)
{
    struct Case {
        const char* what;
        bool voicePrompts;
        std::function<void(fwfile::Bytes&)> spoil;
        // When set, the file is spoiled this late, while the module is written.
        std::optional<kivo::Duration> spoiledAt;
        std::vector<uint8_t> sent;
    };
    const std::vector<uint8_t> version_read{kVersionRead};
    const std::vector<uint8_t> module_stage{kVersionRead, kReadyState, kMeshSwitch};
    const Case cases[] = {
        {"section entry 0 past the end",
         false,
         [](fwfile::Bytes& f) { put_length(f, 3, false, 0, 1 << 30); },
         {},
         version_read},
        {"section entry 0 ending past 32 bits",
         false,
         [](fwfile::Bytes& f) { put_length(f, 3, false, 0, 0xFFFFFFFF); },
         {},
         version_read},
        {"the module's block past the end",
         false,
         [](fwfile::Bytes& f) { put_length(f, 3, true, 1, 1 << 30); },
         {},
         version_read},
        {"the voice prompts past the end",
         true,
         [](fwfile::Bytes& f) { put_length(f, 3, true, 1, 1 << 30); },
         {},
         version_read},
        {"the module's block past the end, voice-prompt headset",
         true,
         [](fwfile::Bytes& f) { put_length(f, 3, true, 2, 1 << 30); },
         {},
         version_read},
        // The reload before the Bluetooth image finds the file changed: nothing goes to the headset.
        {"section entry 0 spoiled after the module", false,
         [](fwfile::Bytes& f) { put_length(f, 3, false, 0, 1 << 30); }, std::chrono::seconds(5), module_stage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        plug(c.voicePrompts ? sim::mesh_airoha_qcc_vp_headset() : sim::mesh_airoha_qcc_headset());
        fwfile::Bytes file = c.voicePrompts ? useVoicePromptFile(1, 3) : useBluetoothSectionFile();
        c.spoil(file);
        if (c.spoiledAt) {
            bus().schedule(*c.spoiledAt, [this, file] { useFile(file); });
        } else {
            useFile(file);
        }
        run();
        EXPECT_EQ(progress().updateRestoreError, 3);
        EXPECT_EQ(status(), "Failed to update firmware. Firmware corrupted");
        EXPECT_EQ(commands(), c.sent);
        EXPECT_EQ(moduleCommands().empty(), !c.spoiledAt.has_value());
    }
}

TEST_F(MeshAirohaQcc, BackupBoxOpensAtEveryStage)
{
    struct Case {
        bool voicePrompts;
        uint32_t second;
        size_t boxes;
    };
    for (const Case c : {Case{true, 3, 3}, Case{true, 2, 2}, Case{false, 0, 2}}) {
        SCOPED_TRACE(c.boxes);
        bus().reset();
        host.reset();
        // A regular file where the folder should be.
        inputs.archiveFolder = folder.path() / "not-a-folder";
        fwfile::write_file(inputs.archiveFolder, fwfile::Bytes{1});
        plug(c.voicePrompts ? sim::mesh_airoha_qcc_vp_headset() : sim::mesh_airoha_qcc_headset());
        if (c.voicePrompts)
            useVoicePromptFile(1, c.second);
        else
            useBluetoothSectionFile();
        run();
        EXPECT_EQ(progress().updateRestoreError, 0) << status();
        ASSERT_EQ(host.boxes.size(), c.boxes);
        for (const FakeUpdateHost::Box& box : host.boxes)
            EXPECT_EQ(box.purpose, kBoxSkipRestoreBackup);
    }
}
