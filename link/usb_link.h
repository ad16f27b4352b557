#pragma once
// The plain-USB link: starting and ending the USB libraries, opening up to two normal devices of
// UsbProductTable over libusb-1.0 (mode 0) or one device in firmware-management mode over the
// libusb-0.1 interface (mode 1), choosing where BCCMD messages go, and closing.
//
// The openers return a code and leave an English text in the caller's buffer (at least 64 bytes;
// a shorter one gets a truncated text). Product ids are written into the caller's two slots.

#include <cstdint>
#include <span>

inline constexpr char kUsbOpenedText[] = "Device recognized successfully";
inline constexpr char kUsbManagementModeText[] = "Firmware management mode";
inline constexpr char kUsbNotAvailableText[] = "Device not available";

// Mode 0 results.
inline constexpr int kUsbNoDevice = -1; // "Device not available"
inline constexpr int kUsbClaimFailed = -3; // "Cannot claim interface: %s (%d)"
inline constexpr int kUsbSecondClaimFailed = -4; // "Cannot claim interface 2: %s (%d)"
inline constexpr int kUsbSecondMismatch = -5; // "USB interface 2 Not Match USB interface 1"
// Mode 1 results.
inline constexpr int kUsbProbeNoDevice = 1; // "Device not available"
inline constexpr int kUsbProbeOpenFailed = 2; // "Cannot open device: %s (%d)"
inline constexpr int kUsbProbeClaimFailed = 3; // "Cannot claim interface: %s (%d)"

inline constexpr int kUsbRetryPauseMs = 1000;

// Starts libusb-1.0 and the libusb-0.1 interface, once per process. Returns 0, or libusb_init's
// error (then logged as "usb_init initialization failed!").
int usb_link_start();
// Closes whatever the link holds open and ends libusb-1.0.
void usb_link_stop();

// Mode 0: normal devices through libusb-1.0; any other mode: a device of the probe set through
// libusb-0.1, kept as the management-mode handle. Handles still open from an earlier call are
// closed first.
int usb_open_devices(std::span<uint32_t, 2> product_ids, std::span<char> text, int mode);
// Calls usb_open_devices until it returns 0 or below, or the tries are used up: result 1 uses one
// try, any other positive result two, with a 1 s pause between calls. Fewer than one try opens
// nothing and returns the mode's "Device not available" code.
int usb_open_devices_retry(std::span<uint32_t, 2> product_ids, std::span<char> text, int tries, int mode);

int usb_device_count();
// Index 0 or 1 becomes the selected device (result 1); any other index is refused (0).
int usb_select_device(int index);
// Releases interface 0 of and closes every mode-0 device; count and selected index become 0.
void usb_close_devices();
// Releases interface 0 of and closes the management-mode handle.
void dfu_close_device();
