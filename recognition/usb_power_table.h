#pragma once
// The radio power tables of the older plain-USB headsets. Which table a device needs depends on
// its Bluetooth address: units made after a product's address threshold get the table of their
// device target, two products get a table of their own at or below it.

#include <cstdint>
#include <string_view>

namespace kivo {

// true when device_target has an address threshold and the first six hexadecimal digits of
// last_six_address (the LAP, as the record keeps it) lie strictly above it. Texts that do not
// start with six hexadecimal digits are never above.
bool changePSKeyPowerTableWith(int device_target, std::string_view last_six_address);

// Writes the power-table keys of the device target's group to the selected device, in key order;
// the chip keeps what it had where a write fails. Nothing for a target without a group.
void write_power_table(int device_target);

// Chips that take the low-address table when their address is at or below the threshold.
bool takes_low_address_power_table(int chip_product_id);
// Writes key 49 with the low-address table (result ignored).
void write_low_address_power_table();

} // namespace kivo
