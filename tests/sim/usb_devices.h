#pragma once
// Ready-made plain-USB devices for tests: a headset of the oldest chip family and a device
// running its firmware-management loader. Plug them with bus().plug(...).

#include <memory>

#include "tests/sim/bus.h"
#include "tests/sim/dfu_persona.h"
#include "tests/sim/ps_store.h"

namespace sim {

inline constexpr uint16_t kManagementModeBit = 0x8000;

// Normal firmware: HCI interfaces 0 and 1 held by the kernel's Bluetooth driver, a DFU interface
// (2), a persistent store holding keys, and a DFU persona that comes back with bit 15 set.
std::shared_ptr<Device> make_bccmd_device(uint16_t product_id, PsStore::Keys keys = {}, uint16_t vendor_id = kVendorId);
// The firmware-management loader: device class 0xFE, DFU interface 0, a DFU persona in dfuIDLE
// that comes back as product_id without bit 15 once told to leave.
std::shared_ptr<Device> make_dfu_device(uint16_t product_id, uint16_t vendor_id = kVendorId);

} // namespace sim
