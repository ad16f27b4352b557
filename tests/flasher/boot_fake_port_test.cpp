#include <gtest/gtest.h>

#include <cstdlib>

#include "flasher/boot_protocol.h"
#include "flasher/stop_request.h"
#include "tests/flasher/fake_port.h"

namespace {

using flasher_test::FakePort;
using Bytes = std::vector<uint8_t>;

constexpr int S = FakePort::kSilence;
constexpr int ACK = 0x79;
constexpr int NACK = 0x1F;
constexpr int BUSY = 0x76;

// A connection over a fake port, as if opened, under the virtual clock.
class FakePortTest : public ::testing::Test {
protected:
    FakePortTest() { kivo::install_clock(&clock); }
    ~FakePortTest() override
    {
        kivo::install_clock(nullptr);
        flasher_clear_stop();
    }

    BootConnection connect(FakePort& port, uint16_t product_id = 0x437)
    {
        BootConnection connection;
        connection.port = port.port();
        connection.chip = stm32_chip_find(product_id);
        for (const int code : {0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x44, 0x63, 0x73, 0x82, 0x92})
            boot_command_set_place(connection.commands, static_cast<uint8_t>(code));
        return connection;
    }
    long long now_ms() const { return std::chrono::duration_cast<std::chrono::milliseconds>(clock.now()).count(); }

