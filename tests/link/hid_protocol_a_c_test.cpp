// Protocols A (1023-byte command, 67-byte status) and C (65 bytes both ways).

#include <cstring>

#include "tests/link/link_fixture.h"

using sim::Bytes;
using sim::HidReply;

namespace {

HidCommandReport settings_write(uint8_t record, std::initializer_list<uint16_t> words)
{
    HidCommandReport report{};
    report[0] = kHidReportId;
    report[1] = COMMAND_WRITE_SETTINGS;
    report[2] = record;
    report[3] = static_cast<uint8_t>(words.size());
    size_t at = 4;
    for (uint16_t w : words) { // host order, as callers fill them before the swap
        std::memcpy(&report[at], &w, 2);
        at += 2;
    }
    return report;
}

sim::HidHandler answer_with_status(uint8_t status)
{
    return [status](const Bytes& out) { return HidReply{{sim::status_report(out[1], status)}, {}}; };
}

} // namespace

class ProtocolA : public LinkTest { };

TEST_F(ProtocolA, SettingsWriteGoesOutAsOneBigEndianReportOf1023Bytes)
{
    auto& headset = open_headset(answer_with_status(0));
    HidCommandReport report = settings_write(0x04, {0x1234, 0xABCD});
    hid_swap_words_a(report);
    HidStatusReport status{};
    capture();
    EXPECT_EQ(hid_command(0, report, status), 1);
    EXPECT_EQ(captured(), "com[4] lsatcom[4] status[0]\n");

    ASSERT_EQ(headset.outputs().size(), 1u);
    Bytes expected(kHidCommandReportSize, 0);
    expected[0] = 0x01;
    expected[1] = 0x04;
    expected[2] = 0x04;
    expected[3] = 2;
    expected[4] = 0x12;
    expected[5] = 0x34;
    expected[6] = 0xAB;
    expected[7] = 0xCD;
    EXPECT_EQ(headset.outputs()[0], expected);
}

TEST_F(ProtocolA, FinalStatusDecidesAfterBusyReports)
{
    struct Case {
        int busy;
        uint8_t final_status;
        int result;
    };
    for (const Case c : {Case{0, 0, 1}, Case{3, 0, 1}, Case{1, 2, 0}, Case{0, 7, 0}}) {
        SCOPED_TRACE(testing::Message() << "busy " << c.busy << " final " << int(c.final_status));
        auto& headset = open_headset(answer_with_status(c.final_status));
        headset.faults.busy_before_final = c.busy;
        HidCommandReport report{};
        report[0] = kHidReportId;
        report[1] = COMMAND_READY_STATE;
        HidStatusReport status{};
        EXPECT_EQ(hid_command(0, report, status), c.result);
        EXPECT_EQ(status[2], c.final_status);
        EXPECT_EQ(headset.outputs().size(), 1u) << "busy answers are read again, never resent";
        hid_close_devices();
    }
}

TEST_F(ProtocolA, StatusReportStaysWithTheCaller)
{
    open_headset([](const Bytes& out) {
        return HidReply{{sim::status_report_words(out[1], 0, {0x0102, 0x0304})}, {}};
    });
    HidCommandReport report{};
    report[0] = kHidReportId;
    report[1] = COMMAND_READ_SETTINGS;
    report[2] = 0x04;
    HidStatusReport status{};
    ASSERT_EQ(hid_command(0, report, status), 1);
    hid_swap_words_b(status);
    EXPECT_EQ(status[4], 2);
    uint16_t words[2];
    std::memcpy(words, &status[5], 4);
    EXPECT_EQ(words[0], 0x0102);
    EXPECT_EQ(words[1], 0x0304);
}

TEST_F(ProtocolA, FailedWriteOrFirstReadFailsWithoutTrace)
{
    auto& headset = open_headset(answer_with_status(0));
    HidCommandReport report{};
    report[0] = kHidReportId;
    HidStatusReport status{};

    headset.faults.fail_writes = 1;
    capture();
    EXPECT_EQ(hid_command(0, report, status), 0);
    headset.faults.fail_reads = 1;
    EXPECT_EQ(hid_command(0, report, status), 0);
    EXPECT_EQ(captured(), "");
    EXPECT_EQ(headset.outputs().size(), 1u);
}

TEST_F(ProtocolA, SilentDeviceFailsWithinTheReportBound)
{
    auto& headset = open_headset(answer_with_status(0));
    headset.faults.silent = true;
    HidCommandReport report{};
    report[0] = kHidReportId;
    HidStatusReport status{};
    EXPECT_EQ(hid_command(0, report, status), 0);
    EXPECT_EQ(virtual_ms(), kHidReportTimeoutMs);
    EXPECT_EQ(hid_wait_status(0), 0);
    EXPECT_EQ(virtual_ms(), 2 * kHidReportTimeoutMs);
}

TEST_F(ProtocolA, AlwaysBusyDeviceFailsWithinTheExchangeBound)
{
    auto& headset = open_headset(answer_with_status(0));
    headset.faults.report_interval = std::chrono::milliseconds(100);
    headset.faults.busy_before_final = 2 * kHidExchangeTimeoutMs / 100;
    HidCommandReport report{};
    report[0] = kHidReportId;
    HidStatusReport status{};
    EXPECT_EQ(hid_command(0, report, status), 0);
    EXPECT_GE(virtual_ms(), kHidExchangeTimeoutMs);
    EXPECT_LT(virtual_ms(), kHidExchangeTimeoutMs + kHidReportTimeoutMs);
}

