#pragma once
// USB DFU class requests over libusb-0.1 handles, and finding, listing and opening the maker's
// DFU-capable devices. Only devices of DEVICE_VENDOR_ID are ever listed or opened: another maker's
// DFU device on the same bus is never detached, reset or written.

#include <usb.h>

#include <cstdint>
#include <span>

#include "link/product_filter.h"

inline constexpr int kDfuTimeoutMs = 10000;
inline constexpr int kDfuDetachTimeoutMs = 5000; // wValue of DETACH
inline constexpr int kDfuNoHandle = -5; // no transfer was made
inline constexpr size_t kDfuStatusSize = 6; // bStatus, bwPollTimeout (3 bytes), bState, iString
inline constexpr int kDfuMaxListed = 30;

// List and open modes: all DFU devices, normal ones only (bit 15 clear), management-mode ones only.
inline constexpr int kDfuAllDevices = 0;
inline constexpr int kDfuNormalDevices = 1;
inline constexpr int kDfuManagementDevices = 2;

// Each is one control transfer with wIndex = interface and a 10000 ms time-out; the result is
// usb_control_msg's (bytes transferred, or negative), or kDfuNoHandle without a transfer.
int dfu_detach(usb_dev_handle* handle, int interface);
// block_number goes into wValue (16 bits). Blocks longer than 65535 bytes are refused.
int dfu_download(usb_dev_handle* handle, int interface, int block_number, std::span<const uint8_t> data);
// answer needs room for kDfuStatusSize bytes.
int dfu_get_status(usb_dev_handle* handle, int interface, std::span<uint8_t> answer);
int dfu_clear_status(usb_dev_handle* handle, int interface);
int dfu_abort(usb_dev_handle* handle, int interface);
// Sent at the end of an update to each device still in management mode.
int dfu_request7(usb_dev_handle* handle, int interface);

// The interface number of the device's first alternate setting with class 0xFE, subclass 1,
// protocol 0; -1 when there is none.
int dfu_find_interface(const struct usb_device* device);
// Rescans and lists up to devices.size() (and at most 30) DFU devices of DEVICE_VENDOR_ID that
// are not hubs, by mode, passing over those whose product id `accept` refuses; returns how many
// were written.
int dfu_list_devices(int mode, std::span<struct usb_device*> devices, const kivo::ProductFilter& accept = {});
// Lists by mode (and `accept`) and opens up to handles.size() devices: the first with the interface
// probe of the management-mode opener, the others on their DFU interface. Returns the number
// opened; those handles are the caller's to release and close.
int dfu_open_devices(int mode, std::span<usb_dev_handle*> handles, const kivo::ProductFilter& accept = {});
