#pragma once
// Which reads tell the name and version of a device found over HID. The product sets behind them
// are product rules (device/products/).

#include "device/products/hid_name_records.h"
#include "device/products/hid_readiness.h"
#include "device/products/mesh_module_headsets.h"
#include "device/products/oem_headsets.h"
#include "device/products/short_report_families.h"

namespace kivo {

// The products the HID opener takes whose name is read from record 0x3C: all but the OEM headsets
// and the 62-byte-report families.
bool reads_name_record(int product_id);
// Those of them whose version is read on its own (command 0x01 straight after the name).
bool reads_version(int product_id);

} // namespace kivo
