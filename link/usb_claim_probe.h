#pragma once
// The interface probe of the libusb-0.1 openers: open the first device a search finds and claim
// the interface numbered by an attempt counter, searching again after each failed claim.

#include <usb.h>

#include <functional>

struct UsbClaimProbe {
    enum Outcome { Claimed, NotFound, OpenFailed, GaveUp } outcome = NotFound;
    usb_dev_handle* handle = nullptr; // open and claimed when Claimed
    struct usb_device* device = nullptr;
    int error = 0; // errno of the failed open or of the last failed claim
};

// find_first searches the bus again each time and returns the first device that qualifies.
// The counter starts at 0; a failed claim with ENOENT sets it back to 0, any other failure
// moves it on by one. The probe gives up when a claim of an interface above 10 fails, or a
// claim of interface 0 fails on a second or later attempt.
UsbClaimProbe usb_probe_claim(const std::function<struct usb_device*()>& find_first);

// Claims an interface after detaching a kernel driver that holds it (the Bluetooth driver binds
// the chip's HCI interface). Returns usb_claim_interface's result.
int usb_claim_detached(usb_dev_handle* handle, int interface);
