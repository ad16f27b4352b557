// The camera-mesh headsets' whole update: the camera image onto the camera's card (the camera
// products), the mesh module, the iM501 voice chip through the module, the Bluetooth blocks and the
// unit language, against the simulated headset with its module, camera and card, in virtual time.

#include "tests/update/engine/paths/camera_mesh_fixture.h"

TEST_F(CameraMeshBt, UpdatesModuleIm501AndBluetoothBlocksEndToEnd)
{
    plugAs(0x3132);
    useImages();
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 89, 99}));
    EXPECT_EQ(headset.moduleImage(), module);
    EXPECT_EQ(headset.moduleVersion(), (sim::VersionQuad{1, 4, 0, 0}));
    EXPECT_EQ(headset.im501Image(), im501);
    EXPECT_EQ(headset.image(6), bluetooth0);
    EXPECT_EQ(headset.image(7), bluetooth1);
    EXPECT_EQ(headset.version(), (sim::VersionQuad{1, 3, 0, 0}));

    // The iM501 after the module is back: erase, 58 + 58 + 14 bytes each with its CRC, the all-CRC
    // of the whole image, the final check.
    EXPECT_EQ(
        im501Commands(),
        (std::vector<uint8_t>{kErase, kChunk, kChunkCrc, kChunk, kChunkCrc, kChunk, kChunkCrc, kAllCrc, kFinalCheck}));
    const std::vector<sim::Bytes> writes = im501Writes();
    EXPECT_EQ(writes[7][3], 2);
    EXPECT_EQ(writes[7][4] | writes[7][5] << 8, kivo::crc16_xmodem(im501));
    const std::vector<uint8_t> module_sent = moduleCommands();
    EXPECT_EQ(count(module_sent, kRunLoader), 1) << "the module's own run loader before the iM501";
    EXPECT_EQ(count(module_sent, kErase), 2);

    // The headset: the module stage, the Bluetooth blocks, the unit language; no raw language
    // command, no mount status.
    const std::vector<uint8_t> sent = commands();
    EXPECT_EQ(sent,
              (std::vector<uint8_t>{0x01, 0x50, 0x52, 0x53, 0x50, kErase, kChunk, kChunk, kChunk, kVerify, kErase,
                                    kChunk, kChunk, kVerify, kRunLoader, kReadRecord, kWriteRecord}));
    EXPECT_EQ(sim::writes_of(headset.hid(), kErase)[0].bytes[2], 6);
    EXPECT_EQ(sim::writes_of(headset.hid(), kErase)[1].bytes[2], 7);
    EXPECT_EQ(headset.record(0x04), (std::vector<uint16_t>{0x1D21, 0x0183, 0x0000, 0x0004})) << "German";
}

TEST_F(CameraMeshBt, AllEntriesProductWritesEveryEntryInTableOrder)
{
    plugAs(0x3148);
    const fwfile::Bytes extra = fwfile::pattern(500, 5);
    useBlocks({bluetooth0, bluetooth1, module, im501, extra});
    run();

    ASSERT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(headset.moduleImage(), module);
    EXPECT_EQ(headset.im501Image(), im501);
    const std::vector<sim::HidWrite> erases = sim::writes_of(headset.hid(), kErase);
    ASSERT_EQ(erases.size(), 5u);
    for (uint8_t i = 0; i < 5; ++i)
        EXPECT_EQ(erases[i].bytes[2], 6 + i);
    EXPECT_EQ(headset.image(8), module);
    EXPECT_EQ(headset.image(9), im501);
    EXPECT_EQ(headset.image(10), extra);
    // The mount status once, after the verify of block 1.
    const std::vector<uint8_t> sent = commands();
    ASSERT_EQ(count(sent, kMountStatus), 1);
    const auto mount = std::find(sent.begin(), sent.end(), kMountStatus);
    EXPECT_EQ(*(mount - 1), kVerify);
    EXPECT_EQ(count({sent.begin(), mount}, kErase), 2);
}

