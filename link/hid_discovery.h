#pragma once
// The HID openers: each walks the HID device list in enumeration order, takes only entries of
// DEVICE_VENDOR_ID that match its rule (and that `accept` takes, when given: the others are passed
// over unopened), and opens the first that opens into its slot.
//
// Results: 0 success (product id and "Device recognized successfully" handed back), -2 nothing
// found or opened (nothing handed back). An opener never replaces an open handle: a filled slot
// is refused with -2, so callers run hid_close_devices first.

#include <cstdint>
#include <functional>
#include <span>

#include "link/hid_reports.h"
#include "link/product_filter.h"

inline constexpr char kHidOpenedText[] = "Device recognized successfully";
inline constexpr int kHidOpenNotFound = -2;

// Vendor-defined interface that the general list and the Airoha mesh openers require.
inline constexpr uint16_t kHidVendorUsagePage = 0xFF00;
inline constexpr uint16_t kHidVendorUsage = 1;

// The recognition, update and save workers' opener (slot 0).
int hid_open_device(uint32_t& product_id, std::span<char> text, const kivo::ProductFilter& accept = {});
// Whether hid_open_device takes a device of this product id (on some interface).
bool hid_device_product(uint32_t product_id);
// Mesh-module openers (slot 0).
int hid_open_vantor_mesh(uint32_t& product_id, std::span<char> text, const kivo::ProductFilter& accept = {});
int hid_open_qcc_mesh(uint32_t& product_id, std::span<char> text, const kivo::ProductFilter& accept = {});
int hid_open_airoha_mesh(uint32_t& product_id, std::span<char> text, const kivo::ProductFilter& accept = {});
int hid_open_airoha_mesh_alt(uint32_t& product_id, std::span<char> text, const kivo::ProductFilter& accept = {});
// The product ids each mesh-module opener takes: the identities its module shows up under.
std::span<const uint16_t> hid_vantor_mesh_products();
std::span<const uint16_t> hid_qcc_mesh_products();
std::span<const uint16_t> hid_airoha_mesh_products();
// The smart-helmet controller, which shows itself as two HID devices (slots 0 and 1). Considers
// entries only in modes 2 and 3. Returns 0 with both slots open, else the number opened minus 2.
int hid_open_quvin_devices(uint32_t& product_id0, uint32_t& product_id1, std::span<char> text, int mode);

namespace kivo {
// What a worker opens its device with: hid_open_device in the application, another opener of the
// same form in tests. It opens the device into HID slot 0 as hid_open_device does: 0 with its
// product id and an English text, or below 0; a device `accept` refuses is passed over.
using HidOpener = std::function<int(uint32_t& product_id, std::span<char> text, const ProductFilter& accept)>;
} // namespace kivo
