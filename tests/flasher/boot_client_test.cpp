#include <gtest/gtest.h>

#include <functional>

#include "flasher/boot_protocol.h"
#include "tests/flasher/boot_peer.h"
#include "tests/flasher/crc_reference.h"
#include "tests/flasher/peer_session.h"
#include "tests/flasher/temp_dir.h"

namespace {

using flasher_test::BootPeer;
using flasher_test::Bytes;
using flasher_test::Fault;
using flasher_test::FaultKind;
using flasher_test::InitInStep;
using flasher_test::PeerConfig;
using flasher_test::PeerSession;
using flasher_test::PeerState;

constexpr uint8_t kInit = flasher_test::kInitCode;

PeerConfig with_commands(Bytes commands, uint16_t product_id = 0x413)
{
    PeerConfig config;
    config.commands = std::move(commands);
    config.product_id = product_id;
    return config;
}

TEST(BootConnect, EveryAnswerToTheInitByte)
{
    struct Case {
        const char* name;
        InitInStep in_step;
        bool already_in_step;
        std::vector<Fault> faults;
        bool send_init;
        bool connects;
        std::string trace;
    };
    const Case cases[] = {
        {"acknowledged", InitInStep::TakeAsCommand, false, {}, true, true, "1.p_err(0), byte(79).\n"},
        {"refused: still in step",
         InitInStep::Nack,
         true,
         {},
         true,
         true,
         "1.p_err(0), byte(1F).\n2.p_err(0), byte(1F).\nWarning: the interface was not closed properly.\n"},
        {"silence, then refused",
         InitInStep::TakeAsCommand,
         true,
         {},
         true,
         true,
         "1.p_err(2), byte(00).\n2.p_err(2), byte(00).\n3.p_err(2), byte(00).\np_err(0), byte(1F).\n"
         "PORT_ERR_OK(0), STM#@_NACK(1F).\n"},
        {"silence, then acknowledged",
         InitInStep::TakeAsCommand,
         false,
         {{kInit, 1, FaultKind::Silence}},
         true,
         true,
         "1.p_err(2), byte(00).\n2.p_err(2), byte(00).\n3.p_err(2), byte(00).\np_err(0), byte(79).\n"
         "PORT_ERR_OK(0), STM#@_NACK(1F).\n"},
        {"silence twice",
         InitInStep::TakeAsCommand,
         false,
         {{kInit, 1, FaultKind::Silence}, {kInit, 2, FaultKind::Silence}},
         true,
         false,
         "1.p_err(2), byte(00).\n2.p_err(2), byte(00).\n3.p_err(2), byte(00).\np_err(2), byte(00).\n"
         "PORT_ERR_OK(0), STM#@_NACK(1F).\nFailed to init device(353).\n"},
        {"resumed without the init byte", InitInStep::TakeAsCommand, true, {}, false, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PeerConfig config;
        config.init_in_step = c.in_step;
        config.option_byte_1 = 0xAA;
        config.option_byte_2 = 0x55;
        BootPeer peer(config);
        if (c.already_in_step)
            peer.set_state(PeerState::InStep);
        for (const Fault& f : c.faults)
            peer.arm(f);
        PeerSession session(peer);
        testing::internal::CaptureStderr();
        const BootConnection* connection = session.connect(c.send_init);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.trace);
        ASSERT_EQ(connection != nullptr, c.connects);
        EXPECT_TRUE(peer.violations().empty());
        if (!c.send_init) {
            EXPECT_EQ(peer.transcript().front().bytes, (Bytes{0x01, 0xFE})); // GVR first, no init byte
        }
        if (connection == nullptr)
            continue;
        EXPECT_EQ(connection->product_id, 0x413);
        EXPECT_STREQ(connection->chip->name, "STM32F40xxx/41xxx");
        EXPECT_EQ(connection->bootloader_version, 0x31);
        EXPECT_EQ(connection->version, 0x31);
        EXPECT_EQ(connection->option_byte_1, 0xAA);
        EXPECT_EQ(connection->option_byte_2, 0x55);
        EXPECT_EQ(connection->commands.erase, 0x44);
        EXPECT_EQ(connection->commands.checksum, STM32_CMD_NONE);
    }
}

TEST(BootConnect, CompetingAndUnknownCodesInTheGetReply)
{
    BootPeer peer(with_commands({0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x32, 0x43, 0x44, 0x05, 0x10}));
    PeerSession session(peer);
    testing::internal::CaptureStderr();
    const BootConnection* connection = session.connect();
    const std::string trace = testing::internal::GetCapturedStderr();
    ASSERT_NE(connection, nullptr);
    EXPECT_NE(trace.find("GET returns unknown commands (0x 5, 0x10)\n"), std::string::npos) << trace;
    EXPECT_EQ(connection->commands.write, 0x32);
    EXPECT_EQ(connection->commands.erase, 0x44);
    EXPECT_EQ(connection->commands.go, 0x21);
    EXPECT_EQ(connection->commands.write_unprotect, STM32_CMD_NONE);
}

TEST(BootConnect, ProductIdRepliesAndUnknownChips)
{
    {
        PeerConfig config;
        config.id_extra = {0xAB};
        BootPeer peer(config);
        PeerSession session(peer);
        testing::internal::CaptureStderr();
        EXPECT_NE(session.connect(), nullptr);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("This bootloader returns 1 extra bytes in PID: ab\n"),
                  std::string::npos);
    }
    {
        PeerConfig config;
        config.product_id = 0x450;
        BootPeer peer(config);
        PeerSession session(peer);
        testing::internal::CaptureStderr();
        EXPECT_EQ(session.connect(), nullptr);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("Unknown/unsupported device (Device ID: 0x450)\n"),
                  std::string::npos);
    }
    {
        PeerConfig config;
        config.commands = {0x00, 0x01, 0x11};
        BootPeer peer(config);
        PeerSession session(peer);
        testing::internal::CaptureStderr();
        EXPECT_EQ(session.connect(), nullptr);
        EXPECT_NE(testing::internal::GetCapturedStderr().find(
                      "Error: bootloader did not returned correct information from GET command\n"),
                  std::string::npos);
    }
}

