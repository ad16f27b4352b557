// The headsets whose mesh module shows up under an identity of its own and is written first, end to
// end against the simulated headset and its module in virtual time: a QCC module over 65-byte
// reports, then the Bluetooth image from the section table (MeshQcc65); an Airoha module's block
// over 62-byte reports, then the Bluetooth blocks of the block table (MeshThenBt32). The product's
// general opener never opens these headsets: they are opened by product.

#include <algorithm>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "tests/update/engine/mesh_fixture.h"
#include "update/engine/hid/hid_image.h"

namespace {

using sim::CommandFault;

constexpr uint8_t kNop = 0x00;
constexpr uint8_t kVersionRead = 0x01;
constexpr uint8_t kErase = 0x05;
constexpr uint8_t kChunk = 0x06;
constexpr uint8_t kVerify = 0x07;
constexpr uint8_t kRunLoader = 0x08;
constexpr uint8_t kResult = 0x0A;
constexpr uint8_t kLastBlock = 0x0E;
constexpr uint8_t kQccSwitch = 0x0F;
constexpr uint8_t kNormalMode = 0x10;
constexpr uint8_t kReadyState = 0x12;
constexpr uint8_t kAirohaSwitch = 0x50;
constexpr uint8_t kVerifyAll = 0x5B;

size_t parts(size_t length, size_t part) { return (length + part - 1) / part; }

std::vector<uint8_t> operator+(std::vector<uint8_t> a, const std::vector<uint8_t>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<uint8_t> times(size_t n, uint8_t command) { return std::vector<uint8_t>(n, command); }

// What each device is sent, worked out apart from the engine. The QCC module: a no-op, erase,
// chunks of 61 bytes (every one 0x06), verify, run loader.
std::vector<uint8_t> qcc_module_commands(size_t length)
{
    return std::vector<uint8_t>{kNop, kErase} + times(parts(length, 61), kChunk) +
        std::vector<uint8_t>{kVerify, kRunLoader};
}
// A Bluetooth image: erase, blocks of 1019 bytes with 0x0E for the last, verify, run loader, result.
std::vector<uint8_t> image_commands(size_t length)
{
    return std::vector<uint8_t>{kErase} + times(parts(length, 1019) - 1, kChunk) +
        std::vector<uint8_t>{kLastBlock, kVerify, kRunLoader, kResult};
}
// The Airoha module's block of type 1: version read, erase, chunks of 58 bytes, verify-all, run
// loader, result.
std::vector<uint8_t> airoha_block_commands(size_t length)
{
    return std::vector<uint8_t>{kVersionRead, kErase} + times(parts(length, 58), kChunk) +
        std::vector<uint8_t>{kVerifyAll, kRunLoader, kResult};
}
// A Bluetooth block: erase, blocks of 1019 bytes (every one 0x06), verify.
std::vector<uint8_t> block_commands(size_t length)
{
    return std::vector<uint8_t>{kErase} + times(parts(length, 1019), kChunk) + std::vector<uint8_t>{kVerify};
}

// The identities opened in turn, each once however often it was opened in a row.
std::vector<uint16_t> identities(std::vector<uint16_t> opens)
{
    opens.erase(std::unique(opens.begin(), opens.end()), opens.end());
    return opens;
}

struct FailingStep {
    std::string status;
    std::function<void(sim::HeadsetPersona&)> arm;
    std::pair<std::string, uint8_t> lastWrite;
    int error = 1;
};

std::function<void(sim::HeadsetPersona&)> headset_fault(CommandFault fault)
{
    return [fault](sim::HeadsetPersona& p) { p.commandFaults = {fault}; };
}

std::function<void(sim::HeadsetPersona&)> module_fault(CommandFault fault)
{
    return [fault](sim::HeadsetPersona& p) { p.module->commandFaults = {fault}; };
}

std::pair<std::string, uint8_t> on_headset(uint8_t command) { return {"headset", command}; }
std::pair<std::string, uint8_t> on_module(uint8_t command) { return {"module", command}; }

} // namespace

class MeshModulePaths : public MeshRunTest {
protected:
    // MeshQcc65: the Bluetooth image in section entry 0, the module in entry 1.
    fwfile::Bytes useSections() { return useFirmware({bluetooth, qccModule}); }
    // MeshThenBt32: two Bluetooth blocks, then the module's block (number 2, type 1).
    fwfile::Bytes useModuleBlocks() { return useBlocks({bluetooth, bluetooth1, airohaModule}, blockFields); }

