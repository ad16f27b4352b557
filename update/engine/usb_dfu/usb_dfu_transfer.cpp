#include "update/engine/usb_dfu/usb_dfu_transfer.h"

#include <array>

#include "common/clock.h"
#include "common/management_mode.h"
#include "common/system_log.h"
#include "device/products/usb_dfu_products.h"
#include "link/dfu.h"
#include "link/hid_protocol.h"
#include "link/hid_reports.h"
#include "text/app_text.h"
#include "text/instruction_texts.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/device_identity.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr uint8_t kDfuDeviceClass = 0xFE;
constexpr int kPassMs = 1000;
constexpr int kCleanUpPasses = 5;
// The wait for DFU mode: the second re-plug box after this pass, the end after this one.
constexpr int kSecondBoxPass = 60;
constexpr int kLastWaitPass = 301;
constexpr int kMostFoundPerPass = 10;
// A device that keeps coming back with its normal firmware is detached again this many times.
constexpr int kMostReturnsToStart = 5;
// The claim failure that ends the run is the one after this many.
constexpr int kClaimFailuresTolerated = 2;
constexpr int kSecondBoxSize = 1;

std::string count_tag(int found, int count) { return fill_format(" [%d / %d]", {found, count}); }

void fail(UpdateRun& run, LanguageText reason, const std::string& tag)
{
    run.shared.setUpdateRestoreError(1);
    status_failure(run, reason, tag);
}

void clear_slot(DfuDeviceSlot& slot) { slot = {}; }

enum class StageA { Failed, AllIdle, Detached };
enum class Wait { Failed, Recovery, DeviceCameBackNormal, ClaimFailedTryAgain, Ready };

// One device at the start: opened, its DFU interface claimed (a failure is borne while a box is
// up: the user is re-plugging), its status read, and an error state cleared.
bool open_and_read_status(UpdateRun& run, DfuDevices& devices, int i)
{
    DfuDeviceSlot& slot = devices.slots[static_cast<size_t>(i)];
    slot.interface = dfu_find_interface(slot.device);
    slot.handle = usb_open(slot.device);
    if (slot.handle == nullptr) {
        dfu_close_held(devices);
        fail(run, UpdateTexts::tavk_string_cannot_open_device_in, dfu_device_tag(i));
        return false;
    }
    if (usb_claim_interface(slot.handle, slot.interface) < 0) {
        system_logf("USB DFU [%d]: cannot claim interface %d: %s", i, slot.interface, usb_strerror());
        if (!run.host.openedMessageBox()) {
            dfu_close_held(devices);
            fail(run, UpdateTexts::tavk_string_cannot_claim_device_in, dfu_device_tag(i));
            return false;
        }
    }
    struct Failure {
        LanguageText reason;
        std::string tag;
    };
    auto fail_cleaning_up = [&](const Failure& f) {
        dfu_clean_up(devices, kCleanUpPasses);
        fail(run, f.reason, f.tag);
        return false;
    };
    std::optional<DfuStatus> status = read_dfu_status(slot.handle, slot.interface);
    if (!status)
        return fail_cleaning_up({UpdateTexts::tavk_string_cannot_get_status_in, dfu_device_tag(i)});
    if (status->bState == dfuERROR) {
        if (dfu_clear_status(slot.handle, slot.interface) < 0)
            return fail_cleaning_up({UpdateTexts::tavk_string_cannot_clear_status_in, dfu_device_tag(i)});
        if (dfu_abort(slot.handle, slot.interface) < 0)
            return fail_cleaning_up({UpdateTexts::tavk_string_cannot_abort_previous_action_in, dfu_device_tag(i)});
        status = read_dfu_status(slot.handle, slot.interface);
        if (!status)
            return fail_cleaning_up({UpdateTexts::tavk_string_cannot_get_status_in, dfu_step_tag(2, i)});
    }
    slot.status = *status;
    return true;
}

