#include "tests/sim/hid_persona_parts.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace sim {
namespace {

constexpr char kVersionMarker[] = "SIMVERSION=";
constexpr uint8_t kGetVersion = 0x01;

} // namespace

const CommandFault* fault_of(const std::vector<CommandFault>& faults, uint8_t command, int occurrence)
{
    const auto fault = std::find_if(faults.begin(), faults.end(), [&](const CommandFault& f) {
        return f.command == command && (f.occurrence == occurrence || (f.everyLater && occurrence > f.occurrence));
    });
    return fault == faults.end() ? nullptr : &*fault;
}

HidReply reply_with_fault(const CommandFault& fault, const std::function<HidReply()>& answer,
                          const std::function<void()>& leave)
{
    HidReply reply;
    switch (fault.kind) {
    case CommandFault::WriteFails: reply.fail_write = true; return reply;
    case CommandFault::FinalStatus: return one_report(status_report(fault.command, fault.status));
    case CommandFault::Silent: return reply;
    case CommandFault::Busy:
        reply = answer();
        reply.busy_before_final = fault.busy;
        return reply;
    case CommandFault::Leaves:
        reply = answer();
        leave();
        return reply;
    }
    return reply;
}

void leave_for_good(const std::shared_ptr<Device>& device, kivo::Duration after)
{
    for (const auto& iface : device->hid)
        iface->faults.fail_open = -1;
    bus().leave(device, after);
}

std::optional<VersionQuad> version_marker(const Bytes& bytes)
{
    const std::string_view marker = kVersionMarker;
    const auto at = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end());
    if (at == bytes.end())
        return std::nullopt;
    int parts[4] = {};
    auto c = at + static_cast<std::ptrdiff_t>(marker.size());
    for (int i = 0; i < 4; ++i) {
        if (c == bytes.end() || !std::isdigit(*c))
            return std::nullopt;
        // A version part is a byte: a longer number stands for 255.
        for (; c != bytes.end() && std::isdigit(*c); ++c)
            parts[i] = std::min(parts[i] * 10 + (*c - '0'), 255);
        if (i < 3) {
            if (c == bytes.end() || *c != '.')
                return std::nullopt;
            ++c;
        }
    }
    return VersionQuad{static_cast<uint8_t>(parts[0]), static_cast<uint8_t>(parts[1]), static_cast<uint8_t>(parts[2]),
                       static_cast<uint8_t>(parts[3])};
}

Bytes version_status_report(const VersionQuad& version)
{
    Bytes report = status_report(kGetVersion, 0);
    report[3] = version.major;
    report[4] = version.minor;
    report[5] = version.secondaryType;
    report[6] = version.secondary;
    return report;
}

HidReply one_report(Bytes report)
{
    HidReply reply;
    reply.reports.push_back(std::move(report));
    return reply;
}

uint16_t device_crc16(const Bytes& bytes)
{
    uint16_t crc = 0;
    for (uint8_t b : bytes) {
        crc = static_cast<uint16_t>(crc ^ (b << 8));
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<uint16_t>(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

} // namespace sim
