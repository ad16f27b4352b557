// Protocol B: 62-byte command reports, answers gathered in chunks from input report id 2.

#include <vector>

#include "tests/link/link_fixture.h"

using sim::Bytes;
using sim::HidReply;

namespace {

// Answers every command with `data_length` data bytes 0x10, 0x11, ...
sim::HidHandler answer_data(size_t data_length, uint8_t status = 0)
{
    return [=](const Bytes& out) {
        Bytes data;
        for (size_t i = 0; i < data_length; ++i)
            data.push_back(static_cast<uint8_t>(0x10 + i));
        return HidReply{{}, {sim::answer(out[2], status, data)}};
    };
}

HidShortCommandReport command(uint8_t code)
{
    HidShortCommandReport report{};
    report[0] = kHidReportId;
    report[2] = code;
    return report;
}

} // namespace

class ProtocolB : public LinkTest { };

TEST_F(ProtocolB, TableExchangeSendsSixtyTwoBytesWithPayloadLength60)
{
    auto& dev = open_headset(answer_data(6));
    HidShortCommandReport report = command(0x02);
    report[3] = 0x77;
    std::vector<uint8_t> answer(62);
    EXPECT_EQ(hid_command_by_table(0, report, answer), 1);
    ASSERT_EQ(dev.outputs().size(), 1u);
    Bytes expected(62, 0);
    expected[0] = 0x01;
    expected[1] = 60;
    expected[2] = 0x02;
    expected[3] = 0x77;
    EXPECT_EQ(dev.outputs()[0], expected);
    EXPECT_EQ(answer[0], 2);
    EXPECT_EQ(answer[1], 8);
    EXPECT_EQ(answer[2], 0x02);
    EXPECT_EQ(answer[3], 0);
    EXPECT_EQ(answer[4], 0x10);
    EXPECT_EQ(answer[9], 0x15);
}

TEST_F(ProtocolB, AnswerSplitInTwoChunksIsConcatenated)
{
    auto& dev = open_headset(answer_data(58)); // 0x03: 60 answer bytes
    dev.faults.chunk_length = 30;
    HidShortCommandReport report = command(0x03);
    std::vector<uint8_t> answer(62);
    EXPECT_EQ(hid_command_by_table(0, report, answer), 1);
    EXPECT_EQ(answer[1], 60);
    EXPECT_EQ(answer[2], 0x03);
    EXPECT_EQ(answer[31], 0x10 + 27); // last byte of the first chunk
    EXPECT_EQ(answer[32], 0x10 + 28); // second chunk starts at byte 32
    EXPECT_EQ(answer[61], 0x10 + 57);
}

TEST_F(ProtocolB, OverlongVersionAnswerIsAskedForAgainAgainstTheLongerEntry)
{
    auto& dev = open_headset(answer_data(8)); // 0x01: 10 bytes, the table first expects 7
    HidShortCommandReport report = command(0x01);
    std::vector<uint8_t> answer(62);
    capture();
    EXPECT_EQ(hid_command_by_table(0, report, answer), 1);
    EXPECT_EQ(captured(), "read input report: rest of data length abnormal(cmd[0x01] data_length[7:10:-3:10])\n");
    ASSERT_EQ(dev.outputs().size(), 2u);
    EXPECT_EQ(dev.outputs()[0], dev.outputs()[1]);
    EXPECT_EQ(answer[1], 10);
}

TEST_F(ProtocolB, TableExchangeFailures)
{
    auto& dev = open_headset(answer_data(0));
    std::vector<uint8_t> answer(62);

    HidShortCommandReport unknown = command(0x70);
    EXPECT_EQ(hid_command_by_table(0, unknown, answer), 0);
    EXPECT_TRUE(dev.outputs().empty()) << "a command without a table entry is never sent";

    dev.faults.extra_answer_bytes = 3; // 0x05 expects 2, has one entry
    HidShortCommandReport erase = command(0x05);
    EXPECT_EQ(hid_command_by_table(0, erase, answer), 0);

    dev.faults = {};
    dev.faults.silent = true;
    capture();
    EXPECT_EQ(hid_command_by_table(0, erase, answer), 0);
    EXPECT_EQ(captured(), "") << "the table exchange times out quietly";
    EXPECT_GE(virtual_ms(), kHidTablePolls);
}

TEST_F(ProtocolB, TableExchangeLeavesStatusAndEchoToTheCaller)
{
    auto& dev = open_headset(answer_data(0, 9));
    dev.faults.wrong_echo = true;
    HidShortCommandReport report = command(0x07);
    std::vector<uint8_t> answer(62);
    EXPECT_EQ(hid_command_by_table(0, report, answer), 1);
    EXPECT_EQ(answer[3], 9);
}

