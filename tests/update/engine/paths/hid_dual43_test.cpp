// The dual-version headsets: two modules behind two HID interfaces (link slots 0 and 1), each block
// of the file written on the slot its number names over a command report that keeps what earlier
// commands left in it, against a simulated headset with two loader faces, in virtual time.

#include <algorithm>
#include <functional>

#include "tests/update/engine/paths/block_paths_fixture.h"
#include "tests/update/engine/paths/two_module_failures.h"

namespace {

constexpr uint16_t kProduct = 0x4310;
constexpr uint8_t kBlock = 0x06;
constexpr uint8_t kVerify = 0x07;
constexpr uint8_t kRunLoader = 0x08;

} // namespace

class HidDual43 : public BlockPathTest {
protected:
    void SetUp() override
    {
        BlockPathTest::SetUp();
        target(kProduct);
        arrange();
    }

    // The headset at 2.0 with its second module at 1.5, recognized so, opened into both slots.
    void arrange()
    {
        inputs.opener = open_product_in_two_slots(kProduct);
        inputs.data.setDeviceVersion01({2, 0, 0, 0});
        inputs.data.setDeviceVersion02({1, 5, 0, 0});
        persona = {};
        persona.product_id = kProduct;
        persona.version = {2, 0, 0, 0};
        persona.secondModule = sim::SecondModulePersona{{1, 5, 0, 0}, {}, {}};
    }

    // One main block per module, each of two reports.
    void useTwoBlocks() override { useBlockList({{0, 1, fwfile::pattern(1500, 1)}, {1, 2, fwfile::pattern(1500, 2)}}); }
};

TEST_F(HidDual43, WritesEachBlockOnTheSlotItsNumberNamesThenStartsBothLoaders)
{
    replug();
    const std::vector<Block> blocks = {
        {3, 8, fwfile::pattern(1019, 4)},
        {0, 5, withVersion(2500, "2.1.0.0", 1)},
        {2, 7, fwfile::pattern(300, 3)},
        {1, 6, withVersion(1200, "1.6.0.0", 2)},
    };
    useBlockList(blocks);
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 86, 99}));
    // Every block is sent as 0x06, the last one of an image too.
    EXPECT_EQ(commands(0), (std::vector<uint8_t>{0x01, 0x05, 0x06, 0x06, 0x06, 0x07, 0x05, 0x06, 0x07, 0x08}));
    EXPECT_EQ(commands(1), (std::vector<uint8_t>{0x01, 0x05, 0x06, 0x07, 0x05, 0x06, 0x06, 0x07, 0x08}));
    EXPECT_EQ(headset.image(8, 1), blocks[0].data);
    EXPECT_EQ(headset.image(5, 0), blocks[1].data);
    EXPECT_EQ(headset.image(7, 0), blocks[2].data);
    EXPECT_EQ(headset.image(6, 1), blocks[3].data);
    EXPECT_EQ(headset.version(0), (sim::VersionQuad{2, 1, 0, 0}));
    EXPECT_EQ(headset.version(1), (sim::VersionQuad{1, 6, 0, 0}));

    // After the loaders (the first module's first: see the failures below), 5 seconds and one poll
    // that finds the headset back, then the second of the success ending.
    EXPECT_EQ(seconds(sim::bus().clock().now() - writesOf(kRunLoader, 1).at(0).at), 5 + 1 + 1);
    EXPECT_EQ(bus().hid_opens().size(), 2u + 2u);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(HidDual43, BlocksNumberedTwoGoToTheFirstModuleAndStartNoLoader)
{
    replug();
    useBlockList({{2, 3, fwfile::pattern(800, 1)}, {2, 4, fwfile::pattern(900, 2)}});
    run();
    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(commands(0), (std::vector<uint8_t>{0x01, 0x05, 0x06, 0x07, 0x05, 0x06, 0x07}));
    EXPECT_EQ(commands(1), (std::vector<uint8_t>{0x01}));
    EXPECT_EQ(headset.image(3, 0), fwfile::pattern(800, 1));
    EXPECT_EQ(headset.image(4, 0), fwfile::pattern(900, 2));
}

TEST_F(HidDual43, SecondModuleWithoutAVersionAnswerCountsAsOneZero)
{
    persona.secondModule->commandFaults = {{0x01, 1, sim::CommandFault::Silent}};
    for (const auto& [recorded, error] :
         {std::pair{FirmwareQuad{1, 0, 0, 0}, 0}, std::pair{FirmwareQuad{1, 5, 0, 0}, 2}}) {
        SCOPED_TRACE(recorded.minor);
        replug();
        inputs.data.setDeviceVersion02(recorded);
        useTwoBlocks();
        run();
        EXPECT_EQ(progress().updateRestoreError, error) << status();
    }
}

