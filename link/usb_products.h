#pragma once
// The product-id sets of the plain-USB link: which devices the libusb-1.0 opener takes, which the
// firmware-management probe takes, and which ids the chip's own product-id key may name.

#include <array>
#include <cstdint>
#include <optional>

#include "common/management_mode.h"
#include "link/hid_reports.h"

struct UsbProductEntry {
    uint16_t vendor_id;
    uint16_t product_id;
};

inline constexpr size_t kUsbNormalProductCount = 61;
// Entries 0-60: the normal product ids; 61-121: the same products in firmware-management mode.
extern const std::array<UsbProductEntry, 2 * kUsbNormalProductCount> UsbProductTable;

bool usb_product_table_contains(uint16_t vendor_id, uint16_t product_id);

// One product of the table under both its ids: running its normal firmware and its
// firmware-management loader.
struct UsbProductPair {
    uint16_t normal;
    uint16_t management;
};
// The pair of the table that holds this id in either half; none when the table does not hold it.
std::optional<UsbProductPair> usb_product_pair(uint32_t product_id);
// The 80 ids the firmware-management probe opens: 40 normal ids and each with bit 15 set.
bool usb_management_probe_product(uint32_t product_id);
// The ids the chip's product-id key may name: the normal ids of the table, except that
// 0x6020, 0x6022 and 0x6024 stand in for 0x6021, 0x6023 and 0x6025.
bool bccmd_known_product(uint32_t product_id);
