#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <thread>
#include <unistd.h>

#include "tests/flasher/boot_peer.h"
#include "tests/flasher/crc_reference.h"
#include "tests/flasher/line_recorder.h"
#include "tests/flasher/run_flasher.h"
#include "tests/flasher/temp_dir.h"

namespace {

using flasher_test::BootPeer;
using flasher_test::Bytes;
using flasher_test::FaultKind;
using flasher_test::FlasherRun;
using flasher_test::PeerConfig;
using flasher_test::PeerState;

constexpr uint32_t kFlash = 0x08000000;
constexpr uint32_t kPage = 1024; // the chip of these tests: 128 pages of 1 KiB

PeerConfig chip(uint16_t product_id = 0x410, Bytes commands = PeerConfig{}.commands)
{
    PeerConfig config;
    config.product_id = product_id;
    config.commands = std::move(commands);
    // A run ends with the chip still in its bootloader: the next run's init byte is refused at once.
    config.init_in_step = flasher_test::InitInStep::Nack;
    return config;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class FlasherRunTest : public ::testing::Test {
protected:
    void start(PeerConfig config = chip()) { peer = std::make_unique<BootPeer>(std::move(config)); }
    FlasherRun run(std::vector<std::string> args)
    {
        args.push_back(peer->device());
        return flasher_test::run_flasher(std::move(args));
    }
    void TearDown() override
    {
        if (peer) {
            EXPECT_EQ(peer->violations(), std::vector<std::string>{});
        }
    }

    flasher_test::TempDir dir;
    std::unique_ptr<BootPeer> peer;
};

TEST_F(FlasherRunTest, RawWriteWithVerifyLandsAtFlashStart)
{
    start();
    const Bytes image = flasher_test::pattern(3000, 1);
    const FlasherRun r = run({"-w", dir.put("image.bin", image), "-v"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(peer->flash(0, image.size()), image);
    EXPECT_EQ(peer->events(), (std::vector<std::string>{"erase 3 pages from 0"}));
    EXPECT_TRUE(contains(r.err, "Chip 0x410 (STM32F10xxx Medium-density), bootloader 3.1\n"));
    EXPECT_TRUE(contains(r.err, "Wrote and verified 3000 bytes at 0x08000000"));
    EXPECT_EQ(peer->host_frames_after(0x31).size(), 12u); // 11 blocks of 256 and one of 184
    EXPECT_EQ(r.out, "");
}

// A HEX image goes to its own address; pages that lie wholly in a gap are neither erased nor
// written, and a raw file that merely begins with ':' is not taken for HEX.
TEST_F(FlasherRunTest, HexWriteTouchesOnlyThePagesHoldingData)
{
    start();
    const Bytes old_flash(0x3000, 0xAA);
    peer->load_flash(0, old_flash);
    const Bytes first = flasher_test::pattern(300, 2);
    const Bytes second = flasher_test::pattern(100, 3);
    const std::string hex = flasher_test::without_trailer(flasher_test::binutils_hex(dir, first, kFlash + 0x400)) +
        flasher_test::binutils_hex(dir, second, kFlash + 0x2000);
    const FlasherRun r = run({"-w", dir.put("image.hex", hex)});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(peer->events(), (std::vector<std::string>{"erase 1 pages from 1", "erase 1 pages from 8"}));
    EXPECT_EQ(peer->flash(0, kPage), Bytes(kPage, 0xAA));
    EXPECT_EQ(peer->flash(0x400, 300), first);
    EXPECT_EQ(peer->flash(0x400 + 300, kPage - 300), Bytes(kPage - 300, 0xFF));
    EXPECT_EQ(peer->flash(0x800, 0x2000 - 0x800), Bytes(0x2000 - 0x800, 0xAA));
    EXPECT_EQ(peer->flash(0x2000, 100), second);
    EXPECT_EQ(peer->host_frames_after(0x31).size(), 4u + 1u); // page 1 whole, then 100 bytes

    Bytes colon_raw = flasher_test::pattern(64, 4);
    colon_raw[0] = ':';
    EXPECT_EQ(run({"-w", dir.put("colon.bin", colon_raw), "-S", "0x08010000"}).status, 0);
    EXPECT_EQ(peer->flash(0x10000, 64), colon_raw);
}

TEST_F(FlasherRunTest, ImagesThatCannotBeWritten)
{
    start();
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> extra;
        std::string message;
    };
    const Case cases[] = {
        {"a broken HEX file",
         dir.put("broken.hex", ":0400000001020304F3\n"),
         {},
         "is not a valid Intel HEX file (use -f to write it as a raw binary image)"},
        {"a HEX base outside flash and RAM",
         flasher_test::binutils_hex(dir, {1, 2, 3, 4}, 0x60000000),
         {},
         "; give -S or -s to say where to write the image"},
        {"an image larger than flash", dir.put("big.bin", Bytes(0x20004, 1)), {}, "lie outside the flash"},
        {"an empty image", dir.put("empty.bin", Bytes{}), {}, "holds no data"},
        {"an unaligned address", dir.put("four.bin", Bytes{1, 2, 3, 4}), {"-S", "0x08000002"}, "not a multiple of 4"},
        {"a missing file", dir.path("missing.bin"), {}, "Error: cannot open"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string file = c.file;
        if (c.file.starts_with(":"))
            file = dir.put("outside.hex", c.file);
        std::vector<std::string> args = {"-w", file};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const FlasherRun r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
    }
    EXPECT_TRUE(peer->events().empty());
    // The broken HEX file is written as raw bytes when asked to.
    EXPECT_EQ(run({"-f", "-w", dir.path("broken.hex")}).status, 0);
    EXPECT_EQ(peer->flash(0, 4), (Bytes{':', '0', '4', '0'}));
}

TEST_F(FlasherRunTest, ReadsToAFileAndToStandardOutput)
{
    start();
    const Bytes flash = flasher_test::pattern(0x2000, 5);
    peer->load_flash(0, flash);
    const std::string out = dir.put("out.bin", "an older file");
    FlasherRun r = run({"-r", out, "-S", "0x08000100:1000"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(flasher_test::read_file(out), Bytes(flash.begin() + 0x100, flash.begin() + 0x100 + 1000));

    r = run({"-r", "-", "-S", "0x08001000:100"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, std::string(flash.begin() + 0x1000, flash.begin() + 0x1000 + 100));

    // From a page to flash end.
    r = run({"-r", dir.path("tail.bin"), "-s", "126"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(flasher_test::read_file(dir.path("tail.bin")).size(), 2u * kPage);

    // A read that fails keeps the older file and leaves no temporary file behind.
    const std::string kept = dir.put("kept.bin", "keep me");
    peer->arm_next(0x11, FaultKind::Nack, 0, 1);
    r = run({"-r", kept, "-n", "0", "-S", "0x08000000:0x400"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "Error: reading 256 bytes at 0x08000100 failed after 0 retries")) << r.err;
    EXPECT_EQ(flasher_test::read_file(kept), (Bytes{'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path("")))
        ++files;
    EXPECT_EQ(files, 3u); // out.bin, tail.bin and kept.bin
}

} // namespace

namespace {

TEST_F(FlasherRunTest, WritesFromAPipe)
{
    start();
    const Bytes image = flasher_test::pattern(1000, 6);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    std::thread writer([&] {
        EXPECT_EQ(::write(fds[1], image.data(), 600), 600);
        EXPECT_EQ(::write(fds[1], image.data() + 600, 400), 400);
        ::close(fds[1]);
    });
    FlasherRun r;
    {
        flasher_test::FdRedirect stdin_from_pipe(0, fds[0]);
        r = run({"-w", "-"});
    }
    writer.join();
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(peer->flash(0, image.size()), image);
}

TEST_F(FlasherRunTest, EraseRangesAndTheWholeFlash)
{
    start();
    struct Case {
        std::vector<std::string> args;
        int status;
        std::vector<std::string> events;
        std::string message;
    };
    const Case cases[] = {
        {{"-o"}, 0, {"mass erase"}, "Erased 128 pages from page 0"},
        {{"-o", "-s", "2", "-e", "3"}, 0, {"erase 3 pages from 2"}, ""},
        {{"-o", "-s", "126"}, 0, {"erase 2 pages from 126"}, ""},
        {{"-o", "-e", "2"}, 0, {"erase 2 pages from 0"}, ""},
        {{"-o", "-S", "0x08000300:0x200"}, 0, {"erase 2 pages from 0"}, ""},
        {{"-o", "-S", "0x0801FC00"}, 0, {"erase 1 pages from 127"}, ""},
        {{"-o", "-s", "127", "-e", "2"}, 1, {}, "Error: pages 127 to 128 run past the last page of flash (127)"},
        {{"-o", "-s", "128"}, 1, {}, "run past the last page of flash (127)"},
        {{"-o", "-e", "0"}, 1, {}, "Error: -e 0 with -o erases nothing"},
        {{"-o", "-S", "0x20000200:4"}, 1, {}, "lie outside the flash"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.size() > 1 ? c.args[1] + " " + c.args[2] : "-o");
        peer->clear_record();
        const FlasherRun r = run(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(peer->events(), c.events);
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
    }

    // The standard erase command erases the whole flash with its global code.
    start(chip(0x410, {0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x43}));
    ASSERT_EQ(run({"-o"}).status, 0);
    EXPECT_EQ(peer->host_frames_after(0x43).back().back(), (Bytes{0xFF, 0x00}));
    EXPECT_EQ(peer->events(), (std::vector<std::string>{"mass erase"}));
}

TEST_F(FlasherRunTest, CrcByCommandAndByReading)
{
    const Bytes flash = flasher_test::pattern(1024, 7);
    char expected[64];
    std::snprintf(expected, sizeof expected, "CRC(0x08000000, 1024) = 0x%08x\n",
                  flasher_test::stm32_crc_reference(flash));
    for (const bool by_command : {true, false}) {
        SCOPED_TRACE(by_command ? "by command" : "by reading");
        PeerConfig config = chip();
        if (by_command)
            config.commands.push_back(0xA1);
        start(config);
        peer->load_flash(0, flash);
        const FlasherRun r = run({"-C", "-S", "0x08000000:1024"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, expected);
        EXPECT_EQ(peer->host_frames_after(0xA1).size(), by_command ? 1u : 0u);
    }
    const FlasherRun r = run({"-C", "-S", "0x08000000:1022"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "Start and end addresses must be 4 byte aligned\n"));
}

TEST_F(FlasherRunTest, GoAndTheExitStep)
{
    const std::string image = dir.put("image.bin", flasher_test::pattern(512, 8));
    start();
    FlasherRun r = run({"-w", image, "-g", "0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(peer->state(), PeerState::Gone);
    EXPECT_EQ(peer->events().back(), "go 0x08000000");

    start();
    r = run({"-w", image, "-R"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(peer->events().back(), "reset: system reset program at 0x20000200");
    EXPECT_EQ(peer->state(), PeerState::WaitingForInit);

    // After a Go the reset through RAM is skipped, but the exit part of -i still runs.
    start();
    {
        flasher_test::LineRecorder lines;
        r = run({"-w", image, "-g", "0x08000000", "-R", "-i", "rts:dtr"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(lines.log.size(), 2u);
        EXPECT_EQ(lines.log.back().bits, TIOCM_RTS | TIOCM_DTR);
    }
    EXPECT_EQ(peer->events().back(), "go 0x08000000");

    // After a failed action there is neither a Go nor an exit step.
    start();
    peer->arm_next(0x31, FaultKind::Nack);
    r = run({"-w", image, "-n", "0", "-g", "0", "-R"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(peer->state(), PeerState::InStep);
    EXPECT_EQ(peer->events(), (std::vector<std::string>{"erase 1 pages from 0"}));
}

TEST_F(FlasherRunTest, DeviceReportAndResume)
{
    start();
    FlasherRun r = run({});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "Chip id:            0x410\n"));
    EXPECT_TRUE(contains(r.out, "Flash:              0x08000000-0x08020000 (128 KiB, 128 pages: 128 x 1 KiB)\n"));
    EXPECT_TRUE(contains(r.out, " erase=0x44 "));
    // The chip is still in its bootloader: -c picks it up without the init byte.
    peer->clear_record();
    r = run({"-c"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(contains(r.err, "p_err"));
    EXPECT_EQ(peer->transcript().front().bytes, (Bytes{0x01, 0xFE}));
}

TEST_F(FlasherRunTest, ProtectionActionsEndTheRunAndAFreshRunFollows)
{
    start();
    FlasherRun r = run({"-u", "-g", "0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.err, "Note: the chip resets after this command; no Go and no exit step follow\n"));
    EXPECT_EQ(peer->events(), (std::vector<std::string>{"reset: after command 0x73"}));

    peer->load_flash(0, {1, 2, 3, 4});
    ASSERT_EQ(run({"-j"}).status, 0);
    EXPECT_TRUE(peer->read_protected());
    r = run({"-r", "-", "-S", "0x08000000:16", "-n", "1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    ASSERT_EQ(run({"-k"}).status, 0);
    EXPECT_FALSE(peer->read_protected());
    EXPECT_EQ(peer->flash(0, 4), Bytes(4, 0xFF));
    EXPECT_EQ(run({}).status, 0);
}

// Lost, refused and silent blocks and a corrupted read-back are all recovered.
TEST_F(FlasherRunTest, RetriesRecoverBlocks)
{
    start();
    const Bytes image = flasher_test::pattern(2048, 9);
    peer->arm_next(0x31, FaultKind::Nack, 0, 1);
    peer->arm_next(0x31, FaultKind::LoseReply, 0, 3);
    peer->arm_next(0x31, FaultKind::Silence, 0, 5);
    peer->arm_next(0x31, FaultKind::Delay, 300, 7); // within the 1 s a block may take
    peer->arm_next(0x11, FaultKind::CorruptByte, 7, 1);
    peer->arm_next(0x11, FaultKind::ShortReply, 100, 4);
    const FlasherRun r = run({"-w", dir.put("image.bin", image), "-v"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(peer->flash(0, image.size()), image);
    EXPECT_EQ(peer->host_frames_after(0x31).size(), 8u + 2u); // the refused and the silent block again
    // Resynchronised after the lost block, the silent one and the short read.
    EXPECT_EQ(peer->host_frames_after(0xFF).size(), 3u);
}

TEST_F(FlasherRunTest, FailuresNameTheAddress)
{
    start();
    const std::string image = dir.put("image.bin", flasher_test::pattern(1024, 10));
    for (int i = 0; i < 3; ++i)
        peer->arm_next(0x31, FaultKind::Nack, 0, i);
    FlasherRun r = run({"-w", image, "-n", "2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(
        r.err, "Error: writing 256 bytes at 0x08000000 failed after 2 retries; the flash may hold a partial image\n"))
        << r.err;

    // Flash that already holds other bytes where -e 0 skips the erase: the read-back differs.
    start();
    peer->load_flash(0x400, {0, 0, 0, 0});
    r = run({"-w", dir.put("ff.bin", Bytes{0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4}), "-e", "0", "-S", "0x08000400", "-v"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "Error: verify failed at 0x08000400")) << r.err;
}

TEST_F(FlasherRunTest, StandardEraseCannotReachPagesAbove255)
{
    start(chip(0x430, {0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x43}));
    const Bytes image = flasher_test::pattern(1024, 11);
    const std::string file = dir.put("image.bin", image);
    FlasherRun r = run({"-w", file, "-S", "0x08080000"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err,
                         "cannot name page 256 (pages above 255); erase the whole flash first with -o, then "
                         "write with -w FILE -e 0 (-e 0 before -S)\n"))
        << r.err;
    EXPECT_TRUE(peer->events().empty());
    EXPECT_TRUE(peer->host_frames_after(0x43).empty());

    ASSERT_EQ(run({"-o"}).status, 0);
    ASSERT_EQ(run({"-w", file, "-e", "0", "-S", "0x08080000"}).status, 0);
    EXPECT_EQ(peer->flash(0x80000, image.size()), image);
}

TEST_F(FlasherRunTest, AnUnknownChipEndsTheRun)
{
    start(chip(0x450));
    const FlasherRun r = run({"-o"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "Unknown/unsupported device (Device ID: 0x450)\n"));
    EXPECT_TRUE(peer->host_frames_after(0x44).empty());
}

// Ctrl-C or SIGTERM in the middle of a write: the run stops, closes the port (restoring the
// terminal's settings) and runs no exit step.
TEST_F(FlasherRunTest, AnInterruptedRunRestoresThePort)
{
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        start();
        const termios before = peer->slave_settings();
        peer->set_command_hook([signal](uint8_t code, int occurrence) {
            if (code == 0x31 && occurrence == 3)
                std::raise(signal);
        });
        const FlasherRun r = run({"-w", dir.put("image.bin", flasher_test::pattern(4096, 12)), "-R"});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.ends_with("Interrupted\n")) << r.err;
        const termios after = peer->slave_settings();
        EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before));
        EXPECT_EQ(after.c_cflag, before.c_cflag);
        EXPECT_EQ(after.c_cc[VTIME], before.c_cc[VTIME]);
        EXPECT_LE(peer->host_frames_after(0x31).size(), 4u);
        EXPECT_EQ(peer->events().back(), "erase 4 pages from 0"); // no reset at exit
    }
}

// A reader that goes away (SIGPIPE) fails the run instead of killing it with the port still raw.
TEST_F(FlasherRunTest, ReadingIntoAClosedPipeFailsCleanly)
{
    start();
    const termios before = peer->slave_settings();
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ::close(fds[0]);
    std::vector<std::string> args = {"kivo-flash", "-r", "-", "-S", "0x08000000:0x400", peer->device()};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int status = 0;
    std::string err;
    {
        flasher_test::FdRedirect stdout_to_pipe(1, fds[1]);
        testing::internal::CaptureStderr();
        status = flasher_run(static_cast<int>(args.size()), argv.data());
        err = testing::internal::GetCapturedStderr();
    }
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(contains(err, "Error: cannot write \"(standard output)\": Broken pipe\n")) << err;
    const termios after = peer->slave_settings();
    EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before));
}

TEST_F(FlasherRunTest, OptionsThatDoNotFitTheRun)
{
    start();
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {{"-e", "4"}, 1, "ERROR: -e has no effect with this action\n"},
        {{"-u", "-s", "3"}, 1, "ERROR: -s has no effect with this action\n"},
        {{"-g", "0", "-S", "0x08000000"}, 1, "ERROR: -S has no effect with this action\n"},
        {{"-e", "0", "-s", "0"}, 0, "Chip 0x410"},
        {{"-b", "128000"},
         1,
         "The serial port takes 1200, 1800, 2400, 4800, 9600, 19200, 38400, 57600, 115200 or 230400 baud\n"
         "Error: cannot open the port"},
        {{"-h"}, 0, "Usage: kivo-flash"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        const FlasherRun r = run(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
    }
}

} // namespace
