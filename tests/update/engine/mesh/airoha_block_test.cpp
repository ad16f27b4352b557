// The Airoha block sequence over 62-byte reports, in both exchanges, against the simulated Airoha
// face in virtual time: the frames and CRCs on the wire, each failing step's tag, and the statuses
// the table exchange must not take on trust.

#include <functional>
#include <string>

#include "tests/update/engine/airoha_fixture.h"
#include "update/engine/mesh/airoha_block.h"

namespace {

using kivo::AirohaExchange;
using sim::CommandFault;

constexpr uint8_t kVersionRead = 0x01;
constexpr uint8_t kErase = 0x05;
constexpr uint8_t kChunk = 0x06;
constexpr uint8_t kRunLoader = 0x08;
constexpr uint8_t kResult = 0x0A;
constexpr uint8_t kVerifyAll = 0x5B;

// A 62-byte report as it must go out: report id 1, payload length 60, command, parameter, data,
// every other byte 0.
sim::Bytes frame(uint8_t command, uint8_t parameter, const sim::Bytes& data = {})
{
    sim::Bytes report(62, 0);
    report[0] = 1;
    report[1] = 60;
    report[2] = command;
    report[3] = parameter;
    std::copy(data.begin(), data.end(), report.begin() + 4);
    return report;
}

sim::Bytes bytes_of(const std::string& text) { return {text.begin(), text.end()}; }

} // namespace

class AirohaBlock : public AirohaRunTest {
protected:
    struct StepCase {
        std::string tag;
        std::function<void(sim::HeadsetPersona&)> arm;
        // Commands that reached the headset: none after the failing one.
        size_t sent;
        bool neverBack = false;
    };

    // One block numbered 7 (type 1, so that the table exchange reads its version too) of three
    // chunks, through the path of the persona's product, once per case.
    void expectStepFailures(const sim::HeadsetPersona& base, const std::vector<StepCase>& cases)
    {
        for (const StepCase& c : cases) {
            SCOPED_TRACE(c.tag);
            bus().reset();
            sim::HeadsetPersona p = base;
            p.airoha.blockVersions[7] = {9, 9, 9, 9, 9};
            if (c.neverBack)
                p.awayAfterRunLoader = std::nullopt;
            c.arm(p);
            plug(p);
            useBlocks({fwfile::pattern(150, 3)}, {{7, 1, {1, 2, 3, 4, 5}}});
            run();
            EXPECT_EQ(status(), cannotGetStatus(c.tag));
            EXPECT_EQ(progress().updateRestoreError, 1);
            EXPECT_EQ(commands().size(), c.sent);
            EXPECT_EQ(bus().open_hid_handles(), 0);
            EXPECT_TRUE(shared.updateFinished());
            if (c.neverBack) {
                EXPECT_GE(virtualSeconds(), kivo::kReconnectPollBound);
                EXPECT_LT(virtualSeconds(), kivo::kReconnectPollBound + 60);
            }
        }
    }
};