class PeerTest : public ::testing::Test {
protected:
    explicit PeerTest(PeerConfig config = {})
        : peer(std::move(config))
        , session(peer)
    { }
    void SetUp() override
    {
        testing::internal::CaptureStderr();
        connection = session.connect();
        testing::internal::GetCapturedStderr();
        ASSERT_NE(connection, nullptr);
        peer.clear_record();
    }
    void TearDown() override { EXPECT_TRUE(peer.violations().empty()); }

    BootPeer peer;
    PeerSession session;
    BootConnection* connection = nullptr;
};

TEST_F(PeerTest, ReadAndWriteFramesByteForByte)
{
    const uint32_t ram = peer.chip().ram_start;
    const uint8_t five[5] = {1, 2, 3, 4, 5};
    ASSERT_EQ(stm32_mem_write(connection, ram, five, 5), BOOT_OK);
    const uint8_t check = 0x07 ^ 1 ^ 2 ^ 3 ^ 4 ^ 5 ^ 0xFF ^ 0xFF ^ 0xFF;
    EXPECT_EQ(peer.host_frames_after(0x31),
              (std::vector<std::vector<Bytes>>{
                  {{0x31, 0xCE}, {0x20, 0x00, 0x30, 0x00, 0x10}, {7, 1, 2, 3, 4, 5, 0xFF, 0xFF, 0xFF, check}}}));
    EXPECT_EQ(peer.ram(0, 9), (Bytes{1, 2, 3, 4, 5, 0xFF, 0xFF, 0xFF, 0}));

    const Bytes pattern = flasher_test::pattern(256, 9);
    peer.load_flash(0x100, pattern);
    uint8_t block[256] = {};
    ASSERT_EQ(stm32_mem_read(connection, 0x08000100, block, 256), BOOT_OK);
    EXPECT_EQ(Bytes(block, block + 256), pattern);
    EXPECT_EQ(peer.host_frames_after(0x11),
              (std::vector<std::vector<Bytes>>{{{0x11, 0xEE}, {0x08, 0x00, 0x01, 0x00, 0x09}, {0xFF, 0x00}}}));

    peer.clear_record();
    EXPECT_EQ(stm32_mem_write(connection, ram, five, 0), BOOT_OK);
    EXPECT_EQ(stm32_mem_read(connection, ram, block, 0), BOOT_OK);
    testing::internal::CaptureStderr();
    EXPECT_EQ(stm32_mem_read(connection, ram, block, 257), BOOT_FAILED);
    EXPECT_EQ(stm32_mem_write(connection, ram, pattern.data(), 257), BOOT_FAILED);
    EXPECT_EQ(stm32_mem_write(connection, ram + 2, five, 4), BOOT_FAILED);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: READ length limit at 256 bytes\nError: WRITE address must be 4 byte aligned\n");
    EXPECT_TRUE(peer.transcript().empty());
}

