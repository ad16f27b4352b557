#pragma once
// Building the command reports that recognition sends: report id, command, one parameter, the
// rest zero.

#include <cstdint>

#include "link/hid_reports.h"

namespace kivo {

inline HidCommandReport hid_request(uint8_t command, uint8_t parameter = 0)
{
    HidCommandReport report{};
    report[0] = kHidReportId;
    report[1] = command;
    report[2] = parameter;
    return report;
}

inline HidShortCommandReport hid_short_request(uint8_t command, uint8_t sub_record)
{
    HidShortCommandReport report{};
    report[0] = kHidReportId;
    report[2] = command;
    report[3] = sub_record;
    return report;
}

inline HidCommandReport65 hid_request65(uint8_t command)
{
    HidCommandReport65 report{};
    report[0] = kHidReportId;
    report[1] = command;
    return report;
}

} // namespace kivo
