#include "link/usb_link.h"

#include <cerrno>
#include <cstring>

#include "common/bounded_text.h"
#include "common/clock.h"
#include "common/system_log.h"
#include "link/hid_reports.h"
#include "link/usb_claim_probe.h"
#include "link/usb_products.h"
#include "link/usb_state.h"

namespace {

constexpr uint16_t kTwoDeviceFamily = 0x5310;
constexpr int kHubClass = 9;

uint32_t without_mode_bit(uint32_t product_id) { return product_id & ~MANAGEMENT_MODE_BIT; }

void close_handle(int index)
{
    UsbLinkState& s = usb_link_state();
    if (s.handles[index] != nullptr) {
        libusb_close(s.handles[index]);
        s.handles[index] = nullptr;
    }
}

int claim_handle(int index)
{
    libusb_device_handle* handle = usb_link_state().handles[index];
    libusb_set_auto_detach_kernel_driver(handle, 1); // the Bluetooth driver holds the HCI interface
    return libusb_claim_interface(handle, 0);
}

// Walks the libusb-1.0 list: the first table device, and a second one after a 0x5310.
void open_listed_devices(std::span<uint32_t, 2> product_ids)
{
    UsbLinkState& s = usb_link_state();
    libusb_device** list = nullptr;
    const ssize_t n = libusb_get_device_list(nullptr, &list);
    if (n < 0)
        return;
    for (ssize_t i = 0; i < n && s.device_count < 2; ++i) {
        libusb_device_descriptor desc{};
        if (libusb_get_device_descriptor(list[i], &desc) < 0)
            break;
        if (!usb_product_table_contains(desc.idVendor, desc.idProduct))
            continue;
        if (libusb_open(list[i], &s.handles[s.device_count]) < 0) {
            s.handles[s.device_count] = nullptr;
            break;
        }
        product_ids[s.device_count] = desc.idProduct;
        ++s.device_count;
        if (without_mode_bit(product_ids[0]) != kTwoDeviceFamily)
            break;
    }
    libusb_free_device_list(list, 1);
}

int open_normal_devices(std::span<uint32_t, 2> product_ids, std::span<char> text)
{
    usb_close_devices();
    UsbLinkState& s = usb_link_state();
    open_listed_devices(product_ids);

    if (s.device_count == 0) {
        kivo::copy_text(text, kUsbNotAvailableText);
        usb_close_devices();
        return kUsbNoDevice;
    }
    if (int r = claim_handle(0); r < 0) {
        // The C library's text for -r, with r itself.
        kivo::format_text(text, "Cannot claim interface: %s (%d)", std::strerror(-r), r);
        close_handle(0);
        close_handle(1);
        s.device_count = 0;
        return kUsbClaimFailed;
    }
    if (s.device_count == 2) {
        if (without_mode_bit(product_ids[1]) != kTwoDeviceFamily) {
            kivo::copy_text(text, "USB interface 2 Not Match USB interface 1");
            close_handle(1);
            s.device_count = 1;
            usb_close_devices();
            return kUsbSecondMismatch;
        }
        if (int r = claim_handle(1); r < 0) {
            kivo::format_text(text, "Cannot claim interface 2: %s (%d)", std::strerror(-r), r);
            close_handle(1);
            s.device_count = 1;
            usb_close_devices();
            return kUsbSecondClaimFailed;
        }
    }
    bool management = (product_ids[0] & MANAGEMENT_MODE_BIT) != 0;
    if (s.device_count == 2)
        management = management || (product_ids[1] & MANAGEMENT_MODE_BIT) != 0;
    kivo::copy_text(text, management ? kUsbManagementModeText : kUsbOpenedText);
    return 0;
}

// The first device of the probe set on any bus, after a rescan.
struct usb_device* find_management_device()
{
    usb_find_busses();
    usb_find_devices();
    for (struct usb_bus* bus = usb_get_busses(); bus != nullptr; bus = bus->next)
        for (struct usb_device* dev = bus->devices; dev != nullptr; dev = dev->next)
            if (dev->descriptor.bDeviceClass != kHubClass && dev->descriptor.idVendor == DEVICE_VENDOR_ID &&
                usb_management_probe_product(dev->descriptor.idProduct))
                return dev;
    return nullptr;
}

int open_management_device(std::span<uint32_t, 2> product_ids, std::span<char> text)
{
    dfu_close_device();
    const UsbClaimProbe probe = usb_probe_claim(find_management_device);
    switch (probe.outcome) {
    case UsbClaimProbe::Claimed:
        usb_link_state().management = probe.handle;
        product_ids[0] = probe.device->descriptor.idProduct;
        kivo::copy_text(text, kUsbManagementModeText);
        return 0;
    case UsbClaimProbe::OpenFailed:
        kivo::format_text(text, "Cannot open device: %s (%d)", std::strerror(probe.error), probe.error);
        return kUsbProbeOpenFailed;
    case UsbClaimProbe::GaveUp:
        kivo::format_text(text, "Cannot claim interface: %s (%d)", std::strerror(probe.error), probe.error);
        return kUsbProbeClaimFailed;
    case UsbClaimProbe::NotFound: break;
    }
    kivo::copy_text(text, kUsbNotAvailableText);
    return kUsbProbeNoDevice;
}

} // namespace