// One device that is not idle: it must run its normal firmware, and leave it when
// told to.
bool detach(UpdateRun& run, DfuDevices& devices, int i)
{
    DfuDeviceSlot& slot = devices.slots[static_cast<size_t>(i)];
    auto fail_cleaning_up = [&](LanguageText reason, const std::string& tag) {
        dfu_clean_up(devices, kCleanUpPasses);
        fail(run, reason, tag);
        return false;
    };
    if (slot.status.bState != appIDLE)
        return fail_cleaning_up(UpdateTexts::tavk_string_cannot_detach_device_not_idle_in, dfu_device_tag(i));
    slot.bcdDevice = slot.device->descriptor.bcdDevice;
    slot.idProduct = slot.device->descriptor.idProduct;
    slot.idVendor = slot.device->descriptor.idVendor;
    if (dfu_detach(slot.handle, slot.interface) < 0)
        return fail_cleaning_up(UpdateTexts::tavk_string_cannot_detach_device_in, dfu_device_tag(i));
    const std::optional<DfuStatus> status = read_dfu_status(slot.handle, slot.interface);
    if (!status)
        return fail_cleaning_up(UpdateTexts::tavk_string_cannot_get_status_in, dfu_step_tag(3, i));
    slot.status = *status;
    if (status->bState != appDETACH)
        return fail_cleaning_up(UpdateTexts::tavk_string_cannot_detach_device_try_again_in, dfu_device_tag(i));
    return true;
}

// The status of every device; the ones running their normal firmware are detached and
// reset, and the user is asked to plug them in again.
StageA status_and_detach(UpdateRun& run, DfuDevices& devices, int& last_detached, uint16_t& vendor)
{
    std::array<struct usb_device*, kDfuMaxDevices> listed{};
    // The device being updated only, in its firmware or its loader: a count short of it is "found
    // fewer", whatever else of the maker's is on the bus.
    const int found = dfu_list_devices(kDfuAllDevices, std::span(listed).first(static_cast<size_t>(devices.count)),
                                       updated_usb_filter(run, "USB DFU status"));
    if (found != devices.count) {
        fail(run, UpdateTexts::tavk_string_cannot_get_device_in, count_tag(found, devices.count));
        return StageA::Failed;
    }
    for (int i = 0; i < devices.count; ++i) {
        devices.slots[static_cast<size_t>(i)].device = listed[static_cast<size_t>(i)];
        if (!open_and_read_status(run, devices, i))
            return StageA::Failed;
    }
    bool all_idle = true;
    for (int i = 0; i < devices.count; ++i) {
        DfuDeviceSlot& slot = devices.slots[static_cast<size_t>(i)];
        slot.idle = slot.status.bState == dfuIDLE;
        all_idle = all_idle && slot.idle;
        system_logf("USB DFU [%d]: state %d", i, slot.status.bState);
    }
    if (all_idle)
        return StageA::AllIdle;

    for (int i = 0; i < devices.count; ++i) {
        if (devices.slots[static_cast<size_t>(i)].idle)
            continue;
        if (!detach(run, devices, i))
            return StageA::Failed;
        last_detached = i;
        vendor = devices.slots[static_cast<size_t>(i)].idVendor;
    }
    for (DfuDeviceSlot& slot : devices.used()) {
        usb_release_interface(slot.handle, slot.interface);
        usb_reset(slot.handle);
        usb_close(slot.handle);
        clear_slot(slot);
    }
    if (product_in(kDfuNoReplugBoxProducts, run.deviceTarget()))
        mark_box_without_box(run);
    else
        open_instruction_box(run, dfu_box_text(run, InstructionTexts::getMessageBoxFirstButton));
    return StageA::Detached;
}

// One pass of the wait over every device on every bus. Of the maker's devices, only the one being
// updated counts, back in its firmware or in DFU mode: any other is passed over.
Wait look_for_dfu_devices(uint16_t vendor, const ProductFilter& updated,
                          std::array<struct usb_device*, kMostFoundPerPass>& found, int& found_count)
{
    usb_find_busses();
    usb_find_devices();
    found_count = 0;
    for (struct usb_bus* bus = usb_get_busses(); bus != nullptr; bus = bus->next) {
        for (struct usb_device* dev = bus->devices; dev != nullptr; dev = dev->next) {
            const usb_device_descriptor& d = dev->descriptor;
            if (d.idVendor == DEVICE_VENDOR_ID) {
                if (!updated(d.idProduct))
                    continue;
                switch (dfu_wait_id(d.idProduct)) {
                case DfuWaitId::Recovery: return Wait::Recovery;
                case DfuWaitId::Restart: return Wait::DeviceCameBackNormal;
                case DfuWaitId::Ignored: continue;
                case DfuWaitId::Other: break;
                }
            }
            if (d.bDeviceClass == kDfuDeviceClass && d.idVendor == vendor && found_count < kMostFoundPerPass &&
                dfu_find_interface(dev) == 0)
                found[static_cast<size_t>(found_count++)] = dev;
        }
    }
    return Wait::Ready;
}

