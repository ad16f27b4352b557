#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "flasher/line_control.h"
#include "flasher/port.h"
#include "flasher/serial_settings.h"
#include "flasher/stop_request.h"

namespace {

struct SerialPortState {
    int fd = -1;
    termios found{}; // restored at close
    termios in_use{};
    char setup[11] = {}; // the settings text
};

SerialPortState* state_of(FlasherPort* port) { return static_cast<SerialPortState*>(port->state); }

// The terminal speeds of baud indices 0 to 8; index 10 is the only other one the serial kind accepts.
constexpr std::array<speed_t, 9> kSpeeds = {B1200, B1800, B2400, B4800, B9600, B19200, B38400, B57600, B115200};
// The character sizes of data-bits indices 0 to 3.
constexpr std::array<tcflag_t, 4> kCharacterSizes = {CS5, CS6, CS7, CS8};

speed_t speed_of_index(uint32_t index) { return index < kSpeeds.size() ? kSpeeds[index] : B230400; }

// A call cut short by a signal is made again, unless the signal asked the flasher to stop.
bool retry_after(ssize_t n) { return n < 0 && errno == EINTR && !flasher_stop_requested(); }

} // namespace

void serial_port_release(FlasherPort* port)
{
    SerialPortState* state = state_of(port);
    if (state == nullptr)
        return;
    ::tcflush(state->fd, TCIFLUSH);
    ::tcsetattr(state->fd, TCSANOW, &state->found);
    ::close(state->fd);
    delete state;
    port->state = nullptr;
}

PortResult serial_port_open(FlasherPort* port, const PortOptions& options)
{
    const char* mode = options.mode.c_str();
    const uint32_t data_bits = mode_data_bits_index(mode);
    const uint32_t parity = mode_parity_index(mode);
    const uint32_t stop_bits = mode_stop_bits_index(mode);
    if (options.baud_index >= kBaudTableSize || data_bits >= 4 || parity >= 3 || stop_bits >= 2)
        return PORT_ERR_FAILED;

    const int fd = ::open(options.device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return PORT_ERR_FAILED;
    ::fcntl(fd, F_SETFL, 0); // reads block up to the time-out from here on

    auto* state = new SerialPortState;
    state->fd = fd;
    port->state = state;
    const bool terminal = ::tcgetattr(fd, &state->found) == 0;
    ::tcgetattr(fd, &state->in_use);
    if (!terminal)
        std::fprintf(stderr, "Warning: Not a tty: %s\n", options.device.c_str());

    if (!serial_accepts_baud_index(options.baud_index)) {
        serial_port_release(port);
        return PORT_ERR_FAILED;
    }

    termios& t = state->in_use;
    ::cfmakeraw(&t);
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | IGNPAR);
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST | ONLCR);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CRTSCTS);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHOK | ECHOCTL | ECHOKE);
    const speed_t speed = speed_of_index(options.baud_index);
    ::cfsetispeed(&t, speed);
    ::cfsetospeed(&t, speed);
    t.c_cflag |= kCharacterSizes[data_bits] | CREAD | CLOCAL;
    if (parity == 1)
        t.c_cflag |= PARENB;
    if (parity == 2)
        t.c_cflag |= PARENB | PARODD;
    if (stop_bits == 1)
        t.c_cflag |= CSTOPB;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 5; // a read waits at most 0.5 s for its first byte

    ::tcflush(fd, TCIFLUSH);
    if (::tcsetattr(fd, TCSANOW, &t) != 0) {
        serial_port_release(port);
        return PORT_ERR_FAILED;
    }
    std::snprintf(state->setup, sizeof state->setup, "%u %u%c%u", baud_rate_of_index(options.baud_index),
                  data_bits_of_index(data_bits), parity_letter_of_index(parity), stop_bits_of_index(stop_bits));
    return PORT_ERR_OK;
}

PortResult serial_port_close(FlasherPort* port)
{
    if (port->state == nullptr)
        return PORT_ERR_FAILED;
    serial_port_release(port);
    return PORT_ERR_OK;
}

PortResult serial_port_read(FlasherPort* port, uint8_t* buffer, size_t count)
{
    SerialPortState* state = state_of(port);
    if (state == nullptr)
        return PORT_ERR_FAILED;
    while (count > 0) {
        const ssize_t n = ::read(state->fd, buffer, count);
        if (retry_after(n))
            continue;
        if (n == 0)
            return PORT_ERR_TIMEOUT;
        if (n < 0)
            return PORT_ERR_FAILED;
        buffer += n;
        count -= static_cast<size_t>(n);
    }
    return PORT_ERR_OK;
}

PortResult serial_port_write(FlasherPort* port, const uint8_t* buffer, size_t count)
{
    SerialPortState* state = state_of(port);
    if (state == nullptr)
        return PORT_ERR_FAILED;
    while (count > 0) {
        const ssize_t n = ::write(state->fd, buffer, count);
        if (retry_after(n))
            continue;
        if (n < 1)
            return PORT_ERR_FAILED;
        buffer += n;
        count -= static_cast<size_t>(n);
    }
    return PORT_ERR_OK;
}

PortResult serial_port_set_line(FlasherPort* port, PortLine line, int level)
{
    SerialPortState* state = state_of(port);
    if (state == nullptr)
        return PORT_ERR_FAILED;
    LineControl& lines = line_control();
    if (line == PortLine::Rts || line == PortLine::Dtr) {
        const int bit = line == PortLine::Rts ? TIOCM_RTS : TIOCM_DTR;
        int bits = 0;
        if (lines.get_modem_bits(state->fd, bits) != 0)
            return PORT_ERR_FAILED;
        bits = level != 0 ? bits | bit : bits & ~bit;
        return lines.set_modem_bits(state->fd, bits) == 0 ? PORT_ERR_OK : PORT_ERR_FAILED;
    }
    if (line == PortLine::Break) {
        if (level == 0)
            return PORT_ERR_OK;
        return lines.send_break(state->fd) == 0 ? PORT_ERR_OK : PORT_ERR_FAILED;
    }
    return PORT_ERR_FAILED;
}

const char* serial_port_describe(FlasherPort* port)
{
    SerialPortState* state = state_of(port);
    return state != nullptr ? state->setup : "INVALID";
}
