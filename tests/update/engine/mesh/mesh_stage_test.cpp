// The start of the OEM mesh headsets' path and the module stage over 1023-byte reports, against
// the simulated headset and its module, in virtual time. The stage runs here on its own: the
// product path, with the Bluetooth blocks, is tested in paths/mesh_bt31_test.cpp.

#include <algorithm>

#include "tests/update/engine/mesh_fixture.h"
#include "update/engine/mesh/crc16.h"
#include "update/engine/mesh/mesh_stage.h"
#include "update/engine/paths/paths.h"

namespace {

constexpr uint8_t kChunk = 0x06;
constexpr uint8_t kChunkCrc = 0x5A;
constexpr uint8_t kAllCrc = 0x5B;

std::vector<sim::Bytes> written(const std::vector<sim::Bytes>& writes, uint8_t command)
{
    std::vector<sim::Bytes> out;
    std::copy_if(writes.begin(), writes.end(), std::back_inserter(out),
                 [command](const sim::Bytes& w) { return w[1] == command; });
    return out;
}

sim::Bytes chunk_data(const sim::Bytes& report) { return {report.begin() + 4, report.begin() + 4 + report[3]}; }

uint16_t crc_of(const sim::Bytes& report) { return static_cast<uint16_t>(report[4] | report[5] << 8); }

} // namespace

class MeshStage : public MeshRunTest {
protected:
    // Two Bluetooth blocks and the module in block 2.
    void useModule(const fwfile::Bytes& module)
    {
        useBlocks({fwfile::pattern(3000, 1), fwfile::pattern(1500, 2), module});
    }

    // The start and the mesh stage, then the link closed.
    bool runStage()
    {
        kivo::UpdateRun update(inputs, shared, host);
        const bool ok =
            kivo::start_mesh_bt31(update) && kivo::write_mesh_module(update, update.container.block(2)->data);
        hid_close_devices();
        return ok;
    }
};

TEST_F(MeshStage, ModuleFrom1_0_2_1OnGetsTheCrcCheckedWrite)
{
    struct Case {
        const char* what;
        sim::VersionQuad version;
        bool readFails;
        bool checked;
    };
    const Case cases[] = {
        {"1.0.2.0", {1, 0, 2, 0}, false, false},
        {"1.0.2.1", {1, 0, 2, 1}, false, true},
        {"1.3 (as it ships)", {1, 3, 0, 0}, false, true},
        {"a failed read counts as 1.0.0.0", {1, 3, 0, 0}, true, false},
    };
    const fwfile::Bytes module = fwfile::pattern(300, 40);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        persona.module->version = c.version;
        persona.module->build = 7;
        persona.module->failingCommands = c.readFails ? std::vector<uint8_t>{0x01} : std::vector<uint8_t>{};
        plug();
        useModule(module);
        ASSERT_TRUE(runStage()) << status();
        const std::vector<uint8_t> sent = moduleCommands();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), kChunkCrc), c.checked ? 6 : 0);
        EXPECT_EQ(std::count(sent.begin(), sent.end(), kAllCrc), c.checked ? 1 : 0);
        EXPECT_EQ(headset.moduleImage(), module);
    }
}

TEST_F(MeshStage, ChunksOf58BytesEachCheckedThenTheWholeImage)
{
    plug();
    const fwfile::Bytes module = fwfile::pattern(59, 41);
    useModule(module);
    ASSERT_TRUE(runStage()) << status();

    const std::vector<sim::Bytes> writes = moduleWrites();
    const std::vector<sim::Bytes> chunks = written(writes, kChunk);
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0][2], 0);
    EXPECT_EQ(chunk_data(chunks[0]), fwfile::Bytes(module.begin(), module.begin() + 58));
    EXPECT_EQ(chunk_data(chunks[1]), fwfile::Bytes(module.begin() + 58, module.end()));
    EXPECT_EQ(moduleCommands(),
              (std::vector<uint8_t>{0x01, 0x05, kChunk, kChunkCrc, kChunk, kChunkCrc, kAllCrc, 0x07, 0x08}));
    const std::vector<sim::Bytes> crcs = written(writes, kChunkCrc);
    EXPECT_EQ(crcs[0][3], 2);
    EXPECT_EQ(crc_of(crcs[0]), kivo::crc16_xmodem(chunk_data(chunks[0])));
    EXPECT_EQ(crc_of(crcs[1]), kivo::crc16_xmodem(chunk_data(chunks[1])));
    EXPECT_EQ(crc_of(written(writes, kAllCrc)[0]), kivo::crc16_xmodem(module));
    EXPECT_EQ(headset.moduleImage(), module);
}

