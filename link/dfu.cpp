#include "link/dfu.h"

#include <algorithm>
#include <array>

#include "link/hid_reports.h"
#include "link/usb_claim_probe.h"
#include "link/usb_products.h"

namespace {

constexpr int kOut = 0x21; // class, interface, host to device
constexpr int kIn = 0xA1; // class, interface, device to host

enum DfuRequest : int { DETACH = 0, DNLOAD = 1, GETSTATUS = 3, CLRSTATUS = 4, ABORT = 6, REQUEST7 = 7 };

constexpr int kHubClass = 9;
constexpr uint8_t kDfuClass = 0xFE;
constexpr uint8_t kDfuSubclass = 1;
constexpr uint8_t kDfuProtocol = 0;

int request(usb_dev_handle* handle, int type, int req, int value, int interface, char* data, int length)
{
    if (handle == nullptr)
        return kDfuNoHandle;
    return usb_control_msg(handle, type, req, value, interface, data, length, kDfuTimeoutMs);
}

bool wanted(const struct usb_device& dev, int mode)
{
    if (dev.descriptor.bDeviceClass == kHubClass || dev.descriptor.idVendor != DEVICE_VENDOR_ID)
        return false;
    if (dfu_find_interface(&dev) < 0)
        return false;
    const bool management = (dev.descriptor.idProduct & MANAGEMENT_MODE_BIT) != 0;
    if (mode == kDfuNormalDevices)
        return !management;
    if (mode == kDfuManagementDevices)
        return management;
    return true;
}

} // namespace

int dfu_detach(usb_dev_handle* handle, int interface)
{
    return request(handle, kOut, DETACH, kDfuDetachTimeoutMs, interface, nullptr, 0);
}

int dfu_download(usb_dev_handle* handle, int interface, int block_number, std::span<const uint8_t> data)
{
    if (data.size() > 0xFFFF)
        return kDfuNoHandle;
    // usb_control_msg only reads the bytes of a host-to-device request.
    char* bytes = data.empty() ? nullptr : const_cast<char*>(reinterpret_cast<const char*>(data.data()));
    return request(handle, kOut, DNLOAD, block_number & 0xFFFF, interface, bytes, static_cast<int>(data.size()));
}

int dfu_get_status(usb_dev_handle* handle, int interface, std::span<uint8_t> answer)
{
    if (answer.size() < kDfuStatusSize)
        return kDfuNoHandle;
    return request(handle, kIn, GETSTATUS, 0, interface, reinterpret_cast<char*>(answer.data()),
                   static_cast<int>(kDfuStatusSize));
}

int dfu_clear_status(usb_dev_handle* handle, int interface)
{
    return request(handle, kOut, CLRSTATUS, 0, interface, nullptr, 0);
}

int dfu_abort(usb_dev_handle* handle, int interface) { return request(handle, kOut, ABORT, 0, interface, nullptr, 0); }

int dfu_request7(usb_dev_handle* handle, int interface)
{
    return request(handle, kOut, REQUEST7, 0, interface, nullptr, 0);
}

int dfu_find_interface(const struct usb_device* device)
{
    if (device == nullptr || device->config == nullptr)
        return -1;
    for (int c = 0; c < device->descriptor.bNumConfigurations; ++c) {
        const usb_config_descriptor& config = device->config[c];
        for (int i = 0; i < config.bNumInterfaces; ++i) {
            const usb_interface& iface = config.interface[i];
            for (int a = 0; a < iface.num_altsetting; ++a) {
                const usb_interface_descriptor& alt = iface.altsetting[a];
                if (alt.bInterfaceClass == kDfuClass && alt.bInterfaceSubClass == kDfuSubclass &&
                    alt.bInterfaceProtocol == kDfuProtocol)
                    return alt.bInterfaceNumber;
            }
        }
    }
    return -1;
}

int dfu_list_devices(int mode, std::span<struct usb_device*> devices, const kivo::ProductFilter& accept)
{
    if (devices.empty())
        return 0;
    usb_find_busses();
    usb_find_devices();
    std::array<struct usb_device*, kDfuMaxListed> found{};
    size_t n = 0;
    for (struct usb_bus* bus = usb_get_busses(); bus != nullptr && n < found.size(); bus = bus->next)
        for (struct usb_device* dev = bus->devices; dev != nullptr && n < found.size(); dev = dev->next)
            if (wanted(*dev, mode) && kivo::product_passes(accept, dev->descriptor.idProduct))
                found[n++] = dev;
    n = std::min(n, devices.size());
    std::copy_n(found.begin(), n, devices.begin());
    return static_cast<int>(n);
}

int dfu_open_devices(int mode, std::span<usb_dev_handle*> handles, const kivo::ProductFilter& accept)
{
    if (handles.empty())
        return 0;
    std::array<struct usb_device*, kDfuMaxListed> listed{};
    int count = 0;
    const UsbClaimProbe probe = usb_probe_claim([&]() -> struct usb_device* {
        count = dfu_list_devices(mode, std::span(listed).first(std::min(handles.size(), listed.size())), accept);
        return count > 0 ? listed[0] : nullptr;
    });
    if (probe.outcome != UsbClaimProbe::Claimed)
        return 0;
    handles[0] = probe.handle;
    for (int i = 1; i < count; ++i) {
        usb_dev_handle* handle = usb_open(listed[i]);
        if (handle == nullptr)
            return i;
        if (usb_claim_detached(handle, dfu_find_interface(listed[i])) < 0) {
            usb_close(handle);
            return i;
        }
        handles[i] = handle;
    }
    return count;
}
