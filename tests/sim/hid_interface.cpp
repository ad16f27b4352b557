#include "tests/sim/hid_interface.h"

namespace sim {

std::vector<Bytes> HidInterface::outputs() const
{
    std::vector<Bytes> out;
    for (const HidWrite& w : transcript_)
        if (w.kind == HidWrite::Output)
            out.push_back(w.bytes);
    return out;
}

Bytes status_report(uint8_t command, uint8_t status, uint8_t result, const Bytes& data)
{
    Bytes report(67, 0);
    report[0] = 0x01;
    report[1] = command;
    report[2] = status;
    report[3] = result;
    report[4] = static_cast<uint8_t>(data.size());
    for (size_t i = 0; i < data.size() && 5 + i < report.size(); ++i)
        report[5 + i] = data[i];
    return report;
}

Bytes status_report_words(uint8_t command, uint8_t status, const std::vector<uint16_t>& words)
{
    Bytes data;
    for (uint16_t w : words) {
        data.push_back(static_cast<uint8_t>(w >> 8));
        data.push_back(static_cast<uint8_t>(w & 0xFF));
    }
    Bytes report = status_report(command, status, 0, data);
    report[4] = static_cast<uint8_t>(words.size());
    return report;
}

Bytes status_report65(uint8_t command, uint8_t status, const Bytes& results)
{
    Bytes report(65, 0);
    report[0] = 0x01;
    report[1] = command;
    report[2] = status;
    for (size_t i = 0; i < results.size() && 3 + i < report.size(); ++i)
        report[3 + i] = results[i];
    return report;
}

Bytes answer(uint8_t command, uint8_t status, const Bytes& data)
{
    Bytes a = data;
    a.insert(a.begin(), {command, status});
    return a;
}

} // namespace sim
