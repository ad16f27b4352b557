#pragma once
// Openers for the products hid_open_device never opens (its list is the OEM build's): the simulated
// device of one product id into HID slot 0, or the first two devices of the product into slots 0
// and 1 (the two interfaces of the two-module headsets). Like hid_open_device, they refuse while
// slot 0 is filled.

#include <cstdint>

#include "link/hid_discovery.h"

kivo::HidOpener open_product(uint16_t product_id);
kivo::HidOpener open_product_in_two_slots(uint16_t product_id);
