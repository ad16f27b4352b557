#pragma once
// Opens the simulated device of one product id into HID slot 0, for the products that
// hid_open_device never opens (its list is the OEM build's).

#include <cstdint>

#include "update/engine/run.h"

kivo::HidOpener open_product(uint16_t product_id);
