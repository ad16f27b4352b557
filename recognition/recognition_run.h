#pragma once
// One recognition: find the connected device, identify it, read its versions into the shared
// record and leave a result with status texts for the page. Plain C++ over the device link; it runs
// on the page's worker thread and never touches the window.
//
// A run takes copies of the device session and the record as its input and hands them back changed
// in its outcome, which the page applies on the main thread after the join; tests drive it
// directly.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "device/device_data.h"
#include "device/device_session.h"
#include "text/status_text_set.h"

namespace kivo {

// What the page's timer does with a finished run.
enum RecognitionResult : int {
    kRecognitionRunning = 0,
    kRecognitionOtherDevice = 1, // a device other than the selected one: box, back to the home page
    kRecognitionSucceeded = 2, // hand over to the page that asked
    kRecognitionFailed = 3, // stay on the page, show why
    kRecognitionStopped = 4, // abandoned at a wait (the application quits): nothing to show
};

struct RecognitionRun {
    // In: who asked (0: the recognition page itself) and the page mode the texts are for.
    int callerMode = 0;
    int mode = kModeRecognition;
    // A saved record whose settings are written back once the device is found (after an update
    // or restore), or none.
    std::optional<KIVOBluetoothDeviceData> saved;
    // In and out: set until the firmware-management probe of the plain-USB path first succeeds.
    bool isFirst = true;
    // In and out: what the application knows of the device; a recognition writes it as it goes.
    DeviceSession session;
    // Out: the final status in each interface language and the two flags behind the result.
    StatusTextSet strStatus;
    bool goFirmwareUpgrade = false;
    bool doWarn = false;
};

// The HID opener's outputs: product id and its English status text.
struct OpenedDevice {
    uint32_t productId = 0;
    std::array<char, 256> statusText{};

    std::span<char> text() { return statusText; }
    std::string statusString() const { return statusText.data(); }
};

// Runs one recognition to its end: every way out closes the devices it opened. Fills `data`
// (the run's copy of the record) and the run; returns a RecognitionResult above 0. On a thread that
// watches a raised stop flag (common/clock.h) it ends at its next wait, closes every device and
// returns kRecognitionStopped.
int recognize_device(RecognitionRun& run, KIVOBluetoothDeviceData& data);

// What a finished run hands to the page's timer.
struct RecognitionOutcome {
    int result = kRecognitionRunning;
    DeviceSession session;
    KIVOBluetoothDeviceData record;
    StatusTextSet status;
    bool warning = false;
    bool isFirst = true;
};

// The run's status after a recognition over either link: the link's text, followed by what the
// page that takes over is ready for.
void status_recognized(RecognitionRun& run, std::string_view link_text);

} // namespace kivo