// The devices found back in DFU mode, opened and claimed on interface 0, must be in dfuIDLE. A
// claim that fails is counted below.
Wait open_found_devices(UpdateRun& run, DfuDevices& devices, std::span<struct usb_device* const> found)
{
    for (;;) {
        bool claim_failed = false;
        int i = 0;
        for (; i < devices.count; ++i) {
            DfuDeviceSlot& slot = devices.slots[static_cast<size_t>(i)];
            slot.device = found[static_cast<size_t>(i)];
            slot.interface = 0;
            slot.handle = usb_open(slot.device);
            if (slot.handle == nullptr) {
                dfu_close_held(devices);
                fail(run, UpdateTexts::tavk_string_cannot_open_device_in, dfu_step_tag(2, i));
                return Wait::Failed;
            }
            system_logf("USB DFU [%d]: opened %p", i, static_cast<void*>(slot.handle));
            if (usb_claim_interface(slot.handle, 0) < 0) {
                claim_failed = true;
                break;
            }
            const std::optional<DfuStatus> status = read_dfu_status(slot.handle, 0);
            if (!status || status->bState != dfuIDLE) {
                dfu_clean_up(devices, kCleanUpPasses);
                if (!status)
                    fail(run, UpdateTexts::tavk_string_cannot_get_status_in, dfu_step_tag(4, i));
                else
                    fail(run, UpdateTexts::tavk_string_cannot_use_device_in, dfu_device_tag(i));
                return Wait::Failed;
            }
            slot.status = *status;
            slot.idle = true;
        }
        if (!claim_failed)
            return Wait::Ready;

        // Claims that keep failing end the run at the third, counted over runs.
        system_logf("USB DFU [%d]: cannot claim interface 0: %s", i, usb_strerror());
        int& failures =
            run.in.dfuClaimFailureCount != nullptr ? *run.in.dfuClaimFailureCount : process_dfu_claim_failure_count();
        const int before = failures++;
        dfu_close_held(devices);
        if (before >= kClaimFailuresTolerated) {
            failures = 0;
            fail(run, UpdateTexts::tavk_string_cannot_claim_device_in, fill_format(" T2 [%d]", {i}));
            return Wait::Failed;
        }
        hid_close_devices();
        if (run.deviceTarget() != kDfuClaimReopenProduct) {
            close_instruction_box(run);
            return Wait::ClaimFailedTryAgain;
        }
    }
}

// A pass a second until the detached devices are back in DFU mode, at most 301 passes.
Wait wait_for_dfu_mode(UpdateRun& run, DfuDevices& devices, uint16_t vendor)
{
    system_log("USB DFU: waiting for the devices in DFU mode");
    std::array<struct usb_device*, kMostFoundPerPass> found{};
    int found_count = 0;
    const ProductFilter updated = updated_usb_filter(run, "USB DFU wait");
    for (int pass = 1; found_count < devices.count; ++pass) {
        sleep_ms(kPassMs);
        const Wait seen = look_for_dfu_devices(vendor, updated, found, found_count);
        if (seen == Wait::Recovery) {
            system_log("USB DFU: the camera is back; restart to recover");
            run.shared.setUpdateRestoreError(4);
            return seen;
        }
        if (seen == Wait::DeviceCameBackNormal)
            return seen;
        if (pass == kSecondBoxPass && run.host.openedMessageBox()) {
            close_instruction_box(run);
            open_instruction_box(run, dfu_box_text(run, InstructionTexts::getMessageBoxFailureFirstButton),
                                 kSecondBoxSize);
        }
        if (pass >= kLastWaitPass) {
            close_instruction_box(run);
            break;
        }
    }
    if (found_count != devices.count) {
        fail(run, UpdateTexts::tavk_string_cannot_identify_device_in, count_tag(found_count, devices.count));
        return Wait::Failed;
    }
    system_logf("USB DFU: %d devices back in DFU mode", devices.count);
    return open_found_devices(run, devices, std::span(found).first(static_cast<size_t>(devices.count)));
}

