#include "recognition/usb_path.h"

#include <array>
#include <string_view>

#include "app/camera_card/camera_card_finder.h"
#include "common/manager_version.h"
#include "common/system_log.h"
#include "common/utf8_text.h"
#include "device/products/helmet_camera.h"
#include "device/products/same_product.h"
#include "device/products/usb_chip_identity.h"
#include "link/bccmd.h"
#include "link/usb_link.h"
#include "link/usb_products.h"
#include "recognition/usb_power_table.h"
#include "recognition/usb_settings_read.h"
#include "recognition/usb_write_back.h"
#include "text/app_text.h"
#include "text/recognition_texts.h"
#include "text/text_format.h"

namespace kivo {
namespace {

using BdAddress = std::array<uint8_t, 8>;

// What one device tells about itself.
struct UsbDeviceReading {
    uint32_t productId = 0; // on the bus
    int chipProductId = 0;
    bool selected = false; // the chip is the selected product, or a variant of it
    BdAddress address{};
    std::string lastSix;
    std::string name;
    FirmwareQuad version;
    UsbDeviceSettings settings;
};

// The state of one pass over the opened devices.
struct UsbPass {
    RecognitionRun& run;
    KIVOBluetoothDeviceData& data;
    std::string linkText;
    int deviceCount = 0;
    int result = kRecognitionRunning;
};

enum class SlotEnd { NextSlot, EndOfPath };

// "%@ [%d]": why the path failed, and the code that says where.
void fail_with_code(RecognitionRun& run, std::string (*reason_in)(ManagerLanguage), int code)
{
    run.strStatus = status_in_every_language([&](int language) {
        return fill_format("%@ [%d]", {reason_in(language), code});
    });
    run.doWarn = true;
}

std::string address_text(const BdAddress& a)
{
    return fill_format("%02X%02X%02X[%02X%02X%02X]", {a[7], a[6], a[4], a[0], a[3], a[2]});
}

// The name bytes up to the first NUL; bytes that are not well-formed UTF-8 give no name.
std::string name_text(const std::array<uint8_t, 256>& bytes)
{
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    text = text.substr(0, text.find('\0'));
    return is_utf8(text) ? std::string(text) : std::string();
}

// A device in firmware-management mode: nothing to read, it waits for its firmware.
void recognize_management_device(UsbPass& pass, uint32_t product_id)
{
    DeviceSession& c = pass.run.session;
    const int product = static_cast<int>(product_id - MANAGEMENT_MODE_BIT);
    c.deviceTarget = product;
    c.recognized = true;
    status_recognized(pass.run, pass.linkText);
    c.usbStatus = static_cast<int>(product_id);
    pass.data.setDeviceRecognized(product);
    pass.data.setDeviceVersion({0, 0, 0, 0});
    pass.run.doWarn = true;
    pass.run.goFirmwareUpgrade = true;
}

void store_device(UsbPass& pass, const UsbDeviceReading& device)
{
    DeviceSession& c = pass.run.session;
    KIVOBluetoothDeviceData& data = pass.data;
    const bool single = pass.deviceCount == 1;
    if (single) {
        data.setManagerVersionMajor(kManagerVersionMajor);
        data.setManagerVersionMinor(kManagerVersionMinor);
    }
    data.setDeviceRecognized(device.chipProductId);
    data.setBdAddress(address_text(device.address));
    data.setLastSixBDAddress(device.lastSix);
    data.setDeviceName(device.name);
    data.setDeviceVersion(device.version);
    device.settings.store_in(data);
    c.recognized = true;
    c.usbStatus = static_cast<int>(device.productId);
    if (single)
        c.tabs = settings_tabs_for(data.deviceRecognized(), data.deviceVersionMajor(), data.deviceVersionMinor(),
                                   c.fmRadioShowAndHide);
}

// The second half of a two-device product: the same product, name and firmware as the first.
bool same_as_first(const UsbPass& pass, uint32_t first_product_id, const UsbDeviceReading& device)
{
    const KIVOBluetoothDeviceData& data = pass.data;
    return device.productId == first_product_id && data.deviceRecognized() == device.chipProductId &&
        data.deviceName() == device.name &&
        data.compareVersionUpToMinorWithMajor_Minor(device.version.major, device.version.minor) == 0 &&
        data.deviceSecondaryVersionType() == device.version.secondaryType &&
        data.deviceSecondaryVersion() == device.version.secondary;
}

// Steps of a device in normal mode, up to its settings. EndOfPath when the path fails here.
SlotEnd read_device(UsbPass& pass, UsbDeviceReading& device)
{
    RecognitionRun& run = pass.run;
    DeviceSession& c = run.session;
    if (c.deviceTarget == 0)
        c.deviceTarget = static_cast<int>(device.productId);
    device.chipProductId = bccmd_read_product_id();
    if (device.chipProductId <= 0)
        device.chipProductId = kUnknownChipProduct;

    if (c.deviceTarget == kCameraProductId && getCameraDiskPath(c.deviceTarget).empty()) {
        fail_with_code(run, AppText::tavk_string_check_sd_card_in, kNoCameraCardCode);
        c.usbStatus = 0;
        return SlotEnd::EndOfPath;
    }

    // Power tables and saved settings belong to the selected product: a device that is not it
    // is read, never written.
    device.selected = is_device_target_same_as(c.deviceTarget, device.chipProductId);
    bccmd_read_bdaddr(device.address);
    device.lastSix = fill_format("%02X%02X%02X", {device.address[0], device.address[3], device.address[2]});
    const bool above_threshold = changePSKeyPowerTableWith(c.deviceTarget, device.lastSix);
    if (device.selected && above_threshold)
        write_power_table(c.deviceTarget);

    std::array<uint8_t, 256> name{};
    device.name = bccmd_read_device_name(name) > 0 ? name_text(name) : kUnreadUsbDeviceName;
    uint32_t major = 0, minor = 0, type = 0, secondary = 0;
    bccmd_read_firmware_version(static_cast<uint32_t>(device.chipProductId), major, minor, type, secondary);
    device.version = {static_cast<int>(major), static_cast<int>(minor), static_cast<int>(type),
                      static_cast<int>(secondary)};

    if (run.saved && device.selected) {
        if (const std::optional<uint16_t> failed = write_back_usb_settings(c.deviceTarget, *run.saved)) {
            run.strStatus = status_in_every_language(
                [&](int language) { return RecognitionTexts::tavk_string_cannot_restore_in(*failed, language); });
            run.doWarn = true;
            c.usbStatus = 0;
            return SlotEnd::EndOfPath;
        }
    }
    device.settings = read_usb_settings(device.chipProductId, device.version.major, device.version.minor);
    if (device.selected && !above_threshold && takes_low_address_power_table(device.chipProductId))
        write_low_address_power_table();
    return SlotEnd::NextSlot;
}

SlotEnd recognize_first_device(UsbPass& pass, uint32_t product_id)
{
    UsbDeviceReading device;
    device.productId = product_id;
    if (read_device(pass, device) == SlotEnd::EndOfPath)
        return SlotEnd::EndOfPath;
    store_device(pass, device);
    if (device.selected) {
        status_recognized(pass.run, pass.linkText);
        pass.run.goFirmwareUpgrade = true;
    } else {
        pass.result = kRecognitionOtherDevice;
    }
    return SlotEnd::NextSlot;
}

// The second device joins the first one's record when it is the other half of the same product;
// anything else is left out, so the run stays with the first device's outcome.
SlotEnd recognize_second_device(UsbPass& pass, uint32_t first_product_id, uint32_t product_id)
{
    UsbDeviceReading device;
    device.productId = product_id;
    if (read_device(pass, device) == SlotEnd::EndOfPath)
        return SlotEnd::EndOfPath;
    if (!same_as_first(pass, first_product_id, device)) {
        system_logf("second USB device [%04X] chip [%04X] is not the first one's other half: left out", product_id,
                    device.chipProductId);
        return SlotEnd::NextSlot;
    }
    pass.data.setLastSixBDAddress(device.lastSix);
    pass.data.setBdAddress(fill_format("%@ _ %@", {pass.data.bdAddress(), address_text(device.address)}));
    return SlotEnd::EndOfPath;
}

void recognize_opened_devices(UsbPass& pass, const std::array<uint32_t, 2>& product_ids)
{
    for (int index = 0; index < pass.deviceCount; ++index) {
        usb_select_device(index);
        const uint32_t product_id = product_ids[static_cast<size_t>(index)];
        SlotEnd end = SlotEnd::NextSlot;
        if (product_id == 0)
            continue;
        if (product_id >= MANAGEMENT_MODE_BIT)
            recognize_management_device(pass, product_id);
        else if (index == 0)
            end = recognize_first_device(pass, product_id);
        else
            end = recognize_second_device(pass, product_ids[0], product_id);
        if (end == SlotEnd::EndOfPath)
            return;
    }
}

int cannot_open(RecognitionRun& run, int code)
{
    fail_with_code(run, AppText::tavk_string_cannot_open_usb_in, code);
    return kRecognitionFailed;
}

} // namespace

int recognize_over_usb(RecognitionRun& run, KIVOBluetoothDeviceData& data)
{
    std::array<uint32_t, 2> product_ids{};
    std::array<char, 256> text{};
    if (run.isFirst) {
        // Only a device in management mode or a product of the probe's set answers here; finding
        // none is no failure, the normal open below may still find the device.
        const int code = usb_open_devices_retry(product_ids, text, kUsbOpenTries, kUsbModeManagementProbe);
        if (code == 0) {
            dfu_close_device();
            run.isFirst = false;
        } else if (code != kUsbProbeNoDevice) {
            return cannot_open(run, code);
        }
    }
    product_ids = {};
    const int code = usb_open_devices_retry(product_ids, text, kUsbOpenTries, kUsbModeNormal);
    if (code != 0)
        return cannot_open(run, code);

    UsbPass pass{run, data, text.data(), usb_device_count()};
    recognize_opened_devices(pass, product_ids);
    usb_close_devices();

    if (run.goFirmwareUpgrade)
        return kRecognitionSucceeded;
    if (run.doWarn)
        return kRecognitionFailed;
    if (pass.result == kRecognitionRunning)
        return cannot_open(run, kUsbNoDevice); // nothing came of the devices opened
    return pass.result;
}

} // namespace kivo