TEST_F(CameraMeshBt, VoicePromptBlockWrittenAgainWhileTheyDoNotMount)
{
    struct Case {
        const char* what;
        int failures;
        uint8_t byte3;
        std::vector<sim::CommandFault> faults;
        long block1Writes;
        const char* tag; // nullptr: the run goes on to 100
    };
    const Case cases[] = {
        {"mounted at once", 0, 1, {}, 1, nullptr},
        {"two refusals", 2, 1, {}, 3, nullptr},
        {"three refusals, the last rewrite", 3, 1, {}, 4, nullptr},
        {"a fourth refusal ends at the bound", 10, 1, {}, 4, "[4]"},
        {"a failed answer with byte 3 = 0 goes on", 10, 0, {}, 1, nullptr},
        // The second exchange never reaches the headset: the answer read is a cleared one.
        {"a write that fails goes on", 10, 1, {{kMountStatus, 2, sim::CommandFault::WriteFails}}, 2, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        persona.mountStatusFailures = c.failures;
        persona.mountStatusByte = c.byte3;
        persona.commandFaults = c.faults;
        plugAs(0x3148);
        useImages();
        run();

        const std::vector<sim::HidWrite> erases = sim::writes_of(headset.hid(), kErase);
        const long block1 =
            std::count_if(erases.begin(), erases.end(), [](const sim::HidWrite& w) { return w.bytes[2] == 7; });
        EXPECT_EQ(block1, c.block1Writes);
        EXPECT_EQ(headset.image(7), bluetooth1) << "each rewrite starts from its erase";
        if (c.tag == nullptr) {
            EXPECT_EQ(progress().updateProcessed, 100) << status();
            EXPECT_EQ(headset.image(9), im501) << "the entries after it follow";
        } else {
            EXPECT_EQ(status(), cannotGetStatus(c.tag));
            EXPECT_EQ(progress().updateRestoreError, 1);
            EXPECT_EQ(commands().back(), kMountStatus) << "nothing after the last refusal";
        }
    }
}

TEST_F(CameraMeshBt, Im501FailuresEndWithTheirTagAfterTheBluetoothBlocksAndLanguage)
{
    using sim::CommandFault;
    struct Case {
        const char* what;
        std::vector<CommandFault> faults;
        uint8_t finalCheck;
        long passes; // all-CRC commands of the iM501
        bool written;
    };
    std::vector<CommandFault> six_refused;
    // The module's own write takes the first all-CRC.
    for (int i = 2; i <= 7; ++i)
        six_refused.push_back({kAllCrc, i});
    const Case cases[] = {
        {"clean", {}, 1, 1, true},
        {"the erase fails", {{kErase, 2}}, 1, 1, false},
        {"six refused passes", six_refused, 1, 6, false},
        {"the final check answers failed", {}, 0, 1, false},
        {"the final check exchange fails", {{kFinalCheck, 1}}, 1, 1, false},
        // The module's own image took seven chunks. It holds the iM501 chunk before the failed one
        // and accepts its all-CRC: the passes end, with part of the image written.
        {"a chunk write fails", {{kChunk, 7 + 2, CommandFault::WriteFails}}, 1, 1, false},
        {"a refused pass, then a whole one", {{kAllCrc, 2}}, 1, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        persona.module->commandFaults = c.faults;
        persona.module->im501FinalCheck = c.finalCheck;
        plugAs(0x3132);
        useImages();
        run();

        const std::vector<uint8_t> im501_sent = im501Commands();
        EXPECT_EQ(count(im501_sent, kAllCrc), c.passes);
        EXPECT_EQ(im501_sent.back(), kFinalCheck) << "the final check is sent in every case";
        EXPECT_EQ(headset.image(6), bluetooth0);
        EXPECT_EQ(headset.image(7), bluetooth1);
        EXPECT_EQ(commands().back(), kWriteRecord) << "the language follows";
        EXPECT_EQ(markers().back(), c.written ? 99 : 89);
        if (c.written) {
            EXPECT_EQ(progress().updateProcessed, 100) << status();
            EXPECT_EQ(headset.im501Image(), im501);
        } else {
            EXPECT_EQ(status(), cannotGetStatus("[28]"));
            EXPECT_EQ(progress().updateRestoreError, 1);
            EXPECT_LT(progress().updateProcessed, 100);
        }
    }
}

// The iM501 passes end in clock time as well as by their count: a module whose iM501 chunks and
// all-CRCs wait out their bounds for good (silent 30 s, busy 300 s) gives up the passes once the
// failed exchanges have taken more than a pass's eight seconds, after the first chunk; one whose
// chunks answer slowly but in time (a busy answer, then the status a second later), refusing every
// all-CRC at once, gets all six passes. The final check and the rest of the run follow either way.
TEST_F(CameraMeshBt, Im501PassesEndInClockTimeAsWellAsByCount)
{
    using namespace std::chrono_literals;
    using sim::CommandFault;
    // The module's own image took seven chunks, seven chunk CRCs and one all-CRC.
    const auto from = [](CommandFault fault, int occurrence) {
        fault.occurrence = occurrence;
        return fault;
    };
    const CommandFault slow{0, 8, CommandFault::Busy, 0, 1, true};
    struct Case {
        const char* what;
        std::vector<CommandFault> faults;
        long passes; // all-CRC commands of the iM501
        long chunks; // its chunk writes
    };
    const Case cases[] = {
        {"silent for good", {from(silent_for_good(kChunk), 8), from(silent_for_good(kAllCrc), 2)}, 0, 1},
        {"busy for good", {from(busy_for_good(kChunk), 8), from(busy_for_good(kAllCrc), 2)}, 0, 1},
        // Three chunks a pass (58, 58, 14 bytes).
        {"slow chunks, every all-CRC refused",
         {{kChunk, slow.occurrence, slow.kind, 0, slow.busy, true},
          {kChunkCrc, slow.occurrence, slow.kind, 0, slow.busy, true},
          {kAllCrc, 2, CommandFault::FinalStatus, 2, 0, true}},
         6,
         6 * 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        persona.module->commandFaults = c.faults;
        // On the bus for as long as the slow exchanges take.
        persona.module->stays = 2h;
        plugAs(0x3132);
        headset.module->hid.front()->faults.report_interval = 1s;
        useImages();
        run();
        const std::vector<uint8_t> im501_sent = im501Commands();
        EXPECT_EQ(count(im501_sent, kAllCrc), c.passes);
        EXPECT_EQ(count(im501_sent, kChunk), c.chunks);
        EXPECT_EQ(im501_sent.back(), kFinalCheck) << "the final check is sent in every case";
        EXPECT_EQ(headset.image(6), bluetooth0) << "the Bluetooth blocks follow";
        EXPECT_EQ(status(), cannotGetStatus("[28]"));
    }
}

TEST_F(CameraMeshBt, RefusedIm501ChunkStartsThePassAgainFromTheFirstChunk)
{
    // The second chunk's CRC refused (the module's own image took seven): its pass stops there, the
    // module refuses that pass's all-CRC, and the next pass starts at the first chunk.
    persona.module->commandFaults = {{kChunkCrc, 7 + 2}};
    plugAs(0x3132);
    useImages();
    run();

    ASSERT_EQ(progress().updateProcessed, 100) << status();
    EXPECT_EQ(headset.im501Image(), im501);
    EXPECT_EQ(im501Commands(),
              (std::vector<uint8_t>{kErase, kChunk, kChunkCrc, kChunk, kChunkCrc, kAllCrc, kChunk, kChunkCrc, kChunk,
                                    kChunkCrc, kChunk, kChunkCrc, kAllCrc, kFinalCheck}));
    std::vector<sim::Bytes> chunks;
    for (const sim::Bytes& w : im501Writes())
        if (w[1] == kChunk)
            chunks.push_back(chunk_data(w));
    ASSERT_EQ(chunks.size(), 5u);
    EXPECT_EQ(chunks[2], chunks[0]);
    EXPECT_EQ(chunks[3], chunks[1]);
    const std::vector<sim::Bytes> writes = im501Writes();
    EXPECT_EQ(writes[5][4] | writes[5][5] << 8, kivo::crc16_xmodem(chunks[0])) << "the all-CRC of the accepted chunk";
}

TEST_F(CameraMeshBt, UnitLanguageByProduct)
{
    struct Case {
        uint16_t product;
        int code; // -1: no record request at all
    };
    // "Polish" has a code only in the second table.
    inputs.strLanguageFirmware = "Polish";
    for (const Case c : {Case{0x3320, 4}, Case{0x3132, 0}, Case{0x3170, -1}, Case{0x3260, -1}}) {
        SCOPED_TRACE(c.product);
        bus().reset();
        plugAs(c.product);
        useImages();
        run();
        ASSERT_EQ(progress().updateProcessed, 100) << status();
        const std::vector<sim::HidWrite> reads = sim::writes_of(headset.hid(), kReadRecord);
        const std::vector<sim::Bytes> writes = sim::settings_writes(headset.hid());
        if (c.code < 0) {
            EXPECT_TRUE(reads.empty());
            EXPECT_TRUE(writes.empty());
            continue;
        }
        ASSERT_EQ(reads.size(), 1u);
        EXPECT_EQ(sim::Bytes(reads[0].bytes.begin(), reads[0].bytes.begin() + 4), (sim::Bytes{1, kReadRecord, 4, 0}));
        ASSERT_EQ(writes.size(), 1u);
        EXPECT_EQ(
            sim::Bytes(writes[0].begin(), writes[0].begin() + 13),
            (sim::Bytes{1, kWriteRecord, 4, 4, 0x1D, 0x21, 0x01, 0x83, 0, 0, 0, static_cast<uint8_t>(c.code), 0}));
        EXPECT_EQ(count(commands(), 0x59), 0) << "no raw language command";
    }
}

TEST_F(CameraMeshBt, EachFailingStepEndsWithItsTagAndNothingAfter)
{
    using sim::CommandFault;
    struct Case {
        const char* expected;
        std::vector<CommandFault> headsetFaults;
        std::vector<CommandFault> moduleFaults;
        std::function<void(sim::HeadsetPersona&)> more = {};
    };
    // The headset gets 0x01, 0x50, 0x52, 0x53, 0x50 before its Bluetooth blocks.
    const Case cases[] = {
        {"[7]", {{0x50, 1}}, {}},
        {"[8] again", {}, {}, [](sim::HeadsetPersona& p) { p.module->appears = false; }},
        {"[9]", {}, {{kErase, 1}}},
        {"[10][1]", {}, {{kChunk, 2, CommandFault::WriteFails}}},
        {"[11][1]", {}, {{kChunk, 2}}},
        {"[12] every chunk CRC refused",
         {},
         {},
         [](sim::HeadsetPersona& p) { p.module->failingCommands = {kChunkCrc}; }},
        {"[12] every all-CRC refused", {}, {}, [](sim::HeadsetPersona& p) { p.module->failingCommands = {kAllCrc}; }},
        {"[13]", {}, {{kVerify, 1}}},
        {"[14] again", {{0x50, 1, CommandFault::Leaves}}, {}},
        {"[15] again", {}, {{kVerify, 1, CommandFault::Leaves}}},
        {"[16]", {}, {{kRunLoader, 1}}},
        {"[17] again", {{0x52, 1, CommandFault::Leaves}}, {}},
        {"[18]", {{0x50, 2}}, {}},
        {"[19] again", {}, {{kRunLoader, 1, CommandFault::Leaves}}},
        {"[27] again", {{0x50, 2, CommandFault::Leaves}}, {}},
        {"[1][50]", {{kErase, 1}}, {}},
        {"[2]", {{kChunk, 2, CommandFault::WriteFails}}, {}},
        {"[3]", {{kChunk, 3}}, {}},
        {"[4]", {{kVerify, 2}}, {}},
        {"[5]", {{kRunLoader, 1}}, {}},
        {"[6] the headset never back", {}, {}, [](sim::HeadsetPersona& p) { p.awayAfterRunLoader = std::nullopt; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        bus().reset();
        persona = sim::camera_mesh_headset();
        persona.commandFaults = c.headsetFaults;
        persona.module->commandFaults = c.moduleFaults;
        if (c.more)
            c.more(persona);
        plugAs(0x3132);
        useImages();
        run();

        const std::string expected = c.expected;
        const std::string tag = expected.substr(0, expected.find(' '));
        EXPECT_EQ(status(), expected.find("again") != std::string::npos ? tryAgain(tag) : cannotGetStatus(tag));
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_EQ(count(commands(), kReadRecord), 0) << "no language after a failure";
        const std::vector<uint8_t> module_sent = moduleCommands();
        const bool bluetooth_stage =
            tag == "[1][50]" || tag == "[2]" || tag == "[3]" || tag == "[4]" || tag == "[5]" || tag == "[6]";
        EXPECT_EQ(count(module_sent, kFinalCheck), bluetooth_stage || tag == "[27]" ? 1 : 0)
            << "the iM501 only after the whole mesh stage";
        if (tag == "[6]") {
            // The pause, then polls a second apart up to the bound, after the run loader.
            const long long waited = virtualSeconds() -
                std::chrono::duration_cast<std::chrono::seconds>(sim::writes_of(headset.hid(), kRunLoader).back().at)
                    .count();
            EXPECT_GE(waited, kivo::kPauseAfterBluetoothBlocks + kivo::kReconnectPollBound);
            EXPECT_LT(waited, kivo::kPauseAfterBluetoothBlocks + kivo::kReconnectPollBound + 60);
            EXPECT_EQ(commands().back(), kRunLoader);
        }
    }
}

TEST_F(CameraMeshBt, HostileContainersSendNothing)
{
    struct Case {
        const char* what;
        uint16_t product;
        int blocks;
        std::function<void(fwfile::Bytes&)> spoil;
    };
    auto past_the_end = [](int count, int entry) {
        return [count, entry](fwfile::Bytes& file) {
            fwfile::put_le32(file, fwfile::entry_position(count, true, entry) + FirmwareContainer::kEntryLengthField,
                             1 << 30);
        };
    };
    const Case cases[] = {
        {"no iM501 entry", 0x3132, 3, [](fwfile::Bytes&) {}},
        {"the iM501 past the end", 0x3132, 4, past_the_end(4, 3)},
        {"a Bluetooth block past the end", 0x3132, 4, past_the_end(4, 1)},
        {"a fifth entry past the end, every entry written", 0x3148, 5, past_the_end(5, 4)},
        {"a count of 0", 0x3148, 0, [](fwfile::Bytes&) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        plugAs(c.product);
        useSpoiledBlocks(c.blocks, c.spoil, 300, 30);
        run();
        expectCorruptedBeforeAnyChange();
    }
}

TEST_F(CameraMeshBt, OtherDeviceIsRefusedBeforeAnyCommandThatChangesIt)
{
    plugAs(0x3132);
    inputs.data.setDeviceVersion01({1, 2, 0, 1});
    useImages();
    run();
    EXPECT_EQ(progress().updateRestoreError, 2);
    EXPECT_EQ(status(), "Failed to update firmware. Not the recognized device");
    EXPECT_EQ(commands(), std::vector<uint8_t>{0x01});
}
