#include <gtest/gtest.h>

#include "flasher/line_sequence.h"
#include "tests/flasher/fake_port.h"
#include "tests/flasher/line_recorder.h"
#include "tests/flasher/pty_pair.h"

namespace {

using flasher_test::LineEvent;
using flasher_test::LineRecorder;

constexpr int RTS = TIOCM_RTS;
constexpr int DTR = TIOCM_DTR;
constexpr int BRK = -1;

// A serial port open on a pseudo-terminal, its lines recorded, under the virtual clock.
class LineSequence : public ::testing::Test {
protected:
    void SetUp() override
    {
        kivo::install_clock(&clock);
        PortOptions options;
        options.device = pty.slave_path();
        ASSERT_EQ(flasher_port_select(options, port), 0);
    }
    void TearDown() override
    {
        port.close(&port);
        kivo::install_clock(nullptr);
    }
    long long now_ms() const { return std::chrono::duration_cast<std::chrono::milliseconds>(clock.now()).count(); }

    sim::VirtualClock clock;
    flasher_test::PtyPair pty;
    FlasherPort port;
    LineRecorder lines{RTS};
};

TEST_F(LineSequence, StepsRunInOrderWithTheirPauses)
{
    const char* text = "-rts,dtr,brk:rts";
    EXPECT_EQ(line_sequence_entry(&port, text), 1);
    EXPECT_EQ(lines.log, (std::vector<LineEvent>{{0, 0}, {100, DTR}, {200, BRK}}));
    EXPECT_EQ(now_ms(), 800); // 100 ms after each step, 500 ms at the end

    EXPECT_EQ(line_sequence_exit(nullptr, &port, text), 1);
    EXPECT_EQ(lines.log.back(), (LineEvent{800, DTR | RTS}));
    EXPECT_EQ(now_ms(), 1400);

    // A released BREAK does nothing but pause.
    lines.log.clear();
    EXPECT_EQ(line_sequence_run(&port, "-brk", 4), 1);
    EXPECT_TRUE(lines.log.empty());
}

TEST_F(LineSequence, MalformedStepsFailWithTheirMessage)
{
    struct Case {
        const char* text;
        const char* message;
        size_t steps_run;
        long long elapsed_ms;
    };
    const Case cases[] = {
        {"rts,,dtr", "Character ',' is not a digit\n", 1, 600},
        {"3", "GPIO control not available on this system\n", 0, 600},
        {"-2,dtr", "GPIO control not available on this system\n", 0, 600},
        {"rtsdtr", "Character 'd' is not a separator\n", 0, 500},
        {"rts,x", "Character 'x' is not a digit\n", 1, 600},
        {"RTS", "Character 'R' is not a digit\n", 0, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        lines.log.clear();
        const long long start = now_ms();
        testing::internal::CaptureStderr();
        EXPECT_EQ(line_sequence_entry(&port, c.text), 0);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
        EXPECT_EQ(lines.log.size(), c.steps_run);
        EXPECT_EQ(now_ms() - start, c.elapsed_ms);
    }
}

TEST_F(LineSequence, EntryAndExitPartsOfTheText)
{
    // Nothing before the colon: the entry does nothing at all.
    EXPECT_EQ(line_sequence_entry(&port, ":rts"), 1);
    EXPECT_EQ(line_sequence_entry(&port, nullptr), 1);
    // A colon with nothing after it: the exit does nothing at all.
    EXPECT_EQ(line_sequence_exit(nullptr, &port, "-rts,dtr:"), 1);
    EXPECT_TRUE(lines.log.empty());
    EXPECT_EQ(now_ms(), 0);
}

// Without an exit part the chip is reset through the program run from RAM.
TEST(LineSequenceExit, NoColonOrNoTextResetsThroughRam)
{
    sim::VirtualClock clock;
    kivo::install_clock(&clock);
    for (const char* text : {static_cast<const char*>(nullptr), "-rts,dtr"}) {
        flasher_test::FakePort fake(clock);
        BootConnection connection;
        connection.port = fake.port();
        connection.chip = stm32_chip_find(0x413);
        connection.commands.write = 0x31;
        connection.commands.go = 0x21;
        fake.reply({0x79, 0x79, 0x79, 0x79, 0x79});
        EXPECT_EQ(line_sequence_exit(&connection, fake.port(), text), 1);
        ASSERT_EQ(fake.written().size(), 2u + 5 + 26 + 2 + 5);
        EXPECT_EQ(fake.written()[0], 0x31);
        EXPECT_EQ(fake.written()[33], 0x21);
        EXPECT_EQ(fake.replies_left(), 0u);
    }
    kivo::install_clock(nullptr);
}

} // namespace