TEST_F(PeerTest, ARefusedCommandAndTheResynchronisationFrame)
{
    peer.arm({0x11, 1, FaultKind::Nack});
    uint8_t block[16];
    testing::internal::CaptureStderr();
    EXPECT_EQ(stm32_mem_read(connection, 0x08000000, block, 16), BOOT_FAILED);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Got NACK from device on command 0x0f\n");
    EXPECT_EQ(connection->last_ack, BOOT_NACK);
    EXPECT_EQ(stm32_resynchronise(connection), 0);
    EXPECT_EQ(stm32_mem_read(connection, 0x08000000, block, 16), BOOT_OK);
}

TEST_F(PeerTest, BusyBytesBeforeAcknowledges)
{
    peer.arm({0x31, 1, FaultKind::Busy, 5});
    peer.arm({0x44, 1, FaultKind::Busy, 3});
    const uint8_t word[4] = {9, 8, 7, 6};
    EXPECT_EQ(stm32_flash_erase(connection, 0, 1), BOOT_OK);
    EXPECT_EQ(stm32_mem_write(connection, 0x08000000, word, 4), BOOT_OK);
    EXPECT_EQ(peer.flash(0, 4), (Bytes{9, 8, 7, 6}));
}

TEST_F(PeerTest, ExtendedEraseFramesAndRefusals)
{
    ASSERT_EQ(stm32_flash_erase(connection, 0, ERASE_MASS), BOOT_OK);
    ASSERT_EQ(stm32_flash_erase(connection, 2, 3), BOOT_OK);
    const std::vector<std::vector<Bytes>> frames = peer.host_frames_after(0x44);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0][1], (Bytes{0xFF, 0xFF, 0x00}));
    EXPECT_EQ(frames[1][1], (Bytes{0x00, 0x02, 0x00, 0x02, 0x00, 0x03, 0x00, 0x04, 0x02 ^ 0x02 ^ 0x03 ^ 0x04}));
    EXPECT_EQ(peer.events(), (std::vector<std::string>{"mass erase", "erase 3 pages from 2"}));

    peer.clear_record();
    EXPECT_EQ(stm32_flash_erase(connection, 5, 0), BOOT_OK);
    testing::internal::CaptureStderr();
    EXPECT_EQ(stm32_flash_erase(connection, 0x10000, 1), BOOT_FAILED);
    EXPECT_EQ(stm32_flash_erase(connection, 0x10000, ERASE_MASS), BOOT_FAILED);
    EXPECT_EQ(stm32_flash_erase(connection, 0xFFF0, 0x20), BOOT_FAILED);
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_NE(messages.find("Error: cannot erase 32 pages from page 65520: page numbers end at 0xFFFF\n"),
              std::string::npos);
    EXPECT_TRUE(peer.transcript().empty());
}

class StandardErase : public PeerTest {
protected:
    StandardErase()
        : PeerTest(with_commands({0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x43}, 0x416))
    { }
};

TEST_F(StandardErase, OneBytePagesAndTheirLimits)
{
    ASSERT_EQ(stm32_flash_erase(connection, 1, 2), BOOT_OK);
    ASSERT_EQ(stm32_flash_erase(connection, 0, 256), BOOT_OK);
    const std::vector<std::vector<Bytes>> frames = peer.host_frames_after(0x43);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0][1], (Bytes{0x01, 0x01, 0x02, 0x01 ^ 0x01 ^ 0x02}));
    EXPECT_EQ(frames[1][1].size(), 255u + 2); // 255 pages, never the count byte 0xFF
    EXPECT_EQ(frames[1][1][0], 254);
    EXPECT_EQ(frames[2][1], (Bytes{0x00, 0xFF, 0xFF}));
    EXPECT_EQ(peer.events(),
              (std::vector<std::string>{"erase 2 pages from 1", "erase 255 pages from 0", "erase 1 pages from 255"}));

    // Page numbers above 255 cannot be named: refused before anything is sent, even in a mass erase
    // of this chip, which erases its 512 pages one by one.
    peer.clear_record();
    testing::internal::CaptureStderr();
    EXPECT_EQ(stm32_flash_erase(connection, 200, 100), BOOT_FAILED);
    EXPECT_EQ(stm32_flash_erase(connection, 0, ERASE_MASS), BOOT_FAILED);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: ERASE command 0x43 cannot name page 299: its page numbers end at 255\n"
              "Error: ERASE command 0x43 cannot name page 511: its page numbers end at 255\n");
    EXPECT_TRUE(peer.transcript().empty());
}