    // The time from the run's last write to its end.
    kivo::Duration sinceLastWrite() const
    {
        const std::vector<sim::HidWrite>& h = headset.hid().transcript();
        const std::vector<sim::HidWrite>& m = headset.module->hid.front()->transcript();
        const kivo::Duration last =
            std::max(h.empty() ? kivo::Duration{} : h.back().at, m.empty() ? kivo::Duration{} : m.back().at);
        return sim::bus().clock().now() - last;
    }

    // Each case on a fresh bus: the run ends with the case's status and code, its last write the
    // case's, within the link's bounds, the search counts or the reconnect bound.
    void expectEachFailingStep(std::span<const FailingStep> cases, const sim::HeadsetPersona& headset_persona,
                               const std::function<void()>& use_file)
    {
        for (const FailingStep& c : cases) {
            SCOPED_TRACE(c.status);
            bus().reset();
            sim::HeadsetPersona p = headset_persona;
            c.arm(p);
            plugByProduct(p);
            use_file();
            run();
            EXPECT_EQ(status(), c.status);
            EXPECT_EQ(progress().updateRestoreError, c.error);
            EXPECT_EQ(last_write(headset), c.lastWrite);
            EXPECT_LT(virtualSeconds(), kivo::kReconnectPollBound + 120);
        }
    }

    const std::vector<fwfile::BlockFields> blockFields = {{0, 6, {}}, {1, 7, {}}, {2, 1, {2, 1, 0, 0, 0}}};
    const fwfile::Bytes bluetooth = withVersion(2500, "1.6.0.0", 1);
    const fwfile::Bytes bluetooth1 = fwfile::pattern(1100, 2);
    const fwfile::Bytes qccModule = withVersion(300, "1.3.0.0", 3);
    const fwfile::Bytes airohaModule = withVersion(150, "2.1.0.0", 4);
};

TEST_F(MeshModulePaths, MeshQcc65WritesModuleThenBluetoothImage)
{
    struct Case {
        sim::HeadsetPersona persona;
        bool readyState;
        uint16_t module;
    };
    for (const Case& c :
         {Case{sim::mesh_qcc65_headset(), true, 0x6511}, Case{sim::mesh_qcc65_headset_3161(), false, 0x3160}}) {
        SCOPED_TRACE(c.persona.product_id);
        bus().reset();
        // The marker as a fresh page hands it over.
        shared.setAddUpdateProcessed(0);
        changes.clear();
        plugByProduct(c.persona);
        useSections();
        run();

        EXPECT_EQ(progress().updateRestoreError, 0) << status();
        EXPECT_EQ(progress().updateProcessed, 100);
        EXPECT_EQ(status(), "On updating firmware.");
        EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 99}));

        EXPECT_EQ(headset.moduleImage(), qccModule);
        EXPECT_EQ(headset.moduleVersion(), (sim::VersionQuad{1, 3, 0, 0}));
        EXPECT_EQ(headset.image(0), bluetooth);
        EXPECT_EQ(headset.version(), (sim::VersionQuad{1, 6, 0, 0}));
        EXPECT_FALSE(headset.module->present()) << "sent away by the normal mode";

        EXPECT_EQ(moduleCommands(), qcc_module_commands(qccModule.size()));
        for (const sim::Bytes& out : moduleWrites()) {
            EXPECT_EQ(out.size(), 65u);
            EXPECT_EQ(out[2], 0);
        }
        const std::vector<uint8_t> switched =
            c.readyState ? std::vector<uint8_t>{kReadyState, kQccSwitch} : std::vector<uint8_t>{kQccSwitch};
        EXPECT_EQ(commands(), switched + std::vector<uint8_t>{kNormalMode} + image_commands(bluetooth.size()));
        EXPECT_EQ(identities(bus().hid_opens()),
                  (std::vector<uint16_t>{c.persona.product_id, c.module, c.persona.product_id}));
    }
}

