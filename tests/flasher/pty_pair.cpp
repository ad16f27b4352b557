#include "tests/flasher/pty_pair.h"

#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace flasher_test {

PtyPair::PtyPair()
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    slave_path_ = ::ptsname(master_);
    slave_ = ::open(slave_path_.c_str(), O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        throw std::runtime_error("cannot open the pseudo-terminal's slave");
    termios t{};
    ::tcgetattr(slave_, &t);
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B300);
    ::cfsetospeed(&t, B300);
    ::tcsetattr(slave_, TCSANOW, &t);
}

PtyPair::~PtyPair()
{
    ::close(slave_);
    ::close(master_);
}

termios PtyPair::slave_settings() const
{
    termios t{};
    ::tcgetattr(slave_, &t);
    return t;
}

} // namespace flasher_test
