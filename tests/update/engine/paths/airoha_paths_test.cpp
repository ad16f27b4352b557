// The two Airoha paths end to end against the simulated headsets in virtual time: which blocks the
// 0x68 headsets get, the 0x6A headsets' reopen before every block and their block 3 read from the
// Qualcomm part, and the files and starts that must send nothing.

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "tests/update/engine/airoha_fixture.h"
#include "update/engine/backup_file.h"

namespace {

using Block = sim::AirohaFace::Block;

constexpr uint8_t kVersionRead = 0x01;
constexpr uint8_t kErase = 0x05;

// The block numbers of the version reads sent, in order (byte 3).
std::vector<uint8_t> version_reads(const std::vector<sim::Bytes>& outputs)
{
    std::vector<uint8_t> blocks;
    for (const sim::Bytes& out : outputs)
        if (out[2] == kVersionRead)
            blocks.push_back(out[3]);
    return blocks;
}

} // namespace

class AirohaPaths : public AirohaRunTest {
protected:
    bool backupWritten() const
    {
        return std::filesystem::exists(kivo::backup_archive_file(inputs.archiveFolder, inputs.session.deviceTarget));
    }
};

TEST_F(AirohaPaths, Airoha68WritesTheBlocksTheHeadsetDoesNotHold)
{
    const std::vector<fwfile::Bytes> data = {fwfile::pattern(300, 1), fwfile::pattern(130, 2), fwfile::pattern(70, 3),
                                             fwfile::pattern(90, 4)};
    // Type 1, all five equal: left as it is. Type 1, the fifth differs: written. Type 2: written
    // without a version read. Type 1 whose fifth number is above 255: no byte equals it.
    const std::vector<fwfile::BlockFields> fields = {
        {0, 1, {1, 2, 3, 4, 5}}, {1, 1, {1, 2, 3, 4, 6}}, {2, 2, {7, 7, 7, 7, 7}}, {3, 1, {1, 2, 3, 4, 256 + 5}}};
    for (const bool longAnswer : {false, true}) {
        SCOPED_TRACE(longAnswer ? "versions answered in 8 bytes" : "versions answered in 5 bytes");
        bus().reset();
        shared.change([](kivo::UpdateProgress& fresh) { fresh = {}; });
        changes.clear();
        sim::HeadsetPersona p = sim::airoha_68_headset();
        p.airoha.longVersionAnswer = longAnswer;
        for (const uint8_t block : {uint8_t{0}, uint8_t{1}, uint8_t{3}})
            p.airoha.blockVersions[block] = {1, 2, 3, 4, 5};
        plug(p);
        useBlocks(data, fields);
        run();

        EXPECT_EQ(progress().updateRestoreError, 0) << status();
        EXPECT_EQ(progress().updateProcessed, 100);
        EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 99}));
        EXPECT_EQ(headset.airohaBlocks(), (std::vector<Block>{{0, data[1]}, {0, data[2]}, {0, data[3]}}));
        // An answer longer than the table's first length for the command is asked for again.
        const std::vector<uint8_t> expected =
            longAnswer ? std::vector<uint8_t>{0, 0, 1, 1, 3, 3} : std::vector<uint8_t>{0, 1, 3};
        EXPECT_EQ(version_reads(outputs()), expected);
        EXPECT_TRUE(backupWritten());
        EXPECT_TRUE(host.boxes.empty());
    }
}

TEST_F(AirohaPaths, Airoha6AReopensBeforeEveryBlockAndReadsBlockThreeFromTheQualcommPart)
{
    sim::HeadsetPersona p = sim::airoha_6a_headset();
    // The headset holds block 0 already: it is written all the same.
    p.airoha.blockVersions[0] = {1, 2, 3, 4, 5};
    p.airoha.blockVersions[5] = {0, 0, 0, 0, 0};
    // A DFU result value other than 0 is only traced.
    p.airoha.dfuResult = 0x21;
    plug(p);
    plugQualcommPart();
    const std::vector<fwfile::Bytes> data = {fwfile::pattern(100, 5), fwfile::pattern(60, 6), fwfile::pattern(20, 7)};
    useBlocks(data, {{0, 1, {1, 2, 3, 4, 5}}, {3, 1, {}}, {5, 2, {}}});
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 99}));
    // Erase names the block; block 3's erase and chunks still go to the headset's 62-byte reports.
    EXPECT_EQ(headset.airohaBlocks(), (std::vector<Block>{{0, data[0]}, {3, data[1]}, {5, data[2]}}));
    EXPECT_EQ(version_reads(outputs()), (std::vector<uint8_t>{0, 5}));
    // Every erase comes from an open made after the block's version read.
    int read_in = -1;
    for (const sim::HidWrite& w : headset.hid().transcript()) {
        if (w.bytes[2] == kVersionRead)
            read_in = w.session;
        if (w.bytes[2] == kErase) {
            EXPECT_GT(w.session, read_in);
        }
    }
    EXPECT_EQ(sim::commands_sent(qualcommPart.hid()), std::vector<uint8_t>{kVersionRead});
    EXPECT_EQ(qualcommPart.hid().outputs()[0].size(), 1023u);

    // The start, then per block: (the Qualcomm part,) the reopen, polls and the open after run loader.
    std::vector<uint16_t> opens = bus().hid_opens();
    opens.erase(std::unique(opens.begin(), opens.end()), opens.end());
    EXPECT_EQ(opens, (std::vector<uint16_t>{0x6A01, 0x33F0, 0x6A01}));
    const std::vector<uint16_t> all = bus().hid_opens();
    EXPECT_EQ(std::count(all.begin(), all.end(), 0x33F0), 1);
    EXPECT_FALSE(backupWritten()) << "no backup on this path";
}

