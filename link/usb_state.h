#pragma once
// The process-wide USB handles of the link. Used by one worker at a time, so no lock; libusb's
// event handling (and with it the transfer callback) runs on the calling thread.

#include <libusb.h>
#include <usb.h>

#include <array>
#include <cstdint>

struct UsbLinkState {
    bool started = false; // libusb-1.0 initialised
    std::array<libusb_device_handle*, 2> handles{}; // mode-0 devices, in the order found
    int device_count = 0;
    int selected = 0; // where BCCMD messages go
    usb_dev_handle* management = nullptr; // the mode-1 handle
    uint32_t bccmd_sequence = 0;
    bool transfer_done = false; // set by the interrupt-read callback
};

UsbLinkState& usb_link_state();
// The handle BCCMD messages go to, or nullptr when the selected index holds none.
libusb_device_handle* usb_selected_handle();