TEST_F(ProtocolA, SlowAnswerInsideTheBoundSucceeds)
{
    auto& headset = open_headset(answer_with_status(0));
    headset.faults.reply_delay = std::chrono::seconds(20); // a slow flash erase
    HidCommandReport report{};
    report[0] = kHidReportId;
    report[1] = COMMAND_ERASE;
    HidStatusReport status{};
    EXPECT_EQ(hid_command(0, report, status), 1);
    EXPECT_EQ(virtual_ms(), 20'000);
}

TEST_F(ProtocolA, SendAndWaitForTheBlockLoop)
{
    auto& headset = open_headset(answer_with_status(0));
    headset.faults.busy_before_final = 2;
    HidCommandReport block{};
    block[0] = kHidReportId;
    block[1] = COMMAND_WRITE_BLOCK;
    block[2] = 0x03; // 1019 bytes, big-endian
    block[3] = 0xFB;
    EXPECT_EQ(hid_send_report(0, block), 1);
    EXPECT_EQ(hid_wait_status(0), 1);
    EXPECT_EQ(headset.outputs().at(0).size(), kHidCommandReportSize);
}

TEST_F(ProtocolA, EmptySlotFailsWithoutCallingTheLibrary)
{
    HidCommandReport report{};
    HidStatusReport status{};
    HidCommandReport65 report65{};
    HidCommandReport65 status65{};
    EXPECT_EQ(hid_command(0, report, status), 0);
    EXPECT_EQ(hid_command(1, report, status), 0);
    EXPECT_EQ(hid_command(7, report, status), 0);
    EXPECT_EQ(hid_send_report(-1, report), 0);
    EXPECT_EQ(hid_wait_status(1), 0);
    EXPECT_EQ(hid_command65(0, report65, status65), 0);
}

TEST(WordSwaps, SwapTheCountedWordsAndClampTheCount)
{
    struct Case {
        uint8_t count;
        size_t swapped; // words that fit the report
    };
    for (const Case c : {Case{0, 0}, Case{2, 2}, Case{31, 31}, Case{32, 31}, Case{255, 31}}) {
        HidStatusReport status{};
        for (size_t i = 5; i < status.size(); ++i)
            status[i] = static_cast<uint8_t>(i);
        status[4] = c.count;
        HidStatusReport before = status;
        hid_swap_words_b(status);
        for (size_t w = 0; w < 31; ++w) {
            const bool swapped = w < c.swapped;
            EXPECT_EQ(status[5 + 2 * w], before[swapped ? 6 + 2 * w : 5 + 2 * w]) << int(c.count) << " word " << w;
        }
    }

    HidCommandReport report{};
    report[3] = 255;
    report[4] = 0xAA;
    report[5] = 0xBB;
    report[4 + 2 * 254] = 0x11;
    report[5 + 2 * 254] = 0x22;
    hid_swap_words_a(report);
    EXPECT_EQ(report[4], 0xBB);
    EXPECT_EQ(report[4 + 2 * 254], 0x22);
}

class ProtocolC : public LinkTest { };

TEST_F(ProtocolC, SixtyFiveBytesBothWaysAndNoTrace)
{
    auto& module = open_headset([](const Bytes& out) {
        return HidReply{{sim::status_report65(out[1], 0, {0x02, 0x05})}, {}};
    });
    module.faults.busy_before_final = 2;
    HidCommandReport65 report{};
    report[0] = kHidReportId;
    report[1] = COMMAND_GET_VERSION;
    HidCommandReport65 status{};
    capture();
    EXPECT_EQ(hid_command65(0, report, status), 1);
    EXPECT_EQ(captured(), "");
    EXPECT_EQ(status[3], 0x02);
    EXPECT_EQ(status[4], 0x05);
    ASSERT_EQ(module.outputs().size(), 1u);
    EXPECT_EQ(module.outputs()[0].size(), kHidReport65Size);
    EXPECT_EQ(module.outputs()[0][1], COMMAND_GET_VERSION);

    EXPECT_EQ(hid_send_report65(0, report), 1);
    EXPECT_EQ(hid_wait_status65(0), 1);
}

TEST_F(ProtocolC, BusyThenFailureGivesZero)
{
    auto& module = open_headset([](const Bytes& out) { return HidReply{{sim::status_report65(out[1], 2)}, {}}; });
    module.faults.busy_before_final = 1;
    HidCommandReport65 report{};
    report[0] = kHidReportId;
    HidCommandReport65 status{};
    EXPECT_EQ(hid_command65(0, report, status), 0);
}

TEST_F(ProtocolA, CloseDevicesEmptiesBothSlotsAndEndsTheLibrary)
{
    open_headset(answer_with_status(0));
    EXPECT_EQ(bus().open_hid_handles(), 1);
    EXPECT_EQ(hid_close_devices(), 0);
    EXPECT_EQ(bus().open_hid_handles(), 0);
    EXPECT_EQ(hid_close_devices(), 0); // both empty: only the library ends
    EXPECT_EQ(bus().hid_exit_calls(), 2);
}