// The report is not cleared between commands: a block's length and data stay in it for the
// commands after it, and a shorter block still carries the end of the longer one before it. Only
// the bytes each command writes change.
TEST_F(HidDual43, ReportKeepsWhatEarlierCommandsLeft)
{
    replug();
    const fwfile::Bytes first = fwfile::pattern(1500, 1);
    const fwfile::Bytes second = fwfile::pattern(1500, 2);
    useBlockList({{0, 1, first}, {2, 9, second}});
    run();
    ASSERT_EQ(progress().updateRestoreError, 0) << status();

    const std::vector<sim::HidWrite> blocks = writesOf(kBlock);
    ASSERT_EQ(blocks.size(), 4u);
    const sim::Bytes& short_block = blocks[1].bytes;
    EXPECT_EQ(short_block[2] << 8 | short_block[3], 481);
    EXPECT_TRUE(std::equal(short_block.begin() + 4, short_block.begin() + 4 + 481, first.begin() + 1019));
    EXPECT_TRUE(std::equal(short_block.begin() + 4 + 481, short_block.end(), first.begin() + 481))
        << "the end of the first block stays behind the second";

    // The verify right after that block carries all of it but the command.
    const sim::Bytes verify = writesOf(kVerify).at(0).bytes;
    EXPECT_EQ(verify[1], kVerify);
    EXPECT_TRUE(std::equal(verify.begin() + 2, verify.end(), short_block.begin() + 2));
    // The next erase writes its image id in byte 2 and nothing else.
    const sim::Bytes erase = writesOf(0x05).at(1).bytes;
    EXPECT_EQ(erase[2], 9);
    EXPECT_TRUE(std::equal(erase.begin() + 3, erase.end(), verify.begin() + 3));
    // The run loader writes byte 2 = 0 over what the last block left.
    const sim::Bytes loader = writesOf(kRunLoader).at(0).bytes;
    const sim::Bytes& last_block = blocks[3].bytes;
    EXPECT_EQ(loader[2], 0);
    EXPECT_TRUE(std::equal(loader.begin() + 3, loader.end(), last_block.begin() + 3));
}

TEST_F(HidDual43, EachFailingStepEndsTheRun)
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
        {"slot 1 empty", kNotRecognized, 2, 0, 0, {}, {}, [this] { inputs.opener = open_product(kProduct); }},
        {"first module another version",
         kNotRecognized,
         2,
         1,
         0,
         {},
         {},
         [this] {
             inputs.data.setDeviceVersion01({2, 0, 1, 0});
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
        {"block entry outside the file",
         kCorrupted,
         3,
         1,
         1,
         {},
         {},
         [this] {
             useBlockOutsideTheFile({{0, 1, fwfile::pattern(100, 1)}, {1, 2, fwfile::pattern(100, 2)}}, 1);
         }},
        // Nothing to write is no firmware: nothing erased, no loader started.
        {"a file without blocks", kCorrupted, 3, 1, 1, {}, {}, [this] { useBlockList({}); }},
        {"erase, first module", kCannotGetStatus, 1, 2, 1, {{0x05, 1}}},
        {"block send, first module", kCannotGetStatus, 1, 3, 1, {{0x06, 2, CommandFault::WriteFails}}},
        {"block status, first module", kCannotGetStatus, 1, 3, 1, {{0x06, 1}}},
        {"verify, first module", kCannotGetStatus, 1, 5, 1, {{0x07, 1}}},
        {"erase, second module", kCannotGetStatus, 1, 5, 2, {}, {{0x05, 1}}},
        {"block send, second module", kCannotGetStatus, 1, 5, 3, {}, {{0x06, 2, CommandFault::WriteFails}}},
        {"block status, second module", kCannotGetStatus, 1, 5, 4, {}, {{0x06, 2}}},
        {"verify, second module", kCannotGetStatus, 1, 5, 5, {}, {{0x07, 1}}},
        {"loader, first module (before the second's)", kCannotGetStatus, 1, 6, 5, {{0x08, 1}}},
        {"loader, second module", kCannotGetStatus, 1, 6, 6, {}, {{0x08, 1}}},
        {"headset never back",
         kCannotGetStatus,
         1,
         6,
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
        runFailing(c.arrange);
        expectEnded(c.status, c.error);
        EXPECT_EQ(commands(0).size(), c.sent0);
        EXPECT_EQ(commands(1).size(), c.sent1);
    }
}

TEST_F(HidDual43, HeadsetThatNeverComesBackIsGivenUpAtTheBound)
{
    persona.awayAfterRunLoader = std::nullopt;
    replug();
    useTwoBlocks();
    run();
    EXPECT_EQ(status(), kCannotGetStatus);
    EXPECT_GE(virtualSeconds(), 5 + kivo::kReconnectPollBound);
    EXPECT_LT(virtualSeconds(), 5 + kivo::kReconnectPollBound + 60);
}
