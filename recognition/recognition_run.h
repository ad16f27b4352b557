#pragma once
// One recognition: find the connected device, identify it, read its versions into the shared
// record and leave a result with status texts for the page. Plain C++ over the device link; it runs
// on the page's worker thread and never touches the window.
//
// The page copies the controller's fields into a run before the worker starts and back after it
// has finished, so this code can be driven directly by tests.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/text/status_text_set.h"
#include "device/device_data.h"
#include "device/products/settings_tabs.h"

namespace kivo {

// What the page's timer does with a finished run.
enum RecognitionResult : int {
    kRecognitionRunning = 0,
    kRecognitionOtherDevice = 1, // a device other than the selected one: box, back to the home page
    kRecognitionSucceeded = 2, // hand over to the page that asked
    kRecognitionFailed = 3, // stay on the page, show why
};

// The application controller's fields a recognition reads and writes.
struct RecognitionControllerFields {
    int deviceTarget = 0;
    bool recognized = false;
    int usbStatus = 0;
    int fmRadioShowAndHide = 0;
    int motionSensorShowAndHide = 0;
    int deviceInfoStatus = 0;
    int deviceEgranoSpeakerType = 0;
    bool restartToRecover = false;
    int modeRestartToRecover = 0;
    SettingsTabs tabs;
};

struct RecognitionRun {
    // In: who asked (0: the recognition page itself) and the page mode the texts are for.
    int callerMode = 0;
    int mode = 4;
    // A saved record whose settings are written back once the device is found (after an update
    // or restore), or none.
    std::optional<KIVOBluetoothDeviceData> saved;
    // In and out: set until the firmware-management probe of the plain-USB path first succeeds.
    bool isFirst = true;
    RecognitionControllerFields controller;
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
// (the controller's shared record) and the run; returns a RecognitionResult above 0.
int recognize_device(RecognitionRun& run, KIVOBluetoothDeviceData& data);

// The run's status after a recognition over either link: the link's text, followed by what the
// page that takes over is ready for.
void status_recognized(RecognitionRun& run, std::string_view link_text);

} // namespace kivo
