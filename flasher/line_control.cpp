#include "flasher/line_control.h"

#include <atomic>
#include <sys/ioctl.h>
#include <termios.h>

namespace {

class TerminalLines final : public LineControl {
public:
    int get_modem_bits(int fd, int& bits) override { return ::ioctl(fd, TIOCMGET, &bits) < 0 ? -1 : 0; }
    int set_modem_bits(int fd, int bits) override { return ::ioctl(fd, TIOCMSET, &bits) < 0 ? -1 : 0; }
    int send_break(int fd) override { return ::tcsendbreak(fd, 1) < 0 ? -1 : 0; }
};

TerminalLines terminal_lines;
std::atomic<LineControl*> installed{nullptr};

} // namespace

LineControl& line_control()
{
    LineControl* control = installed.load(std::memory_order_acquire);
    return control != nullptr ? *control : terminal_lines;
}

void install_line_control(LineControl* control) { installed.store(control, std::memory_order_release); }
