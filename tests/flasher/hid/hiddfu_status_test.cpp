// What the download makes of the device's status answers, and of reports that do not get through.


#include "tests/flasher/hid/hiddfu_fixture.h"

using fwfile::Bytes;

namespace {

const std::string kHead = "Clear CRC\n";

int failed_queries(const sim::PluggedHidDfu& target)
{
    int n = 0;
    for (const sim::HidDfuReport& r : target.transcript())
        n += r.kind == sim::HidDfuReport::Answered && r.failed ? 1 : 0;
    return n;
}

std::vector<uint16_t> block_numbers(const sim::PluggedHidDfu& target)
{
    std::vector<uint16_t> numbers;
    for (const sim::DfuBlock& b : target.blocks())
        numbers.push_back(b.number);
    return numbers;
}

std::string repeated(const std::string& line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

} // namespace

using HidDfuStatus = HidDfuTest;

TEST_F(HidDfuStatus, AnErrorAtTheStartIsClearedOnceAndOnlyThere)
{
    struct Case {
        const char* what;
        bool starts_in_error; // status 10, dfuERROR
        std::deque<sim::DfuStatus> script; // status answers before the device's own
        bool clear_fails;
        std::string output;
        int result;
        std::vector<uint16_t> blocks;
    };
    const sim::DfuStatus err_firmware{sim::kDfuErrFirmware, 0, sim::kDfuError, 0};
    const sim::DfuStatus idle{sim::kDfuStatusOk, 0, sim::kDfuIdle, 0};
    const Case cases[] = {
        {"cleared, then the download", true, {}, false, "CLRSTATUS\n\nComplete\nFinished (noerr 0)\n", 0, {0, 1, 2}},
        {"the clear report not sent", true, {}, true, "CLRSTATUS\n\nComplete\nFinished (err -15)\n", -15, {}},
        {"after a block: not cleared",
         false,
         {idle, err_firmware},
         false,
         "\nComplete\nFinished (err -16)\n",
         -16,
         {0}},
    };
    const Bytes file = dfu_file(2034);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::HidDfuPersona persona;
        if (c.starts_in_error) {
            persona.status = sim::kDfuErrFirmware;
            persona.state = sim::kDfuError;
        }
        persona.script = c.script;
        sim::PluggedHidDfu target = plug(persona);
        // The clear-status report is the first report written.
        target.hid().faults.fail_writes = c.clear_fails ? 1 : 0;
        capture();
        EXPECT_EQ(hiddfu_download_file(device(), put(file).c_str()), c.result);
        EXPECT_EQ(captured(), crc_line(file) + kHead + c.output);
        EXPECT_EQ(block_numbers(target), c.blocks);
        const auto t = target.transcript();
        const bool cleared = t.size() >= 2 && t[1].kind == sim::HidDfuReport::Sent && t[1].bytes == Bytes{3, 4};
        EXPECT_EQ(cleared, c.output.starts_with("CLRSTATUS") && !c.clear_fails);
    }
}

TEST_F(HidDfuStatus, UnexpectedStatusOrStateStopsTheDownload)
{
    struct Case {
        const char* what;
        int busy_queries;
        std::deque<sim::DfuStatus> script;
        int wrong_state_after_block;
        std::string status_line;
    };
    const sim::DfuStatus idle{sim::kDfuStatusOk, 0, sim::kDfuIdle, 0};
    const Case cases[] = {
        {"busy twice", 2, {}, -1, "\nstatus 0 / state = 4\n"},
        {"a wrong state", 1, {}, 0, "\nstatus 0 / state = 7\n"},
        {"a write error", 1, {idle, {3, 0, sim::kDfuError, 0}}, -1, "\nstatus 3 / state = 10\n"},
    };
    const Bytes file = dfu_file(2034);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::HidDfuPersona persona;
        persona.busy_queries = c.busy_queries;
        persona.script = c.script;
        persona.wrong_state_after_block = c.wrong_state_after_block;
        sim::PluggedHidDfu target = plug(persona);
        capture();
        EXPECT_EQ(hiddfu_download_file(device(), put(file).c_str()), -8);
        EXPECT_EQ(captured(), crc_line(file) + kHead + c.status_line + "\nComplete\nFinished (err -8)\n");
        EXPECT_EQ(block_numbers(target), std::vector<uint16_t>{0});
    }
}