TEST_F(MeshStage, RefusedChunkIsSentAgainFromTheSameOffset)
{
    persona.module->commandFaults = {{kChunkCrc, 2, sim::CommandFault::FinalStatus}};
    plug();
    const fwfile::Bytes module = fwfile::pattern(150, 42);
    useModule(module);
    ASSERT_TRUE(runStage()) << status();
    const std::vector<sim::Bytes> chunks = written(moduleWrites(), kChunk);
    ASSERT_EQ(chunks.size(), 4u);
    EXPECT_EQ(chunk_data(chunks[2]), chunk_data(chunks[1]));
    EXPECT_EQ(chunk_data(chunks[3]), fwfile::Bytes(module.begin() + 116, module.end()));
    EXPECT_EQ(headset.moduleImage(), module);
}

TEST_F(MeshStage, CheckedWriteGivesUpAfterSixPassesOrTenRefusalsOfOneChunk)
{
    struct Case {
        const char* what;
        std::vector<uint8_t> failing;
        std::vector<sim::CommandFault> faults;
        long chunks;
        long allCrcs;
    };
    std::vector<sim::CommandFault> second_chunk_refused;
    for (int i = 2; i <= 11; ++i)
        second_chunk_refused.push_back({kChunkCrc, i, sim::CommandFault::FinalStatus});
    const Case cases[] = {
        {"every all-CRC refused", {kAllCrc}, {}, 6 * 3, 6},
        {"every chunk CRC refused", {kChunkCrc}, {}, 10, 0},
        {"the second chunk refused ten times", {}, second_chunk_refused, 11, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        persona.module->failingCommands = c.failing;
        persona.module->commandFaults = c.faults;
        plug();
        useModule(fwfile::pattern(150, 43));
        EXPECT_FALSE(runStage());
        EXPECT_EQ(status(), cannotGetStatus("[12]"));
        EXPECT_EQ(progress().updateRestoreError, 1);
        const std::vector<uint8_t> sent = moduleCommands();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), kChunk), c.chunks);
        EXPECT_EQ(std::count(sent.begin(), sent.end(), kAllCrc), c.allCrcs);
        EXPECT_EQ(std::count(sent.begin(), sent.end(), 0x05), 1) << "no new erase between passes";
        EXPECT_LT(virtualSeconds(), 120);
    }
}