    sim::VirtualClock clock;
};

// Limits run in milliseconds from the start of the wait: the 1-second write limit allows a second
// 0.5 s read, and BUSY bytes keep the wait going only up to 35 s or the operation's own limit.
TEST_F(FakePortTest, AcknowledgeWaitLimits)
{
    struct Case {
        const char* name;
        uint32_t seconds;
        std::vector<int> script;
        int filler;
        BootResult result;
        long long elapsed_ms;
        const char* message;
    };
    const Case cases[] = {
        {"acknowledge", 0, {ACK}, S, BOOT_OK, 0, ""},
        {"refusal", 0, {NACK}, S, BOOT_NACK, 0, ""},
        {"limit 0: one read time-out", 0, {S, ACK}, S, BOOT_FAILED, 500, "Failed to read ACK byte\n"},
        {"limit 1 s: a second read", 1, {S, ACK}, S, BOOT_OK, 500, ""},
        {"limit 1 s: not a third", 1, {S, S, ACK}, S, BOOT_FAILED, 1000, "Failed to read ACK byte\n"},
        {"busy bytes", 0, {BUSY, BUSY, BUSY, ACK}, S, BOOT_OK, 0, ""},
        {"a stray byte", 0, {0x42}, S, BOOT_FAILED, 0, "Got byte 0x42 instead of ACK\n"},
        {"busy for ever", 1, {}, BUSY, BOOT_FAILED, 35000, "Failed to read ACK byte\n"},
        {"busy for ever, long limit", 60, {}, BUSY, BOOT_FAILED, 60000, "Failed to read ACK byte\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakePort port(clock);
        BootConnection connection = connect(port);
        for (const int b : c.script)
            port.reply({b});
        port.fill_with(c.filler);
        const long long start = now_ms();
        testing::internal::CaptureStderr();
        EXPECT_EQ(stm32_wait_ack(&connection, c.seconds), c.result);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
        EXPECT_LE(std::llabs(now_ms() - start - c.elapsed_ms), 1);
        EXPECT_EQ(connection.last_ack, c.result);
    }
}

TEST_F(FakePortTest, ResynchronisationGivesUpAfter35Seconds)
{
    {
        FakePort port(clock);
        BootConnection connection = connect(port);
        port.reply({S, S, S, NACK});
        EXPECT_EQ(stm32_resynchronise(&connection), 0);
        EXPECT_EQ(now_ms(), 1500);
        EXPECT_EQ(port.written(), (Bytes{0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00}));
    }
    for (const bool writes_fail : {false, true}) {
        FakePort port(clock);
        BootConnection connection = connect(port);
        if (writes_fail)
            port.fail_writes(1000);
        const long long start = now_ms();
        EXPECT_EQ(stm32_resynchronise(&connection), 1);
        EXPECT_LE(std::llabs(now_ms() - start - 35000), 1); // 70 attempts of 0.5 s
        EXPECT_EQ(port.written().size(), writes_fail ? 0u : 140u);
    }
}

// An erase of 600 pages goes in two frames, each with 5 s a page to answer.
TEST_F(FakePortTest, PageEraseLimitsGrowWithTheFrame)
{
    FakePort port(clock);
    BootConnection connection = connect(port);
    port.reply({ACK});
    for (int i = 0; i < 200; ++i)
        port.reply({S}); // 100 s: well inside 512 x 5 s
    port.reply({ACK, ACK});
    testing::internal::CaptureStderr();
    EXPECT_EQ(stm32_flash_erase(&connection, 0, 600), BOOT_FAILED);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Failed to read ACK byte\nPage-by-page erase failed. Check the maximum pages your device supports.\n");
    EXPECT_LE(std::llabs(now_ms() - (100000 + 88 * 5000)), 2);
    const Bytes& written = port.written();
    ASSERT_EQ(written.size(), 2u + (2 * 512 + 3) + 2 + (2 * 88 + 3));
    EXPECT_EQ(Bytes(written.begin() + 2, written.begin() + 4), (Bytes{0x01, 0xFF}));
    EXPECT_EQ(Bytes(written.begin() + 1029, written.begin() + 1033), (Bytes{0x44, 0xBB, 0x00, 0x57}));
}

// A port that is not a byte stream reads a counted reply in one go; a count it did not expect
// takes the resynchronising path.
TEST_F(FakePortTest, CountedReplyOnAPortThatIsNotAByteStream)
{
    const Bytes reply = {3, 0x31, 0x00, 0x01, 0x02};
    {
        FakePort port(clock, FakePort::kSerialFlags & ~PORT_FLAG_BYTEWISE);
        BootConnection connection = connect(port);
        port.reply({ACK});
        port.reply(reply);
        uint8_t buffer[kBootReplyBufferSize] = {};
        EXPECT_EQ(stm32_command_reply(&connection, 0x00, buffer, 3), BOOT_OK);
        EXPECT_EQ(Bytes(buffer, buffer + 5), reply);
    }
    {
        FakePort port(clock, FakePort::kSerialFlags & ~PORT_FLAG_BYTEWISE);
        BootConnection connection = connect(port);
        port.reply({ACK});
        port.reply(reply);
        port.reply({ACK, S}); // 7 bytes of the 19 asked for
        port.reply({NACK, ACK, 3}); // resynchronised, the command again, its count
        port.reply({NACK, ACK}); // resynchronised, the command again
        port.reply(reply);
        uint8_t buffer[kBootReplyBufferSize] = {};
        testing::internal::CaptureStderr();
        EXPECT_EQ(stm32_command_reply(&connection, 0x00, buffer, 17), BOOT_OK);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Re sync (len = 3)\n");
        EXPECT_EQ(Bytes(buffer, buffer + 5), reply);
        EXPECT_EQ(port.written(), (Bytes{0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF}));
        EXPECT_EQ(port.replies_left(), 0u);
    }
}

// There the GET reply is read whole at the count the port's table gives for the GVR version, and
// at 17 for a version the table lacks.
TEST_F(FakePortTest, GetReplyLengthFollowsThePortsTable)
{
    constexpr GetReplyLength kTable[] = {{0x22, 12}, {0x31, 11}};
    struct Case {
        uint8_t version;
        Bytes codes;
    };
    const Case cases[] = {
        {0x31, {0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x44, 0x63, 0x73, 0x82, 0x92}},
        {0x40, {0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x32, 0x43, 0x44, 0x45, 0x63, 0x64, 0x73, 0x74, 0x82, 0x83, 0x92}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codes.size());
        FakePort port(clock, 0);
        port.port()->get_reply_lengths = kTable;
        port.reply({ACK, c.version, ACK});
        port.reply({ACK, static_cast<int>(c.codes.size()), c.version});
        port.reply(c.codes);
        port.reply({ACK, ACK, 1, 0x04, 0x37, ACK});
        testing::internal::CaptureStderr();
        BootConnection* connection = stm32_connect(port.port(), true);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_NE(connection, nullptr);
        EXPECT_EQ(port.replies_left(), 0u);
        stm32_disconnect(connection);
    }
}

TEST_F(FakePortTest, WriteProtectSendsNoSectorList)
{
    FakePort port(clock);
    BootConnection connection = connect(port);
    port.reply({ACK, ACK});
    EXPECT_EQ(stm32_flash_write_protect(&connection), BOOT_OK);
    EXPECT_EQ(port.written(), (Bytes{0x63, 0x9C}));
}

// Ctrl-C inside the longest limit: the wait ends at the next read time-out.
TEST_F(FakePortTest, AStopRequestEndsEveryWait)
{
    FakePort port(clock);
    BootConnection connection = connect(port);
    flasher_request_stop();
    testing::internal::CaptureStderr();
    EXPECT_EQ(stm32_wait_ack(&connection, 2560), BOOT_FAILED);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(now_ms(), 500);
    EXPECT_EQ(stm32_resynchronise(&connection), 1);
    EXPECT_EQ(now_ms(), 500);
}

} // namespace
