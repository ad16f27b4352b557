#include "update/engine/usb_dfu/usb_dfu_closing.h"

#include <array>
#include <span>

#include "common/clock.h"
#include "common/page_ids.h"
#include "common/system_log.h"
#include "device/products/usb_dfu_products.h"
#include "link/dfu.h"
#include "text/app_text.h"
#include "text/instruction_texts.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/device_identity.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"
#include "update/engine/usb_dfu/usb_dfu_transfer.h"

namespace kivo {
namespace {

constexpr int kPassMs = 1000;
constexpr int kCleanUpPasses = 10;
// The passes over the devices still in their loader, before and after the power-cycle box. A
// device that stays there until it gets request 7 would keep the first passes going for ever.
constexpr int kMostPasses = 241;
constexpr int kBoxClosedPauseMs = 4000;
constexpr int kEndPauseMs = 2000;
constexpr int kTwoDeviceEndPauseMs = 1000;
// The camera is let go this many times at most.
constexpr int kCameraLetGoAttempts = 11;
constexpr int kCameraBoxSize = 3;
// The two-device product asks for the power cycle once the devices stay away this long.
constexpr int kPartlyBackPasses = 10;
constexpr int kNoneBackPasses = 11;
// The step a failure line names when the devices are not back in their firmware.
constexpr int kNotBackStep = 7;

using Handles = std::array<usb_dev_handle*, kDfuMaxDevices>;

// The step a device passed over is traced under.
constexpr char kClosingStep[] = "USB DFU closing";

// Opens up to count devices of the mode that `updated` takes for the device being updated; each
// gets request 7 first when asked, then is released, reset and closed (the results are of no use:
// the device goes either way). Returns how many were opened.
int open_and_let_go(const ProductFilter& updated, int mode, int count, bool request7)
{
    Handles handles{};
    const int opened = dfu_open_devices(mode, std::span(handles).first(static_cast<size_t>(count)), updated);
    for (int i = 0; i < opened; ++i) {
        usb_dev_handle* handle = handles[static_cast<size_t>(i)];
        if (request7)
            dfu_request7(handle, 0);
        usb_release_interface(handle, 0);
        usb_reset(handle);
        usb_close(handle);
    }
    return opened;
}

// Devices that came back in their loader are reset again, until a pass finds none.
void reset_devices_in_loader(UpdateRun& run, int count)
{
    const bool two_device_product = run.deviceTarget() == kDfuTwoDeviceProduct;
    const ProductFilter updated = updated_usb_filter(run, kClosingStep);
    int opened_in_all = 0;
    for (int pass = 1; pass <= kMostPasses; ++pass) {
        sleep_ms(kPassMs);
        const int opened = open_and_let_go(updated, kDfuManagementDevices, count, false);
        if (opened == 0)
            return;
        opened_in_all += opened;
        // More returns than devices: the user is asked to plug them in again.
        if (two_device_product && opened_in_all > count)
            open_instruction_box(run, dfu_box_text(run, InstructionTexts::getMessageBoxFirstButton));
    }
    system_logf("USB DFU: devices still in their loader after %d passes", kMostPasses);
}

// How the wait for the new firmware ended: every device back in it, or, at the last pass, none
// still in its loader (they are away), or some still there (their image did not take).
struct Return {
    bool back = false;
    int normal = 0;
    int inLoader = 0;
};

// Request 7 to the devices still in their loader, until count devices run their normal
// firmware.
Return wait_for_normal_firmware(UpdateRun& run, int count)
{
    const bool two_device_product = run.deviceTarget() == kDfuTwoDeviceProduct;
    const ProductFilter updated = updated_usb_filter(run, kClosingStep);
    int partly_back = 0;
    int none_back = 0;
    Return last;
    for (int pass = 1; pass <= kMostPasses; ++pass) {
        sleep_ms(kPassMs);
        if (two_device_product && (partly_back > kPartlyBackPasses || none_back >= kNoneBackPasses))
            open_instruction_box(run, dfu_box_text(run, InstructionTexts::getMessageBoxSecondButton));
        last.inLoader = open_and_let_go(updated, kDfuManagementDevices, count, true);
        last.normal = open_and_let_go(updated, kDfuNormalDevices, count, false);
        if (last.normal == count) {
            last.back = true;
            return last;
        }
        partly_back = last.normal > 0 ? partly_back + 1 : 0;
        none_back = last.normal == 0 ? none_back + 1 : 0;
    }
    system_logf("USB DFU: %d of %d devices back in their firmware, %d in the loader, after %d passes", last.normal,
                count, last.inLoader, kMostPasses);
    return last;
}

// A run may end without its devices back only where a box has asked the user to switch them off
// and on (the recognition that follows finds them or says they are not there), and only when none
// is left in its loader: one still there did not take its image.
bool not_back_is_a_failure(const UpdateRun& run, const Return& returned)
{
    return !returned.back && (returned.inLoader > 0 || dfu_fails_when_not_back(run.deviceTarget()));
}

} // namespace

void dfu_close_after_download(UpdateRun& run, DfuDevices& devices)
{
    const int count = devices.count;
    const bool two_device_product = run.deviceTarget() == kDfuTwoDeviceProduct;
    dfu_clean_up(devices, kCleanUpPasses, true);
    if (two_device_product)
        run.shared.setAddUpdateProcessed(99);
    reset_devices_in_loader(run, count);
    close_instruction_box(run);
    if (!product_in(kDfuNoPowerCycleBoxProducts, run.deviceTarget()))
        open_instruction_box(run, dfu_box_text(run, InstructionTexts::getMessageBoxSecondButton));
    const Return returned = wait_for_normal_firmware(run, count);
    if (not_back_is_a_failure(run, returned)) {
        run.shared.setUpdateRestoreError(1);
        status_failure(run, UpdateTexts::tavk_string_cannot_get_status_in,
                       fill_format(" %d [%d / %d]", {kNotBackStep, returned.normal, count}));
        return;
    }

    const int last_box = run.box;
    close_instruction_box(run);
    sleep_ms(kBoxClosedPauseMs);
    // Once more, by its number: a box someone else opened meanwhile stays.
    if (!two_device_product && last_box != 0)
        run.host.closeMessageBox(last_box);
    run.host.setOpenedMessageBox(false);
    sleep_ms(kEndPauseMs);
    run.shared.change([](UpdateProgress& p) {
        p.updateProcessed = 100;
        p.updateRestoreError = 0;
    });
    system_log("USB DFU: update done");
    if (two_device_product)
        sleep_ms(kTwoDeviceEndPauseMs);
}

void dfu_end_camera_update(UpdateRun& run, DfuDevices& devices, CameraImageMove moved)
{
    const int count = devices.count;
    // Released whatever became of the camera image: the camera comes back with its new Bluetooth
    // firmware either way.
    dfu_clean_up(devices, kCleanUpPasses, true);
    const ProductFilter updated = updated_usb_filter(run, kClosingStep);
    for (int attempt = 1; attempt <= kCameraLetGoAttempts; ++attempt) {
        sleep_ms(kPassMs);
        open_and_let_go(updated, kDfuManagementDevices, count, true);
        if (open_and_let_go(updated, kDfuNormalDevices, count, false) == count)
            break;
    }
    if (moved != CameraImageMove::Moved) {
        run.shared.setUpdateRestoreError(1);
        status_failure(run,
                       moved == CameraImageMove::NoCard ? AppText::tavk_string_check_sd_card_in
                                                        : AppText::tavk_string_camera_update_fail_in);
        return;
    }
    // Only the user sees when the camera has taken its image: the box's OK ends the run. It is not
    // the worker's box, so the ending leaves it up.
    close_instruction_box(run);
    run.host.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        dfu_box_text(run, InstructionTexts::getMessageBoxSecondButton), true, std::nullopt,
        AppText::tavk_string_ok_in(run.in.languageManager), kCameraBoxSize, kBoxCameraUpdateDone);
    run.endedByPage = true;
    system_log("USB DFU: camera update waits for the user");
}

} // namespace kivo