TEST(BootErase, GlobalStandardEraseAndPageByPageMassErase)
{
    {
        BootPeer peer(with_commands({0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x43}));
        PeerSession session(peer);
        testing::internal::CaptureStderr();
        BootConnection* connection = session.connect();
        testing::internal::GetCapturedStderr();
        ASSERT_NE(connection, nullptr);
        peer.clear_record();
        ASSERT_EQ(stm32_flash_erase(connection, 0, ERASE_MASS), BOOT_OK);
        EXPECT_EQ(peer.host_frames_after(0x43), (std::vector<std::vector<Bytes>>{{{0x43, 0xBC}, {0xFF, 0x00}}}));
        EXPECT_EQ(peer.events(), (std::vector<std::string>{"mass erase"}));
    }
    {
        // A chip that cannot mass erase: from the first page asked to the last page of flash.
        BootPeer peer(with_commands({0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x44}, 0x416));
        PeerSession session(peer);
        testing::internal::CaptureStderr();
        BootConnection* connection = session.connect();
        testing::internal::GetCapturedStderr();
        ASSERT_NE(connection, nullptr);
        peer.clear_record();
        ASSERT_EQ(stm32_flash_erase(connection, 3, ERASE_MASS), BOOT_OK);
        EXPECT_EQ(peer.events(), (std::vector<std::string>{"erase 509 pages from 3"}));
        testing::internal::CaptureStderr();
        EXPECT_EQ(stm32_flash_erase(connection, 512, ERASE_MASS), BOOT_FAILED);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: page 512 is past the last page of flash (511)\n");
        EXPECT_TRUE(peer.violations().empty());
    }
    {
        BootPeer peer(with_commands({0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x44}, 0x437));
        PeerSession session(peer);
        testing::internal::CaptureStderr();
        BootConnection* connection = session.connect();
        testing::internal::GetCapturedStderr();
        ASSERT_NE(connection, nullptr);
        peer.clear_record();
        ASSERT_EQ(stm32_flash_erase(connection, 0, 600), BOOT_OK);
        EXPECT_EQ(peer.events(), (std::vector<std::string>{"erase 512 pages from 0", "erase 88 pages from 512"}));
    }
}

TEST_F(PeerTest, ProtectionCommandsAcknowledgeTwiceAndReset)
{
    ASSERT_EQ(stm32_flash_write_unprotect(connection), BOOT_OK);
    EXPECT_EQ(peer.host_frames_after(0x73), (std::vector<std::vector<Bytes>>{{{0x73, 0x8C}}}));
    EXPECT_EQ(peer.state(), PeerState::WaitingForInit);
    EXPECT_EQ(peer.events().back(), "reset: after command 0x73");

    testing::internal::CaptureStderr();
    ASSERT_NE(session.connect(), nullptr);
    testing::internal::GetCapturedStderr();
    connection = session.connection;
    ASSERT_EQ(stm32_flash_readout_protect(connection), BOOT_OK);
    EXPECT_TRUE(peer.read_protected());

    peer.load_flash(0, {1, 2, 3, 4});
    testing::internal::CaptureStderr();
    ASSERT_NE(session.connect(), nullptr);
    testing::internal::GetCapturedStderr();
    connection = session.connection;
    peer.arm({0x92, 1, FaultKind::Nack});
    testing::internal::CaptureStderr();
    EXPECT_EQ(stm32_flash_readout_unprotect(connection), BOOT_FAILED);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Failed to READOUT UNPROTECT\n");
    EXPECT_EQ(stm32_flash_readout_unprotect(connection), BOOT_OK);
    EXPECT_FALSE(peer.read_protected());
    EXPECT_EQ(peer.flash()[0], 0xFF);
}

TEST(BootProtection, CommandsTheBootloaderDoesNotOffer)
{
    BootPeer peer(with_commands({0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x44}));
    PeerSession session(peer);
    testing::internal::CaptureStderr();
    BootConnection* connection = session.connect();
    testing::internal::GetCapturedStderr();
    ASSERT_NE(connection, nullptr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(stm32_flash_write_unprotect(connection), BOOT_NO_COMMAND);
    EXPECT_EQ(stm32_flash_write_protect(connection), BOOT_NO_COMMAND);
    EXPECT_EQ(stm32_flash_readout_unprotect(connection), BOOT_NO_COMMAND);
    EXPECT_EQ(stm32_flash_readout_protect(connection), BOOT_NO_COMMAND);
    uint32_t crc = 0;
    EXPECT_EQ(stm32_crc_by_command(connection, 0x08000000, 4, crc), BOOT_NO_COMMAND);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: WRITE UNPROTECT command not implemented in bootloader.\n"
              "Error: WRITE PROTECT command not implemented in bootloader.\n"
              "Error: READOUT UNPROTECT command not implemented in bootloader.\n"
              "Error: READOUT PROTECT command not implemented in bootloader.\n"
              "Error: CRC command not implemented in bootloader.\n");
}

