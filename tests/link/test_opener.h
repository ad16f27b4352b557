#pragma once
// Openers for the products hid_open_device never opens (its list is the OEM build's): the first
// simulated device, in bus order, of the products given into HID slot 0, or the first two devices
// of that product into slots 0 and 1 (the two interfaces of the two-module headsets). Like
// hid_open_device, they refuse while slot 0 is filled and pass over a device whose product id the
// caller's filter refuses.

#include <cstdint>
#include <vector>

#include "link/hid_discovery.h"

kivo::HidOpener open_product(uint16_t product_id);
kivo::HidOpener open_product_in_two_slots(uint16_t product_id);
// Any of these products, as a list opener does: whichever comes first on the bus.
kivo::HidOpener open_products(std::vector<uint16_t> product_ids);
kivo::HidOpener open_products_in_two_slots(std::vector<uint16_t> product_ids);
