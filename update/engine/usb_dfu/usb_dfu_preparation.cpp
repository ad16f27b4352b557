#include "update/engine/usb_dfu/usb_dfu_preparation.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "common/atomic_file.h"
#include "common/bounded_text.h"
#include "common/clock.h"
#include "common/system_log.h"
#include "device/device_session.h"
#include "device/products/helmet_camera.h"
#include "device/products/usb_chip_identity.h"
#include "device/products/usb_dfu_products.h"
#include "link/bccmd.h"
#include "link/dfu_file.h"
#include "link/firmware_container.h"
#include "link/hid_protocol.h"
#include "link/usb_link.h"
#include "recognition/hid_requests.h"
#include "recognition/usb_ps_keys.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/camera/camera_image_move.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

// The 10 seconds a headset is given to come back in download mode, with the percentage shown.
struct PreludePause {
    int processed;
    int ms;
};
constexpr std::array<PreludePause, 3> kPreludePauses{{{1, 4000}, {2, 3000}, {3, 3000}}};

constexpr int kManagementSearchTries = 20;
constexpr int kNormalSearchTries = 5;

// The camera's firmware file is a container: its DFU image and its camera image are taken out
// into the archive folder, the DFU image to be loaded, the camera image to be moved to the camera
// after the transfer.
constexpr char kCameraDfuImageFile[] = "__lumora_dfu_bluetooth__.img";

constexpr uint16_t kPsKeyFirmwareVersion = 0x02A4;
constexpr std::array<uint16_t, 2> kPsKeysClearedAlways = {ps_key::kIntercomVox, ps_key::kPhoneVox};

constexpr bool normal_firmware(uint32_t product_id) { return product_id >= 1 && product_id < MANAGEMENT_MODE_BIT; }

void fail_not_recognized(UpdateRun& run)
{
    run.shared.setUpdateRestoreError(2);
    status_failure(run, AppText::tavk_string_not_recognized_device_in);
}

// The device (or devices) found in the management-mode search, then opened as normal
// devices; the product id the run compares with the one it was recognized under.
bool find_devices(UpdateRun& run, std::array<uint32_t, 2>& ids, int& count, uint32_t& compared)
{
    std::array<char, 256> text{};
    if (usb_open_devices_retry(ids, text, kManagementSearchTries, 1) != 0) {
        system_logf("usb_open_devices (management search): %s", text.data());
        fail_not_recognized(run);
        return false;
    }
    dfu_close_device();
    system_logf("USB DFU update of %04X", static_cast<unsigned>(run.deviceTarget()));
    ids = {0, 0};
    if (usb_open_devices_retry(ids, text, kNormalSearchTries, 0) != 0) {
        system_logf("usb_open_devices: %s", text.data());
        fail_not_recognized(run);
        return false;
    }
    count = usb_device_count();
    usb_select_device(0);
    const bool two_device_product = run.deviceTarget() == kDfuTwoDeviceProduct;
    compared = ids[0];
    if (two_device_product && count == 2 && (ids[1] & MANAGEMENT_MODE_BIT) != 0)
        compared = ids[1];
    const bool count_right = two_device_product ? count == 1 || count == 2 : count == 1;
    if (!count_right) {
        system_logf("USB DFU: %d devices for %04X", count, static_cast<unsigned>(run.deviceTarget()));
        fail_not_recognized(run);
        return false;
    }
    // The download-mode products come back under an id of their own.
    if (const DfuExpectedId* expected = dfu_expected_id(run.deviceTarget())) {
        const int id = usb_status_in_management_mode(run.usbStatus()) ? expected->management : expected->normal;
        run.in.session.usbStatus = id;
        run.shared.setUsbStatusFound(id);
    }
    if (static_cast<int>(compared) != run.usbStatus()) {
        system_logf("USB DFU: found %04X, recognized as %04X", static_cast<unsigned>(compared),
                    static_cast<unsigned>(run.usbStatus()));
        fail_not_recognized(run);
        return false;
    }
    return true;
}

// A device running its normal firmware must be the recognized product at the recognized
// version (asked count times of the first device).
bool identify_device(UpdateRun& run, int count)
{
    const KIVOBluetoothDeviceData& data = run.in.data;
    for (int i = 0; i < count; ++i) {
        int id = bccmd_read_product_id();
        if (id <= 0)
            id = kUnknownChipProduct;
        uint32_t major = 0, minor = 0, type = 0, secondary = 0;
        bool same = id == data.deviceRecognized();
        if (same) {
            bccmd_read_firmware_version(static_cast<uint32_t>(id), major, minor, type, secondary);
            same = data.compareVersionWithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
                       static_cast<int>(major), static_cast<int>(minor), static_cast<int>(type),
                       static_cast<int>(secondary)) == 0;
        }
        if (!same) {
            system_logf("USB DFU: chip %04X %u.%u.%u.%u, recognized as %04X", static_cast<unsigned>(id), major, minor,
                        type, secondary, static_cast<unsigned>(data.deviceRecognized()));
            fail_not_recognized(run);
            return false;
        }
    }
    return true;
}

