#pragma once
// The one seam to the modem lines and BREAK of a terminal, installed like the clock seam: by default
// the TIOCMGET/TIOCMSET ioctls and tcsendbreak; tests install a recorder (a pseudo-terminal has no
// modem lines and shows no BREAK).

class LineControl {
public:
    virtual ~LineControl() = default;
    // Each returns 0 on success, -1 on failure.
    virtual int get_modem_bits(int fd, int& bits) = 0;
    virtual int set_modem_bits(int fd, int bits) = 0;
    virtual int send_break(int fd) = 0;
};

// The installed line control; the terminal's own unless a test installed another.
LineControl& line_control();
// Installs control (nullptr: back to the terminal's). The caller keeps it alive while installed.
void install_line_control(LineControl* control);