TEST_F(HidDfuStatus, FailedQueriesAreRetriedForThePollTimeOutWithPauses)
{
    struct Case {
        const char* what;
        bool final;
        uint64_t poll_timeout_ms;
        int failing_gets; // -1: every query fails
        size_t answer_length;
        int result;
        long long ms;
        int failures; // queries the device could not answer
        int lines; // "failed to get status"
    };
    const Case cases[] = {
        {"failing for the whole poll time-out", false, 100, -1, 7, -12, 100, 11, 11},
        {"answering again inside it", false, 100, 3, 7, 0, 30, 3, 3},
        {"final: after the sleep, not retried", true, 100, -1, 7, -12, 100, 1, 1},
        {"a poll time-out of over four hours counts as 30 s", false, 0xFFFFFF, -1, 7, -12, 30'000, 3001, 3001},
        {"answers too short to carry the state", false, 0, 0, 5, -12, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        close();
        sim::bus().reset();
        sim::HidDfuPersona persona;
        persona.failing_gets_from = 0;
        persona.failing_gets = c.failing_gets;
        persona.status_answer_length = c.answer_length;
        sim::PluggedHidDfu target = plug(persona);
        HidDfuSession session{device(), kHidDfuReportLength, c.poll_timeout_ms};
        capture();
        EXPECT_EQ(hiddfu_wait_status(session, c.final), c.result);
        EXPECT_EQ(captured(), repeated("failed to get status\n", c.lines));
        EXPECT_EQ(virtual_ms(), c.ms);
        EXPECT_EQ(failed_queries(target), c.failures);
    }
}

TEST_F(HidDfuStatus, LongPollTimeOutsAreHonouredUpToTheBound)
{
    sim::HidDfuPersona persona;
    persona.poll_timeout_ms = 0xFFFFFF;
    sim::PluggedHidDfu target = plug(persona);
    capture();
    HidDfuSession session{device()};
    EXPECT_EQ(hiddfu_download_file(session, put(dfu_file(2034)).c_str()), 0);
    captured();
    EXPECT_EQ(session.poll_timeout_ms, 0xFFFFFFu);
    EXPECT_EQ(virtual_ms(), 3 * kHidDfuPollTimeoutLimitMs);
    EXPECT_TRUE(target.manifested());
}

TEST_F(HidDfuStatus, ABlockThatIsNotSentFailsTheDownload)
{
    struct Case {
        int failing_block;
        std::string output;
        std::vector<uint16_t> blocks;
    };
    const Case cases[] = {
        {1, "SetFeature error\n\nComplete\nFinished (err -12)\n", {0}},
        {2, "\nComplete\nwrite device failed\nFinished (err -12)\n", {0, 1}}, // the closing block
    };
    const Bytes file = dfu_file(2034);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing_block);
        sim::HidDfuPersona persona;
        persona.failing_block = c.failing_block;
        sim::PluggedHidDfu target = plug(persona);
        capture();
        EXPECT_EQ(hiddfu_download_file(device(), put(file).c_str()), -12);
        EXPECT_EQ(captured(), crc_line(file) + kHead + c.output);
        EXPECT_EQ(block_numbers(target), c.blocks);
        EXPECT_FALSE(target.manifested());
    }
}

TEST_F(HidDfuStatus, RequestFf)
{
    sim::PluggedHidDfu target = plug();
    EXPECT_EQ(hiddfu_send_control_ff(device()), 0);
    EXPECT_EQ(target.requests_ff(), 1);
    target.hid().faults.fail_writes = 1;
    EXPECT_EQ(hiddfu_send_control_ff(device()), -9);
    EXPECT_EQ(target.requests_ff(), 1);
}
