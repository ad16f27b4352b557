#include "tests/sim/hid_dfu_device.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace sim {

struct HidDfuState {
    HidDfuPersona persona;
    DfuStatus now;
    int busy_left = 0;
    int queries = 0;
    int requests_ff = 0;
    bool manifested = false;
    std::vector<DfuBlock> blocks;
    std::vector<HidDfuReport> transcript;
};

namespace {

constexpr uint8_t kBlockReport = 0x01;
constexpr uint8_t kDownload = 0x01;
constexpr uint8_t kStatusReport = 0x02;
constexpr uint8_t kRequestReport = 0x03;
constexpr uint8_t kClearStatus = 0x04;
constexpr uint8_t kRequestFf = 0xFF;
constexpr size_t kBlockHeader = 6;

uint16_t le16(const Bytes& bytes, size_t at) { return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8); }

void note(HidDfuState& s, HidDfuReport::Kind kind, Bytes bytes, bool failed)
{
    s.transcript.push_back({kind, std::move(bytes), bus().clock().now(), failed});
}

// A request the device cannot take in its state: the write fails and the device is in error.
bool stall(HidDfuState& s)
{
    s.now.status = kDfuErrStalledPkt;
    s.now.state = kDfuError;
    s.busy_left = 0;
    return false;
}

bool take_block(HidDfuState& s, const Bytes& report)
{
    if (report.size() < kBlockHeader || report[1] != kDownload)
        return stall(s);
    const uint16_t number = le16(report, 2);
    const uint16_t length = le16(report, 4);
    if (number == s.persona.failing_block)
        return false;
    if (length > report.size() - kBlockHeader || s.now.status != kDfuStatusOk)
        return stall(s);
    if (length == 0) {
        if (s.now.state != kDfuDnloadIdle)
            return stall(s);
        s.blocks.push_back({number, {}});
        s.manifested = true;
        s.now.state = s.persona.ends_in_app_idle ? kDfuAppIdle : kDfuIdle;
        return true;
    }
    if (s.now.state != kDfuIdle && s.now.state != kDfuDnloadIdle)
        return stall(s);
    const auto data = report.begin() + static_cast<std::ptrdiff_t>(kBlockHeader);
    s.blocks.push_back({number, Bytes(data, data + length)});
    s.busy_left = s.persona.busy_queries;
    s.now.state = s.busy_left > 0 ? kDfuDnBusy : kDfuDnloadIdle;
    if (number == s.persona.wrong_state_after_block) {
        s.busy_left = 0;
        s.now.state = s.persona.wrong_state;
    }
    return true;
}

bool take_request(HidDfuState& s, const Bytes& report)
{
    if (report.size() < 2)
        return stall(s);
    if (report[1] == kRequestFf) {
        ++s.requests_ff;
        return true;
    }
    if (report[1] != kClearStatus || s.now.state != kDfuError)
        return stall(s);
    s.now.status = kDfuStatusOk;
    s.now.state = kDfuIdle;
    return true;
}

bool take_feature(HidDfuState& s, const Bytes& report)
{
    bool taken = false;
    if (!report.empty() && report[0] == kBlockReport)
        taken = take_block(s, report);
    else if (!report.empty() && report[0] == kRequestReport)
        taken = take_request(s, report);
    else
        taken = stall(s);
    note(s, HidDfuReport::Sent, report, !taken);
    return taken;
}

bool get_fails(const HidDfuPersona& p, int query)
{
    if (p.failing_gets_from < 0 || query < p.failing_gets_from)
        return false;
    return p.failing_gets < 0 || query < p.failing_gets_from + p.failing_gets;
}

std::optional<Bytes> answer_status(HidDfuState& s, uint8_t report_id)
{
    const int query = s.queries++;
    if (report_id != kStatusReport || get_fails(s.persona, query)) {
        note(s, HidDfuReport::Answered, {}, true);
        return std::nullopt;
    }
    DfuStatus answer = s.now;
    if (!s.persona.script.empty()) {
        answer = s.persona.script.front();
        s.persona.script.pop_front();
    } else if (s.now.state == kDfuDnBusy && --s.busy_left <= 0) {
        s.now.state = kDfuDnloadIdle; // busy this once more, idle at the next query
    }
    const uint32_t poll = answer.poll_timeout_ms;
    Bytes report{kStatusReport,
                 answer.status,
                 static_cast<uint8_t>(poll),
                 static_cast<uint8_t>(poll >> 8),
                 static_cast<uint8_t>(poll >> 16),
                 answer.state,
                 0};
    report.resize(std::min(report.size(), s.persona.status_answer_length));
    note(s, HidDfuReport::Answered, report, false);
    return report;
}

} // namespace

PluggedHidDfu plug_hid_dfu(const HidDfuPersona& persona)
{
    auto state = std::make_shared<HidDfuState>();
    state->persona = persona;
    state->now = {persona.status, persona.poll_timeout_ms, persona.state, 0};
    auto device = std::make_shared<Device>(persona.product_id);
    HidInterface& hid = device->add_hid();
    hid.feature_setter = [state](const Bytes& report) { return take_feature(*state, report); };
    hid.feature_getter = [state](uint8_t report_id) { return answer_status(*state, report_id); };
    bus().plug(device);
    return {device, state};
}

std::vector<DfuBlock> PluggedHidDfu::blocks() const
{
    std::lock_guard lock(bus().mutex());
    return state->blocks;
}

Bytes PluggedHidDfu::image() const
{
    std::lock_guard lock(bus().mutex());
    Bytes image;
    for (const DfuBlock& block : state->blocks)
        image.insert(image.end(), block.data.begin(), block.data.end());
    return image;
}

std::vector<HidDfuReport> PluggedHidDfu::transcript() const
{
    std::lock_guard lock(bus().mutex());
    return state->transcript;
}

DfuStatus PluggedHidDfu::current() const
{
    std::lock_guard lock(bus().mutex());
    return state->now;
}

bool PluggedHidDfu::manifested() const
{
    std::lock_guard lock(bus().mutex());
    return state->manifested;
}

int PluggedHidDfu::requests_ff() const
{
    std::lock_guard lock(bus().mutex());
    return state->requests_ff;
}

} // namespace sim