// Failures before the first block command: nothing erased.
TEST_F(AirohaPaths, StartFailuresEraseNothing)
{
    struct Case {
        const char* what;
        uint16_t product;
        uint32_t block;
        std::vector<sim::CommandFault> faults;
        int error;
        std::string status;
    };
    const std::string not_recognized = "Failed to update firmware. Not the recognized device";
    const Case cases[] = {
        // hid_open_device's general list stays as it is: four products of the path are not on it.
        {"0x6828 through hid_open_device", 0x6828, 0, {}, 2, not_recognized},
        {"the Qualcomm part absent", 0x6A01, 3, {}, 1, cannotGetStatus("[60][qccver][3]")},
        // The version answered, then the headset refuses every open.
        {"the reopen before the block fails",
         0x6A01,
         0,
         {{kVersionRead, 1, sim::CommandFault::Leaves}},
         2,
         not_recognized},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        sim::HeadsetPersona p = c.product == 0x6A01 ? sim::airoha_6a_headset() : sim::airoha_68_headset();
        p.product_id = c.product;
        p.airoha.blockVersions[0] = {1, 1, 1, 1, 1};
        p.commandFaults = c.faults;
        plug(p);
        if (c.product == 0x6828)
            inputs.opener = hid_open_device;
        useBlocks({fwfile::pattern(100, 8)}, {{c.block, 1, {}}});
        run();
        EXPECT_EQ(progress().updateRestoreError, c.error);
        EXPECT_EQ(status(), c.status);
        const std::vector<uint8_t> sent = commands();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), kErase), 0);
        EXPECT_EQ(bus().open_hid_handles(), 0);
    }
}

TEST_F(AirohaPaths, HostileContainersSendNothing)
{
    struct Case {
        const char* what;
        uint16_t product;
        std::function<void(fwfile::Bytes&)> spoil;
    };
    auto block_length = [](uint32_t length) {
        return [length](fwfile::Bytes& file) {
            fwfile::put_le32(file, fwfile::entry_position(2, true, 1) + FirmwareContainer::kEntryLengthField, length);
        };
    };
    const Case cases[] = {
        {"a block past the end", 0x6800, block_length(1 << 30)},
        {"a block past the end, where the loader checks the other table", 0x6806, block_length(1 << 30)},
        {"a block whose end passes 32 bits", 0x6806, block_length(0xFFFFFFFF)},
        {"a block past the end, 0x6A", 0x6A01, block_length(1 << 30)},
        {"a table past the end", 0x6800,
         [](fwfile::Bytes& file) { fwfile::put_le32(file, FirmwareContainer::kSectionCountOffset, 40); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        sim::HeadsetPersona p = c.product == 0x6A01 ? sim::airoha_6a_headset() : sim::airoha_68_headset();
        p.product_id = c.product;
        plug(p);
        plugQualcommPart();
        fwfile::Bytes file = useBlocks({fwfile::pattern(100, 9), fwfile::pattern(100, 10)}, {{0, 2, {}}, {3, 2, {}}});
        c.spoil(file);
        useFile(file);
        run();
        EXPECT_EQ(progress().updateRestoreError, 3);
        EXPECT_EQ(status(), "Failed to update firmware. Firmware corrupted");
        EXPECT_TRUE(commands().empty());
        EXPECT_TRUE(qualcommPart.hid().outputs().empty());
    }
}

// Nothing to write is no firmware: the file check refuses it, as it would a broken one.
TEST_F(AirohaPaths, FileWithoutBlocksIsCorruptedAndSendsNothing)
{
    for (const uint16_t product : {uint16_t{0x6800}, uint16_t{0x6A01}}) {
        SCOPED_TRACE(product);
        bus().reset();
        shared.change([](kivo::UpdateProgress& fresh) { fresh = {}; });
        changes.clear();
        plug(product == 0x6800 ? sim::airoha_68_headset() : sim::airoha_6a_headset());
        useBlocks({}, {});
        run();
        EXPECT_EQ(progress().updateRestoreError, 3);
        EXPECT_EQ(status(), "Failed to update firmware. Firmware corrupted");
        EXPECT_EQ(markers(), (std::vector<int>{0, 1}));
        EXPECT_TRUE(commands().empty());
        EXPECT_FALSE(backupWritten());
    }
}