// The devices are back in DFU mode and idle; this run has written nothing.
void end_detach_only(UpdateRun& run, DfuDevices& devices)
{
    const bool two_device_product = run.deviceTarget() == kDfuTwoDeviceProduct;
    const int start = dfu_progress_scale(run.deviceTarget()).start;
    run.shared.change([&](UpdateProgress& p) {
        p.updateProcessed = start;
        if (two_device_product)
            p.addUpdateProcessed = 0;
    });
    close_instruction_box(run);
    dfu_clean_up(devices, kCleanUpPasses);
    run.shared.setUpdateRestoreError(1);
}

} // namespace

std::optional<DfuStatus> parse_dfu_status(std::span<const uint8_t> answer)
{
    if (answer.size() < kDfuStatusSize)
        return std::nullopt;
    return DfuStatus{answer[0], uint32_t{answer[1]} | uint32_t{answer[2]} << 8 | uint32_t{answer[3]} << 16, answer[4],
                     answer[5]};
}

std::optional<DfuStatus> read_dfu_status(usb_dev_handle* handle, int interface)
{
    std::array<uint8_t, kDfuStatusSize> answer{};
    const int received = dfu_get_status(handle, interface, answer);
    if (received < 0)
        return std::nullopt;
    return parse_dfu_status(std::span(answer).first(static_cast<size_t>(received)));
}

int& process_dfu_claim_failure_count()
{
    static int count = 0;
    return count;
}

bool dfu_devices_ready(UpdateRun& run, DfuDevices& devices)
{
    int returns = 0;
    int last_detached = 0;
    // The vendor of the last device detached: the devices the wait looks for.
    uint16_t vendor = 0;
    for (;;) {
        switch (status_and_detach(run, devices, last_detached, vendor)) {
        case StageA::Failed: return false;
        case StageA::AllIdle: return true;
        case StageA::Detached: break;
        }
        switch (wait_for_dfu_mode(run, devices, vendor)) {
        case Wait::Failed:
        case Wait::Recovery: return false;
        case Wait::Ready: end_detach_only(run, devices); return false;
        case Wait::ClaimFailedTryAgain: break;
        case Wait::DeviceCameBackNormal:
            if (++returns > kMostReturnsToStart) {
                fail(run, UpdateTexts::tavk_string_cannot_detach_device_try_again_in, dfu_device_tag(last_detached));
                return false;
            }
            system_logf("USB DFU: a device came back with its normal firmware; detach again (%d)", returns);
            break;
        }
    }
}

void dfu_clean_up(DfuDevices& devices, int passes, bool trace)
{
    for (int pass = 0; pass < passes; ++pass) {
        bool left = false;
        for (size_t i = 0; i < devices.slots.size(); ++i) {
            DfuDeviceSlot& slot = devices.slots[i];
            if (slot.handle == nullptr)
                continue;
            if (trace)
                system_logf("USB DFU [%zu]: closing %p", i, static_cast<void*>(slot.handle));
            if (usb_release_interface(slot.handle, slot.interface) < 0) {
                left = true;
                continue;
            }
            usb_reset(slot.handle);
            usb_close(slot.handle);
            clear_slot(slot);
        }
        if (!left)
            return;
        if (pass + 1 < passes)
            sleep_ms(kPassMs);
    }
    // A device whose interface would not be released is not reset, but its handle is not kept.
    for (DfuDeviceSlot& slot : devices.slots)
        if (slot.handle != nullptr) {
            usb_close(slot.handle);
            clear_slot(slot);
        }
}

std::string dfu_box_text(const UpdateRun& run, std::string (*text)(int device_target, ManagerLanguage in))
{
    return text(run.deviceTarget(), run.in.languageManager);
}

std::string dfu_device_tag(int index) { return fill_format(" [%d]", {index}); }
std::string dfu_step_tag(int step, int index) { return fill_format(" %d [%d]", {step, index}); }

void dfu_fail(UpdateRun& run, DfuDevices& devices, LanguageText reason, std::string_view tag)
{
    dfu_close_held(devices);
    fail(run, reason, std::string(tag));
}

void dfu_close_held(DfuDevices& devices)
{
    for (DfuDeviceSlot& slot : devices.slots)
        if (slot.handle != nullptr) {
            usb_release_interface(slot.handle, slot.interface);
            usb_close(slot.handle);
            clear_slot(slot);
        }
}

} // namespace kivo
