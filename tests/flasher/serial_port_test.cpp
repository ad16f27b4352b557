#include <gtest/gtest.h>

#include <cstring>
#include <unistd.h>

#include "flasher/port.h"
#include "flasher/serial_settings.h"
#include "tests/flasher/pty_pair.h"
#include "tests/flasher/temp_dir.h"

namespace {

using flasher_test::PtyPair;

bool same_settings(const termios& a, const termios& b)
{
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag && a.c_lflag == b.c_lflag &&
        cfgetospeed(&a) == cfgetospeed(&b) && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

TEST(SerialPort, OpenAppliesTheSettingsAndCloseRestoresThoseFound)
{
    PtyPair pty;
    const termios before = pty.slave_settings();
    PortOptions options;
    options.device = pty.slave_path();
    FlasherPort port;
    ASSERT_EQ(flasher_port_select(options, port), 0);
    EXPECT_STREQ(port.name, "serial_posix");
    EXPECT_EQ(port.flags, 0x0Fu);
    EXPECT_STREQ(port.describe(&port), "115200 8E1");

    const termios t = pty.slave_settings();
    EXPECT_EQ(cfgetospeed(&t), B115200);
    EXPECT_EQ(cfgetispeed(&t), B115200);
    EXPECT_EQ(t.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
    EXPECT_NE(t.c_cflag & CREAD, 0u);
    EXPECT_NE(t.c_cflag & CLOCAL, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_cc[VMIN], 0);
    EXPECT_EQ(t.c_cc[VTIME], 5);

    EXPECT_EQ(port.close(&port), PORT_ERR_OK);
    EXPECT_TRUE(same_settings(pty.slave_settings(), before));
    EXPECT_STREQ(serial_port_describe(&port), "INVALID");
    EXPECT_EQ(serial_port_close(&port), PORT_ERR_FAILED);
    uint8_t byte = 0;
    EXPECT_EQ(serial_port_read(&port, &byte, 1), PORT_ERR_FAILED);
}

TEST(SerialPort, TwoStopBitsAndAShortReadThatTimesOut)
{
    PtyPair pty;
    PortOptions options;
    options.device = pty.slave_path();
    options.mode = "8N2";
    options.baud_index = 10;
    FlasherPort port;
    ASSERT_EQ(flasher_port_select(options, port), 0);
    const termios t = pty.slave_settings();
    EXPECT_EQ(cfgetospeed(&t), B230400);
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    EXPECT_STREQ(port.describe(&port), "230400 8N2");

    const uint8_t sent[4] = {1, 2, 3, 4};
    ASSERT_EQ(::write(pty.master(), sent, sizeof sent), 4);
    uint8_t got[10] = {};
    EXPECT_EQ(port.read(&port, got, 10), PORT_ERR_TIMEOUT);
    EXPECT_EQ(std::memcmp(got, sent, 4), 0);

    ASSERT_EQ(port.write(&port, sent, 4), PORT_ERR_OK);
    uint8_t echoed[4] = {};
    ASSERT_EQ(::read(pty.master(), echoed, 4), 4);
    EXPECT_EQ(std::memcmp(echoed, sent, 4), 0);
    port.close(&port);
}

TEST(SerialPort, RefusedRatesRestoreTheSettingsAndAFileIsNoTerminal)
{
    PtyPair pty;
    const termios before = pty.slave_settings();
    PortOptions options;
    options.device = pty.slave_path();
    FlasherPort port;
    for (const uint32_t index : {9u, 11u, 19u}) {
        options.baud_index = index;
        testing::internal::CaptureStderr();
        EXPECT_EQ(flasher_port_select(options, port), 3);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Error probing interface \"serial_posix\"\nCannot handle device \"" + pty.slave_path() + "\"\n");
        EXPECT_TRUE(same_settings(pty.slave_settings(), before));
    }

    flasher_test::TempDir dir;
    options.baud_index = 8;
    options.device = dir.put("plain.txt", "not a terminal");
    testing::internal::CaptureStderr();
    EXPECT_EQ(flasher_port_select(options, port), 3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Warning: Not a tty: " + options.device +
                  "\nError probing interface \"serial_posix\"\nCannot handle device \"" + options.device + "\"\n");
}

TEST(SerialSettings, ModeTextsAndTheBaudTable)
{
    struct Case {
        const char* mode;
        uint32_t data_bits, parity, stop_bits;
    };
    const Case cases[] = {
        {"8e1", 3, 1, 0}, {"8N2", 3, 0, 1}, {"5o1", 0, 2, 0}, {"7E1", 2, 1, 0},   {"8x1", 3, 3, 0},
        {"8e", 3, 1, 2},  {"8", 3, 3, 2},   {"", 4, 3, 2},    {nullptr, 4, 3, 2}, {"9e3", 4, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode != nullptr ? c.mode : "(none)");
        EXPECT_EQ(mode_data_bits_index(c.mode), c.data_bits);
        EXPECT_EQ(mode_parity_index(c.mode), c.parity);
        EXPECT_EQ(mode_stop_bits_index(c.mode), c.stop_bits);
    }
    EXPECT_EQ(data_bits_of_index(3), 8u);
    EXPECT_EQ(data_bits_of_index(4), 0u);
    EXPECT_EQ(parity_letter_of_index(1), 'E');
    EXPECT_EQ(parity_letter_of_index(3), ' ');
    EXPECT_EQ(stop_bits_of_index(1), 2u);
    EXPECT_EQ(stop_bits_of_index(2), 0u);

    EXPECT_EQ(baud_index_of_rate(115200), 8u);
    EXPECT_EQ(baud_index_of_rate(115201), 19u);
    EXPECT_EQ(baud_rate_of_index(18), 2000000u);
    EXPECT_EQ(baud_rate_of_index(19), 0u);
    for (uint32_t i = 0; i < 19; ++i)
        EXPECT_EQ(baud_index_of_rate(baud_rate_of_index(i)), i);
}

TEST(PortList, TheBusKindDeclinesEveryDevice)
{
    ASSERT_STREQ(FlasherPortList[1].name, "i2c");
    EXPECT_EQ(FlasherPortList[1].flags, 0u);
    FlasherPort port = FlasherPortList[1];
    EXPECT_EQ(port.open(&port, PortOptions{}), PORT_ERR_NO_DEVICE);
    EXPECT_EQ(FlasherPortList.size(), 2u);
}

} // namespace