TEST_F(MeshModulePaths, QccModuleGoesInChunksOfAtMost61Bytes)
{
    struct Case {
        size_t size;
        std::vector<size_t> chunks;
    };
    for (const Case& c : {Case{122, {61, 61}}, Case{62, {61, 1}}, Case{0, {}}}) {
        SCOPED_TRACE(c.size);
        bus().reset();
        plugByProduct(sim::mesh_qcc65_headset());
        const fwfile::Bytes module = fwfile::pattern(c.size, 5);
        useFirmware({bluetooth, module});
        run();

        EXPECT_EQ(progress().updateRestoreError, 0) << status();
        EXPECT_EQ(headset.moduleImage(), module);
        EXPECT_EQ(moduleCommands(), qcc_module_commands(c.size)) << "erase, then verify, for an empty module";
        std::vector<size_t> chunks;
        for (const sim::Bytes& out : moduleWrites())
            if (out[1] == kChunk)
                chunks.push_back(out[3]);
        EXPECT_EQ(chunks, c.chunks);
    }
}

TEST_F(MeshModulePaths, MeshThenBt32WritesModuleBlockThenBluetoothBlocks)
{
    plugByProduct(sim::mesh_then_bt32_headset());
    useModuleBlocks();
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 89, 99}));

    EXPECT_EQ(headset.moduleAirohaBlocks(), (std::vector<sim::AirohaFace::Block>{{0, airohaModule}}));
    EXPECT_EQ(headset.moduleVersion(), (sim::VersionQuad{2, 1, 0, 0}));
    EXPECT_EQ(moduleCommands(), airoha_block_commands(airohaModule.size())) << "its version read whatever it holds";
    EXPECT_EQ(headset.image(6), bluetooth);
    EXPECT_EQ(headset.image(7), bluetooth1);
    EXPECT_EQ(headset.version(), (sim::VersionQuad{1, 6, 0, 0}));

    // The version identity read, the switch, the blocks, one loader run for block 0, no result.
    const std::vector<uint8_t> switched{kVersionRead, kAirohaSwitch};
    EXPECT_EQ(commands(),
              switched + block_commands(bluetooth.size()) + block_commands(bluetooth1.size()) +
                  std::vector<uint8_t>{kRunLoader});
    std::vector<uint8_t> erased;
    for (const sim::Bytes& out : headset.hid().outputs())
        if (out[1] == kErase)
            erased.push_back(out[2]);
    EXPECT_EQ(erased, (std::vector<uint8_t>{6, 7})) << "as the blocks' types";
    EXPECT_EQ(identities(bus().hid_opens()), (std::vector<uint16_t>{0x3210, 0x3220, 0x3210}));
}