TEST_F(ProtocolB, Command62BusyAnswerIsGatheredAgainWithoutResend)
{
    auto& dev = open_headset(answer_data(4));
    dev.faults.busy_before_final = 1;
    dev.faults.empty_polls = 50;
    HidShortCommandReport report = command(0x5B);
    std::vector<uint8_t> answer(62);
    answer[1] = 6;
    EXPECT_EQ(hid_command62(0, report, answer, 1000), 1);
    EXPECT_EQ(dev.outputs().size(), 1u);
    EXPECT_EQ(dev.outputs()[0][1], 60);
    EXPECT_EQ(answer[3], 0);
    EXPECT_EQ(answer[4], 0x10);
}

TEST_F(ProtocolB, Command62Failures)
{
    struct Case {
        const char* name;
        sim::HidFaults faults;
        int timeout_ms;
        const char* trace;
    };
    sim::HidFaults wrong_id;
    wrong_id.wrong_report_id = 5;
    sim::HidFaults wrong_echo;
    wrong_echo.wrong_echo = true;
    sim::HidFaults silent;
    silent.silent = true;
    sim::HidFaults overlong;
    overlong.extra_answer_bytes = 1;
    const Case cases[] = {
        {"wrong report id", wrong_id, 1000, "Invalid report id 5 \n"},
        {"wrong echo", wrong_echo, 1000,
         "Invalid command (command_report->command: 89, status_response->last_command: 38) \n"},
        {"silent", silent, 1000, "hid read input report timeout(200:200)\n"},
        {"no polls", {}, 4, "hid read input report timeout(0:0)\n"},
        {"overlong", overlong, 1000,
         "read input report: rest of data length abnormal(cmd[0x59] data_length[3:4:-1:4])\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& dev = open_headset(answer_data(1));
        dev.faults = c.faults;
        HidShortCommandReport report = command(0x59);
        std::vector<uint8_t> answer(62);
        answer[1] = 3;
        capture();
        EXPECT_EQ(hid_command62(0, report, answer, c.timeout_ms), 0);
        EXPECT_EQ(captured(), c.trace);
        EXPECT_EQ(dev.outputs().size(), 1u) << "the report goes out before the gathering";
        hid_close_devices();
    }
}

TEST_F(ProtocolB, Command62StatusDecides)
{
    for (const auto& [status, result] : {std::pair{0, 1}, std::pair{3, 0}}) {
        open_headset(answer_data(1, static_cast<uint8_t>(status)));
        HidShortCommandReport report = command(0x59);
        std::vector<uint8_t> answer(62);
        answer[1] = 3;
        EXPECT_EQ(hid_command62(0, report, answer, 100), result) << status;
        hid_close_devices();
    }
}

TEST_F(ProtocolB, ReadResponseGathersWithoutSendingAndDoesNotWaitOutBusy)
{
    auto& dev = open_headset(answer_data(2));
    dev.faults.busy_before_final = 1;
    HidShortCommandReport report = command(0x0A);
    EXPECT_EQ(hid_send_report62(0, report), 1);
    EXPECT_EQ(dev.outputs().at(0)[1], 60);
    std::vector<uint8_t> answer(62);
    answer[1] = 4;
    EXPECT_EQ(hid_read_response(0, answer, 100), 0) << "a busy answer is a failure here";
    answer[1] = 4;
    EXPECT_EQ(hid_read_response(0, answer, 100), 1) << "the final answer follows";
    EXPECT_EQ(dev.outputs().size(), 1u);
}

TEST_F(ProtocolB, HostileChunksNeverWritePastTheAnswer)
{
    // Chunk length bytes beyond a chunk and answers far longer than expected, into an answer of
    // exactly 62 bytes (ASan watches the bounds).
    for (int claimed : {61, 200, 255}) {
        for (int expected : {3, 200}) {
            SCOPED_TRACE(testing::Message() << "claimed " << claimed << " expected " << expected);
            auto& dev = open_headset(answer_data(58));
            dev.faults.chunk_length_byte = claimed;
            dev.faults.extra_answer_bytes = 400;
            HidShortCommandReport report = command(0x03);
            std::vector<uint8_t> answer(62);
            answer[1] = static_cast<uint8_t>(expected);
            EXPECT_EQ(hid_command62(0, report, answer, 1000), 0);
            EXPECT_EQ(answer[2], 0x03);
            hid_close_devices();
        }
        auto& dev = open_headset(answer_data(58));
        dev.faults.chunk_length_byte = claimed;
        HidShortCommandReport report = command(0x03);
        std::vector<uint8_t> answer(62);
        EXPECT_EQ(hid_command_by_table(0, report, answer), 1) << "a clamped chunk of 60 completes 0x03";
        hid_close_devices();
    }
    EXPECT_EQ(hid_read_response(0, std::span<uint8_t>(), 10), 0) << "empty slot";
}

TEST_F(ProtocolB, AnswerBufferShorterThanAReportIsRefused)
{
    open_headset(answer_data(0));
    HidShortCommandReport report = command(0x07);
    std::vector<uint8_t> answer(10);
    EXPECT_EQ(hid_command_by_table(0, report, answer), 0);
    EXPECT_EQ(hid_command62(0, report, answer, 100), 0);
}