// The camera's container taken apart: its two sections written into the archive folder, earlier
// copies removed first so that an old camera image can never be taken for the new one. The path
// of the DFU image; empty when the run has ended.
std::filesystem::path extract_camera_images(UpdateRun& run)
{
    FirmwareBuffer file;
    const size_t size =
        fw_image_load(run.in.firmwareFile.c_str(), file, run.message, static_cast<uint32_t>(kCameraProductId));
    system_logf("fw_image_load [%zu] [%s]", size, run.in.firmwareFile.c_str());
    if (size == 0) {
        fail_loading(run, run.message.data());
        return {};
    }
    if (!run.container.check(std::move(file), size, kCameraEntries)) {
        system_log("camera container: a section missing, outside the file or not matching its digest");
        fail_loading(run, kFirmwareCorrupted);
        return {};
    }
    const std::filesystem::path& folder = run.in.archiveFolder;
    const std::filesystem::path dfu_image = folder / kCameraDfuImageFile;
    const std::filesystem::path camera_image = folder / kCameraImageFile;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::filesystem::remove(dfu_image, ignored);
    std::filesystem::remove(camera_image, ignored);
    auto as_text = [](std::span<const uint8_t> bytes) {
        return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    };
    std::string error;
    const bool written = write_file_atomically(dfu_image, as_text(run.container.section(0)->data), &error) &&
        write_file_atomically(camera_image, as_text(run.container.section(1)->data), &error);
    run.container.clear();
    if (!written) {
        system_logf("camera images: %s", error.c_str());
        run.shared.setUpdateRestoreError(1);
        status_failure(run, UpdateTexts::tavk_string_cannot_create_file_in);
        return {};
    }
    return dfu_image;
}

// The DFU image, under each model text the recognized product's file may carry.
bool load_image(UpdateRun& run)
{
    const int recognized = run.in.data.deviceRecognized();
    std::filesystem::path file = run.in.firmwareFile;
    if (recognized == kCameraProductId) {
        file = extract_camera_images(run);
        if (file.empty())
            return false;
    }
    const std::vector<std::string> texts = dfu_model_texts(recognized, run.deviceTarget());
    for (size_t i = 0; i < texts.size(); ++i) {
        run.message.fill(0);
        size_t size = 0;
        if (texts[i].empty())
            format_text(run.message, kDfuNotForFormat, 0, "");
        else
            size = dfu_file_load(file.c_str(), run.dfuImage.buffer, run.message, texts[i]);
        run.shared.setUpdateProcessed(1);
        if (i == 0)
            system_logf("dfu_file_load [%zu] [%s]", size, file.c_str());
        if (size != 0) {
            run.dfuImage.size = size;
            return true;
        }
    }
    fail_loading(run, run.message.data());
    return false;
}

// The settings backup, in update mode; a device in its loader has no settings to keep.
bool back_up(UpdateRun& run)
{
    if (run.mode() != kModeUpdate)
        return true;
    if (usb_status_in_management_mode(run.usbStatus())) {
        status_processing_step(run, UpdateTexts::tavk_string_without_backup_firmware_in);
        return true;
    }
    return back_up_settings(run);
}

// The persistent store of the products that need it cleared (results ignored), the link
// closed, and the first percentage of the transfer.
void prepare_transfer(UpdateRun& run, uint32_t first_device)
{
    run.shared.setUpdateProcessed(2);
    status_processing(run);
    if (product_in(kDfuPsClearProducts, run.deviceTarget()) && normal_firmware(first_device)) {
        constexpr std::array<uint16_t, 2> zeros{};
        if (run.in.data.compareVersionUpToMinorWithMajor_Minor(3, 2) < 0)
            bccmd_set_pskey(kPsKeyFirmwareVersion, zeros);
        for (const uint16_t key : kPsKeysClearedAlways)
            bccmd_set_pskey(key, std::span(zeros).first(1));
    }
    usb_close_devices();
    system_log("USB DFU: BCCMD link closed");
    const bool two_device_product = run.deviceTarget() == kDfuTwoDeviceProduct;
    run.shared.change([two_device_product](UpdateProgress& p) {
        p.updateTimerProcessTime = 0;
        p.updateTimerPercentToProcess = 0;
        p.updateTimerProcessed = 0;
        p.updateRestoreError = 1;
        if (two_device_product)
            p.addUpdateProcessed = 8;
        else
            p.updateProcessed = 3;
    });
}

} // namespace

std::string dfu_model_text(int recognized, int model_id)
{
    const std::string name = ProductNames::tavk_product_name_for_internal(recognized, true);
    return name.empty() ? std::string() : fill_format("%@#%04X", {name, model_id});
}

std::vector<std::string> dfu_model_texts(int recognized, int target)
{
    std::vector<std::string> texts{
        dfu_model_text(recognized, product_in(kDfuTargetModelProducts, recognized) ? target : recognized)};
    for (const int model : {dfu_second_model(recognized), dfu_third_model(recognized)})
        if (model != 0)
            texts.push_back(dfu_model_text(recognized, model));
    return texts;
}

bool switch_to_download_mode(UpdateRun& run)
{
    if (usb_status_in_management_mode(run.usbStatus())) {
        system_log("+++DFU");
        return true;
    }
    if (!open_recognized_device(run))
        return false;
    HidStatusReport answer{};
    const bool switched = hid_command(0, hid_request(COMMAND_ENTER_DNLD_MODE), answer) == 1;
    system_log(switched ? "COMMAND_ENTER_DNLD_MODE OK" : "COMMAND_ENTER_DNLD_MODE FAIL");
    hid_close_devices();
    run.host.startProcessingAnimation();
    for (const PreludePause& pause : kPreludePauses) {
        run.shared.setUpdateProcessed(pause.processed);
        sleep_ms(pause.ms);
    }
    run.host.stopProcessingAnimation();
    return true;
}

bool prepare_usb_dfu(UpdateRun& run, int& count)
{
    std::array<uint32_t, 2> ids{};
    uint32_t compared = 0;
    const bool prepared = find_devices(run, ids, count, compared) &&
        (!normal_firmware(compared) || identify_device(run, count)) && load_image(run) && back_up(run);
    if (!prepared) {
        // Whatever step failed, nothing of the plain-USB link stays open.
        usb_close_devices();
        return false;
    }
    prepare_transfer(run, ids[0]);
    return true;
}

} // namespace kivo