UsbLinkState& usb_link_state()
{
    static UsbLinkState state;
    return state;
}

libusb_device_handle* usb_selected_handle()
{
    const UsbLinkState& s = usb_link_state();
    return s.selected >= 0 && s.selected < s.device_count ? s.handles[s.selected] : nullptr;
}

int usb_link_start()
{
    UsbLinkState& s = usb_link_state();
    if (s.started)
        return 0;
    usb_init();
    // Debian's libusb-0.1 is the original library, not a layer over libusb-1.0: start both.
    const int r = libusb_init(nullptr);
    if (r < 0) {
        kivo::system_log("usb_init initialization failed!");
        return r;
    }
    s.started = true;
    return 0;
}

void usb_link_stop()
{
    usb_close_devices();
    dfu_close_device();
    UsbLinkState& s = usb_link_state();
    if (s.started) {
        libusb_exit(nullptr);
        s.started = false;
    }
}

int usb_open_devices(std::span<uint32_t, 2> product_ids, std::span<char> text, int mode)
{
    return mode == 0 ? open_normal_devices(product_ids, text) : open_management_device(product_ids, text);
}

int usb_open_devices_retry(std::span<uint32_t, 2> product_ids, std::span<char> text, int tries, int mode)
{
    if (tries < 1) {
        kivo::copy_text(text, kUsbNotAvailableText);
        return mode == 0 ? kUsbNoDevice : kUsbProbeNoDevice;
    }
    int used = 0;
    for (;;) {
        const int r = usb_open_devices(product_ids, text, mode);
        if (r <= 0)
            return r;
        used += r == kUsbProbeNoDevice ? 1 : 2;
        if (used >= tries)
            return r;
        kivo::sleep_ms(kUsbRetryPauseMs);
    }
}

int usb_device_count() { return usb_link_state().device_count; }

int usb_select_device(int index)
{
    if (static_cast<unsigned>(index) > 1)
        return 0;
    usb_link_state().selected = index;
    return 1;
}

void usb_close_devices()
{
    UsbLinkState& s = usb_link_state();
    for (int i = 0; i < 2; ++i) {
        if (s.handles[i] != nullptr)
            libusb_release_interface(s.handles[i], 0);
        close_handle(i);
    }
    s.device_count = 0;
    s.selected = 0;
}

void dfu_close_device()
{
    UsbLinkState& s = usb_link_state();
    if (s.management == nullptr)
        return;
    usb_release_interface(s.management, 0);
    usb_close(s.management);
    s.management = nullptr;
}
