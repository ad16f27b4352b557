#pragma once
// One read of the firmware index on the page's worker: the fetch from the firmware server and the
// read of its answer, over inputs the page copied on the main thread. Its outcome goes back to the
// page whole; the worker touches nothing of the page.

#include <chrono>
#include <string>

#include "update/server/firmware_index.h"

namespace kivo {

inline constexpr std::chrono::milliseconds kFirmwareIndexTimeout{30000};

struct LatestReadInputs {
    // The firmware server's base address (ends in "/").
    std::string base;
    FirmwareIndexQuery query;
    // Update page: whether the read ends with the new-update decision.
    bool checkNewUpdate = false;
    // The selected product and the connected device's record, for the new-update decision.
    int deviceTarget = 0;
    KIVOBluetoothDeviceData data;
    std::chrono::milliseconds timeout = kFirmwareIndexTimeout;
};

struct LatestReadOutcome {
    FirmwareIndexRead read;
    bool checkNewUpdate = false;
    bool newUpdateFound = false;
};

// The leaf of the page's index: "Firmware" for the update page, "Revisions" for the restore page.
const char* firmware_index_leaf(IndexPage page);

// Fetches the index and reads it. No answer, an answer outside 2xx, one over the size limit or one
// that is not ASCII: the read of no index.
LatestReadOutcome threadMethodReadLatest(const LatestReadInputs& in);

} // namespace kivo
