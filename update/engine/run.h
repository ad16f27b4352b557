#pragma once
// One firmware update or restore, run on the page's worker thread from start to end: the start,
// the choice of the transfer path by product id, the path (which calls the shared steps of
// steps.h), and the ending. The run works only from the inputs the page copied on the main thread
// at the start; it reports through its shared block and reaches the application only through its
// host. It never touches the window or the controller.

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "app/net/http_stream.h"
#include "common/page_ids.h"
#include "device/device_data.h"
#include "device/device_session.h"
#include "link/hid_discovery.h"
#include "text/localized.h"
#include "update/engine/container_view.h"
#include "update/engine/shared_block.h"
#include "update/engine/update_host.h"

namespace kivo {

struct TransferPath;

// The whole fetch of an intermediate image, which holds the headset waiting with its link open: an
// image of a few MiB comes in well within five minutes over any line the low-speed bound lets
// through for long (4 MiB needs about 14 KiB a second), and five minutes are what the run waits for
// a person too.
inline constexpr std::chrono::seconds kIntermediateFetchTime{300};

// Everything a run reads, copied on the main thread before it starts.
struct UpdateInputs {
    // The firmware file to write (UTF-8).
    std::string firmwareFile;
    // The selected device: deviceTarget, usbStatus and the rest.
    DeviceSession session;
    // 5 update, 6 restore.
    int mode = kModeUpdate;
    // The recognized device's record.
    KIVOBluetoothDeviceData data;
    ManagerLanguage languageManager = 0;
    // The English name of the voice-prompt language the user chose.
    std::string strLanguageFirmware;
    // Where the settings backup goes.
    std::filesystem::path archiveFolder;
    // Opens the device; hid_open_device in the application.
    HidOpener opener;
    // The global firmware server's base (ends in "/"), where intermediate images are fetched
    // whatever server the index came from.
    std::string globalServerBase;
    // How long that fetch may go without data, how long it may stay slower than kDownloadLowSpeed
    // bytes a second, and how long it may take in all.
    std::chrono::milliseconds intermediateIdleTimeout = kDownloadIdleTimeout;
    std::chrono::seconds intermediateLowSpeedTime = kDownloadLowSpeedTime;
    std::chrono::seconds intermediateFetchTime = kIntermediateFetchTime;
    // The path to run; none: the one of session.deviceTarget.
    const TransferPath* path = nullptr;
    // The count of failed claims in the USB DFU wait, kept from run to run; none: the process's own.
    int* dfuClaimFailureCount = nullptr;
};

// A loaded DFU image, without its file suffix: checked by its loader (CRC and model text).
struct DfuImage {
    FirmwareBuffer buffer;
    size_t size = 0;

    std::span<const uint8_t> bytes() const { return {buffer.get(), buffer ? size : 0}; }
};

// The worker's own state during a run, handed to the path and the shared steps.
struct UpdateRun {
    UpdateRun(UpdateInputs inputs, UpdateShared& shared_block, UpdateHost& update_host);

    int deviceTarget() const { return in.session.deviceTarget; }
    int usbStatus() const { return in.session.usbStatus; }
    int mode() const { return in.mode; }

    UpdateInputs in;
    UpdateShared& shared;
    UpdateHost& host;
    const TransferPath* path = nullptr;
    // The loaded firmware file, through the checked entries the path reads of it (freed by the
    // ending).
    ContainerView container;
    // The image of the USB DFU paths (freed by the ending).
    DfuImage dfuImage;
    // The loaders' failure text.
    std::array<char, 512> message{};
    // The number of the last message box the worker opened.
    int box = 0;
    // Set by a path whose run the user ends: the worker leaves a box up whose answer ends the run on
    // the page, and the ending does not publish updateFinished.
    bool endedByPage = false;
};

// The run: start, path, ending. Returns once the run has published updateFinished, or has left
// its end to the page (endedByPage).
void threadMethodUpdate(UpdateInputs inputs, UpdateShared& shared, UpdateHost& host);

} // namespace kivo
