// The command-and-wait exchange over the 1023-byte command and 67-byte status reports.

#include "link/hid_protocol.h"
#include "tests/flasher/hid/hiddfu_fixture.h"
#include "tests/sim/hid_interface.h"

using fwfile::Bytes;

using HidDfuExchange = HidDfuTest;

namespace {

// A device that answers every command with one status report of the given status.
sim::HidInterface& plug_answering(uint8_t status)
{
    auto device = sim::bus().plug_hid(0x3A10, [status](const Bytes& out) {
        return sim::HidReply{{sim::status_report(out[1], status)}, {}};
    });
    return *device->hid.front();
}

HidCommandReport command(uint8_t code)
{
    HidCommandReport report{};
    report[0] = kHidReportId;
    report[1] = code;
    return report;
}

} // namespace

TEST_F(HidDfuExchange, ReadsPastBusyReportsToTheFinalStatus)
{
    struct Case {
        int busy_reports;
        uint8_t final_status;
        int result;
    };
    const Case cases[] = {{0, 0, 1}, {3, 0, 1}, {0, 2, 0}, {2, 2, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.busy_reports << " busy, then " << int{c.final_status});
        close();
        sim::bus().reset();
        sim::HidInterface& hid = plug_answering(c.final_status);
        hid.faults.busy_before_final = c.busy_reports;
        open(hid);
        const HidCommandReport sent = command(COMMAND_READY_STATE);
        HidStatusReport status{};
        EXPECT_EQ(hiddfu_write_and_wait(device(), sent, status), c.result);
        EXPECT_EQ(status[1], COMMAND_READY_STATE);
        EXPECT_EQ(status[2], c.final_status);
        EXPECT_EQ(hid.outputs(), std::vector<Bytes>{Bytes(sent.begin(), sent.end())});
    }
}

TEST_F(HidDfuExchange, ADeviceThatStopsAnsweringEndsWithinTheBounds)
{
    sim::HidInterface& silent = plug_answering(0);
    silent.faults.silent = true;
    open(silent);
    HidStatusReport status{};
    EXPECT_EQ(hiddfu_write_and_wait(device(), command(COMMAND_VERIFY), status), 0);
    EXPECT_EQ(virtual_ms(), kHidReportTimeoutMs);

    close();
    sim::bus().reset();
    sim::HidInterface& busy = plug_answering(0);
    busy.faults.report_interval = std::chrono::milliseconds(100);
    busy.faults.busy_before_final = 2 * kHidExchangeTimeoutMs / 100;
    open(busy);
    EXPECT_EQ(hiddfu_write_and_wait(device(), command(COMMAND_VERIFY), status), 0);
    EXPECT_GE(virtual_ms(), kHidExchangeTimeoutMs);
    EXPECT_LT(virtual_ms(), kHidExchangeTimeoutMs + kHidReportTimeoutMs);
}
