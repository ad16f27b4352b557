#pragma once
// A line control that keeps a modem word and logs every change with the virtual time.

#include <sys/ioctl.h>
#include <vector>

#include "common/clock.h"
#include "flasher/line_control.h"

namespace flasher_test {

struct LineEvent {
    long long ms;
    int bits; // the modem word after the change; -1 for a BREAK
    bool operator==(const LineEvent&) const = default;
};

class LineRecorder final : public LineControl {
public:
    explicit LineRecorder(int bits = 0)
        : bits_(bits)
    {
        install_line_control(this);
    }
    ~LineRecorder() override { install_line_control(nullptr); }

    int get_modem_bits(int, int& bits) override
    {
        bits = bits_;
        return 0;
    }
    int set_modem_bits(int, int bits) override
    {
        bits_ = bits;
        log.push_back({now_ms(), bits});
        return 0;
    }
    int send_break(int) override
    {
        log.push_back({now_ms(), -1});
        return 0;
    }

    std::vector<LineEvent> log;

private:
    static long long now_ms()
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(kivo::clock_now()).count();
    }
    int bits_;
};

} // namespace flasher_test
