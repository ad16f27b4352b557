#include "recognition/recognition_run.h"

#include "common/clock.h"
#include "common/manager_version.h"
#include "link/hid_protocol.h"
#include "link/usb_link.h"
#include "recognition/hid_identity.h"
#include "recognition/hid_search.h"
#include "recognition/hid_settings_read.h"
#include "recognition/hid_settings_write_back.h"
#include "recognition/usb_path.h"
#include "text/app_text.h"
#include "text/recognition_texts.h"
#include "text/text_format.h"

namespace kivo {
namespace {

// The end of every recognition over HID: the record and the session say what was recognized,
// the status texts say so, and the devices are closed before the result is handed back.
int finish_over_hid(RecognitionRun& run, OpenedDevice& device, KIVOBluetoothDeviceData& data)
{
    DeviceSession& session = run.session;
    data.setManagerVersionMajor(kManagerVersionMajor);
    data.setManagerVersionMinor(kManagerVersionMinor);
    data.setDeviceRecognized(session.deviceTarget);
    session.recognized = true;
    session.usbStatus = static_cast<int>(device.productId);
    session.tabs = settings_tabs_for(data.deviceRecognized(), data.deviceVersionMajor(), data.deviceVersionMinor(),
                                     session.fmRadioShowAndHide);
    session.tabs.selected = 0;

    status_recognized(run, device.statusString());
    run.goFirmwareUpgrade = true;
    hid_close_devices();
    return kRecognitionSucceeded;
}

} // namespace

void status_recognized(RecognitionRun& run, std::string_view link_text)
{
    const int usb_status = run.session.usbStatus;
    run.strStatus = status_in_every_language([&](int language) {
        return fill_format(AppText::tavk_status_success_usb_in(run.mode, usb_status, language),
                           {RecognitionTexts::tavk_string_for_status_in(link_text, language).value_or(""),
                            AppText::tavk_status_default_usb_in(run.mode + 1, usb_status, language)});
    });
}

namespace {

int recognize_until_the_end(RecognitionRun& run, KIVOBluetoothDeviceData& data)
{
    DeviceSession& session = run.session;
    // Every run opens its devices afresh.
    hid_close_devices();
    session.restartToRecover = false;
    session.modeRestartToRecover = 0;
    if (run.callerMode == 0)
        session.deviceTarget = 0;

    OpenedDevice device;
    if (open_hid_device(device)) {
        session.deviceTarget = static_cast<int>(device.productId);
        if (hid_device_ready(session.deviceTarget) && identify_hid_device(run, device, data)) {
            if (run.saved) {
                if (const std::optional<RestoredSetting> lost =
                        write_back_hid_settings(session.deviceTarget, *run.saved))
                    return end_with_restore_failure(run, *lost);
            }
            read_hid_settings(session.deviceTarget, data);
            return finish_over_hid(run, device, data);
        }
        // Not ready, or gone after its module was read: not usable over HID.
        session.deviceTarget = 0;
    }

    device.productId = 0;
    hid_close_devices();
    return recognize_over_usb(run, data);
}

} // namespace

int recognize_device(RecognitionRun& run, KIVOBluetoothDeviceData& data)
{
    try {
        return recognize_until_the_end(run, data);
    } catch (const RunStopped&) {
        hid_close_devices();
        usb_close_devices();
        dfu_close_device();
        return kRecognitionStopped;
    }
}

} // namespace kivo