TEST_F(AirohaBlock, ChunksAndCrcsAsTheyGoOnTheWire)
{
    // The check value of CRC-16/XMODEM, reckoned by the simulated device apart from the manager: the
    // digits' chunk is answered C3 31 and verified with bytes 5-6 = C3 31.
    const sim::Bytes digits = bytes_of("123456789");
    ASSERT_EQ(sim::device_crc16(digits), 0x31C3);
    struct Case {
        const char* what;
        sim::Bytes data;
        AirohaExchange exchange;
        std::vector<size_t> chunks;
    };
    const Case cases[] = {
        {"the nine digits", digits, AirohaExchange::Table, {9}},
        {"58 bytes", fwfile::pattern(58, 1), AirohaExchange::Table, {58}},
        {"59 bytes, timed", fwfile::pattern(59, 2), AirohaExchange::Timed, {58, 1}},
        {"117 bytes", fwfile::pattern(117, 3), AirohaExchange::Table, {58, 58, 1}},
        {"0 bytes", {}, AirohaExchange::Table, {}},
        {"0 bytes, timed", {}, AirohaExchange::Timed, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        plug(sim::airoha_68_headset());
        kivo::UpdateRun update(inputs, shared, host);
        uint32_t opened = 0;
        std::array<char, 64> text{};
        ASSERT_EQ(hid_open_device(opened, text), 0);
        kivo::ContainerEntry block;
        block.number = 7;
        block.type = 2;
        block.data = c.data;
        const bool timed = c.exchange == AirohaExchange::Timed;
        const kivo::AirohaBlockWrite how{
            c.exchange, timed ? &kivo::kAirohaTimedTags : &kivo::kAirohaTableTags, kivo::kPauseAfterRunLoader, {}};
        ASSERT_TRUE(kivo::write_airoha_block(update, block, how)) << status();
        hid_close_devices();

        // Erase and run loader name the block on the timed exchange only.
        const uint8_t named = timed ? 7 : 0;
        std::vector<sim::Bytes> expected{frame(kErase, named)};
        size_t at = 0;
        for (size_t n : c.chunks) {
            expected.push_back(frame(kChunk, static_cast<uint8_t>(n),
                                     sim::Bytes(c.data.begin() + static_cast<std::ptrdiff_t>(at),
                                                c.data.begin() + static_cast<std::ptrdiff_t>(at + n))));
            at += n;
        }
        const uint16_t crc = sim::device_crc16(c.data);
        expected.push_back(frame(kVerifyAll, 0, {2, static_cast<uint8_t>(crc & 0xFF), static_cast<uint8_t>(crc >> 8)}));
        expected.push_back(frame(kRunLoader, named));
        expected.push_back(frame(kResult, 0));
        EXPECT_EQ(outputs(), expected);
        EXPECT_EQ(headset.airohaBlocks(), (std::vector<sim::AirohaFace::Block>{{named, c.data}}));
    }
}

// The mesh modules come back under an identity of their own, sooner: the caller chooses the device
// looked for and the pause of the reconnect wait.
TEST_F(AirohaBlock, ComesBackThroughTheCallersOpenerAfterTheCallersPause)
{
    plug(sim::airoha_68_headset());
    inputs.opener = [](uint32_t&, std::span<char>, const kivo::ProductFilter&) { return kHidOpenNotFound; };
    kivo::UpdateRun update(inputs, shared, host);
    uint32_t opened = 0;
    std::array<char, 64> text{};
    ASSERT_EQ(hid_open_device(opened, text), 0);
    kivo::ContainerEntry block;
    block.number = 2;
    const fwfile::Bytes data = fwfile::pattern(80, 5);
    block.data = data;
    const kivo::AirohaBlockWrite how{AirohaExchange::Table, &kivo::kAirohaTableTags, 3,
                                     kivo::SoughtDevice{"headset", hid_open_device, {0x6800}}};
    ASSERT_TRUE(kivo::write_airoha_block(update, block, how)) << status();
    hid_close_devices();

    const std::vector<sim::HidWrite>& w = headset.hid().transcript();
    ASSERT_EQ(w.size(), 6u);
    EXPECT_EQ(w[5].bytes[2], kResult);
    EXPECT_GE(w[5].at - w[4].at, std::chrono::seconds(3 + 1)) << "the pause and a poll";
    EXPECT_LT(w[5].at - w[4].at, std::chrono::seconds(6));
}

TEST_F(AirohaBlock, EachStepFailsWithItsTagOnTheTableExchange)
{
    // Sent when nothing fails: version read, erase, three chunks, verify-all, run loader, result.
    expectStepFailures(sim::airoha_68_headset(),
                       {
                           {"[20][ai][7]",
                            [](auto& p) {
                                p.commandFaults = {{kVersionRead, 1, CommandFault::WriteFails}};
                            },
                            0},
                           {"[0][ai][7]",
                            [](auto& p) {
                                p.commandFaults = {{kErase, 1, CommandFault::WriteFails}};
                            },
                            1},
                           {"[1][ai][7]",
                            [](auto& p) {
                                p.commandFaults = {{kChunk, 2, CommandFault::Silent}};
                            },
                            4},
                           {"[1][ai][7]_Write CRC Check Fail", [](auto& p) { p.airoha.wrongCrcChunk = 2; }, 4},
                           {"[1][ai][7]_Verify All Fail", [](auto& p) { p.airoha.verifyStatus = 2; }, 6},
                           {"[4][ai][7]",
                            [](auto& p) {
                                p.commandFaults = {{kRunLoader, 1, CommandFault::WriteFails}};
                            },
                            6},
                           {"[5][ai][7]", [](auto&) {}, 7, true},
                           {"[6][ai][7]",
                            [](auto& p) {
                                p.commandFaults = {{kResult, 1, CommandFault::Silent}};
                            },
                            8},
                       });
}

TEST_F(AirohaBlock, EachStepFailsWithItsTagOnTheTimedExchange)
{
    expectStepFailures(sim::airoha_6a_headset(),
                       {
                           {"[60][vertion][7]",
                            [](auto& p) {
                                p.commandFaults = {{kVersionRead, 1, CommandFault::FinalStatus}};
                            },
                            1},
                           {"[60][erase][7]",
                            [](auto& p) {
                                p.commandFaults = {{kErase, 1, CommandFault::FinalStatus}};
                            },
                            2},
                           {"[60][write][7]",
                            [](auto& p) {
                                p.commandFaults = {{kChunk, 2, CommandFault::WriteFails}};
                            },
                            3},
                           {"[60][read][7]",
                            [](auto& p) {
                                p.commandFaults = {{kChunk, 2, CommandFault::FinalStatus}};
                            },
                            4},
                           {"[60][read][7]",
                            [](auto& p) {
                                p.commandFaults = {{kChunk, 2, CommandFault::Silent}};
                            },
                            4},
                           {"[60][crc][7]_Write CRC Check Fail", [](auto& p) { p.airoha.wrongCrcChunk = 2; }, 4},
                           {"[60][verify][7]_Verify All Fail", [](auto& p) { p.airoha.verifyStatus = 2; }, 6},
                           {"[60][runloader][7]",
                            [](auto& p) {
                                p.commandFaults = {{kRunLoader, 1, CommandFault::FinalStatus}};
                            },
                            7},
                           {"[60][open][7]", [](auto&) {}, 7, true},
                           {"[60][dfu][7]",
                            [](auto& p) {
                                p.commandFaults = {{kResult, 1, CommandFault::FinalStatus}};
                            },
                            8},
                       });
}

// The table exchange takes any status, so the sequence looks at verify-all's itself; erase keeps
// the rule that an answer of the expected length is done.
TEST_F(AirohaBlock, TableExchangeStatuses)
{
    struct Case {
        const char* what;
        std::function<void(sim::HeadsetPersona&)> arm;
        bool written;
    };
    const Case cases[] = {
        {"erase answered with status 3", [](auto& p) { p.airoha.eraseStatus = 3; }, true},
        {"verify-all busy three times, then done", [](auto& p) { p.airoha.verifyBusy = 3; }, true},
        {"verify-all busy, then a bad image",
         [](auto& p) {
             p.airoha.verifyBusy = 2;
             p.airoha.verifyStatus = 2;
         },
         false},
        {"verify-all busy past the link's bound", [](auto& p) { p.airoha.verifyBusy = 400; }, false},
        {"verify-all answered with an unknown status", [](auto& p) { p.airoha.verifyStatus = 0x80; }, false},
        // The value goes to the trace only.
        {"a DFU result value other than 0", [](auto& p) { p.airoha.dfuResult = 7; }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        sim::HeadsetPersona p = sim::airoha_68_headset();
        c.arm(p);
        plug(p);
        // A busy answer a second apart: 400 of them outlast the bound.
        headset.hid().faults.report_interval = std::chrono::seconds(1);
        const fwfile::Bytes data = fwfile::pattern(200, 4);
        useBlocks({data}, {{2, 2, {}}});
        run();
        const std::vector<uint8_t> sent = commands();
        if (c.written) {
            EXPECT_EQ(progress().updateRestoreError, 0) << status();
            EXPECT_EQ(headset.airohaBlocks().back().bytes, data);
        } else {
            EXPECT_EQ(status(), cannotGetStatus("[1][ai][2]_Verify All Fail"));
            EXPECT_EQ(sent.back(), kVerifyAll) << "no run loader after a verify-all that did not pass";
            EXPECT_LT(virtualSeconds(), 300 + 60);
        }
    }
}
