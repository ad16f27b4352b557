#pragma once
// What a save over HID sends once the device is confirmed: the plan of its family, a list of
// steps built from the working copy and the recognized record's firmware. The plan is data, so
// that it can be shown (settings_catalogue_dump save) and checked without a device; run_hid_save
// sends it.

#include <cstdint>
#include <string>
#include <vector>

#include "device/device_data.h"

namespace kivo::settings {

enum class SaveStepKind {
    Write, // a record write: the counted words most significant byte first
    WriteLeastSignificantFirst, // a record write whose words are not swapped (the OEM flags record)
    Commit, // the commit of the last write's report under `record`
    ReadFirst, // a record read the next write depends on: when it fails, the plan ends there
    ShortWrite, // the three settings words over a 62-byte report
};

struct SaveStep {
    SaveStepKind kind = SaveStepKind::Write;
    uint8_t record = 0;
    int slot = 0;
    // The words the report carries, and how many of them count (Write; ReadFirst: the count asked).
    std::vector<uint16_t> words;
    size_t counted = 0;
    // A failed step always makes the save fail; this one also ends the plan.
    bool stopsOnFailure = false;
    // Written to the system log before the step, when not empty.
    std::string trace;
};

// The steps of a product over HID, in order; empty for a product of the persistent-store path.
std::vector<SaveStep> hid_save_plan(int product_id, const KIVOBluetoothDeviceData& data,
                                    const KIVOBluetoothDeviceData& current);

// Sends the plan to the opened device; true when every step went through (a failed ReadFirst ends
// the plan without failing it).
bool run_hid_save_plan(const std::vector<SaveStep>& plan);

} // namespace kivo::settings