TEST_F(MeshModulePaths, SearchesEndWithinTheirCounts)
{
    using std::chrono::duration_cast;
    using Seconds = std::chrono::duration<double>;
    auto at = [](double seconds) { return duration_cast<kivo::Duration>(Seconds(seconds)); };
    struct Case {
        const char* what;
        bool qcc65;
        std::function<void(sim::HeadsetPersona&)> arm;
        std::string status; // empty: the update goes through
        // From the last write to the end: the first pause and one second after each failed attempt.
        double searched = 0;
    };
    // The switch, 2 s, then attempt k at 2 + (k - 1) s. The QCC module leaves 0.1 s after its run
    // loader, which is followed by 5 s, then try k at 5 + (k - 1) s.
    const Case cases[] = {
        {"QCC module up just before attempt 20", true,
         [&](sim::HeadsetPersona& p) { p.module->appear_after = at(20.5); }, ""},
        {"QCC module up after attempt 20", true, [&](sim::HeadsetPersona& p) { p.module->appear_after = at(21.5); },
         cannotGetStatus("[4]"), 2 + 20},
        {"QCC module back just before try 20", true,
         [&](sim::HeadsetPersona& p) { p.module->backAfterRunLoader = at(23.5); }, ""},
        {"QCC module back after try 20", true, [&](sim::HeadsetPersona& p) { p.module->backAfterRunLoader = at(24.5); },
         cannotGetStatus("[M][5]"), 5 + 20},
        {"Airoha module never up", false, [](sim::HeadsetPersona& p) { p.module->appears = false; }, tryAgain("[8]"),
         2 + 20},
        {"headset gone when its module was switched over", false,
         [](sim::HeadsetPersona& p) {
             p.commandFaults = {{kAirohaSwitch, 1, CommandFault::Leaves}};
         },
         tryAgain("[27]"), 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        sim::HeadsetPersona p = c.qcc65 ? sim::mesh_qcc65_headset() : sim::mesh_then_bt32_headset();
        c.arm(p);
        plugByProduct(p);
        if (c.qcc65)
            useSections();
        else
            useModuleBlocks();
        run();
        if (c.status.empty()) {
            EXPECT_EQ(progress().updateRestoreError, 0) << status();
            continue;
        }
        EXPECT_EQ(status(), c.status);
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_GE(sinceLastWrite(), at(c.searched));
        EXPECT_LT(sinceLastWrite(), at(c.searched + 0.5));
    }
}

TEST_F(MeshModulePaths, HostileContainersSendNothing)
{
    struct Case {
        const char* what;
        bool qcc65;
        // Writes the run's file.
        std::function<void()> use;
    };
    // The loader checks the block table of these products: the section table is spoiled alone.
    auto sections_with = [this](size_t index, size_t field, uint32_t value) {
        return [this, index, field, value] {
            fwfile::Bytes file = useSections();
            fwfile::put_le32(file, fwfile::entry_position(2, false, index) + field, value);
            useFile(file);
        };
    };
    const Case cases[] = {
        {"section entry 0 past the end", true, sections_with(0, FirmwareContainer::kEntryLengthField, 1 << 30)},
        {"section entry 1 past the end", true, sections_with(1, FirmwareContainer::kEntryOffsetField, 0xFFFFFF00)},
        {"section entry 1 not its data", true, sections_with(1, FirmwareContainer::kEntryDigestOffset, 0xDEADBEEF)},
        {"no block 2", false,
         [this] {
             useBlocks({bluetooth, bluetooth1}, {blockFields[0], blockFields[1]});
         }},
        {"Bluetooth block 1 past the end", false,
         [this] {
             fwfile::Bytes file = useModuleBlocks();
             fwfile::put_le32(file, fwfile::entry_position(3, true, 1) + FirmwareContainer::kEntryLengthField, 1 << 30);
             useFile(file);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        plugByProduct(c.qcc65 ? sim::mesh_qcc65_headset() : sim::mesh_then_bt32_headset());
        c.use();
        run();
        EXPECT_EQ(progress().updateRestoreError, 3);
        EXPECT_EQ(status(), "Failed to update firmware. Firmware corrupted");
        // MeshThenBt32 reads the headset's version before the file: a read that changes nothing.
        EXPECT_EQ(commands(), c.qcc65 ? std::vector<uint8_t>{} : std::vector<uint8_t>{kVersionRead});
        EXPECT_TRUE(moduleCommands().empty());
        EXPECT_EQ(bus().hid_opens(), std::vector<uint16_t>{persona.product_id});
    }
}

TEST_F(MeshModulePaths, MeshQcc65EachFailingStepEndsWithItsTagAndNothingAfter)
{
    const std::string not_recognized = "Failed to update firmware. Not the recognized device";
    const FailingStep cases[] = {
        {cannotGetStatus("[01][qm]"), headset_fault({kReadyState, 1}), on_headset(kReadyState)},
        {cannotGetStatus("[02][qm]"), [](sim::HeadsetPersona& p) { p.readiness = 1; }, on_headset(kReadyState)},
        {cannotGetStatus("[1][50]"), headset_fault({kQccSwitch, 1}), on_headset(kQccSwitch)},
        {cannotGetStatus("[4]"), [](sim::HeadsetPersona& p) { p.module->appears = false; }, on_headset(kQccSwitch)},
        // A failed no-op is only traced: the update goes through.
        {"On updating firmware.", module_fault({kNop, 1}), on_headset(kResult), 0},
        {cannotGetStatus("[M][0]"), module_fault({kErase, 1}), on_module(kErase)},
        // The chunk never reached the module.
        {cannotGetStatus("[M][1]"), module_fault({kChunk, 1, CommandFault::WriteFails}), on_module(kErase)},
        // A silent module fails at the link's read bound.
        {cannotGetStatus("[M][2]"), module_fault({kChunk, 2, CommandFault::Silent}), on_module(kChunk)},
        {cannotGetStatus("[M][3]"), module_fault({kVerify, 1}), on_module(kVerify)},
        {cannotGetStatus("[M][4]"), module_fault({kRunLoader, 1}), on_module(kRunLoader)},
        {cannotGetStatus("[M][5]"), [](sim::HeadsetPersona& p) { p.module->backAfterRunLoader = std::nullopt; },
         on_module(kRunLoader)},
        {not_recognized + "[M][6]", headset_fault({kQccSwitch, 1, CommandFault::Leaves}), on_module(kRunLoader), 2},
        {cannotGetStatus("[M][7]"), headset_fault({kNormalMode, 1}), on_headset(kNormalMode)},
        {cannotGetStatus("[B][0]"), headset_fault({kErase, 1}), on_headset(kErase)},
        {cannotGetStatus("[B][1]"), headset_fault({kChunk, 1, CommandFault::WriteFails}), on_headset(kErase)},
        {cannotGetStatus("[B][2]"), headset_fault({kChunk, 1}), on_headset(kChunk)},
        {cannotGetStatus("[B][3]"), headset_fault({kVerify, 1}), on_headset(kVerify)},
        {cannotGetStatus("[B][4]"), headset_fault({kRunLoader, 1}), on_headset(kRunLoader)},
        // Given up at the reconnect bound; the ending finds nothing open.
        {cannotGetStatus("[B][5]"), headset_fault({kRunLoader, 1, CommandFault::Leaves}), on_headset(kRunLoader)},
        {cannotGetStatus("[B][6]"), headset_fault({kResult, 1}), on_headset(kResult)},
    };
    expectEachFailingStep(cases, sim::mesh_qcc65_headset(), [this] { useSections(); });
}

TEST_F(MeshModulePaths, MeshThenBt32EachFailingStepEndsWithItsTagAndNothingAfter)
{
    const FailingStep cases[] = {
        // Unanswered, the version is 1.0.0.0: not the 1.5 recognized.
        {"Failed to update firmware. Not the recognized device",
         [](sim::HeadsetPersona& p) { p.failingCommands = {kVersionRead}; }, on_headset(kVersionRead), 2},
        {cannotGetStatus("[7]"), headset_fault({kAirohaSwitch, 1}), on_headset(kAirohaSwitch)},
        {tryAgain("[8]"), [](sim::HeadsetPersona& p) { p.module->appears = false; }, on_headset(kAirohaSwitch)},
        // The module's table exchanges pass on any status: a silent module fails them.
        {cannotGetStatus("[20][ai][2]"), module_fault({kVersionRead, 1, CommandFault::Silent}),
         on_module(kVersionRead)},
        {cannotGetStatus("[0][ai][2]"), module_fault({kErase, 1, CommandFault::Silent}), on_module(kErase)},
        {cannotGetStatus("[1][ai][2]"), module_fault({kChunk, 2, CommandFault::Silent}), on_module(kChunk)},
        {cannotGetStatus("[1][ai][2]_Write CRC Check Fail"),
         [](sim::HeadsetPersona& p) { p.module->airoha->wrongCrcChunk = 2; }, on_module(kChunk)},
        {cannotGetStatus("[1][ai][2]_Verify All Fail"), module_fault({kVerifyAll, 1}), on_module(kVerifyAll)},
        {cannotGetStatus("[4][ai][2]"), module_fault({kRunLoader, 1, CommandFault::Silent}), on_module(kRunLoader)},
        {cannotGetStatus("[5][ai][2]"), [](sim::HeadsetPersona& p) { p.module->backAfterRunLoader = std::nullopt; },
         on_module(kRunLoader)},
        {cannotGetStatus("[6][ai][2]"), module_fault({kResult, 1, CommandFault::Silent}), on_module(kResult)},
        {tryAgain("[27]"), headset_fault({kAirohaSwitch, 1, CommandFault::Leaves}), on_module(kResult)},
        {cannotGetStatus("[1][50]"), headset_fault({kErase, 1}), on_headset(kErase)},
        {cannotGetStatus("[2]"), headset_fault({kChunk, 1, CommandFault::WriteFails}), on_headset(kErase)},
        {cannotGetStatus("[3]"), headset_fault({kChunk, 1}), on_headset(kChunk)},
        {cannotGetStatus("[4]"), headset_fault({kVerify, 2}), on_headset(kVerify)},
        {cannotGetStatus("[5]"), headset_fault({kRunLoader, 1}), on_headset(kRunLoader)},
        {cannotGetStatus("[6]"), headset_fault({kRunLoader, 1, CommandFault::Leaves}), on_headset(kRunLoader)},
    };
    expectEachFailingStep(cases, sim::mesh_then_bt32_headset(), [this] { useModuleBlocks(); });
}
