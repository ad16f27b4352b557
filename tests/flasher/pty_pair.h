#pragma once
// A pseudo-terminal pair: the master for the test's side, the slave path for the port under test.
// The slave starts raw at 300 baud, a speed the client never asks for (a Linux pseudo-terminal
// forces CS8 and drops PARENB, and asking for the speed it already has can then fail).

#include <string>
#include <termios.h>

namespace flasher_test {

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    int master() const { return master_; }
    // A descriptor of the slave kept open by the pair, so that the terminal outlives every client.
    int slave() const { return slave_; }
    const std::string& slave_path() const { return slave_path_; }
    termios slave_settings() const;

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slave_path_;
};

} // namespace flasher_test