TEST_F(PeerTest, GoLeavesTheBootloader)
{
    ASSERT_EQ(stm32_jump(connection, 0x08000000), BOOT_OK);
    EXPECT_EQ(peer.host_frames_after(0x21),
              (std::vector<std::vector<Bytes>>{{{0x21, 0xDE}, {0x08, 0x00, 0x00, 0x00, 0x08}}}));
    EXPECT_EQ(peer.events(), (std::vector<std::string>{"go 0x08000000"}));
    EXPECT_EQ(peer.state(), PeerState::Gone);
}

TEST(BootReset, TheProgramRunFromRamMatchesTheChip)
{
    struct Case {
        uint16_t product_id;
        RamProgram program;
        std::string event;
    };
    const Case cases[] = {
        {0x413, kSystemResetProgram, "reset: system reset program at 0x20003000"},
        {0x442, kOptionByteReloadProgram, "reset: option-byte reload program at 0x20001800"},
    };
    for (const Case& c : cases) {
        PeerConfig config;
        config.product_id = c.product_id;
        BootPeer peer(config);
        PeerSession session(peer);
        testing::internal::CaptureStderr();
        BootConnection* connection = session.connect();
        testing::internal::GetCapturedStderr();
        ASSERT_NE(connection, nullptr);
        ASSERT_EQ(stm32_reboot_target(connection), BOOT_OK);
        const uint32_t entry = peer.chip().ram_start + 9;
        Bytes expected = {0x00,
                          0x20,
                          0x00,
                          0x20,
                          static_cast<uint8_t>(entry),
                          static_cast<uint8_t>(entry >> 8),
                          static_cast<uint8_t>(entry >> 16),
                          static_cast<uint8_t>(entry >> 24)};
        expected.insert(expected.end(), c.program.begin(), c.program.end());
        EXPECT_EQ(peer.ram(0, 24), expected);
        EXPECT_EQ(peer.events().back(), c.event);
        EXPECT_EQ(peer.state(), PeerState::WaitingForInit);
    }

    // A chip whose RAM cannot hold the program is not sent it.
    BootConnection small;
    small.chip = stm32_chip_find(0x445);
    testing::internal::CaptureStderr();
    EXPECT_EQ(stm32_reboot_target(&small), BOOT_FAILED);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: the RAM of STM32F04xxx/F070x6 cannot hold the reset program\n");
}

TEST(BootCrc, ByCommandAndByReadingAgreeWithAnIndependentCrc)
{
    const Bytes image = flasher_test::pattern(4096 + 512, 10);
    const uint32_t expected = flasher_test::stm32_crc_reference(Bytes(image.begin() + 512, image.end()));
    for (const bool by_command : {true, false}) {
        SCOPED_TRACE(by_command ? "by command" : "by reading");
        PeerConfig config;
        if (by_command)
            config.commands.push_back(0xA1);
        BootPeer peer(config);
        peer.load_flash(0, image);
        PeerSession session(peer);
        testing::internal::CaptureStderr();
        BootConnection* connection = session.connect();
        testing::internal::GetCapturedStderr();
        ASSERT_NE(connection, nullptr);
        peer.clear_record();
        uint32_t crc = 0;
        testing::internal::CaptureStderr();
        ASSERT_EQ(stm32_flash_crc(connection, 0x08000200, 4096, crc), BOOT_OK);
        const std::string progress = testing::internal::GetCapturedStderr();
        EXPECT_EQ(crc, expected);
        EXPECT_EQ(peer.host_frames_after(0xA1).size(), by_command ? 1u : 0u);
        EXPECT_EQ(peer.host_frames_after(0x11).size(), by_command ? 0u : 16u);
        if (!by_command) {
            EXPECT_NE(progress.find("\rCRC address 0x08000300 (6.25%) "), std::string::npos);
            EXPECT_TRUE(progress.ends_with("\rCRC address 0x08001200 (100.00%) Done.\n"));
        }
        testing::internal::CaptureStderr();
        EXPECT_EQ(stm32_flash_crc(connection, 0x08000202, 4096, crc), BOOT_FAILED);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Start and end addresses must be 4 byte aligned\n");
        if (!by_command) {
            testing::internal::CaptureStderr();
            ASSERT_EQ(stm32_flash_crc(connection, 0x08000000, 0, crc), BOOT_OK);
            EXPECT_EQ(testing::internal::GetCapturedStderr(), "Done.\n");
            EXPECT_EQ(crc, 0xFFFFFFFFu);
        }
        EXPECT_TRUE(peer.violations().empty());
    }
}

} // namespace