// The re-sends of a refused chunk end in clock time as well as by their count: a module whose
// chunk CRC waits out its bound for good (silent 30 s, busy 300 s) ends within the ten sends times
// six seconds (three exchanges answered within two each) and the exchange under way; one that
// answers slowly but in time has its chunk sent the whole ten times.
TEST_F(MeshStage, ChunkResendsEndInClockTimeAsWellAsByCount)
{
    using namespace std::chrono_literals;
    struct Case {
        const char* what;
        std::vector<sim::CommandFault> faults;
        long long exchangeSeconds; // the CRC exchange's bound under the fault; 0: answered in time
    };
    const Case cases[] = {
        {"silent for good", {silent_for_good(kChunkCrc)}, kReportBoundSeconds},
        {"busy for good", {busy_for_good(kChunkCrc)}, kExchangeBoundSeconds},
        {"refused, each answer 1.9 s late", {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        persona.module->commandFaults = c.faults;
        persona.module->failingCommands = c.faults.empty() ? std::vector<uint8_t>{kChunkCrc} : std::vector<uint8_t>{};
        plug();
        sim::HidInterface& module = *headset.module->hid.front();
        module.faults.report_interval = 1s;
        if (c.faults.empty())
            module.faults.reply_delay = 1900ms;
        useModule(fwfile::pattern(150, 44));
        EXPECT_FALSE(runStage());
        EXPECT_EQ(status(), cannotGetStatus("[12]"));
        const std::vector<sim::HidWrite> crcs = sim::writes_of(module, kChunkCrc);
        const std::vector<uint8_t> sent = moduleCommands();
        const long chunks = std::count(sent.begin(), sent.end(), kChunk);
        if (c.exchangeSeconds == 0) {
            EXPECT_EQ(chunks, kivo::kChunkCrcRefusalBound) << "every send of the count";
            continue;
        }
        EXPECT_LT(chunks, kivo::kChunkCrcRefusalBound);
        ASSERT_FALSE(crcs.empty());
        const auto spent = std::chrono::duration_cast<std::chrono::seconds>(bus().clock().now() - crcs.front().at);
        EXPECT_LE(spent.count(), 6 * kivo::kChunkCrcRefusalBound + c.exchangeSeconds + 1);
    }
}

TEST_F(MeshStage, ModuleSearchMakesTwentyAttemptsOneSecondApartAfterFive)
{
    struct Case {
        double appearsAfter;
        bool found;
    };
    // The switch, 5 s, then attempt k at 5 + (k - 1) s: attempt 20 at 24 s.
    for (const Case c : {Case{23.5, true}, Case{24.5, false}}) {
        SCOPED_TRACE(c.appearsAfter);
        bus().reset();
        persona.module->appear_after =
            std::chrono::duration_cast<kivo::Duration>(std::chrono::duration<double>(c.appearsAfter));
        plug();
        useModule(fwfile::pattern(100, 44));
        EXPECT_EQ(runStage(), c.found);
        if (!c.found) {
            EXPECT_EQ(status(), tryAgain("[8]"));
        }
        EXPECT_EQ(moduleCommands().empty(), !c.found);
    }
}

TEST_F(MeshStage, EachFailingStepEndsWithItsTag)
{
    using sim::CommandFault;
    struct Case {
        const char* expected; // "" for a stage that goes on
        std::vector<CommandFault> headsetFaults;
        std::vector<CommandFault> moduleFaults;
        sim::VersionQuad moduleVersion{1, 3, 0, 0};
    };
    const std::string none;
    const Case cases[] = {
        {"[7]", {{0x50, 1}}, {}},
        {"[9]", {}, {{0x05, 1}}},
        {"[10][1]", {}, {{kChunk, 2, CommandFault::WriteFails}}},
        {"[11][1]", {}, {{kChunk, 2}}},
        {"[10]", {}, {{kChunk, 2, CommandFault::WriteFails}}, {1, 0, 2, 0}},
        {"[11]", {}, {{kChunk, 2}}, {1, 0, 2, 0}},
        {"[13]", {}, {{0x07, 1}}},
        {"[14] again", {{0x50, 1, CommandFault::Leaves}}, {}},
        {"[15] again", {}, {{0x07, 1, CommandFault::Leaves}}},
        {"[16]", {}, {{0x08, 1}}},
        {"[17] again", {{0x52, 1, CommandFault::Leaves}}, {}},
        {"[18]", {{0x50, 2}}, {}},
        {"[19] again", {}, {{0x08, 1, CommandFault::Leaves}}},
        {"[17] again", {{0x50, 2, CommandFault::Leaves}}, {}},
        {"", {{0x52, 1}, {0x53, 1}}, {}}, // power hold and release: only traced
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        bus().reset();
        persona.commandFaults = c.headsetFaults;
        persona.module->commandFaults = c.moduleFaults;
        persona.module->version = c.moduleVersion;
        plug();
        useModule(fwfile::pattern(200, 45));
        const std::string expected = c.expected;
        const bool ok = runStage();
        EXPECT_EQ(ok, expected.empty());
        if (expected.empty())
            continue;
        const std::string tag = expected.substr(0, expected.find(' '));
        EXPECT_EQ(status(), expected.find("again") != std::string::npos ? tryAgain(tag) : cannotGetStatus(tag));
        EXPECT_EQ(progress().updateRestoreError, 1);
    }
}

TEST_F(MeshStage, IdentitiesChangeAsTheStageGoes)
{
    plug();
    useModule(fwfile::pattern(100, 46));
    ASSERT_TRUE(runStage()) << status();
    EXPECT_EQ(bus().hid_opens(), (std::vector<uint16_t>{0x3142, 0x3120, 0x3142, 0x3120, 0x3142, 0x3120, 0x3142}));
    EXPECT_EQ(commands(), (std::vector<uint8_t>{0x01, 0x50, 0x52, 0x53, 0x50}));
    EXPECT_EQ(headset.moduleVersion(), (sim::VersionQuad{1, 3, 0, 0})) << "an image without a version marker";
}

TEST_F(MeshStage, ModuleRunsTheVersionOfItsNewImage)
{
    plug();
    const fwfile::Bytes module = withVersion(5000, "1.4.2.3", 47);
    useModule(module);
    ASSERT_TRUE(runStage()) << status();
    EXPECT_EQ(headset.moduleImage(), module);
    EXPECT_EQ(headset.moduleVersion(), (sim::VersionQuad{1, 4, 2, 3}));
}

TEST_F(MeshStage, RefusedBeforeAnythingChanges)
{
    struct Case {
        const char* what;
        FirmwareQuad recorded;
        int blocks;
        int error;
        const char* text;
    };
    const Case cases[] = {
        {"module-01 version not the headset's", {2, 1, 0, 1}, 3, 2, "Not the recognized device"},
        {"no block 2", {2, 1, 0, 0}, 2, 3, "Firmware corrupted"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        plug();
        inputs.data.setDeviceVersion01(c.recorded);
        std::vector<fwfile::Bytes> blocks;
        for (int i = 0; i < c.blocks; ++i)
            blocks.push_back(fwfile::pattern(100, static_cast<uint32_t>(i)));
        useBlocks(blocks);
        EXPECT_FALSE(runStage());
        EXPECT_EQ(progress().updateRestoreError, c.error);
        EXPECT_EQ(status(), std::string("Failed to update firmware. ") + c.text);
        EXPECT_EQ(commands(), std::vector<uint8_t>{0x01}) << "the version read alone";
        EXPECT_TRUE(bus().hid_opens().size() == 1);
    }
}

TEST_F(MeshStage, StartsWhateverWasLeftOpen)
{
    plug();
    useModule(fwfile::pattern(100, 48));
    uint32_t product = 0;
    std::array<char, 64> text{};
    ASSERT_EQ(hid_open_device(product, text), 0) << "a slot still filled when the run starts";
    EXPECT_TRUE(runStage()) << status();
    EXPECT_EQ(progress().updateRestoreError, 1) << "not refused as another device";
}
