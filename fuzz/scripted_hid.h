#pragma once
// A HID device whose every answer comes from a fuzz input, for the targets that run the HID
// protocols and recognition on the simulated bus.
//
// Input: one byte of faults (bits 0-1: polls that find nothing before each protocol B answer; bit 2:
// a chunk length byte follows, chunks of 1 + byte % 60; bit 3: a byte follows that every chunk
// claims as its length; bit 4: a byte follows, the report id of every chunk), then one reply per
// report written: a control byte (bits 0-1: 0 success with data, 1 the status from the data's first
// byte, 2 the data alone as the whole reply, 3 no reply; bits 2-3: busy replies before it), a
// length byte and that many data bytes. Once the input is used up every report gets a plain
// success (of the length the answer table expects, for 62-byte reports), so that the run ends soon.

#include <memory>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "link/hid_discovery.h"
#include "link/hid_reports.h"
#include "tests/sim/bus.h"

namespace fuzz {

// Every product the HID opener takes.
inline std::vector<uint16_t> hid_products()
{
    std::vector<uint16_t> ids;
    for (uint32_t id = 1; id <= 0xFFFF; ++id)
        if (hid_device_product(id))
            ids.push_back(static_cast<uint16_t>(id));
    return ids;
}

// The product an input names: itself when the opener takes it, else one of the list.
inline uint16_t hid_product_named(const std::vector<uint16_t>& products, int id)
{
    const auto named = static_cast<uint16_t>(id);
    return hid_device_product(named) ? named : products[named % products.size()];
}

inline void arm_faults(sim::HidFaults& faults, InputBytes& in)
{
    const uint8_t flags = in.byte();
    faults.empty_polls = flags & 0x03;
    if ((flags & 0x04) != 0)
        faults.chunk_length = 1 + in.byte() % 60;
    if ((flags & 0x08) != 0)
        faults.chunk_length_byte = in.byte();
    if ((flags & 0x10) != 0)
        faults.wrong_report_id = in.byte();
}

// Success with zero data: as long as the answer table's first entry for the command says for a
// 62-byte report, a whole status report otherwise.
inline sim::HidReply plain_success(const sim::Bytes& written, uint8_t command)
{
    if (written.size() != kHidShortReportSize) {
        sim::Bytes report(written.size() == kHidReport65Size ? kHidReport65Size : kHidStatusReportSize, 0);
        report[0] = kHidReportId;
        report[1] = command;
        return {{report}, {}};
    }
    size_t data_length = kHidShortReportSize - 4;
    for (const HidResponseLength& entry : HidResponseLengthTable)
        if (entry.command == command) {
            data_length = entry.data_length;
            break;
        }
    sim::Bytes answer(2 + data_length, 0);
    answer[0] = command;
    return {{}, {answer}};
}

inline sim::HidHandler scripted_replies(std::shared_ptr<InputBytes> in)
{
    return [in](const sim::Bytes& written) {
        const bool short_report = written.size() == kHidShortReportSize;
        const uint8_t command = written.size() > (short_report ? 2u : 1u) ? written[short_report ? 2 : 1] : 0;
        if (in->empty())
            return plain_success(written, command);
        const uint8_t control = in->byte();
        const std::span<const uint8_t> data = in->take(in->byte());
        const int form = control & 0x03;
        if (form == 3)
            return sim::HidReply{};

        sim::Bytes reply;
        if (form == 2) {
            reply.assign(data.begin(), data.end());
        } else {
            const uint8_t status = form == 1 && !data.empty() ? data[0] : 0;
            const auto rest = form == 1 && !data.empty() ? data.subspan(1) : data;
            if (short_report) {
                reply = {command, status};
            } else {
                reply.assign(written.size() == kHidReport65Size ? kHidReport65Size : kHidStatusReportSize, 0);
                reply[0] = kHidReportId;
                reply[1] = command;
                reply[2] = status;
            }
            const size_t at = short_report ? 2 : 3;
            if (short_report)
                reply.insert(reply.end(), rest.begin(), rest.end());
            else
                for (size_t i = 0; i < rest.size() && at + i < reply.size(); ++i)
                    reply[at + i] = rest[i];
        }
        sim::Bytes busy = reply;
        const size_t status_at = short_report ? 1 : 2;
        if (busy.size() > status_at)
            busy[status_at] = 1;
        std::vector<sim::Bytes> replies((control >> 2) & 0x03, busy);
        replies.push_back(reply);
        return short_report ? sim::HidReply{{}, replies} : sim::HidReply{replies, {}};
    };
}

} // namespace fuzz
