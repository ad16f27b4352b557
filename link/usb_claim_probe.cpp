#include "link/usb_claim_probe.h"

#include <cerrno>

namespace {
constexpr int kHighestProbedInterface = 10;
}

int usb_claim_detached(usb_dev_handle* handle, int interface)
{
    usb_detach_kernel_driver_np(handle, interface); // fails harmlessly when no driver holds it
    return usb_claim_interface(handle, interface);
}

UsbClaimProbe usb_probe_claim(const std::function<struct usb_device*()>& find_first)
{
    UsbClaimProbe probe;
    int interface = 0;
    for (int attempt = 1;; ++attempt) {
        struct usb_device* device = find_first();
        if (device == nullptr) {
            probe.outcome = UsbClaimProbe::NotFound;
            return probe;
        }
        errno = 0;
        usb_dev_handle* handle = usb_open(device);
        if (handle == nullptr) {
            probe.outcome = UsbClaimProbe::OpenFailed;
            probe.error = errno;
            return probe;
        }
        const int r = usb_claim_detached(handle, interface);
        if (r >= 0) {
            probe.outcome = UsbClaimProbe::Claimed;
            probe.handle = handle;
            probe.device = device;
            return probe;
        }
        probe.error = -r;
        usb_close(handle);
        if (interface > kHighestProbedInterface || (interface == 0 && attempt > 1)) {
            probe.outcome = UsbClaimProbe::GaveUp;
            return probe;
        }
        interface = probe.error == ENOENT ? 0 : interface + 1;
    }
}
